// The short ways of the humidity searches give what the long ones give, to the bit: the part
// densities of a humid gas (and of humid air) without the rest of its state, and the range notes' kept lines,
// which must still follow the language, the decimal separator and the medium.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <string>

#include "media/humid_gas_mixing.h"
#include "media/switch_test_support.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "property_tables/ammonia.h"
#include "state/property_labels.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

using test::Switch;
using test::UserGasData;

bool SameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// A natural gas of methane with some ethane and nitrogen.
const GasCompositionArray kNaturalGas = [] {
    GasCompositionArray x{};
    x[1] = 0.93, x[2] = 0.02, x[4] = 0.05;
    return x;
}();

class HumidTrialTest : public testing::Test {
protected:
    void SetUp() override { test::ResetSwitchState(); }
};

TEST_F(HumidTrialTest, PartDensitiesAreTheSwitchsBitForBitAtEveryHumidity) {
    // Dry, barely humid, saturated, and far past saturation (vapour above P leaves no dry part).
    const double humidities[] = {0.0, 5e-8, 1e-7, 2e-7, 3.5, 50.0, 100.0, 4450.0, 12486.328125, 1e6};
    const struct { double P, t; } states[] = {{101325.0, 20.0}, {5e5, -30.0}, {3e6, 150.0}, {2000.0, 60.0}};
    // The liquefied gases as gases, phase 'N'.
    const char* const media[] = {"NH3", "CH4", "C2H6", "CO", "C3H8", "C4H10", "C5H12", "NGAS", "IGAS",
                                 "GAS", "O2",  "AR",   "H2", "He",   "N2",    "CO2",   "O3"};
    const UserGasData user;
    int compared = 0;
    for (const char* medium : media) {
        for (const auto& state : states) {
            const std::optional<double> dryGas =
                HumidMixDryGasDensity(medium, kNaturalGas, state.P, state.t, user.density, user.zRatio);
            ASSERT_TRUE(dryGas) << medium;
            for (double rh : humidities) {
                const test::SwitchResult full = Switch(medium, state.P, state.t, rh, user, kNaturalGas);
                const HumidPartDensities parts = SteamPropertyDensities(state.P, state.t, state.t, rh, *dryGas);
                EXPECT_TRUE(SameBits(parts.dry, full.dry)) << medium << " " << state.P << " Pa " << rh << " %";
                EXPECT_TRUE(SameBits(parts.vapour, full.vapour)) << medium << " " << state.P << " Pa " << rh << " %";
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 680);
    // Humid air's parts at the vapour pressure of the relative humidity.
    for (const auto& state : states) {
        for (double rh : humidities) {
            const test::SwitchResult full = Switch("LUF", state.P, state.t, rh, user, kNaturalGas);
            const HumidPartDensities parts =
                HumidAirDensitiesAt(state.P, state.t, VapourPartialPressure(state.P, state.t, rh));
            EXPECT_TRUE(SameBits(parts.dry, full.dry)) << "LUF " << state.P << " Pa " << rh << " %";
            EXPECT_TRUE(SameBits(parts.vapour, full.vapour)) << "LUF " << state.P << " Pa " << rh << " %";
        }
    }
}

TEST_F(HumidTrialTest, MediaThatMixOtherwiseHaveNoShortWay) {
    for (const char* medium : {"LUF", "VAT", "ANG", "OLJA", "VÄT", "C3H8V", "G", ""})
        EXPECT_FALSE(HumidMixDryGasDensity(medium, kNaturalGas, 1e5, 20.0, 1.2, 1.0)) << medium;
    // A liquefied gas on its saturation line or as a liquid holds no vapour.
    for (char phase : {'H', 'X', 'G', 'V'}) {
        PhaseLetter = phase;
        for (const char* medium : {"N2", "O2", "AR", "He", "CO2", "O3"})
            EXPECT_FALSE(HumidMixDryGasDensity(medium, kNaturalGas, 1e5, 20.0, 1.2, 1.0)) << medium << phase;
    }
    PhaseLetter = 'N';
    // The user's ideal gas keeps its refusal of a Z ratio of 0.
    EXPECT_THROW(HumidMixDryGasDensity("IGAS", kNaturalGas, 1e5, 20.0, 1.2, 0.0), CalcError);
}

TEST_F(HumidTrialTest, KeptRangeNotesFollowLanguageSeparatorAndMedium) {
    // Ammonia below its table's temperatures: the density is worked out at 26.9 degC.
    MediumCode = "NH3";
    const std::string english = "[Density..(Z calculated at 26.9C!....).....(kg/m3)] ";
    AmmoniaDensityPT(5e5, -150.0);
    EXPECT_EQ(DensityLabel, english);
    LanguageLetter = 'S';
    AmmoniaDensityPT(5e5, -150.0);
    EXPECT_TRUE(DensityLabel.starts_with("[Densitet..(Z beräknat vid 26.9C!")) << DensityLabel;
    LanguageLetter = 'E';
    SetDecimalSeparator(',');
    AmmoniaDensityPT(5e5, -150.0);
    SetDecimalSeparator('.');
    EXPECT_EQ(DensityLabel, "[Density..(Z calculated at 26,9C!....).....(kg/m3)] ");
    MediumCode = "C3H8V";
    AmmoniaDensityPT(5e5, -150.0);
    EXPECT_TRUE(DensityLabel.starts_with("[Density..at 26.9C!")) << DensityLabel;
    // In range the ordinary label returns; the moved state again gives its note again.
    MediumCode = "NH3";
    AmmoniaDensityPT(5e5, 50.0);
    EXPECT_EQ(DensityLabel, DensityLabelBase);
    AmmoniaDensityPT(5e5, -150.0);
    EXPECT_EQ(DensityLabel, english);
}

}  // namespace
}  // namespace tubalyx
