#pragma once
// Steps of other window and report modules that hiding and layout call at fixed points.
// Those modules install their routine here at start; a step nobody installed is skipped,
// so the window can be built and tested before every page exists.
#include <functional>

namespace tubalyx {

struct WindowServiceHooks {
    std::function<void()> ShowUncertaintyTable;
};

WindowServiceHooks& WindowServices();

}  // namespace tubalyx
