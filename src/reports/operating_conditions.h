#pragma once
// The operating-conditions text that several report lines carry, the thermodynamic box
// caption and the humidity content shown in the main window.
#include <functional>
#include <string>

namespace tubalyx {

// What the humidity content reads of a routine that is not built yet: the percentage sum of
// the composition grid. A hook nobody installed answers as a composition summing to 100 %.
struct OperatingConditionHooks {
    std::function<double()> SumCompositionGrid;
};
OperatingConditionHooks& OperatingConditionServices();

// 0, 1 or 2 from MediumCode and PhaseLetter.
int MediumDensityClass();

// A number text cut to six characters, or to its whole part when that is longer.
std::string ShortenConditionNumber(const std::string& text);

// Builds the operating-conditions text and returns the pressure and temperature it shows.
void FormatOperatingConditions(double& pressure, double& temperature, std::string& text);

// The caption of GroupBox1.
void UpdateThermoCaption();

// The humidity content in fuktviktproc and fuktvolproc while the composition grid is shown.
void ShowHumidityContent();

}  // namespace tubalyx
