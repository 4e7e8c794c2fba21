#include "forms/control.h"

#include "forms/event_depth.h"

namespace tubalyx {

namespace {
TControl::ChangeListener& Listener() {
    static TControl::ChangeListener listener;
    return listener;
}
TControl*& Focus() {
    static TControl* focused = nullptr;
    return focused;
}
}  // namespace

TControl::~TControl() {
    if (Focus() == this) Focus() = nullptr;
}

void TControl::SetChangeListener(ChangeListener listener) { Listener() = std::move(listener); }

void TControl::Changed() {
    if (Listener()) Listener()(*this);
}

void TControl::SetParent(TControl* parent) {
    if (parent == this || parent_ == parent) return;
    parent_ = parent;
    Changed();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left_ == left && top_ == top && width_ == width && height_ == height) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Changed();
}

const TFont& TControl::Font() const {
    // The parent chain is short (form, group box); the bound guards against a cycle.
    const TControl* c = this;
    for (int depth = 0; depth < 16 && c->parentFont_ && c->parent_; ++depth) c = c->parent_;
    return c->font_;
}

void TControl::SetFont(const TFont& f) {
    if (!parentFont_ && font_ == f) return;
    font_ = f;
    parentFont_ = false;
    Changed();
}

void TControl::BringToFront() {
    // One order for the whole window: the later call is the one in front.
    static int lastFront = 0;
    frontCount_ = ++lastFront;
    Changed();
}

void TControl::SetFontSize(int size) {
    TFont f = Font();
    f.Size = size;
    SetFont(f);
}

TControl* TControl::FocusedControl() { return Focus(); }

void TControl::SetFocus() {
    TControl* previous = Focus();
    if (previous == this) return;
    Focus() = this;
    if (previous) {
        previous->Changed();
        FireEvent(*previous, "OnExit", previous->OnExit, previous);
    }
    Changed();
    if (Focus() == this) FireEvent(*this, "OnEnter", OnEnter, this);
}

void TControl::Click() {
    if (enabled_) FireEvent(*this, "OnClick", OnClick, this);
}

void TControl::UserKeyDown(int key, TShiftState shift) {
    if (enabled_) FireEvent(*this, "OnKeyDown", OnKeyDown, this, key, shift);
}
void TControl::UserKeyUp(int key, TShiftState shift) {
    if (enabled_) FireEvent(*this, "OnKeyUp", OnKeyUp, this, key, shift);
}
void TControl::UserKeyPress(char key) {
    if (enabled_) FireEvent(*this, "OnKeyPress", OnKeyPress, this, key);
}
void TControl::UserMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (enabled_) FireEvent(*this, "OnMouseDown", OnMouseDown, this, button, shift, x, y);
}
void TControl::UserMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (enabled_) FireEvent(*this, "OnMouseUp", OnMouseUp, this, button, shift, x, y);
}
void TControl::UserMouseMove(TShiftState shift, int x, int y) {
    if (enabled_) FireEvent(*this, "OnMouseMove", OnMouseMove, this, shift, x, y);
}

}  // namespace tubalyx
