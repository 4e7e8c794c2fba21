#pragma once
// The controls of the main window that the code generator (codegen/) reads: the units its
// declarations carry, the density table it turns into code and the report window's font its
// blocks are written in. This is the only header of ui/ that the code generator includes
// (the layers test holds it to this list); anything else it needs of the window belongs in
// the calculation state (src/state/).
#include "forms/edit.h"
#include "forms/rich_edit.h"
#include "forms/string_grid.h"

namespace tubalyx {

struct CodeGeneratorControls {
    TEdit& abstrycksort;      // the pressure unit of the P input, and whether P is absolute
    TEdit& maxflowsort;       // the flow unit of the flow outputs
    TStringGrid& PTKompgrid;  // the density table whose intervals become code
    TRichEdit& RichEdit1;     // the report window: its font size is every block's starting size
};

// The controls above, of the one main window.
const CodeGeneratorControls& CodeGeneratorWindow();

}  // namespace tubalyx
