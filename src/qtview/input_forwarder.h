#pragma once
#include <QObject>

namespace tubalyx {

class TControl;

// Feeds the mouse, key and focus events of one widget into its model control's events:
// a left-button release inside the widget is a click, gaining the focus moves the model focus.
class InputForwarder : public QObject {
    Q_OBJECT
public:
    InputForwarder(TControl& control, QObject* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TControl& control_;
};

}  // namespace tubalyx
