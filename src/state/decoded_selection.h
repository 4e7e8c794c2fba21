#pragma once
// The selection keywords decoded into enums: the one decoder.
//
// A keyword is compared by its name (state/keywords.h) where one test reads best. Code that
// branches on a selection again and again decodes it instead, once, at its edge: the run
// decodes the whole selection before it calculates, the page build before it builds, a report
// writer before it writes, and the inner loops of the calculations compare no strings. Every
// selection keyword has one enum here and one decoder; a keyword outside its set decodes to
// Other.
//
// The state can change under a decoded selection: the optimal design chooses another device,
// the page build may set SolveFor. Decode after such a step, never keep a Selection across it.
#include <string_view>

namespace tubalyx {

// CalcFunction.
enum class CalculationFunction {
    Thermodynamics,  // "Termo"
    PrimaryDevice,   // "Strypf"
    PressureLoss,    // "Tryckf"
    Flow,            // "Flow"
    Valve,           // "Ventil"
    Units,           // "Sorter": the unit conversion, which the run does not calculate
    Other
};

// MediumCode.
enum class MediumKind {
    Water,           // "VAT"
    Steam,           // "ANG"
    WetSteam,        // "MNG"
    Liquid,          // "VÄT", user-defined liquid
    IdealGas,        // "GAS", user-defined gas
    RealGas,         // "IGAS", user-defined real gas
    Air,             // "LUF"
    Mixture,         // "G"
    NaturalGas,      // "NGAS"
    Oil,             // "OLJA"
    Propane,         // "C3H8"
    PropaneLiquid,   // "C3H8V"
    CarbonDioxide,   // "CO2"
    CarbonMonoxide,  // "CO"
    Nitrogen,        // "N2"
    Oxygen,          // "O2"
    Hydrogen,        // "H2"
    Argon,           // "AR"
    Ozone,           // "O3"
    Ammonia,         // "NH3"
    Methane,         // "CH4"
    Other,
};

// SolveFor.
enum class SolveTarget {
    Dp,       // "DP"
    Bore,     // "DI"
    Flow,     // "FL"
    Loss,     // "TF"
    Optimal,  // "OK"
    Other
};

// DeviceCode.
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

// DeviceVariantCode.
enum class DeviceVariant {
    Corner,    // "R"
    Flange,    // "F"
    DAndD2,    // "D"
    Welded,    // "SV"
    Machined,  // "BG"
    AsCast,    // "OG"
    Other
};

// StandardLetter.
enum class FlowStandard { Iso2003, Iso1991, Din1952, Other };  // '3', 'I', 'D'

CalculationFunction DecodeCalcFunction(std::string_view function);
MediumKind DecodeMedium(std::string_view medium);
SolveTarget DecodeSolveFor(std::string_view solveFor);
FlowDevice DecodeDevice(std::string_view device);
DeviceVariant DecodeVariant(std::string_view variant);
FlowStandard DecodeStandard(char standard);
// The standard as the flow routines hand it on, a one-letter text.
FlowStandard DecodeStandard(std::string_view standard);

inline bool IsConeDevice(FlowDevice device) { return device == FlowDevice::Cone || device == FlowDevice::WaferCone; }

// The selection of the calculation state, decoded.
struct Selection {
    CalculationFunction function = CalculationFunction::Other;
    MediumKind medium = MediumKind::Other;
    SolveTarget solve = SolveTarget::Other;
    FlowDevice device = FlowDevice::Other;
    DeviceVariant variant = DeviceVariant::Other;
    FlowStandard standard = FlowStandard::Other;

    bool Cone() const { return IsConeDevice(device); }
    bool VolumeMeter() const { return device == FlowDevice::VolumeMeter; }
    // A meter calibrated by its maker (a cone meter or the volume meter), not a device of the standards.
    bool Meter() const { return Cone() || VolumeMeter(); }
};

// Reads CalcFunction, MediumCode, SolveFor, DeviceCode, DeviceVariantCode and StandardLetter.
Selection DecodeSelection();

}  // namespace tubalyx
