#include "pressure_loss/valve_sizing.h"

#include <cmath>
#include <numbers>

#include "flow/flow_iterations.h"
#include "media/medium_property_switch.h"
#include "media/medium_state.h"
#include "media/medium_state_limits.h"
#include "media/possible_state.h"
#include "media/saturation_limits.h"
#include "media/thermal_expansion.h"
#include "media/typed_phase.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/unit_parser.h"
#include "pressure_loss/critical_flow.h"
#include "pressure_loss/valve_coefficients.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/valve_state.h"

namespace tubalyx {

namespace {

constexpr double kPaToBar = 1e-5;
constexpr double kWaterCriticalPressureBar = 221.2;
constexpr double kKgPerSecondToTph = 3.6;
constexpr double kRelativeTolerance = 1e-4;
// How near the orifice found for a flow must pass it: its bore search settles to 1e-6.
constexpr double kPassedFlowTolerance = 1e-3;
constexpr double kBoreSearchFirstFactor = 2.0;
constexpr double kKvSearchFirstFactor = 4.0;
constexpr int kKvSearchRounds = 2;
// The flow the Kv search starts from when the flow field gives none.
constexpr double kKvSearchStartTph = 1.0;

// The restriction orifice is an orifice plate of the state's tapping and standard.
constexpr const char* kRestrictionDevice = "S";

double DeviceExpansion() {
    return ThermalExpansionFactor(DeviceExpansionCoeff, DeviceExpansionCoeffB, OperatingTemperature);
}
double PipeExpansion() { return ThermalExpansionFactor(PipeExpansionCoeff, PipeExpansionCoeffB, OperatingTemperature); }

std::string Standard() { return std::string(1, StandardLetter); }

ValveDuty DutyFromState(double flowTph) {
    return ValveDuty{.medium = ValveMediumOf(MediumCode),
                     .restriction = ValveSubtype == kSubtypeRestriction,
                     .flowTph = flowTph,
                     .flowFactor = ValveFlowFactor,
                     .density = FlowDensity,
                     .temperatureC = OperatingTemperature,
                     .inletPressureBar = InletPressureBar,
                     .vapourPressureBar = VapourPressureBar,
                     .criticalPressureBar = CriticalPressureBar,
                     .dropBar = MaxDpBar,
                     .fl = ValveFL,
                     .valveDiameterMm = ValveDiameterColdMm,
                     .pipeDiameterMm = PipeDiameterColdMm};
}

// The bore (m, operating temperature) whose permanent loss is the whole drop MaxDpPa at
// the flow; leaves the orifice's differential pressure in DeviceDrop.
double BoreForLoss(double flowTph) {
    double bore = 0.0, loss = 0.0;
    RestrictionDiffPressureForLoss(MediumCode, kRestrictionDevice, DeviceVariantCode, Standard(), OperatingPressure,
                                   flowTph / kKgPerSecondToTph, MaxDpPa, PipeDiameter, FlowDensity, DynamicViscosityPas,
                                   KappaOperating, 1.0, DeviceDrop, bore, loss);
    return bore;
}

// A flow that no bore smaller than the tube passes at the drop, not even at a differential
// pressure of the whole inlet pressure, leaves the search at its largest bore, which passes
// a fraction of it: the duty has no orifice. (One that passes it short of the drop chokes.)
double BorePassingTheFlow(double flowTph) {
    const double bore = BoreForLoss(flowTph);
    double massFlow = 0.0;
    FlowFromDiffPressure(MediumCode, kRestrictionDevice, DeviceVariantCode, Standard(), OperatingPressure, DeviceDrop,
                         bore, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating, 1.0, massFlow);
    if (!(std::fabs(kKgPerSecondToTph * massFlow - flowTph) <= kPassedFlowTolerance * flowTph))
        throw CalcError("no orifice smaller than the tube passes the flow");
    return bore;
}

// A flow search by factors: the flow is multiplied by the factor, and the factor becomes
// 1/sqrt(factor) (turning and shrinking the step) whenever the quantity passes its target
// in the direction of the last step. `quantity` grows with the flow.
template <class Quantity>
double SearchFlow(double flowTph, double firstFactor, double target, Quantity quantity) {
    double factor = firstFactor;
    for (int pass = 0; pass < kRestrictionSearchLimit; ++pass) {
        const double value = quantity(flowTph);
        if (std::fabs(CheckedDiv(value - target, target)) < kRelativeTolerance) break;
        if ((factor > 1) == (value > target)) factor = 1 / CheckedSqrt(factor);
        flowTph *= factor;
    }
    return flowTph;
}

// The flow at which the given bore loses the whole drop.
double RestrictionFlowForBore() {
    double massFlow = 0.0;
    FlowFromDiffPressure(MediumCode, kRestrictionDevice, DeviceVariantCode, Standard(), OperatingPressure, MaxDpPa,
                         BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating, 1.0, massFlow);
    const double target = BoreDiameter;
    return SearchFlow(kKgPerSecondToTph * massFlow, kBoreSearchFirstFactor, target, BoreForLoss);
}

// FL^2 is the share of the orifice's differential pressure that is lost for good: the
// drop over the element (its permanent loss) over the orifice's differential pressure.
double RecoveryFactorOfDrop() { return CheckedSqrt(CheckedDiv(MaxDpPa, DeviceDrop)); }

// The flow of an orifice of the given Kv (MaxFlowInput); its bore follows the flow.
double RestrictionFlowForKv() {
    double flowTph = ValveMassFlowTph > 0 ? ValveMassFlowTph : kKvSearchStartTph;
    BoreDiameter = BoreForLoss(flowTph);
    for (int round = 0; round < kKvSearchRounds; ++round) {
        ValveDuty duty = DutyFromState(flowTph);
        duty.fl = RecoveryFactorOfDrop();
        flowTph = SearchFlow(flowTph, kKvSearchFirstFactor, MaxFlowInput, [&duty](double w) {
            duty.flowTph = w;
            return ValveFlowCoefficient(duty).kv;
        });
        BoreDiameter = BoreForLoss(flowTph);
    }
    return flowTph;
}

void SizeRestriction() {
    CriticalFlow = ValveMassFlowTph;
    PipeDiameter = 0.001 * PipeDiameterColdMm * PipeExpansion();
    BoreDiameter = BoreDiameterColdM * DeviceExpansion();
    const bool kvGiven = MaxFlowGivenFlag == kMaxFlowAdjusted;
    if (SolveFor == kSolveFlow) {
        ValveMassFlowTph = RestrictionFlowForBore();
    } else if (kvGiven) {
        ValveMassFlowTph = RestrictionFlowForKv();
    } else {
        BoreDiameter = BorePassingTheFlow(ValveMassFlowTph);
    }
    BoreDiameterColdM = CheckedDiv(BoreDiameter, DeviceExpansion());
    BoreDiameterColdMm = 1000 * BoreDiameterColdM;
    RestrictionFL = RecoveryFactorOfDrop();

    ValveDuty design = DutyFromState(ValveMassFlowTph);
    design.fl = RestrictionFL;
    design.valveDiameterMm = PipeDiameterColdMm;
    const ValveCoefficient atDesign = ValveFlowCoefficient(design);
    ValveKv = atDesign.kv;
    ValveFLP = atDesign.flp;
    ValveFp = atDesign.fp;
    if (kvGiven && SolveFor != kSolveFlow) {
        ValveFL = RestrictionFL;
        ValveKv = MaxFlowInput;
    }
    const CriticalPoint point = ValveFlowForPressureDrop(design, false);
    CriticalFlow = point.flowTph;
    CriticalInletPressureBar = point.inletPressureBar;
    ValveCriticalFlag = point.criticalAtDesign;
}

void SizeValve() {
    // The flow-speed lines need the pipe at operating temperature for a valve too.
    PipeDiameter = 0.001 * PipeDiameterColdMm * PipeExpansion();
    const ValveCoefficient c = ValveFlowCoefficient(DutyFromState(ValveMassFlowTph));
    ValveKv = c.kv;
    ValveFLP = c.flp;
    ValveFp = c.fp;
    ValveCriticalFlag = c.critical;
    RestrictionFL = ValveFL;
}

}  // namespace

ValveSaturationPressures ValveSaturationPressuresBar(const std::string& medium, double temperatureC,
                                                     double vapourPressurePa, double liquidCriticalPressurePa) {
    if (medium == kMediumWater || medium == kMediumWaterMas)
        return {kPaToBar * WaterSaturationPressure(temperatureC), kWaterCriticalPressureBar};
    if (medium == kMediumLiquid) return {kPaToBar * vapourPressurePa, kPaToBar * liquidCriticalPressurePa};
    if (TakenAsLiquid(medium))
        return {kPaToBar * LiquefiedGasSaturationPressurePa(medium, temperatureC),
                kPaToBar * SaturationCriticalPressurePa(medium)};
    return {};
}

double CriticalFlowAtOperatingState(double flowTph, double dropBar, double fl, bool primaryDevice) {
    const ValveSaturationPressures p =
        ValveSaturationPressuresBar(MediumCode, OperatingTemperature, VapourPressurePa, LiquidCriticalPressurePa);
    const ValveDuty design{.medium = ValveMediumOf(MediumCode),
                           .restriction = true,
                           .flowTph = flowTph,
                           .flowFactor = 1.0,
                           .density = FlowDensity,
                           .temperatureC = OperatingTemperature,
                           .inletPressureBar = kPaToBar * OperatingPressure,
                           .vapourPressureBar = p.vapourPressureBar,
                           .criticalPressureBar = p.criticalPressureBar,
                           .dropBar = dropBar,
                           .fl = fl,
                           .valveDiameterMm = PipeDiameterColdMm,
                           .pipeDiameterMm = PipeDiameterColdMm};
    return ValveFlowForPressureDrop(design, primaryDevice).flowTph;
}

void CalculateValve() {
    MaxDpBar = kPaToBar * MaxDpPa;
    InletPressureBar = kPaToBar * OperatingPressure;
    BoreDiameterColdM = 0.001 * BoreDiameterColdMm;
    BoreDiameter = DeviceExpansion() * BoreDiameterColdM;
    const ValveSaturationPressures p =
        ValveSaturationPressuresBar(MediumCode, OperatingTemperature, VapourPressurePa, LiquidCriticalPressurePa);
    VapourPressureBar = p.vapourPressureBar;
    CriticalPressureBar = p.criticalPressureBar;
    if (MediumCode != kMediumWater && MediumCode != kMediumWaterMas && MediumCode != kMediumLiquid) {
        VapourPressurePa = 0.0;
        LiquidCriticalPressurePa = 0.0;
    }
    CalcHumidGasState();
    if (CalcFunction == kFunctionValve) {
        const bool volume = ConvertPressureEntry(FlowUnit) == kUnitVolumeFlow;
        ValveMassFlowTph = volume ? 0.001 * MaxFlowSI * FlowDensity * 0.001 : 0.001 * MaxFlowSI;
    }
}

void ValveSizing() {
    ValveFlowFactor = 1.0;
    if (ValveSubtype == kSubtypeRestriction)
        SizeRestriction();
    else
        SizeValve();
    const double volumeFlow = CheckedDiv(ValveMassFlowTph / ValveFlowFactor * 1000 / 3600, FlowDensity);  // m3/s
    ValvePowerW = CheckFinite(MaxDpPa * volumeFlow);
    ValvePipeVelocity = CheckedDiv(4 * volumeFlow, std::numbers::pi * PipeDiameterColdM * PipeDiameterColdM);
    // The pipe before the valve carries no gas faster than sound.
    if (!PipeFlowBelowSound(ValvePipeVelocity)) throw CalcError("the pipe's flow reaches the speed of sound");
    MaxMassFlow = ValveMassFlowTph / kKgPerSecondToTph;
}

void RunValve() {
    CalculateValve();
    CheckMediumStateLimits(TableRangeNote);
    ValveSizing();
}

}  // namespace tubalyx
