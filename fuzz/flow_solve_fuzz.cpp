// The flow solves of the primary devices: flow from differential pressure, differential
// pressure from flow and the bore from both, for every device, variant and standard, over
// the range of real meters. Each solve ends within libFuzzer's time limit with a finite
// result or a CalcError.
#include <cstdint>
#include <string>

#include "flow/flow_iterations.h"
#include "fuzz_support.h"
#include "state/composition.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"

using namespace tubalyx;
using namespace tubalyx::fuzz;

namespace {

struct Device {
    const char* device;
    const char* variant;
};

const Device kDevices[] = {
    {"S", "R"},  {"S", "F"},  {"S", "D"},  {"D", ""},     {"DL", ""},         {"KV", ""},    {"SM", ""}, {"VK", ""},
    {"V", "SV"}, {"V", "BG"}, {"V", "OG"}, {"VCONE", ""}, {"VCONEWAFER", ""}, {"VOLYM", ""}, {"X", "X"},
};
const char* const kStandards[] = {"3", "I", "D", "X"};
const char* const kMedia[] = {"LUF", "VAT", "ANG", "NGAS", "OLJA", "GAS"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const Device& dev = Pick(in, kDevices);
    const std::string medium = Pick(in, kMedia), device = dev.device, variant = dev.variant;
    const std::string standard = Pick(in, kStandards);
    DeviceCode = device;
    DeviceVariantCode = variant;
    StandardLetter = standard[0];
    PhaseLetter = medium == "VAT" || medium == "OLJA" ? 'V' : 'N';
    CalibratedCf = Within(in, 0.5, 1.0);
    const double p = Within(in, 1e4, 2e7);
    const double pipeDiameter = Within(in, 0.01, 1.5);
    PipeDiameter = pipeDiameter;
    const double d = pipeDiameter * Within(in, 0.05, 0.9);
    const double dp = Within(in, 10.0, 2e6);
    const double qm = Within(in, 1e-4, 1e3);
    const double density = Within(in, 0.05, 2000.0);
    const double viscosity = Within(in, 1e-6, 1.0);
    const double kappa = Within(in, 1.0, 1.7);
    const double f = Within(in, 0.9, 1.1);
    double result = 0.0;
    try {
        switch (in.ConsumeIntegralInRange<int>(0, 2)) {
            case 0:
                FlowFromDiffPressure(medium, device, variant, standard, p, dp, d, pipeDiameter, density, viscosity,
                                     kappa, f, result);
                break;
            case 1:
                DiffPressureFromFlow(medium, device, variant, standard, p, qm, d, pipeDiameter, density, viscosity,
                                     kappa, f, result);
                break;
            default:
                ThroatDiameterFromFlow(medium, device, variant, standard, p, qm, dp, pipeDiameter, density, viscosity,
                                       kappa, f, result);
                break;
        }
    } catch (const CalcError&) {
        return 0;
    }
    RequireFinite(result, "flow solve result");
    return 0;
}
