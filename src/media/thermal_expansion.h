#pragma once
// Thermal expansion of device and pipe materials: the factor between a length at the
// operating temperature and the same length at the device's reference temperature.
#include <string>

namespace tubalyx {

// a1 (1e-6/K) and a2 (1e-6/K2) of the material group `code` ("1" to "8" of the material
// menu); any other code leaves both outputs as they were.
void MaterialExpansionCoefficients(const std::string& code, double& a1, double& a2);

// 1 + 1e-6 (a1 d + a2 d^2) with d = t - Tref; Tref is 20 degrees C, or CalibrationTemperatureC
// for the cone meters (DeviceCode "VCONE", "VCONEWAFER"). t in degrees C.
double ThermalExpansionFactor(double a1, double a2, double t);

}  // namespace tubalyx
