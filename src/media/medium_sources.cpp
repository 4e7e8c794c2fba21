#include "media/medium_sources.h"

#include "numerics/checked.h"
#include "ui/medium_description.h"

namespace tubalyx {

MediumPropertyServices MediumServices;

void CallMediumPropertySwitch(const std::string& keyword, const GasCompositionArray& composition,
                              double& P, double givenDensity, double givenCp, double givenCv,
                              double givenCriticalTemperature, double givenMolarMass, double& t,
                              double& saturationTemperature, double zRatio,
                              double relativeHumidity, double& density, double& dryDensity,
                              double& vapourDensity, double& viscosity, double& kappa,
                              double& cp, double& cv, double& enthalpy) {
    if (!MediumServices.propertySwitch) throw CalcError("medium property switch not installed");
    MediumServices.propertySwitch(keyword, composition, P, givenDensity, givenCp, givenCv,
                                  givenCriticalTemperature, givenMolarMass, t,
                                  saturationTemperature, zRatio, relativeHumidity, density,
                                  dryDensity, vapourDensity, viscosity, kappa, cp, cv, enthalpy);
}

double CallMediumEnthalpyPT(const std::string& keyword, double P, double t) {
    if (!MediumServices.enthalpyPT) throw CalcError("medium enthalpy not installed");
    return MediumServices.enthalpyPT(keyword, P, t);
}

double GivenZRatio() { return GivenZn != 0.0 ? CheckedDiv(GivenZ1, GivenZn) : 1.0; }

}  // namespace tubalyx
