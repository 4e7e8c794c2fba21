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
    // The text changed without OnChange: a result shown in the edit by a calculation that has
    // set the value itself, which the edit's input handler must not read back mid-calculation.
    void ShowText(const std::string& v);
    // Typing by the user: the same rule, but refused while the edit is read-only or disabled.
    void UserSetText(const std::string& v);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) {
        if (readOnly_ != v) {
            readOnly_ = v;
            Changed();
        }
    }

    // Caret and selection in characters; kept inside the text.
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelStart(int v);
    void SetSelLength(int v);
    void SelectAll();
    // How often the program selected the whole text: a renderer selects it on the screen when
    // this grows. The caret the user moves is the renderer's own and is not followed here.
    int SelectAllCount() const { return selectAllCount_; }

    TNotifyEvent OnChange;

private:
    void ClampSelection();
    std::string text_;
    bool readOnly_ = false;
    int selStart_ = 0, selLength_ = 0;
    int selectAllCount_ = 0;
};

// An edit as the calculations use it: they read what the user typed and show their results
// in it. Showing fires no change handler: the calculation has set the value it shows, and an
// input handler reading it back in the middle of a calculation would round it or mix it with
// the state of half a run.
class ShownEdit {
public:
    ShownEdit(TEdit& edit) : edit_(edit) {}  // NOLINT(google-explicit-constructor)
    const std::string& Text() const { return edit_.Text(); }
    bool Visible() const { return edit_.Visible(); }
    void SetText(const std::string& text) const { edit_.ShowText(text); }
    TEdit& Edit() const { return edit_; }

private:
    TEdit& edit_;
};

}  // namespace tubalyx
