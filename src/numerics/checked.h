#pragma once
// Floating-point faults as errors.
//
// The calculations treat division by zero, invalid operations (sqrt or log of a
// negative number, 0/0, ...) and overflow as errors that end the calculation; the
// run driver turns a CalcError into the input-error line of the report. C++ gives
// silent NaN or infinity instead, so every calculation step where such a fault is
// possible goes through these helpers rather than the bare operators. Underflow and
// loss of precision are not errors.
#include <cmath>
#include <stdexcept>
#include <string>

namespace tubalyx {

class CalcError : public std::runtime_error {
public:
    explicit CalcError(const std::string& what) : std::runtime_error(what) {}
};

// Throws CalcError unless x is finite; returns x so it can wrap an expression.
inline double CheckFinite(double x, const char* what = "invalid floating-point result") {
    if (!std::isfinite(x)) throw CalcError(what);
    return x;
}

inline double CheckedDiv(double a, double b) {
    if (b == 0.0) throw CalcError("division by zero");
    return CheckFinite(a / b, "overflow in division");
}

inline double CheckedSqrt(double x) {
    if (!(x >= 0.0)) throw CalcError("square root of a negative number");
    return std::sqrt(x);
}

// Natural logarithm: 0 is a division by zero, a negative argument an invalid operation.
inline double CheckedLn(double x) {
    if (x == 0.0) throw CalcError("logarithm of zero");
    if (!(x > 0.0)) throw CalcError("logarithm of a negative number");
    return CheckFinite(std::log(x));
}

inline double CheckedLog10(double x) { return CheckedLn(x) / std::log(10.0); }

inline double CheckedExp(double x) { return CheckFinite(std::exp(x), "overflow in exp"); }

// Real power: a negative base with a non-integer exponent is invalid, 0 to a negative power divides by zero.
inline double CheckedPow(double base, double exponent) {
    if (base == 0.0 && exponent < 0.0) throw CalcError("zero to a negative power");
    return CheckFinite(std::pow(base, exponent), "invalid power");
}

}  // namespace tubalyx
