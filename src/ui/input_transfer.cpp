#include "ui/input_transfer.h"

#include <algorithm>
#include <tuple>

#include "media/medium_identification.h"
#include "media/natural_gas.h"
#include "media/thermal_expansion.h"
#include "media/typed_phase.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/unit_parser.h"
#include "state/composition.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/grid_rows.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/prompt_setters.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

// A numeric edit whose text is no number ends the read with NumberTextError: the run stops
// with the input-error line and the entry stays as typed, rather than going on with a 0 the
// user never typed.
double Number(const TEdit& edit) { return StrToFloat(edit.Text()); }

bool ReadsAs(const std::string& text, double value) {
    double read = 0.0;
    return TryParseNumber(text, DecimalSeparator(), read) && read == value;
}

// A value goes back into its edit in the general form. Where its 15 digits would read as another
// number, or as none (the largest doubles round up past the range), a text in the edit that reads
// as the value (more digits typed) stays, so that the next run reads what this one did.
void Show(TEdit& edit, double value) {
    const std::string text = FormatGeneral(value);
    if (ReadsAs(text, value) || !ReadsAs(edit.Text(), value)) edit.SetText(text);
}

// Millimetres per shown length unit.
double LengthFactor() { return Form1().dstorkallsort.Caption() == kUnitMillimetre ? 1.0 : kMillimetresPerInch; }

// The length of an edit in mm; a typed length beyond the double range in mm is an input error,
// as an overflow in the calculations is.
double LengthMm(const TEdit& edit, double mmPerUnit) {
    return CheckFinite(Number(edit) * mmPerUnit, "length out of range");
}

// A value in its unit converted to the unit kind's base (the unit text becomes its canonical
// form). A result out of the double range reads as 0, as a text that is no number does, and so
// does a unit of another kind than its box's.
double Converted(std::string& unit, double value, double density = 1.0, UnitBox box = UnitBox::Pressure) {
    double result = 0.0;
    try {
        ParseUnitValueOfBox(box, unit, value, density, PipeDiameter, result, ParsedUnitKind);
    } catch (const CalcError&) {
        result = 0.0;
    }
    return result;
}

// The edits that hold one number of the state as it is, read and written alike. A safe one
// reads a text that is no number as 0.
struct PlainField {
    TEdit TForm1::*edit;
    double* value;
    bool safe = false;
};
const PlainField kPlainFields[] = {
    {&TForm1::molekylviktvG, &HumidGasMolarMass, true},
    {&TForm1::Cf, &CalibratedCf},
    {&TForm1::kaltemp, &CalibrationTemperatureC},
    {&TForm1::kalminreyn, &CalibratedReynoldsMin},
    {&TForm1::kalmaxreyn, &CalibratedReynoldsMax},
    {&TForm1::utvror, &PipeExpansionCoeff},
    {&TForm1::utvrorb, &PipeExpansionCoeffB},
    {&TForm1::utvfl, &DeviceExpansionCoeff},
    {&TForm1::utvflb, &DeviceExpansionCoeffB},
    {&TForm1::givenrakin, &GivenStraightInlet},
    {&TForm1::givenrakut, &GivenStraightOutlet},
    {&TForm1::Dstorrahetmm, &PipeRoughnessMm},
    {&TForm1::kantradie, &EdgeRadiusMm},
    {&TForm1::hojd, &HeightDifference},
    {&TForm1::Dstormingrmm, &PipeDiameterMinLimitMm},
    {&TForm1::Dstormaxgrmm, &PipeDiameterMaxLimitMm},
    {&TForm1::matstrack, &StraightLengthM},
    {&TForm1::matvikt, &WeightFactor1},
    {&TForm1::p1vikt, &WeightFactor2},
    {&TForm1::okfelbidrag, &AdditionalUncertaintyPercent},
    {&TForm1::plattjock, &PlateThicknessMm},
};

// The rows of the composition grid that the per-row state can hold.
int LastMixtureRow(const TStringGrid& grid) { return std::min(grid.RowCount() - 1, kMixtureRows - 1); }

enum class TemperatureUnit { Celsius, Kelvin, Fahrenheit, Other };

TemperatureUnit ShownTemperatureUnit() {
    const std::string& unit = Form1().tempsort.Caption();
    if (unit == kUnitCelsius) return TemperatureUnit::Celsius;
    if (unit == kUnitKelvin) return TemperatureUnit::Kelvin;
    if (unit == kUnitFahrenheit) return TemperatureUnit::Fahrenheit;
    return TemperatureUnit::Other;
}

// The static pressure the property calls see: the mean of the range where the gas branch of
// the primary-device page asks for one.
void ConvertOperatingPressure() {
    const bool range = UsesGasThroatBranch() && PressureMaxInput > 0;
    OperatingPressure = Converted(PressureUnit, range ? (PressureMinInput + PressureMaxInput) / 2 : PressureMinInput);
}

// The differential-pressure field: unused while a primary device solves for the dp or its
// optimal design; for valves (written back only) it is the outlet pressure. An adjusted max
// flow is sized at the dp the field shows, as a plain one is: unread, the dp would be an
// earlier run's.
void ConvertDiffPressure(bool valveOutletPressure) {
    if (CalcFunction == kFunctionPrimaryDevice && (SolveFor == kSolveOptimal || SolveFor == kSolveDp)) return;
    const double dp = Converted(DpUnit, MaxDpInput);
    if (CalcFunction == kFunctionPrimaryDevice && MaxFlowGivenFlag == kMaxFlowAdjusted) CalculatedFlow = dp;
    MaxDpPa = valveOutletPressure && CalcFunction == kFunctionValve ? OperatingPressure - dp : dp;
}

// The dp field shows the dp a primary device solved for its pressure loss. The valve pages keep
// the device page's solve-for, but their field is the outlet pressure the user typed.
bool DpOfLossSolveShown() { return CalcFunction == kFunctionPrimaryDevice && SolveFor == kSolveLoss; }

void ReadGivenGas(bool realGas) {
    TForm1& f = Form1();
    GivenCp = Number(f.cpbg);
    GivenCv = Number(f.cvbg);
    GivenCriticalTemperatureK = Number(f.krittempbg);
    GivenMolarMass = Number(f.molekylviktbg);
    GivenEnthalpy = Number(f.entalpibg);
    // A cv of 0 gives no exponent; the property routines then refuse the gas.
    GivenKappa = GivenCv != 0.0 ? GivenCp / GivenCv : 0.0;
    if (realGas) {
        GivenZ1 = Number(f.Z1bg);
        GivenZn = Number(f.Znbg);
    }
}

void ReadMediumDescription() {
    TForm1& f = Form1();
    const std::string& m = MediumCode;
    if (m == kMediumGas || m == kMediumLiquid || m == kMediumRealGas) {
        GivenDensity = Number(f.rbg);
        GivenViscosityValue = Number(f.qbg);
        ViscosityUnit = f.qbgsort.Text();
        if (m != kMediumLiquid) ReadGivenGas(m == kMediumRealGas);
    } else if (m == kMediumOil) {
        GivenDensity = Number(f.rbg);
        OilViscosity40 = Number(f.q40bg);
        OilViscosity100 = Number(f.q100bg);
        OilViscosityUnit = f.q40bgsort.Text();
        SetOilInputPrompts();
    }
}

// A temperature beyond the double range in the other unit is an input error, as an overflow
// in the calculations is.
double Temperature(double value) { return CheckFinite(value, "temperature out of range"); }

// Under a unit the window does not know both temperatures stay as they were, and their edits
// are not read.
void ReadTemperatures() {
    TForm1& f = Form1();
    const TemperatureUnit unit = ShownTemperatureUnit();
    if (unit == TemperatureUnit::Other) return;
    const double hi = Number(f.temp), lo = Number(f.tempmin);
    // clang-format off
    switch (unit) {
        case TemperatureUnit::Celsius: TemperatureMaxC = hi; TemperatureMinC = lo; break;
        case TemperatureUnit::Kelvin: TemperatureMaxC = hi - kKelvinOffset; TemperatureMinC = lo - kKelvinOffset; break;
        case TemperatureUnit::Fahrenheit:
            TemperatureMaxC = Temperature((hi - 32) * 5 / 9); TemperatureMinC = Temperature((lo - 32) * 5 / 9); break;
        case TemperatureUnit::Other: break;
    }
    // clang-format on
}

void WriteTemperatures() {
    TForm1& f = Form1();
    double hi = TemperatureMaxC, lo = TemperatureMinC;
    // clang-format off
    switch (ShownTemperatureUnit()) {
        case TemperatureUnit::Celsius: break;
        case TemperatureUnit::Kelvin: hi += kKelvinOffset; lo += kKelvinOffset; break;
        case TemperatureUnit::Fahrenheit: hi = Temperature(hi * 1.8 + 32); lo = Temperature(lo * 1.8 + 32); break;
        case TemperatureUnit::Other: return;
    }
    // clang-format on
    Show(f.temp, hi);
    Show(f.tempmin, lo);
}

void WriteHumidity() {
    TForm1& f = Form1();
    f.relabsfukt.SetCaption(HumidityKindPrompt);
    const std::string& k = HumidityInputKind;
    const struct {
        std::string_view kind;
        const std::string& prompt;
        double value;
    } kinds[] = {
        {kHumidityRelative, RelativeHumidityPrompt, RelativeHumidity},
        {kHumidityAbsolute, AbsoluteHumidityPrompt, AbsoluteHumidity},
        {kHumiditySpecific, SpecificHumidityPrompt, SpecificHumidity},
        {kHumidityDewPoint, DewTemperaturePrompt, DewTemperatureC},
    };
    for (const auto& e : kinds) {
        if (k != e.kind) continue;
        f.relabsfukt.SetCaption(e.prompt);
        Show(f.relabsspecfukt, e.value);
    }
}

}  // namespace

void WriteMixtureComponentNames() {
    // The last row is the humid gas's water vapour, named by the humidity.
    for (int row = kMixtureFirstRow; row < kMixtureLastRow; ++row) {
        const std::string name = MediumItemName(MixtureComponentKeyword[row]);
        if (!name.empty() && name != kNoMediumName) Form1().ViktVolprocGrid.SetCell(0, row, name);
    }
}

void ReadInputsFromForm() {
    TForm1& f = Form1();
    if (MediumCode == kMediumNaturalGas) ReadGasComposition();
    for (const PlainField& p : kPlainFields) *p.value = p.safe ? StrToFloatSafe((f.*p.edit).Text()) : Number(f.*p.edit);
    for (int row = 2; row <= LastMixtureRow(f.ViktVolprocGrid); ++row)
        MixtureFraction[row] = StrToFloatSafe(f.ViktVolprocGrid.Cell(2, row));
    ReadMediumDescription();

    const double mmPerUnit = LengthFactor();
    PipeDiameterColdMm = LengthMm(f.Dstorkallmm, mmPerUnit);
    PipeDiameterColdM = PipeDiameterColdMm * 0.001;
    ValveDiameterColdMm = LengthMm(f.Ventilkallmm, mmPerUnit);
    ValveDiameterColdM = ValveDiameterColdMm * 0.001;

    ReadTemperatures();
    OperatingTemperature = UsesGasThroatBranch() ? (TemperatureMinC + TemperatureMaxC) / 2 : TemperatureMaxC;
    // Pipe and bore at the temperature typed now: the one of an earlier run could be out of
    // any range and fail every run after it.
    PipeDiameter =
        PipeDiameterColdM * ThermalExpansionFactor(PipeExpansionCoeff, PipeExpansionCoeffB, OperatingTemperature);
    BoreDiameterColdMm = LengthMm(f.dkallmm, mmPerUnit);
    BoreDiameterColdM = BoreDiameterColdMm * 0.001;
    BoreDiameter =
        BoreDiameterColdM * ThermalExpansionFactor(DeviceExpansionCoeff, DeviceExpansionCoeffB, OperatingTemperature);

    PipeRoughnessGiven = PipeRoughnessMm * 0.001;

    MaxPressureLossInput = Number(f.tryckforlmaxantal);
    MaxPressureLossUnit = f.tryckforlmaxsort.Text();
    MaxPressureLossPa = Converted(MaxPressureLossUnit, MaxPressureLossInput);
    PipeDiameterMinLimitM = PipeDiameterMinLimitMm * 0.001;
    PipeDiameterMaxLimitM = PipeDiameterMaxLimitMm * 0.001;

    PressureMinInput = Number(f.abstryckantal);
    PressureMaxInput = Number(f.abstryckmaxantal);
    PressureUnit = f.abstrycksort.Text();
    ConvertOperatingPressure();
    PressureMinPa = Converted(PressureUnit, PressureMinInput);
    PressureMaxPa = Converted(PressureUnit, PressureMaxInput);

    MaxDpInput = Number(f.difftryckmaxantal);
    DpUnit = f.difftryckmaxsort.Text();
    MaxDpEntered = MaxDpInput;
    ConvertDiffPressure(false);

    MaxFlowInput = Number(f.maxflowantal);
    FlowUnit = f.maxflowsort.Text();
    FlowNormalDensity = Number(f.maxflownormaldens);
    MaxFlowSI = Converted(FlowUnit, MaxFlowInput, FlowNormalDensity, UnitBox::Flow);
    if (SolveFor != kSolveFlow) MinFlowInput = Number(f.minflowantal);
    // The minimum flow is always given in the unit of the maximum.
    MinFlowUnit = f.maxflowsort.Text();
    MinFlowSI = Converted(MinFlowUnit, MinFlowInput, FlowNormalDensity, UnitBox::Flow);

    DpUpperLimitInput = Number(f.difftryckmaxmaxgrantal);
    DpUpperLimitUnit = f.difftryckmaxmaxgrsort.Text();
    DpUpperLimitPa = Converted(DpUpperLimitUnit, DpUpperLimitInput);
    DpLowerLimitInput = Number(f.difftryckmaxmingrantal);
    DpLowerLimitUnit = f.difftryckmaxmingrsort.Text();
    DpLowerLimitPa = Converted(DpLowerLimitUnit, DpLowerLimitInput);

    PrimaryElementEntry = f.primelement.Text();
}

namespace {

// The inputs that the edits' change handlers may write while the edits are being written
// (the base values in Pa and the operating state follow from them): a handler
// fired by one edit reads its neighbours (the flow its unit, the pressure its range, the
// bore the length edits) before they are written, and rebuilding the page reads the flow
// edits again.
auto HandlerWrittenState() {
    return std::tie(DeviceExpansionCoeff, DeviceExpansionCoeffB, PipeExpansionCoeff, PipeExpansionCoeffB, EdgeRadiusMm,
                    PipeRoughnessMm, PlateThicknessMm, ValveFL, GivenStraightInlet, GivenStraightOutlet,
                    AdditionalUncertaintyPercent, CalibratedCf, CalibrationTemperatureC, CalibratedReynoldsMin,
                    CalibratedReynoldsMax, PipeDiameterColdMm, PipeDiameterColdM, BoreDiameterColdMm, BoreDiameterColdM,
                    SegmentHeightColdMm, SegmentHeightColdM, ValveDiameterColdMm, ValveDiameterColdM, PressureMinInput,
                    PressureMaxInput, PressureUnit, VapourPressureInput, VapourPressureUnit, CriticalPressureInput,
                    CriticalPressureUnit, MaxDpInput, DpUnit, DpUpperLimitUnit, DpLowerLimitUnit, MaxPressureLossInput,
                    MaxPressureLossUnit, TemperatureMaxC, TemperatureMinC, FlowUnit, MinFlowUnit, MaxFlowInput,
                    MinFlowInput, FlowNormalDensity, RelativeHumidity, AbsoluteHumidity, SpecificHumidity,
                    DewTemperatureC);
}

void WriteEdits();

}  // namespace

// The state on entry is what the edits get: where the handlers fired on the way changed it,
// it is put back and the edits are written once more. Each pass leaves more edits holding
// their texts already, which fire no handler again; a few passes settle it.
void WriteInputsToForm() {
    // The two values the writing gives rather than takes: a missing maximum pressure is the
    // minimum; the solved pressure loss is shown in kPa, with kPa as its unit, so that the
    // conversion gives the solved value back.
    if (PressureMaxInput <= 0) PressureMaxInput = PressureMinInput;
    if (DpOfLossSolveShown()) {
        MaxDpInput = MaxDpPa * 0.001;
        DpUnit = "kPa";
    }
    constexpr int kPasses = 4;
    const auto entry = std::apply([](auto&... v) { return std::make_tuple(v...); }, HandlerWrittenState());
    for (int pass = 0; pass < kPasses; ++pass) {
        WriteEdits();
        if (HandlerWrittenState() == entry) return;
        HandlerWrittenState() = entry;
    }
}

namespace {

void WriteEdits() {
    TForm1& f = Form1();
    for (const PlainField& p : kPlainFields) Show(f.*p.edit, *p.value);

    const std::string& m = MediumCode;
    if (m == kMediumGas || m == kMediumOil || m == kMediumLiquid || m == kMediumRealGas) {
        Show(f.rbg, GivenDensity);
        Show(f.qbg, GivenViscosityValue);
        f.qbgsort.SetText(ViscosityUnit);
        Show(f.cpbg, GivenCp);
        Show(f.cvbg, GivenCv);
        Show(f.krittempbg, GivenCriticalTemperatureK);
        Show(f.molekylviktbg, GivenMolarMass);
        Show(f.entalpibg, GivenEnthalpy);
        if (m == kMediumRealGas) {
            Show(f.Z1bg, GivenZ1);
            Show(f.Znbg, GivenZn);
        }
        SetOilInputPrompts();
    }
    WriteMixtureComponentNames();

    const double mmPerUnit = LengthFactor();
    Show(f.Dstorkallmm, PipeDiameterColdMm / mmPerUnit);
    Show(f.Ventilkallmm, ValveDiameterColdMm / mmPerUnit);
    WriteTemperatures();
    f.Medialabel.SetCaption(MediumDisplayName(MediumCode));
    f.dkallmm.SetText(FormatFixed(BoreDiameterColdMm / mmPerUnit, 6));
    f.hkallmm.SetText(FormatFixed(SegmentHeightColdMm / mmPerUnit, 6));
    WriteHumidity();

    Show(f.tryckforlmaxantal, MaxPressureLossInput);
    f.tryckforlmaxsort.SetText(MaxPressureLossUnit);
    MaxPressureLossPa = Converted(MaxPressureLossUnit, MaxPressureLossInput);

    f.abstrycksort.SetText(PressureUnit);
    Show(f.abstryckantal, PressureMinInput);
    Show(f.abstryckmaxantal, PressureMaxInput);
    ConvertOperatingPressure();

    if (f.angtrycksort.Visible()) {
        f.angtrycksort.SetText(VapourPressureUnit);
        Show(f.angtryckantal, VapourPressureInput);
        VapourPressurePa = Converted(VapourPressureUnit, VapourPressureInput);
    }
    f.krittrycksort.SetText(CriticalPressureUnit);
    Show(f.krittryckantal, CriticalPressureInput);
    CriticalPressurePa = Converted(CriticalPressureUnit, CriticalPressureInput);

    if (DpOfLossSolveShown()) {
        Show(f.difftryckmaxantal, MaxDpInput);
        f.difftryckmaxsort.SetText(DpUnit);
    } else if (f.abstryckmaxtext.Visible()) {
        Show(f.difftryckmaxantal, MaxDpEntered > 0 ? MaxDpEntered : MaxDpInput);
        f.difftryckmaxsort.SetText(DpUnit);
    }
    ConvertDiffPressure(true);

    f.maxflowsort.SetText(FlowUnit);
    Show(f.maxflowantal, MaxFlowInput);
    Show(f.maxflownormaldens, FlowNormalDensity);
    MaxFlowSI = Converted(FlowUnit, MaxFlowInput, FlowNormalDensity, UnitBox::Flow);
    Show(f.minflowantal, MinFlowInput);
    // Converted first: the max flow's unit handler, fired above, leaves its own (upper-case)
    // spelling in MinFlowUnit, and the edit shows the unit as the conversion spells it.
    MinFlowSI = Converted(MinFlowUnit, MinFlowInput, FlowNormalDensity, UnitBox::Flow);
    f.minflowsort.SetText(MinFlowUnit);

    Show(f.difftryckmaxmaxgrantal, DpUpperLimitInput);
    f.difftryckmaxmaxgrsort.SetText(DpUpperLimitUnit);
    Show(f.difftryckmaxmingrantal, DpLowerLimitInput);
    f.difftryckmaxmingrsort.SetText(DpLowerLimitUnit);

    f.primelement.SetText(PrimaryElementEntry);
    Show(f.fl, ValveFL);
}

}  // namespace

void HumidityValueGiven(bool& given) {
    const PickedPhase picked;
    given = IsGasMedium(MediumCode) && !IsSteamMedium(MediumCode) && PhaseLetter == kPhaseNone &&
            StrToFloatSafe(Form1().relabsspecfukt.Text()) > 0;
}

bool MediumHoldsHumidity(const std::string& medium) {
    if (!IsGasMedium(medium) || IsSteamMedium(medium)) return false;
    // A liquefied gas's saturated vapour is the gas alone: it holds no water vapour.
    return !IsLiquefiedGasMedium(medium) || PhaseLetter == kPhaseNone;
}

bool HumidityPresent(const std::string& medium, const std::string& kind, double relative, double specific,
                     double absolute) {
    if (!MediumHoldsHumidity(medium)) return false;
    constexpr double kDry = 1e-8;
    if (kind == kHumidityAbsolute) return absolute > kDry;
    if (kind == kHumiditySpecific) return specific > kDry;
    if (kind == kHumidityDewPoint) return DewTemperatureC > kDry;
    if (kind == kHumidityRelative) return relative > kDry;
    return false;
}

// The humidity rows the page shows follow the pick (as HumidityValueGiven does); a liquid's
// state holds no water vapour whatever the flag says.
void CheckHumidityInput() {
    const PickedPhase picked;
    HumidGasFlag = HumidityPresent(MediumCode, HumidityInputKind, RelativeHumidity, SpecificHumidity, AbsoluteHumidity);
}

void LayoutErrorSimGrid(bool humid) {
    TStringGrid& grid = Form1().Felsimulgrid;
    for (int row : {kHumidityRow, kHumidityUncertaintyRow}) grid.SetRowHeight(row, humid ? grid.DefaultRowHeight() : 0);
    int height = 0;
    for (int row = 0; row < grid.RowCount(); ++row) height += grid.RowHeight(row) + grid.GridLineWidth();
    grid.SetClientHeight(height);
}

}  // namespace tubalyx
