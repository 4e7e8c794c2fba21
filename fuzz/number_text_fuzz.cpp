// Number text: any bytes, with either decimal separator. A number read is finite, the
// separator swap keeps the text's length, and the general notation of a value reads back
// as that value to its 15 digits.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"

using namespace tubalyx;
using namespace tubalyx::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const char separator = in.ConsumeBool() ? ',' : '.';
    SetDecimalSeparator(separator);
    const std::string text = in.ConsumeRemainingBytesAsString();

    double value = 0.0;
    for (char sep : {',', '.'})
        if (TryParseNumber(text, sep, value)) RequireFinite(value, "number read");
    RequireFinite(StrToFloatSafe(text), "StrToFloatSafe");
    std::string swapped = text;
    RequireFinite(StrToFloatAnySep(swapped), "StrToFloatAnySep");
    if (swapped.size() != text.size()) Fail("separator swap changed the length", swapped.size());

    // Beyond 1e300 the 15-digit rounding may step past the largest double.
    if (TryParseNumber(text, separator, value) && std::fabs(value) < 1e300) {
        const std::string general = FormatGeneral(value);
        double back = 0.0;
        if (!TryParseNumber(general, separator, back)) Fail("general notation does not read back", value);
        if (std::fabs(back - value) > 1e-14 * std::fabs(value)) Fail("general notation lost digits", value);
    }
    return 0;
}
