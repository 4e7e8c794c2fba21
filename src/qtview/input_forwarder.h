#pragma once
#include <QObject>
#include <exception>
#include <string>

#include "forms/control.h"

namespace tubalyx {

// The one place where user input enters the model. Model code run for an input may end in an
// exception: an event chain that hit its depth bound (forms/event_depth.h), or a fault no
// handler caught. Qt must not see it, so it ends here: written to the log and kept for
// LastInputError, and the window goes on with the state the model had reached.
void ReportInputError(const char* what);
const std::string& LastInputError();
void ClearLastInputError();

template <class Input>
void RunUserInput(Input&& input) {
    try {
        input();
    } catch (const std::exception& e) {
        ReportInputError(e.what());
    }
}

// Marks the time the window spends bringing model changes onto the screen. A focus move Qt
// makes by itself meanwhile (off a widget being hidden, onto the next one in its chain) is not
// the user's: the model keeps the focus it gave, and the window then shows that one.
class ViewSyncScope {
public:
    ViewSyncScope();
    ~ViewSyncScope();
    // Whether the window is bringing model changes onto the screen now.
    static bool Active();
    ViewSyncScope(const ViewSyncScope&) = delete;
    ViewSyncScope& operator=(const ViewSyncScope&) = delete;
};

// Qt's modifier keys and mouse buttons in the model's terms.
TShiftState ModelShift(Qt::KeyboardModifiers modifiers);
TMouseButton ModelButton(Qt::MouseButton button);
// The virtual key code (forms/control.h) of a Qt key; 0 for a key the program knows no code of.
int VirtualKeyCode(int qtKey, bool keypad);

// Feeds the mouse, key and focus events of one widget into its model control's events:
// a left-button release inside the widget is a click, gaining the focus moves the model focus.
class InputForwarder : public QObject {
    Q_OBJECT
public:
    InputForwarder(TControl& control, QObject* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Forward(QObject* watched, QEvent* event);
    TControl& control_;
};

}  // namespace tubalyx
