#pragma once
#include <map>
#include <string>
#include <utility>

#include "forms/control.h"

namespace tubalyx {

// A string grid addressed (column, row) from 0. Cells are stored sparsely: a cell outside
// the current counts keeps what was written and reads "" when never written, so no index
// can run out of bounds. Programmatic writes fire no event.
class TStringGrid : public TControl {
public:
    using TControl::TControl;

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    void SetColCount(int v) { if (colCount_ != v) { colCount_ = v; Changed(); } }
    void SetRowCount(int v) { if (rowCount_ != v) { rowCount_ = v; Changed(); } }
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetFixedCols(int v) { if (fixedCols_ != v) { fixedCols_ = v; Changed(); } }
    void SetFixedRows(int v) { if (fixedRows_ != v) { fixedRows_ = v; Changed(); } }

    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);

private:
    int colCount_ = 5, rowCount_ = 5, fixedCols_ = 1, fixedRows_ = 1;
    std::map<std::pair<int, int>, std::string> cells_;
};

}  // namespace tubalyx
