// The medium state at the operating point: every keyword (the mixture from a drawn humid
// grid), every humidity kind, with and without a humid gas. Each call ends within libFuzzer's
// time limit with a finite state or a CalcError.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "media/medium_properties.h"
#include "medium_inputs.h"

using namespace tubalyx;
using namespace tubalyx::fuzz;

namespace {
const char* const kHumidityKinds[] = {"R", "A", "S", "D", "X"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    MediumInputs m = DrawMediumInputs(in);
    HumidGasFlag = in.ConsumeBool();
    const bool normalColumn = in.ConsumeBool();
    const std::string kind = Pick(in, kHumidityKinds);
    double absolute = Value(in, 0.0, 100.0), specific = Value(in, 0.0, 100.0);
    double dew = Value(in, -120.0, 100.0), relative = m.relativeHumidity;
    double flow = 0, dry = 0, vapour = 0, viscosity = 0, kappa = 0, cp = 0, cv = 0, pv = 0, enthalpy = 0;
    try {
        MediumPropertiesAtState(normalColumn, m.keyword, GasComposition, m.givenDensity, 0.0, m.givenCp, m.givenCv, 1.4,
                                m.criticalK, m.molarMass, m.P, m.t, kind, absolute, specific, dew, relative, flow, dry,
                                vapour, viscosity, kappa, cp, cv, pv, enthalpy);
    } catch (const CalcError&) {
        return 0;
    }
    for (double x :
         {m.P, m.t, absolute, specific, dew, relative, flow, dry, vapour, viscosity, kappa, cp, cv, pv, enthalpy})
        RequireFinite(x, "medium state");
    return 0;
}
