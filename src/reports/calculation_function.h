#pragma once
// The calculation-function keyword decoded once, for the run and the report head.
#include <string_view>

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
    if (keyword == "Termo") return CalculationFunction::Thermodynamics;
    if (keyword == "Strypf") return CalculationFunction::PrimaryDevice;
    if (keyword == "Tryckf") return CalculationFunction::PressureLoss;
    if (keyword == "Flow") return CalculationFunction::Flow;
    if (keyword == "Ventil") return CalculationFunction::Valve;
    return CalculationFunction::Other;
}

}  // namespace tubalyx
