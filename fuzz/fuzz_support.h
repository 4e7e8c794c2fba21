#pragma once
// What every fuzz target shares: decoding the fuzzer's bytes into inputs of the calculations,
// and the checks they all make. A check that fails aborts, so libFuzzer keeps the input.
//
// Inputs come in two scales: most draws lie where engineering values live (so the fuzzer
// reaches the deep branches), the rest anywhere in the double range, signs and extremes
// included. NaN and the infinities are not drawn for the calculations: no parser of this
// program yields them.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "numerics/checked.h"

namespace tubalyx::fuzz {

inline void Fail(const char* what, double x) {
    std::fprintf(stderr, "fuzz check failed: %s (%.17g)\n", what, x);
    std::abort();
}

// A result the calculation publishes must be a finite number (or the call raises CalcError).
inline void RequireFinite(double x, const char* what) {
    if (!std::isfinite(x)) Fail(what, x);
}

// Any finite double, extremes and subnormals included.
inline double AnyFinite(FuzzedDataProvider& in) {
    const double x = in.ConsumeFloatingPoint<double>();
    return std::isfinite(x) ? x : 0.0;
}

// Between lo and hi, log-spaced when both are positive.
inline double Within(FuzzedDataProvider& in, double lo, double hi) {
    if (lo > 0.0 && hi > 0.0) {
        const double e = in.ConsumeFloatingPointInRange<double>(std::log(lo), std::log(hi));
        return std::exp(e);
    }
    return in.ConsumeFloatingPointInRange<double>(lo, hi);
}

// Mostly between lo and hi; sometimes any finite double.
inline double Value(FuzzedDataProvider& in, double lo, double hi) {
    if (in.ConsumeIntegralInRange<int>(0, 7) == 0) return AnyFinite(in);
    return Within(in, lo, hi);
}

// A short text of printable bytes and the separators, or any bytes now and then.
inline std::string Text(FuzzedDataProvider& in, std::size_t maxLength) {
    return in.ConsumeRandomLengthString(maxLength);
}

template <typename T, std::size_t N>
const T& Pick(FuzzedDataProvider& in, const T (&choices)[N]) {
    return choices[in.ConsumeIntegralInRange<std::size_t>(0, N - 1)];
}

}  // namespace tubalyx::fuzz
