#include "property_tables/report_number_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include "numerics/decimal_separator.h"

namespace tubalyx {
namespace {

struct Case {
    double value;
    int width;
    const char* comma;
    const char* point;
};

TEST(ReportNumberText, WidthGovernsDecimalsOnBothSeparators) {
    const Case cases[] = {
        {12.3456, 5, "12,346", "12.346"},   {-12.346, 5, "-12,35", "-12.35"},  {0.012345, 5, "0,0123", "0.0123"},
        {0, 5, "0,0000", "0.0000"},         {12345, 5, " 12345", " 12345"},    {123456, 5, "1,2346E5", "1.2346E5"},
        {99.96, 3, " 100", " 100"},         {9.996, 3, "10,0", "10.0"},        {0.0004, 3, "0,00", "0.00"},
        {-5.5, 2, " -6", " -6"},            {2000, 3, " 2E3", " 2E3"},         {1234, 3, "1,23E3", "1.23E3"},
        {800, 3, " 800", " 800"},           {2.5, 0, "3", "3"},              {0.125, 3, "0,13", "0.13"},
        {100, 7, "100,0000", "100.0000"},   {-0.004, 2, "0,0", "0.0"},
    };
    for (char sep : {',', '.'}) {
        SetDecimalSeparator(sep);
        for (const Case& c : cases)
            EXPECT_EQ(ReportNumberText(c.value, c.width), sep == ',' ? c.comma : c.point)
                << c.value << " W" << c.width << " sep " << sep;
    }
    SetDecimalSeparator('.');
    EXPECT_EQ(ReportNumberText(INFINITY, 3), " INF");
    EXPECT_EQ(ReportNumberText(NAN, 3), " NAN");
    EXPECT_EQ(ReportNumberText(1.5e20, 5), "1.5E20");
}

}  // namespace
}  // namespace tubalyx
