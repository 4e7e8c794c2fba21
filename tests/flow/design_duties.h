#pragma once
// Typical duties for the optimal design, the operating-range adjustment and the operating
// geometry: the medium state at the operating point is set directly (ideal gas for air).
#include <string>

#include "flow/optimal_design.h"
#include "flow/straight_length_service.h"
#include "media/thermal_expansion.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx::designtest {

inline void CommonDuty(double maxKgPerHour, double minShare) {
    CalcFunction = "Strypf";
    SolveFor = "OK";
    StandardLetter = '3';
    LanguageLetter = 'E';
    DeviceCode = "S";
    DeviceVariantCode = "R";
    MaxFlowGivenFlag = "J";
    FlowUnit = "kg/h";
    MaxFlowInput = maxKgPerHour;
    MaxMassFlow = maxKgPerHour / 3600.0;
    MinMassFlow = minShare * MaxMassFlow;
    NormalMassFlow = 0.63 * MaxMassFlow + 0.37 * MinMassFlow;
    OperatingTemperature = 20.0;
    TemperatureMinC = TemperatureMaxC = 20.0;
    PipeRoughnessMm = 0.01;
    PipeRoughnessM = 1e-5;
    StraightLengthM = 100.0;
    UpstreamFittingCode = "1";
    DeviceExpansionCoeff = PipeExpansionCoeff = 12.6;
    DeviceExpansionCoeffB = PipeExpansionCoeffB = 0.0043;
    InletEdgeFactor = RoughnessFactor = BendFactor = 1.0;
    SizingCorrectionFactor = 1.0;
    BendUncertaintyPercent = 0.0;
    PrimaryElementEntry = "135";
    DpLowerLimitPa = 2000.0;
    DpUpperLimitPa = 50000.0;
    DpLowerLimitInput = 2.0;
    DpUpperLimitInput = 50.0;
    DpUpperLimitUnit = "kPa";
    DpUnit = "kPa";
    MaxDpInput = 25.0;
    WeightFactor1 = 0.5;
    WeightFactor2 = 0.5;
    OnlineFlowMethod = "N";
    AllowSmallPipeFlag = "J";
    AllowLargePipeFlag = "J";
    AllowLargeReynoldsFlag = "J";
    RequiredStraightLengthsService = nullptr;
}

// Water 50 t/h in DN100 at 5 bar abs and 20 degrees C.
inline void WaterDuty() {
    CommonDuty(50000.0, 0.3);
    MediumCode = "VAT";
    PhaseLetter = 'V';
    OperatingPressure = PressureMinPa = PressureMaxPa = 5e5;
    FlowDensity = 998.2;
    DynamicViscosityPas = 1.002e-3;
    KappaOperating = 1.3;
    PipeDiameterMinLimitM = PipeDiameterMaxLimitM = 0.1;
}

// Air 1000 kg/h at 5 bar abs and 20 degrees C in DN80, ideal gas.
inline void AirDuty() {
    CommonDuty(1000.0, 0.3);
    MediumCode = "LUF";
    PhaseLetter = 'N';
    OperatingPressure = PressureMinPa = PressureMaxPa = 5e5;
    FlowDensity = 5e5 * 0.0289647 / (8.314462618 * 293.15);
    DynamicViscosityPas = 1.81e-5;
    KappaOperating = 1.4;
    PipeDiameterMinLimitM = PipeDiameterMaxLimitM = 0.08;
}

}  // namespace tubalyx::designtest
