#include "media/steam_equations.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "media/medium_identification.h"
#include "numerics/checked.h"
#include "numerics/physical_constants.h"
#include "numerics/whole_power.h"
#include "state/keywords.h"

namespace tubalyx {

// clang-format off
const std::array<double, kSteamCoefficientCount> SteamCoefficients = {
    // B00 .. B05
    16.83599274, 28.56067796, -54.38923329, 0.4330662834, -0.6547711697, 0.08565182058,
    // B11, B12, B21, B22, B23, B31, B32, B41, B42, B51, B52, B53, B61, B62, B71, B72, B81, B82
    0.06670375918, 1.388983801, 0.08390104328, 0.02614670893, -0.03373439453, 0.4520918904,
    0.1069036614, -0.5975336707, -0.08847535804, 0.5958051609, -0.5159303373, 0.2075021122,
    0.1190610271, -0.09867174132, 0.1683998803, -0.05809438001, 0.006552390126, 0.0005710218649,
    // B90 .. B96
    193.6587558, -1388.522425, 4126.607219, -6508.211677, 5745.984054, -2693.088365, 523.5718623,
    // exponents z of B11 .. B82
    13, 3, 18, 2, 1, 18, 10, 25, 14, 32, 28, 24, 12, 11, 24, 18, 24, 14,
    // denominator exponents x of b61, b71, b81, b82
    14, 19, 54, 27,
    // b
    0.7633333333,
    // b61, b71, b81, b82
    0.4006073948, 0.08636081627, -0.8532322921, 0.3460208861,
};
// clang-format on

// L0 + L1 theta + L2 theta^2 (L0 = 15.74373327, L1 = -34.17061978, L2 = 19.31380707) held by
// its values at 350 and 590 degC and the curvature L2 (theta_b - theta_a), all worked out to
// the last digit a double keeps, so that the interpolation form is the published line itself.
// clang-format off
const std::array<double, 5> SteamBoundaryLineCoefficients = {
    0.9626911787424687, 1.3334620732272517, 0.74751917197438025, 4.5207956614029396,
    7.1609975232504248};

namespace {

// Offsets into SteamCoefficients.
constexpr int kB0 = 0;
constexpr int kB = 6;        // B11 .. B82
constexpr int kB9 = 24;      // B90 .. B96
constexpr int kZ = 31;       // exponents of B11 .. B82
constexpr int kX = 49;       // denominator exponents
constexpr int kDenominator = 54;  // b61, b71, b81, b82

// Terms of the groups mu = 1 .. 8 among B11 .. B82, and denominator terms of mu = 6, 7, 8.
constexpr int kGroupTerms[8] = {2, 3, 2, 2, 3, 2, 2, 2};
constexpr int kDenominatorTerms[3] = {1, 1, 2};

void RequirePositivePressure(double P) {
    if (!(P > 0.0)) throw CalcError("steam pressure must be above zero");
}

// The eight group sums of B_mu_lambda X^z, and the three denominator sums of b X^x.
struct SteamGroupSums {
    double group[8];
    double denominator[3];
};
// clang-format on

SteamGroupSums GroupSums(double x) {
    const auto& c = SteamCoefficients;
    SteamGroupSums s{};
    int k = 0;
    for (int mu = 0; mu < 8; ++mu) {
        double sum = 0.0;
        for (int n = 0; n < kGroupTerms[mu]; ++n, ++k) sum += c[kB + k] * WholePower(x, static_cast<int>(c[kZ + k]));
        s.group[mu] = sum;
    }
    k = 0;
    for (int m = 0; m < 3; ++m) {
        double sum = 0.0;
        for (int n = 0; n < kDenominatorTerms[m]; ++n, ++k)
            sum += c[kDenominator + k] * WholePower(x, static_cast<int>(c[kX + k]));
        s.denominator[m] = sum;
    }
    return s;
}

double LastTermSum(double x) {  // sum over lambda = 0 .. 6 of B9_lambda X^lambda
    double sum = 0.0;
    for (int lambda = 0; lambda <= 6; ++lambda) sum += SteamCoefficients[kB9 + lambda] * WholePower(x, lambda);
    return sum;
}

double SpecificVolume(double P, double t) { return CheckedDiv(1.0, SteamDensityPT(P, t)); }

// What the formulation takes from the temperature alone; the heat capacities evaluate the
// equations at three temperatures and several pressures, so each set is worked out once.
struct SteamAtTemperature {
    double theta = 0.0, x = 0.0, betaL = 0.0, last = 0.0;
    SteamGroupSums sums{};
};

SteamAtTemperature AtTemperature(double t) {
    SteamAtTemperature a;
    double beta = 0.0, i1 = 0.0;
    ComputeReducedState(a.theta, beta, i1, kWaterCriticalPressurePa, t, a.x);
    a.sums = GroupSums(a.x);
    a.betaL = SteamBoundaryPressureReduced(t);
    a.last = LastTermSum(a.x);
    return a;
}

// The whole powers of the reduced pressure the equations take, by multiplication: they are
// asked for at every trial of a humidity search, and a general power costs some ten products.
struct ReducedPressurePowers {
    double up[6];    // beta^k, k = 0 .. 5
    double down[8];  // beta^-k, k = 4 .. 7 (the others unused)
};

ReducedPressurePowers PowersOf(double beta) {
    ReducedPressurePowers p{};
    p.up[0] = 1.0;
    for (int k = 1; k <= 5; ++k) p.up[k] = p.up[k - 1] * beta;
    const double inverse = CheckedDiv(1.0, beta);
    const double inverse2 = inverse * inverse;
    p.down[4] = inverse2 * inverse2;
    for (int k = 5; k <= 7; ++k) p.down[k] = p.down[k - 1] * inverse;
    return p;
}

double DensityAt(double P, const SteamAtTemperature& a) {
    RequirePositivePressure(P);
    const double beta = P / kWaterCriticalPressurePa;
    const ReducedPressurePowers b = PowersOf(beta);
    const SteamGroupSums& s = a.sums;
    double chi = CheckedDiv(kSteamI1 * a.theta, beta);
    for (int mu = 1; mu <= 5; ++mu) chi -= mu * b.up[mu - 1] * s.group[mu - 1];
    for (int mu = 6; mu <= 8; ++mu) {
        const double d = b.down[mu - 2] + s.denominator[mu - 6];
        chi -= (mu - 2) * b.down[mu - 1] * CheckedDiv(s.group[mu - 1], d * d);
    }
    chi += 11.0 * WholePower(CheckedDiv(beta, a.betaL), 10) * a.last;
    return CheckedDiv(kReducedVolumeToDensity, CheckFinite(chi));
}

double GibbsEnergyAt(double P, const SteamAtTemperature& a) {
    RequirePositivePressure(P);
    const auto& c = SteamCoefficients;
    const double beta = P / kWaterCriticalPressurePa;
    const double theta = a.theta;
    const SteamGroupSums& s = a.sums;
    double zeta = kSteamI1 * theta * CheckedLn(beta) + c[kB0] * theta * (1.0 - CheckedLn(theta)) + c[kB0 + 1] +
                  c[kB0 + 2] * theta + c[kB0 + 3] * theta * theta + c[kB0 + 4] * theta * theta * theta +
                  c[kB0 + 5] * theta * theta * theta * theta;
    const ReducedPressurePowers b = PowersOf(beta);
    for (int mu = 1; mu <= 5; ++mu) zeta -= b.up[mu] * s.group[mu - 1];
    for (int mu = 6; mu <= 8; ++mu) zeta -= CheckedDiv(s.group[mu - 1], b.down[mu - 2] + s.denominator[mu - 6]);
    zeta += beta * WholePower(CheckedDiv(beta, a.betaL), 10) * a.last;
    return CheckFinite(zeta * kReducedEnergyScale);
}

// The temperature sets of a heat capacity at t: T, the step s = 0.001 T and the sets at t,
// t + s and t - s.
struct SteamHeatCapacityPoint {
    double T, s;
    SteamAtTemperature at, plus, minus;
};

// The temperature sets cost some hundred powers and depend on t alone; the humidity searches
// ask for the vapour at one temperature and up to a thousand pressures. The last set of each
// kind is kept for a t of the very same bits (a call that raises keeps nothing), and of the
// sets at one temperature the last two: the enthalpy takes t and t + 0.1 in turn, the density
// and the heat capacities t again.
bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

template <class Set>
struct KeptByTemperature {
    bool valid = false;
    double t = 0.0;
    Set set{};

    template <class Make>
    const Set& At(double at, Make make) {
        if (!valid || !SameBits(t, at)) {
            valid = false;
            set = make(at);
            t = at;
            valid = true;
        }
        return set;
    }
};
std::array<KeptByTemperature<SteamAtTemperature>, 2> keptAtTemperature;
std::size_t lastKeptAtTemperature = 0;
KeptByTemperature<SteamHeatCapacityPoint> keptHeatCapacityPoint;

// The other set, or a new one in its place.
[[gnu::noinline]] const SteamAtTemperature& OtherAtTemperature(double t) {
    lastKeptAtTemperature = 1 - lastKeptAtTemperature;
    return keptAtTemperature[lastKeptAtTemperature].At(t, AtTemperature);
}

inline const SteamAtTemperature& AtTemperatureKept(double t) {
    const KeptByTemperature<SteamAtTemperature>& last = keptAtTemperature[lastKeptAtTemperature];
    if (last.valid && SameBits(last.t, t)) return last.set;
    return OtherAtTemperature(t);
}

SteamHeatCapacityPoint HeatCapacityPointUncached(double t) {
    const double T = t + kKelvinOffset;
    const double s = 0.001 * T;
    return {T, s, AtTemperatureKept(t), AtTemperature(t + s), AtTemperature(t - s)};
}

const SteamHeatCapacityPoint& HeatCapacityPoint(double t) {
    return keptHeatCapacityPoint.At(t, HeatCapacityPointUncached);
}

double CpAt(double P, const SteamHeatCapacityPoint& h) {
    const double second = GibbsEnergyAt(P, h.plus) + GibbsEnergyAt(P, h.minus) - 2.0 * GibbsEnergyAt(P, h.at);
    return -h.T * CheckedDiv(second, h.s * h.s);
}

double CvAt(double P, const SteamHeatCapacityPoint& h, double cp) {
    const double v = CheckedDiv(1.0, DensityAt(P, h.at));
    const double dvdP = CheckedDiv(v - CheckedDiv(1.0, DensityAt(0.999 * P, h.at)), 0.001 * P);
    const double dvdT = CheckedDiv(CheckedDiv(1.0, DensityAt(P, h.plus)) - v, h.s);
    return cp + h.T * CheckedDiv(dvdT * dvdT, dvdP);
}

}  // namespace

void ComputeReducedState(double& theta, double& beta, double& i1, double P, double t, double& x) {
    theta = (t + kKelvinOffset) / kWaterCriticalTemperatureK;
    beta = P / kWaterCriticalPressurePa;
    i1 = kSteamI1;
    x = CheckedExp(kSteamB * (1.0 - theta));
}

double SteamBoundaryPressureReduced(double t) {
    const double theta = (t + kKelvinOffset) / kWaterCriticalTemperatureK;
    const auto& c = SteamBoundaryLineCoefficients;
    const double ta = c[0], tb = c[1];
    const double betaL = ((tb - theta) * c[2] + (theta - ta) * c[3] - (tb - theta) * c[4] * (theta - ta)) / (tb - ta);
    return CheckFinite(betaL, "overflow in the boundary line");
}

double SteamDensityPT(double P, double t) {
    RequirePositivePressure(P);
    return DensityAt(P, AtTemperatureKept(t));
}

double SteamGibbsEnergyPT(double P, double t) {
    RequirePositivePressure(P);
    return GibbsEnergyAt(P, AtTemperatureKept(t));
}

double SteamEnthalpyPT(double P, double t) {
    if (P <= 1e-10) return 0.0;
    const double zeta0 = SteamGibbsEnergyPT(P, t) / kReducedEnergyScale;
    const double zeta1 = SteamGibbsEnergyPT(P, t + 0.1) / kReducedEnergyScale;
    return CheckFinite((zeta0 - 10.0 * (zeta1 - zeta0) * (t + kKelvinOffset)) * kReducedEnergyScale);
}

double SteamCpPT(double P, double t) {
    RequirePositivePressure(P);
    return CpAt(P, HeatCapacityPoint(t));
}

double SteamCvPT(double P, double t) {
    RequirePositivePressure(P);
    const SteamHeatCapacityPoint& h = HeatCapacityPoint(t);
    return CvAt(P, h, CpAt(P, h));
}

void SteamDensityCpCvPT(double P, double t, double& density, double& cp, double& cv) {
    RequirePositivePressure(P);
    const SteamHeatCapacityPoint& h = HeatCapacityPoint(t);
    density = DensityAt(P, h.at);
    cp = CpAt(P, h);
    cv = CvAt(P, h, cp);
}

double SteamKappaPT(const std::string& medium, double& cp, double& cv, double P, double t, double density) {
    cp = 0.0;
    cv = 0.0;
    if (!IsSteamMedium(medium)) return 0.0;
    // Near zero pressure and temperature the differences of cp and cv lose all meaning.
    const double Pc = P > 110.0 ? P : 110.0;
    const double tc = t > 0.12 ? t : 0.12;
    cp = SteamCpPT(Pc, tc);
    cv = SteamCvPT(Pc, tc);
    const double v = CheckedDiv(1.0, density);
    const double dvdP = (v - SpecificVolume(P - 0.1, t)) / 0.1;
    return -CheckedDiv(CheckedDiv(cp, cv), density * P * dvdP);
}

}  // namespace tubalyx
