#include "media/reference_density.h"

#include "media/medium_identification.h"
#include "media/medium_properties.h"
#include "media/natural_gas.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "state/composition.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

constexpr double kSixtyFahrenheit = 15.555555555555555;  // degC

// Share of the composition in percent: the humid grid's sums row for the mixtures, else 100.
double CompositionShare() {
    if (!IsMixtureMedium(MediumCode)) return 100.0;
    const TStringGrid& grid = CalculationWindow().ViktVolprocgridfukt;
    double share = 0.0;
    for (int row = 2; row < grid.RowCount(); ++row) share = StrToFloatSafe(grid.Cell(5, row));
    return share;
}

struct StateResult {
    double flowDensity = 0.0, specificHumidity = 0.0;
};

StateResult PropertiesAt(bool normalColumn, double P, double t, const std::string& kind, double absolute,
                         double specific, double dew, double relative) {
    StateResult r;
    double dry = 0.0, vapour = 0.0, viscosity = 0.0, kappa = 0.0, cp = 0.0, cv = 0.0, pv = 0.0, h = 0.0;
    MediumPropertiesAtState(normalColumn, MediumCode, GasComposition, GivenDensity, GivenViscosityPas, GivenCp, GivenCv,
                            GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, P, t, kind, absolute, specific, dew,
                            relative, r.flowDensity, dry, vapour, viscosity, kappa, cp, cv, pv, h);
    r.specificHumidity = specific;
    return r;
}

}  // namespace

// The flow-unit handlers store the unit upper-cased, and the unit parser matches without
// regard to case, so "NM3/H" is the normal unit "Nm3/h" here too.
bool IsStandardFlowUnit(const std::string&) {
    static const char* const kUnits[] = {"NM3/H",         "NM3/MIN", "NM3/S",    "STANDARD_M3/H", "STANDARD_M3/MIN",
                                         "STANDARD_M3/S", "MMSCFD",  "NLITER/H", "NLITER/MIN",    "NLITER/S"};
    const std::string unit = AsciiUpper(CalculationWindow().maxflowsort.Text());
    for (const char* u : kUnits)
        if (unit == u) return true;
    return false;
}

bool IsSixtyFahrenheitUnit(const std::string& unit) {
    const std::string u = AsciiUpper(unit);
    return u == kUnitStandardPerHourUpper || u == kUnitStandardPerMinuteUpper || u == kUnitStandardPerSecondUpper ||
           u == kUnitStandardMillionFeetPerDay;
}

void ApplyFlowUnit() {
    const CalculationControls& form = CalculationWindow();
    if (!IsStandardFlowUnit() && SolveFor != kSolveFlow) return;
    if (CompositionShare() == 0.0) {
        form.maxflownormaldens.SetText("0");
        return;
    }
    // The moisture of the gas at the operating state, in g per kg of dry gas.
    const double h = PropertiesAt(false, OperatingPressure, OperatingTemperature, HumidityInputKind, AbsoluteHumidity,
                                  SpecificHumidity, DewTemperatureC, RelativeHumidity)
                         .specificHumidity;
    const double pv =
        MinDouble(WaterSaturationPressure(OperatingTemperature), OperatingPressure) * RelativeHumidity * 0.01;
    ShowStandardDensityPrompt();

    double pRef = kStandardAtmospherePa;
    const double tRef = IsSixtyFahrenheitUnit(form.maxflowsort.Text()) ? kSixtyFahrenheit : 0.0;
    // The dry gas alone once the vapour that the reference temperature cannot hold has condensed.
    if (!IsMixtureMedium(MediumCode))
        pRef = kStandardAtmospherePa - MinDouble(MinDouble(pv, WaterSaturationPressure(tRef)), kStandardAtmospherePa);
    double rho = PropertiesAt(true, pRef, tRef, "R", 0.0, 0.0, 0.0, 0.0).flowDensity;
    if (MediumCode == kMediumGas && OperatingPressure > 0.0)
        rho = GivenDensity * pRef / OperatingPressure * (kKelvinOffset + OperatingTemperature) / (kKelvinOffset + tRef);

    const double waterDensity = WaterDensityPT(kStandardAtmospherePa, 0.0);
    double value = 0.0;
    if (MediumCode == kMediumWater || IsSteamMedium(MediumCode))
        value = waterDensity;
    else if (MediumCode == kMediumLiquid)
        value = GivenDensity;
    else  // the dry gas with its moisture carried as liquid water
        value = CheckedDiv(rho * (1.0 + 0.001 * h), 1.0 + 0.001 * h * rho / waterDensity);
    form.maxflownormaldens.SetText(Utf8Left(FormatGeneral(value), 6));
}

}  // namespace tubalyx
