#pragma once
// The gas tables of the first set (propane, ammonia, carbon dioxide, ozone, nitrogen,
// hydrogen) are built on their own branch. Until a family's header is present its branches
// of the property switch and the enthalpy raise CalcError instead of answering.
#include <stdexcept>

#include "numerics/checked.h"

#if __has_include("property_tables/propane.h")
#include "property_tables/propane.h"
#define TUBALYX_HAVE_PROPANE 1
#else
#define TUBALYX_HAVE_PROPANE 0
#endif
#if __has_include("property_tables/ammonia.h")
#include "property_tables/ammonia.h"
#define TUBALYX_HAVE_AMMONIA 1
#else
#define TUBALYX_HAVE_AMMONIA 0
#endif
#if __has_include("property_tables/carbon_dioxide.h")
#include "property_tables/carbon_dioxide.h"
#define TUBALYX_HAVE_CARBON_DIOXIDE 1
#else
#define TUBALYX_HAVE_CARBON_DIOXIDE 0
#endif
#if __has_include("property_tables/ozone.h")
#include "property_tables/ozone.h"
#define TUBALYX_HAVE_OZONE 1
#else
#define TUBALYX_HAVE_OZONE 0
#endif
#if __has_include("property_tables/nitrogen.h")
#include "property_tables/nitrogen.h"
#define TUBALYX_HAVE_NITROGEN 1
#else
#define TUBALYX_HAVE_NITROGEN 0
#endif
#if __has_include("property_tables/hydrogen.h")
#include "property_tables/hydrogen.h"
#define TUBALYX_HAVE_HYDROGEN 1
#else
#define TUBALYX_HAVE_HYDROGEN 0
#endif

namespace tubalyx {

[[noreturn]] inline void TablesNotInBuild(const char* family) {
    throw CalcError(std::string(family) + " tables are not in this build");
}

}  // namespace tubalyx
