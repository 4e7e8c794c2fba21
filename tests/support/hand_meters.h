#pragma once
// The flow of a gas through four meters worked by hand from the published equations: orifice
// plate with corner tappings and ISA 1932 nozzle after ISO 5167-2/-3:2003 (D above 71.12 mm),
// V-Cone and wafer cone after their maker's qm = Cf Y pi/4 D^2 b^2 / sqrt(1 - b^4) sqrt(2 rho dp)
// with b = sqrt(1 - d^2/D^2). A liquid (kappa 0) does not expand: its epsilon and Y are 1.
#include <cmath>
#include <numbers>

namespace tubalyx::hand {

enum class Meter { Orifice, IsaNozzle, Cone, WaferCone };

struct Gas {
    double rho, mu, kappa, p;  // kg/m3, Pa s, -, Pa upstream
};

// Mass flow (kg/s) at dp (Pa) through bore or cone d in the pipe D (m); cf is the cone's Cf.
inline double Flow(Meter meter, double dp, double d, double D, const Gas& g, double cf) {
    const double pi = std::numbers::pi, x = dp / (g.kappa * g.p);
    if (meter == Meter::Cone || meter == Meter::WaferCone) {
        const double b2 = 1.0 - d * d / (D * D), b4 = b2 * b2;
        const double y =
            g.kappa == 0.0 ? 1.0 : 1.0 - (meter == Meter::Cone ? 0.649 + 0.696 * b4 : 0.755 + 6.787 * b4 * b4) * x;
        return cf * y * pi / 4.0 * D * D * b2 / std::sqrt(1.0 - b4) * std::sqrt(2.0 * g.rho * dp);
    }
    const double beta = d / D, b4 = std::pow(beta, 4.0), tau = 1.0 - dp / g.p, t2k = std::pow(tau, 2.0 / g.kappa);
    const double epsilon = g.kappa == 0.0 ? 1.0
                           : meter == Meter::Orifice
                               ? 1.0 - (0.351 + 0.256 * b4 + 0.93 * b4 * b4) * (1.0 - std::pow(tau, 1.0 / g.kappa))
                               : std::sqrt(g.kappa * t2k / (g.kappa - 1.0) * (1.0 - b4) / (1.0 - b4 * t2k) *
                                           (1.0 - std::pow(tau, (g.kappa - 1.0) / g.kappa)) / (1.0 - tau));
    const double withoutC = epsilon / std::sqrt(1.0 - b4) * pi / 4.0 * d * d * std::sqrt(2.0 * dp * g.rho);
    double q = 0.6 * withoutC;
    for (int pass = 0; pass < 100; ++pass) {  // the Reynolds number of C, by substitution
        const double re = 4.0 * q / (pi * D * g.mu), a = std::pow(19000.0 * beta / re, 0.8);
        q = withoutC *
            (meter == Meter::Orifice  // Reader-Harris/Gallagher, L1 = L2' = 0
                 ? 0.5961 + 0.0261 * beta * beta - 0.216 * b4 * b4 + 0.000521 * std::pow(1e6 * beta / re, 0.7) +
                       (0.0188 + 0.0063 * a) * std::pow(beta, 3.5) * std::pow(1e6 / re, 0.3)
                 : 0.99 - 0.2262 * std::pow(beta, 4.1) -
                       (0.00175 * beta * beta - 0.0033 * std::pow(beta, 4.15)) * std::pow(1e6 / re, 1.15));
    }
    return q;
}

// The dp (Pa) at which the meter passes qm, by bisection below half the upstream pressure.
inline double Dp(Meter meter, double qm, double d, double D, const Gas& g, double cf) {
    double low = 0.0, high = 0.5 * g.p;
    for (int pass = 0; pass < 100; ++pass)
        (Flow(meter, 0.5 * (low + high), d, D, g, cf) < qm ? low : high) = 0.5 * (low + high);
    return 0.5 * (low + high);
}

// The bore (m) of an orifice or a nozzle in the pipe D (m) that passes qm at dp, by bisection.
inline double Bore(Meter meter, double qm, double dp, double D, const Gas& g) {
    double low = 0.01 * D, high = 0.99 * D;
    for (int pass = 0; pass < 100; ++pass)
        (Flow(meter, dp, 0.5 * (low + high), D, g, 0.0) < qm ? low : high) = 0.5 * (low + high);
    return 0.5 * (low + high);
}

}  // namespace tubalyx::hand
