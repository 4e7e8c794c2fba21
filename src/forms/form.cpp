#include "forms/form.h"

#include <algorithm>

namespace tubalyx {

TForm::TForm(std::string name) : TControl(std::move(name)) {}

namespace {
bool SetPosition(TScrollBarState& bar, int v) {
    v = std::clamp(v, 0, std::max(0, bar.Range));
    if (bar.Position == v) return false;
    bar.Position = v;
    return true;
}
}  // namespace

namespace {
TForm::ImagePrinter& CurrentImagePrinter() {
    static TForm::ImagePrinter printer;
    return printer;
}
}  // namespace

void TForm::SetImagePrinter(ImagePrinter printer) { CurrentImagePrinter() = std::move(printer); }

bool TForm::Print() { return CurrentImagePrinter() ? CurrentImagePrinter()(*this) : false; }

void TForm::SetHorzScrollPosition(int v) {
    if (SetPosition(horz_, v)) Changed();
}
void TForm::SetVertScrollPosition(int v) {
    if (SetPosition(vert_, v)) Changed();
}

void TForm::SetHorzScrollRange(int v) {
    horz_.Range = std::max(0, v);
    SetPosition(horz_, horz_.Position);
    Changed();
}

void TForm::SetVertScrollRange(int v) {
    vert_.Range = std::max(0, v);
    SetPosition(vert_, vert_.Position);
    Changed();
}

}  // namespace tubalyx
