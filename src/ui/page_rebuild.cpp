#include "ui/page_rebuild.h"

#include "state/window_state.h"
#include "ui/page_manager.h"

namespace tubalyx {

void RebuildPage() {
    LayoutTop = 0;
    PageManager('S', LayoutTop);
}

}  // namespace tubalyx
