#pragma once
// The input questionnaire: one line per input, the prompt label at the left edge, its edit
// right of it and, for a quantity with a unit, the unit box right of the edit. The builders
// place their lines one below the other from `layoutTop` on and leave it below the last
// control they placed. Each edit and unit box takes the next InputTabOrder, so the keyboard
// follows the questionnaire; the page manager starts LayoutTop and InputTabOrder at 0.
//
// kind 'S' places the lines on screen; kind 'B' (the run, after the report head) places them
// as well and appends each line's report form to RichEdit1, which makes the input section of
// the report in questionnaire order. No builder reports an error: a text that is no number
// reads as 0.
#include <vector>

namespace tubalyx {

class TControl;

// ---- line builders ----
// Differential pressure (for valves: the outlet pressure).
void BuildDpInputLine(char kind, int& layoutTop);
// Bore diameter, or the segment height for the segment orifice "SM" (never both).
void BuildBoreDiameterLine(char kind, int& layoutTop);
// The wanted permanent pressure loss at max flow ("TF").
void BuildPressureLossAtMaxFlowLine(char kind, int& layoutTop);
// The calibration of a cone meter: flow coefficient, temperature, Reynolds range.
void BuildCfLine(char kind, int& layoutTop);
void BuildCalibrationTemperatureLine(char kind, int& layoutTop);
void BuildMinReynoldsLine(char kind, int& layoutTop);
// The volume meter's Reynolds number of best precision (same controls as the minimum).
void BuildBestReynoldsLine(char kind, int& layoutTop);
void BuildMaxReynoldsLine(char kind, int& layoutTop);
// Vapour and critical pressure: for the liquid "VÄT" only.
void ShowVapourCriticalPressureInput(char kind, int& layoutTop);
// Pipe diameter in its length unit; in inches the report adds the conversion line.
void ShowTubeDiameterInput(char kind, int& layoutTop);
// Pipe roughness; left out of a "Mini" report.
void ShowRoughnessInput(char kind, int& layoutTop);
void ShowMinFlowInput(char kind, int& layoutTop);
// Max flow, refreshed from its edits first; ends with the normal-density line.
void ShowMaxFlowInput(char kind, int& layoutTop);
// The reference density of a normal or standard flow unit, with the mass flow it gives.
void ShowMaxFlowNormalDensityInput(char kind, int& layoutTop);
// The adiabatic/isothermal option of the pressure-loss page.
void ShowAdiabaticOption(char kind, int& layoutTop);

// ---- page builders ----
// "Strypf": primary devices, cone meters and the volume meter; places the uncertainty page
// beside the questionnaire.
void BuildThroatDevicePage(char kind, int& layoutTop);
// "Ventil": valves and restriction orifices.
void BuildValvePage(char kind, int& layoutTop);
// Upstream fitting and its straight lengths (or the extra uncertainty without a fitting).
void BuildFittingsBlock(char kind, int& layoutTop);
// The ranges and weights of the optimal design ("OK").
void BuildOptimalDesignBlock(char kind, int& layoutTop);

// The controls the last page build gave a tab order, in that order: the keyboard's way
// through the questionnaire. A group box stands for the edits it holds.
const std::vector<TControl*>& QuestionnaireTabOrder();

// The line the report adds below a pipe diameter given in inches.
inline constexpr const char* kInchConversionLine = "1 tum/Zoll/Inches = 25.40 mm";

}  // namespace tubalyx
