#pragma once
// For the files of src/codegen/ only: the switches of one call of the generator and the
// writer of its lines in the two dialects.
#include <string>

#include "reports/compensation_intervals.h"
#include "reports/flow_function_block.h"
#include "reports/report_block.h"
#include "state/report_state.h"

namespace tubalyx::codegen {

struct CodeFrame {
    bool abb = false;                             // the ABB dialect
    bool siemens = false;                         // the Siemens dialect
    bool bigBlock = false;                        // "ABB" or "SIEMENS": the density block with the flow lines
    bool abbMode = false;                         // "ABB": the header names the flow block
    CodeDialect flowForm = CodeDialect::Siemens;  // the form of the big report's flow lines
    CompTableKind kind = CompTableKind::Gas;
    std::string pressureUnit;  // abstrycksort and ",absolute pressure" unless gauge
    std::string pop, top;      // the operating pressure and temperature, decimal point
};

// A number of a code line: 6 digits with a decimal point, without padding.
std::string CodeNumber(double value);
// "density", "Dichte" or "densitet"; "quote" or "kvot".
std::string DensityName();
std::string RatioName();

// Every line is blue at two thirds of the block's start size, unless said otherwise.
class CodeWriter {
public:
    // `startSize`: the size the block's sizes are taken from.
    CodeWriter(ReportBlock& block, const CodeFrame& frame, int startSize);
    const CodeFrame& Frame() const { return frame_; }

    void Line(const std::string& text);
    // In the colour in force: the lines that open the comment before the colour is set.
    void Uncoloured(const std::string& text);
    // At start × 58 div its length: the brand line.
    void Fitted(const std::string& text);
    // The lines of the ABB explanation, at two thirds of start × 58 div 110.
    void Explanation(const std::string& text);
    void Abb(const std::string& text) {
        if (frame_.abb) Line(text);
    }
    void Siemens(const std::string& text) {
        if (frame_.siemens) Line(text);
    }
    // Declarations in the dialect's form.
    void Input(const std::string& name, const std::string& value, const std::string& unit);
    void Output(const std::string& name, const std::string& unit);
    void Local(const std::string& name);
    // A line the big report left, in the mode's form; nothing when it left none.
    void FlowLine(FlowBlockRole role);

private:
    ReportBlock& block_;
    CodeFrame frame_;
    int start_;
    int size_;
};

// The ABB explanation before the declarations (ABB dialect only).
void WriteCodeHeader(CodeWriter& w);

// The density blocks; each writes its lines and returns the largest interpolation error of
// the table it walks.
double WriteLiquidBlock(CodeWriter& w);
double WriteGasBlock(CodeWriter& w);
double WriteSteamBlock(CodeWriter& w);

// The BigBlock's additions to a density block, at their places in it.
void WriteBigBlockInputs(CodeWriter& w);
void WriteBigBlockOutputs(CodeWriter& w);
void WriteBigBlockVariables(CodeWriter& w);
// `fdensLine` the block's own "fdens_mat" assignment, written first.
void WriteBigBlockCode(CodeWriter& w, const std::string& fdensLine);

}  // namespace tubalyx::codegen
