#include "ui/page_rebuild.h"

#include "state/window_state.h"

namespace tubalyx {

void RebuildPage() {
    LayoutTop = 0;
    // PageManager('S', LayoutTop) left out until the page manager is merged.
}

}  // namespace tubalyx
