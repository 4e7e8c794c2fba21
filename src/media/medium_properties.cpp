#include "media/medium_properties.h"

#include <cmath>
#include <initializer_list>

#include "media/gas_mixture.h"
#include "media/humidity_conversions.h"
#include "media/medium_enthalpy.h"
#include "media/medium_identification.h"
#include "media/medium_property_switch.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/unit_parser.h"
#include "state/composition.h"
#include "state/geometry.h"
#include "state/grid_rows.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

constexpr int kLastComponentRow = kMixtureLastRow - 1;
constexpr double kMinComponentFraction = 0.001;
constexpr double kMinVapourPressure = 0.001;  // Pa

bool IsConvertedKind(const std::string& kind) {
    return kind == kHumidityAbsolute || kind == kHumiditySpecific || kind == kHumidityDewPoint;
}

// The given measure of kind "A", "S" or "D" turned into a relative humidity (%).
void RelativeHumidityFromGiven(const std::string& kind, const std::string& keyword, double t, double P, double density,
                               double absoluteHumidity, double specificHumidity, double dewTemperature, double zRatio,
                               double& relativeHumidity) {
    if (kind == kHumidityAbsolute)
        HumidityFromAbsolute(keyword, HumidGasFlag, relativeHumidity, t, P, density, absoluteHumidity * 0.001, zRatio);
    else if (kind == kHumiditySpecific)
        HumidityFromSpecific(keyword, HumidGasFlag, relativeHumidity, t, P, density, specificHumidity * 0.001, zRatio);
    else
        HumidityFromDewPoint(keyword, HumidGasFlag, relativeHumidity, t, P, density, dewTemperature, zRatio);
}

// The four humidity measures from the densities found; the given one stays.
void HumidityOut(const std::string& kind, double t, double P, double flowDensity, double dryDensity, double zRatio,
                 double& absoluteHumidity, double& specificHumidity, double& dewTemperature, double& relativeHumidity) {
    const bool known = kind == kHumidityRelative || IsConvertedKind(kind);
    if (!HumidGasFlag || !known) {
        absoluteHumidity = specificHumidity = dewTemperature = relativeHumidity = 0.0;
        return;
    }
    const double vapour = flowDensity - dryDensity;
    if (kind != kHumidityAbsolute) absoluteHumidity = 1000.0 * vapour;
    if (kind != kHumiditySpecific) specificHumidity = dryDensity > 0.0 ? CheckedDiv(1000.0 * vapour, dryDensity) : 0.0;
    if (kind != kHumidityDewPoint) {
        HumidGasStateConversion("GAS", HumidGasFlag, dewTemperature, t, P, flowDensity, relativeHumidity, zRatio);
    }
}

void SingleMediumState(const std::string& medium, const GasCompositionArray& composition, double givenDensity,
                       double givenCp, double givenCv, double givenCriticalTemperature, double givenMolarMass,
                       double& P, double& t, const std::string& kind, double absoluteHumidity, double specificHumidity,
                       double dewTemperature, double& relativeHumidity, double& flowDensity, double& dryDensity,
                       double& vapourDensity, double& viscosity, double& kappa, double& cp, double& cv,
                       double& vapourPressure, double& enthalpy) {
    const double zRatio = GivenZRatio();
    if (medium == kMediumWetSteam) t = WaterSaturationTemperature(P);
    if (HumidGasFlag && IsConvertedKind(kind))
        RelativeHumidityFromGiven(kind, medium, t, P, givenDensity, absoluteHumidity, specificHumidity, dewTemperature,
                                  zRatio, relativeHumidity);
    MediumPropertySwitch(medium, composition, P, givenDensity, givenCp, givenCv, givenCriticalTemperature,
                         givenMolarMass, t, t, zRatio, HumidGasFlag ? relativeHumidity : 0.0, flowDensity, dryDensity,
                         vapourDensity, viscosity, kappa, cp, cv, enthalpy);
    vapourPressure = HumidGasFlag ? MinDouble(WaterSaturationPressure(t), P) * relativeHumidity * 0.01 : 0.0;
    if (PhaseLetter != kPhaseNone) return;
    if (IsOneOf(medium, {kMediumAir, kMediumOxygen, kMediumArgon, kMediumHydrogen, kMediumNitrogen, kMediumMethane,
                         kMediumPropane, kMediumAmmonia, kMediumNaturalGas, kMediumCarbonDioxide, kMediumOzone})) {
        // Taken as the saturated liquid there is no gas part to weigh: the liquid's enthalpy,
        // already against the gas at 0 degC, is the one the switch gave.
        const bool liquid = flowDensity > 0.0 && !(dryDensity > 0.0) && !(vapourDensity > 0.0);
        if (liquid && IsOneOf(medium, {kMediumOxygen, kMediumArgon, kMediumNitrogen})) return;
        if (flowDensity > 0.0) {
            // Dry gas at its partial pressure plus the vapour at its own, weighted by mass.
            enthalpy = MediumEnthalpyPT(medium, P - vapourPressure, t) * dryDensity / flowDensity;
            if (flowDensity != dryDensity)
                enthalpy += MediumEnthalpyPT(std::string(kMediumSteam), vapourPressure, t) *
                            (flowDensity - dryDensity) / flowDensity;
            CheckFinite(enthalpy, "enthalpy overflow");
        } else {
            enthalpy = 0.0;
        }
    } else if (IsOneOf(medium, {kMediumWater, kMediumGas, kMediumPropaneLiquid, kMediumRealGas, kMediumSteam,
                                kMediumWetSteam})) {
        enthalpy = MediumEnthalpyPT(medium, P, t);
    }
}

struct MixtureSums {
    double density = 0.0, viscosityNumerator = 0.0, weight = 0.0, cp = 0.0, cv = 0.0, enthalpy = 0.0;
};

// Components of huge density (the user's own gases) can sum past the double range.
void RequireFinite(const MixtureSums& s) {
    for (double x : {s.density, s.viscosityNumerator, s.weight, s.cp, s.cv, s.enthalpy})
        CheckFinite(x, "overflow in the mixture sums");
}

// One pass over the dry components of the humid grid, each at its partial pressure.
MixtureSums ComponentPass(bool normalColumn, const GasCompositionArray& composition, double givenDensity,
                          double givenCp, double givenCv, double givenCriticalTemperature, double givenMolarMass,
                          double P, double t) {
    const TStringGrid& grid = CalculationWindow().ViktVolprocgridfukt;
    const int shareColumn = normalColumn ? 3 : 4;
    const double zRatio = GivenZRatio();
    MixtureSums sums;
    for (int row = kMixtureFirstRow; row <= kLastComponentRow; ++row) {
        if (!(MixtureFraction[row] > kMinComponentFraction)) {
            MixturePartialPressure[row] = 0.0;
            continue;
        }
        const std::string& keyword = MixtureComponentKeyword[row];
        const double pi = StrToFloatSafe(grid.Cell(shareColumn, row)) * 0.01 * P;
        MixturePartialPressure[row] = pi;
        const double share = CheckedDiv(pi, P);
        double rho = 0.0, mu = 0.0, cpi = 0.0, cvi = 0.0, weight = 0.0, hi = 0.0;
        if (keyword == kMediumGas) {
            rho = MixtureDensity[row] * share;
            std::string unit = MixtureComponentName[row], unitKind;
            double micro = 0.0;
            ParseUnitValue(unit, MixtureViscosity[row], rho, PipeDiameter, micro, unitKind);
            mu = 1e-6 * micro;
            cpi = MixtureCp[row];
            cvi = MixtureCv[row];
            weight = CheckedSqrt(MixtureCriticalTemperature[row] * MixtureMolarMass[row]);
            hi = MixtureEnthalpy[row];
        } else {
            double p = pi, temperature = t, dry = 0.0, vapour = 0.0, kappa = 0.0, h = 0.0;
            MediumPropertySwitch(keyword, composition, p, givenDensity, givenCp, givenCv, givenCriticalTemperature,
                                 givenMolarMass, temperature, temperature, zRatio, 0.0, rho, dry, vapour, mu, kappa,
                                 cpi, cvi, h);
            weight = GasViscosityMixingWeight(keyword);
            hi = MediumEnthalpyPT(keyword, pi, t);
        }
        sums.density += rho;
        sums.cp += rho * cpi;
        sums.cv += rho * cvi;
        sums.viscosityNumerator += weight * mu * share;
        sums.weight += weight * share;
        sums.enthalpy += rho * hi;
    }
    RequireFinite(sums);
    return sums;
}

// The density of the gas as the user gave its molar mass: the component sums scaled by the
// ratio of that molar mass to the mean of the grid's mol %.
void ScaleToGivenMolarMass(double& density) {
    try {
        const TStringGrid& grid = CalculationWindow().ViktVolprocgridfukt;
        double mean = 0.0;
        for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row)
            mean += StrToFloatSafe(grid.Cell(5, row)) * MixtureRowMolarMass(row) * 0.01;
        if (HumidGasMolarMass > 0.0 && mean > 0.0) density = CheckFinite(density * HumidGasMolarMass / mean);
    } catch (const CalcError&) {
        // The scaling is a refinement; without it the component sum stands.
    }
}

bool HumidityPresent(const std::string& kind, double relativeHumidity, double absoluteHumidity, double specificHumidity,
                     double dewTemperature) {
    if (!HumidGasFlag) return false;
    if (kind == kHumidityRelative) return relativeHumidity > 0.0;
    if (kind == kHumidityAbsolute) return absoluteHumidity > 0.0;
    if (kind == kHumidityDewPoint) return dewTemperature > 0.0;
    if (kind == kHumiditySpecific) return specificHumidity > 0.0;
    return false;
}

void MixtureState(bool normalColumn, const GasCompositionArray& composition, double givenDensity, double givenCp,
                  double givenCv, double givenCriticalTemperature, double givenMolarMass, double P, double t,
                  const std::string& kind, double absoluteHumidity, double specificHumidity, double dewTemperature,
                  double& relativeHumidity, double& flowDensity, double& dryDensity, double& vapourDensity,
                  double& viscosity, double& kappa, double& cp, double& cv, double& vapourPressure, double& enthalpy) {
    const TStringGrid& grid = CalculationWindow().ViktVolprocgridfukt;
    if (HumidGasFlag && IsConvertedKind(kind)) relativeHumidity = 0.0;
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row)
        MixtureFraction[row] = StrToFloatSafe(grid.Cell(2, row));

    MixtureSums sums = ComponentPass(normalColumn, composition, givenDensity, givenCp, givenCv,
                                     givenCriticalTemperature, givenMolarMass, P, t);
    ScaleToGivenMolarMass(sums.density);

    const bool humid = HumidityPresent(kind, relativeHumidity, absoluteHumidity, specificHumidity, dewTemperature);
    // The components are evaluated dry, so the pass after the conversion would give the
    // same sums: one conversion and no further pass, which also ends what would otherwise
    // be an endless alternation of pass and conversion.
    if (humid && IsConvertedKind(kind))
        RelativeHumidityFromGiven(kind, "GAS", t, P, sums.density, absoluteHumidity, specificHumidity, dewTemperature,
                                  GivenZRatio(), relativeHumidity);

    vapourDensity = 0.0;
    if (humid) {
        const double pv = StrToFloatSafe(grid.Cell(4, kVapourRow)) * 0.01 * P;
        MixturePartialPressure[kVapourRow] = pv;
        vapourPressure = pv;
        double muV = 0.0, cpV = 0.0, cvV = 0.0;
        if (pv > kMinVapourPressure) {
            // Steam alone at its partial pressure: its density is the vapour part's.
            double p = pv, temperature = t, dry = 0.0, part = 0.0, kappaV = 0.0, h = 0.0;
            MediumPropertySwitch("ANG", composition, p, givenDensity, givenCp, givenCv, givenCriticalTemperature,
                                 givenMolarMass, temperature, temperature, 1.0, 0.0, vapourDensity, dry, part, muV,
                                 kappaV, cpV, cvV, h);
        }
        const double weightV = GasViscosityMixingWeight("ANG");
        const double shareV = CheckedDiv(pv, P);
        dryDensity = sums.density;
        sums.density += vapourDensity;
        sums.viscosityNumerator += weightV * muV * shareV;
        sums.cp += vapourDensity * cpV;
        sums.cv += vapourDensity * cvV;
        if (pv > kMinVapourPressure) {
            sums.enthalpy += vapourDensity * MediumEnthalpyPT("ANG", pv, t);
            sums.weight += weightV * shareV;
        }
        RequireFinite(sums);
    } else {
        // No humidity, no vapour: a value the caller left in the output must not stand.
        dryDensity = sums.density;
        vapourPressure = 0.0;
    }

    flowDensity = sums.density;
    kappa = sums.cv > 0.0 ? CheckedDiv(sums.cp, sums.cv) : 0.0;
    viscosity = sums.weight > 0.0 ? CheckedDiv(sums.viscosityNumerator, sums.weight) : 0.0;
    // Without any component there is no mass to average over: cp, cv and kappa stay 0.
    if (P > 0.0 && flowDensity > 0.0) {
        cp = CheckedDiv(sums.cp, flowDensity);
        cv = CheckedDiv(sums.cv, flowDensity);
        if (cv > 0.0) kappa = CheckedDiv(cp, cv);
    } else {
        cp = cv = 0.0;
    }
    enthalpy = flowDensity > 0.0 ? CheckedDiv(sums.enthalpy, flowDensity) : sums.enthalpy;
}

}  // namespace

double GivenZRatio() { return GivenZn != 0.0 ? CheckedDiv(GivenZ1, GivenZn) : 1.0; }

void MediumPropertiesAtState(bool normalColumn, const std::string& medium, const GasCompositionArray& composition,
                             double givenDensity, double /*givenViscosity*/, double givenCp, double givenCv,
                             double /*givenKappa*/, double givenCriticalTemperature, double givenMolarMass, double& P,
                             double& t, const std::string& humidityKind, double& absoluteHumidity,
                             double& specificHumidity, double& dewTemperature, double& relativeHumidity,
                             double& flowDensity, double& dryDensity, double& vapourDensity, double& viscosity,
                             double& kappa, double& cp, double& cv, double& vapourPressure, double& enthalpy) {
    if (medium == kMediumMixture)
        MixtureState(normalColumn, composition, givenDensity, givenCp, givenCv, givenCriticalTemperature,
                     givenMolarMass, P, t, humidityKind, absoluteHumidity, specificHumidity, dewTemperature,
                     relativeHumidity, flowDensity, dryDensity, vapourDensity, viscosity, kappa, cp, cv, vapourPressure,
                     enthalpy);
    else
        SingleMediumState(medium, composition, givenDensity, givenCp, givenCv, givenCriticalTemperature, givenMolarMass,
                          P, t, humidityKind, absoluteHumidity, specificHumidity, dewTemperature, relativeHumidity,
                          flowDensity, dryDensity, vapourDensity, viscosity, kappa, cp, cv, vapourPressure, enthalpy);
    HumidityOut(humidityKind, t, P, flowDensity, dryDensity, GivenZRatio(), absoluteHumidity, specificHumidity,
                dewTemperature, relativeHumidity);
    // Every caller takes these as the medium's state: none may pass on an overflow unnoticed.
    for (double x : {P, t, absoluteHumidity, specificHumidity, dewTemperature, relativeHumidity, flowDensity,
                     dryDensity, vapourDensity, viscosity, kappa, cp, cv, vapourPressure, enthalpy})
        CheckFinite(x, "overflow in the medium state");
}

}  // namespace tubalyx
