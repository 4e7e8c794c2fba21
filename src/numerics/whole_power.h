#pragma once
// Whole powers by multiplication. A general power costs some ten products and a call; the
// steam equations and the natural-gas equation of state take many whole powers of the same
// few numbers at every state of a line walk, a humidity search or a table.
#include <array>

namespace tubalyx {

// x^n for a whole n >= 0 by squaring.
inline double WholePower(double x, int n) {
    double result = 1.0;
    for (; n > 0; n >>= 1) {
        if (n & 1) result *= x;
        x *= x;
    }
    return result;
}

// x^0 .. x^(N-1), each from the one before: for equations that take many powers of one number.
template <int N>
std::array<double, N> WholePowers(double x) {
    std::array<double, N> powers;
    powers[0] = 1.0;
    for (int n = 1; n < N; ++n) powers[n] = powers[n - 1] * x;
    return powers;
}

}  // namespace tubalyx
