// Handlers of the "Run" commands.
#include "reports/run_driver.h"
#include "ui/form1.h"

namespace tubalyx {

void TForm1::Run1Click(TControl*) { RunCalculation(); }

void TForm1::RunbuttonClick(TControl*) { RunCalculation(); }

}  // namespace tubalyx
