#include "flow/device_coefficients.h"

#include <cmath>
#include <numbers>

#include "flow/reynolds.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"

namespace tubalyx {

namespace {

// A liquid has no expansibility: its law is that of no device, which gives 1.
FlowDevice ExpansibilityDevice(const DeviceSelection& sel) { return sel.gas ? sel.device : FlowDevice::Other; }

}  // namespace

DeviceCoefficientModel::DeviceCoefficientModel(const DeviceSelection& sel, double p, double dp, double pipeDiameter,
                                               double viscosity, double kappa)
    : sel_(sel),
      p_(p),
      pipeDiameter_(pipeDiameter),
      viscosity_(viscosity),
      kappa_(kappa),
      lnReynoldsPerFlow_(std::log(4.0 / std::numbers::pi) - std::log(std::fabs(pipeDiameter)) -
                         std::log(std::fabs(viscosity))),
      law_(ExpansibilityDevice(sel), p, MinDouble(dp, p), kappa),
      curve_(sel, pipeDiameter) {}

void DeviceCoefficientModel::SetBore(double d) {
    const double dd = CheckedDiv(d * d, pipeDiameter_ * pipeDiameter_);
    k_.beta = IsConeDevice(sel_.device) ? CheckedSqrt(1.0 - dd) : CheckedDiv(d, pipeDiameter_);
    const double d2 = d * d;
    const double bigD2 = pipeDiameter_ * pipeDiameter_;
    k_.e = CheckedDiv(bigD2, std::sqrt(std::fabs(bigD2 * bigD2 - d2 * d2)));
    k_.epsilon = CheckFinite(law_.At(k_.beta));
    curve_.SetPlate(k_.beta);
}

// The power from the flow's logarithm: the divisions of ReD stay off the chain of passes.
double DeviceCoefficientModel::ReynoldsPower(double qm) const {
    return curve_.ReynoldsPower(std::log(std::fabs(qm)) + lnReynoldsPerFlow_);
}

void DeviceCoefficientModel::SetFlow(double qm) { SetFlow(qm, ReynoldsPower(qm)); }

void DeviceCoefficientModel::SetFlow(double qm, double reynoldsPower) {
    k_.reynolds = ReynoldsNumber(pipeDiameter_, viscosity_, qm);
    k_.c = curve_.At(k_.reynolds, reynoldsPower);
    if (k_.c < 0.0) k_.c = 0.0;
}

void DeviceCoefficientModel::SetDiffPressure(double dp) {
    law_ = ExpansibilityLaw(ExpansibilityDevice(sel_), p_, MinDouble(dp, p_), kappa_);
    k_.epsilon = CheckFinite(law_.At(k_.beta));
}

FlowCoefficients ComputeDeviceCoefficients(const DeviceSelection& sel, double p, double qm, double dp, double d,
                                           double pipeDiameter, double viscosity, double kappa) {
    DeviceCoefficientModel model(sel, p, dp, pipeDiameter, viscosity, kappa);
    model.SetBore(d);
    model.SetFlow(qm);
    return model.Coefficients();
}

void DeviceCoefficients(std::string_view medium, std::string_view device, std::string_view variant,
                        std::string_view standard, double p, double qm, double dp, double d, double pipeDiameter,
                        double density, double viscosity, double kappa, double& c, double& e, double& epsilon,
                        double& beta, double& reynolds) {
    const DeviceSelection sel = DecodeDeviceSelection(medium, device, variant, standard);
    const FlowCoefficients r = ComputeDeviceCoefficients(sel, p, qm, dp, d, pipeDiameter, viscosity, kappa);
    c = r.c;
    e = r.e;
    epsilon = r.epsilon;
    beta = r.beta;
    reynolds = r.reynolds;
}

}  // namespace tubalyx
