#include "forms/string_grid.h"

#include <algorithm>

#include "forms/event_depth.h"

namespace tubalyx {

void TStringGrid::SetColCount(int v) {
    v = std::max(0, v);
    if (colCount_ != v) {
        colCount_ = v;
        Changed();
    }
}

void TStringGrid::SetRowCount(int v) {
    v = std::max(0, v);
    if (rowCount_ != v) {
        rowCount_ = v;
        Changed();
    }
}

const std::string& TStringGrid::Cell(int col, int row) const {
    static const std::string empty;
    auto it = cells_.find({col, row});
    return it == cells_.end() ? empty : it->second;
}

std::uint64_t TStringGrid::NewCellsStamp() {
    static std::uint64_t last = 0;
    return ++last;
}

void TStringGrid::SetCell(int col, int row, const std::string& text) {
    auto& cell = cells_[{col, row}];
    if (cell == text) return;
    cell = text;
    cellsStamp_ = NewCellsStamp();
    Changed();
}

void TStringGrid::ClearCells() {
    if (cells_.empty()) return;
    cells_.clear();
    cellsStamp_ = NewCellsStamp();
    Changed();
}

void TStringGrid::SetDefaultColWidth(int v) {
    defaultColWidth_ = std::max(0, v);
    colWidths_.clear();
    Changed();
}

void TStringGrid::SetDefaultRowHeight(int v) {
    defaultRowHeight_ = std::max(0, v);
    rowHeights_.clear();
    Changed();
}

int TStringGrid::ColWidth(int col) const {
    auto it = colWidths_.find(col);
    return it == colWidths_.end() ? defaultColWidth_ : it->second;
}

int TStringGrid::RowHeight(int row) const {
    auto it = rowHeights_.find(row);
    return it == rowHeights_.end() ? defaultRowHeight_ : it->second;
}

void TStringGrid::SetColWidth(int col, int width) {
    width = std::max(0, width);
    if (ColWidth(col) == width) return;
    colWidths_[col] = width;
    Changed();
}

void TStringGrid::SetRowHeight(int row, int height) {
    height = std::max(0, height);
    if (RowHeight(row) == height) return;
    rowHeights_[row] = height;
    Changed();
}

void TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
    col = -1;
    row = -1;
    // Columns of width 0 and rows of height 0 take no space and are never hit. Edges are
    // summed in 64 bits, and the walk stops once it has passed the point.
    long long left = 0;
    for (int c = 0; c < colCount_ && left <= x; ++c) {
        const int w = ColWidth(c);
        if (w > 0 && x >= left && x < left + w) {
            col = c;
            break;
        }
        left += static_cast<long long>(w) + gridLineWidth_;
    }
    long long top = 0;
    for (int r = 0; r < rowCount_ && top <= y; ++r) {
        const int h = RowHeight(r);
        if (h > 0 && y >= top && y < top + h) {
            row = r;
            break;
        }
        top += static_cast<long long>(h) + gridLineWidth_;
    }
    if (col < 0 || row < 0) col = row = -1;
}

void TStringGrid::UserSetEditText(int col, int row, const std::string& value) {
    if (!editing_ || !Enabled()) return;
    SetCell(col, row, value);
    FireEvent(*this, "OnSetEditText", OnSetEditText, this, col, row, value);
}

bool TStringGrid::UserSelectCell(int col, int row) {
    if (!Enabled() || col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) return false;
    bool canSelect = true;
    FireEvent(*this, "OnSelectCell", OnSelectCell, this, col, row, canSelect);
    if (!canSelect) return false;
    col_ = col;
    row_ = row;
    Changed();
    return true;
}

}  // namespace tubalyx
