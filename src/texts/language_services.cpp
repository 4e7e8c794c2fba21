#include "texts/language_services.h"

namespace tubalyx {

void (*RefreshResistanceGridService)() = nullptr;
void (*FillUncertaintyGridRowsService)() = nullptr;
void (*SetStandardDensityPromptService)() = nullptr;
void (*SetNaturalGasLimitsService)() = nullptr;
std::string (*MediumDisplayNameService)(const std::string&) = nullptr;
void (*UnitKindOfService)(const std::string&, std::string&) = nullptr;

}  // namespace tubalyx
