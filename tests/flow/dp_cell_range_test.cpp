#include <gtest/gtest.h>

#include "flow/dp_cell_range.h"
#include "numerics/checked.h"

using namespace tubalyx;

TEST(OptimizeDpCellRange, NoRangeGivesTheSpanError) {
    double dpAtMin, low, one, two;
    OptimizeDpCellRange(100, 100, 100, dpAtMin, low, one, two);
    EXPECT_DOUBLE_EQ(dpAtMin, 100);
    EXPECT_NEAR(one, 0.05, 1e-12);
    EXPECT_NEAR(two, 0.05, 1e-12);
    EXPECT_NEAR(low, 100, 1e-12);
}

// Brute force over the same 1 %-steps of R: the search must stop at the first increase and
// report the square of that best R.
TEST(OptimizeDpCellRange, TenToOneRangeFindsTheFirstMinimum) {
    double dpAtMin, low, one, two;
    OptimizeDpCellRange(100, 10, 100, dpAtMin, low, one, two);
    EXPECT_DOUBLE_EQ(dpAtMin, 1);
    auto average = [](double r) {
        double s = 0;
        for (int k = 0; k <= 100; ++k) {
            double q = 10 + k * 0.9;
            double span = q < r ? r : 100.0;
            s += 0.5 * span * span / q * 0.001;
        }
        return s / 100 * 100 / 101;
    };
    EXPECT_NEAR(one, average(100), 1e-12);
    double r = 100, best = 100, prev = 1e10;
    for (;;) {
        double s = average(r);
        if (s > prev * 1.00000000001) break;
        best = r;
        prev = s;
        r *= 0.99;
        if (r < 10) break;
    }
    EXPECT_NEAR(low, best * best / 100, 1e-9);
    EXPECT_NEAR(two, average(best), 1e-12);
    EXPECT_LT(two, one);
    EXPECT_LT(low, 100);
}

TEST(OptimizeDpCellRange, SmallMinimumFlowRaisesSingleAverage) {
    double dpAtMin, low1, one1, two1, low2, one2, two2;
    OptimizeDpCellRange(100, 20, 100, dpAtMin, low1, one1, two1);
    OptimizeDpCellRange(100, 5, 100, dpAtMin, low2, one2, two2);
    EXPECT_GT(one2, one1);
    EXPECT_LT(low2, low1);
}

TEST(OptimizeDpCellRange, ZeroMinimumFlowIsAnError) {
    double dpAtMin, low, one, two;
    EXPECT_THROW(OptimizeDpCellRange(100, 0, 100, dpAtMin, low, one, two), CalcError);
}
