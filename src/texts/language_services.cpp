#include "texts/language_services.h"

namespace tubalyx {

void (*FillUncertaintyGridRowsService)() = nullptr;

}  // namespace tubalyx
