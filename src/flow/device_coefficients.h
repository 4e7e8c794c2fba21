#pragma once
#include <cmath>
#include <string_view>

#include "flow/device_selection.h"
#include "flow/discharge_coefficient.h"
#include "flow/expansibility.h"

namespace tubalyx {

// The five numbers of the flow equation at one operating point.
struct FlowCoefficients {
    double c = 0.0;         // discharge coefficient (never negative)
    double e = 0.0;         // velocity-of-approach factor 1 / sqrt(1 - (d/D)^4)
    double epsilon = 1.0;   // expansibility (1 for liquids)
    double beta = 0.0;      // d/D; sqrt(1 - d^2/D^2) for the cone meters
    double reynolds = 0.0;  // pipe Reynolds number of qm
};

// Decoded form for the iterations. p Pa abs, qm kg/s, dp Pa, d and D in m, mu Pa s.
FlowCoefficients ComputeDeviceCoefficients(const DeviceSelection& sel, double p, double qm, double dp, double d,
                                           double pipeDiameter, double viscosity, double kappa);

// The coefficients of one device in one pipe, for the iterations that move one quantity at
// a time: SetBore evaluates what depends on the bore (beta, E, the expansibility and the
// plate terms of C), SetFlow what depends on the flow (ReD and C), SetDiffPressure the
// expansibility at another dp. Each gives the values ComputeDeviceCoefficients gives, which
// evaluates through it; call SetBore before the other two.
class DeviceCoefficientModel {
public:
    DeviceCoefficientModel(const DeviceSelection& sel, double p, double dp, double pipeDiameter, double viscosity,
                           double kappa);
    void SetBore(double d);
    void SetFlow(double qm);
    // The same with the Reynolds power of C at qm given (it does not depend on the bore).
    void SetFlow(double qm, double reynoldsPower);
    double ReynoldsPower(double qm) const;
    // C alone at qm, for the passes of an iteration whose first SetFlow checked the Reynolds
    // number: the reynolds field keeps that value where C does not read it.
    void SetFlowCoefficient(double qm);
    void SetDiffPressure(double dp);
    const FlowCoefficients& Coefficients() const { return k_; }

private:
    DeviceSelection sel_;
    double p_, pipeDiameter_, viscosity_, kappa_;
    double lnReynoldsPerFlow_;  // ln (4 / (pi D mu)): ln ReD = ln qm + this
    ExpansibilityLaw law_;
    DischargeCoefficientCurve curve_;
    FlowCoefficients k_;
};

inline void DeviceCoefficientModel::SetFlowCoefficient(double qm) {
    constexpr double kLnLargestDouble = 709.782712893384;  // ln of the largest double
    const double lnReynolds = std::log(std::fabs(qm)) + lnReynoldsPerFlow_;
    // Where ReD itself is read, or could overflow, it is evaluated and checked as always.
    if (curve_.ReadsReynolds() || !(lnReynolds < kLnLargestDouble)) {
        SetFlow(qm);
        return;
    }
    k_.c = curve_.At(k_.reynolds, curve_.ReynoldsPower(lnReynolds));
    if (k_.c < 0.0) k_.c = 0.0;
}

// Keyword form. The density is accepted for a uniform argument list and not used.
void DeviceCoefficients(std::string_view medium, std::string_view device, std::string_view variant,
                        std::string_view standard, double p, double qm, double dp, double d, double pipeDiameter,
                        double density, double viscosity, double kappa, double& c, double& e, double& epsilon,
                        double& beta, double& reynolds);

}  // namespace tubalyx
