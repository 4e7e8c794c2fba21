#include "media/medium_state.h"

#include "media/medium_identification.h"
#include "media/medium_properties.h"
#include "media/medium_state_limits.h"
#include "media/natural_gas.h"
#include "numerics/checked.h"
#include "state/composition.h"
#include "state/keywords.h"
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
    // A gas expands with an isentropic exponent above 1: the typed cp of the user's gas, or the
    // mixture's from its typed components, above a positive cv.
    const bool typedGas = IsUserGasMedium(MediumCode);
    if (typedGas && !(GivenCv > 0.0 && GivenCp > GivenCv)) throw CalcError("the gas needs a cp above its cv");
    if (MediumCode == kMediumMixture && CvOperating > 0.0 && !(CpOperating > CvOperating))
        throw CalcError("the gas mixture needs a cp above its cv");
}

void HumidAirStateStub(double&, double&, double&, double, double, double&, double&, double&, double&) {}

}  // namespace tubalyx
