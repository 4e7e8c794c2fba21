#include "ui/possible_duty.h"

#include <algorithm>
#include <iterator>

#include "numerics/physical_constants.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

using Function = CalculationFunction;

bool BelowAbsoluteZero(double celsius) { return !(celsius >= -kKelvinOffset); }
bool NotAbove0(double value) { return !(value > 0); }
bool Negative(double value) { return !(value >= 0); }

// Where the function divides by the flow: the line's velocity, and the Kv a restriction
// orifice is given in the flow field.
bool DividesByFlow(Function f) {
    return f == Function::PressureLoss || f == Function::Flow ||
           (f == Function::Valve && ValveSubtype == kSubtypeRestriction && MaxFlowGivenFlag == kMaxFlowAdjusted);
}

// The functions an input belongs to, as a set of bits.
constexpr unsigned In(Function f) { return 1u << static_cast<unsigned>(f); }
constexpr unsigned kDevice = In(Function::PrimaryDevice), kValve = In(Function::Valve);
constexpr unsigned kLine = In(Function::PressureLoss), kPiped = kDevice | kLine | In(Function::Flow) | kValve;
constexpr unsigned kEvery = kPiped | In(Function::Thermodynamics);

// An input as the run has read it from the edit that shows it, the functions it is an input
// of, and when no duty can have it.
struct ImpossibleInput {
    TEdit TForm1::*edit;
    unsigned functions;
    bool (*impossible)(Function);
};

// clang-format off
const ImpossibleInput kImpossibleInputs[] = {
    {&TForm1::abstryckantal, kEvery, [](Function) { return NotAbove0(PressureMinPa) || NotAbove0(OperatingPressure); }},
    {&TForm1::temp, kEvery, [](Function) { return BelowAbsoluteZero(TemperatureMaxC) || BelowAbsoluteZero(OperatingTemperature); }},
    {&TForm1::tempmin, kDevice, [](Function) { return BelowAbsoluteZero(TemperatureMinC); }},
    {&TForm1::Dstorkallmm, kPiped, [](Function) { return NotAbove0(PipeDiameterColdMm); }},
    {&TForm1::dkallmm, kDevice | kValve, [](Function) { return NotAbove0(BoreDiameterColdMm); }},
    {&TForm1::hkallmm, kDevice | kValve, [](Function) { return NotAbove0(SegmentHeightColdMm); }},
    {&TForm1::Ventilkallmm, kValve, [](Function) { return NotAbove0(ValveDiameterColdMm); }},
    {&TForm1::matstrack, kDevice | kLine, [](Function) { return Negative(StraightLengthM); }},
    // A flow beyond the range of its unit reads as none: the typed sign tells a negative one.
    {&TForm1::maxflowantal, kPiped, [](Function f) {
        return Negative(MaxFlowInput) || (DividesByFlow(f) ? NotAbove0(MaxFlowSI) : Negative(MaxFlowSI)); }},
    {&TForm1::minflowantal, kDevice, [](Function) { return Negative(MinFlowInput) || Negative(MinFlowSI); }},
    // The valve pages take the outlet pressure where the others take a differential pressure;
    // the run keeps the drop to it.
    {&TForm1::difftryckmaxantal, kValve, [](Function) { return NotAbove0(OperatingPressure - MaxDpPa) || NotAbove0(MaxDpPa); }},
    {&TForm1::fl, kValve, [](Function) { return NotAbove0(ValveFL) || ValveFL > 1; }},
};
// clang-format on

bool Shown(const TControl& control) {
    for (const TControl* c = &control; c; c = c->Parent())
        if (!c->Visible()) return false;
    return true;
}

}  // namespace

bool DutyIsPossible(CalculationFunction function) {
    const TForm1& f = Form1();
    return std::none_of(std::begin(kImpossibleInputs), std::end(kImpossibleInputs), [&](const ImpossibleInput& input) {
        return (input.functions & In(function)) && Shown(f.*input.edit) && input.impossible(function);
    });
}

}  // namespace tubalyx
