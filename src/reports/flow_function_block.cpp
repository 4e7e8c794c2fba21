#include "reports/flow_function_block.h"

#include <string>

#include "media/medium_identification.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "reports/operating_conditions.h"
#include "reports/pressure_expression.h"
#include "reports/result_report_detail.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "texts/code_texts.h"
#include "texts/language_text.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

using namespace result_detail;

namespace {

// An fmat code line longer than this is written at half the section's size.
constexpr int kLongFmatCodeChars = 92;
constexpr char kTab = '\t';

// A declaration row of the ABB tables with a direction: name, type, (attributes), direction,
// value, comment.
std::string AbbRow(const std::string& name, const std::string& type, const std::string& direction,
                   const std::string& value, const std::string& comment) {
    return name + kTab + type + kTab + kTab + direction + kTab + value + kTab + comment;
}

// A row without a direction has one field less: name, type, (attributes), (value), comment.
std::string AbbRow(const std::string& name, const std::string& type, const std::string& comment) {
    return name + kTab + type + kTab + kTab + kTab + comment;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Writes the lines of the block in the chosen dialect, and keeps the lines the code generator
// takes by role in both.
class BlockWriter {
public:
    BlockWriter(ReportBlock& block, CodeDialect dialect)
        : block_(block), dialect_(dialect), codeSize_(ScaledReportSize(block.StartSize(), 2, 3)) {}

    bool IsAbb() const { return dialect_ == CodeDialect::Abb; }

    void Line(const std::string& text) { block_.AddSized(text, codeSize_); }
    void Fitted(const std::string& text) { block_.AddFitted(text, Utf8Length(text)); }
    void AbbOnly(const std::string& text) {
        if (IsAbb()) Line(text);
    }
    void SiemensOnly(const std::string& text) {
        if (!IsAbb()) Line(text);
    }
    // A line in the dialect's form, kept for its role.
    void Role(FlowBlockRole role, const std::string& abb, const std::string& siemens) {
        FlowBlockLineOf(role) = FlowBlockLine{abb, siemens};
        Line(IsAbb() ? abb : siemens);
    }
    void Role(FlowBlockRole role, const std::string& both) { Role(role, both, both); }
    void FittedRole(FlowBlockRole role, const std::string& abb, const std::string& siemens) {
        FlowBlockLineOf(role) = FlowBlockLine{abb, siemens};
        Fitted(IsAbb() ? abb : siemens);
    }
    void FmatRole(const std::string& abb, const std::string& siemens) {
        FlowBlockLineOf(FlowBlockRole::FmatCode) = FlowBlockLine{abb, siemens};
        const std::string text = " " + (IsAbb() ? abb : siemens);
        if (Utf8Length(text) > kLongFmatCodeChars)
            block_.AddSized(text, ScaledReportSize(block_.StartSize(), 2, 4));
        else
            Line(text);
    }

private:
    ReportBlock& block_;
    CodeDialect dialect_;
    int codeSize_;
};

struct BlockFacts {
    bool gas = false;
    bool withFmat = false;
    std::string absoluteNote;  // ",absolute pressure", or empty for a gauge pressure unit
    std::string pressureUnit, dpUnit, flowUnit;
};

void AddHeaderComment(BlockWriter& w, const BlockFacts& facts) {
    const ReportWriterControls& f = ReportWriterWindow();
    w.Line("(*");
    w.Fitted(CodeBrandLine);
    w.Role(FlowBlockRole::ScalingComment, ByLanguage(code_text::ScalingCommentPrefix) + ReportSeparator +
                                              DotForm(FormatFixed(MaxDpEntered, 6)) + " " + facts.dpUnit +
                                              ByLanguage(code_text::ScalingCommentSuffix));
    const std::string flowName = facts.gas ? "q_pol_mat_PT" : "q_pol_mat";
    w.Line(std::string(ByLanguage(code_text::CalculationErrorCommentPrefix)) +
           FormatFixed(CalculationErrorLimit + IdealGasDensityErrorPercent, 2) + "% av beräknat flödesvärde " +
           flowName);
    const double lowest =
        SolveFor == kSolveFlow && MaxMassFlow != 0.0 ? MaxFlowInput * MinMassFlow / MaxMassFlow : MinFlowInput;
    w.Line(std::string(ByLanguage(code_text::ForRangePrefix)) + FormatFixed(lowest, 6) + " <" + flowName + "< " +
           FormatFixed(MaxFlowInput, 6));
    const int densityClass = MediumDensityClass();
    if (densityClass == 2) {
        w.Line("    P= " + FormatGeneral(OperatingPressure / 1000.0));
    } else {
        const double upper = f.abstryckmaxantal.Visible() ? PressureMaxInput : PressureMinInput;
        w.Line("    " + FormatFixed(PressureMinInput, 6) + " <P< " + FormatFixed(upper, 6) + facts.absoluteNote);
    }
    if (densityClass == 1)
        w.Line("    T= " + FormatGeneral(OperatingTemperature));
    else if (f.tempmin.Visible())
        w.Line("    " + f.tempmin.Text() + " <T< " + f.temp.Text());
    else
        w.Line("    " + f.temp.Text() + " <T< " + f.temp.Text());
}

void AddInputs(BlockWriter& w, const BlockFacts& facts) {
    double pressure = 0.0, temperature = 0.0;
    std::string conditions;
    FormatOperatingConditions(pressure, temperature, conditions);
    const std::string p = DotForm(FormatFixed(pressure, 6));
    const std::string t = DotForm(FormatFixed(temperature, 6));
    const std::string dpMax = DotForm(FormatFixed(MaxDpEntered, 6));
    const std::string& u = facts.pressureUnit;
    const std::string& du = facts.dpUnit;
    w.Role(FlowBlockRole::PressureInput, AbbRow("P", "real", "in", p, u + facts.absoluteNote),
           "P:real:= " + p + ";//" + u + facts.absoluteNote);
    w.Role(FlowBlockRole::TemperatureInput, AbbRow("T", "real", "in", t, "C"), "T:real:= " + t + ";//C");
    const std::string signal = ByLanguage(code_text::DpCellSignalNote);
    w.Role(FlowBlockRole::DpCellInput, AbbRow("dpcell", "real", "in", "", du + signal), "dpcell:real;//" + du + signal);
    w.Role(FlowBlockRole::DpMaxInput, AbbRow("dp_max", "real", "in", dpMax, du + "=20 mA"),
           "dp_max:real:= " + dpMax + ";//" + du + "=20 mA");
    // The ABB default is the linear transmitter, the Siemens one the square-root transmitter.
    w.Role(FlowBlockRole::DpRootInput, AbbRow("dp_rot", "bool", "in", "0", ByLanguage(code_text::AbbDpRootNote)),
           std::string("dp_rot:bool:=True;//") + ByLanguage(code_text::SiemensDpRootNote));
}

void AddOutputs(BlockWriter& w, const BlockFacts& facts) {
    const std::string& fu = facts.flowUnit;
    const std::string name = facts.withFmat ? "q_pol_mat" : "q_rot_mat";
    const char* notToUse = facts.withFmat ? ByLanguage(code_text::PolynomialFlowNotToUseNote)
                                          : ByLanguage(code_text::RootFlowNotToUseNote);
    const char* toUse =
        facts.withFmat ? ByLanguage(code_text::PolynomialFlowToUseNote) : ByLanguage(code_text::RootFlowToUseNote);
    if (facts.gas)
        w.Role(FlowBlockRole::FlowOutput, AbbRow(name, "real", fu + notToUse), name + ":real;//" + fu + notToUse);
    else
        w.Role(FlowBlockRole::FlowOutput, AbbRow(name, "real", "out", "", fu + toUse), name + ":real;//" + fu + toUse);
    if (!facts.gas) return;
    const char* compensated = facts.withFmat ? ByLanguage(code_text::CompensatedPolynomialFlowNote)
                                             : ByLanguage(code_text::CompensatedRootFlowNote);
    const std::string compensatedName = name + "_PT";
    w.FittedRole(FlowBlockRole::CompensatedFlowOutput, AbbRow(compensatedName, "real", "out", "", fu + compensated),
                 compensatedName + ":real;//" + fu + compensated);
}

void AddVariables(BlockWriter& w, const BlockFacts& facts) {
    // A gas's q_pol_mat is declared once, among the outputs: a second declaration of the
    // name among the local variables would not compile.
    if (facts.withFmat) {
        const char* unused = ByLanguage(code_text::RootFlowVariableNote);
        w.Role(FlowBlockRole::RootFlowVariable, AbbRow("q_rot_mat", "real", facts.flowUnit + unused),
               "q_rot_mat:real;//" + facts.flowUnit + unused);
    }
    w.Role(FlowBlockRole::FmatVariable, std::string("fmat") + kTab + "real", "fmat:real;");
    const char* dpNote = ByLanguage(code_text::DpVariableNote);
    w.Role(FlowBlockRole::DpVariable, AbbRow("dp", "real", facts.dpUnit + dpNote),
           "dp:real;//" + facts.dpUnit + dpNote);
}

void AddCode(BlockWriter& w, const BlockFacts& facts, const std::string& fmatReportLine) {
    w.Role(FlowBlockRole::DpCode, "dp:=dpcell;");
    w.Role(FlowBlockRole::DpRootIfCode, "if dp_rot then");
    w.Role(FlowBlockRole::DpRootCode, " dp:=dpcell*dpcell/dp_max/dp_max*dp_max;");
    w.Role(FlowBlockRole::DpRootEndCode, "end_if;");
    w.Role(FlowBlockRole::RootFlowCode, "q_rot_mat:= " + DotForm(RootFlowFormulaText) + ";");
    if (facts.withFmat) {
        w.Line("if q_rot_mat>0 then");
        w.FmatRole(FmatCodeLine(fmatReportLine, CodeDialect::Abb), FmatCodeLine(fmatReportLine, CodeDialect::Siemens));
        w.Line("else");
        w.Line(" fmat:=1;");
        w.Line("end_if;");
        w.Role(FlowBlockRole::PolynomialFlowCode, "q_pol_mat:=q_rot_mat*fmat;");
    }
    if (!facts.gas) return;
    w.Line(ByLanguage(code_text::SimpleDensityCorrectionComment));
    // An operating volume flow falls with the density's square root, a mass flow rises.
    const char* op = ConvertPressureEntry(FlowUnit) == kUnitVolumeFlow ? "/" : "*";
    const std::string target = facts.withFmat ? "q_pol_mat_PT:=q_pol_mat" : "q_rot_mat_PT:=q_rot_mat";
    w.Role(FlowBlockRole::CompensationCode,
           DotForm(target + op + "sqrt(" + PressureExpression() + "/" + FormatFixed(OperatingPressure / 1000.0, 6) +
                   "*(273.15+" + FormatFixed(OperatingTemperature, 6) + ")/(273.15+T));"));
}

}  // namespace

std::string BrandLine(CodeDialect dialect) {
    if (dialect == CodeDialect::Abb) return ByLanguage(code_text::AbbBrandLine);
    return ByLanguage(code_text::SiemensBrandLine);
}

CodeDialect CurrentCodeDialect() {
    return ReportWriterWindow().ABBSiemens.Caption() == kDialectCaptionAbb ? CodeDialect::Abb : CodeDialect::Siemens;
}

std::string DotForm(std::string text) { return ReplaceAll(std::move(text), ",", "."); }

std::string FmatCodeLine(const std::string& fmatReportLine, CodeDialect dialect) {
    std::string text = ReplaceAll(DotForm(fmatReportLine), "q_rot_mat**(3/4))", "expt(q_rot_mat,0.75))");
    std::size_t argument = text.find("(q_rot_mat)");
    const bool cone = argument == std::string::npos;
    if (cone) argument = text.find("(q_rot_max)");
    const std::size_t equals = argument == std::string::npos ? text.find('=') : text.find('=', argument);
    std::string line = "fmat:" + (equals == std::string::npos ? std::string("=1") : text.substr(equals)) + ";";
    // The cone form is written in the root flow of algorithm 2 in the report; the block has
    // that flow as q_rot_mat, and an undeclared name would not compile.
    if (cone) line = ReplaceAll(line, "q_rot_max", "q_rot_mat");
    if (dialect == CodeDialect::Siemens) line = ReplaceAll(line, "expt(q_rot_mat,0.75))", "(q_rot_mat**0.75))");
    return line;
}

void AddFlowFunctionBlock(ReportBlock& block, const std::string& fmatReportLine) {
    const CodeDialect dialect = CurrentCodeDialect();
    const ReportWriterControls& f = ReportWriterWindow();
    BlockFacts facts;
    facts.gas = IsGasMedium(MediumCode);
    facts.withFmat = Utf8Length(fmatReportLine) > 5;
    facts.absoluteNote = ConvertPressureEntry(f.abstrycksort.Text()) == kUnitGaugePressure ? "" : ",absolute pressure";
    facts.pressureUnit = f.abstrycksort.Text();
    facts.dpUnit = f.difftryckmaxsort.Text();
    facts.flowUnit = f.maxflowsort.Text();
    CodeBrandLine = BrandLine(dialect);
    // The lines of this block only: a role it does not write stays empty.
    FlowBlockLines.fill(FlowBlockLine{});

    BlockWriter w(block, dialect);
    AddHeaderComment(w, facts);
    w.SiemensOnly("*)");
    w.AbbOnly(ByLanguage(code_text::AbbParametersHeading));
    w.SiemensOnly("FUNCTION_BLOCK Genverket//Flow");
    w.SiemensOnly("VAR_INPUT");
    AddInputs(w, facts);
    w.SiemensOnly("END_VAR");
    w.SiemensOnly("VAR_OUTPUT");
    AddOutputs(w, facts);
    w.AbbOnly(ByLanguage(code_text::AbbVariablesHeading));
    w.SiemensOnly("END_VAR");
    w.SiemensOnly("VAR");
    AddVariables(w, facts);
    w.AbbOnly(ByLanguage(code_text::AbbCodeHeading));
    w.AbbOnly("*)");
    w.SiemensOnly("END_VAR");
    w.SiemensOnly("BEGIN");
    AddCode(w, facts, fmatReportLine);
    w.SiemensOnly("END_FUNCTION_BLOCK//Genverket");
    w.SiemensOnly("(*Genverket slut/finished/Ende/Finito*)");
}

}  // namespace tubalyx
