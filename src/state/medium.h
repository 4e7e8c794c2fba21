#pragma once
// The operating state and the medium values of the calculation state: the operating point,
// the medium description and humidity as the edit handlers leave them, and the medium state
// at the operating point and at the corners of the operating range as the property code
// computes them.
#include <string>

namespace tubalyx {

// The operating point.
extern double OperatingPressure;     // Pa absolute
extern double OperatingTemperature;  // degrees Celsius

// The medium description as the edit handlers and the reading of all inputs leave it.
extern double GivenDensity;         // kg/m3
extern double GivenViscosityValue;  // in ViscosityUnit
extern std::string ViscosityUnit;   // unit text; the unit parser rewrites it canonically
extern double GivenViscosityPas;    // 1e-6 Pa s ("Pas*E-6")
extern double GivenCp, GivenCv;     // J/(kg K)
extern double GivenKappa;
extern double GivenCriticalTemperatureK;  // K
extern double GivenMolarMass;             // g/mol
extern double GivenEnthalpy;              // kJ/kg at operating conditions (user-defined gas)
extern double GivenZ1, GivenZn;
extern double HumidGasMolarMass;                // g/mol (edit molekylviktvG)
extern double OilViscosity40, OilViscosity100;  // in OilViscosityUnit
extern std::string OilViscosityUnit;

// The humidity measures (which one was given: HumidityInputKind).
extern double RelativeHumidity;  // %
extern double AbsoluteHumidity;  // g/m3
extern double SpecificHumidity;  // g/kg
extern double DewTemperatureC;   // degC
// Set by the humidity check when the medium is a humid gas.
extern bool HumidGasFlag;
// The humidity edit: a key was pressed in it; the relative humidity its last update saw.
extern bool HumidityTyped;
extern double PreviousRelativeHumidity;

// The state of the current medium at the operating point, as every calculation of a run
// reads it.
extern double FlowDensity;                                 // kg/m3, the flowing (humid) medium
extern double DryGasDensity;                               // kg/m3, its dry part
extern double VapourPartDensity;                           // kg/m3, its water-vapour part
inline double& SaturatedSteamDensity = VapourPartDensity;  // its name in the flow sequence
extern double DynamicViscosityPas;                         // Pa s
extern double KappaOperating;                              // isentropic exponent
extern double CpOperating;                                 // J/(kg K)
extern double CvOperating;                                 // J/(kg K); the propane table writes it as well
inline double& PropaneCvResult = CvOperating;              // its name among the start defaults
extern double VapourPressurePa;                            // Pa, partial pressure of the water vapour
extern double EnthalpyOperating;                           // kJ/kg against 101325 Pa and 0 degC
extern double FlowNormalDensity;                           // kg/m3, reference density of normal/standard volume units
// " " when the operating state is served by the tables, otherwise why not, in the user's
// language; the run prints it in red in place of the general input-error line.
extern std::string TableRangeNote;
// The liquefied gas (its keyword) that the last Run found liquid at the temperature and
// pressure typed, with no phase picked; empty when it found none (media/typed_phase.h).
extern std::string LiquidAtTypedState;

// One evaluated medium state.
struct MediumStateValues {
    double pressure = 0.0;     // Pa abs
    double temperature = 0.0;  // degC
    double density = 0.0;      // kg/m3
    double dryDensity = 0.0;
    double vapourDensity = 0.0;
    double viscosity = 0.0;  // Pa s
    double kappa = 0.0;
    double cp = 0.0;
    double cv = 0.0;
    double vapourPressure = 0.0;
    double enthalpy = 0.0;
};
// The extreme states of the operating range, and the corners they are evaluated at.
extern MediumStateValues LowDensityState;
extern MediumStateValues HighDensityState;
inline double& LowDensityStatePressure = LowDensityState.pressure;          // Pa abs
inline double& LowDensityStateTemperature = LowDensityState.temperature;    // degC
inline double& HighDensityStatePressure = HighDensityState.pressure;        // Pa abs
inline double& HighDensityStateTemperature = HighDensityState.temperature;  // degC
// Ideal-gas density ratio of the worst-case corner (1 or less for a gas, 1 for a liquid).
extern double DensityRatioWorstCase;
inline double& FlowRangeDensityFactor = DensityRatioWorstCase;  // its name in the flow range
// The ends of the operating range by the names the reports know them by.
inline double& MinRangeDensity = LowDensityState.density;            // kg/m3
inline double& MinRangePressurePa = LowDensityState.pressure;        // Pa abs
inline double& MinRangeTemperatureC = LowDensityState.temperature;   // degC
inline double& MaxRangeDensity = HighDensityState.density;           // kg/m3
inline double& MaxRangePressurePa = HighDensityState.pressure;       // Pa abs
inline double& MaxRangeTemperatureC = HighDensityState.temperature;  // degC

// Left by the property switch: the passes of the saturation-temperature search of the last
// call and its bound, and the kind of the last unit converted into the shared kind (the
// viscosity units of the switch and the oil formulas, "dynvisk", ...; the typed flow of the
// volume flowmeter, "M", "V", ...).
extern int PropertyIterationCount;
extern int PropertyIterationLimit;
extern std::string ParsedUnitKind;

// The oil laws as formula texts for the report and the generated controller code.
// "r[kg/m3]:=" + text of the edit rbg + the class text, e.g. "+(15-T[C])*0,67".
extern std::string OilDensityFormulaText;
// "fdens:=sqrt(r[kg/m3]/" + density at width 5 + ")".
extern std::string OilDensityFactorText;
inline std::string& OilDensityCorrectionText = OilDensityFactorText;  // its name in the oil recipe
// "exp(exp(" B "*ln(T[C]+273,15)+" A "))-0,8", B and A at width 10.
extern std::string OilViscosityLawText;
// "dynvisk[Pas]:=r[kg/m3]/1000000"; joined with the tail it is the viscosity formula.
extern std::string OilViscosityHeadText;
// "*(" + OilViscosityLawText + ")".
extern std::string OilViscosityTailText;
// The oil recipe's names of the two.
inline std::string& OilViscosityFormulaText = OilViscosityHeadText;
inline std::string& OilDynamicViscosityFormulaText = OilViscosityTailText;
// The 40 degC viscosity in 1e-6 Pa s, converted at the operating density.
extern double OilViscosity40Dynamic;

}  // namespace tubalyx
