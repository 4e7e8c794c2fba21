#pragma once
// Event handlers may run inside other handlers: setting an edit's text fires its change event
// at once, and many handlers set texts. Every event of this library is fired through
// FireEvent, which counts how deeply handlers are nested. A chain that never ends (two change
// handlers writing each other's edit) stops at kMaxEventDepth with an EventDepthError that
// names the chain, instead of overflowing the stack. Legitimate chains stay a few levels deep.
//
// Once the bound is hit, every further event fails until the chain has unwound completely, so
// a handler that guards its own work cannot swallow the error and let the chain go on. The
// renderer's top-level dispatch catches the error; every control keeps the state it had
// reached, so the window stays usable.
#include <stdexcept>
#include <string>
#include <utility>

namespace tubalyx {

class TControl;

constexpr int kMaxEventDepth = 64;

class EventDepthError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Handlers running now, outermost first; 0 outside any handler.
int EventDepth();
// The running handlers as "control.event > control.event > ...", outermost first.
std::string EventTrace();

// Marks one running handler for the depth count and the trace.
class EventScope {
public:
    EventScope(const TControl& sender, const char* event);
    ~EventScope();
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;
};

// Runs an event's handler, if one is set, as one level of the chain.
template <class Handler, class... Args>
void FireEvent(const TControl& sender, const char* event, const Handler& handler, Args&&... args) {
    if (!handler) return;
    EventScope scope(sender, event);
    handler(std::forward<Args>(args)...);
}

}  // namespace tubalyx
