#include "property_tables/report_number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "numerics/decimal_separator.h"
#include "numerics/text_utils.h"

namespace tubalyx {

namespace {

// Decimal digits of |x| rounded half away from zero to `sig` significant digits; exp10 is the
// decimal exponent of the first digit. glibc prints the exact binary value, so a tie is seen.
void RoundSignificant(double x, int sig, std::string& digits, int& exp10) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.60e", std::fabs(x));
    std::string all;
    const char* s = buf;
    for (; *s && *s != 'e'; ++s)
        if (*s >= '0' && *s <= '9') all += *s;
    exp10 = std::atoi(s + 1);
    digits = all.substr(0, sig);
    if (all.size() > static_cast<size_t>(sig) && all[sig] >= '5') {
        int k = sig - 1;
        while (k >= 0 && digits[k] == '9') digits[k--] = '0';
        if (k >= 0)
            ++digits[k];
        else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exp10;
        }
    }
}

// Fixed notation of x with `dec` decimals, rounded half away from zero.
std::string FixedText(double x, int dec, char sep) {
    if (x == 0.0) return dec > 0 ? "0" + std::string(1, sep) + std::string(dec, '0') : "0";
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.60e", std::fabs(x));
    int exp10 = std::atoi(std::strchr(buf, 'e') + 1);
    const int sig = exp10 + 1 + dec;  // digits kept
    std::string digits;
    int e = exp10;
    if (sig <= 0) {
        // Rounds to 0 or to one unit of the last decimal.
        const double unit = std::pow(10.0, -dec);
        digits = std::fabs(x) >= 0.5 * unit ? "1" : "0";
        e = -dec;
    } else {
        RoundSignificant(x, sig, digits, e);
        if (e != exp10) digits += '0';  // carried into a new leading digit
    }
    std::string whole, frac;
    const int intDigits = e + 1;
    if (intDigits > 0) {
        whole = digits.substr(0, std::min<int>(intDigits, digits.size()));
        while (static_cast<int>(whole.size()) < intDigits) whole += '0';
        frac = static_cast<int>(digits.size()) > intDigits ? digits.substr(intDigits) : "";
    } else {
        whole = "0";
        frac = std::string(-intDigits, '0') + digits;
    }
    while (static_cast<int>(frac.size()) < dec) frac += '0';
    frac = frac.substr(0, dec);
    bool zero = true;
    for (char c : whole + frac) zero = zero && c == '0';
    std::string out = (x < 0 && !zero) ? "-" : "";
    out += whole;
    if (dec > 0) out += sep + frac;
    return out;
}

// Exponent notation of x rounded to p significant digits, trailing zeros dropped.
std::string ExponentText(double x, int p, char sep) {
    std::string digits;
    int e = 0;
    RoundSignificant(x, p, digits, e);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out = x < 0 ? "-" : "";
    out += digits[0];
    if (digits.size() > 1) out += sep + digits.substr(1);
    out += "E" + std::to_string(e);
    return out;
}

// The report number format: W digit and sign characters, right-aligned in W + 1.
}  // namespace

std::string ReportNumberText(double value, int W) {
    std::string t;
    if (std::isnan(value))
        t = "NAN";
    else if (std::isinf(value))
        t = "INF";
    else {
        const char sep = DecimalSeparator();
        const int P = W < 2 ? 2 : (W > 18 ? 18 : W);
        const double whole = std::round(value);
        if (std::fabs(whole) >= 1e18) {
            t = ExponentText(value, P, sep);
        } else {
            const std::string t0 = FixedText(value, 0, sep);
            int D = W - static_cast<int>(t0.size());
            if (D < 0) D = 0;
            t = FixedText(value, D, sep);
            int wholeDigits = 0;
            for (char c : t) {
                if (c == sep) break;
                if (c >= '0' && c <= '9') ++wholeDigits;
            }
            if (wholeDigits > P) t = ExponentText(value, P, sep);
        }
    }
    return PadLeft(t, W + 1);
}

}  // namespace tubalyx
