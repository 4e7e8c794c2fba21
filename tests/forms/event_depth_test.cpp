#include "forms/event_depth.h"

#include <gtest/gtest.h>

#include <string>

#include "forms/edit.h"
#include "forms/label.h"

using namespace tubalyx;

namespace {
// Two edits whose change handlers each write the other's text with one more character, so
// the texts never settle.
struct PingPong {
    TEdit a{"kaltemp"}, b{"kalminreyn"};
    int changes = 0;
    PingPong() {
        a.OnChange = [this](TControl*) {
            ++changes;
            b.SetText(a.Text() + "b");
        };
        b.OnChange = [this](TControl*) {
            ++changes;
            a.SetText(b.Text() + "a");
        };
    }
};
}  // namespace

TEST(EventDepth, EndlessChangeChainEndsWithAClearErrorAtTheBound) {
    PingPong p;
    try {
        p.a.SetText("1");
        FAIL() << "the chain did not stop";
    } catch (const EventDepthError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("deeper than 64"), std::string::npos) << message;
        EXPECT_NE(message.find("kaltemp.OnChange > kalminreyn.OnChange"), std::string::npos) << message;
    }
    // Exactly the bound ran, and the counter is back at the top.
    EXPECT_EQ(p.changes, kMaxEventDepth);
    EXPECT_EQ(EventDepth(), 0);
    // Both edits keep the last text written to them: 64 handlers appended one character each.
    EXPECT_EQ(p.a.Text().size() + p.b.Text().size(), std::string("1").size() * 2 + kMaxEventDepth * 2 - 1);
    EXPECT_EQ(p.b.Text(), p.a.Text().substr(0, p.b.Text().size()));

    // The edits work on: a chain that ends runs to its end, nested and traced.
    std::string trace;
    p.b.OnChange = [&](TControl*) { trace = EventTrace(); };
    p.changes = 0;
    p.a.SetText("7");
    EXPECT_EQ(p.changes, 1);
    EXPECT_EQ(p.b.Text(), "7b");
    EXPECT_EQ(trace, "kaltemp.OnChange > kalminreyn.OnChange");
}

TEST(EventDepth, AHandlerThatSwallowsTheErrorCannotLetTheChainGoOn) {
    PingPong p;
    TLabel after("Medialabel");
    int afterClicks = 0;
    after.OnClick = [&](TControl*) { ++afterClicks; };
    // b guards its write as a handler with an exception guard would, then fires one more event.
    p.b.OnChange = [&](TControl*) {
        ++p.changes;
        try {
            p.a.SetText(p.b.Text() + "a");
        } catch (...) {
        }
        after.Click();
    };
    EXPECT_THROW(p.a.SetText("1"), EventDepthError);
    EXPECT_EQ(afterClicks, 0);
    EXPECT_EQ(EventDepth(), 0);
    after.Click();
    EXPECT_EQ(afterClicks, 1);
}
