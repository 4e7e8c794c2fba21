// The medium property switch over every keyword and phase, at any state and humidity. Each
// call ends within libFuzzer's time limit with finite outputs or a CalcError.
#include <cstdint>

#include "fuzz_support.h"
#include "media/medium_property_switch.h"
#include "medium_inputs.h"

using namespace tubalyx;
using namespace tubalyx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    MediumInputs m = DrawMediumInputs(in);
    double density = 0, dry = 0, vapour = 0, viscosity = 0, kappa = 0, cp = 0, cv = 0, enthalpy = 0;
    double satT = m.t;
    try {
        MediumPropertySwitch(m.keyword, GasComposition, m.P, m.givenDensity, m.givenCp, m.givenCv, m.criticalK,
                             m.molarMass, m.t, satT, m.zRatio, m.relativeHumidity, density, dry, vapour, viscosity,
                             kappa, cp, cv, enthalpy);
    } catch (const CalcError&) {
        return 0;
    }
    RequireFinite(m.P, "P");
    RequireFinite(m.t, "t");
    RequireFinite(density, "density");
    RequireFinite(dry, "dry-gas density");
    RequireFinite(vapour, "vapour density");
    RequireFinite(viscosity, "viscosity");
    RequireFinite(kappa, "kappa");
    RequireFinite(cp, "cp");
    RequireFinite(cv, "cv");
    RequireFinite(enthalpy, "enthalpy");
    return 0;
}
