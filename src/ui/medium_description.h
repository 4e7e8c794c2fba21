#pragma once
// The medium description and the humidity entry as the main window's edit handlers and the
// reading of all inputs leave them; the property code reads them.
#include <string>

namespace tubalyx {

extern double GivenDensity;               // kg/m3
extern double GivenViscosityValue;        // in ViscosityUnit
extern std::string ViscosityUnit;         // unit text; the unit parser rewrites it canonically
extern double GivenViscosityPas;          // 1e-6 Pa s ("Pas*E-6")
extern double GivenCp, GivenCv;           // J/(kg K)
extern double GivenKappa;
extern double GivenCriticalTemperatureK;  // K
extern double GivenMolarMass;             // g/mol
extern double GivenZ1, GivenZn;
extern double HumidGasMolarMass;          // g/mol (edit molekylviktvG)
extern double OilViscosity40, OilViscosity100;
extern std::string OilViscosityUnit;

// Humidity entry: which measure was given, and the four measures.
extern std::string HumidityInputKind;     // "R", "A", "S" or "D"
extern double RelativeHumidity;           // %
extern double AbsoluteHumidity;           // g/m3
extern double SpecificHumidity;           // g/kg
extern double DewTemperatureC;            // degC

// Set by the humidity check when the medium is a humid gas.
extern bool HumidGasFlag;

}  // namespace tubalyx
