// The partial-pressure solve on its own: rows and densities in, volume shares out, with no
// grid and no calculation state behind it. Components whose density is proportional to the
// pressure at a compressibility Z of their own fill, by Amagat's law, a volume share of
// x_i Z_i / sum(x_j Z_j); the water of a humid composition stops at the saturation pressure.
#include "media/partial_pressures.h"

#include <gtest/gtest.h>

#include <vector>

namespace tubalyx {
namespace {

constexpr double kR = 8314.462618;  // J/(kmol K)
constexpr double kT = 293.15;       // K

struct Component {
    int row;
    double molarMass, z, dryMol, humidMol;
    bool water = false;
};

PartialPressureInput Rows(const std::vector<Component>& components, double pressure, double saturation) {
    PartialPressureInput in;
    in.pressure = pressure;
    in.saturationPressure = saturation;
    for (const Component& c : components) {
        MixtureComponentRow& r = in.rows[c.row];
        r = {true, c.water, !c.water, c.molarMass, c.dryMol, c.humidMol};
    }
    return in;
}

// rho = p M / (Z R T), Z fixed for each row.
ComponentDensityAt DensityAtFixedZ(const std::vector<Component>& components) {
    return [components](int row, double p) {
        for (const Component& c : components)
            if (c.row == row) return p * c.molarMass / (c.z * kR * kT);
        ADD_FAILURE() << "a density asked for row " << row << ", which is no component";
        return 0.0;
    };
}

TEST(PartialPressures, VolumeSharesFollowAmagatsLaw) {
    const struct {
        const char* name;
        std::vector<Component> components;
    } cases[] = {
        {"ideal hydrogen and nitrogen", {{2, 2.016, 1.0, 30, 30}, {3, 28.013, 1.0, 70, 70}}},
        {"methane Z 0.9 and nitrogen Z 1.0", {{2, 16.043, 0.9, 50, 50}, {4, 28.013, 1.0, 50, 50}}},
        {"three gases of unlike Z", {{2, 44.01, 0.8, 20, 20}, {3, 16.043, 0.95, 30, 30}, {5, 4.0026, 1.05, 50, 50}}},
    };
    for (const auto& c : cases) {
        const PartialPressureSolution s =
            SolvePartialPressures(Rows(c.components, 5e5, 2339.0), DensityAtFixedZ(c.components));
        double sum = 0.0, moles = 0.0;
        for (const Component& k : c.components) {
            sum += k.dryMol * k.z;
            moles += s.humidDensity[k.row] / k.molarMass;
        }
        for (const Component& k : c.components) {
            const double expected = 100.0 * k.dryMol * k.z / sum;
            EXPECT_NEAR(s.dryVolume[k.row], expected, 1e-9) << c.name << ", row " << k.row;
            EXPECT_NEAR(s.humidVolume[k.row], expected, 1e-9) << c.name << ", row " << k.row;
            // The components' molar densities stand in the ratio of their mol %.
            EXPECT_NEAR(s.humidDensity[k.row] / k.molarMass / moles, 0.01 * k.humidMol, 1e-12) << c.name;
        }
    }
}

TEST(PartialPressures, WaterStopsAtTheSaturationPressureAndTheRestGoesToTheOthers) {
    // Half water at 1 bar with 2000 Pa of saturation pressure: 2 % vapour, 98 % to the argon and
    // nitrogen in the ratio of their mol %; the dry composition has no water.
    const std::vector<Component> components = {
        {2, 39.948, 1.0, 60, 30}, {3, 28.013, 1.0, 40, 20}, {11, 18.015, 1.0, 0, 50, true}};
    const PartialPressureSolution s = SolvePartialPressures(Rows(components, 1e5, 2000.0), DensityAtFixedZ(components));
    EXPECT_NEAR(s.humidVolume[11], 2.0, 1e-9);
    EXPECT_NEAR(s.humidVolume[2], 98.0 * 30 / 50, 1e-9);
    EXPECT_NEAR(s.humidVolume[3], 98.0 * 20 / 50, 1e-9);
    EXPECT_NEAR(s.dryVolume[2], 60.0, 1e-9);
    EXPECT_NEAR(s.dryVolume[3], 40.0, 1e-9);
    EXPECT_EQ(s.dryVolume[11], 0.0);
    EXPECT_NEAR(s.dryPressure[2], 0.6e5, 1e-6);
    EXPECT_EQ(s.dryPressure[11], 0.0);
}

TEST(PartialPressures, RowsWithoutAShareAndAStateWithoutPressureGiveNoVolume) {
    const std::vector<Component> components = {{2, 28.013, 1.0, 100, 100}, {3, 31.999, 1.0, 0, 0}};
    PartialPressureInput in = Rows(components, 1e5, 2339.0);
    in.rows[4].humidMol = 50;  // a share without a component: no density is asked for it
    const PartialPressureSolution s = SolvePartialPressures(in, DensityAtFixedZ(components));
    EXPECT_NEAR(s.dryVolume[2], 100.0, 1e-9);
    EXPECT_EQ(s.dryVolume[3], 0.0);
    EXPECT_EQ(s.humidVolume[4], 0.0);

    in.pressure = 0.0;
    const PartialPressureSolution none = SolvePartialPressures(in, DensityAtFixedZ(components));
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        EXPECT_EQ(none.dryVolume[row], 0.0) << row;
        EXPECT_EQ(none.humidVolume[row], 0.0) << row;
    }
}

}  // namespace
}  // namespace tubalyx
