// Fitting codes of the fitting menu into the row codes of each family's straight-length
// table.
#include <gtest/gtest.h>

#include <string>

#include "flow/fitting_rows.h"

namespace tubalyx {
namespace {

std::string Row(const char* device, const char* fitting) {
    std::string row = "stale";
    MapFittingToTableRow(device, fitting, row);
    return row;
}

TEST(MapFittingToTableRow, EveryCodeOfEveryFamily) {
    struct Case {
        const char* fitting;
        const char* orifice;
        const char* segment;
        const char* venturi;
        const char* other;
    };
    const Case cases[] = {
        {"0", "0", "0", "0", "0"},   {"1", "1", "1", "1", "1"},   {"2", "2", "2", "2", "2"},
        {"3", "3", "2", "2", "2"},   {"4", "4", "3", "2", "3"},   {"5", "5", "3", "2", "3"},
        {"6", "6", "1", "1", "1"},   {"7", "7", "1", "1", "1"},   {"8", "8", "4", "5", "4"},
        {"9", "9", "5", "4", "5"},   {"10", "10", "6", "7", "7"}, {"11", "11", "7", "7", "6"},
        {"12", "12", "8", "9", "8"}, {"13", "13", "9", "8", "9"}, {"14", "14", "10", "8", "10"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Row("S", c.fitting), c.orifice) << c.fitting;
        EXPECT_EQ(Row("SM", c.fitting), c.segment) << c.fitting;
        EXPECT_EQ(Row("VK", c.fitting), c.segment) << c.fitting;
        EXPECT_EQ(Row("V", c.fitting), c.venturi) << c.fitting;
        for (const char* device : {"D", "DL", "KV", "VCONE", ""})
            EXPECT_EQ(Row(device, c.fitting), c.other) << device << " " << c.fitting;
    }
}

TEST(MapFittingToTableRow, SegmentReducerTakesRowThree) { EXPECT_EQ(Row("SM", "4"), "3"); }

TEST(MapFittingToTableRow, CodesOutsideTheMenuPassThrough) {
    EXPECT_EQ(Row("SM", "15"), "15");
    EXPECT_EQ(Row("V", "02"), "02");
    EXPECT_EQ(Row("KV", "x"), "x");
    EXPECT_EQ(Row("SM", ""), "");
}

}  // namespace
}  // namespace tubalyx
