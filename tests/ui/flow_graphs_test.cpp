// The graphs' display list: the four curves of an orifice sized by a run, the empty graph
// before a calculation, points that fail, and the two velocity profiles.
#include "ui/flow_graphs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "flow/dp_range_uncertainty.h"
#include "forms/screen.h"
#include "numerics/report_format.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/report_state.h"
#include "state/window_state.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"
#include "ui/layout_controls.h"
#include "ui/run_driver.h"
#include "water_orifice.h"

namespace tubalyx {
namespace {

struct CurveOps {
    int lines = 0, moves = 0;
    std::vector<TPoint> drawn;  // the ends of the lines, in order
};

// The steps of the box's display list by pen colour, the white surface left out.
std::map<TColor, CurveOps> Curves() {
    std::map<TColor, CurveOps> curves;
    for (const TCanvasOp& op : Form1().PaintBox1.Canvas().Ops()) {
        if (op.Pen.Color == clWhite) continue;
        CurveOps& c = curves[op.Pen.Color];
        if (op.Kind == TCanvasOpKind::LineTo) {
            ++c.lines;
            c.drawn.push_back(op.Points[0]);
        } else if (op.Kind == TCanvasOpKind::MoveTo) {
            ++c.moves;
        }
    }
    return curves;
}

// The water orifice in a window of known size.
void SizedWaterOrifice() {
    Screen().SetSize(1600, 900);
    BaseFontSize = 20;
    Form1().SetFontSize(20);
    LayoutControls();
    uitest::RunSizedWaterOrifice();
}

TEST(FlowGraphs, AnOrificeGraphHoldsItsCurves) {
    SizedWaterOrifice();
    TPaintBox& box = Form1().PaintBox1;
    UncertaintyValid = true;
    PlotDeviceCurves();
    const int w = box.ClientWidth(), h = box.ClientHeight();
    ASSERT_GT(w, 0);
    EXPECT_EQ(h, w * 900 / 1600);
    const bool variants = RelativeChangeExceeds();
    std::map<TColor, CurveOps> curves = Curves();
    // Red: the root flow at every point, from the lower left corner to full scale at the
    // maximum dp, half the flow at a quarter of it.
    const CurveOps& red = curves[clRed];
    ASSERT_EQ(red.lines, kFlowGraphPoints);
    EXPECT_EQ(red.moves, 1);
    EXPECT_EQ(red.drawn[49].X, 2500 * w / 10000);
    EXPECT_NEAR(red.drawn[49].Y, h - 0.5 * h, 1.0);
    EXPECT_EQ(red.drawn.back().X, w);
    if (!(RootFlowNormal > RootFlowMax && variants)) {
        EXPECT_EQ(red.drawn.back().Y, 0);
    }
    for (size_t i = 1; i < red.drawn.size(); ++i) EXPECT_LE(red.drawn[i].Y, red.drawn[i - 1].Y) << i;
    // Yellow, the standard's flow, in dashes: every other segment drawn, ending close to full
    // scale; blue and black only when the variants differ enough to be shown.
    const CurveOps& yellow = curves[clYellow];
    EXPECT_EQ(yellow.lines, kFlowGraphPoints / 2);
    EXPECT_EQ(yellow.moves, 1 + kFlowGraphPoints / 2);
    EXPECT_LT(std::abs(yellow.drawn.back().Y), h / 20);
    EXPECT_EQ(curves.count(clBlue) ? curves[clBlue].lines : 0, variants ? kFlowGraphPoints : 0);
    EXPECT_EQ(curves.count(clBlack) ? curves[clBlack].lines : 0, variants ? kFlowGraphPoints / 2 : 0);
    EXPECT_TRUE(UncertaintyValid);
    // The axis labels: full scale in the flow unit, the maximum dp in the dp unit.
    const double full =
        std::sqrt(MaxDpEntered) * (RootFlowNormal > RootFlowMax && variants ? RootFlowNormal : RootFlowMax);
    EXPECT_EQ(Form1().grafq.Caption(), FormatFixed(full, 5) + " " + FlowUnit);
    EXPECT_EQ(Form1().grafdp.Caption(), FormatFixed(MaxDpEntered, 5) + " " + DpUnit);
    EXPECT_EQ(Form1().grafdp.Left() + Form1().grafdp.Width(), box.Left() + box.Width());
    EXPECT_GT(Form1().grafblue.FrontCount(), 0);

    // A point that fails to compute is left out and marks the uncertainty invalid; the root
    // curve, which needs no device equation, is drawn whole.
    PipeDiameter = 0.0;
    DrawFlowGraph();
    curves = Curves();
    EXPECT_FALSE(UncertaintyValid);
    EXPECT_EQ(curves[clRed].lines, kFlowGraphPoints);
    EXPECT_EQ(curves.count(clYellow) ? curves[clYellow].lines : 0, 0);

    // Correction factors of 0 (no calculation): the white surface alone.
    InletEdgeFactor = 0.0;
    DrawFlowGraph();
    EXPECT_TRUE(Curves().empty());
    EXPECT_EQ(box.Canvas().Ops().size(), 2u);
    EXPECT_EQ(box.Canvas().Ops()[1].Pen.Width, 2 * h);
}

TEST(FlowGraphs, VelocityProfilesAreSymmetricLaminarAndOneSeventhPower) {
    TForm1& f = Form1();
    f.RichEdit1.SetWidth(1000);
    f.RichEdit1.SetTop(300);
    Screen().SetSize(1600, 900);
    DrawFlowProfile();
    const TPaintBox& box = f.PaintBox1;
    const int w = box.ClientWidth(), h = box.ClientHeight();
    EXPECT_EQ(w, 1000);
    EXPECT_EQ(h, 562);
    EXPECT_EQ(box.Top(), 300);
    EXPECT_EQ(f.grafblue.Caption(), "flow profile 100% laminar flow");
    EXPECT_EQ(f.grafred.Caption(), "flow profile 100% turbulent flow");
    std::map<TColor, CurveOps> curves = Curves();
    for (TColor colour : {clBlue, clRed}) {
        const CurveOps& c = curves[colour];
        ASSERT_EQ(c.lines, 2 * 101) << colour;
        for (int k = 0; k <= 100; ++k) {
            const TPoint upper = c.drawn[k], lower = c.drawn[101 + k];
            EXPECT_EQ(lower.X, upper.X) << colour << " " << k;
            EXPECT_EQ(lower.Y, h - 1 - upper.Y) << colour << " " << k;
            const int i = 100 - k;
            const int x = colour == clBlue ? w - i * i * w / 10000
                                           : static_cast<int>(std::lround(w * std::pow(1 - 0.01 * i, 1.0 / 7)));
            EXPECT_EQ(upper.X, x) << colour << " " << k;
        }
        // From the wall (no flow) to the axis at the middle, where the flow is fastest.
        EXPECT_EQ(c.drawn[0], (TPoint{0, 0}));
        EXPECT_EQ(c.drawn[100], (TPoint{w, h / 2}));
    }
    // Halfway to the axis the turbulent profile is already much flatter than the parabola.
    EXPECT_GT(curves[clRed].drawn[50].X, curves[clBlue].drawn[50].X);
}

}  // namespace
}  // namespace tubalyx
