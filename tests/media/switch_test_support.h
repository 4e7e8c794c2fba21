#pragma once
// Calls of the medium property switch for the media tests.
#include <string>

#include "media/medium_property_switch.h"
#include "media/natural_gas.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/report_labels.h"
#include "ui/form1.h"

namespace tubalyx::test {

struct SwitchResult {
    double P = 0, t = 0;
    double density = -1, dry = -1, vapour = -1, viscosity = -1, kappa = -1, cp = -1, cv = -1;
    double enthalpy = -7;
};

struct UserGasData {
    double density = 1.2, cp = 1005.0, cv = 718.0, criticalK = 132.5, molarMass = 28.96;
    double zRatio = 1.0;
};

inline SwitchResult Switch(const std::string& keyword, double P, double t, double rh = 0.0,
                           const UserGasData& g = UserGasData{},
                           const GasCompositionArray& composition = GasCompositionArray{}) {
    SwitchResult r;
    r.P = P;
    r.t = t;
    MediumPropertySwitch(keyword, composition, r.P, g.density, g.cp, g.cv, g.criticalK, g.molarMass, r.t, r.t, g.zRatio,
                         rh, r.density, r.dry, r.vapour, r.viscosity, r.kappa, r.cp, r.cv, r.enthalpy);
    return r;
}

// A plain calculation state: English, no phase, the thermodynamic function, the user's
// viscosity in 1e-6 Pa s, an oil of 100 and 10 cSt.
inline void ResetSwitchState() {
    LanguageLetter = 'E';
    SetPropertyReportLabels('E');
    PhaseLetter = 'N';
    CalcFunction = "Termo";
    OperatingPressure = 101325.0;
    OperatingTemperature = 0.0;
    GivenViscosityValue = 17.2;
    ViscosityUnit = "Pas*E-6";
    OilViscosityUnit = "cSt";
    OilViscosity40 = 100.0;
    OilViscosity100 = 10.0;
    HumidGasMolarMass = 0.0;
    Form1().rbg.SetText("850");
    Form1().abstryckmaxantal.SetVisible(true);
}

}  // namespace tubalyx::test
