#include "forms/menu.h"

namespace tubalyx {

TMenuItem* TMenuItem::Add(const std::string& name) {
    items_.push_back(std::make_unique<TMenuItem>(name));
    Changed();
    return items_.back().get();
}

void TMenuItem::Click() {
    if (Visible()) TControl::Click();
}

void TPopupMenu::Popup(int x, int y) {
    popupX_ = x;
    popupY_ = y;
    ++popupCount_;
    Changed();
}

}  // namespace tubalyx
