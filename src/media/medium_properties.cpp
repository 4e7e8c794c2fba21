#include "media/medium_properties.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "media/gas_mixture.h"
#include "media/humidity_conversions.h"
#include "media/medium_enthalpy.h"
#include "media/medium_identification.h"
#include "media/medium_property_switch.h"
#include "media/property_work.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
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
void RelativeHumidityFromGiven(const MediumDescription& d, const std::string& keyword, double t, double P,
                               double density, double& relativeHumidity) {
    const std::string& kind = d.humidityKind;
    if (kind == kHumidityAbsolute)
        HumidityFromAbsolute(keyword, d.humidGas, relativeHumidity, t, P, density, d.absoluteHumidity * 0.001,
                             d.zRatio);
    else if (kind == kHumiditySpecific)
        HumidityFromSpecific(keyword, d.humidGas, relativeHumidity, t, P, density, d.specificHumidity * 0.001,
                             d.zRatio);
    else
        HumidityFromDewPoint(keyword, d.humidGas, relativeHumidity, t, P, density, d.dewTemperature, d.zRatio);
}

// The four humidity measures from the densities found; the given one stays.
void HumidityOut(const std::string& kind, bool humidGas, double t, double P, double flowDensity, double dryDensity,
                 double zRatio, double& absoluteHumidity, double& specificHumidity, double& dewTemperature,
                 double& relativeHumidity) {
    const bool known = kind == kHumidityRelative || IsConvertedKind(kind);
    if (!known) {
        absoluteHumidity = specificHumidity = dewTemperature = relativeHumidity = 0.0;
        return;
    }
    if (!humidGas) {
        // A dry gas (a dew point at or below 0 degC is one) keeps the measure it was given in,
        // so that the edit shows it again and the next run reads the same.
        if (kind != kHumidityAbsolute) absoluteHumidity = 0.0;
        if (kind != kHumiditySpecific) specificHumidity = 0.0;
        if (kind != kHumidityDewPoint) dewTemperature = 0.0;
        if (kind != kHumidityRelative) relativeHumidity = 0.0;
        return;
    }
    const double vapour = flowDensity - dryDensity;
    if (kind != kHumidityAbsolute) absoluteHumidity = 1000.0 * vapour;
    if (kind != kHumiditySpecific) specificHumidity = dryDensity > 0.0 ? CheckedDiv(1000.0 * vapour, dryDensity) : 0.0;
    if (kind != kHumidityDewPoint) {
        HumidGasStateConversion("GAS", humidGas, dewTemperature, t, P, flowDensity, relativeHumidity, zRatio);
    }
}

}  // namespace

bool WeighsHumidEnthalpy(const std::string& medium) {
    return IsOneOf(medium, {kMediumAir, kMediumOxygen, kMediumArgon, kMediumHydrogen, kMediumNitrogen, kMediumMethane,
                            kMediumPropane, kMediumAmmonia, kMediumNaturalGas, kMediumCarbonDioxide, kMediumOzone});
}

void SingleMediumState(const MediumDescription& d, MediumStateValues& s, double& relativeHumidity) {
    const std::string& medium = d.medium;
    double& P = s.pressure;
    double& t = s.temperature;
    if (medium == kMediumWetSteam) {
        // Water has no saturation above its critical point: there is no saturated steam, no state.
        if (!(P <= kWaterCriticalPointPressurePa)) {
            s.density = s.dryDensity = s.vapourDensity = s.viscosity = s.kappa = s.cp = s.cv = 0.0;
            s.vapourPressure = s.enthalpy = 0.0;
            return;
        }
        t = WaterSaturationTemperature(P);
    }
    if (d.humidGas && IsConvertedKind(d.humidityKind))
        RelativeHumidityFromGiven(d, medium, t, P, d.givenDensity, relativeHumidity);
    if (d.balanceOnly && IsSteamMedium(medium)) {
        s.dryDensity = s.vapourDensity = s.kappa = s.cp = s.cv = 0.0;
        SteamSwitchDensityViscosity(P, t, s.density, s.viscosity);
    } else {
        MediumPropertySwitch(medium, d.composition, P, d.givenDensity, d.givenCp, d.givenCv, d.givenCriticalTemperature,
                             d.givenMolarMass, t, t, d.zRatio, d.humidGas ? relativeHumidity : 0.0, s.density,
                             s.dryDensity, s.vapourDensity, s.viscosity, s.kappa, s.cp, s.cv, s.enthalpy);
    }
    s.vapourPressure = d.humidGas ? MinDouble(WaterSaturationPressure(t), P) * relativeHumidity * 0.01 : 0.0;
    if (d.phase != kPhaseNone) return;
    if (WeighsHumidEnthalpy(medium)) {
        // Taken as the saturated liquid there is no gas part to weigh: the liquid's enthalpy,
        // already against the gas at 0 degC, is the one the switch gave.
        const bool liquid = s.density > 0.0 && !(s.dryDensity > 0.0) && !(s.vapourDensity > 0.0);
        if (liquid && IsOneOf(medium, {kMediumOxygen, kMediumArgon, kMediumNitrogen})) return;
        if (s.density > 0.0) {
            // Dry gas at its partial pressure plus the vapour at its own, weighted by mass.
            s.enthalpy = MediumEnthalpyPT(medium, P - s.vapourPressure, t) * s.dryDensity / s.density;
            if (s.density != s.dryDensity)
                s.enthalpy += MediumEnthalpyPT(std::string(kMediumSteam), s.vapourPressure, t) *
                              (s.density - s.dryDensity) / s.density;
            CheckFinite(s.enthalpy, "enthalpy overflow");
        } else {
            s.enthalpy = 0.0;
        }
    } else if (IsOneOf(medium, {kMediumWater, kMediumGas, kMediumPropaneLiquid, kMediumRealGas, kMediumSteam,
                                kMediumWetSteam})) {
        s.enthalpy = MediumEnthalpyPT(medium, P, t);
    }
}

namespace {

struct MixtureSums {
    double density = 0.0, viscosityNumerator = 0.0, weight = 0.0, cp = 0.0, cv = 0.0, enthalpy = 0.0;
};

// Components of huge density (the user's own gases) can sum past the double range.
void RequireFinite(const MixtureSums& s) {
    for (double x : {s.density, s.viscosityNumerator, s.weight, s.cp, s.cv, s.enthalpy})
        CheckFinite(x, "overflow in the mixture sums");
}

// One pass over the dry components of the humid grid, each at its partial pressure.
MixtureSums ComponentPass(const MediumDescription& d, const MixtureShares& shares, double P, double t,
                          std::array<double, kMixtureRows>& partialPressures) {
    MixtureSums sums;
    for (int row = kMixtureFirstRow; row <= kLastComponentRow; ++row) {
        if (!(shares.weight[row] > kMinComponentFraction)) {
            partialPressures[row] = 0.0;
            continue;
        }
        const std::string& keyword = MixtureComponentKeyword[row];
        const double pi = shares.pressureShare[row] * 0.01 * P;
        partialPressures[row] = pi;
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
            MediumPropertySwitch(keyword, d.composition, p, d.givenDensity, d.givenCp, d.givenCv,
                                 d.givenCriticalTemperature, d.givenMolarMass, temperature, temperature, d.zRatio, 0.0,
                                 rho, dry, vapour, mu, kappa, cpi, cvi, h);
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
void ScaleToGivenMolarMass(const MixtureShares& shares, double& density) {
    try {
        if (shares.givenMolarMass > 0.0 && shares.meanMolarMass > 0.0)
            density = CheckFinite(density * shares.givenMolarMass / shares.meanMolarMass);
    } catch (const CalcError&) {
        // The scaling is a refinement; without it the component sum stands.
    }
}

bool HumidityPresent(const MediumDescription& d, double relativeHumidity) {
    if (!d.humidGas) return false;
    const std::string& kind = d.humidityKind;
    if (kind == kHumidityRelative) return relativeHumidity > 0.0;
    if (kind == kHumidityAbsolute) return d.absoluteHumidity > 0.0;
    if (kind == kHumidityDewPoint) return d.dewTemperature > 0.0;
    if (kind == kHumiditySpecific) return d.specificHumidity > 0.0;
    return false;
}

// A cell of the grid as a number. A line walk asks for the mixture's state at every trial of its
// searches, and the grid's texts do not change meanwhile: the number read from a cell is kept
// with the grid's stamp and the separator it was read at, and read anew when either moves.
double CellNumber(const TStringGrid& grid, int col, int row) {
    struct Read {
        const TStringGrid* grid = nullptr;
        std::uint64_t stamp = 0;
        char separator = 0;
        double value = 0.0;
    };
    static std::array<std::array<Read, kMixtureRows>, 6> read;
    if (col < 0 || col >= static_cast<int>(read.size()) || row < 0 || row >= kMixtureRows)
        return StrToFloatSafe(grid.Cell(col, row));
    Read& r = read[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
    if (r.grid != &grid || r.stamp != grid.CellsStamp() || r.separator != DecimalSeparator()) {
        r.value = StrToFloatSafe(grid.Cell(col, row));
        r.grid = &grid;
        r.stamp = grid.CellsStamp();
        r.separator = DecimalSeparator();
    }
    return r.value;
}

// The grid's shares as the mixture's state reads them; MixtureFraction gets the weight column.
MixtureShares ReadMixtureShares(bool normalColumn) {
    const TStringGrid& grid = CalculationWindow().ViktVolprocgridfukt;
    const int shareColumn = normalColumn ? 3 : 4;
    MixtureShares shares;
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        MixtureFraction[row] = shares.weight[row] = CellNumber(grid, 2, row);
        if (row <= kLastComponentRow && shares.weight[row] > kMinComponentFraction)
            shares.pressureShare[row] = CellNumber(grid, shareColumn, row);
    }
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row)
        shares.meanMolarMass += CellNumber(grid, 5, row) * MixtureRowMolarMass(row) * 0.01;
    shares.vapourShare = CellNumber(grid, 4, kVapourRow);
    shares.givenMolarMass = HumidGasMolarMass;
    return shares;
}

}  // namespace

void MixtureState(const MediumDescription& d, const MixtureShares& shares, MediumStateValues& s,
                  double& relativeHumidity, std::array<double, kMixtureRows>& partialPressures) {
    const double P = s.pressure, t = s.temperature;
    if (d.humidGas && IsConvertedKind(d.humidityKind)) relativeHumidity = 0.0;
    MixtureSums sums = ComponentPass(d, shares, P, t, partialPressures);
    ScaleToGivenMolarMass(shares, sums.density);

    const bool humid = HumidityPresent(d, relativeHumidity);
    // The components are evaluated dry, so the pass after the conversion would give the
    // same sums: one conversion and no further pass, which also ends what would otherwise
    // be an endless alternation of pass and conversion.
    if (humid && IsConvertedKind(d.humidityKind))
        RelativeHumidityFromGiven(d, "GAS", t, P, sums.density, relativeHumidity);

    s.vapourDensity = 0.0;
    if (humid) {
        const double pv = shares.vapourShare * 0.01 * P;
        partialPressures[kVapourRow] = pv;
        s.vapourPressure = pv;
        double muV = 0.0, cpV = 0.0, cvV = 0.0;
        if (pv > kMinVapourPressure) {
            // Steam alone at its partial pressure: its density is the vapour part's.
            double p = pv, temperature = t, dry = 0.0, part = 0.0, kappaV = 0.0, h = 0.0;
            MediumPropertySwitch("ANG", d.composition, p, d.givenDensity, d.givenCp, d.givenCv,
                                 d.givenCriticalTemperature, d.givenMolarMass, temperature, temperature, 1.0, 0.0,
                                 s.vapourDensity, dry, part, muV, kappaV, cpV, cvV, h);
        }
        const double weightV = GasViscosityMixingWeight("ANG");
        const double shareV = CheckedDiv(pv, P);
        s.dryDensity = sums.density;
        sums.density += s.vapourDensity;
        sums.viscosityNumerator += weightV * muV * shareV;
        sums.cp += s.vapourDensity * cpV;
        sums.cv += s.vapourDensity * cvV;
        if (pv > kMinVapourPressure) {
            sums.enthalpy += s.vapourDensity * MediumEnthalpyPT("ANG", pv, t);
            sums.weight += weightV * shareV;
        }
        RequireFinite(sums);
    } else {
        // No humidity, no vapour: a value the caller left in the output must not stand.
        s.dryDensity = sums.density;
        s.vapourPressure = 0.0;
    }

    s.density = sums.density;
    s.kappa = sums.cv > 0.0 ? CheckedDiv(sums.cp, sums.cv) : 0.0;
    s.viscosity = sums.weight > 0.0 ? CheckedDiv(sums.viscosityNumerator, sums.weight) : 0.0;
    // Without any component there is no mass to average over: cp, cv and kappa stay 0.
    if (P > 0.0 && s.density > 0.0) {
        s.cp = CheckedDiv(sums.cp, s.density);
        s.cv = CheckedDiv(sums.cv, s.density);
        if (s.cv > 0.0) s.kappa = CheckedDiv(s.cp, s.cv);
    } else {
        s.cp = s.cv = 0.0;
    }
    s.enthalpy = s.density > 0.0 ? CheckedDiv(sums.enthalpy, s.density) : sums.enthalpy;
}

double GivenZRatio() { return GivenZn != 0.0 ? CheckedDiv(GivenZ1, GivenZn) : 1.0; }

void MediumPropertiesAtState(bool normalColumn, const std::string& medium, const GasCompositionArray& composition,
                             double givenDensity, double /*givenViscosity*/, double givenCp, double givenCv,
                             double /*givenKappa*/, double givenCriticalTemperature, double givenMolarMass, double& P,
                             double& t, const std::string& humidityKind, double& absoluteHumidity,
                             double& specificHumidity, double& dewTemperature, double& relativeHumidity,
                             double& flowDensity, double& dryDensity, double& vapourDensity, double& viscosity,
                             double& kappa, double& cp, double& cv, double& vapourPressure, double& enthalpy,
                             StateReading reading) {
    PropertyWork += kEvaluationWork;
    MediumDescription d{.medium = medium,
                        .composition = composition,
                        .givenDensity = givenDensity,
                        .givenCp = givenCp,
                        .givenCv = givenCv,
                        .givenCriticalTemperature = givenCriticalTemperature,
                        .givenMolarMass = givenMolarMass,
                        .humidityKind = humidityKind,
                        .absoluteHumidity = absoluteHumidity,
                        .specificHumidity = specificHumidity,
                        .dewTemperature = dewTemperature,
                        .humidGas = HumidGasFlag,
                        .phase = PhaseLetter,
                        .zRatio = 0.0,
                        .balanceOnly = reading == StateReading::Balance};
    // The state starts from the caller's variables, some of which are the calculation state
    // itself, and goes back into them also when it fails half-way, as it did when the cores
    // wrote them directly.
    MediumStateValues s{P,     t,  flowDensity, dryDensity,     vapourDensity, viscosity,
                        kappa, cp, cv,          vapourPressure, enthalpy};
    auto publish = [&] {
        P = s.pressure, t = s.temperature, flowDensity = s.density, dryDensity = s.dryDensity;
        vapourDensity = s.vapourDensity, viscosity = s.viscosity, kappa = s.kappa, cp = s.cp, cv = s.cv;
        vapourPressure = s.vapourPressure, enthalpy = s.enthalpy;
    };
    try {
        if (medium == kMediumMixture) {
            const MixtureShares shares = ReadMixtureShares(normalColumn);
            d.zRatio = GivenZRatio();
            MixtureState(d, shares, s, relativeHumidity, MixturePartialPressure);
        } else {
            d.zRatio = GivenZRatio();
            SingleMediumState(d, s, relativeHumidity);
        }
    } catch (...) {
        publish();
        throw;
    }
    publish();
    // The humidity measures are the caller's only when worked out. A state with neither a gas
    // nor a vapour part (a liquefied gas taken as its liquid) holds no water vapour: its whole
    // density is no absolute humidity.
    const bool measures = reading == StateReading::Whole;
    const bool humid = d.humidGas && (dryDensity > 0.0 || vapourDensity > 0.0);
    if (measures)
        HumidityOut(humidityKind, humid, t, P, flowDensity, dryDensity, d.zRatio, absoluteHumidity, specificHumidity,
                    dewTemperature, relativeHumidity);
    // Every caller takes these as the medium's state: none may pass on an overflow unnoticed.
    for (double x : {P, t, flowDensity, dryDensity, vapourDensity, viscosity, kappa, cp, cv, vapourPressure, enthalpy})
        CheckFinite(x, "overflow in the medium state");
    for (double x : {absoluteHumidity, specificHumidity, dewTemperature, relativeHumidity})
        if (measures) CheckFinite(x, "overflow in the medium state");
}

}  // namespace tubalyx
