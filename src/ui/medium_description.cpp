#include "ui/medium_description.h"

namespace tubalyx {

double GivenDensity = 0.0;
double GivenViscosityValue = 0.0;
std::string ViscosityUnit;
double GivenViscosityPas = 0.0;
double GivenCp = 0.0, GivenCv = 0.0;
double GivenKappa = 0.0;
double GivenCriticalTemperatureK = 0.0;
double GivenMolarMass = 0.0;
double GivenZ1 = 0.0, GivenZn = 0.0;
double HumidGasMolarMass = 0.0;
double OilViscosity40 = 0.0, OilViscosity100 = 0.0;
std::string OilViscosityUnit;

std::string HumidityInputKind = "R";
double RelativeHumidity = 0.0;
double AbsoluteHumidity = 0.0;
double SpecificHumidity = 0.0;
double DewTemperatureC = 0.0;

bool HumidGasFlag = false;

}  // namespace tubalyx
