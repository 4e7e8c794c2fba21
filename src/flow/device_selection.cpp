#include "flow/device_selection.h"

#include <string>

#include "media/medium_identification.h"
#include "state/selections.h"

namespace tubalyx {

DeviceSelection DecodeDeviceSelection(std::string_view medium, std::string_view device, std::string_view variant,
                                      std::string_view standard) {
    DeviceSelection s;
    s.device = DecodeDevice(device);
    s.variant = DecodeVariant(variant);
    s.standard = DecodeStandard(standard);
    s.gas = IsGasMedium(std::string(medium));
    return s;
}

bool StateDeviceIsCone() { return IsConeDevice(DecodeDevice(DeviceCode)); }

}  // namespace tubalyx
