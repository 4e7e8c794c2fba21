#include "media/medium_state_limits.h"

#include <gtest/gtest.h>

#include <cmath>

#include "media/medium_state.h"
#include "media/water_equations.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

struct Reason {
    const char* medium;
    double flowDensity, pressure, temperature;
    const char* swedish;
    const char* german;
    const char* english;
};

class MediumStateLimits : public ::testing::Test {
protected:
    void SetUp() override {
        saved = {MediumCode, LanguageLetter, FlowDensity, OperatingPressure, OperatingTemperature};
    }
    void TearDown() override {
        MediumCode = saved.medium;
        LanguageLetter = saved.language;
        FlowDensity = saved.density;
        OperatingPressure = saved.pressure;
        OperatingTemperature = saved.temperature;
    }
    struct {
        std::string medium;
        char language;
        double density, pressure, temperature;
    } saved;
};

// Saturation pressure of water: about 101.4 kPa at 100 degC, 198.7 kPa at 120 degC.
// clang-format off
const Reason kReasons[] = {
    {"C3H8", 0.0, 500000, 20, "TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA ELLER VÄTSKA!",
     "DRUCK/TEMPERATUR AUSSERHALB TAFELGRENZEN ODER FLUSSIG!", "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS OR LIQUID!"},
    {"C3H8V", -1.0, 101325, 80, "TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA ELLER GAS!",
     "DRUCK/TEMPERATUR AUSSERHALB TAFELGRENZEN ODER GAS!", "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS OR GAS!"},
    {"ANG", 1.0, 200000, 100, "TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA! (Välj VATTEN)",
     "DRUCK/TEMPERATUR AUSSERHALB TAFELGRENZEN! (WASSER wählen)",
     "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS! (Select WATER)"},
    {"VAT", 940.0, 101325, 120, "TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA! (Välj ÅNGA)",
     "DRUCK/TEMPERATUR AUSSERHALB TAFELGRENZEN! (DAMPF wählen)",
     "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS! (Select STEAM)"},
};
// clang-format on

TEST_F(MediumStateLimits, EachReasonInTheThreeLanguages) {
    for (const Reason& r : kReasons) {
        MediumCode = r.medium;
        FlowDensity = r.flowDensity;
        OperatingPressure = r.pressure;
        OperatingTemperature = r.temperature;
        for (auto [letter, text] : {std::pair{'S', r.swedish}, {'D', r.german}, {'E', r.english}}) {
            LanguageLetter = letter;
            std::string note = "old";
            CheckMediumStateLimits(note);
            EXPECT_EQ(note, text) << r.medium << ' ' << letter;
        }
    }
}

TEST_F(MediumStateLimits, AcceptableStatesGiveOneBlank) {
    // clang-format off
    const Reason kFine[] = {
        {"C3H8", 9.5, 500000, 20, "", "", ""},     // gas density found
        {"C3H8V", 500.0, 1e6, 20, "", "", ""},     // liquid density found
        {"ANG", 0.5, 50000, 100, "", "", ""},      // below the saturation pressure
        {"VAT", 998.0, 101325, 20, "", "", ""},    // above it
        {"LUF", 0.0, 101325, 20, "", "", ""},      // no table reason for other media
    };
    // clang-format on
    for (const Reason& r : kFine) {
        MediumCode = r.medium;
        FlowDensity = r.flowDensity;
        OperatingPressure = r.pressure;
        OperatingTemperature = r.temperature;
        for (char letter : {'S', 'D', 'E'}) {
            LanguageLetter = letter;
            std::string note = "old";
            CheckMediumStateLimits(note);
            EXPECT_EQ(note, " ") << r.medium << ' ' << letter;
        }
    }
}

TEST_F(MediumStateLimits, BoundaryAtTheSaturationPressure) {
    LanguageLetter = 'E';
    OperatingTemperature = 100.0;
    OperatingPressure = WaterSaturationPressure(100.0);
    for (const char* medium : {"ANG", "VAT"}) {
        MediumCode = medium;
        std::string note;
        CheckMediumStateLimits(note);
        EXPECT_EQ(note, " ") << medium;  // neither strictly below nor above
    }
}

TEST_F(MediumStateLimits, OtherLanguageLetterLeavesTheNote) {
    MediumCode = "C3H8";
    FlowDensity = 0.0;
    LanguageLetter = 'X';
    std::string note = "unchanged";
    CheckMediumStateLimits(note);
    EXPECT_EQ(note, "unchanged");
}

TEST_F(MediumStateLimits, UnreadableTemperatureRaisesNothing) {
    MediumCode = "VAT";
    LanguageLetter = 'E';
    OperatingPressure = 101325.0;
    OperatingTemperature = std::nan("");
    std::string note;
    EXPECT_NO_THROW(CheckMediumStateLimits(note));
    EXPECT_FALSE(note.empty());
}

}  // namespace
}  // namespace tubalyx
