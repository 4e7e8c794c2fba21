#pragma once
// The prompt setters of the input questionnaire: each writes the prompts and captions that
// depend on the language and on the current function, device, medium, unit or answer.
#include <string>

namespace tubalyx {

void SetAdiabaticPrompt(char letter);
void SetTemperaturePrompt();
void SetStaticPressurePrompt();
void SetPressureTemperatureLabels();
void SetDiffPressurePrompt();
void SetMaxFlowPrompt();
void SetProductionReportPrompt();
void SetCalcMethodPrompt();
void SetRootOrStandardPrompt();
void SetSmallTubeLimitPrompt();
void SetLargeTubeLimitPrompt();
void SetLargeReynoldsLimitPrompt();
void SetHumidityPrompt();
void SetDeviceLabelCaption();
void SetDeviceMenuCaptions();
void SetVConeMethodCaptions();
void SetMeterMaterialMenu();
void SetPipeMaterialMenu();
void SetUpstreamFittingHeading();
void SetUpstreamFittingList();
void SetConeDiameterPrompt();
void SetValveDiameterPrompt();
void SetOilInputPrompts();
void SetDeleteCaption();
void SetHeightDifferencePrompt();
void SetMassPercentHeading();
void SetValveDefaults();
void SetValveDiameterDefault();

// A questionnaire prompt: the text, underscores, the unit in parentheses and one blank,
// 57 characters in all (longer texts are kept whole).
std::string PadPromptToUnit(const std::string& text, const std::string& unit);

}  // namespace tubalyx
