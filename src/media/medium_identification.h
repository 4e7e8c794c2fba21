#pragma once
// Fixed per-medium constants and the rules that turn the medium keyword and the phase letter
// into decisions. Codes are compared exactly, letter case included.
#include <string>
#include <string_view>

namespace tubalyx {

// Molar mass in g/mol; 1.0 for a code without one ("VÄT", "IGAS", "G", "NGAS", "OLJA", ...).
double MolarMass(const std::string& code);

// Weight of a gas in the viscosity mixing rule: sqrt(molar mass * critical temperature); 1.0 otherwise.
double GasViscosityMixingWeight(const std::string& code);

// Whether the medium is a gas; reads PhaseLetter ('V' and 'X' are liquid), and, while the
// calculation takes it as the last Run found it, that Run's decision (media/typed_phase.h).
bool IsGasMedium(const std::string& code);

// The conditions on a medium code that the program tests again and again, each named once.
// Steam: "ANG", or saturated steam "MNG".
bool IsSteamMedium(std::string_view code);
// A gas the user describes with its properties: "GAS", or the real gas "IGAS".
bool IsUserGasMedium(std::string_view code);
// A mixture of the composition grid: "G", or natural gas "NGAS".
bool IsMixtureMedium(std::string_view code);
// A gas that may be given as a saturated vapour or liquid ("AR", "H2", "O2", "N2", "CO2",
// "O3"); PhaseLetter then tells its state.
bool IsLiquefiedGasMedium(std::string_view code);

// The current caption of the medium's menu item ("NO" for a code outside the menu).
std::string MediumItemName(const std::string& code);
// The same, with a phase suffix when the current medium is a liquefiable gas.
std::string MediumDisplayName(const std::string& code);
// The current medium's name as the last Run computed it: a liquefied gas that it found liquid
// at its typed state is named a liquid, though no phase was picked (media/typed_phase.h).
std::string ComputedMediumName();

// Whether the throat-device page treats the medium as a gas whose operating state is a range.
bool UsesGasThroatBranch();

}  // namespace tubalyx
