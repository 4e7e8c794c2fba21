// The cores of the medium state take what decides them from their description: the humidity
// flag and the phase letter of the calculation state, and for the gas mixture the shares of the
// composition grid, play no part. References: the saturation pressure of water at 20 degC,
// 2339.2 Pa (IAPWS), and gases near the ideal-gas law at 1 bar.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "media/medium_properties.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

constexpr double kR = 8314.462618;             // J/(kmol K)
constexpr double kT = 293.15;                  // K, 20 degC
constexpr double kWaterSaturation20 = 2339.2;  // Pa
constexpr double kWaterMolarMass = 18.015;     // g/mol

const std::string kRelative = "R";

MediumDescription Describe(const std::string& medium, bool humidGas, char phase) {
    return {.medium = medium,
            .composition = GasComposition,
            .givenDensity = 1.2,
            .givenCp = 1005,
            .givenCv = 718,
            .givenCriticalTemperature = 132.5,
            .givenMolarMass = 28.96,
            .humidityKind = kRelative,
            .absoluteHumidity = 0,
            .specificHumidity = 0,
            .dewTemperature = 0,
            .humidGas = humidGas,
            .phase = phase,
            .zRatio = 1.0};
}

MediumStateValues At1Bar20C() {
    MediumStateValues s;
    s.pressure = 1e5;
    s.temperature = 20.0;
    s.enthalpy = 123.0;  // what the caller's variable held
    return s;
}

TEST(MediumStateCore, HumidityAndPhaseComeFromTheDescription) {
    const std::string air = "LUF";
    // The calculation state says the opposite of each description.
    for (bool humid : {true, false}) {
        for (char phase : {'N', 'G'}) {
            HumidGasFlag = !humid;
            PhaseLetter = phase == 'N' ? 'G' : 'N';
            MediumStateValues s = At1Bar20C();
            double relative = 50.0;
            SingleMediumState(Describe(air, humid, phase), s, relative);
            const std::string name = std::string(humid ? "humid" : "dry") + " air, phase " + phase;
            const double pv = humid ? 0.5 * kWaterSaturation20 : 0.0;
            EXPECT_NEAR(s.vapourPressure, pv, 0.002 * pv) << name;  // the program's water law, within 0.2 %
            EXPECT_NEAR(s.density - s.dryDensity, pv * kWaterMolarMass / (kR * kT), 0.01 * pv * 1e-5 + 1e-12) << name;
            // Only phase N writes an enthalpy; otherwise the caller's value stays.
            if (phase == 'N')
                EXPECT_NE(s.enthalpy, 123.0) << name;
            else
                EXPECT_EQ(s.enthalpy, 123.0) << name;
        }
    }
}

TEST(MediumStateCore, MixtureTakesTheSharesItIsGivenNotTheGrid) {
    MixtureComponentKeyword[2] = "N2";
    MixtureComponentKeyword[11] = "ANG";
    // The grid says half of the pressure, and no vapour: a core reading it would halve the density.
    for (int col = 2; col <= 5; ++col) Form1().ViktVolprocgridfukt.SetCell(col, 2, "50");
    MixtureShares shares;
    shares.weight[2] = 100.0;
    shares.pressureShare[2] = 100.0;
    shares.meanMolarMass = 28.0134;
    shares.vapourShare = 2.0;  // 2000 Pa of water vapour at 1 bar
    MixturePartialPressure.fill(0.0);
    for (bool humid : {false, true}) {
        MediumStateValues s = At1Bar20C();
        double relative = 50.0;
        std::array<double, kMixtureRows> partial{};
        MixtureState(Describe("G", humid, 'N'), shares, s, relative, partial);
        const char* name = humid ? "humid nitrogen" : "dry nitrogen";
        // Nitrogen at 1 bar and 20 degC, Z = 0.9998.
        EXPECT_NEAR(s.dryDensity, 1e5 * 28.0134 / (0.9998 * kR * kT), 0.002) << name;
        EXPECT_EQ(partial[2], 1e5) << name;
        const double pv = humid ? 2000.0 : 0.0;
        EXPECT_EQ(partial[11], pv) << name;
        EXPECT_EQ(s.vapourPressure, pv) << name;
        EXPECT_NEAR(s.vapourDensity, pv * kWaterMolarMass / (kR * kT), 0.005 * pv * 1e-5) << name;
        // The partial pressures went to the array given, not to the calculation state.
        EXPECT_EQ(MixturePartialPressure[2], 0.0) << name;
    }
}

}  // namespace
}  // namespace tubalyx
