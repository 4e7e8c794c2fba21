#include "qtview/main_window.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "qtview/control_widgets.h"
#include "qtview/input_forwarder.h"
#include "qtview/qt_conversions.h"
#include "qtview/qt_platform.h"
#include "ui/form1.h"

namespace tubalyx {

MainWindow::MainWindow(TForm1& form, QWidget* parent) : QMainWindow(parent), form_(form) {
    scroll_ = new QScrollArea(this);
    page_ = new QWidget;
    page_->setAutoFillBackground(true);
    scroll_->setWidget(page_);
    setCentralWidget(scroll_);
    BuildWidgets();
    BuildMenus();
    // Clicks on the empty form reach the form's own mouse events.
    page_->installEventFilter(new InputForwarder(form_, page_));
    connect(scroll_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (!syncing_) form_.SetVertScrollPosition(v);
    });
    connect(scroll_->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (!syncing_) form_.SetHorzScrollPosition(v);
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
        QWidget* parent = page_;
        if (c->Parent() && c->Parent() != &form_) {
            auto it = widgets_.find(c->Parent());
            if (it != widgets_.end()) parent = it->second;
        }
        QWidget* w = nullptr;
        if (auto* label = dynamic_cast<TLabel*>(c)) {
            auto* l = new QLabel(parent);
            l->setAutoFillBackground(true);
            w = l;
            (void)label;
        } else if (auto* edit = dynamic_cast<TEdit*>(c)) {
            auto* e = new QLineEdit(parent);
            e->setFrame(false);
            e->setTextMargins(0, 0, 0, 0);
            connect(e, &QLineEdit::textEdited, this, [edit](const QString& text) { edit->UserSetText(S(text)); });
            w = e;
        } else if (auto* grid = dynamic_cast<TStringGrid*>(c)) {
            w = new GridWidget(*grid, parent);
        } else if (auto* rich = dynamic_cast<TRichEdit*>(c)) {
            w = new RichEditWidget(*rich, parent);
        } else if (dynamic_cast<TMemo*>(c)) {
            auto* m = new QPlainTextEdit(parent);
            m->setReadOnly(true);
            w = m;
        } else if (dynamic_cast<TGroupBox*>(c)) {
            w = new QGroupBox(parent);
        } else if (auto* upDown = dynamic_cast<TUpDown*>(c)) {
            w = new UpDownWidget(*upDown, parent);
        } else if (auto* box = dynamic_cast<TPaintBox*>(c)) {
            w = new PaintBoxWidget(*box, parent);
        } else if (auto* button = dynamic_cast<TButton*>(c)) {
            auto* b = new QPushButton(parent);
            connect(b, &QPushButton::clicked, this, [button] { button->Click(); });
            w = b;
        }
        if (!w) continue;
        w->setObjectName(Q(c->Name()));
        // Buttons report their clicks themselves; everything else through the forwarder.
        if (!dynamic_cast<TButton*>(c)) {
            auto* forwarder = new InputForwarder(*c, w);
            w->installEventFilter(forwarder);
            if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) area->viewport()->installEventFilter(forwarder);
        }
        widgets_[c] = w;
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
            connect(action, &QAction::triggered, this, [item] { item->Click(); });
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
            connect(action, &QAction::triggered, this, [item] { item->Click(); });
        }
        action->setObjectName(Q(item->Name()));
        actions_[item] = action;
        itemsByControl_[item] = item;
    }
    for (TMenuItem* m : form_.Menus()) {
        auto* popup = dynamic_cast<TPopupMenu*>(m);
        if (!popup) continue;
        auto* menu = new QMenu(this);
        menu->setObjectName(Q(popup->Name()));
        AddItems(menu, *popup);
        popups_[popup] = menu;
        popupsByControl_[popup] = popup;
        popupCounts_[popup] = popup->PopupCount();
    }
}

QWidget* MainWindow::WidgetFor(const TControl* control) const {
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
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
    flushScheduled_ = false;
    std::set<TControl*> dirty;
    dirty.swap(dirty_);
    // A change of the form's font reaches every control that takes it.
    if (dirty.count(&form_)) {
        SyncFromModel();
        return;
    }
    // Only pointers known to the window are followed; other controls may be gone.
    bool editsChanged = false;
    for (TControl* c : dirty) {
        if (widgets_.count(c)) {
            editsChanged = editsChanged || dynamic_cast<TEdit*>(c) != nullptr;
            SyncControl(*c);
            if (auto* box = dynamic_cast<TGroupBox*>(c))
                for (TControl* child : box->Children()) SyncControl(*child);
            continue;
        }
        if (auto it = itemsByControl_.find(c); it != itemsByControl_.end()) SyncAction(*it->second);
        if (auto it = popupsByControl_.find(c); it != popupsByControl_.end()) {
            TPopupMenu* popup = it->second;
            if (popup->PopupCount() != popupCounts_[popup]) {
                popupCounts_[popup] = popup->PopupCount();
                popups_[popup]->popup(QPoint(popup->PopupX(), popup->PopupY()));
            }
        }
    }
    if (editsChanged) ApplyTabOrder();
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
    SyncForm();
    for (auto& [control, widget] : widgets_) SyncControl(*const_cast<TControl*>(control));
    for (auto& [item, action] : actions_) SyncAction(*const_cast<TMenuItem*>(item));
    ApplyTabOrder();
}

void MainWindow::ApplyTabOrder() {
    // The Tab key walks the edits in their model tab order (declaration order on a tie).
    std::vector<std::pair<int, QWidget*>> chain;
    for (TControl* c : form_.Controls())
        if (dynamic_cast<TEdit*>(c))
            if (QWidget* w = WidgetFor(c)) chain.emplace_back(c->TabOrder(), w);
    std::stable_sort(chain.begin(), chain.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
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
    QWidget* w = WidgetFor(&c);
    if (!w) return;
    w->setGeometry(c.Left(), c.Top(), std::max(0, c.Width()), std::max(0, c.Height()));
    w->setEnabled(c.Enabled());
    w->setToolTip(Q(c.Hint()));
    w->setFont(ToQFont(c.Font()));
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, ToQColor(c.Font().Color));
    palette.setColor(QPalette::Text, ToQColor(c.Font().Color));
    if (auto* label = dynamic_cast<TLabel*>(&c)) {
        auto* l = static_cast<QLabel*>(w);
        if (l->text() != Q(label->Caption())) l->setText(Q(label->Caption()));
        palette.setColor(QPalette::Window, ToQColor(c.Color()));
    } else if (auto* edit = dynamic_cast<TEdit*>(&c)) {
        auto* e = static_cast<QLineEdit*>(w);
        if (e->text() != Q(edit->Text())) e->setText(Q(edit->Text()));
        e->setReadOnly(edit->ReadOnly());
    } else if (auto* grid = dynamic_cast<TStringGrid*>(&c)) {
        static_cast<GridWidget*>(w)->SyncFromModel();
        (void)grid;
    } else if (dynamic_cast<TRichEdit*>(&c)) {
        static_cast<RichEditWidget*>(w)->SyncFromModel();
        palette.setColor(QPalette::Base, ToQColor(c.Color()));
    } else if (auto* memo = dynamic_cast<TMemo*>(&c)) {
        auto* m = static_cast<QPlainTextEdit*>(w);
        if (m->toPlainText() != Q(memo->Text())) m->setPlainText(Q(memo->Text()));
    } else if (auto* box = dynamic_cast<TGroupBox*>(&c)) {
        static_cast<QGroupBox*>(w)->setTitle(Q(box->Caption()));
        if (box->FrontCount() > 0) w->raise();
    } else if (auto* button = dynamic_cast<TButton*>(&c)) {
        static_cast<QPushButton*>(w)->setText(Q(button->Caption()));
    } else if (auto* box = dynamic_cast<TPaintBox*>(&c)) {
        if (box->FrontCount() > 0) w->raise();
        w->update();
    }
    w->setPalette(palette);
    w->setVisible(c.Visible());
}

}  // namespace tubalyx
