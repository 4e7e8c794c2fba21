#include "qtview/control_widgets.h"

#include <algorithm>

#include <QHeaderView>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include "qtview/canvas_painter.h"
#include "qtview/qt_conversions.h"

namespace tubalyx {

PaintBoxWidget::PaintBoxWidget(TPaintBox& box, QWidget* parent) : QWidget(parent), box_(box) {}

void PaintBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    ReplayCanvas(painter, box_.Canvas().Ops(), box_.Canvas().PixelsPerInch);
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
    connect(up, &QToolButton::clicked, this, [&upDown] { upDown.UserClick(TUDBtnType::btNext); });
    connect(down, &QToolButton::clicked, this, [&upDown] { upDown.UserClick(TUDBtnType::btPrev); });
}

GridWidget::GridWidget(TStringGrid& grid, QWidget* parent) : QTableWidget(parent), grid_(grid) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    connect(this, &QTableWidget::cellChanged, this, [this](int row, int col) {
        if (syncing_) return;
        grid_.UserSetEditText(col, row, S(item(row, col) ? item(row, col)->text() : QString()));
    });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
        if (syncing_ || row < 0 || col < 0) return;
        if (!grid_.UserSelectCell(col, row)) {
            syncing_ = true;
            setCurrentCell(grid_.Row(), grid_.Col());
            syncing_ = false;
        }
    });
}

void GridWidget::SyncFromModel() {
    syncing_ = true;
    setRowCount(grid_.RowCount());
    setColumnCount(grid_.ColCount());
    setEditTriggers(grid_.Editing() ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
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
            const bool fixed = r < grid_.FixedRows() || c < grid_.FixedCols();
            it->setBackground(fixed ? ToQColor(clBtnFace) : ToQColor(grid_.Color()));
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (!fixed && grid_.Editing()) flags |= Qt::ItemIsEditable;
            it->setFlags(flags);
        }
    }
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

// The model counts positions in characters, Qt in UTF-16 units: a character beyond the
// basic plane takes two units. The line break is one of either.
int ModelPosition(const QString& text, int qtPosition) {
    const int end = std::clamp(qtPosition, 0, static_cast<int>(text.size()));
    int characters = 0;
    for (int i = 0; i < end; ++i, ++characters)
        if (text[i].isHighSurrogate() && i + 1 < end && text[i + 1].isLowSurrogate()) ++i;
    return characters;
}

int QtPosition(const QString& text, int modelPosition) {
    int i = 0;
    for (int characters = 0; i < text.size() && characters < modelPosition; ++i, ++characters)
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
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
}  // namespace

RichEditWidget::RichEditWidget(TRichEdit& edit, QWidget* parent) : QTextEdit(parent), edit_(edit) {
    setLineWrapMode(QTextEdit::NoWrap);
    setAcceptRichText(false);
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (syncing_) return;
        shown_ = ContentFromDocument();
        edit_.SetContent(shown_);
    });
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (syncing_) return;
        const QTextCursor cursor = textCursor();
        const QString text = toPlainText();
        const int start = ModelPosition(text, cursor.selectionStart());
        syncing_ = true;
        edit_.SetSelStart(start);
        edit_.SetSelLength(ModelPosition(text, cursor.selectionEnd()) - start);
        syncing_ = false;
    });
}

TRichContent RichEditWidget::ContentFromDocument() const {
    TRichContent content;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        std::vector<TTextRun> runs;
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

void RichEditWidget::SyncFromModel() {
    if (syncing_) return;
    syncing_ = true;
    setReadOnly(edit_.ReadOnly());
    if (!(shown_ == edit_.Content())) {
        shown_ = edit_.Content();
        clear();
        QTextCursor cursor(document());
        for (size_t i = 0; i < shown_.Lines.size(); ++i) {
            if (i > 0) cursor.insertBlock();
            for (const TTextRun& run : shown_.Lines[i]) cursor.insertText(Q(run.Text), FormatOf(run.Attributes));
        }
    }
    QTextCursor cursor(document());
    const QString text = toPlainText();
    cursor.setPosition(QtPosition(text, edit_.SelStart()));
    cursor.setPosition(QtPosition(text, edit_.SelStart() + edit_.SelLength()), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    setCurrentCharFormat(FormatOf(edit_.SelAttributes()));
    syncing_ = false;
}

}  // namespace tubalyx
