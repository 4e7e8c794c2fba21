#include "pressure_loss/branch_fittings.h"

#include <vector>

#include "pressure_loss/fitting_catalogue.h"
#include "pressure_loss/fitting_catalogue_data.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

constexpr FittingText kDiagramHint{"Röd pil = aktuellt flöde", "Rotes Pfeil = Aktuelles Durchfluss",
                                   "Red arrow = actual flow"};

constexpr int kDiagramLeft = 10;
constexpr int kSidePerFontPoint = 10;
constexpr int kWallWidth = 2;
constexpr int kRedArrowWidth = 4;
constexpr int kBlackArrowWidth = 2;

struct Arrow {
    std::vector<std::vector<TPoint>> shafts;  // each drawn from its first point on
    std::vector<TPoint> head;                 // filled triangle
};

void Polyline(TCanvas& canvas, const std::vector<TPoint>& points) {
    canvas.MoveTo(points.front().X, points.front().Y);
    for (std::size_t i = 1; i < points.size(); ++i) canvas.LineTo(points[i].X, points[i].Y);
}

void DrawArrow(TCanvas& canvas, const Arrow& arrow, TColor color, int width) {
    canvas.Pen.Color = color;
    canvas.Pen.Width = width;
    for (const auto& shaft : arrow.shafts) Polyline(canvas, shaft);
    canvas.Pen.Width = 0;
    canvas.Brush.Color = color;
    canvas.Polygon(arrow.head);
}

}  // namespace

void AddBranchOutflow(int column) { PlaceOrDescribeFitting(70, column); }
void AddBranchMainFlow70(int column) { PlaceOrDescribeFitting(71, column); }
void AddBranchInflow(int column) { PlaceOrDescribeFitting(72, column); }
void AddBranchMainFlow72(int column) { PlaceOrDescribeFitting(73, column); }

bool IsBranchKind(int kind) { return FindBranchCoefficients(kind) != nullptr; }

double BranchZeta(int kind, double sharePercent) {
    const BranchCoefficients* b = FindBranchCoefficients(kind);
    if (b == nullptr) return 0.0;
    const double v = b->overRemainder ? 100 - sharePercent : sharePercent;
    const BranchPiece* piece = &b->pieces.front();
    for (const BranchPiece& p : b->pieces)
        if (v >= p.start) piece = &p;
    return piece->base + piece->slope * (v - piece->start);
}

void PaintBranchDiagram(int kind) {
    if (CalcFunction != kFunctionPressureLoss || kind < 1) return;
    const CalculationControls& window = CalculationWindow();
    TPaintBox& box = window.PaintBox1;
    box.SetHint(FittingTextIn(kDiagramHint, LanguageLetter));
    const int S = kSidePerFontPoint * WindowFontSize();
    box.SetBounds(kDiagramLeft, window.Motstandgrid.Top() - S, S, S);
    box.BringToFront();

    const int a = S / 10, b = S / 3, h = b / 2, q4 = b / 4, c = S / 2, m = a + h;
    TCanvas& canvas = box.Canvas();
    canvas.Clear();
    // A white stroke as wide as the box clears it.
    canvas.Pen.Color = clWhite;
    canvas.Pen.Width = S;
    Polyline(canvas, {{0, c}, {S, c}});
    // The main pipe upwards, the branch to the right.
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = kWallWidth;
    Polyline(canvas, {{a, 0}, {a, S}});
    Polyline(canvas, {{a + b, 0}, {a + b, c - h}, {S, c - h}});
    Polyline(canvas, {{S, c + h}, {a + b, c + h}, {a + b, S}});

    const std::vector<TPoint> upHead{{m, 0}, {a + q4, q4}, {m + q4, q4}};
    Arrow red, black;
    switch (kind) {
        case 70:
            red = {{{{m, S}, {m, c}}, {{S, c}, {m, c}}}, {{S, c}, {S - q4, c - q4}, {S - q4, c + q4}}};
            black = {{{{m, c - 2 * q4}, {m, 2 * q4}}}, {{m, q4}, {a + q4, 2 * q4}, {m + q4, 2 * q4}}};
            break;
        case 71:
            red = {{{{m, S}, {m, 0}}}, upHead};
            black = {{{{S - h, c}, {m + h, c}}}, {{S - q4, c}, {S - 2 * q4, c - q4}, {S - 2 * q4, c + q4}}};
            break;
        case 72:
            red = {{{{S, c}, {m, c}, {m, 0}}}, upHead};
            black = {{{{m, S - q4}, {m, c + h + q4}}}, {{m, c + h}, {a + q4, c + h + q4}, {m + q4, c + h + q4}}};
            break;
        case 73:
            red = {{{{m, S}, {m, 0}}}, upHead};
            black = {{{{S - h, c}, {m + h + q4, c}}}, {{a + b, c}, {a + b + q4, c - q4}, {a + b + q4, c + q4}}};
            break;
        default: box.CanvasChanged(); return;
    }
    DrawArrow(canvas, red, clRed, kRedArrowWidth);
    DrawArrow(canvas, black, clBlack, kBlackArrowWidth);
    box.CanvasChanged();
}

}  // namespace tubalyx
