#include "ui/edit_updates.h"

#include <cmath>

#include "forms/edit.h"
#include "media/medium_identification.h"
#include "media/medium_properties.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "state/composition.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/page_manager.h"

namespace tubalyx {

namespace {

// The compensation table's first and last temperature cells.
constexpr int kFirstTemperatureCol = 1, kLastTemperatureCol = 10;

// The measure of the humidity edit, by the kind it is given in; null for another kind.
double* HumidityMeasure() {
    const std::string& k = HumidityInputKind;
    if (k == kHumidityDewPoint) return &DewTemperatureC;
    if (k == kHumiditySpecific) return &SpecificHumidity;
    if (k == kHumidityRelative) return &RelativeHumidity;
    if (k == kHumidityAbsolute) return &AbsoluteHumidity;
    return nullptr;
}

// The three measures not given, from the one given, at the operating state.
void RecomputeHumidityMeasures() {
    double p = OperatingPressure, t = OperatingTemperature;
    double density = 0, dry = 0, vapour = 0, viscosity = 0, kappa = 0, cp = 0, cv = 0, vapourPressure = 0, enthalpy = 0;
    MediumPropertiesAtState(false, MediumCode, GasComposition, GivenDensity, GivenViscosityPas, GivenCp, GivenCv,
                            GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, p, t, HumidityInputKind,
                            AbsoluteHumidity, SpecificHumidity, DewTemperatureC, RelativeHumidity, density, dry, vapour,
                            viscosity, kappa, cp, cv, vapourPressure, enthalpy);
}

// Degrees Celsius of a temperature shown in the unit of tempsort; false for another unit.
// A temperature beyond the double range in degrees Celsius raises CalcError.
bool ToCelsius(const std::string& unit, double value, double& celsius) {
    if (unit == kUnitCelsius)
        celsius = value;
    else if (unit == kUnitKelvin)
        celsius = value - kKelvinOffset;
    else if (unit == kUnitFahrenheit)
        celsius = CheckFinite((value - 32) * 5 / 9, "temperature out of range");
    else
        return false;
    return true;
}

// A temperature edit in the shown unit into degrees Celsius; the edit showing the held value
// keeps it.
void ReadTemperature(TEdit& edit, const std::string& unit, double& celsius) {
    const double shown = unit == kUnitKelvin       ? celsius + kKelvinOffset
                         : unit == kUnitFahrenheit ? celsius * 1.8 + 32
                                                   : celsius;
    if (DisplaysValue(edit.Text(), shown)) return;
    ToCelsius(unit, ReadEditNumber(edit), celsius);
}

}  // namespace

double ReadEditNumber(TEdit& edit) {
    std::string text = edit.Text();
    const double value = StrToFloatAnySep(text);
    // Only a text that the swap made a number is written back: one that is no number either
    // way would be swapped again by the next change event, and so on without end.
    double check = 0.0;
    if (text != edit.Text() && TryParseNumber(text, DecimalSeparator(), check)) edit.SetText(text);
    return value;
}

bool DisplaysValue(const std::string& text, double value) {
    auto trimmed = [](const std::string& s) {
        const size_t first = s.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
    };
    const std::string shown = trimmed(text);
    if (shown.empty() || !std::isfinite(value)) return false;
    if (shown == FormatGeneral(value)) return true;
    for (int width : {5, 6, 7})
        if (shown == trimmed(FormatFixed(value, width))) return true;
    return false;
}

void ReadEditInto(TEdit& edit, double& value) {
    if (DisplaysValue(edit.Text(), value)) return;
    value = ReadEditNumber(edit);
}

namespace {

bool ConvertBoxValue(UnitBox box, std::string& unit, double value, double density, double& result) {
    double converted = 0.0;
    try {
        ParseUnitValueOfBox(box, unit, value, density, PipeDiameter, converted, ParsedUnitKind);
    } catch (const CalcError&) {
        return false;
    }
    result = converted;
    return true;
}

}  // namespace

bool ConvertUnitValue(std::string& unit, double value, double density, double& result) {
    return ConvertBoxValue(UnitBox::Flow, unit, value, density, result);
}

bool ConvertPressureValue(std::string& unit, double value, double& result) {
    return ConvertBoxValue(UnitBox::Pressure, unit, value, 1.0, result);
}

void ForceOilPressure() {
    // The edits' handlers force the rest: the unit first, so that the pressure reads in kPa.
    TForm1& f = Form1();
    f.abstrycksort.SetText("kPa");
    f.abstryckantal.SetText(FormatGeneral(kStandardAtmosphereKPa));
}

void UpdateHumidityEdit() {
    TForm1& f = Form1();
    HumidityTyped = false;
    try {
        if (double* measure = HumidityMeasure()) ReadEditInto(f.relabsspecfukt, *measure);
        CheckHumidityInput();
    } catch (const CalcError&) {
        // The reading of an entry ends here; the measures keep what they had.
    }
    try {
        if (HumidityInputKind == kHumidityDewPoint || HumidityInputKind == kHumiditySpecific ||
            HumidityInputKind == kHumidityAbsolute) {
            RecomputeHumidityMeasures();
        } else if (HumidityInputKind == kHumidityRelative) {
            if (RelativeHumidity != PreviousRelativeHumidity) UpdateHumidityRow();
            PreviousRelativeHumidity = RelativeHumidity;
        }
    } catch (const CalcError&) {
        // A state the property routines refuse leaves the other measures as they were.
    }
    HumidityValueGiven(HumidGasFlag);
    UpdateFlowUnits('A');
    HumidityValueGiven(HumidGasFlag);
    if (IsUserGasMedium(MediumCode)) {
        LayoutTop = 0;
        PageManager('S', LayoutTop);
    }
    CheckHumidityInput();
    LayoutErrorSimGrid(HumidGasFlag);
}

void UpdateFlowUnits(char kind) {
    TForm1& f = Form1();
    FlowUnit = AsciiUpper(f.maxflowsort.Text());
    f.minflowsort.SetText(f.maxflowsort.Text());
    MinFlowUnit = AsciiUpper(f.minflowsort.Text());
    ReadEditInto(f.maxflowantal, MaxFlowInput);
    if (ConvertUnitValue(FlowUnit, MaxFlowInput, FlowNormalDensity, MaxFlowSI) && DeviceCode != kDeviceVolumeMeter)
        f.massflow.SetCaption(FormatFixed(MaxFlowSI, 10) + " kg/h");
    if (ParsedUnitKind == kUnitUnknown) return;
    f.Memo2.SetVisible(false);
    if (kind == 'S') {
        LayoutTop = 0;
        PageManager('S', LayoutTop);
    }
}

void PipeDiameterFromEntry() {
    TForm1& f = Form1();
    const double perUnit = f.dstorkallsort.Caption() == kUnitMillimetre ? 1.0 : kMillimetresPerInch;
    // The program's own display of the diameter is the diameter, not its rounding.
    if (DisplaysValue(f.Dstorkallmm.Text(), PipeDiameterColdMm / perUnit)) return;
    const double mm = StrToFloatSafe(f.Dstorkallmm.Text()) * perUnit;
    if (!std::isfinite(mm)) {
        f.Dstorkallmm.SetFocus();
        return;
    }
    PipeDiameterColdMm = mm;
    PipeDiameterColdM = 0.001 * mm;
}

void UpdateTemperatureRange() {
    TForm1& f = Form1();
    const double oldMax = TemperatureMaxC, oldMin = TemperatureMinC;
    const std::string& unit = f.tempsort.Caption();
    if (unit == kUnitCelsius || unit == kUnitKelvin || unit == kUnitFahrenheit) {
        ReadTemperature(f.temp, unit, TemperatureMaxC);
        ReadTemperature(f.tempmin, unit, TemperatureMinC);
    }
    OperatingTemperature = UsesGasThroatBranch() ? 0.5 * TemperatureMinC + 0.5 * TemperatureMaxC : TemperatureMaxC;
    UpdateHumidityEdit();
    if (TemperatureMinC != oldMin)
        f.PTKompgrid.SetCell(kFirstTemperatureCol, 0, FormatFixed(TemperatureMinC, 7));
    else if (TemperatureMaxC != oldMax)
        f.PTKompgrid.SetCell(kLastTemperatureCol, 0, FormatFixed(TemperatureMaxC, 7));
}

}  // namespace tubalyx
