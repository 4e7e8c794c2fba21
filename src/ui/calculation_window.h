#pragma once
// The few controls of the main window that the calculations (property_tables/, media/,
// flow/, pressure_loss/) read or write, because their routines work on what the window shows: the
// composition grids, a handful of edits and captions, the flow graph and the report lines of
// the oil recipe. This is the only header of ui/ that a calculation includes; anything else
// a calculation needs of the window belongs in the calculation state (src/state/).
#include <string>

#include "forms/canvas.h"
#include "forms/edit.h"
#include "forms/label.h"
#include "forms/menu.h"
#include "forms/rich_edit.h"
#include "forms/string_grid.h"

namespace tubalyx {

struct CalculationControls {
    // The composition grids: the mixture engine converts and sums their columns; the
    // natural-gas analysis, the property code and the reference density read them.
    TStringGrid& ViktVolprocGrid;
    TStringGrid& ViktVolprocgridfukt;
    // The property switch shows the saturation pressure of a liquefied gas in the static
    // pressure when no pressure range is asked for.
    ShownEdit abstryckantal;
    ShownEdit abstryckmaxantal;
    ShownEdit abstrycksort;
    // The oil density formula carries the typed density text.
    ShownEdit rbg;
    // The flow unit as shown, and the reference density of normal and standard flow units.
    ShownEdit maxflowsort;
    ShownEdit maxflownormaldens;
    // The cold dimensions and the design dp the operating geometry writes back, in the unit
    // of dstorkallsort.
    TLabel& dstorkallsort;
    ShownEdit Dstorkallmm;
    ShownEdit dkallmm;
    ShownEdit hkallmm;
    ShownEdit difftryckmaxantal;
    ShownEdit difftryckmaxsort;
    // The flow graph, shown after a primary-device run.
    TPaintBox& PaintBox1;
    // The report window, for the recipe lines of the oil.
    TRichEdit& RichEdit1;
    // The resistance grid of the pressure-loss line, and the valve page's FL and diameter
    // prompts that a valve fitting shows as its parameter labels.
    TStringGrid& Motstandgrid;
    TLabel& fltext;
    TLabel& Ventildiamtext;
};

// The controls above, of the one main window.
const CalculationControls& CalculationWindow();

// The menu item of a medium code in the medium menu (its caption is the medium's shown
// name), or null when the code has none.
const TMenuItem* MediumMenuItem(const std::string& code);

// The caption of a fitting item of the resistance pop-up MotstandPopup (or of one of its
// groups) by the item's name; empty for a name that is none.
std::string ResistanceMenuCaption(const std::string& item);

// The Kv prompt of the valve page in the current language (a valve fitting's row-6 label).
const std::string& ValveKvPromptText();

// The font size of the main window in points.
int WindowFontSize();

// Rewrites row 12 of both composition grids: for columns 2 to 5 the sum of rows 2 to 11 in
// the report number format at width 7.
void SumMixtureColumns();

// Captions the fitting menu items bestyck1 to bestyck10 with the ten fittings of the
// orifice and nozzle straight-length table.
void CaptionFittingMenu();

// The prompt of the reference density edit for the shown flow unit
// (SetStandardDensityPrompt of the language texts).
void ShowStandardDensityPrompt();

}  // namespace tubalyx
