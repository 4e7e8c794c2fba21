#include "numerics/decimal_separator.h"

#include <clocale>
#include <cstdlib>

namespace tubalyx {

namespace {
char g_separator = '.';
}

char DecimalSeparator() { return g_separator; }

void SetDecimalSeparator(char separator) { g_separator = separator; }

void InitDecimalSeparatorFromPlatform() {
    if (std::setlocale(LC_NUMERIC, "") != nullptr) {
        double tenth = std::strtod("0.1", nullptr);
        g_separator = (tenth == 0.0) ? ',' : '.';
    }
    // Our own conversions never depend on the C locale; keep it neutral for the libraries.
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace tubalyx
