#include "texts/language_services.h"

namespace tubalyx {

void (*RefreshResistanceGridService)() = nullptr;
void (*FillUncertaintyGridRowsService)() = nullptr;

}  // namespace tubalyx
