#include "media/medium_identification.h"

#include <cmath>

#include "media/typed_phase.h"
#include "state/keywords.h"
#include "state/selections.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

struct CodeValue {
    std::string_view code;
    double value;
};

const CodeValue kMolarMasses[] = {
    {kMediumAir, 28.963},           {kMediumSteam, 18.016},       {kMediumWater, 18.016},
    {kMediumWetSteam, 18.016},      {kMediumOxygen, 31.999},      {kMediumArgon, 39.948},
    {kMediumHydrogen, 2.0158},      {kMediumNitrogen, 28.0134},   {kMediumCarbonDioxide, 44.01},
    {kMediumCarbonMonoxide, 28.01}, {kMediumHeliumUpper, 4.0026}, {kMediumHelium, 4.0026},
    {kMediumOzone, 47.998},         {kMediumAmmonia, 17.031},     {kMediumMethane, 16.043},
    {kMediumEthane, 30.069},        {kMediumPropane, 44.096},     {kMediumPropaneLiquid, 44.096},
    {kMediumButane, 58.123},        {kMediumPentane, 72.15},      {kMediumGas, 44.096},
};

const CodeValue kMixingWeights[] = {
    {kMediumAir, 61.9},        {kMediumSteam, 107.9},
    {kMediumWetSteam, 107.9},  {kMediumOxygen, 70.4},
    {kMediumArgon, 77.6},      {kMediumHydrogen, 8.19},
    {kMediumNitrogen, 59.481}, {kMediumCarbonDioxide, 115.7},
    {kMediumOzone, 111.937},   {kMediumAmmonia, 83.113},
    {kMediumMethane, 55.3119}, {kMediumEthane, 95.828},
    {kMediumPropane, 127.732}, {kMediumPropaneLiquid, 127.732},
};

template <size_t N>
double Lookup(const CodeValue (&table)[N], const std::string& code) {
    for (const CodeValue& e : table)
        if (code == e.code) return e.value;
    return 1.0;
}

}  // namespace

double MolarMass(const std::string& code) { return Lookup(kMolarMasses, code); }

double GasViscosityMixingWeight(const std::string& code) {
    if (code == kMediumCarbonMonoxide) return std::sqrt(3722.8091);
    return Lookup(kMixingWeights, code);
}

bool IsGasMedium(const std::string& code) {
    if (code == kMediumCarbonMonoxide || code == kMediumPropane) return true;
    if (IsOneOf(code, {kMediumWater, kMediumPropaneLiquid, kMediumOil, kMediumLiquid})) return false;
    if (IsLiquidPhase(PhaseLetter) || TakenAsLiquid(code)) return false;
    return true;
}

bool IsSteamMedium(std::string_view code) { return code == kMediumSteam || code == kMediumWetSteam; }

bool IsUserGasMedium(std::string_view code) { return code == kMediumGas || code == kMediumRealGas; }

bool IsMixtureMedium(std::string_view code) { return code == kMediumMixture || code == kMediumNaturalGas; }

bool IsLiquefiedGasMedium(std::string_view code) {
    return IsOneOf(code,
                   {kMediumArgon, kMediumHydrogen, kMediumOxygen, kMediumNitrogen, kMediumCarbonDioxide, kMediumOzone});
}

std::string MediumItemName(const std::string& code) {
    const TMenuItem* item = MediumMenuItem(code);
    return item ? item->Caption() : std::string(kNoMediumName);
}

namespace {

std::string NameWithPhase(const std::string& code, bool liquid) {
    std::string name = MediumItemName(code);
    if (IsLiquefiedGasMedium(MediumCode)) {
        if (!liquid)
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

}  // namespace

std::string MediumDisplayName(const std::string& code) { return NameWithPhase(code, IsLiquidPhase(PhaseLetter)); }

std::string ComputedMediumName() { return NameWithPhase(MediumCode, !ComputedAsGas(MediumCode)); }

bool UsesGasThroatBranch() {
    if (CalcFunction != kFunctionPrimaryDevice) return false;
    if (SolveFor != kSolveDp && SolveFor != kSolveBore) return false;
    if (!IsGasMedium(MediumCode) || MediumCode == kMediumWetSteam) return false;
    // Carbon monoxide counts with the liquefied gases here, though it has no saturated state.
    const bool liquefiable = IsLiquefiedGasMedium(MediumCode) || MediumCode == kMediumCarbonMonoxide;
    return !liquefiable || PhaseLetter == kPhaseNone;
}

}  // namespace tubalyx
