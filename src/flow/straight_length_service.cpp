#include "flow/straight_length_service.h"

namespace tubalyx {

RequiredStraightLengthsFn RequiredStraightLengthsService = nullptr;

void CallRequiredStraightLengths(const std::string& device, const std::string& variant,
                                 const std::string& code, double& availableUpstream,
                                 double& extraUncertaintyPercent, double& shortfall,
                                 double givenLength, double pipeDiameter, double bore) {
    if (RequiredStraightLengthsService != nullptr) {
        RequiredStraightLengthsService(device, variant, code, availableUpstream,
                                       extraUncertaintyPercent, shortfall, givenLength,
                                       pipeDiameter, bore);
        return;
    }
    availableUpstream = givenLength;
    extraUncertaintyPercent = 0.0;
    shortfall = -givenLength;
}

}  // namespace tubalyx
