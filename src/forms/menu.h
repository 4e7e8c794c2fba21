#pragma once
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"

namespace tubalyx {

class TMenuItem : public TControl {
public:
    using TControl::TControl;
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) {
        if (caption_ != v) {
            caption_ = v;
            Changed();
        }
    }
    bool Checked() const { return checked_; }
    void SetChecked(bool v) {
        if (checked_ != v) {
            checked_ = v;
            Changed();
        }
    }

    // Sub-items are owned by their parent item; the returned pointer lives as long as it.
    TMenuItem* Add(const std::string& name);
    const std::vector<std::unique_ptr<TMenuItem>>& Items() const { return items_; }

    // A disabled or invisible item cannot be clicked.
    void Click() override;

private:
    std::string caption_;
    bool checked_ = false;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

// The main menu and the pop-up menus: a root item holding the items.
class TMainMenu : public TMenuItem {
public:
    using TMenuItem::TMenuItem;
};

class TPopupMenu : public TMenuItem {
public:
    using TMenuItem::TMenuItem;
    // Opens the menu at a screen point; the renderer shows it, tests read where it was opened.
    void Popup(int x, int y);
    int PopupX() const { return popupX_; }
    int PopupY() const { return popupY_; }
    int PopupCount() const { return popupCount_; }

private:
    int popupX_ = 0, popupY_ = 0, popupCount_ = 0;
};

}  // namespace tubalyx
