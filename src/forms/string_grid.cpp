#include "forms/string_grid.h"

namespace tubalyx {

const std::string& TStringGrid::Cell(int col, int row) const {
    static const std::string empty;
    auto it = cells_.find({col, row});
    return it == cells_.end() ? empty : it->second;
}

void TStringGrid::SetCell(int col, int row, const std::string& text) {
    auto& cell = cells_[{col, row}];
    if (cell == text) return;
    cell = text;
    Changed();
}

}  // namespace tubalyx
