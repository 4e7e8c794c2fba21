#include <gtest/gtest.h>

#include "numerics/decimal_separator.h"
#include "property_tables/range_notes.h"

namespace tubalyx {
namespace {

// The state numbers of the notes: width 3, exponent form beyond three whole digits.
TEST(RangeNoteNumber, WidthThreeOnBothSeparators) {
    struct Case {
        double value;
        const char* comma;
        const char* point;
    } cases[] = {
        {800, " 800", " 800"},   {2000, " 2E3", " 2E3"},    {1234, "1,23E3", "1.23E3"}, {150, " 150", " 150"},
        {200, " 200", " 200"},   {99.96, " 100", " 100"},   {9.996, "10,0", "10.0"},    {0.125, "0,13", "0.13"},
        {-20.5, " -21", " -21"}, {99999.9, " 1E5", " 1E5"}, {100.001, " 100", " 100"},  {-273.15, "-273", "-273"},
    };
    for (char sep : {',', '.'}) {
        SetDecimalSeparator(sep);
        for (const Case& c : cases) EXPECT_EQ(RangeNoteNumber(c.value), sep == ',' ? c.comma : c.point) << c.value;
    }
    SetDecimalSeparator('.');
}

}  // namespace
}  // namespace tubalyx
