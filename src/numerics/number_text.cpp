#include "numerics/number_text.h"

#include <charconv>
#include <cmath>

#include "numerics/checked.h"
#include "numerics/decimal_separator.h"

namespace tubalyx {

bool TryParseNumber(const std::string& text, char separator, double& value) {
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n && text[pos] == ' ') ++pos;
    std::string canon;
    canon.reserve(n);
    if (pos < n && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') canon.push_back('-');
        ++pos;
    }
    int digits = 0;
    while (pos < n && text[pos] >= '0' && text[pos] <= '9') {
        canon.push_back(text[pos++]);
        ++digits;
    }
    if (pos < n && text[pos] == separator) {
        ++pos;
        canon.push_back('.');
        while (pos < n && text[pos] >= '0' && text[pos] <= '9') {
            canon.push_back(text[pos++]);
            ++digits;
        }
    }
    if (digits == 0) return false;
    if (pos < n && (text[pos] == 'e' || text[pos] == 'E')) {
        canon.push_back('e');
        ++pos;
        if (pos < n && (text[pos] == '+' || text[pos] == '-')) canon.push_back(text[pos++]);
        int expDigits = 0;
        while (pos < n && text[pos] >= '0' && text[pos] <= '9') {
            canon.push_back(text[pos++]);
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    while (pos < n && text[pos] == ' ') ++pos;
    if (pos != n) return false;
    double parsed = 0.0;
    auto [end, ec] = std::from_chars(canon.data(), canon.data() + canon.size(), parsed);
    if (ec != std::errc() || end != canon.data() + canon.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

double StrToFloatSafe(const std::string& text) {
    double value = 0.0;
    return TryParseNumber(text, DecimalSeparator(), value) ? value : 0.0;
}

double StrToFloat(const std::string& text) {
    double value = 0.0;
    if (!TryParseNumber(text, DecimalSeparator(), value)) throw NumberTextError(text);
    return value;
}

double StrToFloatAnySep(std::string& text) {
    double value = 0.0;
    if (TryParseNumber(text, DecimalSeparator(), value)) return value;
    std::size_t comma = text.find(',');
    if (comma != std::string::npos) {
        text[comma] = '.';
    } else {
        std::size_t point = text.find('.');
        if (point != std::string::npos) text[point] = ',';
    }
    return TryParseNumber(text, DecimalSeparator(), value) ? value : 0.0;
}

namespace {
// Ordered comparisons with an invalid value are invalid operations themselves.
double Valid(double x) {
    if (std::isnan(x)) throw CalcError("invalid operation");
    return x;
}
}  // namespace

double ArcCosine(double x) {
    Valid(x);
    if (-1.0 < x && x < 1.0) return M_PI / 2.0 - std::atan(x / std::sqrt(1.0 - x * x));
    if (x == -1.0) return 3.141592653589793;
    return 0.0;
}

// No check here: the table clamps move a state that is no number to an edge of the table.
double MinDouble(double a, double b) { return a < b ? a : b; }
double MaxDouble(double a, double b) { return a > b ? a : b; }

double PowerDouble(double x, double y) {
    if (std::fabs(Valid(x)) > 0.0) return CheckFinite(std::exp(y * std::log(std::fabs(x))), "overflow in power");
    return 0.0;
}

double Log10Abs(double x) { return CheckedLn(std::fabs(x)) / std::log(10.0); }

}  // namespace tubalyx
