#include "forms/screen.h"

#include <algorithm>

namespace tubalyx {

void TScreen::SetSize(int width, int height) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    workAreaHeight_ = height_;
}

namespace {
TScreen::CursorListener& CurrentCursorListener() {
    static TScreen::CursorListener listener;
    return listener;
}
}  // namespace

void TScreen::SetCursorListener(CursorListener listener) { CurrentCursorListener() = std::move(listener); }

void TScreen::SetCursor(TCursor c) {
    if (cursor_ == c) return;
    cursor_ = c;
    if (CurrentCursorListener()) CurrentCursorListener()(c);
}

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

namespace {
TPrinter::Sink& CurrentSink() {
    static TPrinter::Sink sink;
    return sink;
}
}  // namespace

void TPrinter::SetSink(Sink sink) { CurrentSink() = std::move(sink); }

void TPrinter::SetPageSize(int width, int height) {
    pageWidth_ = std::max(1, width);
    pageHeight_ = std::max(1, height);
}

void TPrinter::BeginDoc() {
    pages_.clear();
    canvas_.Clear();
    printing_ = true;
    pageNumber_ = 1;
}

void TPrinter::FinishPage() {
    pages_.push_back({canvas_.Ops()});
    canvas_.Clear();
}

void TPrinter::NewPage() {
    if (!printing_) return;
    FinishPage();
    ++pageNumber_;
}

void TPrinter::EndDoc() {
    if (!printing_) return;
    FinishPage();
    printing_ = false;
    lastJob_ = pages_;
    pages_.clear();
    lastJobDelivered_ = CurrentSink() && CurrentSink()(*this, lastJob_);
}

void TPrinter::Abort() {
    printing_ = false;
    pages_.clear();
    canvas_.Clear();
}

TPrinter& Printer() {
    static TPrinter printer;
    return printer;
}

}  // namespace tubalyx
