#include "media/medium_property_switch.h"

#include <cmath>
#include <optional>

#include "media/gas_mixture.h"
#include "media/humid_gas_mixing.h"
#include "media/medium_identification.h"
#include "media/oil_properties.h"
#include "media/possible_state.h"
#include "media/property_work.h"
#include "media/saturation_limits.h"
#include "media/steam_equations.h"
#include "media/typed_phase.h"
#include "media/water_equations.h"
#include "media/water_viscosity.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "property_tables/ammonia.h"
#include "property_tables/argon.h"
#include "property_tables/carbon_dioxide.h"
#include "property_tables/carbon_monoxide.h"
#include "property_tables/hydrogen.h"
#include "property_tables/methane.h"
#include "property_tables/nitrogen.h"
#include "property_tables/oxygen.h"
#include "property_tables/ozone.h"
#include "property_tables/propane.h"
#include "property_tables/saturation_states.h"
#include "state/composition.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

constexpr double kHeliumMolarMass = 4.0026;  // kg/kmol
constexpr double kHeliumOverArgon = kHeliumMolarMass / 39.948;

// The outputs every branch fills.
struct Outputs {
    double& density;
    double& dryDensity;
    double& vapourDensity;
    double& viscosity;
    double& kappa;
    double& cp;
    double& cv;
    double& enthalpy;
};

// Dry-gas values at (P, t) of a tabulated gas.
struct DryGas {
    double density = 0.0, viscosity = 0.0, cp = 0.0, cv = 0.0;
};

// Adds the water vapour of the relative humidity to the dry gas, with w as both viscosity
// mixing weights. A cv of 0 or below gives kappa 1. A gas whose tables hold no state here
// (beyond their domain, or at a point without data, they give 0 or less) has no humid state
// either, though the vapour's values would mix into believable ones: its viscosity is 0, which
// no state has. The part densities stay as mixed, as the humidity searches read them.
void GasPattern(const DryGas& g, double weight, double P, double t, double satT, double rh, Outputs& o) {
    const double kappa = g.cv > 0.0 ? CheckedDiv(g.cp, g.cv) : 1.0;
    SteamPropertySet(o.density, o.dryDensity, o.vapourDensity, P, t, satT, rh, g.density, g.viscosity, g.cp, g.cv,
                     kappa, weight, weight, o.viscosity, o.kappa, o.cp, o.cv);
    if (!(PositiveProperty(g.density) && PositiveProperty(g.viscosity) && PositiveProperty(g.cp) &&
          PositiveProperty(g.cv)))
        o.viscosity = 0.0;
}

using SaturationState = void (*)(bool, char, double&, double&, double&, double&, double&, double&, double&, double&);
using GasAtState = DryGas (*)(double P, double t);

DryGas OxygenGas(double P, double t) {
    return {OxygenDensityPT(P, t), OxygenViscosityPT(P, t), OxygenCpPT(P, t), OxygenCvPT(P, t)};
}
DryGas ArgonGas(double P, double t) {
    return {ArgonDensityPT(P, t), ArgonViscosityPT(P, t), ArgonCpPT(P, t), ArgonCvPT(P, t)};
}
double HeliumDensity(double P, double t) { return ArgonDensityPT(P, t) * kHeliumOverArgon; }
// Helium's density and viscosity come from argon's tables; its heat capacities are its own,
// those of a monatomic ideal gas: cp = 5/2 R/M and cv = 3/2 R/M, about 5193 and 3116 J/(kg K),
// ten times argon's.
DryGas HeliumGas(double P, double t) {
    DryGas g = ArgonGas(P, t);
    g.density = HeliumDensity(P, t);
    g.cp = 2.5 * kGasConstantPerKmol / kHeliumMolarMass;
    g.cv = 1.5 * kGasConstantPerKmol / kHeliumMolarMass;
    return g;
}
DryGas HydrogenGas(double P, double t) {
    return {HydrogenDensityPT(P, t), HydrogenViscosityPT(P, t), HydrogenCpPT(P, t), HydrogenCvPT(P, t)};
}
DryGas NitrogenGas(double P, double t) {
    return {NitrogenDensityPT(P, t), NitrogenViscosityPT(P, t), NitrogenCpPT(P, t), NitrogenCvPT(P, t)};
}
DryGas CarbonDioxideGas(double P, double t) {
    return {CarbonDioxideDensityPT(P, t), CarbonDioxideViscosityPT(P, t), CarbonDioxideCpPT(P, t),
            CarbonDioxideCvPT(P, t)};
}
// Ozone has its own density table and takes the rest from carbon dioxide.
DryGas OzoneGas(double P, double t) {
    return {OzoneDensityPT(P, t), CarbonDioxideViscosityPT(P, t), CarbonDioxideCpPT(P, t), CarbonDioxideCvPT(P, t)};
}

// A liquefied gas: its saturation-state function, its gas tables (and the density of them
// alone, for the humidity searches), its mixing weight.
struct LiquefiedGas {
    std::string_view keyword;
    SaturationState saturation;
    GasAtState gas;
    double (*gasDensity)(double P, double t);
    double weight;
    double saturationDensityFactor;
};

// clang-format off
const LiquefiedGas kLiquefiedGases[] = {
    {kMediumOxygen, OxygenSaturationStateT, OxygenGas, OxygenDensityPT, 70.4, 1.0},
    {kMediumArgon, ArgonSaturationStateT, ArgonGas, ArgonDensityPT, 77.6, 1.0},
    {kMediumHydrogen, HydrogenSaturationStateT, HydrogenGas, HydrogenDensityPT, 8.19, 1.0},
    {kMediumHelium, ArgonSaturationStateT, HeliumGas, HeliumDensity, 77.6, kHeliumOverArgon},
    {kMediumNitrogen, NitrogenSaturationStateT, NitrogenGas, NitrogenDensityPT, 59.481, 1.0},
    {kMediumCarbonDioxide, CarbonDioxideSaturationStateT, CarbonDioxideGas, CarbonDioxideDensityPT, 115.7, 1.0},
    {kMediumOzone, OzoneSaturationStateT, OzoneGas, OzoneDensityPT, 111.937, 1.0},
};
// clang-format on

void Saturation(const LiquefiedGas& m, bool notesOn, char phase, double& t, double& pSat, Outputs& o) {
    m.saturation(notesOn, phase, t, pSat, o.density, o.enthalpy, o.viscosity, o.cp, o.cv, o.kappa);
    o.density *= m.saturationDensityFactor;
}

const LiquefiedGas* FindLiquefiedGas(const std::string& keyword) {
    for (const LiquefiedGas& m : kLiquefiedGases)
        if (keyword == m.keyword) return &m;
    return nullptr;
}

// The saturated liquid at t, t clamped into the table (tSat the temperature used), and its
// saturation pressure; no range notes.
struct SaturatedLiquid {
    double tSat = 0.0, pSat = 0.0;
};
SaturatedLiquid SaturatedLiquidAt(const LiquefiedGas& m, double t, Outputs& o) {
    SaturatedLiquid s{t, 0.0};
    Saturation(m, false, kPhaseNone, s.tSat, s.pSat, o);
    return s;
}

// Liquid where the table holds t unclamped and boils below P.
bool IsLiquidAt(const SaturatedLiquid& s, double P, double t) { return s.pSat < P && std::fabs(t - s.tSat) < 0.001; }

// Scratch outputs for a look at the saturation table alone.
struct ScratchOutputs {
    double density = 0, dryDensity = 0, vapourDensity = 0, viscosity = 0, kappa = 0, cp = 0, cv = 0, enthalpy = 0;
    Outputs o{density, dryDensity, vapourDensity, viscosity, kappa, cp, cv, enthalpy};
};

void LiquefiedGasBranch(const LiquefiedGas& m, double& P, double& t, double satT, double rh, Outputs& o) {
    double pSat = 0.0;
    const char phase = PhaseLetter;
    // A saturated state beyond the triple or critical point does not exist: no state, where the
    // table would clamp it. Short of them the table's clamp and its range note stand.
    if (!SaturationStateExists(std::string(m.keyword), phase, P, t)) return;
    if (phase == kPhaseNone) {
        // The gas keeps the liquid's enthalpy. The line page takes the gas tables, unless the
        // run took the medium as its liquid; there the trials of an energy balance, which weigh
        // the gas's enthalpy from its own tables, do not look the liquid up.
        const bool line = CalcFunction == kFunctionPressureLoss && !TakenAsLiquid(std::string(m.keyword));
        if (!line || !VapourDensityOnly()) {
            const SaturatedLiquid liquid = SaturatedLiquidAt(m, t, o);
            if (!line && IsLiquidAt(liquid, P, t)) return;
        }
        GasPattern(m.gas(P, t), m.weight, P, t, satT, rh, o);
        return;
    }
    if (phase == kPhaseVapourAtPressure || phase == kPhaseLiquidAtPressure) {
        // Saturation temperature at P by stepping with halving reversals from -273 degC. The
        // saturation function clamps every trial into its table, so the search is held by the
        // table's own ends, not by a fixed temperature: carbon dioxide boils above 0 degC from
        // about 3 490 kPa on, up to 26.85 degC at its table's end.
        t = kAbsoluteZeroCelsiusWhole;
        double step = 10.0;
        PropertyIterationCount = 0;
        // A pass that leaves t and the step as it found them repeats itself up to the bound:
        // the table clamps a pressure beyond its triple or critical point back to its end.
        // The bound would end there with that same t, so the search ends at once, counted as
        // having reached the bound, which is how the report knows the pressure is off the table.
        double passT = std::nan(""), passStep = std::nan("");
        for (;;) {
            if (t == passT && step == passStep) {
                PropertyIterationCount = PropertyIterationLimit + 1;
                break;
            }
            passT = t;
            passStep = step;
            Saturation(m, false, phase, t, pSat, o);
            if (pSat < P) {
                if (step < 0.0) step = -0.5 * step;
            } else if (step > 0.0) {
                step = -0.5 * step;
            }
            t += step;
            ++PropertyIterationCount;
            if (PropertyIterationCount > PropertyIterationLimit || std::fabs(step) < 0.001 || t < -kKelvinOffset) break;
        }
    }
    Saturation(m, true, phase, t, pSat, o);
    if ((phase == kPhaseVapourAtTemperature || phase == kPhaseLiquidAtTemperature) &&
        !CalculationWindow().abstryckmaxantal.Visible()) {
        const std::string shown = Utf8Left(FormatGeneral(0.999999 * pSat / 1000.0), 9);
        CalculationWindow().abstryckantal.SetText(shown);
        CalculationWindow().abstrycksort.SetText("kPa");
        // The state behind the edits holds what they show: what a run leaves for the budget,
        // the tables and the next run is the pressure it calculated at, not the one typed before.
        PressureMinInput = StrToFloatSafe(shown);
        PressureUnit = "kPa";
        P = pSat;
    }
}

// The given viscosity in ViscosityUnit into GivenViscosityPas (1e-6 Pa s) at `density`.
double GivenViscosityAt(double density) {
    ParseUnitValue(ViscosityUnit, GivenViscosityValue, density, PipeDiameter, GivenViscosityPas, ParsedUnitKind);
    return 1e-6 * GivenViscosityPas;
}

// The user's gas with its own cp, cv and the two viscosity mixing weights. With no water
// vapour and a weight product of 0 the viscosity mixing would be 0/0.
void UserGas(double density, double viscosity, double givenCp, double givenCv, double weightA, double weightB, double P,
             double t, double satT, double rh, Outputs& o) {
    if (!(weightA * weightB > 0.0) && !(VapourPartialPressure(P, satT, rh) > 0.0))
        throw CalcError("critical temperature and molar mass of the gas are needed");
    const double kappa = givenCv > 0.0 ? CheckedDiv(givenCp, givenCv) : 1.0;
    SteamPropertySet(o.density, o.dryDensity, o.vapourDensity, P, t, satT, rh, density, viscosity, givenCp, givenCv,
                     kappa, weightA, weightB, o.viscosity, o.kappa, o.cp, o.cv);
}

// Carries the density of the simplified gas of the humid grid over to the typed molar mass.
void NaturalGasMolarMassCorrection(double& density) {
    GridMeanMolarMass = 0.0;
    try {
        const TStringGrid& grid = CalculationWindow().ViktVolprocgridfukt;
        for (int i = kMixtureFirstRow; i <= kMixtureLastRow; ++i)
            GridMeanMolarMass += StrToFloatSafe(grid.Cell(5, i)) * MixtureRowMolarMass(i) * 0.01;
        if (HumidGasMolarMass > 0.0 && GridMeanMolarMass > 0.0)
            density = CheckFinite(density * CheckedDiv(HumidGasMolarMass, GridMeanMolarMass));
    } catch (const CalcError&) {
        // The uncorrected density stands.
    }
}

// Propane functions, also for butane and pentane, whose densities are scaled by molar mass.
DryGas PropaneGas(const std::string& keyword, double P, double t, double densityFactor) {
    return {PropaneDensityPT(keyword, P, t) * densityFactor, PropaneViscosityPT(keyword, P, t), PropaneCpPT(P, t),
            PropaneCvPT(P, t)};
}

double MethaneDensity(double P, double t) {
    GasCompositionArray methane{};
    methane[1] = 1.0;
    return GasCompressibilityDetailed(methane, NaturalGasZ, P, t);
}

DryGas MethaneGas(double P, double t) {
    const double rho = MethaneDensity(P, t);
    return {rho, MethaneViscosityPT(P, t), MethaneCpPT(P, t), MethaneCvPT(P, t)};
}

double EthaneDensity(double P, double t) {
    return CheckedDiv(0.001 * MolarMass(std::string(kMediumEthane)) * P,
                      0.9901 * kGasConstantPerMol * (t + kKelvinOffset));
}

// Butane and pentane take the propane tables, the density scaled by molar mass.
double PropaneFamilyDensityFactor(const std::string& k) {
    return k == kMediumButane ? 58.123 / 44.096 : (k == kMediumPentane ? 72.15 / 44.096 : 1.0);
}

double UserIdealGasDensity(double givenDensity, double zRatio, double P, double t) {
    if (zRatio == 0.0) throw CalcError("the compressibility ratio Z1/Zn is 0");
    return CheckFinite(CheckedDiv(givenDensity, zRatio) * P / kStandardAtmospherePa *
                       CheckedDiv(kKelvinOffset, t + kKelvinOffset));
}

double UserOperatingGasDensity(double givenDensity, double P, double t) {
    return CheckFinite(givenDensity * CheckedDiv(P, OperatingPressure) *
                       CheckedDiv(OperatingTemperature + kKelvinOffset, t + kKelvinOffset));
}

}  // namespace

std::optional<double> HumidMixDryGasDensity(const std::string& k, const GasCompositionArray& composition, double P,
                                            double t, double givenDensity, double zRatio) {
    if (k == kMediumAmmonia) return AmmoniaDensityPT(P, t);
    if (k == kMediumMethane) return MethaneDensity(P, t);
    if (k == kMediumEthane) return EthaneDensity(P, t);
    if (k == kMediumCarbonMonoxide) return CarbonMonoxideDensityPT(P, t);
    if (k == kMediumPropane || k == kMediumButane || k == kMediumPentane)
        return PropaneDensityPT(k, P, t) * PropaneFamilyDensityFactor(k);
    if (k == kMediumNaturalGas) return GasCompressibilityDetailed(composition, NaturalGasZ, P, t);
    if (k == kMediumRealGas) return UserIdealGasDensity(givenDensity, zRatio, P, t);
    if (k == kMediumGas) return UserOperatingGasDensity(givenDensity, P, t);
    // A liquefied gas mixes with vapour only as a gas ('N'); its saturation states hold none.
    if (PhaseLetter == kPhaseNone)
        for (const LiquefiedGas& m : kLiquefiedGases)
            if (k == m.keyword) return m.gasDensity(P, t);
    return std::nullopt;
}

bool LiquefiedGasLiquidAt(const std::string& keyword, double P, double t) {
    const LiquefiedGas* m = FindLiquefiedGas(keyword);
    if (!m) return false;
    ScratchOutputs scratch;
    return IsLiquidAt(SaturatedLiquidAt(*m, t, scratch.o), P, t);
}

double LiquefiedGasSaturationPressurePa(const std::string& keyword, double t) {
    const LiquefiedGas* m = FindLiquefiedGas(keyword);
    if (!m) return 0.0;
    ScratchOutputs scratch;
    return SaturatedLiquidAt(*m, t, scratch.o).pSat;
}

void SteamSwitchDensityViscosity(double P, double t, double& density, double& viscosity) {
    PropertyIterationCount = 0;
    PropertyIterationLimit = 5000;
    density = SteamDensityPT(P, t);
    viscosity = WaterSteamViscosity(t, density);
}

void MediumPropertySwitch(const std::string& keyword, GasCompositionArray composition, double& P, double givenDensity,
                          double givenCp, double givenCv, double givenCriticalTemperatureK, double givenMolarMass,
                          double& t, double& satT, double zRatio, double relativeHumidity, double& density,
                          double& dryDensity, double& vapourDensity, double& viscosity, double& kappa, double& cp,
                          double& cv, double& enthalpy) {
    PropertyWork += kEvaluationWork;
    PropertyIterationCount = 0;
    PropertyIterationLimit = 5000;
    density = dryDensity = vapourDensity = viscosity = kappa = cp = cv = 0.0;
    Outputs o{density, dryDensity, vapourDensity, viscosity, kappa, cp, cv, enthalpy};
    const double rh = relativeHumidity;
    const std::string& k = keyword;

    if (IsSteamMedium(k)) {
        SteamSwitchDensityViscosity(P, t, density, viscosity);
        if (!VapourDensityOnly()) kappa = SteamKappaPT(k, cp, cv, P, t, density);
    } else if (k == kMediumWater) {
        density = WaterDensityPT(P, t);
        viscosity = WaterSteamViscosity(t, density);
    } else if (k == kMediumAir) {
        HumidAirPropertiesPT(density, dryDensity, vapourDensity, P, t, satT, rh, viscosity, kappa, cp, cv);
    } else if (k == kMediumOil) {
        OilProperties(OilViscosityUnit, density, viscosity, t, OilViscosity40, OilViscosity100, givenDensity);
    } else if (k == kMediumAmmonia) {
        GasPattern({AmmoniaDensityPT(P, t), AmmoniaViscosityPT(P, t), AmmoniaCpPT(P, t), AmmoniaCvPT(P, t)}, 83.113, P,
                   t, satT, rh, o);
    } else if (k == kMediumMethane) {
        GasPattern(MethaneGas(P, t), 55.3118, P, t, satT, rh, o);
    } else if (k == kMediumEthane) {
        const double rho = EthaneDensity(P, t);
        GasPattern({rho, MethaneViscosityPT(P, t), MethaneCpPT(P, t), MethaneCvPT(P, t)}, 95.828, P, t, satT, rh, o);
    } else if (k == kMediumCarbonMonoxide) {
        GasPattern({CarbonMonoxideDensityPT(P, t), CarbonMonoxideViscosityPT(P, t), CarbonMonoxideCpPT(P, t),
                    CarbonMonoxideCvPT(P, t)},
                   std::sqrt(3722.8091), P, t, satT, rh, o);
    } else if (k == kMediumPropane || k == kMediumPropaneLiquid || k == kMediumButane || k == kMediumPentane) {
        if (k == kMediumPropaneLiquid) {
            density = PropaneDensityPT(k, P, t);
            viscosity = PropaneViscosityPT(k, P, t);
        } else {
            GasPattern(PropaneGas(k, P, t, PropaneFamilyDensityFactor(k)), 127.732, P, t, satT, rh, o);
        }
    } else if (k == kMediumNaturalGas) {
        const double rho = GasCompressibilityDetailed(composition, NaturalGasZ, P, t);
        GasPattern({rho, MethaneViscosityPT(P, t), MethaneCpPT(P, t), MethaneCvPT(P, t)}, 70.4, P, t, satT, rh, o);
        NaturalGasMolarMassCorrection(density);
    } else if (k == kMediumRealGas) {
        const double rho = UserIdealGasDensity(givenDensity, zRatio, P, t);
        const double mu = GivenViscosityAt(rho);
        UserGas(rho, mu, givenCp, givenCv, givenCriticalTemperatureK, givenMolarMass, P, t, satT, rh, o);
    } else if (k == kMediumGas) {
        const double mu = GivenViscosityAt(givenDensity);
        const double rho = UserOperatingGasDensity(givenDensity, P, t);
        UserGas(rho, mu, givenCp, givenCv, givenCriticalTemperatureK, givenMolarMass, P, t, satT, rh, o);
    } else if (k == kMediumLiquid) {
        viscosity = GivenViscosityAt(givenDensity);
        density = givenDensity;
    } else {
        if (const LiquefiedGas* m = FindLiquefiedGas(k)) LiquefiedGasBranch(*m, P, t, satT, rh, o);
    }
}

}  // namespace tubalyx
