#include "pressure_loss/valve_coefficients.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "pressure_loss/valve_test_support.h"

namespace tubalyx {
namespace {

// Water at 20 degC, 998.2 kg/m3, at 10 bar a through a valve of the pipe's bore.
ValveDuty Water(double flowTph, double dropBar) {
    return ValveDuty{.medium = ValveMedium::Liquid,
                     .flowTph = flowTph,
                     .density = 998.2,
                     .temperatureC = 20,
                     .inletPressureBar = 10,
                     .vapourPressureBar = 1e-5 * WaterSaturationPressure(20),
                     .criticalPressureBar = 221.2,
                     .dropBar = dropBar,
                     .fl = 0.9,
                     .valveDiameterMm = 100,
                     .pipeDiameterMm = 100};
}

class ValveCoefficientTest : public ::testing::Test {
protected:
    void SetUp() override { valvetest::ResetValveState(); }
};

TEST_F(ValveCoefficientTest, WaterValveKvAndCvInBothRegimes) {
    const ValveCoefficient open = ValveFlowCoefficient(Water(10, 1));
    EXPECT_EQ(FormatFixed(open.kv, 5), "10,009");
    EXPECT_EQ(FormatFixed(1.155 * open.kv, 5), "11,560");
    EXPECT_FALSE(open.critical);
    EXPECT_NEAR(open.flp, 0.9, 1e-12);
    EXPECT_EQ(open.fp, 1.0);

    const ValveCoefficient choked = ValveFlowCoefficient(Water(100, 9.5));
    EXPECT_TRUE(choked.critical);
    EXPECT_EQ(FormatFixed(choked.kv, 5), "35,207");
    // Once choked the coefficient no longer grows with the drop.
    EXPECT_DOUBLE_EQ(ValveFlowCoefficient(Water(100, 9.9)).kv, choked.kv);
}

// The liquid sizing equations of IEC 60534-2-1 in their own units, Q in m3/h and the
// pressures in kPa with N1 = 0.1, the relative density against water at 15 degC (999.1
// kg/m3), for a valve of the pipe's bore (Fp = 1, FLP = FL).
double IecLiquidKv(double flowTph, double density, double p1Bar, double pvBar, double pcBar, double dpBar, double fl) {
    const double q = 1000 * flowTph / density;
    const double relativeDensity = density / 999.1;
    const double ff = 0.96 - 0.28 * std::sqrt(pcBar > 0 ? pvBar / pcBar : 0.0);
    const double p1 = 100 * p1Bar, pv = 100 * pvBar, dp = 100 * dpBar;
    const double chokedDp = fl * fl * (p1 - ff * pv);
    if (dp < chokedDp) return q / 0.1 * std::sqrt(relativeDensity / dp);
    return q / (0.1 * fl) * std::sqrt(relativeDensity / (p1 - ff * pv));
}

TEST_F(ValveCoefficientTest, LiquidKvAgreesWithTheIecSizingEquations) {
    const struct {
        const char* name;
        double flowTph, density, p1, pv, pc, dp, fl;
    } cases[] = {
        {"cold water, open", 10, 998.2, 10, 0.0234, 221.2, 1, 0.9},
        {"hot water near choking", 200, 965, 6.8, 0.7, 221.2, 4.6, 0.9},
        {"hydrocarbon, choked", 50, 850, 5, 0.5, 40, 4.5, 0.8},
        {"oil without vapour data", 30, 880, 8, 0, 0, 2, 0.85},
    };
    for (const auto& c : cases) {
        const ValveDuty duty{.medium = ValveMedium::Liquid,
                             .flowTph = c.flowTph,
                             .density = c.density,
                             .inletPressureBar = c.p1,
                             .vapourPressureBar = c.pv,
                             .criticalPressureBar = c.pc,
                             .dropBar = c.dp,
                             .fl = c.fl,
                             .valveDiameterMm = 150,
                             .pipeDiameterMm = 150};
        const double iec = IecLiquidKv(c.flowTph, c.density, c.p1, c.pv, c.pc, c.dp, c.fl);
        EXPECT_NEAR(ValveFlowCoefficient(duty).kv / iec, 1.0, 1e-3) << c.name;
    }
}

struct RestrictionCase {
    const char* name;
    ValveDuty duty;
    // Kv goes with 1/sqrt(dp) through an orifice of a liquid, so the Kv tolerance of 1e-4
    // allows 2e-4 on the drop; less steeply for a gas, not at all where Fp follows Kv.
    double dropTolerance;
};

// The elements whose drop for a Kv the restriction term finds.
std::vector<RestrictionCase> RestrictionCases() {
    ValveDuty reducedValve = Water(40, 1);
    reducedValve.valveDiameterMm = 80;
    ValveDuty orifice = Water(40, 1);
    orifice.restriction = true;
    ValveDuty air{.medium = ValveMedium::Gas,
                  .restriction = true,
                  .flowTph = 2,
                  .density = 6.0,
                  .temperatureC = 20,
                  .inletPressureBar = 5,
                  .fl = 0.8,
                  .valveDiameterMm = 50,
                  .pipeDiameterMm = 50};
    ValveDuty steam{.medium = ValveMedium::Steam,
                    .restriction = true,
                    .flowTph = 5,
                    .density = 5.0,
                    .temperatureC = 250,
                    .inletPressureBar = 10,
                    .fl = 0.9,
                    .valveDiameterMm = 80,
                    .pipeDiameterMm = 80};
    return {{"reduced valve", reducedValve, 0},
            {"water orifice", orifice, 2e-4},
            {"air", air, 4e-4},
            {"steam", steam, 4e-4}};
}

TEST_F(ValveCoefficientTest, RestrictionFlowTermGivesTheDropOfAKvBack) {
    for (const auto& [name, duty, dropTolerance] : RestrictionCases()) {
        for (double dp0 : {0.01, 0.3, 1.0, 3.0}) {
            ValveDuty at = duty;
            at.dropBar = dp0;
            const ValveCoefficient c0 = ValveFlowCoefficient(at);
            const RestrictionDrop r = RestrictionFlowTerm(duty, c0.kv);
            at.dropBar = r.dropBar;
            EXPECT_NEAR(ValveFlowCoefficient(at).kv / c0.kv, 1.0, 1e-4) << name << " " << dp0;
            EXPECT_EQ(r.critical, c0.critical) << name << " " << dp0;
            if (!c0.critical && dropTolerance > 0) {
                EXPECT_NEAR(r.dropBar / dp0, 1.0, dropTolerance) << name << " " << dp0;
            }
        }
    }
}

// The bisection as it was, with the Kv of both ends and the midpoint worked out on every pass:
// [1e-38 bar, P1], 1e-4 relative, the choked and unbracketed exits, the midpoint after the bound.
RestrictionDrop ThreeKvPerPass(const ValveDuty& duty, double kv) {
    ValveDuty at = duty;
    auto coefficientAt = [&at](double drop) {
        at.dropBar = drop;
        return ValveFlowCoefficient(at);
    };
    auto sign = [](double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); };
    const double p1 = duty.inletPressureBar;
    double low = 1e-38, high = p1, mid = p1 / 2;
    for (int pass = 0; pass < kRestrictionBisectionLimit; ++pass) {
        const ValveCoefficient a = coefficientAt(low), m = coefficientAt(mid), b = coefficientAt(high);
        if (b.critical && b.kv > kv) return {p1, b.fp, b.critical};
        const double ea = (a.kv - kv) / kv, em = (m.kv - kv) / kv, eb = (b.kv - kv) / kv;
        if (std::fabs(ea) < 1e-4) return {low, a.fp, a.critical};
        if (std::fabs(em) < 1e-4) return {mid, m.fp, m.critical};
        if (std::fabs(eb) < 1e-4) return {high, b.fp, b.critical};
        if (sign(ea) != sign(em))
            high = mid;
        else if (sign(em) != sign(eb))
            low = mid;
        else
            return {p1, b.fp, true};
        mid = (low + high) / 2;
    }
    const ValveCoefficient m = coefficientAt(mid);
    return {mid, m.fp, m.critical};
}

// Carrying the ends' Kv over from pass to pass gives the very same drop, Fp and flag.
TEST_F(ValveCoefficientTest, RestrictionFlowTermMatchesTheBisectionWithThreeKvPerPassBitForBit) {
    for (const RestrictionCase& c : RestrictionCases()) {
        const char* name = c.name;
        const ValveDuty& duty = c.duty;
        ValveDuty at = duty;
        at.dropBar = duty.inletPressureBar;
        const double chokedKv = ValveFlowCoefficient(at).kv;
        // From far below the choked Kv (no drop passes the flow) to far above it (a drop near
        // the lowest end), and Kv that the bisection meets only after many passes.
        for (double factor : {0.3, 0.999, 1.0, 1.0001, 1.37, 2.0, 3.1, 10.0, 97.0, 1e3, 1e5, 1e9}) {
            const double kv = factor * chokedKv;
            const RestrictionDrop now = RestrictionFlowTerm(duty, kv), before = ThreeKvPerPass(duty, kv);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(now.dropBar), std::bit_cast<std::uint64_t>(before.dropBar))
                << name << " x" << factor << ": " << now.dropBar << " " << before.dropBar;
            EXPECT_EQ(std::bit_cast<std::uint64_t>(now.fp), std::bit_cast<std::uint64_t>(before.fp)) << name << factor;
            EXPECT_EQ(now.critical, before.critical) << name << " x" << factor;
        }
    }
}

TEST_F(ValveCoefficientTest, AKvTooSmallOrClosedIsCriticalAtTheWholeInletPressure) {
    EXPECT_THROW(ValveFlowCoefficient(Water(10, 0)), CalcError);
    ValveDuty duty = Water(100, 10);
    const double chokedKv = ValveFlowCoefficient(duty).kv;
    for (double kv : {0.5 * chokedKv, 0.0}) {
        const RestrictionDrop r = RestrictionFlowTerm(duty, kv);
        EXPECT_EQ(r.dropBar, 10.0) << kv;
        EXPECT_TRUE(r.critical) << kv;
    }
}

TEST_F(ValveCoefficientTest, GasChokesAtYOfOneAndAHalf) {
    // 1.63 / 0.815 = 2 and sqrt(2.25 / 4) = 0.75 are exact: y = 1.5.
    ValveDuty duty{.medium = ValveMedium::Gas,
                   .restriction = true,
                   .flowTph = 1,
                   .density = 4.8,
                   .temperatureC = 20,
                   .inletPressureBar = 4,
                   .dropBar = 2.25,
                   .fl = 0.815};
    EXPECT_TRUE(ValveFlowCoefficient(duty).critical);
    duty.dropBar = 2.2499;
    EXPECT_FALSE(ValveFlowCoefficient(duty).critical);
}

TEST_F(ValveCoefficientTest, LiquidWithoutVapourDataChokesAtFlSquaredTimesP1) {
    EXPECT_EQ(LiquidCriticalPressureRatio(0, 0), 0.96);
    ValveDuty duty = Water(10, 2.0);
    duty.vapourPressureBar = duty.criticalPressureBar = 0;
    duty.inletPressureBar = 8;
    duty.fl = 0.5;
    duty.restriction = true;
    EXPECT_TRUE(ValveFlowCoefficient(duty).critical);
    duty.dropBar = 1.999;
    EXPECT_FALSE(ValveFlowCoefficient(duty).critical);
}

}  // namespace
}  // namespace tubalyx
