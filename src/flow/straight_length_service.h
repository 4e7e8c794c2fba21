#pragma once
// The straight-length comparison as the optimal design and the operating geometry call it:
// RequiredStraightLengths of the straight-length tables, through a pointer that a test may
// point at a comparison of its own to set the lengths a case needs.
#include <string>

namespace tubalyx {

using RequiredStraightLengthsFn = void (*)(const std::string& device, const std::string& variant,
                                           const std::string& code, double& availableUpstream,
                                           double& extraUncertaintyPercent, double& shortfall, double givenLength,
                                           double pipeDiameter, double bore);

// nullptr (the default) stands for RequiredStraightLengths.
extern RequiredStraightLengthsFn RequiredStraightLengthsService;

void CallRequiredStraightLengths(const std::string& device, const std::string& variant, const std::string& code,
                                 double& availableUpstream, double& extraUncertaintyPercent, double& shortfall,
                                 double givenLength, double pipeDiameter, double bore);

}  // namespace tubalyx
