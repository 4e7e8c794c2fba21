#include "flow/device_selection.h"

#include <string>

#include "media/medium_identification.h"
#include "state/keywords.h"
#include "state/selections.h"

namespace tubalyx {

FlowDevice DecodeDevice(std::string_view device) {
    if (device == kDeviceOrifice) return FlowDevice::Orifice;
    if (device == kDeviceIsaNozzle) return FlowDevice::IsaNozzle;
    if (device == kDeviceLongRadiusNozzle) return FlowDevice::LongRadiusNozzle;
    if (device == kDeviceShortVenturi) return FlowDevice::ShortVenturi;
    if (device == kDeviceSegmentOrifice) return FlowDevice::SegmentOrifice;
    if (device == kDeviceQuarterCircle) return FlowDevice::QuarterCircle;
    if (device == kDeviceVenturi) return FlowDevice::Venturi;
    if (device == kDeviceCone) return FlowDevice::Cone;
    if (device == kDeviceWaferCone) return FlowDevice::WaferCone;
    if (device == kDeviceVolumeMeter) return FlowDevice::VolumeMeter;
    return FlowDevice::Other;
}

DeviceVariant DecodeVariant(std::string_view variant) {
    if (variant == kVariantCorner) return DeviceVariant::Corner;
    if (variant == kVariantFlange) return DeviceVariant::Flange;
    if (variant == kVariantDAndD2) return DeviceVariant::DAndD2;
    if (variant == kVariantWelded) return DeviceVariant::Welded;
    if (variant == kVariantMachined) return DeviceVariant::Machined;
    if (variant == kVariantAsCast) return DeviceVariant::AsCast;
    return DeviceVariant::Other;
}

FlowStandard DecodeStandard(std::string_view standard) {
    if (IsLetterText(standard, kStandardIso2003)) return FlowStandard::Iso2003;
    if (IsLetterText(standard, kStandardIso1991)) return FlowStandard::Iso1991;
    if (IsLetterText(standard, kStandardDin1952)) return FlowStandard::Din1952;
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
