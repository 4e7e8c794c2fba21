#pragma once
// How each kind of model control is shown in Qt. The adapter of a kind makes the widget,
// connects the widget's own input signals to the control, and brings the widget up to date
// with what only that kind has; the window does the properties every control has. AdapterFor
// picks the adapter from one table keyed by the control's class, so a new kind of control
// needs its adapter and one line of that table.
#include <QPalette>
#include <QWidget>
#include <vector>

namespace tubalyx {

class TControl;

class ControlAdapter {
public:
    virtual ~ControlAdapter() = default;
    // The widget, a child of parent, with its input signals connected to the control.
    virtual QWidget* Create(TControl& control, QWidget* parent) const = 0;
    // Shows what only this kind has. The window applies the palette afterwards.
    virtual void Sync(TControl& control, QWidget& widget, QPalette& palette) const = 0;
    // Mouse, key and focus events reach the control through an InputForwarder unless the
    // widget reports them itself.
    virtual bool ForwardsInput() const { return true; }
    // Whether the Tab key reaches the control, in the model's tab order.
    virtual bool InTabChain(const TControl&) const { return false; }
    // Controls to bring up to date together with this one (a group box's children take its font).
    virtual std::vector<TControl*> Dependents(TControl&) const { return {}; }
};

// The adapter of the control's class; nullptr for a class that is not shown.
const ControlAdapter* AdapterFor(const TControl& control);

}  // namespace tubalyx
