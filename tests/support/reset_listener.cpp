// Linked into every test executable: each test starts from the known calculation state and
// empty window grids, so the tests pass in any order (ctest runs them shuffled).
#include <cstdio>

#include <gtest/gtest.h>

#include "ui/calculation_reset.h"

namespace {

class ResetStateBeforeEachTest : public testing::EmptyTestEventListener {
    // The brief output does not name the seed; a failing order must be reproducible.
    void OnTestIterationStart(const testing::UnitTest& unit, int) override {
        if (GTEST_FLAG_GET(shuffle))
            std::printf("Shuffled: rerun this order with --gtest_shuffle --gtest_random_seed=%d\n", unit.random_seed());
    }
    // Called before the fixture is constructed, so a fixture's set-up builds on the known state.
    void OnTestStart(const testing::TestInfo&) override { tubalyx::ResetCalculationState(); }
};

// The listener list owns the listener.
const bool kListenerInstalled = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new ResetStateBeforeEachTest);
    return true;
}();

}  // namespace
