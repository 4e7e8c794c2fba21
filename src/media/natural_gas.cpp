#include "media/natural_gas.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "media/natural_gas_data.h"
#include "numerics/number_text.h"
#include "state/composition.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

struct GridRow {
    double* fraction;
    int component;  // index into GasComposition
};

// Grid rows 2..11 in order; butanes go in as isobutane, pentanes as isopentane.
// clang-format off
const GridRow kGridRows[10] = {
    {&NaturalGasMethane, 1},       {&NaturalGasEthane, 4},        {&NaturalGasPropane, 5},
    {&NaturalGasButanes, 11},      {&NaturalGasPentanes, 13},     {&NaturalGasNitrogen, 2},
    {&NaturalGasCarbonDioxide, 3}, {&NaturalGasHydrogen, 8},      {&NaturalGasCarbonMonoxide, 9},
    {&NaturalGasWater, 6},
};
// clang-format on

constexpr double kGasConstant = 0.00831451;  // MPa dm3/(mol K)
constexpr int kPassLimit = 101;

// Flag-controlled factor (x + 1 - flag)^flag of the method: x when the flag is 1, else 1.
inline double FlagFactor(double x, double flag) { return flag != 0.0 ? x + 1.0 - flag : 1.0; }

}  // namespace

void ReadGasComposition() {
    TStringGrid& grid = CalculationWindow().ViktVolprocGrid;
    for (const GridRow& row : kGridRows) *row.fraction = 0.0;
    for (int r = 0; r < 10; ++r) *kGridRows[r].fraction = StrToFloatSafe(grid.Cell(5, r + 2)) * 0.01;
    GasComposition.fill(0.0);
    for (const GridRow& row : kGridRows) GasComposition[row.component] = *row.fraction;
}

namespace {

// The state the last iteration ran for, and what it gave and left behind.
struct DetailedAnswer {
    bool valid = false;
    double x[21] = {};
    double T = 0.0, p = 0.0;
    double density = 0.0, z = 0.0, divisor = 0.0;
};
DetailedAnswer lastDetailedAnswer;

// Bit for bit, so that a repeated state is one whose every input is the very same number.
bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool SameState(const DetailedAnswer& a, const double x[21], double T, double p) {
    if (!a.valid || !SameBits(a.T, T) || !SameBits(a.p, p)) return false;
    for (int i = 0; i < 21; ++i)
        if (!SameBits(a.x[i], x[i])) return false;
    return true;
}

// The density iteration for the normalised fractions x at T (K) and p (MPa).
double DetailedDensity(const double x[21], double T, double p, double& z) {
    const DetailComponent* c = kDetailComponents;

    // Mixture parameters by the method's mixing rules.
    double k5a = 0, u5a = 0, g = 0, q = 0, f = 0, molarMass = 0;
    for (int i = 0; i < 21; ++i) {
        if (x[i] == 0.0) continue;
        k5a += x[i] * std::pow(c[i].size, 2.5);
        u5a += x[i] * std::pow(c[i].energy, 2.5);
        g += x[i] * c[i].orientation;
        q += x[i] * c[i].quadrupole;
        f += x[i] * x[i] * c[i].highTemperature;
        molarMass += x[i] * c[i].molarMass;
    }
    double k5 = k5a * k5a, u5 = u5a * u5a;
    for (int i = 0; i < 21; ++i) {
        if (x[i] == 0.0) continue;
        for (int j = i + 1; j < 21; ++j) {
            if (x[j] == 0.0) continue;
            const double xx = x[i] * x[j];
            k5 += 2.0 * xx * (std::pow(kDetailSizeInteraction[i][j], 5) - 1.0) * std::pow(c[i].size * c[j].size, 2.5);
            u5 += 2.0 * xx * (std::pow(kDetailConformalEnergyInteraction[i][j], 5) - 1.0) *
                  std::pow(c[i].energy * c[j].energy, 2.5);
            g += xx * (kDetailOrientationInteraction[i][j] - 1.0) * (c[i].orientation + c[j].orientation);
        }
    }
    const double K = std::pow(k5, 0.2);
    const double U = std::pow(u5, 0.2);

    // Second virial coefficient from terms 1..18 over all component pairs; the pair values
    // that do not depend on the term are formed once.
    struct Pair {
        double weight;  // x_i x_j
        double energy;  // E_ij
        double size;    // (K_i K_j)^1.5
        double orientation, quadrupole, highTemperature, dipole, association;
    };
    Pair pairs[21 * 21];
    int pairCount = 0;
    for (int i = 0; i < 21; ++i) {
        if (x[i] == 0.0) continue;
        for (int j = 0; j < 21; ++j) {
            if (x[j] == 0.0) continue;
            Pair& pr = pairs[pairCount++];
            pr.weight = x[i] * x[j];
            pr.energy = kDetailEnergyInteraction[i][j] * std::sqrt(c[i].energy * c[j].energy);
            pr.orientation = kDetailOrientationInteraction[i][j] * (c[i].orientation + c[j].orientation) / 2.0;
            pr.quadrupole = c[i].quadrupole * c[j].quadrupole;
            pr.highTemperature = std::sqrt(c[i].highTemperature * c[j].highTemperature);
            pr.dipole = c[i].dipole * c[j].dipole;
            pr.association = c[i].association * c[j].association;
            pr.size = std::pow(c[i].size * c[j].size, 1.5);
        }
    }
    double B = 0.0;
    for (int n = 0; n < 18; ++n) {
        const DetailTerm& t = kDetailTerms[n];
        double pairSum = 0.0;
        for (int k = 0; k < pairCount; ++k) {
            const Pair& pr = pairs[k];
            const double bnij = FlagFactor(pr.orientation, t.g) * FlagFactor(pr.quadrupole, t.q) *
                                FlagFactor(pr.highTemperature, t.f) * FlagFactor(pr.dipole, t.s) *
                                FlagFactor(pr.association, t.w);
            pairSum += pr.weight * std::pow(pr.energy, t.u) * pr.size * bnij;
        }
        B += t.a * std::pow(T, -t.u) * pairSum;
    }

    // Temperature-dependent coefficients of terms 13..58.
    double cn[58] = {};
    double sum13to18 = 0.0;
    for (int n = 12; n < 58; ++n) {
        const DetailTerm& t = kDetailTerms[n];
        cn[n] = t.a * FlagFactor(g, t.g) * FlagFactor(q * q, t.q) * FlagFactor(f, t.f) * std::pow(U, t.u) *
                std::pow(T, -t.u);
        if (n < 18) sum13to18 += cn[n];
    }
    const double K3 = K * K * K;

    // Each call starts its damping afresh: a divisor left large by an earlier state could
    // keep the iteration from converging within its pass limit at an ordinary state.
    DensityDampingDivisor = 1.0;
    double D = 2.0;
    double computed = 0.0, previousDistance = 0.0;
    int passes = 0;
    for (;;) {
        ++passes;
        const double rr = K3 * D;
        double zz = 1.0 + B * D - rr * sum13to18;
        for (int n = 12; n < 58; ++n) {
            const DetailTerm& t = kDetailTerms[n];
            const double rk = t.k != 0.0 ? std::pow(rr, t.k) : 1.0;
            zz += cn[n] * (t.b - t.c * t.k * rk) * std::pow(rr, t.b) * std::exp(-t.c * rk);
        }
        computed = kGasConstant * D * T * zz;
        const double distance = std::fabs(computed - p);
        if (passes >= 2 && distance > previousDistance) DensityDampingDivisor *= 2.0;
        previousDistance = distance;
        if (passes >= kPassLimit) break;
        const double relative = (computed - p) / p;
        const bool converged = relative >= -1e-6 && relative <= 1e-6;
        D = computed > 0.0 ? D * (1.0 - (1.0 - p / computed) / DensityDampingDivisor) : 0.0;
        if (!std::isfinite(D)) return 0.0;
        // A density of 0 computes a pressure of 0 and so stays 0: the rest of the passes
        // could not change the answer.
        if (D == 0.0) return 0.0;
        if (converged) break;
    }
    // Negative fractions can make the mean molar mass, and with it the mass density, negative.
    if (passes >= 100 || !(D > 0.0) || !(molarMass * D > 0.0)) return 0.0;
    DetailedGasDensity = molarMass * D;
    z = computed / (kGasConstant * D * T);
    return DetailedGasDensity;
}

}  // namespace

double GasCompressibilityDetailed(GasCompositionArray composition, double& z, double pressure, double temperature) {
    z = 0.0;
    double sum = 0.0;
    for (int i = 1; i <= 21; ++i) sum += composition[i];
    if (!(sum > 0.0) || !(pressure > 0.0)) return 0.0;
    double x[21];
    for (int i = 0; i < 21; ++i) x[i] = composition[i + 1] / sum;

    const double T = temperature + 273.15;
    const double p = pressure * 1e-6;
    if (!(T > 0.0)) return 0.0;
    // The humidity conversions ask for the same dry gas at each of their up to 1000 trials:
    // the iteration (up to 100 passes) runs once, and a repeat takes its answer and leaves
    // the same state behind.
    DetailedAnswer& last = lastDetailedAnswer;
    if (!SameState(last, x, T, p)) {
        last.valid = false;
        last.z = 0.0;
        last.density = DetailedDensity(x, T, p, last.z);
        std::memcpy(last.x, x, sizeof last.x);
        last.T = T;
        last.p = p;
        last.divisor = DensityDampingDivisor;
        last.valid = true;
    }
    DensityDampingDivisor = last.divisor;
    if (last.density > 0.0) DetailedGasDensity = last.density;
    z = last.z;
    return last.density;
}

}  // namespace tubalyx
