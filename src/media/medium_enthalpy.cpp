#include "media/medium_enthalpy.h"

#include "media/medium_identification.h"
#include "media/steam_equations.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/physical_constants.h"
#include "property_tables/air.h"
#include "property_tables/ammonia.h"
#include "property_tables/argon.h"
#include "property_tables/carbon_dioxide.h"
#include "property_tables/hydrogen.h"
#include "property_tables/methane.h"
#include "property_tables/nitrogen.h"
#include "property_tables/oxygen.h"
#include "property_tables/propane.h"
#include "state/keywords.h"
#include "state/medium.h"

namespace tubalyx {

namespace {

// State value first, reference second: the range note left standing is the reference's.
double AgainstReference(double (*h)(double, double), double P, double t) {
    const double state = h(P, t);
    return state - h(kStandardAtmospherePa, 0.0);
}

}  // namespace

double MediumEnthalpyPT(const std::string& keyword, double P, double t) {
    const std::string& k = keyword;
    if (k == kMediumAir) return AgainstReference(AirEnthalpyPT, P, t);
    if (k == kMediumWater) return AgainstReference(WaterEnthalpyPT, P, t) * 0.001;
    if (IsUserGasMedium(k)) return CheckFinite(t * GivenCp * 0.001, "enthalpy overflow");
    if (IsSteamMedium(k)) return SteamEnthalpyPT(P, t) * 0.001;
    if (k == kMediumOxygen) return AgainstReference(OxygenEnthalpyPT, P, t);
    if (k == kMediumArgon) return AgainstReference(ArgonEnthalpyPT, P, t);
    if (k == kMediumHydrogen) {
        return AgainstReference(HydrogenEnthalpyPT, P, t);
    }
    if (k == kMediumNitrogen) {
        return AgainstReference(NitrogenEnthalpyPT, P, t);
    }
    if (k == kMediumCarbonDioxide || k == kMediumOzone) {  // ozone takes the carbon dioxide enthalpy
        return AgainstReference(CarbonDioxideEnthalpyPT, P, t);
    }
    if (k == kMediumMethane) return AgainstReference(MethaneEnthalpyPT, P, t);
    if (k == kMediumPropane || k == kMediumPropaneLiquid) {
        // The reference is the gas, also for the liquid; it is evaluated first.
        const double reference = PropaneEnthalpyPT(std::string(kMediumPropane), kStandardAtmospherePa, 0.0);
        return PropaneEnthalpyPT(k, P, t) - reference;
    }
    if (k == kMediumAmmonia) {
        return AmmoniaEnthalpyPT(P, t);
    }
    if (k == kMediumNaturalGas) return AgainstReference(MethaneEnthalpyPT, P, t);  // methane enthalpy
    return 0.0;
}

}  // namespace tubalyx
