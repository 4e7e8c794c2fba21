#include "media/natural_gas.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "media/natural_gas_data.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/whole_power.h"
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

bool SameComposition(const double a[21], const double b[21]) {
    for (int i = 0; i < 21; ++i)
        if (!SameBits(a[i], b[i])) return false;
    return true;
}

bool SameState(const DetailedAnswer& a, const double x[21], double T, double p) {
    return a.valid && SameBits(a.T, T) && SameBits(a.p, p) && SameComposition(a.x, x);
}

constexpr int kVirialTerms = 18;          // terms 1..18 make B; 13..18 come again with the density
constexpr int kFirstDensityTerm = 12;     // terms 13..58 carry the density dependence
constexpr int kHighestDensityPower = 9;   // b of the terms
constexpr int kHighestExponentPower = 4;  // k of the terms
constexpr int kTemperaturePowers = 24;    // the term exponents u lie in -13 .. 23

// The exponents of a term as the whole numbers they are, found once from the term table.
struct TermShape {
    int b = 0, k = 0;
    double ck = 0.0;  // c k
    // T^-u = (T or 1/T)^whole, times sqrt(T) where u is not whole.
    int whole = 0;
    bool inverse = false, half = false;
};

struct TermShapes {
    TermShape term[58];
};

TermShapes ShapesOfTheTerms() {
    TermShapes s;
    for (int n = 0; n < 58; ++n) {
        const DetailTerm& t = kDetailTerms[n];
        TermShape& shape = s.term[n];
        shape.b = static_cast<int>(t.b);
        shape.k = static_cast<int>(t.k);
        shape.ck = t.c * t.k;
        const int twice = static_cast<int>(-2.0 * t.u);  // -2u, whole
        shape.half = (twice & 1) != 0;
        const int whole = shape.half ? (twice - 1) / 2 : twice / 2;
        shape.inverse = whole < 0;
        shape.whole = whole < 0 ? -whole : whole;
    }
    return s;
}

const TermShapes& Shapes() {
    static const TermShapes shapes = ShapesOfTheTerms();
    return shapes;
}

// What the equation takes from the composition alone: worked out once per composition, as
// the humidity searches, line walks and tables ask for one gas at many states.
struct CompositionTerms {
    bool valid = false;
    double x[21] = {};
    double molarMass = 0.0;
    double K3 = 0.0;
    double virialPairSum[kVirialTerms] = {};  // terms 1..18 over all pairs, without a_n T^-u_n
    double coefficient[58] = {};              // terms 13..58: a_n, the flag factors and U^u_n
};

// What it takes from the temperature for that composition.
struct TemperatureTerms {
    bool valid = false;
    double T = 0.0;
    double B = 0.0;
    double cn[58] = {};
    double sum13to18 = 0.0;
};

CompositionTerms compositionTerms;
TemperatureTerms temperatureTerms;

void FormCompositionTerms(const double x[21], CompositionTerms& terms) {
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
            k5 += 2.0 * xx * (WholePower(kDetailSizeInteraction[i][j], 5) - 1.0) * std::pow(c[i].size * c[j].size, 2.5);
            u5 += 2.0 * xx * (WholePower(kDetailConformalEnergyInteraction[i][j], 5) - 1.0) *
                  std::pow(c[i].energy * c[j].energy, 2.5);
            g += xx * (kDetailOrientationInteraction[i][j] - 1.0) * (c[i].orientation + c[j].orientation);
        }
    }
    const double K = std::pow(k5, 0.2);
    const double U = std::pow(u5, 0.2);

    // Terms 1..18 of the second virial coefficient over all component pairs; the pair values
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
    for (int n = 0; n < kVirialTerms; ++n) {
        const DetailTerm& t = kDetailTerms[n];
        double pairSum = 0.0;
        for (int k = 0; k < pairCount; ++k) {
            const Pair& pr = pairs[k];
            const double bnij = FlagFactor(pr.orientation, t.g) * FlagFactor(pr.quadrupole, t.q) *
                                FlagFactor(pr.highTemperature, t.f) * FlagFactor(pr.dipole, t.s) *
                                FlagFactor(pr.association, t.w);
            pairSum += pr.weight * std::pow(pr.energy, t.u) * pr.size * bnij;
        }
        terms.virialPairSum[n] = pairSum;
    }
    for (int n = kFirstDensityTerm; n < 58; ++n) {
        const DetailTerm& t = kDetailTerms[n];
        terms.coefficient[n] =
            t.a * FlagFactor(g, t.g) * FlagFactor(q * q, t.q) * FlagFactor(f, t.f) * std::pow(U, t.u);
    }
    terms.molarMass = molarMass;
    terms.K3 = K * K * K;
}

void FormTemperatureTerms(double T, const CompositionTerms& composition, TemperatureTerms& terms) {
    const TermShapes& shapes = Shapes();
    const std::array<double, kTemperaturePowers> up = WholePowers<kTemperaturePowers>(T);
    const std::array<double, kTemperaturePowers> down = WholePowers<kTemperaturePowers>(1.0 / T);
    const double root = std::sqrt(T);
    auto powerOfT = [&](const TermShape& s) {  // T^-u
        const double whole = s.inverse ? down[s.whole] : up[s.whole];
        return s.half ? whole * root : whole;
    };
    double B = 0.0;
    for (int n = 0; n < kVirialTerms; ++n)
        B += kDetailTerms[n].a * powerOfT(shapes.term[n]) * composition.virialPairSum[n];
    double sum13to18 = 0.0;
    for (int n = kFirstDensityTerm; n < 58; ++n) {
        terms.cn[n] = composition.coefficient[n] * powerOfT(shapes.term[n]);
        if (n < kVirialTerms) sum13to18 += terms.cn[n];
    }
    terms.B = B;
    terms.sum13to18 = sum13to18;
}

// Z at the molar density D (mol/dm3), and with slope D dZ/dD into *slope.
template <bool withSlope>
double CompressibilityAt(double D, double K3, const TemperatureTerms& t, double* slope = nullptr) {
    const TermShapes& shapes = Shapes();
    const double rr = K3 * D;  // reduced density
    const std::array<double, kHighestDensityPower + 1> rp = WholePowers<kHighestDensityPower + 1>(rr);
    double e[kHighestExponentPower + 1];
    e[0] = 1.0;
    for (int k = 1; k <= kHighestExponentPower; ++k) e[k] = std::exp(-rp[k]);
    double zz = 1.0 + t.B * D - rr * t.sum13to18;
    double dz = t.B * D - rr * t.sum13to18;
    for (int n = kFirstDensityTerm; n < 58; ++n) {
        const TermShape& s = shapes.term[n];
        const double factor = t.cn[n] * (s.b - s.ck * rp[s.k]) * rp[s.b] * e[s.k];
        zz += factor;
        if constexpr (withSlope) {
            // d/drr of (b - c k rr^k) rr^b exp(-c rr^k), times rr.
            const double inner = s.b - s.ck * rp[s.k];
            dz += t.cn[n] * rp[s.b] * e[s.k] * (inner * inner - s.ck * s.k * rp[s.k]);
        }
    }
    if constexpr (withSlope) *slope = dz;
    return zz;
}

enum class SubstitutionEnd { Converged, OutOfPasses, Collapsed };

// The damped substitution the method comes with, from 2 mol/dm3: D with the computed pressure
// of its last pass, and how it ended.
SubstitutionEnd DampedSubstitution(double K3, const TemperatureTerms& terms, double T, double p, double& D,
                                   double& computed) {
    // Each call starts its damping afresh: a divisor left large by an earlier state could
    // keep the iteration from converging within its pass limit at an ordinary state.
    DensityDampingDivisor = 1.0;
    D = 2.0;
    double previousDistance = 0.0;
    int passes = 0;
    for (;;) {
        ++passes;
        computed = kGasConstantNaturalGas * D * T * CompressibilityAt<false>(D, K3, terms);
        const double distance = std::fabs(computed - p);
        if (passes >= 2 && distance > previousDistance) DensityDampingDivisor *= 2.0;
        previousDistance = distance;
        if (passes >= kPassLimit) break;
        const double relative = (computed - p) / p;
        const bool converged = relative >= -1e-6 && relative <= 1e-6;
        D = computed > 0.0 ? D * (1.0 - (1.0 - p / computed) / DensityDampingDivisor) : 0.0;
        // A density of 0 computes a pressure of 0 and so stays 0: the rest of the passes
        // could not change the answer.
        if (!std::isfinite(D) || D == 0.0) return SubstitutionEnd::Collapsed;
        if (converged) break;
    }
    if (passes >= 100) return SubstitutionEnd::OutOfPasses;
    return D > 0.0 ? SubstitutionEnd::Converged : SubstitutionEnd::Collapsed;
}

// Where the damped substitution swings on without settling (pure methane at 0 degC and
// 282 to 288 bar, for one), Newton's method on the same pressure equation, kept inside a
// bracket of the root. The bracket is where the computed pressure first rises through the
// given one on the way up from half the ideal gas's density, in small steps, so that of
// several roots the gas's is taken. Gives D, or 0 where no root lies below a reduced density
// of kHighestReducedDensity.
constexpr double kHighestReducedDensity = 4.0;
constexpr int kBracketSteps = 400;       // over the reduced densities up to the highest
constexpr double kLowDensityStep = 0.1;  // relative, below a bracket step
constexpr int kBracketPassLimit = 1000;
constexpr int kNewtonPassLimit = 100;

double BracketedNewton(double K3, const TemperatureTerms& terms, double T, double p, double& computed) {
    auto pressureAt = [&](double D) { return kGasConstantNaturalGas * D * T * CompressibilityAt<false>(D, K3, terms); };
    const double top = kHighestReducedDensity / K3;
    const double spacing = top / kBracketSteps;
    double low = 0.5 * p / (kGasConstantNaturalGas * T);  // half the ideal-gas density
    if (!(spacing > 0.0) || !std::isfinite(spacing) || !(low > 0.0)) return 0.0;
    for (int i = 0; i < kBracketPassLimit && pressureAt(low) >= p; ++i) low *= 0.5;
    double high = 0.0;
    for (int i = 0; i < kBracketPassLimit && high == 0.0 && low < top; ++i) {
        const double next = low + std::fmin(spacing, kLowDensityStep * low);
        if (pressureAt(next) >= p)
            high = next;
        else
            low = next;
    }
    if (!(high > 0.0) || !(pressureAt(low) < p)) return 0.0;
    double D = high;
    for (int pass = 0; pass < kNewtonPassLimit; ++pass) {
        double slope = 0.0;
        const double z = CompressibilityAt<true>(D, K3, terms, &slope);
        const double residual = kGasConstantNaturalGas * D * T * z - p;
        if (residual == 0.0) break;
        if (residual < 0.0)
            low = D;
        else
            high = D;
        const double step = residual / (kGasConstantNaturalGas * T * (z + slope));  // dp/dD = R T (Z + D dZ/dD)
        if (std::fabs(step) <= 1e-14 * D) {
            D -= step;
            break;
        }
        // A step out of the bracket (where the pressure falls with the density, or too far) bisects.
        D = D - step > low && D - step < high ? D - step : 0.5 * (low + high);
        if (high - low <= 1e-15 * high) break;
    }
    computed = pressureAt(D);
    return std::isfinite(computed) && computed > 0.0 ? D : 0.0;
}

// The density (mol/dm3) for the normalised fractions x at T (K) and p (MPa).
double DetailedDensity(const double x[21], double T, double p, double& z) {
    CompositionTerms& composition = compositionTerms;
    TemperatureTerms& terms = temperatureTerms;
    if (!composition.valid || !SameComposition(composition.x, x)) {
        composition.valid = false;
        terms.valid = false;
        FormCompositionTerms(x, composition);
        std::memcpy(composition.x, x, sizeof composition.x);
        composition.valid = true;
    }
    if (!terms.valid || !SameBits(terms.T, T)) {
        terms.valid = false;
        FormTemperatureTerms(T, composition, terms);
        terms.T = T;
        terms.valid = true;
    }
    // Negative fractions can make the mean molar mass, and with it the mass density, negative.
    if (!(composition.molarMass > 0.0)) return 0.0;
    double computed = 0.0;
    double D = 0.0;
    switch (DampedSubstitution(composition.K3, terms, T, p, D, computed)) {
        case SubstitutionEnd::Converged: break;
        case SubstitutionEnd::OutOfPasses:
            D = BracketedNewton(composition.K3, terms, T, p, computed);
            if (!(D > 0.0)) return 0.0;
            break;
        // A pressure of 0 or below on the way: the equation's loop far below the gas's
        // condensation, out of the method's reach.
        case SubstitutionEnd::Collapsed: return 0.0;
    }
    DetailedGasDensity = composition.molarMass * D;
    z = computed / (kGasConstantNaturalGas * D * T);
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

    const double T = temperature + kKelvinOffset;
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
