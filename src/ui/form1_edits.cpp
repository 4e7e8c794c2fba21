// Handlers of the questionnaire's edit fields and of the property box GroupBox1.
#include "ui/form1.h"

namespace tubalyx {

// The value edits parse their text on change and on exit; releasing a key adds nothing.
void TForm1::abstryckantalKeyUp(TControl*, int, TShiftState) {}
void TForm1::tempKeyUp(TControl*, int, TShiftState) {}

// Leaving the property box keeps it open; a click on it closes it.
void TForm1::GroupBox1Exit(TControl*) {}

}  // namespace tubalyx
