#pragma once
// The main window: it owns every control for the program's life, and carries the handlers.
#include "forms/edit.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/menu.h"
#include "forms/string_grid.h"

namespace tubalyx {

class TForm1 : public TForm {
public:
    TForm1();

    // Composition grids of gas mixtures and natural gas.
    TStringGrid ViktVolprocGrid{"ViktVolprocGrid"};
    TStringGrid ViktVolprocgridfukt{"ViktVolprocgridfukt"};

    // Operating pressure and flow-unit edits that the medium code reads and writes.
    TEdit abstryckantal{"abstryckantal"};
    TEdit abstrycksort{"abstrycksort"};
    TEdit abstryckmaxantal{"abstryckmaxantal"};
    TEdit rbg{"rbg"};
    TEdit maxflowsort{"maxflowsort"};
    TEdit maxflownormaldens{"maxflownormaldens"};
    TLabel densnormaltext{"densnormaltext"};

    // Medium pop-up menu and its items.
    TPopupMenu Mediamenu{"Mediamenu"};
    TMenuItem* GAS = nullptr;
    TMenuItem* IGAS = nullptr;
    TMenuItem* G = nullptr;
    TMenuItem* LIQ = nullptr;
    TMenuItem* LUF = nullptr;
    TMenuItem* VAT = nullptr;
    TMenuItem* ANG = nullptr;
    TMenuItem* MNG = nullptr;
    TMenuItem* AR = nullptr;
    TMenuItem* CH4 = nullptr;
    TMenuItem* CO = nullptr;
    TMenuItem* CO2 = nullptr;
    TMenuItem* Propan1 = nullptr;
    TMenuItem* Propanvtska1 = nullptr;
    TMenuItem* H2 = nullptr;
    TMenuItem* Naturgas = nullptr;
    TMenuItem* N2 = nullptr;
    TMenuItem* NH3 = nullptr;
    TMenuItem* O2 = nullptr;
    TMenuItem* O3 = nullptr;
    TMenuItem* Olja = nullptr;
};

// The one main window, created at first use and kept for the program's life.
TForm1& Form1();

}  // namespace tubalyx
