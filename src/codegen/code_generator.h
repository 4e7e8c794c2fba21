#pragma once
// The controller code generator: IEC 61131-3 Structured Text that recomputes, in the plant's
// controller, the density the compensation table PTKompgrid holds (the density block of the
// medium) and, as the BigBlock, the flow from the dp signal corrected with it. The text goes
// into the report window below the newest report for the user to copy; no file is written.
//
// Dialects: ABB (ControlBuilder, AC800M), whose parameters and variables are TAB-separated
// rows to paste into the tool's tables, inside one comment that closes before the code; and
// Siemens PCS7, a complete FUNCTION_BLOCK with its declarations. Numbers in code carry a
// decimal point whatever the report's separator; the comment head keeps the report's form.
#include <string>

namespace tubalyx {

// Modes:
//   "RAP"      the density block alone, in the dialect the label ABBSiemens shows;
//   "ABB"      the BigBlock in the ABB dialect;  "SIEMENS" the BigBlock in the Siemens one;
//   "BER"      nothing written: only the interpolation check.
// `result`: a value above 0 on entry asks for the text (every writing caller passes 1.0);
// on return it holds the largest interpolation error of the table, in percent, measured at
// the check points of every interval of the code. Without writing the window is not touched.
// A mode other than these four writes nothing.
void GenerateControlCode(const std::string& mode, double& result);

}  // namespace tubalyx
