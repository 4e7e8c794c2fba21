#pragma once
// A sweep over every device, standard and tapping, the diameter ratios 0.2 to 0.75 and the
// pipe Reynolds numbers 5e3 to 1e8, for a liquid and a gas: the operating point of each case
// and the results of the five flow iterations at it.
#include <cmath>
#include <numbers>
#include <string>

#include "flow/flow_iterations.h"
#include "flow/flow_state.h"
#include "flow_test_support.h"
#include "numerics/checked.h"

namespace tubalyx::flowtest {

inline constexpr double kSweepBeta[] = {0.2, 0.4, 0.6, 0.75};
inline constexpr double kSweepPipe[] = {0.05, 0.1, 0.3, 0.1};  // m, one per beta
inline constexpr double kSweepReynolds[] = {5e3, 1e5, 3e6, 1e8};

struct SweepMedium {
    const char* code;
    char phase;
    double p, density, kappa, throatVelocity;  // Pa, kg/m3, -, m/s
};
inline constexpr SweepMedium kSweepMedia[] = {{"VAT", 'V', 5e5, 998.0, 1.3, 3.0},
                                              {"LUF", 'N', 5e6, 50.0, 1.4, 30.0}};

inline constexpr int kSweepSize = static_cast<int>(
    std::size(kAllDevices) * std::size(kSweepBeta) * std::size(kSweepReynolds) *
    std::size(kSweepMedia));

struct SweepCase {
    DeviceCase device;
    SweepMedium medium;
    double beta, pipe, reynolds;
    double bore, qm, viscosity;  // m, kg/s, Pa s
};

// Case i of the sweep: the flow has the medium's throat velocity at the diameter ratio, and
// the viscosity puts the pipe Reynolds number where the case wants it.
inline SweepCase MakeSweepCase(int i) {
    SweepCase c{};
    const int nb = static_cast<int>(std::size(kSweepBeta));
    const int nr = static_cast<int>(std::size(kSweepReynolds));
    const int nm = static_cast<int>(std::size(kSweepMedia));
    c.device = kAllDevices[i / (nb * nr * nm)];
    c.medium = kSweepMedia[(i / (nb * nr)) % nm];
    const int b = (i / nr) % nb;
    c.beta = kSweepBeta[b];
    c.pipe = kSweepPipe[b];
    c.reynolds = kSweepReynolds[i % nr];
    const bool cone = IsConeDevice(DecodeDevice(c.device.device));
    c.bore = cone ? c.pipe * std::sqrt(1.0 - c.beta * c.beta) : c.beta * c.pipe;
    c.qm = c.medium.density * c.medium.throatVelocity * c.beta * c.beta * std::numbers::pi / 4 *
           c.pipe * c.pipe;
    c.viscosity = 4.0 * c.qm / (std::numbers::pi * c.pipe * c.reynolds);
    return c;
}

struct SweepResults {
    double dp;         // DiffPressureFromFlow at qm
    double flow;       // FlowFromDiffPressure at 0.8 dp
    double bore;       // ThroatDiameterFromFlow at qm, dp
    double second;     // FlowAtSecondDiffPressure from dp to 0.5 dp
    double solved;     // SolveThroatDiameter for qm with coefficients at 0.9 qm
};

inline SweepResults RunSweepCase(const SweepCase& c) {
    SelectDevice(c.device.device, c.device.variant);
    PhaseLetter = c.medium.phase;
    PipeDiameter = c.pipe;
    MaxMassFlow = c.qm;
    const std::string m = c.medium.code, dev = c.device.device, var = c.device.variant,
                      st = c.device.standard;
    const double p = c.medium.p, rho = c.medium.density, mu = c.viscosity, k = c.medium.kappa;
    SweepResults r{};
    // A result that raises is recorded as no number.
    auto run = [](double& out, auto solve) {
        try {
            solve(out);
        } catch (const CalcError&) {
            out = std::nan("");
        }
    };
    run(r.dp, [&](double& x) {
        DiffPressureFromFlow(m, dev, var, st, p, c.qm, c.bore, c.pipe, rho, mu, k, 1.0, x);
    });
    const double dp = std::isnan(r.dp) ? 1e4 : r.dp;
    run(r.flow, [&](double& x) {
        FlowFromDiffPressure(m, dev, var, st, p, 0.8 * dp, c.bore, c.pipe, rho, mu, k, 1.0, x);
    });
    run(r.bore, [&](double& x) {
        ThroatDiameterFromFlow(m, dev, var, st, p, c.qm, dp, c.pipe, rho, mu, k, 1.0, x);
    });
    run(r.second, [&](double& x) {
        FlowAtSecondDiffPressure(m, dev, var, st, p, dp, 0.5 * dp, c.bore, c.pipe, rho, mu, k,
                                 1.0, x);
    });
    run(r.solved, [&](double& x) {
        SolveThroatDiameter(m, dev, var, st, p, c.qm, 0.9 * c.qm, dp, c.pipe, rho, mu, k, 1.0,
                            x);
    });
    return r;
}

}  // namespace tubalyx::flowtest
