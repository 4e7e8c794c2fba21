#pragma once
// The device, variant and standard keywords of a flow calculation decoded once (by the one
// decoder, state/decoded_selection.h), with the gas test of the medium, so that the
// iterations compare no strings in their inner loops.
#include <string_view>

#include "state/decoded_selection.h"

namespace tubalyx {

struct DeviceSelection {
    FlowDevice device = FlowDevice::Other;
    DeviceVariant variant = DeviceVariant::Other;
    FlowStandard standard = FlowStandard::Other;
    bool gas = false;  // the medium is a gas: expansibility applies
};

// Decodes all four keywords; the gas test is the medium identification's.
DeviceSelection DecodeDeviceSelection(std::string_view medium, std::string_view device, std::string_view variant,
                                      std::string_view standard);

// The cone test on the state's DeviceCode, which the flow and loss formulas use.
bool StateDeviceIsCone();

}  // namespace tubalyx
