#include "numerics/report_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "numerics/decimal_separator.h"

namespace tubalyx {

namespace {

// A value as decimal digits: magnitude = 0.d1 d2 d3 ... * 10^exponent. No digits means zero.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool IsZero() const { return digits.empty(); }
};

// The first 18 significant digits of the binary value, exactly rounded; independent of
// the C locale (the text of to_chars always uses a point).
DecimalDigits ToDecimalDigits(double value) {
    DecimalDigits d;
    d.negative = std::signbit(value);
    if (value == 0.0) return d;
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
    if (ec != std::errc()) throw std::runtime_error("number conversion");
    // "d.ddddddddddddddddde+XX"
    std::string text(buf, end);
    std::size_t e = text.find('e');
    if (e == std::string::npos || e < 1) throw std::runtime_error("number conversion");
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits.push_back(text[i]);
    int exp10 = 0;
    const char* first = text.data() + e + 1;
    if (*first == '+') ++first;
    std::from_chars(first, text.data() + text.size(), exp10);
    d.exponent = exp10 + 1;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// Keeps `count` significant digits, rounding the rest half away from zero.
void RoundToDigits(DecimalDigits& d, int count) {
    if (d.IsZero() || count >= static_cast<int>(d.digits.size())) return;
    if (count < 0) {
        d.digits.clear();
        return;
    }
    bool roundUp = d.digits[count] >= '5';
    d.digits.resize(count);
    if (roundUp) {
        int i = count - 1;
        while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            // All nines (or nothing kept): the value becomes the next power of ten.
            d.digits = "1";
            ++d.exponent;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

// Fixed notation with exactly `decimals` digits after the separator. A value that rounded
// to zero has no sign.
std::string FixedText(const DecimalDigits& d, int decimals, char separator) {
    std::string out;
    if (d.negative && !d.IsZero()) out.push_back('-');
    auto digitAt = [&d](int index) -> char {
        return (index >= 0 && index < static_cast<int>(d.digits.size())) ? d.digits[index] : '0';
    };
    if (d.IsZero() || d.exponent <= 0) {
        out.push_back('0');
    } else {
        for (int i = 0; i < d.exponent; ++i) out.push_back(digitAt(i));
    }
    if (decimals > 0) {
        out.push_back(separator);
        int start = d.IsZero() ? 0 : d.exponent;
        for (int i = 0; i < decimals; ++i) out.push_back(d.IsZero() ? '0' : digitAt(start + i));
    }
    return out;
}

// One digit, the separator and the further digits (if any), "E", the exponent.
std::string ExponentText(const DecimalDigits& d, char separator) {
    if (d.IsZero()) return "0";
    std::string out;
    if (d.negative) out.push_back('-');
    out.push_back(d.digits[0]);
    if (d.digits.size() > 1) {
        out.push_back(separator);
        out.append(d.digits, 1, std::string::npos);
    }
    out.push_back('E');
    out += std::to_string(d.exponent - 1);
    return out;
}

const char* NonFiniteText(double value) { return std::isnan(value) ? "NAN" : "INF"; }

std::string GeneralText(double value, char separator) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    DecimalDigits d = ToDecimalDigits(value);
    RoundToDigits(d, 15);
    if (d.IsZero()) return "0";
    if (d.exponent <= 15 && d.exponent >= -3) {
        int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
        return FixedText(d, decimals, separator);
    }
    return ExponentText(d, separator);
}

// Fixed notation with `decimals` decimals and at most `precision` significant digits;
// the exponent form when the rounded whole part has more digits than `precision`.
std::string FixedOrExponent(const DecimalDigits& exact, int decimals, int precision, char separator) {
    DecimalDigits d = exact;
    if (!d.IsZero()) RoundToDigits(d, static_cast<int>(std::min<long long>(precision, 1LL * d.exponent + decimals)));
    if (!d.IsZero() && d.exponent > precision) return ExponentText(d, separator);
    return FixedText(d, decimals, separator);
}

std::string FixedUnpadded(double value, int width, char separator) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    const DecimalDigits exact = ToDecimalDigits(value);
    const std::string whole = FixedOrExponent(exact, 0, 18, separator);
    // Widths near the int range must not wrap into a huge count of decimals.
    const long long spare = 1LL * width - static_cast<long long>(whole.size());
    const int decimals = spare > 0 ? static_cast<int>(spare) : 0;
    const int precision = std::clamp(width, 2, 18);
    return FixedOrExponent(exact, decimals, precision, separator);
}

// Reads the (at most three) characters after "E" as an integer and writes it back less 20.
std::string UnscaleExponent(const std::string& text) {
    std::size_t e = text.find('E');
    if (e == std::string::npos) throw std::runtime_error("no exponent");
    std::string digits = text.substr(e + 1, 3);
    int exponent = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    if (ec != std::errc() || end != digits.data() + digits.size()) throw std::runtime_error("bad exponent");
    return text.substr(0, e + 1) + std::to_string(exponent - 20) + text.substr(e + 1 + digits.size());
}

// Keeps the exponent part whole and the mantissa's first characters so that the text has `length` characters.
std::string CutMantissa(const std::string& text, std::size_t exponentPos, long long length) {
    long long keep = length - static_cast<long long>(text.size() - exponentPos);
    if (keep < 0) keep = 0;
    return text.substr(0, std::min<std::size_t>(static_cast<std::size_t>(keep), exponentPos)) +
           text.substr(exponentPos);
}

std::string FitWidthText(double value, int width, char separator) {
    std::string s = GeneralText(value, separator);
    const int w = width;
    if (static_cast<int>(s.size()) > w) {
        std::size_t e = s.find('E');
        std::size_t sep = s.find(separator);
        if (e != std::string::npos) {
            s = CutMantissa(s, e, w);
        } else if (sep != std::string::npos) {
            s = static_cast<int>(sep) >= w ? s.substr(0, sep) : s.substr(0, w);
            if (!s.empty() && s.back() == separator) s.pop_back();
        }
    }
    if (static_cast<int>(s.size()) > w) {
        // A whole part wider than the cell: scale into exponent form, cut, and take the scale back out.
        const double scaled = value * 1e20;
        s = GeneralText(scaled, separator);
        if (static_cast<int>(s.size()) > w) {
            std::size_t e = s.find('E');
            if (e == std::string::npos) throw std::runtime_error("no exponent");
            // Between 1e10 and 1e30 in magnitude the exponent loses a character when 20 is taken
            // off; a negative value loses it just the same.
            const double magnitude = std::fabs(scaled);
            const long long length = (magnitude >= 1e10 && magnitude <= 1e30) ? w + 1LL : w;
            s = CutMantissa(s, e, length);
        }
        s = UnscaleExponent(s);
    }
    return s;
}

}  // namespace

std::string FormatGeneral(double value) {
    try {
        return GeneralText(value, DecimalSeparator());
    } catch (...) {
        return "0";
    }
}

std::string FormatFixed(double value, int width) {
    std::string text;
    try {
        text = FixedUnpadded(value, width, DecimalSeparator());
    } catch (...) {
        text = "0";
    }
    const long long columns = width + 1LL;
    if (static_cast<long long>(text.size()) < columns)
        text.insert(0, static_cast<std::size_t>(columns) - text.size(), ' ');
    return text;
}

std::string FormatFitWidth(double value, int width) {
    try {
        return FitWidthText(value, width, DecimalSeparator());
    } catch (...) {
        return "0";
    }
}

std::string FormatFixedPoint(double value, int width) {
    std::string text = FormatFixed(value, width);
    std::size_t comma = text.find(',');
    if (comma != std::string::npos) text[comma] = '.';
    return text;
}

}  // namespace tubalyx
