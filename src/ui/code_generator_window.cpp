#include "ui/code_generator_window.h"

#include "ui/form1.h"

namespace tubalyx {

const CodeGeneratorControls& CodeGeneratorWindow() {
    static const CodeGeneratorControls controls = [] {
        TForm1& f = Form1();
        return CodeGeneratorControls{.abstrycksort = f.abstrycksort,
                                     .maxflowsort = f.maxflowsort,
                                     .PTKompgrid = f.PTKompgrid,
                                     .RichEdit1 = f.RichEdit1};
    }();
    return controls;
}

}  // namespace tubalyx
