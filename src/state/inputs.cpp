#include "state/inputs.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_INPUTS(X)               \
    X(FlowUnit, "")                     \
    X(MaxFlowInput, 0.0)                \
    X(MaxFlowSI, 0.0)                   \
    X(MinFlowInput, 0.0)                \
    X(MinFlowUnit, "")                  \
    X(MinFlowSI, 0.0)                   \
    X(DpUnit, "kPa")                    \
    X(MaxDpInput, 0.0)                  \
    X(CalculatedFlow, 0.0)              \
    X(DpUpperLimitUnit, "kPa")          \
    X(DpLowerLimitUnit, "kPa")          \
    X(DpLowerLimitInput, 0.0)           \
    X(DpUpperLimitInput, 0.0)           \
    X(MaxPressureLossInput, 0.0)        \
    X(MaxPressureLossUnit, "KPA")       \
    X(MaxPressureLossPa, 0.0)           \
    X(TemperatureMinC, 20.0)            \
    X(TemperatureMaxC, 20.0)            \
    X(PressureUnit, "kPa")              \
    X(PressureMinInput, 101.325)        \
    X(PressureMaxInput, 101.325)        \
    X(PressureMinPa, 101325.0)          \
    X(PressureMaxPa, 101325.0)          \
    X(VapourPressureUnit, "")           \
    X(CriticalPressureUnit, "")         \
    X(VapourPressureInput, 0.0)         \
    X(CriticalPressureInput, 0.0)       \
    X(CriticalPressurePa, 0.0)          \
    X(ValveFL, 1.0)                     \
    X(EdgeRadiusMm, 0.0)                \
    X(GivenStraightInlet, 0.0)          \
    X(GivenStraightOutlet, 0.0)         \
    X(StraightLengthM, 0.0)             \
    X(HeightDifference, 0.0)            \
    X(CalibratedCf, 1.0)                \
    X(CalibratedReynoldsMin, 8000.0)    \
    X(CalibratedReynoldsMax, 1000000.0) \
    X(CalibrationTemperatureC, 20.0)    \
    X(PipeDiameterMinLimitMm, 50.0)     \
    X(PipeDiameterMaxLimitMm, 500.0)    \
    X(PipeDiameterMinLimitM, 0.05)      \
    X(PipeDiameterMaxLimitM, 0.5)       \
    X(DpLowerLimitPa, 5000.0)           \
    X(DpUpperLimitPa, 50000.0)          \
    X(WeightFactor1, 0.5)               \
    X(WeightFactor2, 0.5)

TUBALYX_INPUTS(TUBALYX_STATE_DEFINE)

void state_detail::ResetInputs() { TUBALYX_INPUTS(TUBALYX_STATE_RESET) }

void state_detail::WriteInputs(std::string& out) { TUBALYX_INPUTS(TUBALYX_STATE_WRITE) }

}  // namespace tubalyx
