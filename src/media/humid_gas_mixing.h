#pragma once
// Humid gas as a dry gas plus water vapour at its partial pressure, for a relative humidity.
//
// Vapour partial pressure pv = (smaller of WaterSaturationPressure(ts) and P) x RH x 0.01,
// dry-gas partial pressure pg = P - pv. The vapour density is the absolute humidity (kg/m3).
// P in Pa absolute, t and ts in degC, RH in %, densities kg/m3, viscosities Pa s, cp and cv
// J/(kg K). Dry air comes from the air tables, the mixing weights from the medium
// identification.

namespace tubalyx {

// Viscosity mixing weight of water vapour among other gases.
constexpr double kSteamViscosityMixingWeight = 107.9;

// Vapour partial pressure (Pa) of the data model above: the ceiling (the smaller of the
// saturation pressure at ts and P) x RH x 0.01.
double VapourPressureCeiling(double P, double ts);
double VapourPartialPressure(double P, double ts, double relativeHumidity);

// Humid air. A vapour pressure at or below 1e-6 Pa leaves the vapour part 0, a dry partial
// pressure of 0 the dry part; heat capacities are mass-weighted.
void HumidAirPropertiesPT(double& density, double& dryDensity, double& vapourDensity, double P, double t, double ts,
                          double relativeHumidity, double& viscosity, double& kappa, double& cp, double& cv);

// Any other gas with known dry properties (rhoGas at P, muGas, cpGas, cvGas, kappaGas) and
// its viscosity weight sqrt(wA wB). A relative humidity at or below 1e-7 % leaves the vapour
// part 0 and the dry gas's cp, cv and kappa; otherwise the heat capacities are weighted by
// partial pressure.
void SteamPropertySet(double& density, double& dryDensity, double& vapourDensity, double P, double t, double ts,
                      double relativeHumidity, double rhoGas, double muGas, double cpGas, double cvGas, double kappaGas,
                      double wA, double wB, double& viscosity, double& kappa, double& cp, double& cv);

// The two part densities SteamPropertySet gives for the same P, t, ts, relative humidity and
// rhoGas, bit for bit, without the viscosity and heat capacities: what a humidity search
// compares at each of its trials.
struct HumidPartDensities {
    double dry = 0.0, vapour = 0.0;
};
HumidPartDensities SteamPropertyDensities(double P, double t, double ts, double relativeHumidity, double rhoGas);
// The same at the vapour partial pressure pv of the relative humidity, worked out beforehand.
HumidPartDensities SteamPropertyDensitiesAt(double P, double t, double pv, double relativeHumidity, double rhoGas);
// The two part densities HumidAirPropertiesPT gives at the vapour partial pressure pv, bit for bit.
HumidPartDensities HumidAirDensitiesAt(double P, double t, double pv);

// While one lives, a humid gas's vapour gives its density alone, and the humid gas its densities
// (bit for bit as without it) with viscosity, kappa, cp and cv 0; the steam of the property switch
// (a mixture's vapour) its density and viscosity, and a liquefied gas on the line page not the
// saturated liquid's enthalpy: what the trials of an energy balance read, whose vapour heat
// capacities take three sets of the steam equations at every temperature.
class VapourDensityAlone {
public:
    VapourDensityAlone();
    ~VapourDensityAlone();
    VapourDensityAlone(const VapourDensityAlone&) = delete;
    VapourDensityAlone& operator=(const VapourDensityAlone&) = delete;

private:
    bool was_;
};
bool VapourDensityOnly();

}  // namespace tubalyx
