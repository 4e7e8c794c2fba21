#pragma once
// The medium block of the questionnaire: the medium heading row with the composition grid
// of a gas mixture or natural gas, the property box of a user-defined gas, liquid or oil,
// the temperature and pressure questions, the real-gas correction and the humidity question;
// and, on the device pages, the row that names the standard, the calculation type and the
// device. Each builder places its controls from `layoutTop` on and leaves it below them;
// kind 'B' (the run) also appends the block's input listing to RichEdit1, so that the input
// section of the report repeats what the user entered.
//
// These builders sit in ui/ because they place the window's controls; the listing of the
// property box and of the composition grids is reports/medium_listing's, which the medium
// property block of every report shares.
namespace tubalyx {

// The questionnaire of the thermodynamic function ("Termo") for the current medium.
void CalcMediumProperties(char kind, int& layoutTop);
// The medium block of any page.
void WriteMediumDataSection(char kind, int& layoutTop);
// The heading row (medium prompt, medium name, "Run" and the data-sheet label), the phase
// letter normalised for the medium, and the composition grid of "G" and "NGAS".
void WriteMediumHeading(char kind, int& layoutTop);
// The operating (and, for a gas range on the device page, the minimum) temperature.
void WriteTemperatureLines(char kind, int& layoutTop);
// The static (and, for a gas range on the device page, the maximum) pressure.
void WritePressureLines(char kind, int& layoutTop);
// The molar mass of the real gas ("NGAS", "G") and the humidity question.
void AskRealGasCorrection(char kind, int& layoutTop);
// The standard, the calculation type and the device on one row, with the unit box of the
// solved flow or dp.
void WriteDeviceTypeLines(char kind, int& layoutTop);

}  // namespace tubalyx
