#include "forms/control.h"

namespace tubalyx {

namespace {
TControl::ChangeListener& Listener() {
    static TControl::ChangeListener listener;
    return listener;
}
}  // namespace

void TControl::SetChangeListener(ChangeListener listener) { Listener() = std::move(listener); }

void TControl::Changed() {
    if (Listener()) Listener()(*this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left_ == left && top_ == top && width_ == width && height_ == height) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Changed();
}

void TControl::Click() {
    if (enabled_ && OnClick) OnClick(this);
}

}  // namespace tubalyx
