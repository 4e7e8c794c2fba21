#include "state/decoded_selection.h"

#include "state/keywords.h"
#include "state/selections.h"

namespace tubalyx {

CalculationFunction DecodeCalcFunction(std::string_view function) {
    if (function == kFunctionThermodynamics) return CalculationFunction::Thermodynamics;
    if (function == kFunctionPrimaryDevice) return CalculationFunction::PrimaryDevice;
    if (function == kFunctionPressureLoss) return CalculationFunction::PressureLoss;
    if (function == kFunctionFlow) return CalculationFunction::Flow;
    if (function == kFunctionValve) return CalculationFunction::Valve;
    if (function == kFunctionUnits) return CalculationFunction::Units;
    return CalculationFunction::Other;
}

MediumKind DecodeMedium(std::string_view medium) {
    static constexpr struct {
        std::string_view code;
        MediumKind medium;
    } kCodes[] = {
        {kMediumWater, MediumKind::Water},
        {kMediumSteam, MediumKind::Steam},
        {kMediumWetSteam, MediumKind::WetSteam},
        {kMediumLiquid, MediumKind::Liquid},
        {kMediumGas, MediumKind::IdealGas},
        {kMediumRealGas, MediumKind::RealGas},
        {kMediumAir, MediumKind::Air},
        {kMediumMixture, MediumKind::Mixture},
        {kMediumNaturalGas, MediumKind::NaturalGas},
        {kMediumOil, MediumKind::Oil},
        {kMediumPropane, MediumKind::Propane},
        {kMediumPropaneLiquid, MediumKind::PropaneLiquid},
        {kMediumCarbonDioxide, MediumKind::CarbonDioxide},
        {kMediumCarbonMonoxide, MediumKind::CarbonMonoxide},
        {kMediumNitrogen, MediumKind::Nitrogen},
        {kMediumOxygen, MediumKind::Oxygen},
        {kMediumHydrogen, MediumKind::Hydrogen},
        {kMediumArgon, MediumKind::Argon},
        {kMediumOzone, MediumKind::Ozone},
        {kMediumAmmonia, MediumKind::Ammonia},
        {kMediumMethane, MediumKind::Methane},
    };
    for (const auto& c : kCodes)
        if (medium == c.code) return c.medium;
    return MediumKind::Other;
}

SolveTarget DecodeSolveFor(std::string_view solveFor) {
    if (solveFor == kSolveDp) return SolveTarget::Dp;
    if (solveFor == kSolveBore) return SolveTarget::Bore;
    if (solveFor == kSolveFlow) return SolveTarget::Flow;
    if (solveFor == kSolveLoss) return SolveTarget::Loss;
    if (solveFor == kSolveOptimal) return SolveTarget::Optimal;
    return SolveTarget::Other;
}

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

FlowStandard DecodeStandard(char standard) {
    if (standard == kStandardIso2003) return FlowStandard::Iso2003;
    if (standard == kStandardIso1991) return FlowStandard::Iso1991;
    if (standard == kStandardDin1952) return FlowStandard::Din1952;
    return FlowStandard::Other;
}

FlowStandard DecodeStandard(std::string_view standard) {
    return standard.size() == 1 ? DecodeStandard(standard[0]) : FlowStandard::Other;
}

Selection DecodeSelection() {
    Selection s;
    s.function = DecodeCalcFunction(CalcFunction);
    s.medium = DecodeMedium(MediumCode);
    s.solve = DecodeSolveFor(SolveFor);
    s.device = DecodeDevice(DeviceCode);
    s.variant = DecodeVariant(DeviceVariantCode);
    s.standard = DecodeStandard(StandardLetter);
    return s;
}

}  // namespace tubalyx
