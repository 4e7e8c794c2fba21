#include "reports/report_insertion.h"

#include <algorithm>

#include "reports/report_window.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

// Lines first .. last-1 of `source` appended to RichEdit1, each with the attributes it has.
void CopyLinesBack(const TRichEdit& source, int first, int last) {
    if (first >= last) return;
    TRichEdit part("part");
    TRichContent lines;
    const auto& all = source.Content().Lines;
    lines.Lines.assign(all.begin() + first, all.begin() + last);
    part.SetContent(lines);
    CopyWithAttributes(part, ReportWindow(), -ReportTextLength(ReportWindow()));
}

}  // namespace

void InsertBlockIntoReport(ReportBlock& block, int at) {
    const ReportWriterControls& f = ReportWriterWindow();
    f.RichEdit1.SetSelStart(0);
    f.RichEdit1.SetSelLength(0);
    CopyReportAside();
    ClearReport();
    const int lines = f.RichEdit5.LineCount();
    const int split = std::clamp(at, 0, lines);
    CopyLinesBack(f.RichEdit5, 0, split);
    SetReportSize(block.StartSize());
    block.Flush();
    CopyLinesBack(f.RichEdit5, split, lines);
}

}  // namespace tubalyx
