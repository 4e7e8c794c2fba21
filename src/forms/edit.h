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
    // Typing by the user: the same rule, but refused while the edit is read-only or disabled.
    void UserSetText(const std::string& v);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) { if (readOnly_ != v) { readOnly_ = v; Changed(); } }

    // Caret and selection in characters; kept inside the text.
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelStart(int v);
    void SetSelLength(int v);
    void SelectAll();

    TNotifyEvent OnChange;

private:
    void ClampSelection();
    std::string text_;
    bool readOnly_ = false;
    int selStart_ = 0, selLength_ = 0;
};

}  // namespace tubalyx
