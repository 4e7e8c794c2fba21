#pragma once
// A liquefied gas with no phase picked is a gas or a liquid by its state. Where its saturation
// table says it is liquid at the temperature and pressure typed, every page computes it as its
// liquid: the liquid's equations of the valve, the device (expansibility 1) and the line, its
// liquid density and viscosity. The Run decides it from the typed state (DecideTypedPhase) and
// keeps the decision in LiquidAtTypedState for what works from its results afterwards: the
// uncertainty budget, the compensation table, the data sheet, the controller code, the graph.
//
// The page's questionnaire follows the medium and its phase pick alone, whatever the last Run
// found: a layout that followed the Run would ask the next Run for what a liquid reads, and the
// Run would read edits the page no longer shows. IsGasMedium therefore follows the decision only
// while a ComputedPhase lives, and not inside a PickedPhase (the page build) within it.
#include <string>

namespace tubalyx {

// LiquidAtTypedState := MediumCode where it is a liquefied gas with no phase picked, liquid
// (LiquefiedGasLiquidAt) at the temperature and pressure typed: TemperatureMaxC and
// PressureMinPa, and, where the device page asks for a range (UsesGasThroatBranch), at every
// corner of it as well (TemperatureMinC, PressureMaxPa where one is given); else empty. The
// last decision is cleared first, so that the range is the one the pick's page asks for.
void DecideTypedPhase();

// Whether the calculation now takes `code` as its liquid: it is MediumCode, with no phase
// picked, the last Run found it liquid at its typed state, and a ComputedPhase lives outside
// any PickedPhase.
bool TakenAsLiquid(const std::string& code);

// The gas test as the last Run computed the medium, wherever it is asked (the compensation
// table and the report's medium line belong to the Run, also when the page build asks).
bool ComputedAsGas(const std::string& code);

// The rule the medium is taken by while one of the two scopes below lives.
class PhaseScope {
public:
    PhaseScope(const PhaseScope&) = delete;
    PhaseScope& operator=(const PhaseScope&) = delete;

protected:
    explicit PhaseScope(bool computed);
    ~PhaseScope();

private:
    bool saved_;
};

// While one lives, the medium is taken as the last Run found it.
class ComputedPhase : PhaseScope {
public:
    ComputedPhase() : PhaseScope(true) {}
};

// While one lives, the medium is taken as its pick says (the page build).
class PickedPhase : PhaseScope {
public:
    PickedPhase() : PhaseScope(false) {}
};

}  // namespace tubalyx
