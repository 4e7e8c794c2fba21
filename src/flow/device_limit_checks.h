#pragma once
// The limit checks of a primary-device result, one message text per check.
#include <string>
#include <string_view>

namespace tubalyx {

// Runs the checks of the chosen standard on the state's device, geometry and flows.
// All six messages are reset to " " first, so a device that skips checks ("VOLYM")
// keeps no message of an earlier run.
void CheckDeviceLimits();

// Reynolds numbers at max and min flow against the device's bounds (d, D in m, mu Pa s,
// flows kg/s).
void CheckReynoldsCalibrated(std::string_view language, std::string_view device, std::string_view variant,
                             std::string_view standard, double d, double pipeDiameter, double viscosity, double maxFlow,
                             double minFlow, std::string& message);

}  // namespace tubalyx
