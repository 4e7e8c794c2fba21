#pragma once

#include "state/selections.h"
// The selection the text tests start from: an orifice plate with corner tappings after the
// 2003 standard, solved for the bore, on a dry gas.

namespace tubalyx {

inline void ResetTextSelection() {
    DeviceCode = "S";
    DeviceVariantCode = "R";
    StandardLetter = '3';
    CalcFunction = "Strypf";
    MediumCode = "GAS";
    SolveFor = "DI";
    PhaseLetter = 'N';
    ValveSubtype = "";
}

}  // namespace tubalyx
