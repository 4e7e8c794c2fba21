#pragma once
// The device, variant and standard keywords decoded once per calculation, so that the
// iterations compare no strings in their inner loops.
#include <string_view>

namespace tubalyx {

enum class FlowDevice {
    Orifice,           // "S"
    IsaNozzle,         // "D"
    LongRadiusNozzle,  // "DL"
    ShortVenturi,      // "KV"
    SegmentOrifice,    // "SM"
    QuarterCircle,     // "VK"
    Venturi,           // "V"
    Cone,              // "VCONE"
    WaferCone,         // "VCONEWAFER"
    VolumeMeter,       // "VOLYM"
    Other
};

enum class DeviceVariant {
    Corner,    // "R"
    Flange,    // "F"
    DAndD2,    // "D"
    Welded,    // "SV"
    Machined,  // "BG"
    AsCast,    // "OG"
    Other
};

enum class FlowStandard { Iso2003, Iso1991, Din1952, Other };  // "3", "I", "D"

struct DeviceSelection {
    FlowDevice device = FlowDevice::Other;
    DeviceVariant variant = DeviceVariant::Other;
    FlowStandard standard = FlowStandard::Other;
    bool gas = false;  // the medium is a gas: expansibility applies
};

FlowDevice DecodeDevice(std::string_view device);
DeviceVariant DecodeVariant(std::string_view variant);
FlowStandard DecodeStandard(std::string_view standard);

// Decodes all four keywords; the gas test is the medium identification's.
DeviceSelection DecodeDeviceSelection(std::string_view medium, std::string_view device, std::string_view variant,
                                      std::string_view standard);

inline bool IsConeDevice(FlowDevice device) { return device == FlowDevice::Cone || device == FlowDevice::WaferCone; }

// The cone test on the state's DeviceCode, which the flow and loss formulas use.
bool StateDeviceIsCone();

}  // namespace tubalyx
