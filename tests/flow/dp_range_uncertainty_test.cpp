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
// routines. An ISA 1932 nozzle 100 mm in DN200 at 2.5 Pa, far below its Reynolds range, has a
// coefficient of 0 and no flow at the bottom of its range: that point leaves out the two
// deviations only, which average over the ten points that flow.
TEST(UncertaintyOverDpRange, AveragesElevenPointsEquallySpacedInTheRootOfDp) {
    const struct {
        const char* device;
        const char* variant;
        double pipe, bore, dpMax, dpNormal, dpMin;
        int flowing;  // points with a flow above 0
    } cases[] = {
        {"S", "R", kD, kBore, 40000.0, 18000.0, 400.0, 11},
        {"D", " ", 0.2, 0.071, 25000.0, 11240.0, 2.5, 10},
    };
    for (const auto& c : cases) {
        designtest::WaterDuty();
        DeviceCode = c.device, DeviceVariantCode = c.variant;
        MaxMassFlow = 10.0;
        const double beta = c.bore / c.pipe;
        double sumU = 0.0, sumA = 0.0, sumB = 0.0;
        int flowing = 0;
        for (int k = 0; k <= 10; ++k) {
            const double root = std::sqrt(c.dpMin) + k * (std::sqrt(c.dpMax) - std::sqrt(c.dpMin)) / 10.0;
            const double dp = root * root;
            double q = 0.0, qA = 0.0, qB = 0.0;
            FlowFromDiffPressure("VAT", c.device, c.variant, "3", kP, dp, c.bore, c.pipe, 998.2, 1.002e-3, 1.3, 1.0, q);
            FlowAtSecondDiffPressure("VAT", c.device, c.variant, "3", kP, c.dpNormal, dp, c.bore, c.pipe, 998.2,
                                     1.002e-3, 1.3, 1.0, qA);
            FlowAtSecondDiffPressure("VAT", c.device, c.variant, "3", kP, c.dpMax, dp, c.bore, c.pipe, 998.2, 1.002e-3,
                                     1.3, 1.0, qB);
            double u1 = 0.0, u2 = 0.0;
            CoefficientUncertainty(c.device, c.variant, "VAT", "3", kP, beta, dp, ReynoldsNumber(c.pipe, 1.002e-3, q),
                                   1.3, c.pipe, u1, u2);
            const double u = std::hypot(u1, u2);
            sumU += u;
            if (q == 0.0) continue;
            ++flowing;
            sumA += std::fabs(qA - q) / q * 100.0 + u;
            sumB += std::fabs(qB - q) / q * 100.0 + u;
        }
        ASSERT_EQ(flowing, c.flowing) << c.device;
        double u = 0.0, a = 0.0, b = 0.0;
        UncertaintyOverDpRange("VAT", c.device, c.variant, 1.0, 1.3, 1.002e-3, 998.2, c.pipe, c.bore, c.dpMax,
                               c.dpNormal, c.dpMin, kP, "3", u, a, b);
        EXPECT_NEAR(u, sumU / 11.0, 1e-9) << c.device;
        EXPECT_NEAR(a, sumA / flowing, 1e-9) << c.device;
        EXPECT_NEAR(b, sumB / flowing, 1e-9) << c.device;
    }
}

// A range with no flow anywhere has no deviation to average: an input error, not a number.
TEST(UncertaintyOverDpRange, ARangeWithoutFlowIsAnInputError) {
    designtest::WaterDuty();
    DeviceCode = "D", DeviceVariantCode = " ";
    double u = 0.0, a = 0.0, b = 0.0;
    EXPECT_THROW(
        UncertaintyOverDpRange("VAT", "D", " ", 1.0, 1.3, 1.002e-3, 998.2, 0.2, 0.071, 2.5, 2.5, 1.0, kP, "3", u, a, b),
        CalcError);
}

TEST(UncertaintyOverDpRange, ANegativeDpIsAnInputError) {
    double u = 0.0, a = 0.0, b = 0.0;
    EXPECT_THROW(Range(20000.0, 10000.0, -1.0, u, a, b), CalcError);
}

}  // namespace
}  // namespace tubalyx
