#include "ui/flow_graphs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "flow/dp_range_uncertainty.h"
#include "flow/flow_iterations.h"
#include "flow/simplified_flow_law.h"
#include "forms/screen.h"
#include "media/typed_phase.h"
#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

constexpr int kCurvePenWidth = 2;
constexpr int kProfilePenWidth = 4;
// The turbulent profile follows the power law with this exponent.
constexpr double kTurbulentExponent = 1.0 / 7.0;
// A point further off the box than this many box heights is drawn at that distance: the
// window system clips it anyway, and the pixel stays an integer.
constexpr double kFarOff = 1000.0;

int RightOf(const TControl& c) { return c.Left() + c.Width(); }
int BottomOf(const TControl& c) { return c.Top() + c.Height(); }

// The box keeps the screen's proportions.
void SizeBox(TPaintBox& box, int width) {
    box.SetClientWidth(width);
    const int screenWidth = Screen().Width();
    box.SetClientHeight(screenWidth > 0 ? width * Screen().Height() / screenWidth : 0);
}

// One curve of the flow graph: its pen, its full scale and the flow at each point. Either
// may raise; a failing full scale leaves the curve out, a failing point that point.
struct Curve {
    TColor colour;
    std::function<double()> fullScale;
    std::function<double(int i)> flowAt;
    // 0: every segment drawn; 1: while the dash switch is set; 2: while it is clear.
    int dashes;
    bool axisLabels;
};

double DpAt(int i, double maxDp) { return static_cast<double>(i) * i * maxDp * 0.0001; }

double RootScale(double dp, double root) { return CheckedSqrt(dp) * root; }

double StandardCurveFlow(double dpPa) {
    double q = 0.0;
    FlowFromDiffPressure(MediumCode, DeviceCode, DeviceVariantCode, std::string(1, StandardLetter), OperatingPressure,
                         dpPa, BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating,
                         InletEdgeFactor * RoughnessFactor * BendFactor, q);
    return CheckFinite(q);
}

double SimplifiedLawFlow(double dpPa) {
    if (IsConeMeter(DeviceCode)) return StandardCurveFlow(dpPa);
    double q = 0.0;
    FlowAtDiffPressure(MediumCode, DeviceCode, DeviceVariantCode, std::string(1, StandardLetter), FmatCoefficientA,
                       FmatCoefficientB, OperatingPressure, dpPa, MaxFlowDpPa, DpTransmitterValues.designDpFlow.si,
                       BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating,
                       InletEdgeFactor * RoughnessFactor * BendFactor, q);
    return CheckFinite(q);
}

void SetAxisLabels(double fullScale) {
    TForm1& f = Form1();
    f.grafq.SetCaption(FormatFixed(fullScale, 5) + " " + FlowUnit);
    f.grafdp.SetCaption(FormatFixed(MaxDpEntered, 5) + " " + DpUnit);
    f.grafdp.SetLeft(RightOf(f.PaintBox1) - f.grafdp.Width());
}

void DrawCurve(TCanvas& canvas, int width, int height, const Curve& curve) {
    double full = 0.0;
    try {
        full = curve.fullScale();
        if (curve.axisLabels) SetAxisLabels(full);
    } catch (const CalcError&) {
        UncertaintyValid = false;
        return;
    }
    // No scale to draw against: nothing of this curve has been calculated.
    if (!(full > 0.0)) return;
    canvas.Pen.Color = curve.colour;
    canvas.Pen.Width = kCurvePenWidth;
    canvas.MoveTo(0, height);
    bool dashSet = true;
    for (int i = 1; i <= kFlowGraphPoints; ++i) {
        const bool draws = curve.dashes == 0 || (curve.dashes == 1) == dashSet;
        dashSet = !dashSet;
        double flow = 0.0;
        double ratio = 0.0;
        try {
            flow = curve.flowAt(i);
            if (!(flow > 0.0)) continue;
            ratio = CheckedDiv(flow, full);
        } catch (const CalcError&) {
            UncertaintyValid = false;
            continue;
        }
        const int x = i * i * width / 10000;
        const int y = height - static_cast<int>(std::lround(std::clamp(ratio, -kFarOff, kFarOff) * height));
        if (draws)
            canvas.LineTo(x, y);
        else
            canvas.MoveTo(x, y);
    }
}

// One profile half: from the wall at the top (or bottom) edge to the axis in the middle.
void DrawProfileHalf(TCanvas& canvas, int width, int height, bool lower, const std::function<int(int i)>& xAt) {
    canvas.MoveTo(0, lower ? height : 0);
    for (int i = 100; i >= 0; --i) {
        const int fromWall = (height - height * i / 100) / 2;
        canvas.LineTo(xAt(i), lower ? height - 1 - fromWall : fromWall);
    }
}

}  // namespace

void PlaceGraphLegend() {
    TForm1& f = Form1();
    const TPaintBox& box = f.PaintBox1;
    f.grafblue.SetTop(box.Top() + box.Height() / 2);
    f.grafblue.SetLeft(box.Left() + box.Width() / 2);
    f.grafred.SetTop(BottomOf(f.grafblue));
    f.grafred.SetLeft(f.grafblue.Left());
    f.grafblack.SetTop(BottomOf(f.grafred));
    f.grafblack.SetLeft(f.grafred.Left());
    f.grafyellow.SetTop(BottomOf(f.grafblack));
    f.grafyellow.SetLeft(f.grafred.Left());
    // The standard's curve has no legend where no standard is named (the volume meter).
    if (f.grafyellow.Caption().empty()) f.grafyellow.SetVisible(false);
    f.grafdp.SetTop(BottomOf(box) - f.grafdp.Height());
    f.grafdp.SetLeft(RightOf(box) - f.grafdp.Width());
    f.grafq.SetTop(box.Top());
    f.grafq.SetLeft(box.Left());
}

void ClearGraphSurface(int penWidth) {
    TPaintBox& box = Form1().PaintBox1;
    TCanvas& canvas = box.Canvas();
    canvas.Clear();
    canvas.Pen.Color = clWhite;
    canvas.Pen.Width = penWidth;
    canvas.MoveTo(0, box.ClientHeight() / 2);
    canvas.LineTo(box.ClientWidth(), box.ClientHeight() / 2);
    box.CanvasChanged();
}

void DrawFlowGraph() {
    // The graph draws the last run's device: its medium as that run computed it.
    const ComputedPhase computed;
    TPaintBox& box = Form1().PaintBox1;
    const int width = box.ClientWidth(), height = box.ClientHeight();
    ClearGraphSurface(2 * height);
    TCanvas& canvas = box.Canvas();
    canvas.Brush.Color = clRed;
    canvas.Pen.Width = 1;
    canvas.Pen.Color = clBlack;
    // The factors are 0 until a primary-device calculation has set them.
    if (!(InletEdgeFactor * RoughnessFactor * BendFactor > 0.0)) return;

    const bool variants = RelativeChangeExceeds();
    const bool normalAbove = RootFlowNormal > RootFlowMax && variants;
    auto userScale = [normalAbove] { return RootScale(MaxDpEntered, normalAbove ? RootFlowNormal : RootFlowMax); };
    auto paScale = [normalAbove] { return RootScale(MaxFlowDpPa, normalAbove ? RootFlowNormalPa : RootFlowMaxPa); };
    const Curve curves[] = {
        {clRed, userScale, [](int i) { return RootScale(DpAt(i, MaxDpEntered), RootFlowMax); }, 0, true},
        {clBlue, userScale,
         [variants](int i) { return variants ? RootScale(DpAt(i, MaxDpEntered), RootFlowNormal) : 0.0; }, 0, false},
        {clYellow, paScale, [](int i) { return StandardCurveFlow(DpAt(i, MaxFlowDpPa)); }, 1, false},
        {clBlack, paScale, [variants](int i) { return variants ? SimplifiedLawFlow(DpAt(i, MaxFlowDpPa)) : 0.0; }, 2,
         false},
    };
    for (const Curve& curve : curves) DrawCurve(canvas, width, height, curve);
    box.CanvasChanged();
}

void PlotDeviceCurves() {
    TForm1& f = Form1();
    TPaintBox& box = f.PaintBox1;
    box.SetTop(BottomOf(f.Graftext));
    box.SetLeft(f.Felsimulgrid.Left());
    SizeBox(box, f.Felsimulgrid.Width());
    ClearGraphSurface(box.ClientHeight());
    box.BringToFront();
    box.SetVisible(true);
    DrawFlowGraph();

    TFont white = f.grafblack.Font();
    white.Color = clWhite;
    f.grafblack.SetFont(white);
    PlaceGraphLegend();
    for (TLabel* label : {&f.grafblue, &f.grafred, &f.grafblack, &f.grafyellow, &f.grafdp, &f.grafq})
        label->BringToFront();
}

void DrawFlowProfile() {
    TForm1& f = Form1();
    TPaintBox& box = f.PaintBox1;
    box.SetTop(f.RichEdit1.Top());
    box.SetLeft(f.RichEdit1.Width() - f.HorzScrollBar().Position);
    SizeBox(box, f.RichEdit1.Width());
    const int width = box.ClientWidth(), height = box.ClientHeight();
    ClearGraphSurface(height);

    f.grafblue.SetTop(box.Top() + box.Height() / 2);
    f.grafblue.SetLeft(box.Left() + box.Width() / 2);
    f.grafblue.SetVisible(true);
    f.grafblue.SetCaption("flow profile 100% laminar flow");
    f.grafred.SetTop(BottomOf(f.grafblue));
    f.grafred.SetLeft(f.grafblue.Left());
    f.grafred.SetVisible(true);
    f.grafred.SetCaption("flow profile 100% turbulent flow");

    TCanvas& canvas = box.Canvas();
    canvas.Pen.Color = clBlue;
    canvas.Pen.Width = kProfilePenWidth;
    auto laminar = [width](int i) { return width - i * i * width / 10000; };
    DrawProfileHalf(canvas, width, height, false, laminar);
    DrawProfileHalf(canvas, width, height, true, laminar);
    canvas.Pen.Color = clRed;
    auto turbulent = [width](int i) {
        return static_cast<int>(std::lround(width * std::pow(1.0 - 0.01 * i, kTurbulentExponent)));
    };
    DrawProfileHalf(canvas, width, height, false, turbulent);
    DrawProfileHalf(canvas, width, height, true, turbulent);
    box.CanvasChanged();
}

}  // namespace tubalyx
