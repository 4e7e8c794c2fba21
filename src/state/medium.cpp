#include "state/medium.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_MEDIUM(X)             \
    X(OperatingPressure, 101325.0)    \
    X(OperatingTemperature, 20.0)     \
    X(GivenDensity, 0.0)              \
    X(GivenViscosityValue, 0.0)       \
    X(ViscosityUnit, "")              \
    X(GivenViscosityPas, 0.0)         \
    X(GivenCp, 0.0)                   \
    X(GivenCv, 0.0)                   \
    X(GivenKappa, 0.0)                \
    X(GivenCriticalTemperatureK, 0.0) \
    X(GivenMolarMass, 0.0)            \
    X(GivenEnthalpy, 0.0)             \
    X(GivenZ1, 0.0)                   \
    X(GivenZn, 0.0)                   \
    X(HumidGasMolarMass, 0.0)         \
    X(OilViscosity40, 0.0)            \
    X(OilViscosity100, 0.0)           \
    X(OilViscosityUnit, "")           \
    X(RelativeHumidity, 0.0)          \
    X(AbsoluteHumidity, 0.0)          \
    X(SpecificHumidity, 0.0)          \
    X(DewTemperatureC, 0.0)           \
    X(HumidGasFlag, false)            \
    X(FlowDensity, 0.0)               \
    X(DryGasDensity, 0.0)             \
    X(VapourPartDensity, 0.0)         \
    X(DynamicViscosityPas, 1e-3)      \
    X(KappaOperating, 0.0)            \
    X(CpOperating, 0.0)               \
    X(CvOperating, 0.0)               \
    X(VapourPressurePa, 0.0)          \
    X(EnthalpyOperating, 0.0)         \
    X(FlowNormalDensity, 1.0)         \
    X(TableRangeNote, " ")            \
    X(LiquidAtTypedState, "")         \
    X(LowDensityState, {})            \
    X(HighDensityState, {})           \
    X(DensityRatioWorstCase, 1.0)     \
    X(PropertyIterationCount, 0)      \
    X(PropertyIterationLimit, 5000)   \
    X(ParsedUnitKind, "")             \
    X(OilDensityFormulaText, "")      \
    X(OilDensityFactorText, "")       \
    X(OilViscosityLawText, "")        \
    X(OilViscosityHeadText, "")       \
    X(OilViscosityTailText, "")       \
    X(OilViscosity40Dynamic, 0.0)

TUBALYX_MEDIUM(TUBALYX_STATE_DEFINE)

#define TUBALYX_HUMIDITY_EDIT_STATE(X) \
    X(HumidityTyped, false)            \
    X(PreviousRelativeHumidity, 0.0)

TUBALYX_HUMIDITY_EDIT_STATE(TUBALYX_STATE_DEFINE)

void state_detail::ResetMedium() {
    TUBALYX_MEDIUM(TUBALYX_STATE_RESET)
    TUBALYX_HUMIDITY_EDIT_STATE(TUBALYX_STATE_RESET)
}

void state_detail::WriteMedium(std::string& out) {
    TUBALYX_MEDIUM(TUBALYX_STATE_WRITE)
    TUBALYX_HUMIDITY_EDIT_STATE(TUBALYX_STATE_WRITE)
}

}  // namespace tubalyx
