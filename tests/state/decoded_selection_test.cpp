// The keyword names hold the keywords that the menus set and the users' calculation files
// carry, and the one decoder reads each of them from the state. The keywords are written out
// here as the program's users know them, so that a wrong letter in a name's value fails.
#include <gtest/gtest.h>

#include <string>

#include "state/decoded_selection.h"
#include "state/keywords.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

template <class Enum>
struct Case {
    const char* keyword;
    Enum decoded;
};

TEST(DecodedSelection, ReadsEveryFunctionKeyword) {
    const Case<CalculationFunction> cases[] = {
        {"Termo", CalculationFunction::Thermodynamics}, {"Strypf", CalculationFunction::PrimaryDevice},
        {"Tryckf", CalculationFunction::PressureLoss},  {"Flow", CalculationFunction::Flow},
        {"Ventil", CalculationFunction::Valve},         {"Sorter", CalculationFunction::Units},
    };
    for (const auto& c : cases) {
        CalcFunction = c.keyword;
        EXPECT_EQ(DecodeSelection().function, c.decoded) << c.keyword;
    }
}

TEST(DecodedSelection, ReadsEveryMediumKeyword) {
    const Case<MediumKind> cases[] = {
        {"VAT", MediumKind::Water},         {"ANG", MediumKind::Steam},         {"MNG", MediumKind::WetSteam},
        {"VÄT", MediumKind::Liquid},        {"GAS", MediumKind::IdealGas},      {"IGAS", MediumKind::RealGas},
        {"LUF", MediumKind::Air},           {"G", MediumKind::Mixture},         {"NGAS", MediumKind::NaturalGas},
        {"OLJA", MediumKind::Oil},          {"C3H8", MediumKind::Propane},      {"C3H8V", MediumKind::PropaneLiquid},
        {"CO2", MediumKind::CarbonDioxide}, {"CO", MediumKind::CarbonMonoxide}, {"N2", MediumKind::Nitrogen},
        {"O2", MediumKind::Oxygen},         {"H2", MediumKind::Hydrogen},       {"AR", MediumKind::Argon},
        {"O3", MediumKind::Ozone},          {"NH3", MediumKind::Ammonia},       {"CH4", MediumKind::Methane},
    };
    for (const auto& c : cases) {
        MediumCode = c.keyword;
        EXPECT_EQ(DecodeSelection().medium, c.decoded) << c.keyword;
    }
}

TEST(DecodedSelection, ReadsEverySolvedQuantityDeviceAndVariant) {
    const Case<SolveTarget> solved[] = {{"DP", SolveTarget::Dp},
                                        {"DI", SolveTarget::Bore},
                                        {"FL", SolveTarget::Flow},
                                        {"TF", SolveTarget::Loss},
                                        {"OK", SolveTarget::Optimal}};
    for (const auto& c : solved) {
        SolveFor = c.keyword;
        EXPECT_EQ(DecodeSelection().solve, c.decoded) << c.keyword;
    }
    const Case<FlowDevice> devices[] = {
        {"S", FlowDevice::Orifice},         {"D", FlowDevice::IsaNozzle},       {"DL", FlowDevice::LongRadiusNozzle},
        {"KV", FlowDevice::ShortVenturi},   {"SM", FlowDevice::SegmentOrifice}, {"VK", FlowDevice::QuarterCircle},
        {"V", FlowDevice::Venturi},         {"VCONE", FlowDevice::Cone},        {"VCONEWAFER", FlowDevice::WaferCone},
        {"VOLYM", FlowDevice::VolumeMeter},
    };
    for (const auto& c : devices) {
        DeviceCode = c.keyword;
        const Selection s = DecodeSelection();
        EXPECT_EQ(s.device, c.decoded) << c.keyword;
        // The makers' meters: the two cone meters and the volume meter.
        const std::string keyword = c.keyword;
        EXPECT_EQ(s.Meter(), keyword == "VCONE" || keyword == "VCONEWAFER" || keyword == "VOLYM") << c.keyword;
        EXPECT_EQ(IsConeMeter(DeviceCode), s.Cone()) << c.keyword;
    }
    const Case<DeviceVariant> variants[] = {{"R", DeviceVariant::Corner},    {"F", DeviceVariant::Flange},
                                            {"D", DeviceVariant::DAndD2},    {"SV", DeviceVariant::Welded},
                                            {"BG", DeviceVariant::Machined}, {"OG", DeviceVariant::AsCast}};
    for (const auto& c : variants) {
        DeviceVariantCode = c.keyword;
        EXPECT_EQ(DecodeSelection().variant, c.decoded) << c.keyword;
    }
}

TEST(DecodedSelection, ReadsTheStandardLetterAndItsOneLetterText) {
    const struct {
        char letter;
        FlowStandard decoded;
    } cases[] = {{'3', FlowStandard::Iso2003}, {'I', FlowStandard::Iso1991}, {'D', FlowStandard::Din1952}};
    for (const auto& c : cases) {
        StandardLetter = c.letter;
        EXPECT_EQ(DecodeSelection().standard, c.decoded) << c.letter;
        EXPECT_EQ(DecodeStandard(std::string(1, c.letter)), c.decoded) << c.letter;
    }
    // A text of the letter and more, or of nothing, is no standard.
    for (const char* text : {"33", "I ", ""}) EXPECT_EQ(DecodeStandard(std::string(text)), FlowStandard::Other) << text;
}

// Keywords are compared exactly: another case, a blank or an empty text selects nothing.
TEST(DecodedSelection, AKeywordNotQuiteAsWrittenDecodesToOther) {
    CalcFunction = "strypf";
    MediumCode = "LUF ";
    SolveFor = "dp";
    DeviceCode = "";
    DeviceVariantCode = "sv";
    StandardLetter = 'i';
    const Selection s = DecodeSelection();
    EXPECT_EQ(s.function, CalculationFunction::Other);
    EXPECT_EQ(s.medium, MediumKind::Other);
    EXPECT_EQ(s.solve, SolveTarget::Other);
    EXPECT_EQ(s.device, FlowDevice::Other);
    EXPECT_EQ(s.variant, DeviceVariant::Other);
    EXPECT_EQ(s.standard, FlowStandard::Other);
    EXPECT_FALSE(s.Meter());
}

// 'V' and 'X' are the liquid phases, 'G' and 'H' the saturated vapours; 'N' is neither.
TEST(Keywords, PhaseLettersNameLiquidAndVapour) {
    const struct {
        char letter;
        bool liquid, vapour;
    } cases[] = {{'V', true, false}, {'X', true, false},  {'G', false, true},
                 {'H', false, true}, {'N', false, false}, {'\0', false, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsLiquidPhase(c.letter), c.liquid) << c.letter;
        EXPECT_EQ(IsVapourPhase(c.letter), c.vapour) << c.letter;
    }
}

TEST(Keywords, ALetterTextIsExactlyThatLetter) {
    EXPECT_TRUE(IsLetterText("E", kLanguageEnglish));
    EXPECT_FALSE(IsLetterText("EE", kLanguageEnglish));
    EXPECT_FALSE(IsLetterText("", kLanguageEnglish));
    EXPECT_FALSE(IsLetterText("D", kLanguageEnglish));
    EXPECT_TRUE(IsOneOf("NGAS", {kMediumMixture, kMediumNaturalGas}));
    EXPECT_FALSE(IsOneOf("NGA", {kMediumMixture, kMediumNaturalGas}));
    EXPECT_FALSE(IsOneOf("NGAS", {}));
}

}  // namespace
}  // namespace tubalyx
