// Flow, differential-pressure and bore iterations: inverse round trips for every device,
// the stop rules and the special cases of the iterations.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "flow/device_coefficients.h"
#include "flow/flow_iterations.h"
#include "flow/permanent_loss.h"
#include "flow_test_support.h"
#include "numerics/checked.h"
#include "state/flow_results.h"
#include "state/geometry.h"

namespace tubalyx {
namespace {

using flowtest::kAllDevices;
using flowtest::SelectDevice;

constexpr double kP = 5e5, kBigD = 0.1, kRho = 5.9, kMu = 1.8e-5, kKappa = 1.4;

double Flow(const char* medium, const char* dev, const char* var, const char* std, double dp, double d, double f = 1.0,
            double rho = kRho, double p = kP) {
    double qm = 0.0;
    FlowFromDiffPressure(medium, dev, var, std, p, dp, d, kBigD, rho, kMu, kKappa, f, qm);
    return qm;
}

double Dp(const char* medium, const char* dev, const char* var, const char* std, double qm, double d, double f = 1.0,
          double rho = kRho, double p = kP) {
    double dp = 0.0;
    DiffPressureFromFlow(medium, dev, var, std, p, qm, d, kBigD, rho, kMu, kKappa, f, dp);
    return dp;
}

double Bore(const char* medium, const char* dev, const char* var, const char* std, double qm, double dp,
            double rho = kRho) {
    double d = 0.0;
    ThroatDiameterFromFlow(medium, dev, var, std, kP, qm, dp, kBigD, rho, kMu, kKappa, 1.0, d);
    return d;
}

void ExpectInverse(const char* medium, double rho, double dp, double tolerance) {
    for (const auto& dc : kAllDevices) {
        SelectDevice(dc.device, dc.variant);
        const double d = 0.06;
        const double qm = Flow(medium, dc.device, dc.variant, dc.standard, dp, d, 1.0, rho);
        ASSERT_GT(qm, 0.0) << dc.device << dc.variant << dc.standard;
        const double back = Dp(medium, dc.device, dc.variant, dc.standard, qm, d, 1.0, rho);
        EXPECT_NEAR(back / dp, 1.0, tolerance)
            << medium << " " << dc.device << dc.variant << dc.standard << " dp " << dp;
        // The converged flow satisfies the flow equation at its own coefficients.
        const FlowCoefficients k = ComputeDeviceCoefficients(
            DecodeDeviceSelection(medium, dc.device, dc.variant, dc.standard), kP, qm, dp, d, kBigD, kMu, kKappa);
        const double eq = IsConeDevice(DecodeDevice(dc.device)) ? ConeMeterFlow(k, CalibratedCf, kBigD, dp, rho)
                                                                : StandardDeviceFlow(k, 1.0, d, dp, rho);
        EXPECT_NEAR(eq / qm, 1.0, 1e-9);
    }
}

TEST(FlowIterations, FlowAndDiffPressureAreInverseForEveryDevice) {
    ExpectInverse("VAT", 998.0, 25000.0, 1e-9);
    ExpectInverse("VAT", 998.0, 250.0, 1e-9);
    ExpectInverse("LUF", kRho, 5000.0, 1e-9);
}

TEST(FlowIterations, GasInverseAtLargeDiffPressureWithinTheStopRule) {
    // At dp/p = 5 % the expansibility feeds back into the dp iteration, whose stop rule
    // (relative change below 1e-7) then leaves an error of some 1e-9.
    ExpectInverse("LUF", kRho, 25000.0, 1e-8);
}

TEST(FlowIterations, OrificeFlowSolveMatchesTheGeneralIterationExactly) {
    // The orifice solve keeps the plate terms between passes; it must give the very same
    // flow as the step-by-step iteration over the full coefficients.
    for (const char* std : {"3", "I"}) {
        for (const char* var : {"R", "F", "D"}) {
            SelectDevice("S", var);
            PipeDiameter = 0.06;  // the 1991 small-pipe term follows the state
            const DeviceSelection sel = DecodeDeviceSelection("LUF", "S", var, std);
            double qm = 1.0;
            for (int n = 0; n < 10000; ++n) {
                const double previous = qm;
                const FlowCoefficients k = ComputeDeviceCoefficients(sel, kP, qm, 20000.0, 0.05, kBigD, kMu, kKappa);
                qm = StandardDeviceFlow(k, 1.0, 0.05, 20000.0, kRho);
                if (std::fabs(previous - qm) / qm < 1e-7) break;
            }
            EXPECT_EQ(Flow("LUF", "S", var, std, 20000.0, 0.05), qm) << std << var;
        }
    }
    PipeDiameter = 0.1;
}

TEST(FlowIterations, BoreFromFlowReproducesTheBore) {
    for (const auto& dc : kAllDevices) {
        SelectDevice(dc.device, dc.variant);
        for (double d : {0.03, 0.06, 0.07}) {
            const double qm = Flow("LUF", dc.device, dc.variant, dc.standard, 20000.0, d);
            EXPECT_NEAR(Bore("LUF", dc.device, dc.variant, dc.standard, qm, 20000.0) / d, 1.0, 3e-6)
                << dc.device << dc.variant << dc.standard << " d " << d;
        }
    }
}

TEST(FlowIterations, OrificeWorkedExampleFlowFromItsDiffPressure) {
    SelectDevice("S", "F");
    // The worked example's plate: the dp that carries 0.12 kg/s gives 0.12 kg/s back.
    double dp = 0.0;
    DiffPressureFromFlow("LUF", "S", "F", "3", 1e6, 0.12, 0.0222, 0.07391, 1.165, 1.85e-5, 1.4, 1.0, dp);
    double qm = 0.0;
    FlowFromDiffPressure("LUF", "S", "F", "3", 1e6, dp, 0.0222, 0.07391, 1.165, 1.85e-5, 1.4, 1.0, qm);
    EXPECT_NEAR(qm, 0.12, 1e-10);
    double c, e, eps, beta, re;
    DeviceCoefficients("LUF", "S", "F", "3", 1e6, 0.12, dp, 0.0222, 0.07391, 1.165, 1.85e-5, 1.4, c, e, eps, beta, re);
    EXPECT_NEAR(c, 0.5990326277, 5e-11);
    const double direct = c * e * eps * std::numbers::pi / 4 * 0.0222 * 0.0222 * std::sqrt(2 * dp * 1.165);
    EXPECT_NEAR(direct, 0.12, 1e-9);
}

TEST(FlowIterations, InstallationFactorScalesTheFlow) {
    SelectDevice("S", "D");
    const double q1 = Flow("VAT", "S", "D", "3", 1e4, 0.05, 1.0, 998.0);
    const double q2 = Flow("VAT", "S", "D", "3", 1e4, 0.05, 1.01, 998.0);
    EXPECT_NEAR(q2 / q1, 1.01, 1e-5);  // C shifts a little with the Reynolds number
    EXPECT_NEAR(Dp("VAT", "S", "D", "3", q1, 0.05, 1.01, 998.0) / 1e4, 1 / (1.01 * 1.01), 1e-5);
}

TEST(FlowIterations, ZeroDiffPressureGivesZeroFlow) {
    for (const auto& dc : kAllDevices) {
        SelectDevice(dc.device, dc.variant);
        EXPECT_EQ(Flow("LUF", dc.device, dc.variant, dc.standard, 0.0, 0.05), 0.0) << dc.device;
    }
}

TEST(FlowIterations, DiffPressureAbovePressureIsReturnedUncapped) {
    SelectDevice("S", "R");
    const double p = 1e5;
    const double dp = Dp("LUF", "S", "R", "3", 2.0, 0.03, 1.0, 1.2, p);
    EXPECT_GT(dp, p);
    // Expansibility inside was taken at 0.9999 p: the result is the inversion there.
    FlowCoefficients k = ComputeDeviceCoefficients(DecodeDeviceSelection("LUF", "S", "R", "3"), p, 2.0, 0.9999 * p,
                                                   0.03, kBigD, kMu, kKappa);
    const double x = 2.0 / (k.c * k.e * k.epsilon * std::numbers::pi / 4 * 0.03 * 0.03);
    EXPECT_NEAR(dp, x * x * 0.5 / 1.2, 1e-9 * dp);
}

TEST(FlowIterations, ScaledDiffPressureFollowsTheSquareLaw) {
    SelectDevice("S", "F");
    const double dpA = Dp("LUF", "S", "F", "3", 0.8, 0.05);
    double same = 0.0, doubled = 0.0;
    ScaledDiffPressureFromFlow("LUF", "S", "F", "3", kP, 0.8, 0.8, 0.05, kBigD, kRho, kMu, kKappa, 1.0, same);
    ScaledDiffPressureFromFlow("LUF", "S", "F", "3", kP, 0.8, 1.6, 0.05, kBigD, kRho, kMu, kKappa, 1.0, doubled);
    EXPECT_NEAR(same / dpA, 1.0, 2e-6);
    EXPECT_NEAR(doubled / same, 4.0, 1e-14);
}

TEST(FlowIterations, FlowAtSecondDiffPressureUsesCoefficientsOfTheFirst) {
    SelectDevice("S", "R");
    const double dpA = 30000.0, dpB = 7500.0, d = 0.05;
    MaxMassFlow = 1.0;
    double q = 0.0;
    FlowAtSecondDiffPressure("VAT", "S", "R", "3", kP, dpA, dpB, d, kBigD, 998.0, kMu, kKappa, 1.0, q);
    const double qA = Flow("VAT", "S", "R", "3", dpA, d, 1.0, 998.0);
    EXPECT_NEAR(q / qA, 0.5, 1e-12);  // liquid: sqrt(dpB / dpA) with the same C
    const double qB = Flow("VAT", "S", "R", "3", dpB, d, 1.0, 998.0);
    EXPECT_NE(q, qB);  // the real flow at dpB has its own, lower-Reynolds C
}

TEST(ThroatDiameter, UnreachableFlowStopsAtTheBoreLimit) {
    SelectDevice("S", "R");
    const double qm = 500.0;
    const double d = Bore("VAT", "S", "R", "3", qm, 1000.0, 998.0);
    // The search gives up once a step reaches 0.94 D short of the flow; the bore it returns is
    // clamped to the largest it tries, 0.95 D (0.99 D for a cone), and even that cannot carry
    // the flow.
    EXPECT_GE(d, 0.94 * kBigD);
    EXPECT_LE(d, 0.95 * kBigD);
    EXPECT_LT(Flow("VAT", "S", "R", "3", 1000.0, 0.95 * kBigD, 1.0, 998.0), qm);
}

TEST(ThroatDiameter, ConeMayGoUpTo99PercentOfThePipe) {
    SelectDevice("VCONE", "");
    // A cone of 0.97 D: beyond the 0.95 D ceiling of the other devices.
    const double qm = Flow("VAT", "VCONE", "", "3", 20000.0, 0.097, 1.0, 998.0);
    EXPECT_NEAR(Bore("VAT", "VCONE", "", "3", qm, 20000.0, 998.0) / 0.097, 1.0, 3e-6);
}

TEST(ThroatDiameter, SolveThroatDiameterReachesTheDesignFlow) {
    SelectDevice("S", "F");
    const double d0 = 0.055, dpA = 20000.0;
    const double qA = Flow("VAT", "S", "F", "3", dpA, d0, 1.0, 998.0);
    double d = 0.0;
    SolveThroatDiameter("VAT", "S", "F", "3", kP, qA, qA, dpA, kBigD, 998.0, kMu, kKappa, 1.0, d);
    EXPECT_NEAR(d / d0, 1.0, 1e-5);
    SolveThroatDiameter("VAT", "S", "F", "3", kP, 1e4, 1e4, dpA, kBigD, 998.0, kMu, kKappa, 1.0, d);
    EXPECT_DOUBLE_EQ(d, 0.95 * kBigD);
}

TEST(RestrictionOrifice, DiffPressureForAWantedLoss) {
    SelectDevice("S", "R");
    double dp = 0, d = 0, loss = 0;
    RestrictionDiffPressureForLoss("VAT", "S", "R", "3", kP, 5.0, 50000.0, kBigD, 998.0, kMu, kKappa, 1.0, dp, d, loss);
    EXPECT_NEAR(loss / 50000.0, 1.0, 1e-5);
    EXPECT_GT(dp, loss);
    // The loss reached is that of the device at the returned dp.
    const double q = Flow("VAT", "S", "R", "3", dp, d, 1.0, 998.0);
    EXPECT_NEAR(q / 5.0, 1.0, 1e-5);
}

TEST(RestrictionOrifice, WantedLossAbovePressureHoldsDpAtPressure) {
    SelectDevice("S", "R");
    double dp = 0, d = 0, loss = 0;
    const double p = 2e5;
    RestrictionDiffPressureForLoss("VAT", "S", "R", "3", p, 5.0, 3e5, kBigD, 998.0, kMu, kKappa, 1.0, dp, d, loss);
    EXPECT_EQ(dp, p);
    EXPECT_LT(loss, 3e5);
    EXPECT_GT(loss, 0.0);
}

TEST(FlowIterations, FaultsRaiseInsteadOfHanging) {
    SelectDevice("S", "R");
    EXPECT_THROW(Dp("LUF", "S", "R", "3", 0.0, 0.05), CalcError);   // 0 / 0 change
    EXPECT_THROW(Bore("LUF", "S", "R", "3", 0.0, 1e4), CalcError);  // zero target flow
    EXPECT_THROW(Flow("LUF", "S", "R", "3", std::nan(""), 0.05), CalcError);
    EXPECT_THROW(Flow("LUF", "S", "R", "3", -100.0, 0.05), CalcError);
    EXPECT_THROW(Bore("LUF", "S", "R", "3", std::nan(""), 1e4), CalcError);
    EXPECT_THROW(Dp("LUF", "S", "R", "3", 1.0, 0.05, 1.0, std::nan("")), CalcError);
    EXPECT_THROW(Flow("LUF", "S", "R", "3", 1e4, 0.05, 1.0, 1.0, std::nan("")), CalcError);
}

TEST(ThroatDiameter, NegativeTargetFlowEndsAfterTheFirstStep) {
    // The relative miss |q1 - qm| / qm of a negative target is negative, below every
    // tolerance: the first Newton step is the result.
    SelectDevice("S", "R");
    const double qm = -2.0, dp = 20000.0, d0 = 0.5 * kBigD;
    const double q1 = Flow("VAT", "S", "R", "3", dp, d0, 1.0, 998.0);
    const double q2 = Flow("VAT", "S", "R", "3", dp, d0 + 0.0001 * d0, 1.0, 998.0);
    const double step = d0 + (qm - q1) * (0.0001 * d0 / (q2 - q1)) * (1.0 / 6.0);
    EXPECT_NEAR(Bore("VAT", "S", "R", "3", qm, dp, 998.0), step, 1e-15);
}

TEST(ThroatDiameter, SolveThroatDiameterNegativeDesignFlowEndsAfterTheFirstStep) {
    SelectDevice("S", "R");
    const double qA = -2.0, dpA = 20000.0, d0 = 0.5 * kBigD;
    const FlowCoefficients k =
        ComputeDeviceCoefficients(DecodeDeviceSelection("VAT", "S", "R", "3"), kP, qA, dpA, d0, kBigD, kMu, kKappa);
    const double bigK = std::sqrt(2.0 * dpA * 998.0) * k.c * k.epsilon * std::numbers::pi / 4;
    const double qc = bigK * d0 * d0 * k.e;
    const double step = d0 + 0.2 * (qA - qc) / (d0 * bigK * k.e * k.e * k.e);
    double d = 0.0;
    SolveThroatDiameter("VAT", "S", "R", "3", kP, qA, qA, dpA, kBigD, 998.0, kMu, kKappa, 1.0, d);
    EXPECT_NEAR(d, step, 1e-15);
}

TEST(FlowIterations, NegativeDiffPressureEndsTheDpIterationAtOnce) {
    // A negative density makes the inverted dp negative; its relative change is negative
    // too, so the first inversion (expansibility at 0.1 p) is returned.
    SelectDevice("S", "R");
    const double rho = -5.9, qm = 0.5, d = 0.05;
    const FlowCoefficients k =
        ComputeDeviceCoefficients(DecodeDeviceSelection("LUF", "S", "R", "3"), kP, qm, 0.1 * kP, d, kBigD, kMu, kKappa);
    const double x = qm / (k.c * k.e * k.epsilon * std::numbers::pi / 4 * d * d);
    EXPECT_NEAR(Dp("LUF", "S", "R", "3", qm, d, 1.0, rho), x * x * 0.5 / rho, 1e-9);
}

// A wide nozzle with a thick oil: the Reynolds term of C swings the flow between two values
// for ever. The result is the iterate that the pass bound reaches, pass by pass.
TEST(FlowIterations, OscillatingFlowGivesTheIterateOfThePassBound) {
    SelectDevice("D", "");
    const double dp = 13.8132, d = 0.08, rho = 896.75, mu = 2.79001;
    const DeviceSelection sel = DecodeDeviceSelection("OLJA", "D", "", "3");
    double q = 1.0;
    double q2 = 0.0, q3 = 0.0;
    for (int n = 1; n <= kUnboundedIterationLimit; ++n) {
        q3 = q2;
        q2 = q;
        const FlowCoefficients k = ComputeDeviceCoefficients(sel, kP, q, dp, d, kBigD, mu, kKappa);
        q = StandardDeviceFlow(k, 1.0, d, dp, rho);
    }
    ASSERT_EQ(q, q3);  // the two-value swing the test is about
    ASSERT_GT(std::fabs(q - q2) / q, 0.5);
    double qm = 0.0;
    FlowFromDiffPressure("OLJA", "D", "", "3", kP, dp, d, kBigD, rho, mu, kKappa, 1.0, qm);
    EXPECT_EQ(qm, q);
}

}  // namespace
}  // namespace tubalyx
