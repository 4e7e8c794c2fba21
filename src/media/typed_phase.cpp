#include "media/typed_phase.h"

#include "media/medium_identification.h"
#include "media/medium_property_switch.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

// Whether the calculation takes the medium as the last Run found it.
bool asComputed = false;

bool LastRunTookAsLiquid(const std::string& code) {
    return !LiquidAtTypedState.empty() && code == LiquidAtTypedState && code == MediumCode && PhaseLetter == kPhaseNone;
}

}  // namespace

void DecideTypedPhase() {
    LiquidAtTypedState.clear();
    if (!IsLiquefiedGasMedium(MediumCode) || PhaseLetter != kPhaseNone) return;
    const bool range = UsesGasThroatBranch();
    const double temperatures[] = {TemperatureMaxC, range ? TemperatureMinC : TemperatureMaxC};
    const double pressures[] = {PressureMinPa, range && PressureMaxInput > 0 ? PressureMaxPa : PressureMinPa};
    for (const double t : temperatures)
        for (const double p : pressures)
            if (!LiquefiedGasLiquidAt(MediumCode, p, t)) return;
    LiquidAtTypedState = MediumCode;
}

bool TakenAsLiquid(const std::string& code) { return asComputed && LastRunTookAsLiquid(code); }

bool ComputedAsGas(const std::string& code) {
    const ComputedPhase computed;
    return IsGasMedium(code);
}

PhaseScope::PhaseScope(bool computed) : saved_(asComputed) { asComputed = computed; }
PhaseScope::~PhaseScope() { asComputed = saved_; }

}  // namespace tubalyx
