#pragma once
// The medium routines that the medium state, the gas-mixture engine and the reference
// density are built on: the medium property switch, the humidity conversions and the
// enthalpy of a medium. They are installed here rather than called directly so that these
// modules build before the routines land; a call while one is missing raises CalcError.
#include <functional>
#include <string>

#include "media/natural_gas.h"

namespace tubalyx {

struct MediumPropertyServices {
    // keyword, composition, var P, given density, cp, cv, critical temperature (K), molar
    // mass, var t, var saturation temperature, Z1/Zn, relative humidity (%); out density,
    // dry-part density, vapour-part density, viscosity (Pa s), kappa, cp, cv, enthalpy.
    std::function<void(const std::string& keyword, const GasCompositionArray& composition,
                       double& P, double givenDensity, double givenCp, double givenCv,
                       double givenCriticalTemperature, double givenMolarMass, double& t,
                       double& saturationTemperature, double zRatio, double relativeHumidity,
                       double& density, double& dryDensity, double& vapourDensity,
                       double& viscosity, double& kappa, double& cp, double& cv,
                       double& enthalpy)>
        propertySwitch;
    // keyword, HumidGasFlag, out relative humidity, t, P, given density, the measure
    // (kg/m3, kg/kg or dew temperature degC), Z1/Zn; returns the relative humidity.
    using HumidityConversion = std::function<double(const std::string& keyword, bool humidGas,
                                                    double& relativeHumidity, double t, double P,
                                                    double givenDensity, double measure,
                                                    double zRatio)>;
    HumidityConversion humidityFromAbsolute;
    HumidityConversion humidityFromSpecific;
    HumidityConversion humidityFromDewPoint;
    // keyword, HumidGasFlag, out dew temperature, t, P, given density, relative humidity,
    // Z1/Zn; returns the dew temperature.
    std::function<double(const std::string& keyword, bool humidGas, double& dewTemperature,
                         double t, double P, double givenDensity, double relativeHumidity,
                         double zRatio)>
        humidGasStateConversion;
    // keyword, P (Pa), t (degC); kJ/kg.
    std::function<double(const std::string& keyword, double P, double t)> enthalpyPT;
};
extern MediumPropertyServices MediumServices;

// Thin callers of the installed routines; each raises CalcError while its routine is missing.
void CallMediumPropertySwitch(const std::string& keyword, const GasCompositionArray& composition,
                              double& P, double givenDensity, double givenCp, double givenCv,
                              double givenCriticalTemperature, double givenMolarMass, double& t,
                              double& saturationTemperature, double zRatio,
                              double relativeHumidity, double& density, double& dryDensity,
                              double& vapourDensity, double& viscosity, double& kappa,
                              double& cp, double& cv, double& enthalpy);
double CallMediumEnthalpyPT(const std::string& keyword, double P, double t);

// Z1/Zn of the user's gas; 1 (no correction) while Zn is not given.
double GivenZRatio();

}  // namespace tubalyx
