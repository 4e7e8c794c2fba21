#pragma once
// The calculation-function keyword decoded once, for the run and the report head.
#include <string_view>
#include "state/keywords.h"

namespace tubalyx {

enum class CalculationFunction {
    Thermodynamics,  // "Termo"
    PrimaryDevice,   // "Strypf"
    PressureLoss,    // "Tryckf"
    Flow,            // "Flow"
    Valve,           // "Ventil"
    Other            // "Sorter", and any keyword the run does not calculate
};

inline CalculationFunction DecodeCalcFunction(std::string_view keyword) {
    if (keyword == kFunctionThermodynamics) return CalculationFunction::Thermodynamics;
    if (keyword == kFunctionPrimaryDevice) return CalculationFunction::PrimaryDevice;
    if (keyword == kFunctionPressureLoss) return CalculationFunction::PressureLoss;
    if (keyword == kFunctionFlow) return CalculationFunction::Flow;
    if (keyword == kFunctionValve) return CalculationFunction::Valve;
    return CalculationFunction::Other;
}

}  // namespace tubalyx
