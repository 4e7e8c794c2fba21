#include "media/water_equations.h"

#include <cmath>

#include "media/steam_equations.h"
#include "numerics/checked.h"
#include "numerics/physical_constants.h"

namespace tubalyx {

// clang-format off
const WaterCoefficientTable WaterCoefficients = {
    // A0 .. A22
    6824.687741, -542.2063673, -20966.66205, 39412.86787, -67332.77739, 99023.81028,
    -109391.1774, 85908.41667, -45111.68742, 14181.38926, -2017.271113, 7.982692717,
    -0.02616571843, 0.00152241179, 0.02284279054, 242.1647003, 1.269716088e-10, 2.074838328e-7,
    2.17402035e-8, 1.105710498e-9, 12.93441934, 1.308119072e-5, 6.047626338e-14,
    // a1 .. a12
    0.8438375405, 0.0005362162162, 1.72, 0.07342278489, 0.0497585887, 0.65371543, 1.15e-6,
    1.5108e-5, 0.14188, 7.002753165, 0.0002995284926, 0.204,
};
// clang-format on

// clang-format off
const std::array<double, 9> WaterSaturationLineCoefficients = {
    -7.691234564, -26.08023696, -168.1706546, 64.23285504, -118.9646225,
    4.16711732, 20.9750676, 1e9, 6.0,
};
// clang-format on

namespace {

// The A and a of the table by their names in the formulation.
struct WaterTerms {
    const WaterCoefficientTable& c;
    double A(int i) const { return c[i]; }
    double a(int j) const { return c[22 + j]; }
};

void RequirePositivePressure(double P) {
    if (!(P > 0.0)) throw CalcError("water pressure must be above zero");
}

double ReducedTemperature(double t) { return (t + kKelvinOffset) / kWaterCriticalTemperatureK; }

// Y and Z of sub-region 1.
void YZ(const WaterTerms& w, double theta, double beta, double& y, double& z) {
    y = 1.0 - w.a(1) * theta * theta - w.a(2) * CheckedPow(theta, -6);
    const double root = std::sqrt(std::fabs(w.a(3) * y * y - 2.0 * w.a(4) * theta + 2.0 * w.a(5) * beta));
    z = std::fabs(y + root);
}

}  // namespace

void FillWaterCoefficients(WaterCoefficientTable& table) { table = WaterCoefficients; }

double WaterDensityPT(double P, double t) {
    RequirePositivePressure(P);
    const WaterTerms w{WaterCoefficients};
    const double theta = ReducedTemperature(t);
    const double beta = P / kWaterCriticalPressurePa;
    double y, z;
    YZ(w, theta, beta, y, z);

    const double chi =
        w.A(11) * w.a(5) * CheckedPow(z, -5.0 / 17.0) + w.A(12) + w.A(13) * theta + w.A(14) * theta * theta +
        w.A(15) * std::pow(std::fabs(w.a(6) - theta), 10) + CheckedDiv(w.A(16), w.a(7) + std::pow(theta, 19)) -
        CheckedDiv(w.A(17) + 2.0 * w.A(18) * beta + 3.0 * w.A(19) * beta * beta, w.a(8) + std::pow(theta, 11)) -
        w.A(20) * std::pow(theta, 18) * (w.a(9) + theta * theta) * (-3.0 * CheckedPow(w.a(10) + beta, -4) + w.a(11)) +
        3.0 * w.A(21) * (w.a(12) - theta) * beta * beta + 4.0 * w.A(22) * CheckedPow(theta, -20) * beta * beta * beta;
    return CheckedDiv(kReducedVolumeToDensity, CheckFinite(chi));
}

double WaterEnthalpyPT(double P, double t) {
    RequirePositivePressure(P);
    double theta, beta, i1, x;
    ComputeReducedState(theta, beta, i1, P, t, x);
    WaterCoefficientTable table;
    FillWaterCoefficients(table);
    const WaterTerms w{table};
    double y, z;
    YZ(w, theta, beta, y, z);
    const double dy = -2.0 * w.a(1) * theta + 6.0 * w.a(2) * CheckedPow(theta, -7);

    double eps = w.A(0) * theta;
    for (int nu = 1; nu <= 10; ++nu) eps -= (nu - 2) * w.A(nu) * std::pow(theta, nu - 1);
    eps += w.A(11) *
           (z * (17.0 * (z / 29.0 - y / 12.0) + 5.0 * theta * dy / 12.0) + w.a(4) * theta -
            (w.a(3) - 1.0) * theta * y * dy) *
           CheckedPow(z, -5.0 / 17.0);
    const double t19 = std::pow(theta, 19);
    const double t11 = std::pow(theta, 11);
    eps += (w.A(12) - w.A(14) * theta * theta + w.A(15) * (9.0 * theta + w.a(6)) * std::pow(w.a(6) - theta, 9) +
            w.A(16) * CheckedDiv(20.0 * t19 + w.a(7), (w.a(7) + t19) * (w.a(7) + t19))) *
           beta;
    eps -= CheckedDiv(12.0 * t11 + w.a(8), (w.a(8) + t11) * (w.a(8) + t11)) *
           (w.A(17) * beta + w.A(18) * beta * beta + w.A(19) * beta * beta * beta);
    eps += w.A(20) * std::pow(theta, 18) * (17.0 * w.a(9) + 19.0 * theta * theta) *
           (CheckedPow(w.a(10) + beta, -3) + w.a(11) * beta);
    eps += w.A(21) * w.a(12) * beta * beta * beta;
    eps += 21.0 * w.A(22) * CheckedPow(theta, -20) * beta * beta * beta * beta;
    return CheckFinite(eps * kReducedEnergyScale);
}

double WaterSaturationPressureReduced(double t) {
    const auto& k = WaterSaturationLineCoefficients;
    const double theta = ReducedTemperature(t);
    const double tau = 1.0 - theta;
    const double numerator = tau * (k[0] + tau * (k[1] + tau * (k[2] + tau * (k[3] + tau * k[4]))));
    const double denominator = theta * (1.0 + k[5] * tau + k[6] * tau * tau);
    return CheckedExp(CheckedDiv(numerator, denominator) - tau / (k[7] * tau * tau + k[8]));
}

double WaterSaturationPressure(double t) {
    const double theta = ReducedTemperature(t);
    if (theta < 1.0) return kWaterCriticalPressurePa * WaterSaturationPressureReduced(t);
    // Past the critical point: never below the critical pressure, L once it lies above.
    const double betaL = SteamBoundaryPressureReduced(t);
    return kWaterCriticalPressurePa * (betaL > 1.0 ? betaL : 1.0);
}

SaturationTemperatureStatus TryWaterSaturationTemperature(double P, double& t) {
    if (!(P > 0.0)) return SaturationTemperatureStatus::PressureNotPositive;
    if (P > kWaterCriticalPressurePa) {
        // Above the critical pressure the line is L, a quadratic in theta: its rising root.
        const double beta = P / kWaterCriticalPressurePa;
        const double ta = SteamBoundaryLineCoefficients[0], tb = SteamBoundaryLineCoefficients[1];
        const double ba = SteamBoundaryLineCoefficients[2], bb = SteamBoundaryLineCoefficients[3];
        const double c = SteamBoundaryLineCoefficients[4];
        const double qb = bb - ba - c * (ta + tb);
        const double qc = tb * ba - ta * bb + c * ta * tb - (tb - ta) * beta;
        const double theta = (-qb + CheckedSqrt(qb * qb - 4.0 * c * qc)) / (2.0 * c);
        t = CheckFinite(theta * kWaterCriticalTemperatureK - kKelvinOffset, "saturation temperature overflow");
        return SaturationTemperatureStatus::Settled;
    }
    // Up to the critical pressure the root lies on K. The secant runs on K itself, which
    // continues smoothly past the critical point, so that an iterate overshooting it comes
    // back instead of meeting the level part of WaterSaturationPressure.
    auto line = [](double tc) { return kWaterCriticalPressurePa * WaterSaturationPressureReduced(tc); };
    double t0 = 100.0, t1 = 200.0;
    double p0 = line(t0);
    double t2 = t1;
    for (int step = 0; step < kSaturationTemperatureMaxSteps; ++step) {
        // An iterate on the root exactly would leave the next step no slope (0/0).
        if (P == p0) {
            t = t0;
            return SaturationTemperatureStatus::Settled;
        }
        const double p1 = line(t1);
        // Damped: a full secant step overshoots on the steep, curved line.
        t2 = CheckFinite(t1 + 0.25 * CheckedDiv(t1 - t0, p1 - p0) * (P - p0));
        // Two steps apart within 0.01 K; the last step too, or an iterate that swung back
        // near its predecessor but one would pass for a root.
        if (std::fabs(t2 - t0) < 0.01 && std::fabs(t2 - t1) < 0.01) {
            t = t2;
            return SaturationTemperatureStatus::Settled;
        }
        t0 = t1;
        p0 = p1;
        t1 = t2;
    }
    t = t2;
    return SaturationTemperatureStatus::StepBoundReached;
}

double WaterSaturationTemperature(double P) {
    double t = 0.0;
    switch (TryWaterSaturationTemperature(P, t)) {
        case SaturationTemperatureStatus::Settled: return t;
        case SaturationTemperatureStatus::PressureNotPositive:
            throw CalcError("saturation temperature: pressure must be above zero");
        case SaturationTemperatureStatus::StepBoundReached: break;
    }
    throw CalcError("saturation temperature: iteration did not settle");
}

}  // namespace tubalyx
