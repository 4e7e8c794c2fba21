#include "flow/straight_length_service.h"

#include "flow/straight_lengths.h"

namespace tubalyx {

RequiredStraightLengthsFn RequiredStraightLengthsService = nullptr;

void CallRequiredStraightLengths(const std::string& device, const std::string& variant, const std::string& code,
                                 double& availableUpstream, double& extraUncertaintyPercent, double& shortfall,
                                 double givenLength, double pipeDiameter, double bore) {
    RequiredStraightLengthsFn compare =
        RequiredStraightLengthsService != nullptr ? RequiredStraightLengthsService : &RequiredStraightLengths;
    compare(device, variant, code, availableUpstream, extraUncertaintyPercent, shortfall, givenLength, pipeDiameter,
            bore);
}

}  // namespace tubalyx
