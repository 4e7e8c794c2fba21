#include "media/humid_gas_mixing.h"

#include "media/medium_identification.h"
#include "media/steam_equations.h"
#include "media/water_equations.h"
#include "media/water_viscosity.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "property_tables/air.h"
#include "state/keywords.h"

namespace tubalyx {

namespace {

bool vapourDensityOnly = false;

struct VapourPart {
    double density = 0.0, viscosity = 0.0, cp = 0.0, cv = 0.0;
};

VapourPart VapourProperties(double pv, double t) {
    VapourPart v;
    if (vapourDensityOnly) {
        // The heat capacities and the viscosity left out take the logarithm and the root of the
        // absolute temperature: where they raise, the density alone raises too.
        if (!(t + kKelvinOffset > 0.0)) throw CalcError("logarithm of a negative number");
        v.density = SteamDensityPT(pv, t);
        return v;
    }
    SteamDensityCpCvPT(pv, t, v.density, v.cp, v.cv);
    v.viscosity = WaterSteamViscosity(t, v.density);
    return v;
}

bool IsHumid(double relativeHumidity) { return relativeHumidity > 1e-7; }

// Humid air holds no vapour part at or below this vapour pressure (Pa).
constexpr double kLeastAirVapourPressure = 1e-6;

double DryPartDensity(double rhoGas, double pg, double P) {
    return pg > 0.0 ? CheckFinite(rhoGas * CheckedDiv(pg, P), "overflow in the dry-gas density") : 0.0;
}

}  // namespace

double VapourPressureCeiling(double P, double ts) { return MinDouble(WaterSaturationPressure(ts), P); }

double VapourPartialPressure(double P, double ts, double relativeHumidity) {
    return VapourPressureCeiling(P, ts) * relativeHumidity * 0.01;
}

void HumidAirPropertiesPT(double& density, double& dryDensity, double& vapourDensity, double P, double t, double ts,
                          double relativeHumidity, double& viscosity, double& kappa, double& cp, double& cv) {
    const double pv = VapourPartialPressure(P, ts, relativeHumidity);
    const double pg = P - pv;

    VapourPart vapour;
    if (pv > kLeastAirVapourPressure) vapour = VapourProperties(pv, t);
    double rhoA = 0.0, muA = 0.0, cpA = 0.0, cvA = 0.0;
    if (pg > 0.0) {
        rhoA = AirDensityPT(pg, t);
        muA = AirViscosityPT(pg, t);
        cpA = AirCpPT(pg, t);
        cvA = AirCvPT(pg, t);
    }

    if (vapourDensityOnly) {
        viscosity = kappa = cp = cv = 0.0;
    } else {
        const double wL = GasViscosityMixingWeight(std::string(kMediumAir));
        const double wS = GasViscosityMixingWeight(std::string(kMediumSteam));
        viscosity = CheckedDiv(wL * muA * pg + wS * vapour.viscosity * pv, wL * pg + wS * pv);
        const double mass = vapour.density + rhoA;
        cp = CheckedDiv(vapour.density * vapour.cp + rhoA * cpA, mass);
        cv = CheckedDiv(vapour.density * vapour.cv + rhoA * cvA, mass);
        kappa = CheckedDiv(cp, cv);
    }
    dryDensity = rhoA;
    vapourDensity = vapour.density;
    density = CheckFinite(rhoA + vapour.density, "overflow in the humid-air density");
}

void SteamPropertySet(double& density, double& dryDensity, double& vapourDensity, double P, double t, double ts,
                      double relativeHumidity, double rhoGas, double muGas, double cpGas, double cvGas, double kappaGas,
                      double wA, double wB, double& viscosity, double& kappa, double& cp, double& cv) {
    const double pv = VapourPartialPressure(P, ts, relativeHumidity);
    const double pg = P - pv;
    const bool humid = IsHumid(relativeHumidity);

    VapourPart vapour;
    if (humid) vapour = VapourProperties(pv, t);
    const double rhoG = DryPartDensity(rhoGas, pg, P);

    if (vapourDensityOnly) {
        viscosity = kappa = cp = cv = 0.0;
    } else {
        const double wG = CheckedSqrt(wA * wB);
        viscosity = CheckedDiv(muGas * pg * wG + vapour.viscosity * pv * kSteamViscosityMixingWeight,
                               wG * pg + kSteamViscosityMixingWeight * pv);
        if (!humid) {
            cp = cpGas;
            cv = cvGas;
            kappa = kappaGas;
        } else {
            cp = CheckedDiv(pv * vapour.cp + pg * cpGas, pv + pg);
            cv = CheckedDiv(pv * vapour.cv + pg * cvGas, pv + pg);
            kappa = CheckedDiv(cp, cv);
        }
    }
    dryDensity = rhoG;
    vapourDensity = vapour.density;
    density = CheckFinite(rhoG + vapour.density, "overflow in the humid-gas density");
}

VapourDensityAlone::VapourDensityAlone() : was_(vapourDensityOnly) { vapourDensityOnly = true; }

VapourDensityAlone::~VapourDensityAlone() { vapourDensityOnly = was_; }

bool VapourDensityOnly() { return vapourDensityOnly; }

HumidPartDensities SteamPropertyDensities(double P, double t, double ts, double relativeHumidity, double rhoGas) {
    return SteamPropertyDensitiesAt(P, t, VapourPartialPressure(P, ts, relativeHumidity), relativeHumidity, rhoGas);
}

HumidPartDensities SteamPropertyDensitiesAt(double P, double t, double pv, double relativeHumidity, double rhoGas) {
    HumidPartDensities d;
    // The density alone of the steam routine VapourProperties calls: the same formula at the
    // same temperature set, so the same bits.
    if (IsHumid(relativeHumidity)) d.vapour = SteamDensityPT(pv, t);
    d.dry = DryPartDensity(rhoGas, P - pv, P);
    CheckFinite(d.dry + d.vapour, "overflow in the humid-gas density");
    return d;
}

HumidPartDensities HumidAirDensitiesAt(double P, double t, double pv) {
    const double pg = P - pv;
    HumidPartDensities d;
    if (pv > kLeastAirVapourPressure) d.vapour = SteamDensityPT(pv, t);
    if (pg > 0.0) d.dry = AirDensityPT(pg, t);
    CheckFinite(d.dry + d.vapour, "overflow in the humid-air density");
    return d;
}

}  // namespace tubalyx
