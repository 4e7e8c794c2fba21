#include "qtview/input_forwarder.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QtGlobal>

#include "forms/control.h"
#include "qtview/control_widgets.h"

namespace tubalyx {

namespace {
bool IsRichEditSurface(QObject* watched) {
    return qobject_cast<RichEditWidget*>(watched) || (watched && qobject_cast<RichEditWidget*>(watched->parent()));
}
std::string& LastError() {
    static std::string last;
    return last;
}
}  // namespace

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

void InputForwarder::Forward(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn: control_.SetFocus(); break;
        case QEvent::KeyPress: {
            auto* e = static_cast<QKeyEvent*>(event);
            control_.UserKeyDown(e->key(), ModelShift(e->modifiers()));
            const QString text = e->text();
            if (text.size() == 1 && text[0].unicode() < 128) control_.UserKeyPress(static_cast<char>(text[0].unicode()));
            break;
        }
        case QEvent::KeyRelease: {
            auto* e = static_cast<QKeyEvent*>(event);
            control_.UserKeyUp(e->key(), ModelShift(e->modifiers()));
            break;
        }
        case QEvent::MouseButtonPress: {
            // A rich edit reports its own press, once it has put the caret at the click.
            if (IsRichEditSurface(watched)) break;
            auto* e = static_cast<QMouseEvent*>(event);
            const QPoint p = e->position().toPoint();
            control_.UserMouseDown(ModelButton(e->button()), ModelShift(e->modifiers()), p.x(), p.y());
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            const QPoint p = e->position().toPoint();
            control_.UserMouseUp(ModelButton(e->button()), ModelShift(e->modifiers()), p.x(), p.y());
            auto* w = qobject_cast<QWidget*>(watched);
            if (e->button() == Qt::LeftButton && (!w || w->rect().contains(p))) control_.Click();
            break;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            const QPoint p = e->position().toPoint();
            control_.UserMouseMove(ModelShift(e->modifiers()), p.x(), p.y());
            break;
        }
        default: break;
    }
}

}  // namespace tubalyx
