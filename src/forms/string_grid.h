#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "forms/control.h"

namespace tubalyx {

using TSetEditEvent = std::function<void(TControl* sender, int col, int row, const std::string& value)>;
using TSelectCellEvent = std::function<void(TControl* sender, int col, int row, bool& canSelect)>;

// A string grid addressed (column, row) from 0. Cells are stored sparsely: a cell outside
// the current counts keeps what was written and reads "" when never written, so no index
// can run out of bounds. Programmatic writes fire no event; only user input does.
class TStringGrid : public TControl {
public:
    using TControl::TControl;

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    void SetColCount(int v);
    void SetRowCount(int v);
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetFixedCols(int v) {
        if (fixedCols_ != v) {
            fixedCols_ = v;
            Changed();
        }
    }
    void SetFixedRows(int v) {
        if (fixedRows_ != v) {
            fixedRows_ = v;
            Changed();
        }
    }

    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);
    // Every cell back to "" (counts, sizes and the current cell stay).
    void ClearCells();
    // Changes whenever a cell's text does, and no two grids share one: what a reader worked
    // out from the cells holds while the stamp it read them at is the grid's.
    std::uint64_t CellsStamp() const { return cellsStamp_; }

    // Setting a default size resets every column (row) to it, as the platform grid does.
    int DefaultColWidth() const { return defaultColWidth_; }
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultColWidth(int v);
    void SetDefaultRowHeight(int v);
    // Sizes of single columns and rows; a row of height 0 is hidden. Indices outside the
    // counts read the default and are stored like cells.
    int ColWidth(int col) const;
    int RowHeight(int row) const;
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int v) {
        if (gridLineWidth_ != v) {
            gridLineWidth_ = v;
            Changed();
        }
    }

    // The current cell.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int v) {
        if (col_ != v) {
            col_ = v;
            Changed();
        }
    }
    void SetRow(int v) {
        if (row_ != v) {
            row_ = v;
            Changed();
        }
    }

    // Whether the user may type into the cells (the editing option).
    bool Editing() const { return editing_; }
    void SetEditing(bool v) {
        if (editing_ != v) {
            editing_ = v;
            Changed();
        }
    }

    // The cell under a point of the grid's client area; (-1, -1) outside every cell.
    void MouseToCell(int x, int y, int& col, int& row) const;

    // User input from the renderer.
    // Typing into a cell: stored and OnSetEditText fired; refused without the editing option.
    void UserSetEditText(int col, int row, const std::string& value);
    // Moving to a cell: OnSelectCell may refuse it; otherwise the cell becomes current.
    bool UserSelectCell(int col, int row);

    TSetEditEvent OnSetEditText;
    TSelectCellEvent OnSelectCell;

private:
    int colCount_ = 5, rowCount_ = 5, fixedCols_ = 1, fixedRows_ = 1;
    int defaultColWidth_ = 64, defaultRowHeight_ = 24, gridLineWidth_ = 1;
    int col_ = 1, row_ = 1;
    bool editing_ = false;
    std::map<std::pair<int, int>, std::string> cells_;
    std::uint64_t cellsStamp_ = NewCellsStamp();
    static std::uint64_t NewCellsStamp();
    std::map<int, int> colWidths_, rowHeights_;
};

}  // namespace tubalyx
