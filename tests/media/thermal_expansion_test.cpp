#include <gtest/gtest.h>

#include <cmath>

#include "media/thermal_expansion.h"
#include "numerics/checked.h"
#include "state/inputs.h"
#include "state/selections.h"

using namespace tubalyx;

namespace {
struct DeviceGuard {
    std::string device = DeviceCode;
    double calibration = CalibrationTemperatureC;
    ~DeviceGuard() {
        DeviceCode = device;
        CalibrationTemperatureC = calibration;
    }
};
}  // namespace

TEST(ThermalExpansionFactor, ExactlyOneAtTheReferenceTemperature) {
    DeviceGuard guard;
    DeviceCode = "S";
    EXPECT_EQ(ThermalExpansionFactor(12.6, 0.0043, 20.0), 1.0);
    EXPECT_EQ(ThermalExpansionFactor(17.0, 0.0038, 20.0), 1.0);
    for (const char* cone : {"VCONE", "VCONEWAFER"}) {
        DeviceCode = cone;
        CalibrationTemperatureC = 50.0;
        EXPECT_EQ(ThermalExpansionFactor(12.6, 0.0043, 50.0), 1.0);
        EXPECT_EQ(ThermalExpansionFactor(1e3, 7.0, 50.0), 1.0);
        // 1 + 1e-6 (12.6 * -30 + 0.0043 * 900)
        EXPECT_NEAR(ThermalExpansionFactor(12.6, 0.0043, 20.0), 0.999625870, 1e-12);
    }
}

TEST(ThermalExpansionFactor, HandComputedValues) {
    DeviceGuard guard;
    DeviceCode = "S";
    CalibrationTemperatureC = 50.0;  // read only by the cone meters
    // 1 + 1e-6 (12.6 * 100 + 0.0043 * 100^2)
    EXPECT_NEAR(ThermalExpansionFactor(12.6, 0.0043, 120.0), 1.001303, 1e-13);
    // 1 + 1e-6 (12.6 * 30 + 0.0043 * 900)
    EXPECT_NEAR(ThermalExpansionFactor(12.6, 0.0043, 50.0), 1.00038187, 1e-13);
    // Below the reference the factor falls under 1: 1 + 1e-6 (17 * -60 + 0.0038 * 3600)
    EXPECT_NEAR(ThermalExpansionFactor(17.0, 0.0038, -40.0), 0.9989936800, 1e-13);
    EXPECT_THROW(ThermalExpansionFactor(12.6, 0.0043, 1e200), CalcError);
}

TEST(MaterialExpansionCoefficients, MaterialGroupsAndUnknownCodes) {
    struct Material {
        const char* code;
        double a1, a2;
    };
    const Material materials[] = {{"1", 12.6, 0.0043}, {"2", 12.42, 0.0034}, {"3", 12.05, 0.0035}, {"4", 10.52, 0.0031},
                                  {"5", 17.0, 0.0038}, {"7", 12.6, 0.0043},  {"8", 17.0, 0.0038}};
    for (const Material& m : materials) {
        double a1 = -1, a2 = -1;
        MaterialExpansionCoefficients(m.code, a1, a2);
        EXPECT_EQ(a1, m.a1) << m.code;
        EXPECT_EQ(a2, m.a2) << m.code;
    }
    for (const char* other : {"6", "Annat", "", "11", " 1"}) {
        double a1 = -1, a2 = -2;
        MaterialExpansionCoefficients(other, a1, a2);
        EXPECT_EQ(a1, -1) << other;
        EXPECT_EQ(a2, -2) << other;
    }
}
