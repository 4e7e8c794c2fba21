#include "pressure_loss/critical_flow.h"

#include <string>

#include "flow/flow_iterations.h"
#include "flow/permanent_loss.h"
#include "numerics/checked.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

constexpr double kBarToPa = 1e5;
constexpr double kKgPerSecondToTph = 3.6;
constexpr double kWalkStep = 0.01;             // of the inlet pressure
constexpr double kInletPressureCeiling = 1e6;  // times the design inlet pressure

// The flow (t/h) of the current primary device whose permanent loss is `lossBar`, at the
// design inlet pressure: the loss is nearly proportional to the differential pressure, so
// the differential pressure that gives the loss is dp^2 / loss(dp).
double PrimaryDeviceFlowForLoss(double lossBar, double inletPressureBar) {
    const double lossPa = kBarToPa * lossBar;
    const double lossAtLoss =
        PermanentPressureLoss(DeviceCode, std::string(1, StandardLetter), PipeDiameter, DynamicViscosityPas,
                              MaxMassFlow, lossPa, DiameterRatioBeta, DischargeCoefficientC, VelocityOfApproachFactor);
    double massFlow = 0.0;
    FlowFromDiffPressure(MediumCode, DeviceCode, DeviceVariantCode, std::string(1, StandardLetter),
                         kBarToPa * inletPressureBar, CheckedDiv(lossPa * lossPa, lossAtLoss), BoreDiameter,
                         PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating,
                         InletEdgeFactor * RoughnessFactor * BendFactor, massFlow);
    return kKgPerSecondToTph * massFlow;
}

}  // namespace

CriticalPoint ValveFlowForPressureDrop(const ValveDuty& design, bool primaryDevice) {
    ValveDuty duty = design;
    duty.valveDiameterMm = design.pipeDiameterMm;
    const double dp0 = design.dropBar, p10 = design.inletPressureBar, w0 = design.flowTph;
    double dp = dp0, p1 = p10, w = w0;
    bool firstFlag = false;
    for (int step = 0; step < kCriticalWalkLimit; ++step) {
        duty.dropBar = dp;
        duty.inletPressureBar = p10;
        duty.flowTph = w;
        const bool critical = ValveFlowCoefficient(duty).critical;
        if (step == 0)
            firstFlag = critical;
        else if (critical != firstFlag)
            break;
        const double move = kWalkStep * p1;
        if (critical) {
            dp -= move;
            p1 -= move;
        } else {
            dp += move;
            p1 += move;
        }
        // A drop that ran out leaves the walk where it stands rather than take a root of it.
        if (dp <= 0) break;
        w = primaryDevice ? PrimaryDeviceFlowForLoss(dp, p10) : w0 * CheckedSqrt(CheckedDiv(dp, dp0));
        if (p1 > kInletPressureCeiling * p10) break;
    }
    if (p1 > p10) return CriticalPoint{.flowTph = w, .inletPressureBar = p1, .dropBar = dp, .criticalAtDesign = false};
    return CriticalPoint{.flowTph = w0, .inletPressureBar = p10, .dropBar = dp0, .criticalAtDesign = true};
}

}  // namespace tubalyx
