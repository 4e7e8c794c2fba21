#pragma once
// Texts of the main window that follow the flow unit and the natural-gas medium.

namespace tubalyx {

// Sets the prompt densnormaltext of the reference-density edit: standard state (60 F) for the
// "Standard_" units and "MMSCFD", otherwise the normal state (0 C), in the current language.
void SetStandardDensityPrompt();

// For natural gas: the component formulas and limit texts of rows 2 to 11 of ViktVolprocGrid,
// the component keywords of those rows, and the propane captions of the medium menus.
void SetNaturalGasLimits();
void SetNaturalGasLimitsRest();

}  // namespace tubalyx
