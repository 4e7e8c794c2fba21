#include "qtview/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

#include "forms/containers.h"
#include "qtview/control_adapters.h"
#include "qtview/input_forwarder.h"
#include "qtview/qt_conversions.h"
#include "qtview/qt_platform.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {
// The room kept round a control Tab brings into view from above or below.
constexpr int kRoundTabbed = 50;
// Controls side by side closer than this stand in one part of the page.
constexpr int kPartGap = 50;

// The scroll position that shows [start, end) in a view `view` wide standing at `at`: where it is
// already, else the nearest one.
int Nearest(int at, int view, int start, int end) {
    if (start < at) return start;
    if (end > at + view) return end - view;
    return at;
}

// The scrolling page. Tab and Shift+Tab walk the window's own chain, the model's tab order, and
// the page scrolls to the control reached. Qt hands the keyboard of a control being hidden to
// the next one in its own chain; while the window shows the model's changes that move is not
// the user's, and the page stays where the model has put it.
class PageArea : public QScrollArea {
public:
    using NextControl = std::function<QWidget*(bool forward)>;
    PageArea(QWidget* parent, NextControl next) : QScrollArea(parent), next_(std::move(next)) {}

protected:
    bool focusNextPrevChild(bool next) override {
        if (ViewSyncScope::Active()) return QWidget::focusNextPrevChild(next);
        QWidget* reached = next_(next);
        if (!reached) return QScrollArea::focusNextPrevChild(next);
        reached->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        ShowTabbed(QRect(reached->mapTo(widget(), QPoint()), reached->size()));
        return true;
    }

private:
    // The page moves only as far as the control needs to be seen. Up and down it comes with
    // some of the page round it, from its top: the report, far higher than the window, shows its
    // first lines. Sideways nothing moves while it is seen, and one the view cannot hold shows
    // from its left edge. One brought in from beside the view comes with the left edge of its
    // part of the page (the controls beside it, one next to the other, that fit the view with it)
    // on the view's left edge, as the part's menu entry shows it: no empty strip on the left.
    void ShowTabbed(const QRect& place) {
        const QSize view = viewport()->size();
        const int high = std::min(place.height(), std::max(1, view.height() - 2 * kRoundTabbed));
        verticalScrollBar()->setValue(Nearest(verticalScrollBar()->value(), view.height(), place.top() - kRoundTabbed,
                                              place.top() + high + kRoundTabbed));
        const int at = horizontalScrollBar()->value();
        const int end = place.left() + place.width();
        if (place.width() > view.width()) {
            // Seen while it fills the view but for the room kept round a control.
            const int seen = std::min(end, at + view.width()) - std::max(place.left(), at);
            if (seen < view.width() - 2 * kRoundTabbed) horizontalScrollBar()->setValue(place.left());
            return;
        }
        if (Nearest(at, view.width(), place.left(), end) == at) return;
        const QRect band(0, verticalScrollBar()->value(), widget()->width(), view.height());
        std::vector<QRect> beside;
        for (const QWidget* w : widget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w->isVisible() && !w->size().isEmpty() && w->geometry().intersects(band) &&
                w->x() >= end - view.width())
                beside.push_back(w->geometry());
        // Each pass takes in the controls that reach the part from its left; the part grows by
        // at least one of them or stands.
        int left = place.left();
        for (size_t pass = 0, grown = 1; pass <= beside.size() && grown; ++pass) {
            grown = 0;
            for (const QRect& r : beside) {
                if (r.left() < left && r.left() + r.width() + kPartGap >= left) {
                    left = r.left();
                    ++grown;
                }
            }
        }
        horizontalScrollBar()->setValue(left);
    }

    NextControl next_;
};
}  // namespace

MainWindow::MainWindow(TForm1& form, QWidget* parent) : QMainWindow(parent), form_(form) {
    scroll_ = new PageArea(this, [this](bool forward) { return NextInTabChain(forward); });
    // A click on a label leaves the keyboard where it was: the page takes no focus.
    scroll_->setFocusPolicy(Qt::NoFocus);
    page_ = new QWidget;
    page_->setAutoFillBackground(true);
    scroll_->setWidget(page_);
    setCentralWidget(scroll_);
    BuildWidgets();
    BuildMenus();
    // Clicks on the empty form reach the form's own mouse events.
    page_->installEventFilter(new InputForwarder(form_, page_));
    connect(scroll_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (!syncing_) RunUserInput([&] { form_.SetVertScrollPosition(v); });
    });
    connect(scroll_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (!syncing_) RunUserInput([&] { form_.SetHorzScrollPosition(v); });
    });
    TControl::SetChangeListener([this](TControl& c) { ModelChanged(c); });
    TForm::SetImagePrinter([this](TForm&) {
        SyncNow();
        return PrintImage(grab().toImage());
    });
    if (form_.Width() > 0 && form_.Height() > 0) resize(form_.Width(), form_.Height());
    SyncFromModel();
}

MainWindow::~MainWindow() {
    TControl::SetChangeListener(nullptr);
    TForm::SetImagePrinter(nullptr);
}

void MainWindow::BuildWidgets() {
    // Group-box children go into the box's widget, so the box is built before them.
    for (TControl* c : form_.Controls()) {
        const ControlAdapter* adapter = AdapterFor(*c);
        if (!adapter) continue;
        QWidget* parent = page_;
        if (c->Parent() && c->Parent() != &form_)
            if (QWidget* box = WidgetFor(c->Parent())) parent = box;
        QWidget* w = adapter->Create(*c, parent);
        w->setObjectName(Q(c->Name()));
        if (adapter->ForwardsInput()) {
            auto* forwarder = new InputForwarder(*c, w);
            w->installEventFilter(forwarder);
            if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) area->viewport()->installEventFilter(forwarder);
        }
        shown_[c] = {w, adapter};
    }
}

void MainWindow::AddItems(QMenu* menu, TMenuItem& holder) {
    for (const auto& child : holder.Items()) {
        TMenuItem* item = child.get();
        QAction* action = nullptr;
        if (!item->Items().empty()) {
            QMenu* sub = menu->addMenu(QString());
            AddItems(sub, *item);
            action = sub->menuAction();
        } else {
            action = menu->addAction(QString());
            connect(action, &QAction::triggered, this, [item] { RunUserInput([item] { item->Click(); }); });
        }
        action->setObjectName(Q(item->Name()));
        actions_[item] = action;
        itemsByControl_[item] = item;
    }
}

void MainWindow::BuildMenus() {
    for (const auto& child : form_.Meny.Items()) {
        TMenuItem* item = child.get();
        QAction* action = nullptr;
        if (!item->Items().empty()) {
            QMenu* sub = menuBar()->addMenu(QString());
            AddItems(sub, *item);
            action = sub->menuAction();
        } else {
            action = menuBar()->addAction(QString());
            connect(action, &QAction::triggered, this, [item] { RunUserInput([item] { item->Click(); }); });
        }
        action->setObjectName(Q(item->Name()));
        actions_[item] = action;
        itemsByControl_[item] = item;
    }
    for (TPopupMenu* popup : form_.PopupMenus()) {
        auto* menu = new QMenu(this);
        menu->setObjectName(Q(popup->Name()));
        AddItems(menu, *popup);
        popups_[popup] = menu;
        popupsByControl_[popup] = popup;
        popupCounts_[popup] = popup->PopupCount();
    }
}

QWidget* MainWindow::WidgetFor(const TControl* control) const {
    auto it = shown_.find(control);
    return it == shown_.end() ? nullptr : it->second.widget;
}

QAction* MainWindow::ActionFor(const TMenuItem* item) const {
    auto it = actions_.find(item);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindow::MenuFor(const TPopupMenu* menu) const {
    auto it = popups_.find(menu);
    return it == popups_.end() ? nullptr : it->second;
}

void MainWindow::ModelChanged(TControl& control) {
    dirty_.insert(&control);
    if (flushScheduled_) return;
    flushScheduled_ = true;
    QTimer::singleShot(0, this, [this] { SyncNow(); });
}

void MainWindow::SyncNow() {
    const ViewSyncScope sync;
    flushScheduled_ = false;
    std::set<TControl*> dirty;
    dirty.swap(dirty_);
    // A change of the form's font reaches every control that takes it.
    if (dirty.count(&form_)) {
        SyncFromModel();
        return;
    }
    // Only pointers known to the window are followed; other controls may be gone.
    for (TControl* c : dirty) {
        if (auto it = shown_.find(c); it != shown_.end()) {
            SyncControl(*c);
            for (TControl* dependent : it->second.adapter->Dependents(*c)) SyncControl(*dependent);
            continue;
        }
        if (auto it = itemsByControl_.find(c); it != itemsByControl_.end()) SyncAction(*it->second);
        if (auto it = popupsByControl_.find(c); it != popupsByControl_.end()) {
            TPopupMenu* popup = it->second;
            if (popup->PopupCount() != popupCounts_[popup]) {
                popupCounts_[popup] = popup->PopupCount();
                // The model places pop-ups on its own screen, where the form's outer corner is
                // (Left, Top) and the title bar FrameHeight: the point goes to the same place
                // of the page on the real screen.
                const int frame = form_.Height() - form_.ClientHeight();
                const QPoint onPage(popup->PopupX() - form_.Left(), popup->PopupY() - form_.Top() - frame);
                popups_[popup]->popup(page_->mapToGlobal(onPage));
            }
        }
    }
    ApplyTabOrder();
    Restack();
    ApplyFocus();
}

// The control the model gives the focus has the keyboard, so that keys (Ctrl+C after "Select
// all") reach it. A widget that holds the focus inside itself (a grid's cell editor) keeps it.
// An edit given the keyboard this way has its whole text selected, as the platform's edit on
// entry, so that typing replaces the value; the caret stands at the start, which stays in view.
// Where the model's control is not on the screen (or there is none), the widget Qt gave the
// keyboard keeps it, and the model hears of that as of the user's move.
void MainWindow::ApplyFocus() {
    QWidget* current = QApplication::focusWidget();
    // The menu bar has the keyboard while the user walks it with the keys; it hands it back
    // when its menu closes, and the control the model chose then takes it.
    if (current == menuBar()) return;
    QWidget* w = WidgetFor(TControl::FocusedControl());
    if (w && w->isVisible()) {
        if (current == w || w->isAncestorOf(current)) return;
        w->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setSelection(edit->text().size(), -edit->text().size());
        return;
    }
    if (!current) return;
    for (const auto& [control, shown] : shown_)
        if (shown.widget == current && shown.adapter->ForwardsInput()) {
            RunUserInput([c = const_cast<TControl*>(control)] { c->SetFocus(); });
            return;
        }
}

// Controls brought to the front are raised in the order the model brought them there, so a
// legend placed after its paint box stays in front of it however the changes arrive.
void MainWindow::Restack() {
    std::vector<std::pair<int, QWidget*>> fronts;
    int latest = 0;
    for (const auto& [control, shown] : shown_) {
        if (control->FrontCount() == 0) continue;
        fronts.emplace_back(control->FrontCount(), shown.widget);
        latest = std::max(latest, control->FrontCount());
    }
    if (latest <= frontApplied_) return;
    frontApplied_ = latest;
    std::sort(fronts.begin(), fronts.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& front : fronts) front.second->raise();
}

void MainWindow::SyncForm() {
    syncing_ = true;
    setWindowTitle(Q(form_.Caption()));
    QPalette palette = page_->palette();
    palette.setColor(QPalette::Window, ToQColor(form_.Color()));
    page_->setPalette(palette);
    const int width = std::max(form_.HorzScrollBar().Range, form_.ClientWidth());
    const int height = std::max(form_.VertScrollBar().Range, form_.ClientHeight());
    page_->resize(std::max(width, 1), std::max(height, 1));
    scroll_->horizontalScrollBar()->setValue(form_.HorzScrollBar().Position);
    scroll_->verticalScrollBar()->setValue(form_.VertScrollBar().Position);
    syncing_ = false;
}

void MainWindow::SyncFromModel() {
    const ViewSyncScope sync;
    SyncForm();
    for (auto& [control, shown] : shown_) SyncControl(*const_cast<TControl*>(control));
    for (auto& [item, action] : actions_) SyncAction(*const_cast<TMenuItem*>(item));
    ApplyTabOrder();
    Restack();
    ApplyFocus();
}

// The Tab key walks the controls as the form orders them: the controls of one parent by their
// tab order (in the order they were made on a tie), a box's own controls in the place of the box.
void MainWindow::AppendTabChain(const TControl& parent, std::vector<QWidget*>& chain) const {
    std::vector<TControl*> children;
    for (TControl* c : form_.Controls())
        if (c->Parent() == &parent) children.push_back(c);
    std::stable_sort(children.begin(), children.end(),
                     [](const TControl* a, const TControl* b) { return a->TabOrder() < b->TabOrder(); });
    for (TControl* c : children) {
        if (dynamic_cast<TGroupBox*>(c)) {
            AppendTabChain(*c, chain);
            continue;
        }
        if (auto it = shown_.find(c); it != shown_.end() && it->second.adapter->InTabChain(*c))
            chain.push_back(it->second.widget);
    }
}

// A control Tab may reach: shown on the page with a size, enabled and taking the keyboard. The
// printing set-up's page head and foot stand alone at the far end of the page, below the
// report's free screen: they are reached only while the page shows them.
bool MainWindow::TabReachable(QWidget* w) const {
    if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || w->size().isEmpty()) return false;
    const QRect onPage(w->mapTo(page_, QPoint()), w->size());
    if (!page_->rect().intersects(onPage)) return false;
    if (w != WidgetFor(&form_.RichEdit2) && w != WidgetFor(&form_.RichEdit3)) return true;
    const QRect shown(-page_->pos(), scroll_->viewport()->size());
    return shown.intersects(onPage);
}

// The control after (before) the one with the keyboard in the window's chain that Tab may
// reach, round the chain's end; nullptr when the keyboard is outside the chain or none other is.
QWidget* MainWindow::NextInTabChain(bool forward) const {
    // The window's own keyboard widget: the keys reach it even where no window is active.
    QWidget* focus = focusWidget();
    const int n = static_cast<int>(tabChain_.size());
    int at = -1;
    for (int i = 0; i < n && at < 0; ++i)
        if (focus && (tabChain_[i] == focus || tabChain_[i]->isAncestorOf(focus))) at = i;
    if (at < 0) return nullptr;
    for (int step = 1; step < n; ++step) {
        QWidget* w = tabChain_[((forward ? at + step : at - step) % n + n) % n];
        if (TabReachable(w)) return w;
    }
    return nullptr;
}

void MainWindow::ApplyTabOrder() {
    std::vector<QWidget*> chain;
    AppendTabChain(form_, chain);
    if (chain == tabChain_) return;
    tabChain_ = chain;
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::SyncAction(TMenuItem& item) {
    QAction* action = ActionFor(&item);
    if (!action) return;
    action->setText(Q(item.Caption()));
    action->setVisible(item.Visible());
    action->setEnabled(item.Enabled());
    action->setCheckable(item.Checked());
    action->setChecked(item.Checked());
    action->setToolTip(Q(item.Hint()));
}

void MainWindow::SyncControl(TControl& c) {
    auto it = shown_.find(&c);
    if (it == shown_.end()) return;
    QWidget* w = it->second.widget;
    w->setGeometry(c.Left(), c.Top(), std::max(0, c.Width()), std::max(0, c.Height()));
    w->setEnabled(c.Enabled());
    w->setToolTip(Q(c.Hint()));
    // A font set again, even the same one, makes a text widget lay its whole text out anew.
    const QFont font = ToQFont(c.Font());
    if (w->font() != font) w->setFont(font);
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, ToQColor(c.Font().Color));
    palette.setColor(QPalette::Text, ToQColor(c.Font().Color));
    it->second.adapter->Sync(c, *w, palette);
    if (palette != w->palette()) w->setPalette(palette);
    w->setVisible(c.Visible());
}

}  // namespace tubalyx
