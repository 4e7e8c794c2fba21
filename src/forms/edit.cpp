#include "forms/edit.h"

namespace tubalyx {

void TEdit::SetText(const std::string& v) {
    if (text_ == v) return;
    text_ = v;
    Changed();
    if (OnChange) OnChange(this);
}

}  // namespace tubalyx
