#include "forms/edit.h"

#include <algorithm>

#include "forms/event_depth.h"
#include "numerics/text_utils.h"

namespace tubalyx {

void TEdit::SetText(const std::string& v) {
    if (text_ == v) return;
    text_ = v;
    ClampSelection();
    Changed();
    FireEvent(*this, "OnChange", OnChange, this);
}

void TEdit::ShowText(const std::string& v) {
    if (text_ == v) return;
    text_ = v;
    ClampSelection();
    Changed();
}

void TEdit::UserSetText(const std::string& v) {
    if (readOnly_ || !Enabled()) return;
    SetText(v);
}

void TEdit::ClampSelection() {
    const int length = Utf8Length(text_);
    selStart_ = std::clamp(selStart_, 0, length);
    selLength_ = std::clamp(selLength_, 0, length - selStart_);
}

void TEdit::SetSelStart(int v) {
    selStart_ = v;
    selLength_ = 0;
    ClampSelection();
    Changed();
}

void TEdit::SetSelLength(int v) {
    selLength_ = v;
    ClampSelection();
    Changed();
}

void TEdit::SelectAll() {
    selStart_ = 0;
    selLength_ = Utf8Length(text_);
    ++selectAllCount_;
    Changed();
}

}  // namespace tubalyx
