#include "reports/run_state.h"

namespace tubalyx {

double LowDpCellRangePercent = 0.0;

}  // namespace tubalyx
