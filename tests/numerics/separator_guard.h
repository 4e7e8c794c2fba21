#pragma once
#include "numerics/decimal_separator.h"

// Sets the platform's decimal separator for one test and restores it afterwards.
struct SeparatorGuard {
    char saved = tubalyx::DecimalSeparator();
    explicit SeparatorGuard(char c) { tubalyx::SetDecimalSeparator(c); }
    ~SeparatorGuard() { tubalyx::SetDecimalSeparator(saved); }
};

// The text as it reads on a platform with the given separator (written with ',' in tests).
inline std::string OnPlatform(std::string text, char separator) {
    for (char& c : text)
        if (c == ',') c = separator;
    return text;
}
