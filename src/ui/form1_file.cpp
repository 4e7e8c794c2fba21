// Handlers of files and printing.
#include "ui/form1.h"

namespace tubalyx {

// Prints the window as it looks, once the print dialog is confirmed.
void TForm1::PrintScr1Click(TControl*) {
    if (PrintDialog1.Execute()) Print();
}

}  // namespace tubalyx
