#include "ui/run_driver.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <string>
#include <utility>

#include "flow/device_selection.h"
#include "flow/primary_device_sequence.h"
#include "forms/screen.h"
#include "media/gas_mixture.h"
#include "media/medium_identification.h"
#include "media/medium_state.h"
#include "media/possible_state.h"
#include "media/typed_phase.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/text_utils.h"
#include "pressure_loss/fitting_catalogue.h"
#include "pressure_loss/line_properties.h"
#include "pressure_loss/line_segment.h"
#include "pressure_loss/resistance_grid_input.h"
#include "pressure_loss/valve_sizing.h"
#include "reports/compensation_table.h"
#include "reports/limits_report.h"
#include "reports/medium_property_block.h"
#include "reports/operating_conditions.h"
#include "reports/pressure_loss_report.h"
#include "reports/production_report.h"
#include "reports/report_block.h"
#include "reports/report_head.h"
#include "reports/report_window.h"
#include "reports/restriction_report.h"
#include "reports/result_report.h"
#include "reports/straight_length_report.h"
#include "reports/thermometer_tappings.h"
#include "state/corrections.h"
#include "state/decoded_selection.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/keywords.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/property_labels.h"
#include "state/report_state.h"
#include "state/reset.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_data.h"
#include "texts/caption_sets.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"
#include "texts/window_access.h"
#include "ui/calculation_window.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/page_manager.h"
#include "ui/possible_duty.h"

namespace tubalyx {

namespace {

// The step bound of the property routines' iterations for one run.
constexpr int kRunPropertyIterationLimit = 10000;

// The lines the caret looks for after a run: the output headings and the input-error texts.
constexpr const char* kCaretMarks[] = {"UTDATA",           "OUTPUT",      "AUSGABE",
                                       "INDATA FELAKTIGA", "INPUT ERROR", "DATENEINGABE FALSCH"};

int NotBelowSmallest(int size) { return std::max(kMinReportFontSize, size); }

bool MiniReport() { return CurrentReportSize() == ReportSizeKind::Mini; }

TFontStyles Bold() {
    TFontStyles bold;
    bold.Bold = true;
    return bold;
}

// A cell typed with the other decimal separator is rewritten with the usable one.
void NormaliseCompositionGrid(TStringGrid& grid) {
    for (int col = 2; col < grid.ColCount(); ++col) {
        for (int row = 2; row < grid.RowCount(); ++row) {
            std::string text = grid.Cell(col, row);
            StrToFloatAnySep(text);
            grid.SetCell(col, row, text);
        }
    }
}

// The humidity edit holds the measure that HumidityInputKind names; another kind stores nothing.
void ReadHumidityEntry(TEdit& edit) {
    std::string text = edit.Text();
    const double value = StrToFloatAnySep(text);
    edit.SetText(text);
    if (HumidityInputKind == kHumidityRelative)
        RelativeHumidity = value;
    else if (HumidityInputKind == kHumidityAbsolute)
        AbsoluteHumidity = value;
    else if (HumidityInputKind == kHumiditySpecific)
        SpecificHumidity = value;
    else if (HumidityInputKind == kHumidityDewPoint)
        DewTemperatureC = value;
}

// The composition's columns follow its mol % to this run's state, as leaving the grid makes
// them (a column being typed stays as typed). The handlers computed them at the state of their
// moment: a temperature typed and run without leaving its edit never reached the volume
// shares, natural gas kept those of the mixture before it, and the vapour row and the
// mixture's partial pressures are read from them. The humid grid takes the names the report
// lists after the run.
void MixtureColumnsAtRunState() {
    if (!IsMixtureMedium(MediumCode)) return;
    WriteMixtureComponentNames();
    CopyToHumidityGrid(MediumCode == kMediumNaturalGas);
    CalcMixtureProperties(4);
    CalcMixtureProperties(3);
    SetMixtureComponent();
}

// A mixture's humidity given as absolute, specific or dew point reaches its state through the
// relative humidity it gives: that sets the vapour row of the humid grid, and the row again the
// dry gas that the humidity is converted against. The two are settled from a dry start, so that
// the run takes nothing of the humidity that the last run left.
void UpdateHumidityRowForRun() {
    const std::string& kind = HumidityInputKind;
    const bool converted = kind == kHumidityAbsolute || kind == kHumiditySpecific || kind == kHumidityDewPoint;
    if (MediumCode != kMediumMixture || !converted) return UpdateHumidityRow();
    constexpr int kPasses = 30;
    constexpr double kSettled = 1e-10;
    RelativeHumidity = 0.0;
    for (int pass = 0; pass < kPasses; ++pass) {
        const double before = RelativeHumidity;
        UpdateHumidityRow();
        try {
            CalcHumidGasState();
        } catch (const CalcError&) {
            break;  // the run's own medium state meets the fault again and reports it
        }
        if (std::fabs(RelativeHumidity - before) <= kSettled * std::fabs(RelativeHumidity)) break;
    }
    UpdateHumidityRow();
}

// A saturated pick at a temperature takes its pressure from the saturation table, which writes
// it into the pressure edit and the state. It is known before a drop or a difference is formed
// from it and before the inputs are checked, so that the first run takes what the next reads.
// What the state meets wrong the run's own calculation meets again; its notes are that one's,
// and so is the temperature a table clamps (the run notes the clamp of the typed one).
void SettleSaturationPressure() {
    if (PhaseLetter != kPhaseVapourAtTemperature && PhaseLetter != kPhaseLiquidAtTemperature) return;
    const double typed = OperatingTemperature;
    try {
        CalcHumidGasState();
    } catch (const CalcError&) {
    }
    OperatingTemperature = typed;
    TableRangeNote = kNoMessage;
}

// Sets the window's content aside in RichEdit5 and clears it for the new report. The next text
// starts again from the report window's own font, whatever the last line of the earlier
// reports had, so that every run's head and body come out the same size. Returns that size.
int StartNewReport() {
    TForm1& f = Form1();
    f.RichEdit1.SetSelStart(0);
    CopyReportAside();
    ClearReport();
    TTextAttributes start;
    start.Size = NotBelowSmallest(f.RichEdit1.Font().Size);
    start.Name = f.RichEdit1.Font().Name;
    f.RichEdit1.SetSelAttributes(start);
    return start.Size;
}

// An empty line and the output heading, unless the report is Mini.
void WriteOutputHeading() {
    if (MiniReport()) return;
    AppendReportLine("");
    AppendReportLine(OutputHeadingLabel);
}

// The medium state at the operating point as every function starts from it.
void CalculateMediumState() {
    CalcMediumState();
    ShowHumidityContent();
    LayoutTop = 0;
}

// This run's input section, and the reason of its failure line, have been written.
bool inputsListed = false;
bool reasonWritten = false;

// The page of the function rebuilt for the run: its builders write the input section.
void WriteInputSection() {
    inputsListed = true;
    PageManager('B', LayoutTop);
}

// A medium state no medium can have is not reported: the warnings that say why, where the
// state has any, stand above the failure line. Returns false, as a faulty input does.
bool RefuseImpossibleState() {
    WriteMediumStateWarnings();
    reasonWritten = true;
    return false;
}

// A duty refused before it is calculated is listed as typed before the failure line.
bool ListRefusedDuty() {
    LayoutTop = 0;
    WriteInputSection();
    return false;
}

// False on faulty input.
bool RunThermodynamics() {
    const double typed = OperatingTemperature;
    CalculateMediumState();
    WriteInputSection();
    // The input listing of the page build may change the medium description: compute again. A
    // saturated state at a temperature beyond its table's end has been clamped to that end: from
    // the temperature as typed it is clamped again, with the note that says so.
    if (PhaseLetter == kPhaseVapourAtTemperature || PhaseLetter == kPhaseLiquidAtTemperature)
        OperatingTemperature = typed;
    CalculateMediumState();
    WriteOutputHeading();
    // The report shows no viscosity of a liquid phase that has none (ozone's).
    if (!PossibleOperatingState(!IsLiquidPhase(PhaseLetter))) return RefuseImpossibleState();
    WriteMediumPropertyBlock('S', LayoutTop);
    return true;
}

// The pipe between the thermometer pocket and the device, at max flow, as the line
// calculation gives it: its friction loss over the straight length and the temperature the
// gas reaches along it.
PocketLine PocketLineState() {
    constexpr int kPocketSegments = 10;
    const LineFlowState inlet{.massFlow = MaxMassFlow,
                              .diameter = PipeDiameterColdM,
                              .pressure = OperatingPressure,
                              .temperature = OperatingTemperature,
                              .density = FlowDensity,
                              .viscosity = DynamicViscosityPas,
                              .kappa = KappaOperating,
                              .velocity = PocketFlowVelocity()};
    const double loss = ComputeLinePressureLoss(true, MediumCode, kPocketSegments, inlet, 0.0,
                                                ThermometerLength(OptimalStraightLength), false)
                            .drop;
    return {loss, [](double pressure, double temperature, double toPressure) {
                double t = temperature;
                LinePropertiesOutlet(MediumCode, t, kPocketSegments, MaxMassFlow, PipeDiameterColdM, pressure,
                                     temperature, 0.0, toPressure);
                return t;
            }};
}

// False when the input is faulty: the medium has no state at the operating point, the dp leaves
// no pressure or the pipe's gas flows at the speed of sound.
bool RunPrimaryDevice() {
    CalcMediumState();
    if (!PossibleOperatingState()) return false;
    ShowHumidityContent();
    LayoutTop = 0;
    WriteInputSection();

    FmatCoefficientA = FmatCoefficientB = kFmatNotFitted;
    UpstreamTappingTemperature = DownstreamTappingTemperature = kNoTappingTemperature;
    RunPrimaryDeviceCalculation();
    // The dp the solve found, as the one typed, must leave a pressure behind the device where it
    // sees it, and the pipe before it carries no gas faster than sound.
    if (!SolvedDpLeavesPressure() || !PipeFlowBelowSound(PocketFlowVelocity())) return false;
    ShowHumidityContent();
    if (ThermometerStepApplies()) SetTappingState(PocketLineState());

    ReportDetailLetter = '2';
    WriteOutputHeading();
    const TColor colour = ReportColor();
    SetReportColor(clRed);
    bool headingPending = true;
    CheckStandardLimits(headingPending);
    SetReportColor(colour);
    WriteResultReport('S', LayoutTop, ReportDetailLetter);

    // Decoded after the calculation: the optimal design may have chosen another device.
    const bool meter = DecodeSelection().Meter();
    if (!meter && !MiniReport()) WriteStraightLengthSection(ReportDetailLetter);
    if (!meter) WriteDeviceDimensionReport();
    return true;
}

// What a line's walk reads and writes: the calculation state and the window's controls that the
// calculations read (the composition grids, the fittings' grid, the edits and captions).
std::string WalkStateBytes() {
    const CalculationControls& w = CalculationWindow();
    std::string bytes = LineWalkStateBytes();
    for (const TStringGrid* grid : {&w.ViktVolprocGrid, &w.ViktVolprocgridfukt, &w.Motstandgrid})
        for (int row = 0; row < grid->RowCount(); ++row)
            for (int col = 0; col < grid->ColCount(); ++col) (bytes += grid->Cell(col, row)) += '\0';
    for (const ShownEdit& edit :
         {w.abstryckantal, w.abstryckmaxantal, w.abstrycksort, w.rbg, w.maxflowsort, w.maxflownormaldens, w.Dstorkallmm,
          w.dkallmm, w.hkallmm, w.difftryckmaxantal, w.difftryckmaxsort})
        (bytes += edit.Text()) += '\0';
    for (const TLabel* label : {&w.dstorkallsort, &w.fltext, &w.Ventildiamtext}) (bytes += label->Caption()) += '\0';
    return bytes;
}

// The pressure loss of a line ("Tryckf" and "Flow"): a calculation pass, the page with its
// input listing, then the pass that writes the report. A duty no line can have is listed and
// gets the line's own failure note, as a walk that fails does.
void RunLine(CalculationFunction function, bool possible) {
    // Both passes walk the same line through the same states.
    const KeptLineStates kept;
    LayoutTop = 0;
    bool failed = false;
    std::string walkedState;
    PropertyLabelTexts walkedLabels;
    if (possible) {
        CalculateMediumState();
        RecalcResistanceGrid();
        if (function == CalculationFunction::PressureLoss) {
            for (int column = 1; column <= kFittingColumnCount; ++column)
                if (ResistanceKind[column] > 0) FittingResistanceNumber(column);
        }
        failed = RunPressureLoss('S', LayoutTop);
        if (!failed) walkedState = WalkStateBytes();
        walkedLabels = LivePropertyLabelTexts();
        ShowHumidityContent();
    }
    WriteInputSection();
    WriteOutputHeading();
    if (possible) {
        // The report pass walks the line again from the state the first walk left: a walk that
        // ended there ends there again, so where the listing has changed nothing a walk reads,
        // the first walk's state stands. (A walk that failed is made again: what it leaves
        // behind is the state of its fault.) The listing evaluates the medium at states of its
        // own, whose range notes it leaves in the property labels. A walk that evaluates every
        // state anew (its medium's states are not kept) writes the notes as the first walk did:
        // where the listing has changed the labels alone, the first walk's are put back and its
        // state stands.
        PropertyLabelTexts listedLabels = LivePropertyLabelTexts();
        const bool anew = !KeptLineStates::Keeps(MediumCode);
        if (anew) RestoreLivePropertyLabels(walkedLabels);
        const bool walk = failed || WalkStateBytes() != walkedState;
        if (walk && anew) RestoreLivePropertyLabels(listedLabels);
        RunPressureLoss('B', LayoutTop, walk);
    } else {
        WriteMediumStateWarnings();
        WritePressureLossFailure();
    }
}

// False on faulty input.
bool RunValveCalculation() {
    CalculateMediumState();
    WriteInputSection();
    if (!PossibleOperatingState()) {
        WriteOutputHeading();
        return RefuseImpossibleState();
    }
    RunValve();
    ShowHumidityContent();
    LayoutTop = 0;
    WriteOutputHeading();
    WriteRestrictionReport('S', LayoutTop);
    return true;
}

// The calculation of the function with its report sections; false on faulty input. A duty
// that cannot be is faulty input before anything is calculated; the pages but the device page
// list it first, the line pages say so in their own note.
bool CalculateAndReport(CalculationFunction function, bool possible) {
    switch (function) {
        case CalculationFunction::Thermodynamics: return possible ? RunThermodynamics() : ListRefusedDuty();
        case CalculationFunction::PrimaryDevice: return possible && RunPrimaryDevice();
        case CalculationFunction::PressureLoss:
        case CalculationFunction::Flow: RunLine(function, possible); return true;
        case CalculationFunction::Valve: return possible ? RunValveCalculation() : ListRefusedDuty();
        case CalculationFunction::Units:
        case CalculationFunction::Other:
            // Nothing to calculate; the page is built again, as for every function, which takes
            // away the pressure and temperature edits that the language step showed.
            WriteInputSection();
            return true;
    }
    return true;
}

// A refused duty stands as typed, under the range warning of its state (the failure line gives
// its table note), whichever step refused it. What cannot be written of it is left out: the
// failure line follows all the same.
void CompleteRefusal() {
    try {
        if (!inputsListed) ListRefusedDuty();
        if (!reasonWritten) WriteMediumStateWarnings(false);
    } catch (...) {
    }
}

// A text typed where a number belongs, and a duty refused before it was calculated, get the
// general line: a table note would be an earlier run's, since no medium state was calculated
// in this one.
void WriteInputErrorLine(bool beforeCalculation) {
    SetReportSize(NotBelowSmallest(Form1().Font().Size));
    SetReportColor(clRed);
    AppendReportLine(beforeCalculation || reasonWritten ? InputErrorLine() : InputErrorText());
}

// RichEdit4 gets the new report alone; the earlier reports go back below it after one empty
// line. Nothing here calculates, so nothing raises half-way; the window keeps the shape the
// report view redraws incrementally (cleared, new lines, the cleared ones appended again).
void PutEarlierReportsBack() {
    TForm1& f = Form1();
    f.RichEdit4.Clear();
    f.RichEdit1.SetSelStart(0);
    CopyWithAttributes(f.RichEdit1, f.RichEdit4, 0);

    NewestReportLineCount = f.RichEdit1.LineCount();
    SetReportCaret(ReportTextLength());
    AppendReportLine("");
    CopyReportBack();
}

RunGuardCatch lastRunGuardCatch = RunGuardCatch::Nothing;
std::string lastRunGuardMessage;

// Keeps the kind and the message of what reached the guard, for the tests. Raises nothing: a
// message that cannot be kept is left out.
void RecordGuardCatch(RunGuardCatch kind, const char* message) noexcept {
    lastRunGuardCatch = kind;
    try {
        lastRunGuardMessage = message;
    } catch (...) {
        lastRunGuardMessage.clear();
    }
}

bool MarksOutput(const std::string& line) {
    return std::any_of(std::begin(kCaretMarks), std::end(kCaretMarks),
                       [&](const char* mark) { return line.find(mark) != std::string::npos; });
}

// A report line's height on screen: Courier New's line spacing, its ascent and descent
// (1705 + 615 of 2048 units to the em), at the line's size in pixels of 96 to the inch. An
// empty line is as high as the line above it.
int ScreenLineHeight(int size) {
    constexpr double kLineSpacingPerEm = (1705.0 + 615.0) / 2048.0;
    return static_cast<int>(std::lround((size * 96 + 36) / 72 * kLineSpacingPerEm));
}

// The window shows the output heading of the new report (or its input-error line) near its
// top; a report without one (a Mini report, the unit page's) from its title row, as the report
// item of the menu shows it.
void ShowNewestOutput() {
    TForm1& f = Form1();
    const int newest = std::min(NewestReportLineCount, f.RichEdit1.LineCount());
    for (int line = 0; line < newest; ++line)
        if (MarksOutput(f.RichEdit1.Line(line))) return ShowReportLine(line);
    f.SetHorzScrollPosition(f.RichEdit1.Left());
    f.SetVertScrollPosition(f.selectall.Top());
}

}  // namespace

RunGuardCatch LastRunGuardCatch() { return lastRunGuardCatch; }

const std::string& LastRunGuardMessage() { return lastRunGuardMessage; }

void ShowReportLine(int line) {
    constexpr int kTextMargin = 4;  // the report's text starts a few pixels below its top edge
    TForm1& f = Form1();
    const auto& lines = f.RichEdit1.Content().Lines;
    const int last = std::min(line, static_cast<int>(lines.size()) - 1);
    int top = kTextMargin, height = 0;
    for (int i = 0; i <= last; ++i) {
        if (!lines[i].empty()) height = ScreenLineHeight(lines[i].front().Attributes.Size);
        if (i < last) top += height;
    }
    f.SetHorzScrollPosition(f.RichEdit1.Left());
    f.SetVertScrollPosition(std::max(0, f.RichEdit1.Top() + top - height));
    f.RichEdit1.ScrollLineIntoView(line);
}

std::string InputErrorText() {
    if (TableRangeNote.find_first_not_of(' ') != std::string::npos) return TableRangeNote;
    return InputErrorLine();
}

std::string InputHeadingText() { return ByLanguage(report_text::InputHeading); }

ReportPos OutputCaretPosition(const TRichEdit& edit) {
    int line = edit.LineCount() - 1;
    if (line < 0) return 0;
    ReportPos position = ReportTextLength(edit) - 2;
    while (line > 0 && !MarksOutput(edit.Line(line))) {
        position = position - (Utf8Length(edit.Line(line)) + 2);
        --line;
    }
    return position;
}

void RunCalculation() {
    TForm1& f = Form1();
    bool inputError = false;
    bool possible = true;
    bool newReportStarted = false;
    RecordGuardCatch(RunGuardCatch::Nothing, "");
    // The medium is computed as this run finds it at the typed state; it reads the inputs first
    // as the page asks for them.
    LiquidAtTypedState.clear();
    const ComputedPhase computed;
    {
        std::optional<THourGlassCursor> hourglass;
        // One guard over every step: whatever fails, in any function, ends as the input-error
        // line below, and the steps after the guard always run.
        try {
            const CalculationFunction function = DecodeSelection().function;
            // The fittings' results are this run's, or none when it fails, however early.
            if (function == CalculationFunction::PressureLoss) ClearFittingResults();
            f.kodkomment.SetVisible(false);
            DpCellSplitPercent = 0.0;
            // The table of the last run is reset; its "Run" computes it again.
            if (MediumCode != kMediumWetSteam) BuildCompensationTable(false);
            DensityTableReady = false;
            NormaliseCompositionGrid(f.ViktVolprocGrid);
            hourglass.emplace();
            PropertyIterationCount = 0;
            PropertyIterationLimit = kRunPropertyIterationLimit;
            // A reason of this run's, or none: the red line never gives an earlier run's.
            TableRangeNote = kNoMessage;
            inputsListed = reasonWritten = false;
            ReadInputsFromForm();
            // A liquefied gas liquid at its typed state reads its operating state as a liquid
            // does (at the temperature and pressure typed, not the middle of a range), and its
            // table is a liquid's.
            DecideTypedPhase();
            if (!LiquidAtTypedState.empty()) {
                ReadInputsFromForm();
                BuildCompensationTable(false);
            }
            ReadHumidityEntry(f.relabsspecfukt);
            SettleSaturationPressure();
            MixtureColumnsAtRunState();
            UpdateHumidityRowForRun();
            ApplyLanguage(LanguageLetter);
            WriteInputsToForm();
            // The composition's heading names the conditions as written back, not as typed.
            if (IsMixtureMedium(MediumCode)) CopyConditionsToMixtureGrid();
            CheckHumidityInput();
            // The table's limits are the inputs of this run, whether or not an edit was left
            // before "Run": a liquid's table reads them from these cells.
            WriteCompressibilityTable();
            CompTableMedium.clear();
            UncertaintyRunOk = false;

            const int reportSize = StartNewReport();
            newReportStarted = true;
            WriteReportHead();
            // The body starts again from a size of its own, never from the head's.
            SetReportSize(function == CalculationFunction::PrimaryDevice ? reportSize
                                                                         : NotBelowSmallest(f.Font().Size * 11 / 8));
            if (!MiniReport()) AppendReportLine(InputHeadingText());
            SetReportStyle(Bold());
            possible = DutyIsPossible(function);
            inputError = !CalculateAndReport(function, possible);
        } catch (const NumberTextError& e) {
            inputError = true;
            RecordGuardCatch(RunGuardCatch::TextThatIsNoNumber, e.what());
        } catch (const CalcError& e) {
            inputError = true;
            RecordGuardCatch(RunGuardCatch::CalculationError, e.what());
        } catch (const std::exception& e) {
            inputError = true;
            RecordGuardCatch(RunGuardCatch::OtherException, e.what());
        } catch (...) {
            inputError = true;
            RecordGuardCatch(RunGuardCatch::OtherException, "an exception that is no std::exception");
        }
        LastRunFailed = inputError;
        try {
            if (!newReportStarted) {
                StartNewReport();
                WriteReportHead();
            }
            const bool noNumber = lastRunGuardCatch == RunGuardCatch::TextThatIsNoNumber;
            if (inputError && newReportStarted && !noNumber) CompleteRefusal();
            if (inputError) WriteInputErrorLine(noNumber || !possible);
            PutEarlierReportsBack();
            if (!inputError) WriteInputsToForm();
        } catch (const std::exception& e) {
            // Only a failure to allocate should get here; the window keeps what it shows at that point.
            RecordGuardCatch(RunGuardCatch::OtherException, e.what());
        } catch (...) {
            RecordGuardCatch(RunGuardCatch::OtherException, "an exception that is no std::exception");
        }
    }
    FocusReport();
    SetReportCaret(OutputCaretPosition(f.RichEdit1));
    ShowReportWindow(true);
    ShowNewestOutput();
}

}  // namespace tubalyx
