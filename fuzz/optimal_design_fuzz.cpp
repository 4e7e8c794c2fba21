// The optimal design over the allowed device types, pipe sizes and differential-pressure
// range, from a water or an air duty with drawn flows, state, limits and weights. The search
// ends within libFuzzer's time limit and leaves a finite design.
#include <cstdint>
#include <string>

#include "../tests/flow/design_duties.h"
#include "flow/optimal_design.h"
#include "fuzz_support.h"
#include "numerics/checked.h"
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
const char* const kElementEntries[] = {"1", "3", "5", "135", "1234567890A", "2", "9", "0A", "x"};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool())
        designtest::WaterDuty();
    else
        designtest::AirDuty();
    const double scale = Within(in, 0.01, 100.0);
    MaxMassFlow *= scale;
    MaxFlowInput *= scale;
    MinMassFlow = MaxMassFlow * Within(in, 0.01, 1.0);
    NormalMassFlow = 0.63 * MaxMassFlow + 0.37 * MinMassFlow;
    const double pressure = Within(in, 1.2e5, 1e7);
    FlowDensity *= pressure / OperatingPressure;
    OperatingPressure = PressureMinPa = PressureMaxPa = pressure;
    PrimaryElementEntry = Pick(in, kElementEntries);
    PipeDiameterMinLimitM = Within(in, 0.02, 0.6);
    PipeDiameterMaxLimitM = PipeDiameterMinLimitM * Within(in, 1.0, 3.0);
    DpLowerLimitPa = Within(in, 100.0, 50000.0);
    DpUpperLimitPa = DpLowerLimitPa * Within(in, 1.0, 50.0);
    WeightFactor1 = Within(in, 0.0, 1.0);
    WeightFactor2 = 1.0 - WeightFactor1;
    StraightLengthM = Within(in, 0.5, 200.0);
    try {
        SizeThroatDevice();
    } catch (const CalcError&) {
        return 0;
    }
    for (double x :
         {BoreDiameter, PipeDiameter, PipeDiameterColdM, MaxDpPa, SizingCorrectionFactor, OptimalPressureLossPa})
        RequireFinite(x, "design");
    return 0;
}
