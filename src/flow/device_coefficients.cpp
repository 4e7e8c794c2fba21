#include "flow/device_coefficients.h"

#include <cmath>

#include "flow/discharge_coefficient.h"
#include "flow/expansibility.h"
#include "flow/reynolds.h"
#include "numerics/checked.h"

namespace tubalyx {

FlowCoefficients ComputeDeviceCoefficients(const DeviceSelection& sel, double p, double qm,
                                           double dp, double d, double pipeDiameter,
                                           double viscosity, double kappa) {
    FlowCoefficients r;
    const double dd = CheckedDiv(d * d, pipeDiameter * pipeDiameter);
    r.beta = IsConeDevice(sel.device) ? CheckedSqrt(1.0 - dd) : CheckedDiv(d, pipeDiameter);
    const double d2 = d * d;
    const double bigD2 = pipeDiameter * pipeDiameter;
    r.e = CheckedDiv(bigD2, std::sqrt(std::fabs(bigD2 * bigD2 - d2 * d2)));
    r.reynolds = ReynoldsNumber(pipeDiameter, viscosity, qm);
    r.epsilon = sel.gas ? GasExpansibility(sel.device, r.beta, p, dp, kappa) : 1.0;
    r.c = CheckFinite(DischargeCoefficient(sel, r.beta, r.reynolds, pipeDiameter));
    if (r.c < 0.0) r.c = 0.0;
    CheckFinite(r.epsilon);
    return r;
}

void DeviceCoefficients(std::string_view medium, std::string_view device,
                        std::string_view variant, std::string_view standard, double p,
                        double qm, double dp, double d, double pipeDiameter, double density,
                        double viscosity, double kappa, double& c, double& e,
                        double& epsilon, double& beta, double& reynolds) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const FlowCoefficients r =
        ComputeDeviceCoefficients(sel, p, qm, dp, d, pipeDiameter, viscosity, kappa);
    c = r.c;
    e = r.e;
    epsilon = r.epsilon;
    beta = r.beta;
    reynolds = r.reynolds;
}

}  // namespace tubalyx
