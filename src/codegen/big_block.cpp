// The BigBlock: a density block extended into a flow block. It takes the dp transmitter's
// signal, computes the flow with the root formula and correction polynomial of the big
// report (the lines its flow function block left in FlowBlockLines) and corrects the flow
// with the density factor fdens_mat of the block.
//
// Every name the code assigns is declared once: a line the big report did not leave (a
// liquid has no compensated output there, a cone liquid no polynomial) is declared here in
// the dialect's own form, so that the block compiles whatever the last report was.
#include "codegen/code_writer.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "ui/code_generator_window.h"

namespace tubalyx::codegen {

namespace {

// The ABB form of the fmat code line is no polynomial at this length or shorter.
constexpr int kNoPolynomialChars = 5;

const std::string& FormOf(const CodeWriter& w, FlowBlockRole role) {
    const FlowBlockLine& line = FlowBlockLineOf(role);
    return w.Frame().flowForm == CodeDialect::Abb ? line.abb : line.siemens;
}

// Whether a declaration line declares `name` (a TAB row or a "name:" declaration).
bool Declares(const std::string& line, const std::string& name) {
    return line.size() > name.size() && line.compare(0, name.size(), name) == 0 &&
           (line[name.size()] == '\t' || line[name.size()] == ':');
}

// A liquid without a correction polynomial compensates the root flow itself.
bool CompensatesRootFlow(const CodeWriter& w) {
    return w.Frame().kind == CompTableKind::Liquid &&
           Utf8Length(FlowBlockLineOf(FlowBlockRole::FmatCode).abb) <= kNoPolynomialChars;
}

std::string CompensatedName(const CodeWriter& w) { return CompensatesRootFlow(w) ? "q_rot_mat_PT" : "q_pol_mat_PT"; }

// The big report's declaration of `name` in `role`, or one of our own.
void Declare(CodeWriter& w, FlowBlockRole role, const std::string& name, bool output) {
    const std::string& line = FormOf(w, role);
    if (Declares(line, name))
        w.Line(line);
    else if (output)
        w.Output(name, CodeGeneratorWindow().maxflowsort.Text());
    else
        w.Local(name);
}

}  // namespace

void WriteBigBlockInputs(CodeWriter& w) {
    for (FlowBlockRole role : {FlowBlockRole::DpCellInput, FlowBlockRole::DpMaxInput, FlowBlockRole::DpRootInput})
        w.FlowLine(role);
}

void WriteBigBlockOutputs(CodeWriter& w) { Declare(w, FlowBlockRole::CompensatedFlowOutput, CompensatedName(w), true); }

void WriteBigBlockVariables(CodeWriter& w) {
    Declare(w, FlowBlockRole::FlowOutput, "q_pol_mat", false);
    const std::string& flowOutput = FormOf(w, FlowBlockRole::FlowOutput);
    if (Declares(flowOutput, "q_rot_mat"))
        w.Line(flowOutput);
    else
        Declare(w, FlowBlockRole::RootFlowVariable, "q_rot_mat", false);
    Declare(w, FlowBlockRole::FmatVariable, "fmat", false);
    w.FlowLine(FlowBlockRole::DpVariable);
    w.Local("fdens_mat");
}

void WriteBigBlockCode(CodeWriter& w, const std::string& fdensLine) {
    w.Line(fdensLine);
    for (FlowBlockRole role : {FlowBlockRole::DpCode, FlowBlockRole::DpRootIfCode, FlowBlockRole::DpRootCode,
                               FlowBlockRole::DpRootEndCode, FlowBlockRole::RootFlowCode})
        w.FlowLine(role);
    w.Line("if q_rot_mat>0 then");
    const std::string& fmat = FormOf(w, FlowBlockRole::FmatCode);
    w.Line(" " + (fmat.empty() ? std::string("fmat:=1;") : fmat));
    w.Line("else");
    w.Line(" fmat:=1;");
    w.Line("end_if;");
    w.Line("q_pol_mat:=q_rot_mat*fmat;");
    // An operating volume flow falls with the density's square root, a mass flow rises.
    const char* op = ConvertPressureEntry(FlowUnit) == kUnitVolumeFlow ? "/" : "*";
    w.Line(CompensatesRootFlow(w) ? std::string("q_rot_mat_PT:=q_rot_mat") + op + "fdens_mat;"
                                  : std::string("q_pol_mat_PT:=q_pol_mat") + op + "fdens_mat;");
}

}  // namespace tubalyx::codegen
