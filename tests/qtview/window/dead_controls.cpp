#include "dead_controls.h"

#include <QAbstractScrollArea>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>
#include <set>

#include "forms/label.h"
#include "state/keywords.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

// Where a control's text stands, in page coordinates: a label's caption as drawn, the whole
// of an edit, a grid or a text box. Empty for a control that shows no text.
QRect TextArea(const QWidget* w, const QWidget* page) {
    const QRect whole(w->mapTo(page, QPoint(0, 0)), w->size());
    if (auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().trimmed().isEmpty()) return {};
        const QRect text(whole.topLeft(), QSize(label->fontMetrics().horizontalAdvance(label->text()), whole.height()));
        return text.intersected(whole);
    }
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractScrollArea*>(w)) return whole;
    return {};
}

// A control the program puts in front of others on purpose (the start text over the page, the
// property box over the composition grid, a diagram over the questionnaire) hides what is below.
int FrontOf(const TControl* c) {
    if (auto* memo = dynamic_cast<const TMemo*>(c)) return memo->FrontCount();
    return c->FrontCount();
}
bool Covers(const TControl* front, const TControl* back) { return FrontOf(front) > FrontOf(back); }

bool EditShowsItsStart(const QLineEdit& edit) {
    if (edit.hasFocus() || edit.cursorPosition() == 0) return true;
    const QFontMetrics metrics(edit.font());
    return metrics.horizontalAdvance(edit.text()) < edit.contentsRect().width() - 4;
}

// Every column the model gives a width lies in the grid's view or can be scrolled to.
std::string UnreachableColumn(const QTableWidget& table) {
    const int reach = table.viewport()->width() + table.horizontalScrollBar()->maximum();
    for (int c = 0; c < table.columnCount(); ++c) {
        if (table.columnWidth(c) == 0) continue;
        if (table.horizontalHeader()->sectionPosition(c) + table.columnWidth(c) > reach + 1)
            return "column " + std::to_string(c) + " (" + table.item(0, c)->text().toStdString() + ")";
    }
    return {};
}

// A grid the model makes wide (high) enough for all its columns (rows), the grid line after the
// last one aside, shows them without a scroll bar, which would cover its last row (column).
std::string NeedlessScrollBar(const TStringGrid& grid, const QTableWidget& table) {
    int width = 0, height = 0;
    for (int c = 0; c < grid.ColCount(); ++c) width += grid.ColWidth(c) + grid.GridLineWidth();
    for (int r = 0; r < grid.RowCount(); ++r)
        if (grid.RowHeight(r) > 0) height += grid.RowHeight(r) + grid.GridLineWidth();
    const bool fitsWide = width <= grid.ClientWidth() + grid.GridLineWidth();
    const bool fitsHigh = height <= grid.ClientHeight() + grid.GridLineWidth();
    if (fitsWide && fitsHigh && table.horizontalScrollBar()->isVisible()) return "a horizontal scroll bar";
    if (fitsWide && fitsHigh && table.verticalScrollBar()->isVisible()) return "a vertical scroll bar";
    return {};
}

// Menu items left without a caption on purpose: the solutions the valve page does not offer,
// the fittings the standard and device have no name for, the note on absolute pressure that
// the differential-pressure units drop.
bool EmptyOnPurpose(const QAction& action) {
    static const std::set<std::string> valve = {"Differenstryck1", "Tryckfrlust1", "Optimalkonstruktion1"};
    static const std::set<std::string> always = {"bestyck1",  "bestyck2",  "bestyck3",  "bestyck4",  "bestyck5",
                                                 "bestyck6",  "bestyck7",  "bestyck8",  "bestyck9",  "bestyck10",
                                                 "bestyck11", "bestyck12", "bestyck13", "bestyck14", "frklaring"};
    const std::string name = action.objectName().toStdString();
    return always.count(name) || (valve.count(name) && CalcFunction == kFunctionValve);
}

}  // namespace

std::vector<std::string> DeadControls(const MainWindow& window) {
    std::vector<std::string> faults;
    const QWidget* page = qobject_cast<const QScrollArea*>(window.centralWidget())->widget();
    struct Shown {
        const TControl* control;
        const QWidget* widget;
        QRect text;
    };
    std::vector<Shown> shown;
    for (const TControl* c : Form1().Controls()) {
        const QWidget* w = window.WidgetFor(c);
        if (!w || !w->isVisible()) continue;
        const std::string name = c->Name();
        const QRect place(w->mapTo(page, QPoint(0, 0)), w->size());
        if (w->width() <= 0 || w->height() <= 0)
            faults.push_back(name + " has no size: " + std::to_string(w->width()) + "x" + std::to_string(w->height()));
        else if (!page->rect().contains(place))
            faults.push_back(name + " lies outside the page");
        if (auto* label = dynamic_cast<const TLabel*>(c);
            label && label->OnClick && qobject_cast<const QLabel*>(w)->text().trimmed().isEmpty())
            faults.push_back(name + " is clickable but has no caption");
        if (auto* label = qobject_cast<const QLabel*>(w);
            label && label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width() + 1)
            faults.push_back(name + " cuts off its caption \"" + label->text().toStdString() + "\"");
        if (auto* edit = qobject_cast<const QLineEdit*>(w); edit && !EditShowsItsStart(*edit))
            faults.push_back(name + " shows the end of \"" + edit->text().toStdString() + "\"");
        if (auto* table = qobject_cast<const QTableWidget*>(w)) {
            const std::string column = UnreachableColumn(*table);
            if (!column.empty()) faults.push_back(name + " cannot show its " + column);
            const std::string bar = NeedlessScrollBar(dynamic_cast<const TStringGrid&>(*c), *table);
            if (!bar.empty()) faults.push_back(name + " holds all its cells but shows " + bar);
        }
        const QRect text = TextArea(w, page);
        if (!text.isEmpty()) shown.push_back({c, w, text});
    }
    // A menu row the user can click shows what it does, unless it is left empty on purpose.
    for (const QMenu* menu : window.findChildren<const QMenu*>())
        for (const QAction* action : menu->actions())
            if (action->isVisible() && !action->isSeparator() && action->text().trimmed().isEmpty() &&
                !EmptyOnPurpose(*action))
                faults.push_back("an item of the menu \"" + menu->title().toStdString() + "\" (" +
                                 action->objectName().toStdString() + ") has no caption");
    for (size_t i = 0; i < shown.size(); ++i) {
        for (size_t j = i + 1; j < shown.size(); ++j) {
            const Shown &a = shown[i], &b = shown[j];
            // Lines that touch only in the band below the baseline of the upper one do not
            // cover each other's letters.
            const int descent = std::min(a.widget->fontMetrics().descent(), b.widget->fontMetrics().descent());
            if (a.text.intersected(b.text).height() <= descent || a.widget->isAncestorOf(b.widget) ||
                b.widget->isAncestorOf(a.widget) || Covers(a.control, b.control) || Covers(b.control, a.control))
                continue;
            faults.push_back(a.control->Name() + " and " + b.control->Name() + " overlap their texts");
        }
    }
    return faults;
}

}  // namespace tubalyx
