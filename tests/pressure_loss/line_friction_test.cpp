// Friction factor, fitting resistances and the drop of one segment, against independent
// references: Colebrook-White solved by bisection, Darcy-Weisbach, the published
// smooth-pipe value, the hydrostatic head.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "grid_test_support.h"
#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "pressure_loss/line_resistance.h"
#include "pressure_loss/line_segment.h"
#include "state/medium.h"
#include "state/pressure_loss_state.h"

namespace tubalyx {
namespace {

// 1/sqrt(lambda) = -2 log10(k/(3.71 D) + 2.51/(Re sqrt(lambda))) by bisection in
// x = 1/sqrt(lambda), where the residual rises with x.
double ColebrookByBisection(double relativeRoughness, double re) {
    auto g = [&](double x) { return x + 2 * std::log10(relativeRoughness / 3.71 + 2.51 * x / re); };
    double lo = 0.5, hi = 100;
    while (hi - lo > 1e-14) {
        const double mid = 0.5 * (lo + hi);
        (g(mid) > 0 ? hi : lo) = mid;
    }
    const double x = 0.5 * (lo + hi);
    return 1 / (x * x);
}

TEST(ColebrookFrictionFactor, WorkedValuesAndTheLaminarLimit) {
    EXPECT_NEAR(ColebrookFrictionFactor(0, 100, 1e5), 0.017990, 5e-7);
    EXPECT_NEAR(ColebrookFrictionFactor(0.05, 100, 1e5), 0.020321, 5e-7);
    EXPECT_DOUBLE_EQ(ColebrookFrictionFactor(0.05, 100, 2319), 64.0 / 2319);
    // 2320 is already turbulent: far above 64/Re.
    EXPECT_NEAR(ColebrookFrictionFactor(0, 100, 2320), ColebrookByBisection(0, 2320), 1e-9);
    EXPECT_THROW(ColebrookFrictionFactor(0.05, 100, 0), CalcError);
}

TEST(ColebrookFrictionFactor, AgreesWithTheExactSolutionOverTheMoodyChart) {
    for (double kd : {0.0, 1e-6, 1e-5, 1e-4, 1e-3, 0.01, 0.05})
        for (double re : {2320.0, 4000.0, 1e4, 1e5, 1e6, 1e7, 1e8})
            EXPECT_NEAR(ColebrookFrictionFactor(kd * 100, 100, re), ColebrookByBisection(kd, re), 1e-9)
                << "k/D " << kd << " Re " << re;
}

class SegmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        gridtest::ResetResistanceGrid();
        PipeRoughnessMm = 0.05;
        OperatingPressure = 5e5;
        PipeDiameterColdMm = 100;
    }
    // 10 kg/s of water-like liquid in D 100 mm.
    static LineFlowState Liquid() {
        const double v = 10 / 998.2 / (std::numbers::pi * 0.01 / 4);
        return {.massFlow = 10,
                .diameter = 0.1,
                .pressure = 5e5,
                .temperature = 20,
                .density = 998.2,
                .viscosity = 1e-3,
                .kappa = 1,
                .velocity = v};
    }
    static void Place(int column, int kind, double position, double zeta) {
        ResistanceKind[column] = kind;
        ResistancePosition[column] = position;
        ResistanceZeta[column] = zeta;
        Form1().Motstandgrid.SetCell(column, 1, "fitting");
    }
};

TEST_F(SegmentTest, FittingsBelongToTheSegmentThatEndsAtThemAndTheFirstTakesTheInlet) {
    const LineFlowState s = Liquid();
    Place(1, 42, 0, 0.5);           // at the inlet: the first segment
    Place(2, 99, 50, 1.0);          // exactly at the end of the first of two segments
    Place(3, 40, 50 + 1e-11, 2.0);  // within the tolerance: still the first
    Place(4, 41, 60, 4.0);          // the second segment
    Place(5, 46, 20, 8.0);
    Form1().Motstandgrid.SetCell(5, 1, "");  // no description: not part of the line
    const double pipe = ComputeLinePressureLoss(true, "VÄT", 2, s, 0, 100, false).zetaSum;
    const LineSegmentLoss first = ComputeLinePressureLoss(false, "VÄT", 2, s, 0, 100, true);
    const LineSegmentLoss second = ComputeLinePressureLoss(false, "VÄT", 2, s, 50, 100, true);
    EXPECT_NEAR(first.zetaSum - pipe, 3.5, 1e-12);
    EXPECT_NEAR(second.zetaSum - pipe, 4.0, 1e-12);
    // The fitting's own drop in its column: zeta rho v^2 / 2 in % of P and in mbar.
    const double drop = 4.0 * 998.2 * s.velocity * s.velocity / 2;
    EXPECT_EQ(Form1().Motstandgrid.Cell(4, 5), FormatFixed(0.01 * drop, 5));
    EXPECT_EQ(Form1().Motstandgrid.Cell(4, 4), FormatFixed(100 * drop / 5e5, 5));
}

TEST_F(SegmentTest, HeightRowsAddTheirHeadInProportionToTheOverlap) {
    const LineFlowState s = Liquid();
    Place(1, 81, 40, 0);
    HeightRowLength[1] = 20;  // 40 to 60 m, 10 m up
    HeightRowRise[1] = 10;
    const double pipe = ComputeLinePressureLoss(true, "VÄT", 2, s, 0, 100, false).drop;
    const LineSegmentLoss first = ComputeLinePressureLoss(false, "VÄT", 2, s, 0, 100, true);
    EXPECT_DOUBLE_EQ(first.rise, 5);
    EXPECT_NEAR(first.drop - pipe, 9.81 * (998.2 - 1.293) * 5, 1e-6);
    EXPECT_NEAR(first.zetaSum, ComputeLinePressureLoss(true, "VÄT", 2, s, 0, 100, false).zetaSum, 1e-12);
    EXPECT_EQ(first.lastFitting, -1);
    // Downhill gains pressure; a row of no length and no rise adds nothing and raises nothing.
    HeightRowRise[1] = -10;
    EXPECT_LT(ComputeLinePressureLoss(false, "VÄT", 2, s, 50, 100, true).drop, pipe);
    HeightRowRise[1] = HeightRowLength[1] = 0;
    EXPECT_DOUBLE_EQ(ComputeLinePressureLoss(false, "VÄT", 2, s, 0, 100, true).drop, pipe);
}

TEST_F(SegmentTest, FlowDependentFittingsComputeTheirZeta) {
    const LineFlowState s = Liquid();
    LineVelocity = s.velocity;
    FlowDensity = 998.2;
    // Sudden expansion 100 -> 200 mm (Borda-Carnot) and sudden contraction 100 -> 50 mm.
    Place(1, 34, 10, 0);
    ResistanceParamB[1] = 200;
    Place(2, 31, 10, 0);
    ResistanceParamB[2] = 50;
    const LineSegmentLoss loss = ComputeLinePressureLoss(false, "VÄT", 1, s, 0, 100, true);
    EXPECT_DOUBLE_EQ(ResistanceZeta[1], 0.75 * 0.75);
    EXPECT_DOUBLE_EQ(ResistanceZeta[2], 0.5 - 0.4 / 4);
    EXPECT_EQ(loss.lastFitting, 2);
    EXPECT_EQ(Form1().Motstandgrid.Cell(1, 2), FormatFixed(0.5625, 5));
    // An orifice of throat 50 mm (beta 0.5, C about 0.6055): dp 33.2 kPa from the flow
    // equation, the permanent loss 0.732 dp (ISO 5167-2, 5.4.2), 24.3 kPa over the dynamic
    // pressure 812 Pa. A valve whose cells are no numbers raises.
    Place(3, 60, 10, 0);
    ResistanceParamB[3] = 50;
    ComputeLinePressureLoss(false, "VÄT", 1, s, 0, 100, true);
    EXPECT_NEAR(ResistanceZeta[3], 29.97, 0.02 * 29.97);
    Place(4, 50, 10, 0);
    Form1().Motstandgrid.SetCell(4, 6, "kv");
    EXPECT_THROW(ComputeLinePressureLoss(false, "VÄT", 1, s, 0, 100, true), CalcError);
}

}  // namespace
}  // namespace tubalyx
