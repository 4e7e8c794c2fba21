#pragma once
// The medium block of a report: the state of the medium at the operating point. It is the
// whole output of the thermodynamic function ("Termo") and the medium section of the result,
// pressure-loss and restriction reports. The state lines are chosen by medium and phase
// letter; natural gas and ozone get the note of the pure gas whose other properties stand in
// for theirs; the thermodynamic report of a natural gas adds its calorific values and Wobbe
// index; a big report adds the average molar mass ("Termo") or the thermal correction
// factors of the throat and pipe diameters (the other functions).
//
// The lines are collected first and appended together, so a failure inside leaves no half
// block; sizes come from the block's start size (never below 6 pt).
#include "reports/report_block.h"

namespace tubalyx {

// `kind` and `position` are handed on to the state-line writers and the composition listing.
void WriteMediumPropertyBlock(char kind, int& position);

// The red warnings the block writes above the medium's state: the table note of the state
// (TableRangeNote, left out without `tableNote`, where the failure line gives it) and the range
// warning of the water and steam equations. A run whose state no medium can have writes them
// alone, above its failure line.
void WriteMediumStateWarnings(bool tableNote = true);

// The state lines of a pure gas with a phase letter: on the gas side ('N', 'G', 'H') the
// density, heat and humidity lines, after the pressure ('G') or temperature ('H'); on the
// liquid side the density and viscosity lines, after the pressure ('V') or temperature ('X').
void WriteStateLinesByStateLetter(char kind, int& position);
void WriteStateLinesByStateLetter(ReportBlock& block);

// The calorific values of a natural gas from its ten grid fractions (natural_gas.h order:
// methane, ethane, propane, butanes, pentanes, nitrogen, carbon dioxide, hydrogen, carbon
// monoxide, water), MJ/kg; 0 when the fractions give no molar mass. The fractions may be
// mole fractions or percentages.
struct CalorificValues {
    double superior = 0.0;  // gross, water condensed
    double inferior = 0.0;  // net, water as vapour
};
CalorificValues NaturalGasCalorificValues(const double (&fractions)[10]);

// The Wobbe index (MJ/Nm3) from the superior value (MJ/kg) and the reference density
// (kg/m3 at 15 C and 101.325 kPa); 0 for no density.
double WobbeIndex(double superiorMassValue, double referenceDensity);

}  // namespace tubalyx
