#pragma once
#include <string_view>

namespace tubalyx {

// Permissible eccentricity of the device against the pipe axis, in mm (d, D in m).
double AllowedEccentricity(std::string_view device, std::string_view variant, std::string_view standard, double d,
                           double pipeDiameter);

// Profile radius of the quarter-circle nozzle; m = (d/D)^2, result in the unit of d.
double ProfileRadius(double areaRatio, double d);

// Circular-segment opening of the segment orifice: height h in a pipe of diameter D.
void SegmentAreaRatio(double h, double pipeDiameter, double& ratio);
void SegmentEquivalentDiameter(double h, double pipeDiameter, double& d);
// Inverse of SegmentEquivalentDiameter (damped Newton, at most 101 passes).
void SegmentHeightForDiameter(double d, double pipeDiameter, double& h);

}  // namespace tubalyx
