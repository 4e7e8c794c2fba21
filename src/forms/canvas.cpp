#include "forms/canvas.h"

#include <cstdlib>

#include "forms/event_depth.h"
#include "numerics/text_utils.h"

namespace tubalyx {

void TCanvas::Record(TCanvasOpKind kind, std::vector<TPoint> points, std::string text) {
    ops_.push_back({kind, std::move(points), std::move(text), Pen, Brush, Font});
}

void TCanvas::MoveTo(int x, int y) {
    penPos_ = {x, y};
    Record(TCanvasOpKind::MoveTo, {penPos_});
}

void TCanvas::LineTo(int x, int y) {
    penPos_ = {x, y};
    Record(TCanvasOpKind::LineTo, {penPos_});
}

void TCanvas::Polygon(const std::vector<TPoint>& points) { Record(TCanvasOpKind::Polygon, points); }

void TCanvas::TextOut(int x, int y, const std::string& text) { Record(TCanvasOpKind::TextOut, {{x, y}}, text); }

int TCanvas::TextWidth(const std::string& text) const {
    return Utf8Length(text) * CharWidth(Font.Size) * PixelsPerInch / 96;
}

int TCanvas::TextHeight(const std::string&) const { return (Font.Size * PixelsPerInch + 36) / 72; }

void TPaintBox::Repaint() {
    canvas_.Clear();
    FireEvent(*this, "OnPaint", OnPaint, this);
    Changed();
}

}  // namespace tubalyx
