#include "media/medium_state.h"

#include "media/medium_properties.h"
#include "media/medium_state_limits.h"
#include "media/natural_gas.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {

void CalcHumidGasState() {
    VapourPressurePa = 0.0;
    EnthalpyOperating = 0.0;
    MediumPropertiesAtState(false, MediumCode, GasComposition, GivenDensity, GivenViscosityPas, GivenCp, GivenCv,
                            GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, OperatingPressure,
                            OperatingTemperature, HumidityInputKind, AbsoluteHumidity, SpecificHumidity,
                            DewTemperatureC, RelativeHumidity, FlowDensity, DryGasDensity, VapourPartDensity,
                            DynamicViscosityPas, KappaOperating, CpOperating, CvOperating, VapourPressurePa,
                            EnthalpyOperating);
}

void CalcMediumState() {
    CalcHumidGasState();
    CheckPropaneTableLimits(TableRangeNote);
}

void HumidAirStateStub(double&, double&, double&, double, double, double&, double&, double&, double&) {}

}  // namespace tubalyx
