#pragma once
// Qt widgets that show one model control each, and the routines that bring them up to date.
#include <QLabel>
#include <QTableWidget>
#include <QTextEdit>
#include <QWidget>
#include <string>

#include "forms/canvas.h"
#include "forms/containers.h"
#include "forms/rich_edit.h"
#include "forms/string_grid.h"

namespace tubalyx {

// Replays the paint box's recorded canvas.
class PaintBoxWidget : public QWidget {
    Q_OBJECT
public:
    PaintBoxWidget(TPaintBox& box, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    TPaintBox& box_;
};

// A label. One that works as a button takes the keyboard from Tab, shows a frame while it has
// it, and reports Space and Return as a click (its mouse clicks reach the model as any label's).
class LabelWidget : public QLabel {
    Q_OBJECT
public:
    explicit LabelWidget(QWidget* parent);
    void SetTabStop(bool tabStop);

signals:
    void keyClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// Two arrow buttons stepping the up-down control.
class UpDownWidget : public QWidget {
    Q_OBJECT
public:
    UpDownWidget(TUpDown& upDown, QWidget* parent);
};

// A grid shown in a QTableWidget; user edits and cell moves go back to the model.
// A cell is edited as in the platform's grid: a key typed on the current cell replaces its
// text (F2 and a double click keep it), every change of the text reaches the model's cell at
// once, and the keys typed into the cell are the grid's key events. Enter, Tab, the arrow keys
// at the end of the text and a click elsewhere end the edit; Escape ends it with the text it
// started with. The key that ends an edit is released on the grid, so the model hears its key-up.
// Tab on a cell not being edited leaves the grid, as it leaves any other control.
class GridWidget : public QTableWidget {
    Q_OBJECT
public:
    GridWidget(TStringGrid& grid, QWidget* parent);
    void SyncFromModel();
    // A point of the cells' view in the model's terms: from the grid's first cell, however far
    // the grid is scrolled.
    QPoint ContentPoint(QPoint viewportPoint) const;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    friend class CellEditorDelegate;
    bool Fixed(int col, int row) const;
    // Where the current cell goes for a key that ends an edit; false when it stays.
    bool NextCell(int key, int& col, int& row) const;
    TStringGrid& grid_;
    bool syncing_ = false;
    // The edit being opened: started by a typed key (which replaces the text), and that key's
    // event, which the grid has already reported to the model.
    bool replaceText_ = false;
    const QEvent* openingEvent_ = nullptr;
    std::string textBeforeEdit_;
};

// A rich edit shown in a QTextEdit, run by run; typing goes back into the model's content.
// The widget is the rich edit's one renderer: it keeps the model's change log and applies
// only the steps the log names, so a long report costs only what changed.
class RichEditWidget : public QTextEdit {
    Q_OBJECT
public:
    RichEditWidget(TRichEdit& edit, QWidget* parent);
    ~RichEditWidget() override;
    void SyncFromModel();
    // How many times the whole text was drawn afresh (the first showing included).
    int RebuildCount() const { return rebuilds_; }

protected:
    // The model hears of a press after the caret stands at the click, as the platform's
    // rich edit tells it, so a handler can select from there.
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Applies the changes; true when they wrote the report afresh from its first line.
    bool ApplyTextChanges(const TRichEditChanges& changes);
    bool ApplyStep(QTextCursor& cursor, const TRichEditChange& step);
    void Rebuild();
    void ShowSelection(bool fromTheTop);
    // Brings a line the model asked for into sight: the text scrolls where the line is outside
    // its view, and the page holding the widget puts the line near the top of what it shows.
    void ShowLine(int line);
    TRichContent ContentFromDocument() const;
    TRichEdit& edit_;
    int shownLines_ = 0;  // model lines the document holds; an empty document still has one block
    int rebuilds_ = 0;
    bool syncing_ = false;
};

}  // namespace tubalyx
