#include "media/thermal_expansion.h"

#include "numerics/checked.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

struct MaterialCoefficients {
    const char* code;
    double a1;
    double a2;
};

// clang-format off
constexpr MaterialCoefficients kMaterials[] = {
    {"1", 12.6, 0.0043}, {"2", 12.42, 0.0034}, {"3", 12.05, 0.0035}, {"4", 10.52, 0.0031},
    {"5", 17.0, 0.0038}, {"7", 12.6, 0.0043},  {"8", 17.0, 0.0038},
};
// clang-format on

}  // namespace

void MaterialExpansionCoefficients(const std::string& code, double& a1, double& a2) {
    for (const MaterialCoefficients& m : kMaterials) {
        if (code == m.code) {
            a1 = m.a1;
            a2 = m.a2;
            return;
        }
    }
}

double ThermalExpansionFactor(double a1, double a2, double t) {
    const bool cone = IsConeMeter(DeviceCode);
    const double reference = cone ? CalibrationTemperatureC : 20.0;
    const double d = t - reference;
    return CheckFinite(1.0 + 1e-6 * (a1 * d + a2 * d * d), "overflow in thermal expansion");
}

}  // namespace tubalyx
