#include "qtview/input_forwarder.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

#include "forms/control.h"
#include "forms/form.h"
#include "qtview/control_widgets.h"
#include "qtview/main_window.h"

namespace tubalyx {

namespace {
// Mouse points as the model counts them: a grid's from its first cell.
QPoint ModelPoint(QObject* watched, const QMouseEvent& e) {
    const QPoint p = e.position().toPoint();
    if (auto* grid = watched ? qobject_cast<GridWidget*>(watched->parent()) : nullptr) return grid->ContentPoint(p);
    return p;
}

bool IsRichEditSurface(QObject* watched) {
    return qobject_cast<RichEditWidget*>(watched) || (watched && qobject_cast<RichEditWidget*>(watched->parent()));
}
// The control and every box holding it shown, as the model has them.
bool Shown(const TControl& control) {
    for (const TControl* c = &control; c; c = c->Parent())
        if (!c->Visible()) return false;
    return true;
}

int KeyOf(const QKeyEvent& e) { return VirtualKeyCode(e.key(), (e.modifiers() & Qt::KeypadModifier) != 0); }

std::string& LastError() {
    static std::string last;
    return last;
}

int viewSyncDepth = 0;
}  // namespace

ViewSyncScope::ViewSyncScope() { ++viewSyncDepth; }
ViewSyncScope::~ViewSyncScope() { --viewSyncDepth; }
bool ViewSyncScope::Active() { return viewSyncDepth > 0; }

TShiftState ModelShift(Qt::KeyboardModifiers m) {
    TShiftState s = 0;
    if (m & Qt::ShiftModifier) s |= ssShift;
    if (m & Qt::AltModifier) s |= ssAlt;
    if (m & Qt::ControlModifier) s |= ssCtrl;
    return s;
}

TMouseButton ModelButton(Qt::MouseButton b) {
    if (b == Qt::RightButton) return TMouseButton::Right;
    if (b == Qt::MiddleButton) return TMouseButton::Middle;
    return TMouseButton::Left;
}

int VirtualKeyCode(int qtKey, bool keypad) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return keypad ? vkNumpad0 + (qtKey - Qt::Key_0) : qtKey;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return vkF1 + (qtKey - Qt::Key_F1);
    static const struct {
        int qt, vk;
    } kNamed[] = {
        {Qt::Key_Backspace, vkBack}, {Qt::Key_Tab, vkTab},          {Qt::Key_Return, vkReturn},
        {Qt::Key_Enter, vkReturn},   {Qt::Key_Escape, vkEscape},    {Qt::Key_Space, vkSpace},
        {Qt::Key_PageUp, vkPrior},   {Qt::Key_PageDown, vkNext},    {Qt::Key_End, vkEnd},
        {Qt::Key_Home, vkHome},      {Qt::Key_Left, vkLeft},        {Qt::Key_Up, vkUp},
        {Qt::Key_Right, vkRight},    {Qt::Key_Down, vkDown},        {Qt::Key_Print, vkSnapshot},
        {Qt::Key_Insert, vkInsert},  {Qt::Key_Delete, vkDelete},    {Qt::Key_Comma, vkOemComma},
        {Qt::Key_Minus, vkOemMinus}, {Qt::Key_Period, vkOemPeriod},
    };
    for (const auto& k : kNamed)
        if (k.qt == qtKey) return keypad && qtKey == Qt::Key_Period ? vkDecimal : k.vk;
    return 0;
}

void ReportInputError(const char* what) {
    LastError() = what;
    qCritical("tubalyx: %s", what);
}

const std::string& LastInputError() { return LastError(); }
void ClearLastInputError() { LastError().clear(); }

InputForwarder::InputForwarder(TControl& control, QObject* parent) : QObject(parent), control_(control) {}

bool InputForwarder::eventFilter(QObject* watched, QEvent* event) {
    RunUserInput([&] { Forward(watched, event); });
    return false;
}

// Qt hands a press a label does not take on to the widget below it, the form's page. The
// form's own mouse events (which open the navigation menu) belong to its background only.
namespace {
bool ReachedTheFormThroughAChild(const TControl& control, QObject* watched, const QPoint& p) {
    auto* w = qobject_cast<QWidget*>(watched);
    return dynamic_cast<const TForm*>(&control) && w && w->childAt(p);
}
}  // namespace

void InputForwarder::Forward(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn: {
            // A widget the model has hidden but the screen still shows (the window activated
            // between a click's handler and the next showing) does not take the model's focus.
            auto* w = qobject_cast<QWidget*>(watched);
            const bool hiddenByModel = !control_.Visible() && w && w->isVisible();
            if (viewSyncDepth != 0 || hiddenByModel) break;
            // A menu closing gives the keyboard back to the widget that had it when the menu
            // opened, also after its command gave it to another control (a question): the
            // model's choice stands, and the window shows it once more.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            const bool menuGaveItBack = reason == Qt::MenuBarFocusReason || reason == Qt::PopupFocusReason;
            TControl* chosen = TControl::FocusedControl();
            if (menuGaveItBack && chosen && chosen != &control_ && Shown(*chosen)) {
                if (auto* window = w ? qobject_cast<MainWindow*>(w->window()) : nullptr)
                    QTimer::singleShot(0, window, [window] { window->SyncNow(); });
                break;
            }
            control_.SetFocus();
            break;
        }
        case QEvent::KeyPress: {
            auto* e = static_cast<QKeyEvent*>(event);
            control_.UserKeyDown(KeyOf(*e), ModelShift(e->modifiers()));
            const QString text = e->text();
            if (text.size() == 1 && text[0].unicode() < 128)
                control_.UserKeyPress(static_cast<char>(text[0].unicode()));
            break;
        }
        case QEvent::KeyRelease: {
            auto* e = static_cast<QKeyEvent*>(event);
            control_.UserKeyUp(KeyOf(*e), ModelShift(e->modifiers()));
            break;
        }
        case QEvent::MouseButtonPress: {
            // A rich edit reports its own press, once it has put the caret at the click.
            if (IsRichEditSurface(watched)) break;
            auto* e = static_cast<QMouseEvent*>(event);
            if (ReachedTheFormThroughAChild(control_, watched, e->position().toPoint())) break;
            const QPoint p = ModelPoint(watched, *e);
            control_.UserMouseDown(ModelButton(e->button()), ModelShift(e->modifiers()), p.x(), p.y());
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (ReachedTheFormThroughAChild(control_, watched, e->position().toPoint())) break;
            const QPoint p = ModelPoint(watched, *e);
            control_.UserMouseUp(ModelButton(e->button()), ModelShift(e->modifiers()), p.x(), p.y());
            auto* w = qobject_cast<QWidget*>(watched);
            if (e->button() == Qt::LeftButton && (!w || w->rect().contains(e->position().toPoint()))) control_.Click();
            break;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            const QPoint p = ModelPoint(watched, *e);
            control_.UserMouseMove(ModelShift(e->modifiers()), p.x(), p.y());
            break;
        }
        default: break;
    }
}

}  // namespace tubalyx
