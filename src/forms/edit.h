#pragma once
#include "forms/control.h"

namespace tubalyx {

class TEdit : public TControl {
public:
    using TControl::TControl;
    const std::string& Text() const { return text_; }
    // Fires OnChange only when the text differs, as the platform edit does. A handler that
    // writes the same text back therefore does not recurse.
    void SetText(const std::string& v);

    TNotifyEvent OnChange;
    TNotifyEvent OnExit;

private:
    std::string text_;
};

}  // namespace tubalyx
