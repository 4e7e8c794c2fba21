#include "reports/pressure_loss_report.h"

#include <cmath>
#include <string>

#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "pressure_loss/line_walk.h"
#include "reports/medium_property_block.h"
#include "reports/report_block.h"
#include "reports/report_window.h"
#include "reports/reynolds_report.h"
#include "state/flow_results.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/pressure_loss_state.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/language_text.h"
#include "texts/message_texts.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"
#include "texts/window_access.h"

namespace tubalyx {

namespace {

constexpr double kLaminarLimit = 2320.0;
// The tube block is written when the last segment held fittings besides the pipe.
constexpr double kZetaDifference = 1e-7;

constexpr const char* kOutletPressureKpa = "__________________(kPaA)= ";

// The drop lines 2 to 5 of the report, for the whole line or for the pipe alone.
void AddDropLines(ReportBlock& block, double zeta, double drop) {
    block.AddValue(ByLanguage(report_text::ResistanceLabel), zeta);
    block.AddValue(ByLanguage(report_text::PressureReductionKpaLabel), 0.001 * drop);
    block.AddValue(PressureReductionMbarLabel, 0.01 * drop);
    block.AddValue(PressureReductionPercentLabel, 100 * drop / OperatingPressure);
}

}  // namespace

bool RunPressureLoss(char kind, int layoutTop, bool walk) {
    // The selections are keywords already: nothing to map before the walk.
    bool failed = false;
    try {
        if (walk) CalculatePressureLossLine();
        if (kind == 'B') {
            if (IsLiquidPhase(PhaseLetter))
                AppendRedLines(
                    {ByLanguage(report_text::BoilingLiquidNote), ByLanguage(report_text::InletPropertiesNote)});
            WriteResistanceReport(kind, layoutTop);
        }
    } catch (const CalcError&) {
        failed = true;
    }
    if (kind == 'B' && failed) {
        // The inlet state's warnings say why, where it has any.
        WriteMediumStateWarnings();
        WritePressureLossFailure();
    }
    return failed;
}

void WritePressureLossFailure() { AppendReportLine(ByLanguage(message_text::FlowTooBig)); }

void WriteResistanceReport(char kind, int layoutTop) {
    const bool line = CalcFunction == kFunctionPressureLoss;
    ReportBlock drops;
    if (line) {
        const double outlet = OperatingPressure - LineTotalDrop;
        drops.Add(ByLanguage(report_text::PressureLossMainHeading));
        AddDropLines(drops, LineZetaTotal, LineTotalDrop);
        drops.AddValue(ByLanguage(report_text::IrreversibleLossKpaLabel), 0.001 * LineFrictionLoss);
        drops.Add(ByLanguage(report_text::OutletPressureBarLabel) + ReportSeparator +
                  FormatFixed(1e-5 * outlet, kReportDigits) + kOutletPressureKpa + ReportSeparator +
                  FormatFixed(0.001 * outlet, kReportDigits));
        if (MediumCode != kMediumLiquid && ExpansionModeLetter != kExpansionIsothermal)
            drops.AddValue(ByLanguage(report_text::OutletTemperatureLabel), LineLocalTemperature);
    }
    drops.Flush();

    WriteFlowSpeedLines(LineMassFlow, OutletDensity, LineDiameter);

    ReportBlock tube;
    if (line && std::fabs(LastPassZetaSum - PipeSegmentZeta) > kZetaDifference) {
        tube.Add(PressureLossTubeHeading);
        AddDropLines(tube, PipeSegmentZeta, LineTotalDrop * PipeSegmentZeta / LastPassZetaSum);
    }
    if (line) tube.Add(ByLanguage(report_text::PressureLossPhysicsHeading));
    tube.Flush();

    int position = layoutTop;
    WriteMediumPropertyBlock(kind, position);
    WriteReynoldsAtMaxFlow(ReynoldsAtMaxFlow);
    if (ReynoldsAtMaxFlow < kLaminarLimit) AppendReportLine(ByLanguage(report_text::LaminarFlowNote));
}

}  // namespace tubalyx
