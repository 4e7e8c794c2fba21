#include "media/medium_identification.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

struct CodeMass {
    const char* code;
    double mass;
};

TEST(MediumIdentification, MolarMassOfEveryMediumCode) {
    // clang-format off
    const CodeMass cases[] = {
        {"VAT", 18.016},  {"ANG", 18.016},  {"MNG", 18.016},   {"VÄT", 1.0},     {"GAS", 44.096},  {"IGAS", 1.0},
        {"LUF", 28.963},  {"G", 1.0},       {"NGAS", 1.0},     {"OLJA", 1.0},    {"C3H8", 44.096}, {"C3H8V", 44.096},
        {"CO2", 44.01},   {"CO", 28.01},    {"N2", 28.0134},   {"O2", 31.999},   {"H2", 2.0158},   {"AR", 39.948},
        {"O3", 47.998},   {"NH3", 17.031},  {"CH4", 16.043},   {"C2H6", 30.069}, {"C4H10", 58.123}, {"C5H12", 72.15},
        {"He", 4.0026},   {"HE", 4.0026},   {"gas", 1.0},      {"", 1.0},        {"co2", 1.0},
    };
    // clang-format on
    for (const CodeMass& c : cases) EXPECT_EQ(MolarMass(c.code), c.mass) << c.code;
}

TEST(MediumIdentification, ViscosityMixingWeightsAreRootOfMassTimesCriticalTemperature) {
    // clang-format off
    const CodeMass cases[] = {
        {"LUF", 61.9},    {"ANG", 107.9},   {"MNG", 107.9},    {"O2", 70.4},     {"AR", 77.6},      {"H2", 8.19},
        {"N2", 59.481},   {"CO2", 115.7},   {"O3", 111.937},   {"NH3", 83.113},  {"CH4", 55.3119}, {"C2H6", 95.828},
        {"C3H8", 127.732}, {"C3H8V", 127.732}, {"VAT", 1.0},   {"He", 1.0},      {"GAS", 1.0},      {"C4H10", 1.0},
    };
    // clang-format on
    for (const CodeMass& c : cases) EXPECT_EQ(GasViscosityMixingWeight(c.code), c.mass) << c.code;
    EXPECT_NEAR(GasViscosityMixingWeight("CO"), 61.0148, 1e-4);
    // The tabled weights agree with sqrt(M * Tc) of published critical temperatures.
    EXPECT_NEAR(GasViscosityMixingWeight("N2"), std::sqrt(28.0134 * 126.3), 0.1);
    EXPECT_NEAR(GasViscosityMixingWeight("CH4"), std::sqrt(16.043 * 190.7), 0.1);
}

TEST(MediumIdentification, IsGasMediumReadsVAndXAsLiquid) {
    const char* gases[] = {"GAS", "IGAS", "G",   "NGAS", "LUF",  "ANG",   "MNG",   "CO2", "N2", "O2",   "H2",
                           "AR",  "O3",   "NH3", "CH4",  "C2H6", "C4H10", "C5H12", "He",  "CO", "C3H8", "XYZ"};
    const char* liquids[] = {"VAT", "C3H8V", "OLJA", "VÄT"};
    for (char phase : {'N', 'G', 'H'}) {
        PhaseLetter = phase;
        for (const char* c : gases) EXPECT_TRUE(IsGasMedium(c)) << c << " " << phase;
        for (const char* c : liquids) EXPECT_FALSE(IsGasMedium(c)) << c << " " << phase;
    }
    for (char phase : {'V', 'X'}) {
        PhaseLetter = phase;
        EXPECT_TRUE(IsGasMedium("CO"));
        EXPECT_TRUE(IsGasMedium("C3H8"));
        for (const char* c : {"CO2", "N2", "O2", "H2", "AR", "O3", "He", "LUF", "GAS"})
            EXPECT_FALSE(IsGasMedium(c)) << c << " " << phase;
        for (const char* c : liquids) EXPECT_FALSE(IsGasMedium(c));
    }
    PhaseLetter = 'N';
}

TEST(MediumIdentification, DisplayNameIsTheMenuCaptionWithPhaseSuffix) {
    TForm1& f = Form1();
    struct Item {
        const char* code;
        TMenuItem* item;
        const char* caption;
    } items[] = {
        {"GAS", f.GAS, "Gas"},
        {"IGAS", f.IGAS, "Real Gas"},
        {"G", f.G, "Gasblandning"},
        {"VÄT", f.LIQ, "Vätska"},
        {"LUF", f.LUF, "Luft"},
        {"VAT", f.VAT, "Vatten"},
        {"ANG", f.ANG, "Ånga"},
        {"MNG", f.MNG, "Mättad Ånga"},
        {"AR", f.AR, "Argon"},
        {"CH4", f.CH4, "CH4"},
        {"CO", f.CO, "CO"},
        {"CO2", f.CO2, "CO2"},
        {"C3H8", f.Propan1, "C3H8 Propane (gas)"},
        {"C3H8V", f.Propanvtska1, "C3H8 Propane (vätska)"},
        {"H2", f.H2, "H2"},
        {"NGAS", f.Naturgas, "Naturgas"},
        {"N2", f.N2, "N2"},
        {"NH3", f.NH3, "NH3"},
        {"O2", f.O2, "O2"},
        {"O3", f.O3, "O3"},
        {"OLJA", f.Olja, "Olja"},
    };
    for (const Item& it : items) {
        ASSERT_NE(it.item, nullptr) << it.code;
        it.item->SetCaption(std::string(it.caption) + "#");
    }
    MediumCode = "LUF";
    PhaseLetter = 'X';
    LanguageLetter = 'S';
    for (const Item& it : items) EXPECT_EQ(MediumDisplayName(it.code), std::string(it.caption) + "#") << it.code;
    EXPECT_EQ(MediumDisplayName("C2H6"), "NO");
    EXPECT_EQ(MediumDisplayName("He"), "NO");

    // The suffix follows the current medium, not the argument.
    MediumCode = "O2";
    LanguageLetter = 'D';
    EXPECT_EQ(MediumDisplayName("O2"), "O2#/Flüssigkeit");
    EXPECT_EQ(MediumDisplayName("LUF"), "Luft#/Flüssigkeit");
    LanguageLetter = 'E';
    PhaseLetter = 'V';
    EXPECT_EQ(MediumDisplayName("N2"), "N2#/Liquid");
    LanguageLetter = 'S';
    EXPECT_EQ(MediumDisplayName("N2"), "N2#/Vätska");
    LanguageLetter = 'Q';
    EXPECT_EQ(MediumDisplayName("N2"), "N2#");
    PhaseLetter = 'N';
    EXPECT_EQ(MediumDisplayName("xx"), "NO/Gas");
    MediumCode = "CO";
    PhaseLetter = 'X';
    EXPECT_EQ(MediumDisplayName("CO"), "CO#");
    PhaseLetter = 'N';
    LanguageLetter = 'E';
}

TEST(MediumIdentification, GasThroatBranch) {
    CalcFunction = "Strypf";
    PhaseLetter = 'N';
    SolveFor = "FL";
    MediumCode = "LUF";
    EXPECT_FALSE(UsesGasThroatBranch());
    SolveFor = "DI";
    EXPECT_TRUE(UsesGasThroatBranch());
    SolveFor = "DP";
    MediumCode = "N2";
    EXPECT_TRUE(UsesGasThroatBranch());
    PhaseLetter = 'G';
    EXPECT_FALSE(UsesGasThroatBranch());
    PhaseLetter = 'N';
    MediumCode = "MNG";
    EXPECT_FALSE(UsesGasThroatBranch());
    MediumCode = "VAT";
    EXPECT_FALSE(UsesGasThroatBranch());
    MediumCode = "NGAS";
    PhaseLetter = 'H';
    EXPECT_TRUE(UsesGasThroatBranch());
    PhaseLetter = 'X';
    EXPECT_FALSE(UsesGasThroatBranch());  // a liquid
    MediumCode = "CO";
    EXPECT_FALSE(UsesGasThroatBranch());  // gas whatever the phase, but not 'N'
    PhaseLetter = 'N';
    EXPECT_TRUE(UsesGasThroatBranch());
    CalcFunction = "Termo";
    EXPECT_FALSE(UsesGasThroatBranch());
}

// The named conditions over every medium keyword of the menus: steam is "ANG" and "MNG", the
// described gases "GAS" and "IGAS", the grid mixtures "G" and "NGAS", and the gases that may
// be given as saturated vapour or liquid "AR", "H2", "O2", "N2", "CO2" and "O3" (not "CO").
TEST(MediumIdentification, NamedConditionsOnTheMediumCode) {
    const struct {
        const char* code;
        bool steam, userGas, mixture, liquefied;
    } cases[] = {
        {"VAT", false, false, false, false},  {"ANG", true, false, false, false},
        {"MNG", true, false, false, false},   {"VÄT", false, false, false, false},
        {"GAS", false, true, false, false},   {"IGAS", false, true, false, false},
        {"LUF", false, false, false, false},  {"G", false, false, true, false},
        {"NGAS", false, false, true, false},  {"OLJA", false, false, false, false},
        {"C3H8", false, false, false, false}, {"C3H8V", false, false, false, false},
        {"CO2", false, false, false, true},   {"CO", false, false, false, false},
        {"N2", false, false, false, true},    {"O2", false, false, false, true},
        {"H2", false, false, false, true},    {"AR", false, false, false, true},
        {"O3", false, false, false, true},    {"NH3", false, false, false, false},
        {"CH4", false, false, false, false},  {"ang", false, false, false, false},
        {"", false, false, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSteamMedium(c.code), c.steam) << c.code;
        EXPECT_EQ(IsUserGasMedium(c.code), c.userGas) << c.code;
        EXPECT_EQ(IsMixtureMedium(c.code), c.mixture) << c.code;
        EXPECT_EQ(IsLiquefiedGasMedium(c.code), c.liquefied) << c.code;
    }
}

}  // namespace
}  // namespace tubalyx
