#include "flow/reynolds.h"

#include <numbers>

#include "numerics/checked.h"

namespace tubalyx {

double ReynoldsNumber(double pipeDiameter, double viscosity, double massFlow) {
    const double area = std::numbers::pi * pipeDiameter * pipeDiameter / 4.0;
    const double velocityTimesDensity = CheckedDiv(massFlow, area);
    return CheckedDiv(velocityTimesDensity * pipeDiameter, viscosity);
}

}  // namespace tubalyx
