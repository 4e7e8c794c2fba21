#include "media/medium_identification.h"

#include <cmath>

#include "state/keywords.h"
#include "state/selections.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

struct CodeValue {
    const char* code;
    double value;
};

// clang-format off
const CodeValue kMolarMasses[] = {
    {"LUF", 28.963},  {"ANG", 18.016},   {"VAT", 18.016},  {"MNG", 18.016},  {"O2", 31.999},
    {"AR", 39.948},   {"H2", 2.0158},    {"N2", 28.0134},  {"CO2", 44.01},   {"CO", 28.01},
    {"HE", 4.0026},   {"He", 4.0026},    {"O3", 47.998},   {"NH3", 17.031},  {"CH4", 16.043},
    {"C2H6", 30.069}, {"C3H8", 44.096},  {"C3H8V", 44.096}, {"C4H10", 58.123}, {"C5H12", 72.15},
    {"GAS", 44.096},
};
// clang-format on

// clang-format off
const CodeValue kMixingWeights[] = {
    {"LUF", 61.9},       {"ANG", 107.9},     {"MNG", 107.9},  {"O2", 70.4},       {"AR", 77.6},
    {"H2", 8.19},        {"N2", 59.481},     {"CO2", 115.7},  {"O3", 111.937},    {"NH3", 83.113},
    {"CH4", 55.3119},    {"C2H6", 95.828},   {"C3H8", 127.732}, {"C3H8V", 127.732},
};
// clang-format on

template <size_t N>
double Lookup(const CodeValue (&table)[N], const std::string& code) {
    for (const CodeValue& e : table)
        if (code == e.code) return e.value;
    return 1.0;
}

bool OneOf(const std::string& code, std::initializer_list<std::string_view> codes) {
    for (std::string_view c : codes)
        if (code == c) return true;
    return false;
}

bool LiquidPhase() { return PhaseLetter == kPhaseLiquidAtTemperature || PhaseLetter == kPhaseLiquidAtPressure; }

}  // namespace

double MolarMass(const std::string& code) { return Lookup(kMolarMasses, code); }

double GasViscosityMixingWeight(const std::string& code) {
    if (code == kMediumCarbonMonoxide) return std::sqrt(3722.8091);
    return Lookup(kMixingWeights, code);
}

bool IsGasMedium(const std::string& code) {
    if (code == kMediumCarbonMonoxide || code == kMediumPropane) return true;
    if (OneOf(code, {kMediumWater, kMediumPropaneLiquid, kMediumOil, kMediumLiquid})) return false;
    if (LiquidPhase()) return false;
    return true;
}

std::string MediumDisplayName(const std::string& code) {
    std::string name = "NO";
    if (const TMenuItem* item = MediumMenuItem(code)) name = item->Caption();
    if (OneOf(MediumCode,
              {kMediumArgon, kMediumHydrogen, kMediumOxygen, kMediumNitrogen, kMediumCarbonDioxide, kMediumOzone})) {
        if (!LiquidPhase())
            name += "/Gas";
        else if (LanguageLetter == kLanguageSwedish)
            name += "/Vätska";
        else if (LanguageLetter == kLanguageEnglish)
            name += "/Liquid";
        else if (LanguageLetter == kLanguageGerman)
            name += "/Flüssigkeit";
    }
    return name;
}

bool UsesGasThroatBranch() {
    if (CalcFunction != kFunctionPrimaryDevice) return false;
    if (SolveFor != kSolveDp && SolveFor != kSolveBore) return false;
    if (!IsGasMedium(MediumCode) || MediumCode == kMediumWetSteam) return false;
    return !OneOf(MediumCode, {kMediumArgon, kMediumHydrogen, kMediumOxygen, kMediumNitrogen, kMediumCarbonDioxide,
                               kMediumCarbonMonoxide, kMediumOzone}) ||
           PhaseLetter == kPhaseNone;
}

}  // namespace tubalyx
