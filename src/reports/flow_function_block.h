#pragma once
// The flow function block "FUNCTION_BLOCK Genverket//Flow" at the end of the big report's
// algorithms: IEC 61131-3 Structured Text that computes the flow in the control system from
// the dp signal by the root formula of algorithm 3 and the correction function fmat, and
// compensates a gas for pressure and temperature. The user copies it from the report window.
//
// Two dialects: ABB (the declarations are TAB-separated rows for the tool's tables, inside
// one comment that closes before the code) and Siemens PCS7 (a complete FUNCTION_BLOCK).
// Numbers in code are written with a decimal point whatever the report's separator.
//
// Sizes, from the section's start size: two thirds for every line, the brand line and the
// compensated-output declaration fitted to 58 characters, and half for an fmat code line
// longer than 92 characters.
#include <string>

#include "reports/report_block.h"

namespace tubalyx {

enum class CodeDialect { Abb, Siemens };
// From the caption of the label ABBSiemens: "ABB", or Siemens for any other caption (it
// starts as "Siemens").
CodeDialect CurrentCodeDialect();

// The brand comment of generated code in the current language and the dialect.
std::string BrandLine(CodeDialect dialect);

// The text with every decimal comma made a point, as numbers enter generated code.
std::string DotForm(std::string text);

// The fmat code line from the report's fmat line (its dot form, "fmat:" and the rest from
// the "=" after the argument), with the power written as the dialect writes it.
std::string FmatCodeLine(const std::string& fmatReportLine, CodeDialect dialect);

// The block in the current dialect and language, with its lines in both dialects left in
// FlowBlockLines by role, and CodeBrandLine. `fmatReportLine` is the report's fmat line
// (empty when there is none: a liquid in a cone meter); the root flow is RootFlowFormulaText.
void AddFlowFunctionBlock(ReportBlock& block, const std::string& fmatReportLine);

}  // namespace tubalyx
