#pragma once
#include <string_view>

namespace tubalyx {

// Relative uncertainties in per cent of the expansibility (uEpsilon, 0 for a liquid) and
// of the discharge coefficient (uC), per device, variant and standard.
void CoefficientUncertainty(std::string_view device, std::string_view variant, std::string_view medium,
                            std::string_view standard, double p, double beta, double dp, double reynolds, double kappa,
                            double pipeDiameter, double& uEpsilon, double& uC);

}  // namespace tubalyx
