// The optimal-design search allocates nothing per candidate: the heap is touched only in
// its set-up, so the count of allocations does not grow with the number of candidates.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "design_duties.h"
#include "flow/operating_range.h"
#include "flow/optimal_design.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
}  // namespace

// The replacements pair malloc with free; the compiler, seeing the standard operator new
// elsewhere in this file, takes the free for a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace tubalyx {
namespace {

long AllocationsOfSearch(bool pipeRange, bool dpRange) {
    designtest::WaterDuty();
    if (pipeRange) PipeDiameterMaxLimitM = 0.2;
    if (!dpRange) DpUpperLimitPa = DpLowerLimitPa;
    allocations = 0;
    counting = true;
    SizeThroatDevice();
    counting = false;
    return allocations;
}

TEST(SizeThroatDeviceAllocations, DoNotGrowWithTheCandidates) {
    AllocationsOfSearch(false, false);  // warm-up of lazily built tables
    const long one = AllocationsOfSearch(false, false);
    const long eleven = AllocationsOfSearch(false, true);
    const long many = AllocationsOfSearch(true, true);
    EXPECT_GT(one, 0);  // the set-up reserves its scratch texts
    EXPECT_EQ(eleven, one);
    EXPECT_EQ(many, one);
}

TEST(AdjustForOperatingRangeAllocations, SearchPassesAllocateNothing) {
    // The search allocates only around its loop (the edit text of the design dp).
    auto run = [](double ratio) {
        designtest::AirDuty();
        SolveFor = "DI";
        MaxFlowGivenFlag = "V";
        DeviceCode = "S";
        DeviceVariantCode = "R";
        PipeDiameter = 0.1;
        BoreDiameter = 0.05;
        MaxDpPa = MaxFlowDpPa = 20000.0;
        DensityRatioWorstCase = ratio;
        allocations = 0;
        counting = true;
        AdjustForOperatingRange();
        counting = false;
        return static_cast<long>(allocations);
    };
    run(1.0);
    EXPECT_EQ(run(0.5), run(1.0));  // many more passes for 0.5
}

}  // namespace
}  // namespace tubalyx
