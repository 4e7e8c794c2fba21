#include "property_tables/carbon_monoxide.h"

#include <cmath>

#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"

namespace tubalyx {
namespace {

// Compressibility factor Z [pressure][temperature].
constexpr double kZPressures[8] = {100, 500, 1000, 2500, 5000, 10000, 15000, 20000};  // kPa
constexpr double kZTemperatures[2] = {288.15, 323.15};                                // K
constexpr double kZValues[8 * 2] = {
    0.9996, 0.9998,  //  100 kPa
    0.9979, 0.9994,  //  500 kPa
    0.9959, 0.9988,  // 1000 kPa
    0.9908, 0.9978,  // 2500 kPa
    0.9848, 0.9981,  // 5000 kPa
    0.9845, 1.007,   // 10000 kPa
    1.0002, 1.0269,  // 15000 kPa
    1.0305, 1.0567,  // 20000 kPa
};

// Dynamic viscosity at 100 kPa, micro-Pa s; the pressure plays no part.
constexpr double kMuPressures[1] = {100};
constexpr double kMuTemperatures[4] = {kKelvinOffset, 288.15, 323.15, 373.15};
constexpr double kMuValues[4] = {16.62, 17.25, 18.72, 20.76};

// Isobaric heat capacity at 1 atm and 0 degC, kcal/(kg K).
constexpr double kCpKcal = 0.249;

constexpr double kReferenceDensity = 1.169;  // kg/m3 at 100000 Pa and 288.15 K
constexpr double kReferenceZ = 0.9996;
constexpr double kGasConstantOverMolarMass = 296.82256337022494;  // 8314 / 28.01, J/(kg K)

// Bracket of x on an ascending axis: a single end point outside, otherwise the interval that
// starts at or below x.
void Bracket(const double* axis, int n, double x, int& lo, int& hi) {
    if (x < axis[0]) {
        lo = hi = 0;
        return;
    }
    for (int i = 0; i + 1 < n; ++i) {
        if (x < axis[i + 1]) {
            lo = i;
            hi = i + 1;
            return;
        }
    }
    lo = hi = n - 1;
}

// Bilinear reading with the bracket of the unclamped state and the weights at the clamped one.
double ReadTable(const double* pAxis, int nP, const double* tAxis, int nT, const double* values, double p, double T,
                 double dp, double dT) {
    int ilo = 0, ihi = 0, jlo = 0, jhi = 0;
    Bracket(pAxis, nP, p, ilo, ihi);
    Bracket(tAxis, nT, T, jlo, jhi);
    const double va = values[ilo * nT + jlo];
    const double vb = values[ihi * nT + jlo];
    const double vc = values[ilo * nT + jhi];
    const double vd = values[ihi * nT + jhi];
    const double pc = MaxDouble(MinDouble(p, pAxis[nP - 1] - dp), pAxis[0] + dp);
    const double Tc = MaxDouble(MinDouble(T, tAxis[nT - 1] - dT), tAxis[0] + dT);
    const double plo = pAxis[ilo], phi = pAxis[ihi], Tlo = tAxis[jlo], Thi = tAxis[jhi];
    if (phi > plo && Thi > Tlo) {
        double sum = std::fabs(phi - pc) * std::fabs(Thi - Tc) * va;
        sum += std::fabs(plo - pc) * std::fabs(Thi - Tc) * vb;
        sum += std::fabs(phi - pc) * std::fabs(Tlo - Tc) * vc;
        sum += std::fabs(plo - pc) * std::fabs(Tlo - Tc) * vd;
        return sum / (std::fabs(phi - plo) * std::fabs(Thi - Tlo));
    }
    if (Thi > Tlo) return (std::fabs(Thi - Tc) * va + std::fabs(Tlo - Tc) * vc) / std::fabs(Thi - Tlo);
    if (phi > plo) return (std::fabs(phi - pc) * va + std::fabs(plo - pc) * vb) / std::fabs(phi - plo);
    return va;
}

}  // namespace

double CarbonMonoxideDensityPT(double P, double t) {
    const double p = 0.001 * P;
    const double T = t + kKelvinOffset;
    const double z = ReadTable(kZPressures, 8, kZTemperatures, 2, kZValues, p, T, 0.001, 0.001);
    // The reference density carried to the requested state with the compressibility ratio.
    double rho = CheckedDiv(kReferenceZ, z);
    rho = CheckedDiv(rho * 288.15, T);
    return CheckFinite(rho * P * 1e-5 * kReferenceDensity);
}

double CarbonMonoxideViscosityPT(double P, double t) {
    const double T = t + kKelvinOffset;
    const double mu = ReadTable(kMuPressures, 1, kMuTemperatures, 4, kMuValues, 100.0, T, 0.001, 0.001);
    return mu * 0.1 * 1e-5;
}

double CarbonMonoxideCpPT(double P, double t) { return 4.1868 * kCpKcal * 1000; }

double CarbonMonoxideCvPT(double P, double t) { return CarbonMonoxideCpPT(P, t) - kGasConstantOverMolarMass; }

}  // namespace tubalyx
