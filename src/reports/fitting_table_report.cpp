#include "reports/fitting_table_report.h"

#include <algorithm>
#include <array>
#include <string>

#include "numerics/text_utils.h"
#include "pressure_loss/fitting_catalogue.h"
#include "reports/report_block.h"
#include "state/grid_rows.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/language_text.h"
#include "texts/report_texts.h"
#include "texts/window_access.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

constexpr int kTableWidth = 80;

TStringGrid& Grid() { return ReportWriterWindow().Motstandgrid; }

// The longest text of rows 1 to 8 of a column.
int LongestText(int column) {
    int longest = 0;
    for (int row = 1; row < kResistanceGridRows; ++row)
        longest = std::max(longest, Utf8Length(Grid().Cell(column, row)));
    return longest;
}

bool IsBend(int kind) { return kind >= 10 && kind <= 16; }

// A cell as the table prints it: a bend's empty piece count is one bend, its empty
// roughness the pipe's.
std::string PrintedCell(int column, int row) {
    const std::string& text = Grid().Cell(column, row);
    if (!text.empty() || !ReportSeparator.empty() || !IsBend(ResistanceKind[column])) return text;
    if (row == 6) return "1";
    if (row == 7) return ReportWriterWindow().Dstorrahetmm.Text();
    return text;
}

// Whether the column has a parameter: as the table prints it when the column stands in the
// table (a bend's filled-in piece count and roughness count, so that the labels printed
// beside them are the bend's own), else as typed.
bool HasParameterText(int column, bool printed) {
    for (int row = kFirstParameterRow; row < kResistanceGridRows; ++row)
        if (!(printed ? PrintedCell(column, row) : Grid().Cell(column, row)).empty()) return true;
    return false;
}

class TableBlock {
public:
    void Append(int column) {
        const int width = std::max(1, LongestText(column)) + 1;
        const char fill = ReportSeparator.empty() ? '_' : ' ';
        for (int row = 0; row < kResistanceGridRows; ++row)
            rows_[row] += ReportSeparator + PadLeft(PrintedCell(column, row), width, fill);
    }
    bool Empty() const { return rows_[1].empty(); }
    int Width() const { return Utf8Length(rows_[1]); }

    // Column 0 in front of every row; rows 6 to 8 only where column 0 labels them.
    void Close(ReportBlock& block) {
        const int labelWidth = LabelWidth();
        for (int row = 0; row < kResistanceGridRows; ++row) {
            const std::string& label = Grid().Cell(0, row);
            if (row >= kFirstParameterRow && label.empty()) continue;
            block.Add(ReportSeparator + PadLeft(label, labelWidth) + rows_[row]);
        }
        block.AddEmpty();
        rows_ = {};
        for (int row = kFirstParameterRow; row < kResistanceGridRows; ++row) Grid().SetCell(0, row, "");
    }

    static int LabelWidth() { return std::max(1, LongestText(0)) + 1; }

private:
    std::array<std::string, kResistanceGridRows> rows_;
};

}  // namespace

bool FittingColumnHasContent(int column) {
    std::string joined;
    for (int row = 1; row <= 4; ++row) joined += Grid().Cell(column, row);
    return Utf8Length(joined) > 1;
}

void WriteFittingTable() {
    ReportBlock block;
    block.Add(ByLanguage(report_text::FittingTableHeading));
    TableBlock table;
    for (int c = 1; c <= kFittingColumnCount; ++c) {
        const bool appended = FittingColumnHasContent(c);
        if (appended) {
            table.Append(c);
            DispatchResistanceColumn(c);
        }
        const int nextWidth = c < kFittingColumnCount ? LongestText(c + 1) + 1 : 0;
        const bool full = table.Width() + TableBlock::LabelWidth() + nextWidth > kTableWidth;
        const bool close = full || HasParameterText(c, appended) || c == kFittingColumnCount;
        // A block without any column has nothing to print.
        if (close && !table.Empty()) table.Close(block);
    }
    block.Flush();
}

}  // namespace tubalyx
