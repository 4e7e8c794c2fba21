#include "forms/event_depth.h"

#include <array>

#include "forms/control.h"

namespace tubalyx {

namespace {
struct Frame {
    const std::string* control;
    const char* event;
};

struct Chain {
    std::array<Frame, kMaxEventDepth> frames;
    int depth = 0;
    bool failed = false;  // the bound was hit and the chain has not unwound yet
};

Chain& Running() {
    static Chain chain;
    return chain;
}

std::string Describe(const Frame& f) { return *f.control + "." + f.event; }
}  // namespace

int EventDepth() { return Running().depth; }

std::string EventTrace() {
    const Chain& c = Running();
    std::string trace;
    for (int i = 0; i < c.depth; ++i) {
        if (i) trace += " > ";
        trace += Describe(c.frames[i]);
    }
    return trace;
}

EventScope::EventScope(const TControl& sender, const char* event) {
    Chain& c = Running();
    const Frame frame{&sender.Name(), event};
    if (c.failed || c.depth >= kMaxEventDepth) {
        c.failed = true;
        // The whole chain would be 64 entries of the same few handlers; its first steps show
        // where it started, the last ones the loop.
        std::string message = "event handlers nested deeper than " + std::to_string(kMaxEventDepth) + " at " +
                              Describe(frame) + "; chain: ";
        constexpr int kShown = 4;
        for (int i = 0; i < c.depth; ++i) {
            if (i >= kShown && i < c.depth - kShown) {
                if (i == kShown) message += " > ...";
                continue;
            }
            if (i) message += " > ";
            message += Describe(c.frames[i]);
        }
        throw EventDepthError(message);
    }
    c.frames[c.depth++] = frame;
}

EventScope::~EventScope() {
    Chain& c = Running();
    if (--c.depth == 0) c.failed = false;
}

}  // namespace tubalyx
