#include "ui/window_services.h"

namespace tubalyx {

WindowServiceHooks& WindowServices() {
    static WindowServiceHooks hooks;
    return hooks;
}

}  // namespace tubalyx
