#include "property_tables/ozone.h"

#include "property_tables/ozone_data.h"
#include "property_tables/table_engine.h"

namespace tubalyx {

double OzoneDensityPT(double P, double t) {
    // No-data corners take the gas density to their right, scaled by own over found temperature.
    TableOptions o = RowSearchDensityOptions();
    return EvaluateTable(kOzoneDensityTable, o, P, t);
}

}  // namespace tubalyx
