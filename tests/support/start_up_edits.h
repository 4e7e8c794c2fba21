#pragma once
// The input edits as start-up leaves them, for a test that runs the window without starting it:
// a run reads every number edit, and one that holds no number ends it with the input-error
// line. The calculation state is written into them with the current decimal separator, and the
// differential-pressure field, which the window writes only beside a pressure range, gets the
// state's dp.
#include "numerics/report_format.h"
#include "state/inputs.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"

namespace tubalyx::testsupport {

inline void WriteStartUpEdits() {
    Form1().difftryckmaxantal.SetText(FormatGeneral(MaxDpInput));
    WriteInputsToForm();
}

}  // namespace tubalyx::testsupport
