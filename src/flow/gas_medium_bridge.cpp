// Stand-in for the medium identification's gas test until that module is in the build.
// It is a weak symbol with the same rule, so the medium module's own definition takes
// over at link time; delete this file once that module has landed.
#include <string>

#include "ui/selection_state.h"

namespace tubalyx {

[[gnu::weak]] bool IsGasMedium(const std::string& medium) {
    if (medium == "CO" || medium == "C3H8") return true;
    if (medium == "VAT" || medium == "C3H8V" || medium == "OLJA" || medium == "VÄT") return false;
    return !(PhaseLetter == 'V' || PhaseLetter == 'X');
}

}  // namespace tubalyx
