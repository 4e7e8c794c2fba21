#pragma once
// A block written after a run (the compensation table, generated code) goes below the
// newest report and above the earlier ones: the window is copied aside into RichEdit5 with
// every line's attributes and rebuilt around the block. The block is complete before the
// window is touched, so a block that fails while it is built leaves the window as it was.
#include "reports/report_block.h"

namespace tubalyx {

// Keeps lines 0 .. at-1 of RichEdit1, writes the block, then puts back the lines from `at`
// on (an `at` beyond the window keeps every line above the block). The next text starts at
// the block's start size.
void InsertBlockIntoReport(ReportBlock& block, int at);

}  // namespace tubalyx
