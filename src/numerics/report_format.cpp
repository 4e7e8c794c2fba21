#include "numerics/report_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "numerics/decimal_separator.h"

namespace tubalyx {

namespace {

constexpr int kMaxDigits = 18;

// A finite value as decimal digits: value = (-1)^negative * 0.d1 d2 d3 ... * 10^(point),
// so `point` is the number of whole-number digits (it may be 0 or negative).
struct Decimal {
    bool negative = false;
    std::string digits;  // without leading zeros; empty for zero
    int point = 0;
};

// The first 18 significant digits of the binary value (correctly rounded), the way the
// report formats see a number before their own decimal rounding.
Decimal ToDecimal(double value) {
    Decimal d;
    if (value == 0.0) return d;
    d.negative = value < 0;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, kMaxDigits - 1);
    std::string s(buf, res.ptr);
    const std::size_t e = s.find('e');
    d.digits.push_back(s[0]);
    for (std::size_t i = 2; i < e; ++i) d.digits.push_back(s[i]);
    d.point = std::atoi(s.c_str() + e + 1) + 1;
    return d;
}

// Keeps `count` significant digits, rounding the digit string half away from zero.
Decimal RoundSignificant(Decimal d, int count) {
    if (d.digits.empty()) return d;
    if (count < 0) return Decimal{};
    if (static_cast<int>(d.digits.size()) <= count) return d;
    const bool up = d.digits[count] >= '5';
    d.digits.resize(count);
    if (up) {
        int i = count - 1;
        while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
            if (count > 0) d.digits.pop_back();
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) return Decimal{};
    return d;
}

char Digit(const Decimal& d, int i) {
    return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
}

// Fixed notation with `decimals` decimals of an already rounded decimal.
std::string FixedText(const Decimal& d, int decimals) {
    std::string out;
    if (d.negative && !d.digits.empty()) out.push_back('-');
    if (d.point <= 0) {
        out.push_back('0');
    } else {
        for (int i = 0; i < d.point; ++i) out.push_back(Digit(d, i));
    }
    if (decimals > 0) {
        out.push_back(DecimalSeparator());
        for (int k = 0; k < decimals; ++k) out.push_back(Digit(d, d.point + k));
    }
    return out;
}

// Exponent notation: one digit, the separator and the further digits (if any), "E", the exponent.
std::string ExponentText(const Decimal& d) {
    std::string out;
    if (d.negative) out.push_back('-');
    out.push_back(Digit(d, 0));
    if (d.digits.size() > 1) {
        out.push_back(DecimalSeparator());
        out.append(d.digits, 1, std::string::npos);
    }
    out.push_back('E');
    out += std::to_string(d.point - 1);
    return out;
}

// Value rounded at `decimals` decimals, limited to `precision` significant digits.
Decimal RoundFixed(const Decimal& d, int decimals, int precision) {
    int keep = d.point + decimals;
    if (keep > precision) keep = precision;
    if (keep < 0) return Decimal{};
    return RoundSignificant(d, keep);
}

// Fixed notation, or exponent notation when the whole part has more digits than `precision`.
std::string FixedOrExponent(const Decimal& d, int decimals, int precision) {
    if (d.point > precision) return ExponentText(RoundSignificant(d, precision));
    Decimal r = RoundFixed(d, decimals, precision);
    if (r.point > precision) return ExponentText(RoundSignificant(d, precision));
    return FixedText(r, decimals);
}

const char* SpecialText(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return "INF";
    return nullptr;
}

}  // namespace

std::string FormatGeneral(double value) {
    if (const char* special = SpecialText(value)) return special;
    Decimal d = RoundSignificant(ToDecimal(value), 15);
    if (d.digits.empty()) return "0";
    if (d.point > 15 || d.point < -3) return ExponentText(d);
    const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.point);
    return FixedText(d, decimals);
}

std::string FormatFixed(double value, int width) {
    std::string text;
    if (const char* special = SpecialText(value)) {
        text = special;
    } else {
        const Decimal d = ToDecimal(value);
        const std::string whole = FixedOrExponent(d, 0, kMaxDigits);
        int decimals = width - static_cast<int>(whole.size());
        if (decimals < 0) decimals = 0;
        const int precision = std::min(std::max(width, 2), kMaxDigits);
        text = FixedOrExponent(d, decimals, precision);
    }
    if (static_cast<int>(text.size()) < width + 1) text.insert(0, width + 1 - text.size(), ' ');
    return text;
}

std::string FormatFixedPoint(double value, int width) {
    std::string text = FormatFixed(value, width);
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos) text[comma] = '.';
    return text;
}

std::string FormatFitWidth(double value, int width) {
    if (const char* special = SpecialText(value)) return special;
    const int w = width;
    std::string s = FormatGeneral(value);
    auto keepExponent = [](const std::string& text, int total) {
        const std::size_t e = text.find('E');
        const std::string exponent = text.substr(e);
        int mantissa = total - static_cast<int>(exponent.size());
        if (mantissa < 0) mantissa = 0;
        return text.substr(0, std::min<std::size_t>(mantissa, e)) + exponent;
    };
    if (static_cast<int>(s.size()) > w) {
        const std::size_t sep = s.find(DecimalSeparator());
        if (s.find('E') != std::string::npos) {
            s = keepExponent(s, w);
        } else if (sep != std::string::npos) {
            s = static_cast<int>(sep) >= w ? s.substr(0, sep) : s.substr(0, w);
            if (!s.empty() && s.back() == DecimalSeparator()) s.pop_back();
        }
    }
    if (static_cast<int>(s.size()) > w) {
        // A whole part longer than the cell: shift into exponent form through value * 1e20,
        // whose general text always has an exponent, then take the 20 off again.
        const double m = value * 1e20;
        s = FormatGeneral(m);
        if (static_cast<int>(s.size()) > w) {
            const bool shrinks = std::fabs(m) >= 1e10 && std::fabs(m) <= 1e30;
            s = keepExponent(s, shrinks ? w + 1 : w);
        }
        const std::size_t e = s.find('E');
        if (e == std::string::npos) return "0";
        const std::string tail = s.substr(e + 1, 3);
        const int exponent = std::atoi(tail.c_str()) - 20;
        s = s.substr(0, e + 1) + std::to_string(exponent) + s.substr(e + 1 + tail.size());
    }
    return s;
}

}  // namespace tubalyx
