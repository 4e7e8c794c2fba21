#include "qtview/control_widgets.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include "qtview/canvas_painter.h"
#include "qtview/input_forwarder.h"
#include "qtview/qt_conversions.h"

namespace tubalyx {

PaintBoxWidget::PaintBoxWidget(TPaintBox& box, QWidget* parent) : QWidget(parent), box_(box) {}

void PaintBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ReplayCanvas(painter, box_.Canvas().Ops(), box_.Canvas().PixelsPerInch);
}

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    SetTabStop(false);
}

// Only Tab gives the keyboard to a label: a click on it leaves the keyboard where it was.
void LabelWidget::SetTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::TabFocus : Qt::NoFocus); }

void LabelWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool clicks = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (focusPolicy() == Qt::NoFocus || !clicks || event->isAutoRepeat()) return QLabel::keyPressEvent(event);
    event->accept();
    emit keyClicked();
}

void LabelWidget::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

UpDownWidget::UpDownWidget(TUpDown& upDown, QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(this);
    auto* down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this,
            [&upDown] { RunUserInput([&] { upDown.UserClick(TUDBtnType::btNext); }); });
    connect(down, &QToolButton::clicked, this,
            [&upDown] { RunUserInput([&] { upDown.UserClick(TUDBtnType::btPrev); }); });
}

// The cell editor of a GridWidget: a line edit whose keys are the grid's key events and
// whose every change is the model cell's new text. The model holds the text while the cell is
// edited, so nothing is written back when the edit ends.
class CellEditorDelegate : public QStyledItemDelegate {
public:
    explicit CellEditorDelegate(GridWidget& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        TStringGrid& model = grid_.grid_;
        const int col = index.column(), row = index.row();
        connect(editor, &QLineEdit::textEdited, editor, [&model, col, row](const QString& text) {
            RunUserInput([&] { model.UserSetEditText(col, row, S(text)); });
        });
        return editor;
    }

    // Called when the edit opens and again whenever the cell's item changes; the editor keeps
    // what the user types.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (editor->property(kOpened).toBool()) return;
        editor->setProperty(kOpened, true);
        static_cast<QLineEdit*>(editor)->setText(grid_.replaceText_ ? QString() : index.data().toString());
    }

    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QLineEdit*>(object);
        const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
        if (!editor || !key) return QStyledItemDelegate::eventFilter(object, event);
        auto* e = static_cast<QKeyEvent*>(event);
        TStringGrid& model = grid_.grid_;
        const int vk = VirtualKeyCode(e->key(), (e->modifiers() & Qt::KeypadModifier) != 0);
        if (event->type() == QEvent::KeyRelease) {
            RunUserInput([&] { model.UserKeyUp(vk, ModelShift(e->modifiers())); });
            return false;
        }
        if (event != grid_.openingEvent_) {
            RunUserInput([&] {
                model.UserKeyDown(vk, ModelShift(e->modifiers()));
                const QString text = e->text();
                if (text.size() == 1 && text[0].unicode() < 128)
                    model.UserKeyPress(static_cast<char>(text[0].unicode()));
            });
        }
        if (!EndsEdit(*e, *editor)) return false;
        const QModelIndex index = grid_.currentIndex();
        if (e->key() == Qt::Key_Escape && S(editor->text()) != grid_.textBeforeEdit_) {
            const std::string before = grid_.textBeforeEdit_;
            RunUserInput([&] { model.UserSetEditText(index.column(), index.row(), before); });
        }
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
        int col = index.column(), row = index.row();
        if (grid_.NextCell(e->key(), col, row)) grid_.setCurrentCell(row, col);
        return true;
    }

private:
    static constexpr const char* kOpened = "tubalyxEditorOpened";

    static bool EndsEdit(const QKeyEvent& e, const QLineEdit& editor) {
        switch (e.key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Escape:
            case Qt::Key_Up:
            case Qt::Key_Down: return true;
            // Left and Right move the caret inside the text, and leave the cell at its ends.
            case Qt::Key_Left: return editor.cursorPosition() == 0 && !editor.hasSelectedText();
            case Qt::Key_Right: return editor.cursorPosition() == editor.text().size() && !editor.hasSelectedText();
            default: return false;
        }
    }

    GridWidget& grid_;
};

GridWidget::GridWidget(TStringGrid& grid, QWidget* parent) : QTableWidget(parent), grid_(grid) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    // Columns beyond the grid's width are scrolled to; the model places cells by pixels.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFrameShape(QFrame::NoFrame);
    // A text longer than its cell is cut at the cell's edge, as the platform grid draws it.
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setItemDelegate(new CellEditorDelegate(*this));
    // Whether a cell may be edited is the model's to say at the moment of the key (edit()).
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    connect(this, &QTableWidget::cellChanged, this, [this](int row, int col) {
        if (syncing_) return;
        const std::string text = S(item(row, col) ? item(row, col)->text() : QString());
        if (text != grid_.Cell(col, row)) RunUserInput([&] { grid_.UserSetEditText(col, row, text); });
    });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
        if (syncing_ || row < 0 || col < 0) return;
        bool selected = false;
        RunUserInput([&] { selected = grid_.UserSelectCell(col, row); });
        if (!selected) {
            syncing_ = true;
            setCurrentCell(grid_.Row(), grid_.Col());
            syncing_ = false;
        }
    });
}

QPoint GridWidget::ContentPoint(QPoint viewportPoint) const {
    return viewportPoint + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

// Tab moves on from a cell being edited; from the grid itself it goes on to the page's next
// control, so that no grid keeps the keyboard from the controls after it. The keyboard of a grid
// the window hides stays where Qt's own table puts it.
bool GridWidget::focusNextPrevChild(bool next) {
    if (ViewSyncScope::Active()) return QTableWidget::focusNextPrevChild(next);
    return QAbstractScrollArea::focusNextPrevChild(next);
}

bool GridWidget::Fixed(int col, int row) const { return row < grid_.FixedRows() || col < grid_.FixedCols(); }

bool GridWidget::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A refused edit is not opened; Qt's own triggers (a commit, a focus change) still reach it.
    const bool opening = trigger != QAbstractItemView::NoEditTriggers && (editTriggers() & trigger);
    if (opening && (!index.isValid() || !grid_.Editing() || !grid_.Enabled() || Fixed(index.column(), index.row())))
        return false;
    if (!opening) return QTableWidget::edit(index, trigger, event);
    replaceText_ = trigger == QAbstractItemView::AnyKeyPressed;
    openingEvent_ = event;
    textBeforeEdit_ = grid_.Cell(index.column(), index.row());
    const bool opened = QTableWidget::edit(index, trigger, event);
    openingEvent_ = nullptr;
    replaceText_ = false;
    return opened;
}

bool GridWidget::NextCell(int key, int& col, int& row) const {
    const int firstCol = std::min(grid_.FixedCols(), columnCount() - 1);
    int c = col, r = row;
    switch (key) {
        case Qt::Key_Tab:
            if (++c >= columnCount()) c = firstCol, ++r;
            break;
        case Qt::Key_Backtab:
            if (--c < firstCol) c = columnCount() - 1, --r;
            break;
        case Qt::Key_Up: --r; break;
        case Qt::Key_Down: ++r; break;
        case Qt::Key_Left: --c; break;
        case Qt::Key_Right: ++c; break;
        default: return false;
    }
    if (c < 0 || r < 0 || c >= columnCount() || r >= rowCount()) return false;
    col = c;
    row = r;
    return true;
}

void GridWidget::SyncFromModel() {
    syncing_ = true;
    setRowCount(grid_.RowCount());
    setColumnCount(grid_.ColCount());
    setShowGrid(grid_.GridLineWidth() > 0);
    for (int c = 0; c < grid_.ColCount(); ++c) setColumnWidth(c, grid_.ColWidth(c) + grid_.GridLineWidth());
    for (int r = 0; r < grid_.RowCount(); ++r) {
        const int h = grid_.RowHeight(r);
        setRowHidden(r, h == 0);
        if (h > 0) setRowHeight(r, h + grid_.GridLineWidth());
        for (int c = 0; c < grid_.ColCount(); ++c) {
            const QString text = Q(grid_.Cell(c, r));
            QTableWidgetItem* it = item(r, c);
            if (!it) {
                it = new QTableWidgetItem;
                setItem(r, c, it);
            }
            if (it->text() != text) it->setText(text);
            const bool fixed = Fixed(c, r);
            it->setBackground(fixed ? ToQColor(clBtnFace) : ToQColor(grid_.Color()));
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (!fixed) flags |= Qt::ItemIsEditable;
            it->setFlags(flags);
        }
    }
    // The grid line after the last column (row) may fall outside the grid, as the platform grid
    // clips it: a scroll bar for that line alone would cover the last row (column).
    int width = 0, height = 0;
    for (int c = 0; c < columnCount(); ++c) width += columnWidth(c);
    for (int r = 0; r < rowCount(); ++r)
        if (!isRowHidden(r)) height += rowHeight(r);
    const int line = grid_.GridLineWidth();
    const bool fits = width <= grid_.ClientWidth() + line && height <= grid_.ClientHeight() + line;
    setHorizontalScrollBarPolicy(fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    if (grid_.Row() < rowCount() && grid_.Col() < columnCount()) setCurrentCell(grid_.Row(), grid_.Col());
    syncing_ = false;
}

namespace {
QTextCharFormat FormatOf(const TTextAttributes& a) {
    QTextCharFormat format;
    TFont font;
    font.Name = a.Name;
    font.Size = a.Size;
    font.Bold = a.Style.Bold;
    font.Italic = a.Style.Italic;
    font.Underline = a.Style.Underline;
    font.StrikeOut = a.Style.StrikeOut;
    format.setFont(ToQFont(font));
    format.setForeground(ToQColor(a.Color));
    return format;
}

// The model counts a line's columns in characters, Qt in UTF-16 units: a character beyond the
// basic plane takes two units.
int ModelColumn(const QString& line, int qtColumn) {
    const int end = std::clamp(qtColumn, 0, static_cast<int>(line.size()));
    int characters = 0;
    for (int i = 0; i < end; ++i, ++characters)
        if (line[i].isHighSurrogate() && i + 1 < end && line[i + 1].isLowSurrogate()) ++i;
    return characters;
}

int QtColumn(const QString& line, int modelColumn) {
    int i = 0;
    for (int characters = 0; i < line.size() && characters < modelColumn; ++i, ++characters)
        if (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) ++i;
    return i;
}

TTextAttributes AttributesOf(const QTextCharFormat& format) {
    TTextAttributes a;
    const QFont font = format.font();
    a.Name = S(font.family());
    a.Size = font.pixelSize() > 0 ? (font.pixelSize() * 72 + 48) / PixelsPerInch : font.pointSize();
    a.Style.Bold = font.bold();
    a.Style.Italic = font.italic();
    a.Style.Underline = font.underline();
    a.Style.StrikeOut = font.strikeOut();
    a.Color = FromQColor(format.foreground().color());
    return a;
}

void InsertRuns(QTextCursor& cursor, const TRichLine& line) {
    for (const TTextRun& run : line) cursor.insertText(Q(run.Text), FormatOf(run.Attributes));
}
}  // namespace

RichEditWidget::RichEditWidget(TRichEdit& edit, QWidget* parent) : QTextEdit(parent), edit_(edit) {
    setLineWrapMode(QTextEdit::NoWrap);
    setAcceptRichText(false);
    // A rich edit takes no tab characters: Tab and Shift+Tab move on along the window's tab chain.
    setTabChangesFocus(true);
    edit_.KeepChangeLog(true);
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (syncing_) return;
        const TRichContent typed = ContentFromDocument();
        shownLines_ = static_cast<int>(typed.Lines.size());
        RunUserInput([&] { edit_.SetContent(typed); });
        edit_.TakeChanges();  // the document already shows what the model now holds
    });
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (syncing_) return;
        const QTextCursor cursor = textCursor();
        auto modelPosition = [this](int qtPosition) {
            const QTextBlock block = document()->findBlock(qtPosition);
            return edit_.LineStartText(block.blockNumber()) + ModelColumn(block.text(), qtPosition - block.position());
        };
        const TextPos start = modelPosition(cursor.selectionStart());
        const TextPos end = modelPosition(cursor.selectionEnd());
        syncing_ = true;
        edit_.SetSelStart(start);
        edit_.SetSelLength(end - start);
        syncing_ = false;
    });
}

RichEditWidget::~RichEditWidget() { edit_.KeepChangeLog(false); }

void RichEditWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    // A press inside the selection would wait for a drag and move the caret only on release;
    // the report's selection is made click by click, so the caret goes to the click now.
    if (event->button() == Qt::LeftButton) setTextCursor(cursorForPosition(p));
    QTextEdit::mousePressEvent(event);
    RunUserInput(
        [&] { edit_.UserMouseDown(ModelButton(event->button()), ModelShift(event->modifiers()), p.x(), p.y()); });
}

TRichContent RichEditWidget::ContentFromDocument() const {
    TRichContent content;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        TRichLine runs;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && !fragment.text().isEmpty())
                runs.push_back({S(fragment.text()), AttributesOf(fragment.charFormat())});
        }
        content.Lines.push_back(std::move(runs));
    }
    // An empty document still holds one empty block.
    if (content.Lines.size() == 1 && content.Lines[0].empty()) content.Lines.clear();
    return content;
}

void RichEditWidget::Rebuild() {
    ++rebuilds_;
    clear();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    const auto& lines = edit_.Content().Lines;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) cursor.insertBlock();
        InsertRuns(cursor, lines[i]);
    }
    cursor.endEditBlock();
    shownLines_ = edit_.LineCount();
}

bool RichEditWidget::ApplyStep(QTextCursor& cursor, const TRichEditChange& step) {
    QTextDocument* doc = document();
    const int count = step.What == TRichEditChange::Kind::Remove ? step.Count : static_cast<int>(step.Lines.size());
    if (step.Line < 0 || count < 0) return false;
    if (count == 0) return true;
    switch (step.What) {
        case TRichEditChange::Kind::Insert: {
            if (step.Line > shownLines_) return false;
            if (shownLines_ == 0) {
                // The empty document's one block takes the first line.
                cursor.setPosition(0);
                for (int i = 0; i < count; ++i) {
                    if (i > 0) cursor.insertBlock();
                    InsertRuns(cursor, step.Lines[i]);
                }
            } else if (step.Line > 0) {
                // Each new line becomes a block of its own after the line before it.
                const QTextBlock before = doc->findBlockByNumber(step.Line - 1);
                cursor.setPosition(before.position() + before.length() - 1);
                for (const TRichLine& line : step.Lines) {
                    cursor.insertBlock();
                    InsertRuns(cursor, line);
                }
            } else {
                // In front of the first line: each line is written at the start and split off.
                cursor.setPosition(0);
                for (const TRichLine& line : step.Lines) {
                    InsertRuns(cursor, line);
                    cursor.insertBlock();
                }
            }
            shownLines_ += count;
            return true;
        }
        case TRichEditChange::Kind::Remove: {
            if (step.Line + count > shownLines_) return false;
            if (count == shownLines_) {
                cursor.select(QTextCursor::Document);
                cursor.removeSelectedText();
            } else if (step.Line + count < shownLines_) {
                cursor.setPosition(doc->findBlockByNumber(step.Line).position());
                cursor.setPosition(doc->findBlockByNumber(step.Line + count).position(), QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
            } else {
                // The last lines go with the break that ends the line before them.
                const QTextBlock before = doc->findBlockByNumber(step.Line - 1);
                cursor.setPosition(before.position() + before.length() - 1);
                cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
            }
            shownLines_ -= count;
            return true;
        }
        case TRichEditChange::Kind::Replace: {
            if (step.Line + count > shownLines_) return false;
            QTextBlock block = doc->findBlockByNumber(step.Line);
            for (int i = 0; i < count; ++i, block = block.next()) {
                cursor.setPosition(block.position());
                cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
                InsertRuns(cursor, step.Lines[i]);
                block = cursor.block();
            }
            return true;
        }
    }
    return false;
}

bool RichEditWidget::ApplyTextChanges(const TRichEditChanges& changes) {
    if (changes.Reset) {
        Rebuild();
        return true;
    }
    if (changes.Edits.empty()) return false;
    // The steps are the program's own writing, not the user's: nothing of them to undo.
    document()->setUndoRedoEnabled(false);
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    bool applied = true;
    for (const TRichEditChange& step : changes.Edits)
        if (!(applied = ApplyStep(cursor, step))) break;
    cursor.endEditBlock();
    document()->setUndoRedoEnabled(true);
    // A log that does not fit what is shown is not trusted: the model's text is.
    if (!applied || shownLines_ != edit_.LineCount()) Rebuild();
    // A run empties the report and writes the new one in front of the earlier ones.
    return std::any_of(changes.Edits.begin(), changes.Edits.end(), [](const TRichEditChange& step) {
        return step.Line == 0 && step.What != TRichEditChange::Kind::Replace;
    });
}

void RichEditWidget::ShowSelection(bool fromTheTop) {
    auto qtPosition = [this](TextPos p) {
        int line = 0, column = 0;
        edit_.LineAndColumn(p, line, column);
        if (line >= edit_.LineCount()) return document()->characterCount() - 1;
        const QTextBlock block = document()->findBlockByNumber(line);
        return block.position() + QtColumn(block.text(), column);
    };
    QTextCursor cursor(document());
    cursor.setPosition(qtPosition(edit_.SelStart()));
    cursor.setPosition(qtPosition(edit_.SelStart() + edit_.SelLength()), QTextCursor::KeepAnchor);
    // The selection the program sets is only shown: the view stays where the user left it,
    // or, when the report was written afresh, shows its beginning, the newest report, where the
    // window's own scrolling expects it. A run puts the caret on the output heading of the
    // oldest report, far below the newest.
    const int vertical = fromTheTop ? 0 : verticalScrollBar()->value();
    const int horizontal = fromTheTop ? 0 : horizontalScrollBar()->value();
    setTextCursor(cursor);
    verticalScrollBar()->setValue(vertical);
    horizontalScrollBar()->setValue(horizontal);
}

void RichEditWidget::ShowLine(int line) {
    const QTextBlock block = document()->findBlockByNumber(std::min(line, document()->blockCount() - 1));
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    const QRectF place = layout->blockBoundingRect(block);
    if (place.isEmpty()) return;
    // The line above stays in sight too, as the window shows the output heading after a run.
    const int above = block.previous().isValid() ? qRound(layout->blockBoundingRect(block.previous()).height()) : 0;
    // The text scrolls only for a line outside its view: a report shown from its newest run
    // stays so, and the page below brings the line up.
    QScrollBar* bar = verticalScrollBar();
    if (place.top() < bar->value() || place.bottom() > bar->value() + viewport()->height())
        bar->setValue(qRound(place.top()) - above);
    horizontalScrollBar()->setValue(0);
    for (QWidget* holder = parentWidget(); holder; holder = holder->parentWidget()) {
        auto* page = qobject_cast<QScrollArea*>(holder);
        if (!page || !page->widget() || !page->widget()->isAncestorOf(this)) continue;
        const QPoint at = viewport()->mapTo(page->widget(), QPoint(0, qRound(place.top()) - bar->value() - above));
        page->verticalScrollBar()->setValue(at.y());
        page->horizontalScrollBar()->setValue(mapTo(page->widget(), QPoint(0, 0)).x());
        break;
    }
}

void RichEditWidget::SyncFromModel() {
    if (syncing_) return;
    syncing_ = true;
    setReadOnly(edit_.ReadOnly());
    ShowSelection(ApplyTextChanges(edit_.TakeChanges()));
    if (const int line = edit_.TakeLineToShow(); line >= 0) ShowLine(line);
    // The format of the next typed text; with text selected Qt would re-format the selection,
    // which is only highlighted.
    if (!textCursor().hasSelection()) setCurrentCharFormat(FormatOf(edit_.SelAttributes()));
    syncing_ = false;
}

}  // namespace tubalyx
