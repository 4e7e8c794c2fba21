// Inputs on which the iterations cannot converge, or overflow: each calculation ends in time
// (the bounds only catch a hang) with finite results and bores inside their range, or raises
// CalcError; a fault that is no calculation error still reaches the caller.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "design_duties.h"
#include "flow/flow_iterations.h"
#include "flow/installation_factors.h"
#include "flow/optimal_design.h"
#include "flow_test_support.h"
#include "numerics/checked.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

struct Outcome {
    std::vector<double> published;
    double bore = 0.0, lowest = 0.0, highest = 0.0;  // a bore solve's bore and range
};

Outcome Bore(const char* medium, const char* device, const char* variant, const char* standard, char phase, double p,
             double qm, double dp, double pipe, double rho, double mu, double kappa, double f) {
    flowtest::SelectDevice(device, variant);
    PhaseLetter = phase;
    PipeDiameter = pipe;
    double d = 0.0;
    ThroatDiameterFromFlow(medium, device, variant, standard, p, qm, dp, pipe, rho, mu, kappa, f, d);
    const double upper = IsConeDevice(DecodeDevice(device)) ? 0.99 : 0.95;
    return {{d}, d, 0.01 * pipe, upper * pipe};
}

Outcome Design() {
    SizeThroatDevice();
    return {{PipeDiameterColdM, PipeDiameter, MaxDpPa, MaxDpInput, BoreDiameter, SizingCorrectionFactor,
             RoughnessFactor, BendFactor, RoughnessUncertaintyPercent, BendUncertaintyPercent,
             AdditionalUncertaintyPercent, StraightLengthShortfallM, OptimalPressureLossPa}};
}

// A duty at a pipe Reynolds number of about 10, where the orifice's C is near 12.
void CreepingDuty() {
    designtest::WaterDuty();
    FlowDensity = 1.0;
    DynamicViscosityPas = 0.5;
    MaxMassFlow = 2.0;
    MinMassFlow = 0.6;
    NormalMassFlow = 0.63 * 2.0 + 0.37 * 0.6;
    PipeDiameterMinLimitM = PipeDiameterMaxLimitM = 0.5;
    DpLowerLimitPa = 0.5;
    DpUpperLimitPa = 5.0;
}

struct Reproducer {
    const char* name;
    double seconds;  // far above the time it takes; only a hang exceeds it
    Outcome (*run)();
};

const Reproducer kReproducers[] = {
    {"oil orifice bore at ReD 5", 0.5,
     [] { return Bore("OLJA", "S", "R", "I", 'V', 0.5, 2, 0.5, 0.5, 0.5, 0.5, 0.5, 2); }},
    {"water orifice bore at ReD 5", 0.5,
     [] { return Bore("VAT", "S", "R", "3", 'V', 5e5, 2, 1, 0.5, 1, 0.5, 0.5, 1); }},
    {"nitrogen bore swinging between two bores", 0.5,
     [] { return Bore("N2", "S", "F", "3", 'N', 0.5, 2, 0.5, 1.1227, 0.5, 0.5, 1.00034, 1); }},
    {"flow no orifice in the pipe can pass", 0.5,
     [] { return Bore("VAT", "S", "R", "3", 'V', 5e5, 500, 1000, 0.1, 998, 1e-3, 1.3, 1); }},
    {"flow no cone in the pipe can pass", 0.5,
     [] { return Bore("VAT", "VCONE", "", "3", 'V', 5e5, 500, 1000, 0.1, 998, 1e-3, 1.3, 1); }},
    {"flow below the smallest bore's", 0.5,
     [] { return Bore("VAT", "S", "R", "3", 'V', 5e5, 1e-6, 1e5, 0.1, 998, 1e-3, 1.3, 1); }},
    {"optimal design at ReD 10", 2.0,
     [] {
         CreepingDuty();
         return Design();
     }},
    {"optimal design of every type at ReD 10", 4.0,
     [] {
         CreepingDuty();
         PrimaryElementEntry = "1234567890A";
         return Design();
     }},
    {"optimal design over a dp range that overflows", 2.0,
     [] {
         designtest::WaterDuty();
         DpLowerLimitPa = -1e308;
         DpUpperLimitPa = 1e308;
         return Design();
     }},
    {"optimal design over a pipe range that overflows", 2.0,
     [] {
         designtest::WaterDuty();
         PipeDiameterMinLimitM = -1e308;
         PipeDiameterMaxLimitM = 1e308;
         return Design();
     }},
    {"optimal design whose pipe expansion overflows", 2.0,
     [] {
         designtest::WaterDuty();
         PipeExpansionCoeff = 1e306;
         OperatingTemperature = 500.0;
         return Design();
     }},
};

TEST(NonConvergence, EveryReproducerEndsInTimeWithFiniteResultsOrACalcError) {
    for (const Reproducer& r : kReproducers) {
        const auto start = std::chrono::steady_clock::now();
        Outcome o;
        bool raised = false;
        try {
            o = r.run();
        } catch (const CalcError&) {
            raised = true;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took.count(), r.seconds) << r.name;
        if (raised) continue;
        for (double v : o.published) EXPECT_TRUE(std::isfinite(v)) << r.name << ": " << v;
        if (o.highest == 0.0) continue;  // no bore solve of its own
        EXPECT_GE(o.bore, o.lowest) << r.name;
        EXPECT_LE(o.bore, o.highest) << r.name;
    }
}

TEST(NonConvergence, UnreachableAndTinyFlowsStopAtTheEndsOfTheBoreRange) {
    // The flow that no bore passes ends at the top of the range, the flow that even the
    // smallest bore passes too easily stays at its bottom.
    EXPECT_DOUBLE_EQ(kReproducers[3].run().bore, 0.95 * 0.1);
    EXPECT_DOUBLE_EQ(kReproducers[5].run().bore, 0.01 * 0.1);
}

void ThrowingStraightLengths(const std::string&, const std::string&, const std::string&, double&, double&, double&,
                             double, double, double) {
    throw std::logic_error("broken straight-length table");
}

TEST(NonConvergence, OptimalDesignSkipsCalculationErrorsOnly) {
    designtest::WaterDuty();
    RequiredStraightLengthsService = ThrowingStraightLengths;
    EXPECT_THROW(SizeThroatDevice(), std::logic_error);
    RequiredStraightLengthsService = nullptr;
}

TEST(NonConvergence, RoughnessFactorOfABoreFarBeyondThePipeRaises) {
    flowtest::SelectDevice("S", "F");
    DynamicViscosityPas = 1e-3;
    PipeDiameterColdM = 0.1;
    BoreDiameter = 2e149;
    double factor = 0.0, percent = 0.0, polynomial = 0.0;
    EXPECT_THROW(RoughnessCorrectionFactor(0.1, 1e-3, 100.0, factor, percent, polynomial), CalcError);
    BoreDiameter = 0.05;  // the same pipe with a real bore
    RoughnessCorrectionFactor(0.1, 1e-3, 100.0, factor, percent, polynomial);
    EXPECT_GT(factor, 1.0);
    EXPECT_LT(factor, 1.01);
}

}  // namespace
}  // namespace tubalyx
