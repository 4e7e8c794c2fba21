#include "flow/operating_range.h"

#include <cmath>
#include <string>
#include <string_view>

#include "flow/device_selection.h"
#include "flow/flow_iterations.h"
#include "media/medium_identification.h"
#include "numerics/checked.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/unit_parser.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

constexpr double kTolerance = 1e-6;

// The device at the operating state with the installation corrections in force.
struct OperatingDevice {
    DeviceSelection sel;
    bool cone = false;
    double cf = 1.0;  // Cf of the cone equation
    double p = 0.0, rho = 0.0, mu = 0.0, kappa = 0.0, f = 1.0, pipe = 0.0;

    double Dp(double qm, double bore) const { return DiffPressureFromFlowFor(Case(), qm, bore, 1e-7, 1001); }
    // The dp of a search pass: one that does not settle gives the search nothing to stand on.
    double SearchDp(double qm, double bore) const {
        const DpSolve solve = SolveDiffPressure(Case(), qm, bore, 1e-7, 1001);
        if (!solve.settled) throw CalcError("the dp of the operating-range search does not settle");
        return solve.dp;
    }
    double Flow(double dp, double bore) const { return FlowFromDiffPressureFor(Case(), dp, bore); }
    FlowCase Case() const { return {sel, cone, cf, p, pipe, rho, mu, kappa, f}; }
};

OperatingDevice CurrentDevice() {
    OperatingDevice dev;
    const std::string standard(1, StandardLetter);
    dev.sel = DecodeDeviceSelection(MediumCode, DeviceCode, DeviceVariantCode, standard);
    dev.cone = IsConeDevice(dev.sel.device);
    dev.cf = CalibratedCf;
    dev.p = OperatingPressure;
    dev.rho = FlowDensity;
    dev.mu = DynamicViscosityPas;
    dev.kappa = KappaOperating;
    dev.f = InletEdgeFactor * RoughnessFactor * BendFactor;
    dev.pipe = PipeDiameter;
    return dev;
}

[[noreturn]] void NoConvergence() { throw CalcError("the operating-range search does not reach the maximum flow"); }

// One pass of the step rule: true when the corner flow meets the max flow. The step turns and
// halves when it moves x away from the max flow: a flow below it wants a larger dp or bore,
// but a smaller cone, since a cone meter passes less as its cone grows (`rising` false).
// A step halved below the resolution of x no longer moves it, so every later pass would
// repeat this one: the search ends there instead of at its pass bound.
bool StepTowards(double cornerFlow, double& x, double& step, bool rising) {
    if (CheckedDiv(std::fabs(cornerFlow - MaxMassFlow), MaxMassFlow) < kTolerance) return true;
    const bool up = (cornerFlow < MaxMassFlow) == rising;
    if ((up && step < 0.0) || (!up && step > 0.0)) step = -step * 0.5;
    const double next = x + step;
    if (next == x) NoConvergence();
    x = next;
    return false;
}

// A bore the search moves to the pipe's own size or beyond is no restriction: the flow has no
// bore. Short of it the bore stands, with the standard's limit notes of a beta that large.
void RequireBoreInPipe(const OperatingDevice& dev, double bore) {
    if (!(bore < dev.pipe)) NoConvergence();
}

double UserFlow(double si) { return CheckFinite(si * CheckedDiv(MaxFlowInput, MaxMassFlow)); }

FlowValue Flow(double si) { return FlowValue{si, UserFlow(si)}; }

double PaOfUnit(double value) {
    std::string unit = DpUnit;
    std::string kind;
    double pa = 0.0;
    ParseUnitValue(unit, value, 1.0, 1.0, pa, kind);
    return pa;
}

void ShowMaxDpEntered() { CalculationWindow().difftryckmaxantal.SetText(FormatFixed(MaxDpEntered, 5)); }

// A dp in Pa in the user's unit, once DpUnitFactor is set: the factor is the unit per kPa
// after a dp solve, and the Pa of the typed dp otherwise.
double PaToUserDp(double pa, bool dpSolve) {
    return dpSolve ? CheckedDiv(0.001 * pa, DpUnitFactor) : CheckedDiv(pa * MaxDpInput, DpUnitFactor);
}

// The design dp, already in kPa in MaxDpEntered, into the user's unit.
void KpaToUserUnit() {
    ShowMaxDpEntered();
    DpUnitFactor = CheckedDiv(0.001 * PaOfUnit(MaxDpEntered), MaxDpEntered);
    MaxDpEntered = CheckedDiv(MaxDpEntered, DpUnitFactor);
    ShowMaxDpEntered();
}

// The design dp in the user's unit: where the device sees the dp typed, the typed number itself,
// so that the edit it goes back to reads as the run read it.
void InputUnitToUser() {
    DpUnitFactor = PaOfUnit(MaxDpInput);
    MaxDpEntered = CheckFinite(MaxDpInput * CheckedDiv(MaxFlowDpPa, DpUnitFactor));
}

// normalDp is the dp of the normal point, maxPointDp the dp at which the device passes qx.
void FillCommon(const OperatingDevice& dev, double qn, double qx, const DpValue& normalDp, const DpValue& maxPointDp) {
    DpTransmitterValueSet& v = DpTransmitterValues;
    const double designFlow = dev.Flow(MaxFlowDpPa, BoreDiameter);
    v.normalPointFlow = Flow(qn);
    v.normalPointDp = normalDp;
    v.maxPointFlow = Flow(qx);
    v.maxPointDp = maxPointDp;
    v.designDpFlow = Flow(designFlow);
    v.designDp = DpValue{MaxFlowDpPa, MaxDpEntered};
    v.rootNormalFlow = Flow(qn);
    v.rootMaxFlow = Flow(qx);
    v.designDpFlowAgain = Flow(designFlow);
    v.maxFlow = Flow(qx);
    v.flowAtMaxDp = Flow(FlowAtMaxDp);
}

void CornerSearch(const OperatingDevice& dev) {
    const bool dpSolve = SolveFor == kSolveDp;
    const double ratio = DensityRatioWorstCase;
    const double rootRatio = CheckedSqrt(ratio);
    double x = dpSolve ? MaxDpPa : BoreDiameter;
    double step = dpSolve ? -0.001 * x : 0.001 * x;
    bool met = false;
    for (int n = 0; n < kOperatingRangePassLimit && !met; ++n) {
        double corner = 0.0;
        if (dpSolve) {
            corner = dev.Flow(x * ratio, BoreDiameter);
            MaxFlowDpPa = x;
        } else {
            const double dpq = dev.SearchDp(MaxMassFlow, x);
            corner = CheckFinite(CheckedSqrt(CheckedDiv(MaxFlowDpPa, dpq)) * MaxMassFlow * rootRatio);
        }
        met = StepTowards(corner, x, step, dpSolve || !dev.cone);
    }
    if (!met) NoConvergence();
    if (!dpSolve) RequireBoreInPipe(dev, x);
    if (!dpSolve) BoreDiameter = x;

    const double dpN = dev.Dp(0.67 * MaxMassFlow, BoreDiameter);
    const double dpQ = dev.Dp(MaxMassFlow, BoreDiameter);
    if (dpSolve) {
        MaxFlowDpPa = x;
        MaxDpEntered = 0.001 * MaxFlowDpPa;
        KpaToUserUnit();
    } else {
        InputUnitToUser();
    }
    const double qn = CheckFinite(0.67 * MaxMassFlow * CheckedSqrt(CheckedDiv(dpQ, dpN)));
    const double qx = MaxMassFlow;
    const DpValue q{dpQ, PaToUserDp(dpQ, dpSolve)};
    FillCommon(dev, qn, qx, q, q);
    const double rootAtDesign = CheckFinite(CheckedSqrt(CheckedDiv(MaxDpPa, dpQ)) * qn);
    DpTransmitterValues.rootNormalFlowAtDesignDp = Flow(rootAtDesign);
    DpTransmitterValues.cornerRootNormalFlow = Flow(rootRatio * rootAtDesign);
    FlowRangeMaxDpPa = MaxDpPa;
    FlowRangeDpPa = dpQ;

    const std::string standard(1, StandardLetter);
    ScaledDiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, standard, dev.p, 0.67 * MaxMassFlow,
                               MaxMassFlow, BoreDiameter, dev.pipe, dev.rho, dev.mu, dev.kappa, dev.f, ScaledMaxDpPa);
}

void ScaledPointSearch(const OperatingDevice& dev) {
    const bool dpSolve = SolveFor == kSolveDp;
    // A flow solve has its bore and dp given, and its max flow is what the device passes at
    // them: there is nothing to move. Its design dp stays the typed one, so that every flow
    // the transmitter lines pair with that dp is the device's own flow at it, and the bore
    // stays the typed one (at the operating temperature).
    const bool flowSolve = SolveFor == kSolveFlow;
    const double ratio = DensityRatioWorstCase;
    const double rootRatio = CheckedSqrt(ratio);
    double xDp = flowSolve ? MaxFlowDpPa : ScaledMaxDpPa;
    double xD = BoreDiameter;
    double step = dpSolve ? -0.001 * xDp : 0.001 * xD;
    double q1 = 0.0;
    double corner = 0.0;
    bool met = false;
    for (int n = 0; n < kOperatingRangePassLimit && !met; ++n) {
        q1 = dev.Flow(xDp * ratio, xD);
        const double dpN = dev.SearchDp(0.67 * q1, xD);
        corner = CheckFinite(rootRatio * 0.67 * q1 * CheckedSqrt(CheckedDiv(xDp, dpN)));
        met = flowSolve || StepTowards(corner, dpSolve ? xDp : xD, step, dpSolve || !dev.cone);
    }
    if (!met) NoConvergence();
    if (!dpSolve && !flowSolve) RequireBoreInPipe(dev, xD);
    if (!flowSolve) ScaledMaxDpPa = xDp;  // a flow solve keeps the one its step scaled
    BoreDiameter = xD;
    MaxFlowDpPa = xDp;

    const double dpN = dev.Dp(0.67 * q1, BoreDiameter);
    const double dpQ = ratio * MaxDpPa;
    if (dpSolve) {
        MaxDpInput = 0.001 * MaxFlowDpPa;
        MaxDpEntered = MaxDpInput;
        KpaToUserUnit();
    } else {
        InputUnitToUser();
    }
    const double qn = CheckFinite(0.67 * q1 * CheckedSqrt(CheckedDiv(dpQ, dpN)));
    // The max point is q1 at the dp it was found at: a dp solve moves the design dp from the
    // max dp, and q1 over the root of the max dp would be no root law of the device, nor the
    // law whose deviation the report prints beside it.
    const double maxPointDp = ratio * xDp;
    FillCommon(dev, qn, q1, DpValue{dpQ, PaToUserDp(dpQ, dpSolve)},
               DpValue{maxPointDp, PaToUserDp(maxPointDp, dpSolve)});
    DpTransmitterValues.rootNormalFlowAtDesignDp = Flow(CheckFinite(CheckedSqrt(CheckedDiv(MaxFlowDpPa, dpQ)) * qn));
    DpTransmitterValues.cornerRootNormalFlow = Flow(corner);
    FlowRangeMaxDpPa = MaxFlowDpPa;
    FlowRangeDpPa = dpQ;
}

}  // namespace

double DesignDpCornerPressure() {
    if (!(UsesGasThroatBranch() && PressureMaxInput > 0)) return OperatingPressure;
    return ConvertPressureEntry(FlowUnit) == kUnitVolumeFlow ? PressureMaxPa : PressureMinPa;
}

void UpdateDensityRatioWorstCase() {
    const std::string kind = ConvertPressureEntry(FlowUnit);
    const bool gasBranch = UsesGasThroatBranch();
    if (kind == kUnitMassFlow) {
        DensityRatioWorstCase =
            gasBranch ? CheckFinite(CheckedDiv(kKelvinOffset + OperatingTemperature, kKelvinOffset + TemperatureMaxC) *
                                    CheckedDiv(PressureMinPa, OperatingPressure))
                      : 1.0;
    } else if (kind == kUnitVolumeFlow) {
        DensityRatioWorstCase =
            gasBranch
                ? CheckedDiv(1.0, CheckedDiv(kKelvinOffset + OperatingTemperature, kKelvinOffset + TemperatureMinC) *
                                      CheckedDiv(PressureMaxPa, OperatingPressure))
                : 1.0;
    }
}

void AdjustForOperatingRange() {
    const OperatingDevice dev = CurrentDevice();
    const bool searched = SolveFor == kSolveDp || SolveFor == kSolveBore || SolveFor == kSolveOptimal;
    if (MaxFlowGivenFlag == kMaxFlowPlain && searched) {
        CornerSearch(dev);
    } else {
        ScaledPointSearch(dev);
    }
}

}  // namespace tubalyx
