#pragma once
// Fixed per-medium constants and the rules that turn the medium keyword and the phase letter
// into decisions. Codes are compared exactly, letter case included.
#include <string>

namespace tubalyx {

// Molar mass in g/mol; 1.0 for a code without one ("VÄT", "IGAS", "G", "NGAS", "OLJA", ...).
double MolarMass(const std::string& code);

// Weight of a gas in the viscosity mixing rule: sqrt(molar mass * critical temperature); 1.0 otherwise.
double GasViscosityMixingWeight(const std::string& code);

// Whether the medium is a gas; reads PhaseLetter ('V' and 'X' are liquid).
bool IsGasMedium(const std::string& code);

// The current caption of the medium's menu item ("NO" for a code outside the menu), with a
// phase suffix when the current medium is a liquefiable gas.
std::string MediumDisplayName(const std::string& code);

// Whether the throat-device page treats the medium as a gas whose operating state is a range.
bool UsesGasThroatBranch();

}  // namespace tubalyx
