#pragma once
// Start-up of the main window: the unit initialisation, the window's create event (sizing,
// fixed texts, every default input, the first page and the start text) and the default
// setters it calls once. Nothing is read from disk, the command line or the environment.
namespace tubalyx {

// The main window unit's initialisation: LayoutTop := 1 (every page rebuild sets it to 0).
void MainFormUnitInit();

// Creates the main window and fires its create event (TForm1::FormCreate), as the
// application does once before the message loop starts.
void CreateMainWindow();

// The defaults of the inputs, in this order: materials and selections, units, the valve
// diameter and valve defaults, the empty pressure-loss line; then PTberfel := "1" and the
// state written into the edits, which derives the base values (101325 Pa, 10 kPa, ...).
void SetStartDefaults();
void SetDefaultMaterialInputs();
void SetDefaultUnitInputs();

// The answers of the uncertainty questionnaire and column 1 of Felsimulgrid, written with
// the platform's decimal separator.
void FillErrorSimGridDefaults();

}  // namespace tubalyx
