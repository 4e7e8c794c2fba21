#pragma once
// The operating-conditions text that several report lines carry, the thermodynamic box
// caption and the humidity content shown in the main window.
#include <string>

namespace tubalyx {

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
