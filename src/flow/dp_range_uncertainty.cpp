#include "flow/dp_range_uncertainty.h"

#include <cmath>

#include "flow/coefficient_uncertainty.h"
#include "flow/device_selection.h"
#include "flow/flow_iterations.h"
#include "flow/reynolds.h"
#include "numerics/checked.h"
#include "state/corrections.h"
#include "state/inputs.h"

namespace tubalyx {

void UncertaintyOverDpRange(std::string_view medium, std::string_view device, std::string_view variant, double f,
                            double kappa, double viscosity, double density, double pipeDiameter, double bore,
                            double dpMax, double dpNormal, double dpMin, double p, std::string_view standard,
                            double& average, double& deviationA, double& deviationB) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const FlowCase flowCase{sel, StateDeviceIsCone(), CalibratedCf, p, pipeDiameter, density, viscosity, kappa, f};
    const double rootMin = CheckedSqrt(dpMin);
    const double rootSpan = CheckedSqrt(dpMax) - rootMin;
    const double beta = CheckedDiv(bore, pipeDiameter);
    double sumU = 0.0;
    double sumA = 0.0;
    double sumB = 0.0;
    int flowing = 0;
    for (int k = 0; k <= 10; ++k) {
        const double root = rootMin + 0.1 * k * rootSpan;
        const double dpK = root * root;
        const double q = FlowFromDiffPressureFor(flowCase, dpK, bore);
        double u1 = 0.0;
        double u2 = 0.0;
        CoefficientUncertainty(device, variant, medium, standard, p, beta, dpK,
                               ReynoldsNumber(pipeDiameter, viscosity, q), kappa, pipeDiameter, u1, u2);
        const double u = std::sqrt(u1 * u1 + u2 * u2);
        sumU += u;
        // No flow at the bottom of the range (a minimum flow of 0, or a coefficient equation
        // fallen to 0 far below its Reynolds range): the scaled flows have no relative error
        // there. Such a point leaves out the two deviations alone, which average over the
        // points that flow; the limits section names the Reynolds number at the minimum flow.
        if (!(q > 0.0)) continue;
        ++flowing;
        double qA = 0.0;
        double qB = 0.0;
        FlowAtSecondDiffPressure(medium, device, variant, standard, p, dpNormal, dpK, bore, pipeDiameter, density,
                                 viscosity, kappa, f, qA);
        FlowAtSecondDiffPressure(medium, device, variant, standard, p, dpMax, dpK, bore, pipeDiameter, density,
                                 viscosity, kappa, f, qB);
        sumA += CheckedDiv(std::fabs(qA - q), q) * 100.0 + u;
        sumB += CheckedDiv(std::fabs(qB - q), q) * 100.0 + u;
    }
    average = CheckFinite(sumU * (1.0 / 11.0));
    deviationA = CheckedDiv(sumA, flowing);
    deviationB = CheckedDiv(sumB, flowing);
}

bool RelativeChangeExceeds() {
    constexpr double kRelativeChangeLimit = 0.002;
    const double average = AverageCoefficientUncertainty;
    if (average == 0.0) return true;
    return std::fabs(VariantFlowDeviationB - average) / average > kRelativeChangeLimit;
}

}  // namespace tubalyx
