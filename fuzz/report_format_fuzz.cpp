// Report number formats: any double (NaN and infinities included) in any report width. No
// format throws, the fixed format fills at least width + 1 columns, and the texts hold no
// other characters than those of a number.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "numerics/decimal_separator.h"
#include "numerics/report_format.h"

using namespace tubalyx;
using namespace tubalyx::fuzz;

namespace {

void RequireNumberText(const std::string& text, const char* format) {
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit && c != ' ' && c != '-' && c != ',' && c != '.' && c != 'E' && c != 'I' && c != 'N' && c != 'F' &&
            c != 'A')
            Fail(format, static_cast<unsigned char>(c));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    SetDecimalSeparator(in.ConsumeBool() ? ',' : '.');
    // Report widths are small; a huge one would only ask for that many blanks.
    const int width = in.ConsumeIntegralInRange<int>(-40, 200);
    const double value = in.ConsumeBool() ? in.ConsumeFloatingPoint<double>() : Value(in, -1e6, 1e6);
    const std::string general = FormatGeneral(value);
    RequireNumberText(general, "FormatGeneral");
    const std::string fixed = FormatFixed(value, width);
    RequireNumberText(fixed, "FormatFixed");
    if (static_cast<long long>(fixed.size()) < width + 1LL) Fail("FormatFixed too narrow", width);
    RequireNumberText(FormatFitWidth(value, width), "FormatFitWidth");
    const std::string point = FormatFixedPoint(value, width);
    if (point.size() != fixed.size()) Fail("FormatFixedPoint changed the length", width);
    return 0;
}
