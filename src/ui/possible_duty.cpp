#include "ui/possible_duty.h"

#include <algorithm>
#include <iterator>

#include "flow/operating_range.h"
#include "media/humid_gas_mixing.h"
#include "media/medium_identification.h"
#include "media/saturation_limits.h"
#include "media/water_equations.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/unit_parser.h"
#include "state/composition.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"

namespace tubalyx {

namespace {

using Function = CalculationFunction;

bool BelowAbsoluteZero(double celsius) { return !(celsius >= -kKelvinOffset); }
bool NotAbove0(double value) { return !(value > 0); }
bool Negative(double value) { return !(value >= 0); }

// Where the function divides by the flow: the walk of a line's pressure loss, and the Kv a restriction
// orifice is given in the flow field. The flow page's speeds and Reynolds number of no flow are 0.
bool DividesByFlow(Function f) {
    return f == Function::PressureLoss ||
           (f == Function::Valve && ValveSubtype == kSubtypeRestriction && MaxFlowGivenFlag == kMaxFlowAdjusted);
}

// A saturated phase of a liquefied gas beyond its triple or critical point.
bool NoSaturatedState() {
    return !SaturationStateExists(MediumCode, PhaseLetter, OperatingPressure, OperatingTemperature);
}

bool SaturatedSteamAboveCriticalPoint() {
    return MediumCode == kMediumWetSteam && !(OperatingPressure <= kWaterCriticalPointPressurePa);
}

bool Always(const TForm1&) { return true; }

// The dp typed for the primary device leaves a pressure behind it where it sees that dp (a
// volume meter has none).
bool DpLeavesPressure() { return DecodeSelection().VolumeMeter() || MaxDpPa < DesignDpCornerPressure(); }

// The functions an input belongs to, as a set of bits.
constexpr unsigned In(Function f) { return 1u << static_cast<unsigned>(f); }
constexpr unsigned kDevice = In(Function::PrimaryDevice), kValve = In(Function::Valve);
constexpr unsigned kLine = In(Function::PressureLoss), kPiped = kDevice | kLine | In(Function::Flow) | kValve;
constexpr unsigned kEvery = kPiped | In(Function::Thermodynamics);

bool Shown(const TControl& control) {
    for (const TControl* c = &control; c; c = c->Parent())
        if (!c->Visible()) return false;
    return true;
}

template <auto control>
bool ShownControl(const TForm1& f) {
    return Shown(f.*control);
}

// The composition of a mixture, in either of its grids: the humid one stands in for the typed
// one when the user has switched to it.
bool CompositionShown(const TForm1& f) {
    return IsMixtureMedium(MediumCode) && (Shown(f.ViktVolprocGrid) || Shown(f.ViktVolprocgridfukt));
}

// A share of a mixture is a part of it, 0 to 100 % in each of the grid's columns (mass, the two
// volumes, mol): a negative one, or one beyond the whole, is no mixture. Cells that are no
// number take no part, as in the mixture's calculation.
bool ShareBeyondAWhole() {
    constexpr int kFirstShareColumn = 2, kLastShareColumn = 5;
    const TStringGrid& grid = Form1().ViktVolprocGrid;
    for (int col = kFirstShareColumn; col <= kLastShareColumn; ++col) {
        for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
            const double share = StrToFloatSafe(grid.Cell(col, row));
            if (!(share >= 0 && share <= 100)) return true;
        }
    }
    return false;
}

// A humidity no gas holds: a negative relative, absolute or specific humidity, a dew point below
// absolute zero, or a relative humidity whose vapour would stand at more than the whole pressure
// (above 100 % the gas is only supersaturated, and the report warns of it).
bool HumidityNoGasHolds() {
    const std::string& kind = HumidityInputKind;
    if (kind == kHumidityAbsolute) return Negative(AbsoluteHumidity);
    if (kind == kHumiditySpecific) return Negative(SpecificHumidity);
    if (kind == kHumidityDewPoint) return BelowAbsoluteZero(DewTemperatureC);
    if (kind != kHumidityRelative) return false;
    return Negative(RelativeHumidity) ||
           VapourPartialPressure(OperatingPressure, OperatingTemperature, RelativeHumidity) > OperatingPressure;
}

// The humidity is an input wherever the page asks for it and the state takes it, whether or not
// the page showed its edit before the run built it; where the state takes none, an edit that a
// humidity pick showed is none. Natural gas's page asks for none.
bool HumidityAsked() { return MediumHoldsHumidity(MediumCode) && MediumCode != kMediumNaturalGas; }

// An input as the run has read it from the control that shows it, the functions it is an
// input of, and when no duty can have it.
struct ImpossibleInput {
    bool (*shown)(const TForm1&);
    unsigned functions;
    bool (*impossible)(Function);
};

// A unit box shown on the page and read by the duty holds no unit of another kind: a velocity
// typed for a pressure is no pressure. (A text that is no unit at all reads as no value, which
// the duty's checks and calculation refuse already.)
template <auto box, UnitBox kind, unsigned functions>
constexpr ImpossibleInput UnitBoxRow() {
    return {ShownControl<box>, functions, [](Function) { return HoldsUnitOfOtherBox(kind, (Form1().*box).Text()); }};
}

// The given viscosity's box, read for the user's gases and liquid; the oil's, for the oil.
bool GivenViscosityOfOtherKind(Function) {
    const bool given = IsUserGasMedium(MediumCode) || MediumCode == kMediumLiquid;
    return given && HoldsUnitOfOtherBox(UnitBox::Viscosity, Form1().qbgsort.Text());
}
bool OilViscosityOfOtherKind(Function) {
    return MediumCode == kMediumOil && HoldsUnitOfOtherBox(UnitBox::Viscosity, Form1().q40bgsort.Text());
}

// clang-format off
const ImpossibleInput kImpossibleInputs[] = {
    {ShownControl<&TForm1::abstryckantal>, kEvery, [](Function) { return NotAbove0(PressureMinPa) || NotAbove0(OperatingPressure); }},
    {ShownControl<&TForm1::temp>, kEvery, [](Function) { return BelowAbsoluteZero(TemperatureMaxC) || BelowAbsoluteZero(OperatingTemperature); }},
    {ShownControl<&TForm1::tempmin>, kDevice, [](Function) { return BelowAbsoluteZero(TemperatureMinC); }},
    {ShownControl<&TForm1::Dstorkallmm>, kPiped, [](Function) { return NotAbove0(PipeDiameterColdMm); }},
    {ShownControl<&TForm1::dkallmm>, kDevice | kValve, [](Function) { return NotAbove0(BoreDiameterColdMm); }},
    {ShownControl<&TForm1::hkallmm>, kDevice | kValve, [](Function) { return NotAbove0(SegmentHeightColdMm); }},
    {ShownControl<&TForm1::Ventilkallmm>, kValve, [](Function) { return NotAbove0(ValveDiameterColdMm); }},
    {ShownControl<&TForm1::matstrack>, kDevice | kLine, [](Function) { return Negative(StraightLengthM); }},
    // A flow beyond the range of its unit reads as none: the typed sign tells a negative one.
    {ShownControl<&TForm1::maxflowantal>, kPiped, [](Function f) {
        return Negative(MaxFlowInput) || (DividesByFlow(f) ? NotAbove0(MaxFlowSI) : Negative(MaxFlowSI)); }},
    {ShownControl<&TForm1::minflowantal>, kDevice, [](Function) { return Negative(MinFlowInput) || Negative(MinFlowSI); }},
    // The valve pages take the outlet pressure where the others take a differential pressure;
    // the run keeps the drop to it.
    {ShownControl<&TForm1::difftryckmaxantal>, kValve, [](Function) { return NotAbove0(OperatingPressure - MaxDpPa) || NotAbove0(MaxDpPa); }},
    {ShownControl<&TForm1::fl>, kValve, [](Function) { return NotAbove0(ValveFL) || ValveFL > 1; }},
    {CompositionShown, kEvery, [](Function) { return ShareBeyondAWhole(); }},
    {Always, kEvery, [](Function) { return NoSaturatedState(); }},
    {Always, kEvery, [](Function) { return HumidityAsked() && HumidityNoGasHolds(); }},
    {ShownControl<&TForm1::difftryckmaxantal>, kDevice, [](Function) { return !DpLeavesPressure(); }},
    // Water has no saturation above its critical point.
    {Always, kEvery, [](Function) { return SaturatedSteamAboveCriticalPoint(); }},
    // A range is its minimum up to its maximum (both in the one pressure unit); a maximum
    // left at 0 or below is none, and stands at the minimum by now.
    {ShownControl<&TForm1::abstryckmaxantal>, kDevice, [](Function) { return PressureMinInput > PressureMaxInput; }},
    UnitBoxRow<&TForm1::abstrycksort, UnitBox::Pressure, kEvery>(),
    UnitBoxRow<&TForm1::difftryckmaxsort, UnitBox::Pressure, kDevice | kValve>(),
    UnitBoxRow<&TForm1::difftryckmaxmaxgrsort, UnitBox::Pressure, kDevice>(),
    UnitBoxRow<&TForm1::difftryckmaxmingrsort, UnitBox::Pressure, kDevice>(),
    UnitBoxRow<&TForm1::tryckforlmaxsort, UnitBox::Pressure, kDevice>(),
    UnitBoxRow<&TForm1::angtrycksort, UnitBox::Pressure, kValve>(),
    UnitBoxRow<&TForm1::krittrycksort, UnitBox::Pressure, kValve>(),
    UnitBoxRow<&TForm1::maxflowsort, UnitBox::Flow, kPiped>(),
    {ShownControl<&TForm1::qbgsort>, kEvery, GivenViscosityOfOtherKind},
    {ShownControl<&TForm1::q40bgsort>, kEvery, OilViscosityOfOtherKind},
};
// clang-format on

}  // namespace

bool SolvedDpLeavesPressure() {
    if (DecodeSelection().VolumeMeter()) return true;
    // A dp or flow solve takes the max flow's dp at the operating state as well.
    const bool atOperatingState = SolveFor == kSolveDp || SolveFor == kSolveFlow;
    return MaxFlowDpPa < DesignDpCornerPressure() && (!atOperatingState || MaxDpPa < OperatingPressure);
}

bool DutyIsPossible(CalculationFunction function) {
    const TForm1& f = Form1();
    return std::none_of(std::begin(kImpossibleInputs), std::end(kImpossibleInputs), [&](const ImpossibleInput& input) {
        return (input.functions & In(function)) && input.shown(f) && input.impossible(function);
    });
}

}  // namespace tubalyx
