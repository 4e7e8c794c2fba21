#pragma once
// A drawing surface that records what is drawn; a renderer replays the record, tests read it.
#include <string>
#include <vector>

#include "forms/control.h"

namespace tubalyx {

struct TPoint {
    int X = 0, Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    bool operator==(const TPen&) const = default;
};

struct TBrush {
    TColor Color = clWhite;
    bool operator==(const TBrush&) const = default;
};

enum class TCanvasOpKind { MoveTo, LineTo, Polygon, TextOut };

// One drawing step with the pen, brush and font it was drawn with.
struct TCanvasOp {
    TCanvasOpKind Kind;
    std::vector<TPoint> Points;  // MoveTo/LineTo/TextOut: one point; Polygon: the corners
    std::string Text;
    TPen Pen;
    TBrush Brush;
    TFont Font;
};

class TCanvas {
public:
    TPen Pen;
    TBrush Brush;
    TFont Font;
    // Resolution of the surface: 96 on the screen, the printer's own on a printer page.
    int PixelsPerInch = 96;

    void MoveTo(int x, int y);
    // A line from the pen position to the point, which becomes the pen position.
    void LineTo(int x, int y);
    // A closed polygon outlined with the pen and filled with the brush.
    void Polygon(const std::vector<TPoint>& points);
    void TextOut(int x, int y, const std::string& text);
    // Width and height of a text in the canvas font by the font-metric model, scaled to the
    // surface's resolution.
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

    TPoint PenPos() const { return penPos_; }
    const std::vector<TCanvasOp>& Ops() const { return ops_; }
    void Clear() { ops_.clear(); }

protected:
    void Record(TCanvasOpKind kind, std::vector<TPoint> points, std::string text = {});

private:
    TPoint penPos_;
    std::vector<TCanvasOp> ops_;
};

// A paint box: repainting clears the record and runs OnPaint, which draws it again.
class TPaintBox : public TControl {
public:
    using TControl::TControl;
    TCanvas& Canvas() { return canvas_; }
    const TCanvas& Canvas() const { return canvas_; }
    void Repaint();
    // Drawing outside OnPaint: tell the renderer that the record changed.
    void CanvasChanged() { Changed(); }
    TNotifyEvent OnPaint;

private:
    TCanvas canvas_;
};

}  // namespace tubalyx
