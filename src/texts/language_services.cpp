#include "texts/language_services.h"

namespace tubalyx {

void (*RefreshResistanceGridService)() = nullptr;
void (*FillUncertaintyGridRowsService)() = nullptr;
void (*UnitKindOfService)(const std::string&, std::string&) = nullptr;

}  // namespace tubalyx
