#pragma once
// The state of a medium at a pressure and temperature, with the humidity conversions around
// the property switch and, for the gas mixture "G", the mixing of its components from the
// humid composition grid ViktVolprocgridfukt.
#include <array>
#include <string>

#include "media/natural_gas.h"
#include "state/composition.h"
#include "state/medium.h"

namespace tubalyx {

// Z1/Zn of the user's gas; 1 (no correction) while Zn is not given.
double GivenZRatio();

// What a caller reads of a medium state.
enum class StateReading {
    Whole,       // every output
    Properties,  // all but the humidity measures, which stay as they came (a relative humidity found
                 // from another measure is written)
    Balance,     // as Properties, and steam without kappa, cp and cv (0): what an energy balance reads
};

// What a medium state is evaluated from besides its point: the medium, its description, the
// humidity as given and what the calculation state adds to them.
struct MediumDescription {
    const std::string& medium;
    const GasCompositionArray& composition;
    double givenDensity;              // kg/m3
    double givenCp, givenCv;          // J/(kg K)
    double givenCriticalTemperature;  // K
    double givenMolarMass;            // g/mol
    const std::string& humidityKind;  // "R", "A", "S" or "D": the measure given
    double absoluteHumidity;          // g/m3
    double specificHumidity;          // g/kg
    double dewTemperature;            // degC
    bool humidGas;                    // HumidGasFlag: the gas carries water vapour
    char phase;                       // PhaseLetter
    double zRatio;                    // Z1/Zn of the user's gas (GivenZRatio)
    // Only what an energy balance reads: steam then comes without kappa, cp and cv (0).
    bool balanceOnly = false;
};

// The humid composition grid ViktVolprocgridfukt as the gas mixture's state reads it.
struct MixtureShares {
    std::array<double, kMixtureRows> weight{};         // column 2: a component above 0.001 counts
    std::array<double, kMixtureRows> pressureShare{};  // % of the pressure: column 3 or 4 of those
    double vapourShare = 0.0;                          // column 4 of the vapour row
    double meanMolarMass = 0.0;                        // g/mol, of the mol % (column 5)
    double givenMolarMass = 0.0;                       // g/mol, HumidGasMolarMass: the density is scaled to it
};

// The cores of MediumPropertiesAtState. The state `s` comes in with its pressure and
// temperature (Pa abs, degC) and the values the caller's variables hold, and leaves with the
// medium's properties; its enthalpy stays where the medium has none of its own. The relative
// humidity (%) is the given one, or for a given "A", "S" or "D" the one found from it.
// SingleMediumState: a medium of the property switch ("MNG" at its saturation temperature).
// State: reads and writes only what the property switch beneath it does.
void SingleMediumState(const MediumDescription& d, MediumStateValues& s, double& relativeHumidity);
// Whether a humid gas of this medium (its phase letter 'N') has the enthalpy of its dry part, at
// the dry part's partial pressure, and of the vapour, at its own, weighed by their densities.
bool WeighsHumidEnthalpy(const std::string& medium);
// MixtureState: the gas mixture "G", its components each at its partial pressure and, when
// humid, steam at the vapour's; writes the partial pressures of the rows into `partialPressures`.
// State: reads MixtureComponentKeyword, the arrays of user-defined components and PipeDiameter.
void MixtureState(const MediumDescription& d, const MixtureShares& shares, MediumStateValues& s,
                  double& relativeHumidity, std::array<double, kMixtureRows>& partialPressures);

// Arguments in the order the callers bind them:
//   normalColumn: for "G", the grid column of the components' shares of the pressure,
//     3 (normal state) when true, 4 (operating state) when false;
//   givenViscosity and givenKappa have no effect (the switch reads GivenViscosityValue);
//   P (Pa) and t (degC) may be replaced (t by the saturation temperature for "MNG");
//   humidityKind "R", "A", "S" or "D" names the measure given; the other three are written
//     back (all four 0 while HumidGasFlag is clear);
//   outputs: densities kg/m3, viscosity Pa s, cp and cv J/(kg K), vapour pressure Pa,
//     enthalpy kJ/kg;
//   reading: what the caller reads of the state (a line walk needs no dew temperature).
// Errors of the property routines pass to the caller.
// State: reads HumidGasFlag, PhaseLetter, GivenZ1, GivenZn and, for "G", the humid grid and
// HumidGasMolarMass; writes MixtureFraction and MixturePartialPressure for "G".
void MediumPropertiesAtState(bool normalColumn, const std::string& medium, const GasCompositionArray& composition,
                             double givenDensity, double givenViscosity, double givenCp, double givenCv,
                             double givenKappa, double givenCriticalTemperature, double givenMolarMass, double& P,
                             double& t, const std::string& humidityKind, double& absoluteHumidity,
                             double& specificHumidity, double& dewTemperature, double& relativeHumidity,
                             double& flowDensity, double& dryDensity, double& vapourDensity, double& viscosity,
                             double& kappa, double& cp, double& cv, double& vapourPressure, double& enthalpy,
                             StateReading reading = StateReading::Whole);

}  // namespace tubalyx
