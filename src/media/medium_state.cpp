#include "media/medium_state.h"

#include "flow/flow_state.h"
#include "media/medium_properties.h"
#include "media/natural_gas.h"
#include "flow/medium_state_limits.h"
#include "ui/medium_description.h"
#include "ui/selection_state.h"

namespace tubalyx {

double FlowDensity = 0.0;
double DryGasDensity = 0.0;
double VapourPartDensity = 0.0;
double KappaOperating = 0.0;
double CpOperating = 0.0;
double VapourPressurePa = 0.0;
double EnthalpyOperating = 0.0;
std::string TableRangeNote = " ";

void CalcHumidGasState() {
    VapourPressurePa = 0.0;
    EnthalpyOperating = 0.0;
    MediumPropertiesAtState(false, MediumCode, GasComposition, GivenDensity, GivenViscosityPas, GivenCp,
                            GivenCv, GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, OperatingPressure,
                            OperatingTemperature, HumidityInputKind, AbsoluteHumidity, SpecificHumidity,
                            DewTemperatureC, RelativeHumidity, FlowDensity, DryGasDensity, VapourPartDensity,
                            DynamicViscosityPas, KappaOperating, CpOperating, CvOperating, VapourPressurePa,
                            EnthalpyOperating);
}

void CalcMediumState() {
    CalcHumidGasState();
    CheckMediumStateLimits(TableRangeNote);
}

void HumidAirStateStub(double&, double&, double&, double, double, double&, double&, double&, double&) {}

}  // namespace tubalyx
