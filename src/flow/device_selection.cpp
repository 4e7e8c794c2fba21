#include "flow/device_selection.h"

#include <string>

#include "media/medium_identification.h"
#include "state/selections.h"

namespace tubalyx {

FlowDevice DecodeDevice(std::string_view device) {
    if (device == "S") return FlowDevice::Orifice;
    if (device == "D") return FlowDevice::IsaNozzle;
    if (device == "DL") return FlowDevice::LongRadiusNozzle;
    if (device == "KV") return FlowDevice::ShortVenturi;
    if (device == "SM") return FlowDevice::SegmentOrifice;
    if (device == "VK") return FlowDevice::QuarterCircle;
    if (device == "V") return FlowDevice::Venturi;
    if (device == "VCONE") return FlowDevice::Cone;
    if (device == "VCONEWAFER") return FlowDevice::WaferCone;
    if (device == "VOLYM") return FlowDevice::VolumeMeter;
    return FlowDevice::Other;
}

DeviceVariant DecodeVariant(std::string_view variant) {
    if (variant == "R") return DeviceVariant::Corner;
    if (variant == "F") return DeviceVariant::Flange;
    if (variant == "D") return DeviceVariant::DAndD2;
    if (variant == "SV") return DeviceVariant::Welded;
    if (variant == "BG") return DeviceVariant::Machined;
    if (variant == "OG") return DeviceVariant::AsCast;
    return DeviceVariant::Other;
}

FlowStandard DecodeStandard(std::string_view standard) {
    if (standard == "3") return FlowStandard::Iso2003;
    if (standard == "I") return FlowStandard::Iso1991;
    if (standard == "D") return FlowStandard::Din1952;
    return FlowStandard::Other;
}

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
