// Uncertainty over the dp range: eleven points in sqrt(dp), the coefficient uncertainty and
// the error of the flow scaled by the square root from a reference dp.
#include <gtest/gtest.h>

#include <cmath>

#include "design_duties.h"
#include "flow/coefficient_uncertainty.h"
#include "flow/dp_range_uncertainty.h"
#include "flow/flow_iterations.h"
#include "flow/reynolds.h"
#include "numerics/checked.h"
#include "state/flow_results.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

constexpr double kD = 0.1, kBore = 0.05, kP = 5e5;

void Range(double dpMax, double dpNormal, double dpMin, double& u, double& a, double& b) {
    UncertaintyOverDpRange("VAT", "S", "R", 1.0, 1.3, 1.002e-3, 998.2, kD, kBore, dpMax, dpNormal, dpMin, kP, "3", u, a,
                           b);
}

TEST(UncertaintyOverDpRange, OnePointIsTheCoefficientUncertaintyThere) {
    designtest::WaterDuty();
    DeviceCode = "S";
    MaxMassFlow = 10.0;
    double u = 0.0, a = 0.0, b = 0.0;
    Range(20000.0, 20000.0, 20000.0, u, a, b);
    double q = 0.0;
    FlowFromDiffPressure("VAT", "S", "R", "3", kP, 20000.0, kBore, kD, 998.2, 1.002e-3, 1.3, 1.0, q);
    double u1 = 0.0, u2 = 0.0;
    CoefficientUncertainty("S", "R", "VAT", "3", kP, 0.5, 20000.0, ReynoldsNumber(kD, 1.002e-3, q), 1.3, kD, u1, u2);
    EXPECT_NEAR(u, std::sqrt(u1 * u1 + u2 * u2), 1e-12);
    // Scaled from the dp itself, the flow has no extra error.
    EXPECT_NEAR(a, u, 1e-5);
    EXPECT_NEAR(b, u, 1e-5);
}

TEST(UncertaintyOverDpRange, ScaledFlowsErrMoreFurtherFromTheirReference) {
    designtest::WaterDuty();
    DeviceCode = "S";
    MaxMassFlow = 10.0;
    double u = 0.0, a = 0.0, b = 0.0;
    Range(50000.0, 22445.0, 500.0, u, a, b);
    EXPECT_GT(u, 0.4);
    EXPECT_LT(u, 1.0);
    // The Reynolds term of C changes by well under 1 % over 100:1 in dp, and the flow
    // scaled from max dp errs most at the bottom of the range.
    EXPECT_GT(a, u);
    EXPECT_GT(b, a);
    EXPECT_LT(b - u, 1.0);
}

// The averages over eleven points equally spaced in sqrt(dp), from the library's single-point
// routines.
TEST(UncertaintyOverDpRange, AveragesElevenPointsEquallySpacedInTheRootOfDp) {
    designtest::WaterDuty();
    DeviceCode = "S";
    MaxMassFlow = 10.0;
    const double dpMax = 40000.0, dpNormal = 18000.0, dpMin = 400.0;
    double sumU = 0.0, sumA = 0.0, sumB = 0.0;
    for (int k = 0; k <= 10; ++k) {
        const double root = 20.0 + k * (200.0 - 20.0) / 10.0;
        const double dp = root * root;
        double q = 0.0, qA = 0.0, qB = 0.0;
        FlowFromDiffPressure("VAT", "S", "R", "3", kP, dp, kBore, kD, 998.2, 1.002e-3, 1.3, 1.0, q);
        FlowAtSecondDiffPressure("VAT", "S", "R", "3", kP, dpNormal, dp, kBore, kD, 998.2, 1.002e-3, 1.3, 1.0, qA);
        FlowAtSecondDiffPressure("VAT", "S", "R", "3", kP, dpMax, dp, kBore, kD, 998.2, 1.002e-3, 1.3, 1.0, qB);
        double u1 = 0.0, u2 = 0.0;
        CoefficientUncertainty("S", "R", "VAT", "3", kP, 0.5, dp, ReynoldsNumber(kD, 1.002e-3, q), 1.3, kD, u1, u2);
        const double u = std::hypot(u1, u2);
        sumU += u;
        sumA += std::fabs(qA - q) / q * 100.0 + u;
        sumB += std::fabs(qB - q) / q * 100.0 + u;
    }
    double u = 0.0, a = 0.0, b = 0.0;
    Range(dpMax, dpNormal, dpMin, u, a, b);
    EXPECT_NEAR(u, sumU / 11.0, 1e-9);
    EXPECT_NEAR(a, sumA / 11.0, 1e-9);
    EXPECT_NEAR(b, sumB / 11.0, 1e-9);
}

TEST(UncertaintyOverDpRange, ANegativeDpIsAnInputError) {
    double u = 0.0, a = 0.0, b = 0.0;
    EXPECT_THROW(Range(20000.0, 10000.0, -1.0, u, a, b), CalcError);
}

}  // namespace
}  // namespace tubalyx
