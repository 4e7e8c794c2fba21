#include "codegen/code_generator.h"

#include "codegen/code_writer.h"
#include "media/typed_phase.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "reports/compensation_table.h"
#include "reports/operating_conditions.h"
#include "reports/report_insertion.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "texts/code_texts.h"
#include "texts/language_text.h"
#include "ui/code_generator_window.h"

namespace tubalyx {

namespace codegen {

namespace {

constexpr char kTab = '\t';
// The ABB explanation is written smaller than the code: start × 58 div this, then 2/3.
constexpr int kExplanationDivisor = 110;

std::string WithoutBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

std::string CodeNumber(double value) { return WithoutBlanks(FormatFixedPoint(value, 6)); }
std::string DensityName() { return ByLanguage(code_text::DensityVariableName); }
std::string RatioName() { return ByLanguage(code_text::RatioVariableName); }

CodeWriter::CodeWriter(ReportBlock& block, const CodeFrame& frame, int startSize)
    : block_(block), frame_(frame), start_(startSize), size_(ScaledReportSize(startSize, 2, 3)) {}

void CodeWriter::Line(const std::string& text) {
    LineFormat f;
    f.size = size_;
    f.color = clBlue;
    block_.Add(text, f);
}

void CodeWriter::Uncoloured(const std::string& text) { block_.AddSized(text, size_); }

void CodeWriter::Fitted(const std::string& text) {
    LineFormat f;
    f.size = FittedReportSize(start_, Utf8Length(text));
    f.color = clBlue;
    block_.Add(text, f);
}

void CodeWriter::Explanation(const std::string& text) {
    LineFormat f;
    f.size = ScaledReportSize(FittedReportSize(start_, kExplanationDivisor), 2, 3);
    f.color = clBlue;
    block_.Add(text, f);
}

void CodeWriter::Input(const std::string& name, const std::string& value, const std::string& unit) {
    if (frame_.abb) Line(name + kTab + "real" + kTab + kTab + "in" + kTab + value + kTab + unit);
    if (frame_.siemens) Line(name + ":real:=" + value + ";//" + unit);
}

void CodeWriter::Output(const std::string& name, const std::string& unit) {
    if (frame_.abb) Line(name + kTab + "real" + kTab + kTab + "out" + kTab + kTab + unit);
    if (frame_.siemens) Line(name + ":real;//" + unit);
}

void CodeWriter::Local(const std::string& name) {
    if (frame_.abb) Line(name + kTab + "real");
    if (frame_.siemens) Line(name + ":real;");
}

void CodeWriter::FlowLine(FlowBlockRole role) {
    const FlowBlockLine& line = FlowBlockLineOf(role);
    const std::string& text = frame_.flowForm == CodeDialect::Abb ? line.abb : line.siemens;
    if (!text.empty()) Line(text);
}

void WriteCodeHeader(CodeWriter& w) {
    if (!w.Frame().abb) return;
    const char letter = LanguageLetter;
    if (letter != kLanguageSwedish && letter != kLanguageGerman && letter != kLanguageEnglish) return;
    const bool flow = w.Frame().abbMode;
    w.Explanation(ByLanguage(code_text::AbbHelpBelowFollows));
    w.Explanation(ByLanguage(code_text::AbbHelpEnvironment));
    w.Explanation(flow ? ByLanguage(code_text::AbbHelpCreateFlowBlock)
                       : ByLanguage(code_text::AbbHelpCreateDensityBlock));
    w.Explanation(ByLanguage(code_text::AbbHelpCopyFrom));
    w.Explanation(ByLanguage(code_text::AbbHelpSelect));
    w.Explanation(ByLanguage(code_text::AbbHelpPaste));
    w.Explanation(ByLanguage(code_text::CodeParametersHeading));
}

namespace {

// The open comment before the block: brand, accuracy, flow range and table range.
void WriteCommentHead(CodeWriter& w) {
    const CodeFrame& frame = w.Frame();
    w.Uncoloured("(*");
    if (frame.abbMode) w.Uncoloured("Mode/BigBlock");
    CodeBrandLine = BrandLine(frame.abb ? CodeDialect::Abb : CodeDialect::Siemens);
    w.Fitted(CodeBrandLine);
    if (!frame.bigBlock) {
        w.Line(std::string(ByLanguage(code_text::DensityCalculationErrorPrefix)) +
               FormatFixed(DensityTableErrorPercent, 2) + "%");
    } else {
        const std::string flowError = FormatFixed(CalculationErrorLimit + IdealGasDensityErrorPercent, 2);
        w.Line(std::string(ByLanguage(code_text::CalculationErrorPrefix)) +
               (LanguageLetter == kLanguageEnglish || LanguageLetter == kLanguageGerman
                    ? flowError
                    : FormatFixed(DensityTableErrorPercent + CalculationErrorLimit, 2)) +
               "% av beräknat flödesvärde q_pol_mat_PT");
        const double lowest =
            SolveFor == kSolveFlow && MaxMassFlow != 0.0 ? MaxFlowInput * MinMassFlow / MaxMassFlow : MinFlowInput;
        w.Line(std::string(ByLanguage(code_text::ForRangePrefix)) + FormatFixed(lowest, 6) + " <q_pol_mat_PT< " +
               FormatFixed(MaxFlowInput, 6));
    }
    w.Line("    " + FormatFixed(CompTablePressureMinKPa, 6) + " <P(kPaA)< " + FormatFixed(CompTablePressureMaxKPa, 6));
    w.Line("    " + FormatFixed(CompTableTemperatureMinC, 6) + " <T(C)< " + FormatFixed(CompTableTemperatureMaxC, 6));
    if (frame.bigBlock) w.FlowLine(FlowBlockRole::ScalingComment);
}

double WriteDensityBlock(CodeWriter& w) {
    switch (w.Frame().kind) {
        case CompTableKind::Liquid: return WriteLiquidBlock(w);
        case CompTableKind::Steam: return WriteSteamBlock(w);
        case CompTableKind::Gas: break;
    }
    return WriteGasBlock(w);
}

// What follows the pressure unit of the code's inputs: none for a gauge unit.
std::string AbsolutePressureSuffix(const std::string& unit) {
    return ConvertPressureEntry(unit) == kUnitGaugePressure ? "" : ",absolute pressure";
}

CodeFrame FrameFor(const std::string& mode) {
    CodeFrame frame;
    const bool report = mode == kCodeModeReport;
    const CodeDialect shown = CurrentCodeDialect();
    frame.abbMode = mode == kCodeModeAbb;
    frame.abb = frame.abbMode || (report && shown == CodeDialect::Abb);
    frame.siemens = mode == kCodeModeSiemens || (report && shown == CodeDialect::Siemens);
    frame.bigBlock = mode == kCodeModeAbb || mode == kCodeModeSiemens;
    frame.flowForm = frame.abbMode ? CodeDialect::Abb : CodeDialect::Siemens;
    frame.kind = CompTableKindOf(MediumCode);
    const std::string unit = CodeGeneratorWindow().abstrycksort.Text();
    frame.pressureUnit = unit + AbsolutePressureSuffix(unit);
    double pressure = 0.0, temperature = 0.0;
    std::string conditions;
    FormatOperatingConditions(pressure, temperature, conditions);
    frame.pop = CodeNumber(pressure);
    frame.top = CodeNumber(temperature);
    return frame;
}

}  // namespace

}  // namespace codegen

void GenerateControlCode(const std::string& mode, double& result) {
    using namespace codegen;
    // The code repeats the last run's correction: its medium as that run computed it.
    const ComputedPhase computed;
    const bool write = result > 0.0;
    result = 0.0;
    ReadCompensationTableLimits();
    const CodeFrame frame = FrameFor(mode);
    if (!write || !(frame.abb || frame.siemens)) {
        result = TableInterpolationErrorPercent();
        return;
    }
    ReportBlock block;
    // Every block starts from the report window's own size, so that stacked blocks come out
    // the same whatever the line above them has.
    CodeWriter w(block, frame, CodeGeneratorWindow().RichEdit1.Font().Size);
    WriteCommentHead(w);
    result = WriteDensityBlock(w);
    w.Line("(*BigBlock slut/finished/Ende/Finito*)");
    w.Line("");
    // Below the newest report and the empty line after it; later blocks stand first.
    ReportLinesWritten = NewestReportLineCount;
    InsertBlockIntoReport(block, NewestReportLineCount + 1);
}

}  // namespace tubalyx
