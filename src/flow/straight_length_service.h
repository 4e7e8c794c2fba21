#pragma once
// The straight-length comparison that the optimal design and the operating geometry call.
// The straight-length module installs its comparison here; until it does, a device counts
// as needing no straight pipe: the whole given length is upstream, no extra uncertainty,
// and the given length is surplus.
#include <string>

namespace tubalyx {

// Lengths in m: availableUpstream, the extra uncertainty in %, and the shortfall (required
// minus given length, negative when the given length suffices).
using RequiredStraightLengthsFn = void (*)(const std::string& device, const std::string& variant,
                                           const std::string& code, double& availableUpstream,
                                           double& extraUncertaintyPercent, double& shortfall,
                                           double givenLength, double pipeDiameter, double bore);

extern RequiredStraightLengthsFn RequiredStraightLengthsService;

void CallRequiredStraightLengths(const std::string& device, const std::string& variant,
                                 const std::string& code, double& availableUpstream,
                                 double& extraUncertaintyPercent, double& shortfall,
                                 double givenLength, double pipeDiameter, double bore);

}  // namespace tubalyx
