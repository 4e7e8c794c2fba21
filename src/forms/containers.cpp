#include "forms/containers.h"

#include <algorithm>

#include "forms/event_depth.h"

namespace tubalyx {

const std::string& TMemo::Line(int index) const {
    static const std::string empty;
    return index >= 0 && index < LineCount() ? lines_[index] : empty;
}

void TMemo::Add(const std::string& line) {
    lines_.push_back(line);
    Changed();
}

void TMemo::Clear() {
    lines_.clear();
    Changed();
}

std::string TMemo::Text() const {
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i) text += '\n';
        text += lines_[i];
    }
    return text;
}

void TGroupBox::Add(TControl& child) {
    if (std::find(children_.begin(), children_.end(), &child) != children_.end()) return;
    children_.push_back(&child);
    child.SetParent(this);
    Changed();
}

void TUpDown::SetPosition(int v) {
    v = std::clamp(v, min_, std::max(min_, max_));
    if (position_ == v) return;
    position_ = v;
    Changed();
}

void TUpDown::SetMin(int v) {
    min_ = v;
    SetPosition(position_);
}

void TUpDown::SetMax(int v) {
    max_ = v;
    SetPosition(position_);
}

void TUpDown::UserClick(TUDBtnType button) {
    if (!Enabled()) return;
    SetPosition(position_ + (button == TUDBtnType::btNext ? increment_ : -increment_));
    FireEvent(*this, "OnArrowClick", OnArrowClick, this, button);
}

}  // namespace tubalyx
