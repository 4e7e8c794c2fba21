#pragma once
// The operating-conditions text that several report lines carry, the thermodynamic box
// caption and the humidity content shown in the main window.
#include <functional>
#include <string>

namespace tubalyx {

// What these routines read of the medium module and the window that is not yet reachable
// through a header of its own: that module installs its routines here. A hook nobody
// installed answers as for a dry medium without the gas-throat branch.
struct OperatingConditionHooks {
    std::function<bool()> UsesGasThroatBranch;
    std::function<double()> FlowDensity;     // kg/m3
    std::function<double()> DryGasDensity;   // kg/m3
    std::function<bool()> HumidGasFlag;
    std::function<double()> SumCompositionGrid;
    std::function<void()> SetMassPercentHeading;
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
