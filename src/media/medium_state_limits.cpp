#include "media/medium_state_limits.h"

#include "media/medium_state.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

struct ReasonTexts {
    const char* swedish;
    const char* german;
    const char* english;
};

constexpr ReasonTexts kPropaneLiquid{"TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA ELLER VÄTSKA!",
                                     "DRUCK/TEMPERATUR AUSSERHALB TAFELGRENZEN ODER FLUSSIG!",
                                     "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS OR LIQUID!"};
constexpr ReasonTexts kPropaneGas{"TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA ELLER GAS!",
                                  "DRUCK/TEMPERATUR AUSSERHALB TAFELGRENZEN ODER GAS!",
                                  "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS OR GAS!"};
constexpr ReasonTexts kSelectWater{"TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA! (Välj VATTEN)",
                                   "DRUCK/TEMPERATUR AUSSERHALB TAFELGRENZEN! (WASSER wählen)",
                                   "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS! (Select WATER)"};
constexpr ReasonTexts kSelectSteam{"TRYCK/TEMPERATUR UTANFÖR TABELLGRÄNSERNA! (Välj ÅNGA)",
                                   "DRUCK/TEMPERATUR AUSSERHALB TAFELGRENZEN! (DAMPF wählen)",
                                   "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS! (Select STEAM)"};
constexpr ReasonTexts kNoReason{" ", " ", " "};

// Compared against the operating pressure; a temperature the saturation line cannot take
// gives no reason rather than an error, since the note itself must not fail.
bool SaturationPressureAt(double t, double& ps) {
    try {
        ps = WaterSaturationPressure(t);
        return std::isfinite(ps);
    } catch (const CalcError&) {
        return false;
    }
}

const ReasonTexts& Reason() {
    if (MediumCode == kMediumPropane && !(FlowDensity > 0.0)) return kPropaneLiquid;
    if (MediumCode == kMediumPropaneLiquid && !(FlowDensity > 0.0)) return kPropaneGas;
    if (MediumCode == kMediumSteam || MediumCode == kMediumWater) {
        double ps = 0.0;
        if (SaturationPressureAt(OperatingTemperature, ps)) {
            if (MediumCode == kMediumSteam && ps < OperatingPressure) return kSelectWater;
            if (MediumCode == kMediumWater && ps > OperatingPressure) return kSelectSteam;
        }
    }
    return kNoReason;
}

}  // namespace

void CheckMediumStateLimits(std::string& note) {
    const ReasonTexts& reason = Reason();
    switch (LanguageLetter) {
        case kLanguageSwedish: note = reason.swedish; break;
        case kLanguageGerman: note = reason.german; break;
        case kLanguageEnglish: note = reason.english; break;
        default: break;
    }
}

}  // namespace tubalyx
