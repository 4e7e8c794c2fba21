#pragma once
// The controls of the main window that the report writers (reports/, reports/uncertainty/)
// read or write. A report is made of what the window shows as much as of the calculation
// state: the units as typed, the report size and separator, the prompts whose captions head
// report lines, the side pages' grids and labels that the writers fill, and the report
// window with its hidden copies. This is the only header of ui/ that a report writer
// includes (the layers test holds it to this list); anything else a writer needs of the
// window belongs in the calculation state (src/state/).
#include "forms/containers.h"
#include "forms/control.h"
#include "forms/edit.h"
#include "forms/label.h"
#include "forms/menu.h"
#include "forms/rich_edit.h"
#include "forms/string_grid.h"

namespace tubalyx {

struct ReportWriterControls {
    // The window's font, the size the report bodies start from.
    const TFont& Font() const;
    // The window's width, which bounds the report head's width on screen.
    int ClientWidth() const;

    // The report window and its copies.
    TRichEdit& RichEdit1;  // the report window every writer appends to
    TRichEdit& RichEdit2;  // the page head, whose first line the Swedish report head repeats
    TRichEdit& RichEdit5;  // the hidden copy the earlier reports wait in while a report is written
    TLabel& litenstor;     // the report size ("small", "big", ...) that decides which sections are written
    TLabel& Excel;         // the value separator: with "txt" the operating conditions open with a bracket

    // The units and values as the questionnaire shows them, echoed into report lines.
    TEdit& abstryckantal;     // the pressure as typed, in the operating conditions
    TEdit& abstryckmaxantal;  // the upper pressure as typed; its visibility tells a pressure range
    TEdit& abstrycksort;      // the pressure unit of the lines and of the pressure expressions
    TEdit& temp;              // the temperature as typed, in the operating conditions
    TEdit& tempmin;           // the lower temperature as typed; its visibility tells a temperature range
    TLabel& tempsort;         // the temperature unit of the operating conditions
    TEdit& difftryckmaxsort;  // the dp unit of the flow function block
    TEdit& maxflowsort;       // the flow unit of the flow range and the flow function block
    TEdit& maxflowsortut;     // the output flow unit of the short results
    TLabel& dstorkallsort;    // the dimension unit: not "mm" adds the inch line of a dimension
    TEdit& Dstorrahetmm;      // the pipe roughness as typed, row 7 of the fitting table
    TEdit& givenrakin;        // the given upstream straight length of the thermometer tappings
    TLabel& bestyckningtext;  // the upstream fitting prompt: a thermometer names the tapping report
    TLabel& fattringtextin;   // the plate-thickness prompt heading the plate construction lines
    TLabel& ABBSiemens;       // the controller dialect ("ABB" or Siemens) of the flow function block

    // The humidity shares the operating conditions write beside the composition grid.
    TEdit& fuktviktproc;  // the vapour's weight % of the flowing gas
    TEdit& fuktvolproc;   // the vapour's volume % of the flowing gas

    // The composition grids, listed in the medium report.
    TStringGrid& ViktVolprocGrid;      // the dry composition; its visibility tells a mixture on show
    TStringGrid& ViktVolprocgridfukt;  // the humid composition, with the vapour row

    // The property box of a user's gas or oil: the thermodynamic caption is written into it,
    // the medium listing shows the values in its edits and lists its prompts with them.
    TGroupBox& GroupBox1;         // the box whose caption heads the listing
    TLabel& densdriftbgtextin;    // density prompt
    TEdit& rbg;                   // density
    TLabel& viskbgtextin;         // viscosity prompt, by the kind of the viscosity unit
    TEdit& qbg;                   // viscosity
    TEdit& qbgsort;               // viscosity unit; "Pas*E-6" leaves the state lines without one
    TLabel& visk40bgtextin;       // oil viscosity at 40 degC prompt
    TEdit& q40bg;                 // oil viscosity at 40 degC
    TEdit& q40bgsort;             // its unit
    TLabel& visk100bgtextin;      // oil viscosity at 100 degC prompt
    TEdit& q100bg;                // oil viscosity at 100 degC
    TEdit& q100bgsort;            // its unit
    TLabel& cpbgtextin;           // cp prompt
    TEdit& cpbg;                  // cp
    TLabel& cvbgtextin;           // cv prompt
    TEdit& cvbg;                  // cv
    TLabel& molekylviktbgtextin;  // molar mass prompt, listed while shown
    TEdit& molekylviktbg;         // molar mass
    TLabel& krittempbgtextin;     // critical temperature prompt, listed while shown
    TEdit& krittempbg;            // critical temperature
    TLabel& entalpibgtextin;      // enthalpy prompt of a real gas, listed while shown
    TEdit& entalpibg;             // enthalpy
    TLabel& Z1bgtextin;           // Z1 prompt; its visibility tells the Z pair in use
    TEdit& Z1bg;                  // Z at operating conditions
    TLabel& Znbgtextin;           // Zn prompt
    TEdit& Znbg;                  // Z at normal conditions

    // The compensation table page: the table writer fills the grid and captions, shows and
    // hides the page's controls, and the compensation report lists them.
    TStringGrid& PTKompgrid;  // the density table itself
    TLabel& Trycktemplabel;   // the table's title
    TLabel& PTberfeltext;     // the prompt of the allowed error
    TEdit& PTberfel;          // the allowed error as typed, normalised to a number
    TLabel& PTmaxerror;       // the largest real error of the table
    TLabel& PThelp;           // the density law the table serves
    TLabel& PTr0text;         // the reference density of that law
    TLabel& ZLabel;           // what the table's rows give (Z0/Zn or the density)
    TLabel& Z0Zn;             // how Z0/Zn is interpolated
    TLabel& fdens_mat;        // the density correction of the flow as a formula
    TLabel& PTberex;          // shown with the table, emptied outside the device page
    TLabel& Pmin;             // the lower pressure heading of a gas table
    TLabel& Pmax;             // the upper pressure heading of a gas table
    TLabel& Tmax;             // the upper temperature heading, hidden for steam
    TLabel& Matain;           // the hint how the table's range is given
    TLabel& Label2;           // the table's "Run", shown with the table
    TLabel& BigBlock;         // the big flow block's code generation, shown with the table
    TLabel& kod;              // the density block's code generation, shown with the table

    // The uncertainty page: the budget's grid, headings and run caption.
    TStringGrid& Felsimulgrid;   // the uncertainty budget, written and reported
    TStringGrid& Felsimulgrid2;  // the unsorted budget kept while the sorted view shows
    TLabel& Felsimulrubrik;      // the page's "Run" caption: ready, or asking for a main run first
    TLabel& osrubrik;            // the heading of the uncertainty report
    TLabel& bermetoderrtextin;   // the calculation method's caption, a line of the big report
    TLabel& Felsimulflrubrik;    // the flow column's heading
    TLabel& felsimulfl2rubrik;   // the second flow column's heading
    TMenuItem* const& Run1;      // the menu item "Run", named in the request for a main run

    // The data sheet.
    TEdit& vmargbox;                     // its left margin in blanks
    TEdit& Numberspos;                   // the indent of its numbers in blanks
    TMenuItem* const& ADysaLongradius1;  // the long-radius nozzle's caption names that device
    TMenuItem* const& mtrlfl1;           // the first plate material's caption names that material

    // The fittings of the pressure-loss line, listed in the fitting table.
    TStringGrid& Motstandgrid;
};

// The controls above, of the one main window.
const ReportWriterControls& ReportWriterWindow();

}  // namespace tubalyx
