#include "pressure_loss/branch_fittings.h"

#include <gtest/gtest.h>

#include <vector>

#include "numerics/number_text.h"
#include "pressure_loss/fitting_catalogue.h"
#include "pressure_loss/grid_test_support.h"

namespace tubalyx {
namespace {

class BranchFittingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        gridtest::ResetResistanceGrid();
        savedFont_ = Form1().Font();
        TFont font = savedFont_;
        font.Size = 12;
        Form1().SetFont(font);
        Form1().Motstandgrid.SetTop(400);
    }
    void TearDown() override { Form1().SetFont(savedFont_); }

    static const std::vector<TCanvasOp>& Ops() { return Form1().PaintBox1.Canvas().Ops(); }
    // The filled triangles in drawing order.
    static std::vector<TCanvasOp> Heads() {
        std::vector<TCanvasOp> heads;
        for (const TCanvasOp& op : Ops())
            if (op.Kind == TCanvasOpKind::Polygon) heads.push_back(op);
        return heads;
    }
    // The shaft points drawn with the given pen width, as (x, y) pairs.
    static std::vector<TPoint> PointsDrawnWith(int width) {
        std::vector<TPoint> points;
        for (const TCanvasOp& op : Ops())
            if (op.Kind != TCanvasOpKind::Polygon && op.Pen.Width == width) points.push_back(op.Points.front());
        return points;
    }
    TFont savedFont_;
};

TEST_F(BranchFittingsTest, ZetaOverTheFlowShare) {
    const struct {
        double share, zeta[4];
    } cases[] = {
        // zeta of kinds 70, 71, 72, 73
        {20, {0.87, 0.20, -0.4, 0.49}},
        {50, {0.94, 0.015, 0.27, 0.325}},
        {100, {1.27, 0.03, 0.90, 0.05}},
        {120, {1.42, 0.14, 1.115, -0.06}},
        {StrToFloatSafe(""), {1.0, 0.37, -1.0, 0.6}},
    };
    for (const auto& c : cases)
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(BranchZeta(70 + i, c.share), c.zeta[i], 1e-12) << 70 + i << " at " << c.share;
            ResistanceKind[10] = 70 + i;
            ResistanceParamA[10] = c.share;
            FittingResistanceNumber(10);
            EXPECT_NEAR(ResistanceZeta[10], c.zeta[i], 1e-12) << 70 + i << " at " << c.share;
        }
    EXPECT_EQ(BranchZeta(10, 50), 0.0);
}

TEST_F(BranchFittingsTest, PlacingABranchColumn) {
    AddBranchMainFlow72(2);
    const TStringGrid& grid = Form1().Motstandgrid;
    EXPECT_EQ(ResistanceKind[2], 73);
    EXPECT_EQ(grid.Cell(2, 1), "73.Inflow: main tube. Outflow: main tube (Inflow: connected tube)");
    EXPECT_EQ(grid.Cell(2, 2) + "|" + grid.Cell(2, 3) + "|" + grid.Cell(2, 6), "0,4900|1|20");
    EXPECT_EQ(grid.Cell(0, 6), "% of total flow?");
    EXPECT_EQ(ResistanceParamA[2], 20);
    EXPECT_FALSE(Heads().empty());
    // Showing a branch column leaves the diagram; another kind clears it away once.
    BranchDiagramMarker = 5;
    DispatchResistanceColumn(2);
    EXPECT_EQ(BranchDiagramMarker, 0);
    AddBend45R2D(3);
    DispatchResistanceColumn(3);
    EXPECT_FALSE(Form1().PaintBox1.Visible());
    EXPECT_EQ(BranchDiagramMarker, 10 + 120);
    Form1().PaintBox1.SetVisible(true);
    DispatchResistanceColumn(3);
    EXPECT_TRUE(Form1().PaintBox1.Visible());
}

// S 120, a 12, b 40, c 60, m 32, arrowheads q4 = 10 deep; the red path first, then the black.
TEST_F(BranchFittingsTest, DiagramOfEveryBranchKindAtTwelvePoints) {
    const std::vector<TPoint> up{{32, 0}, {22, 10}, {42, 10}};
    const struct {
        int kind;
        std::vector<TPoint> red, redHead, blackHead;
    } cases[] = {
        {70,
         {{32, 120}, {32, 60}, {120, 60}, {32, 60}},
         {{120, 60}, {110, 50}, {110, 70}},
         {{32, 10}, {22, 20}, {42, 20}}},
        {71, {{32, 120}, {32, 0}}, up, {{110, 60}, {100, 50}, {100, 70}}},
        {72, {{120, 60}, {32, 60}, {32, 0}}, up, {{32, 80}, {22, 90}, {42, 90}}},
        {73, {{32, 120}, {32, 0}}, up, {{52, 60}, {62, 50}, {62, 70}}},
    };
    for (const auto& c : cases) {
        PaintBranchDiagram(c.kind);
        EXPECT_EQ(PointsDrawnWith(4), c.red) << c.kind;
        const std::vector<TCanvasOp> heads = Heads();
        ASSERT_EQ(heads.size(), 2u) << c.kind;
        EXPECT_EQ(heads[0].Points, c.redHead) << c.kind;
        EXPECT_EQ(heads[1].Points, c.blackHead) << c.kind;
        EXPECT_EQ((std::vector<int>{heads[0].Brush.Color, heads[1].Brush.Color, heads[0].Pen.Width}),
                  (std::vector<int>{clRed, clBlack, 0}))
            << c.kind;
    }
    const TPaintBox& box = Form1().PaintBox1;
    EXPECT_EQ((std::vector<int>{box.Left(), box.Top(), box.Width(), box.Height()}),
              (std::vector<int>{10, 400 - 120, 120, 120}));
    EXPECT_EQ(box.Hint(), "Red arrow = actual flow");
    EXPECT_GT(box.FrontCount(), 0);
    EXPECT_EQ(Ops()[0].Pen, (TPen{clWhite, 120}));
    EXPECT_EQ(Ops()[0].Points.front(), (TPoint{0, 60}));
    EXPECT_EQ(PointsDrawnWith(2).front(), (TPoint{12, 0}));
}

TEST_F(BranchFittingsTest, NoArrowsForAnotherKindAndNoDiagramOutsideThePressureLossFunction) {
    PaintBranchDiagram(12);
    EXPECT_EQ(Ops().size(), 10u);  // the white ground and the walls
    EXPECT_TRUE(Heads().empty());
    Form1().PaintBox1.Canvas().Clear();
    PaintBranchDiagram(0);
    CalcFunction = "Flow";
    PaintBranchDiagram(70);
    EXPECT_TRUE(Ops().empty());
}

}  // namespace
}  // namespace tubalyx
