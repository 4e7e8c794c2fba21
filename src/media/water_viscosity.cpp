#include "media/water_viscosity.h"

#include <cmath>

#include "numerics/checked.h"
#include "numerics/physical_constants.h"

namespace tubalyx {

const std::array<double, 4> WaterViscosityDiluteCoefficients = {0.0181583, 0.0177624, 0.0105287, -0.0036744};

const std::array<std::array<double, 5>, 6> WaterViscosityResidualCoefficients = {{
    {0.501938, 0.235622, -0.274637, 0.145831, -0.0270448},
    {0.162888, 0.789393, -0.743539, 0.263129, -0.0253093},
    {-0.130356, 0.673665, -0.959456, 0.347247, -0.0267758},
    {0.907919, 1.207552, -0.687343, 0.213486, -0.0822904},
    {-0.551119, 0.0670665, -0.497089, 0.100754, 0.0602253},
    {0.146543, -0.084337, 0.195286, -0.032932, -0.0202595},
}};

namespace {
constexpr double kReferenceTemperatureK = 647.27;
constexpr double kReferenceVolume = 0.003147;  // m3/kg, 1 / reference density
}  // namespace

double WaterSteamViscosity(double t, double rho) {
    const auto& a = WaterViscosityDiluteCoefficients;
    const auto& b = WaterViscosityResidualCoefficients;
    const double tau = CheckedDiv(kReferenceTemperatureK, t + kKelvinOffset);
    const double mu0 =
        1e-6 * CheckedDiv(CheckedDiv(1.0, CheckedSqrt(tau)), a[0] + tau * (a[1] + tau * (a[2] + tau * a[3])));
    const double delta = kReferenceVolume * rho - 1.0;
    const double x = tau - 1.0;
    double s = 0.0;
    double xi = 1.0;
    for (int i = 0; i <= 5; ++i) {
        double row = 0.0;
        double dj = 1.0;
        for (int j = 0; j <= 4; ++j) {
            row += b[i][j] * dj;
            dj *= delta;
        }
        s += xi * row;
        xi *= x;
    }
    return CheckFinite(mu0 * CheckedExp((delta + 1.0) * s));
}

}  // namespace tubalyx
