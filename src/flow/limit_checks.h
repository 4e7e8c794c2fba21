#pragma once
// Checks of one quantity against the limits of the standard. Each leaves " " when the check
// passes (or for a language other than "S", "E", "D"), otherwise its message in that language.
#include <string>
#include <string_view>

namespace tubalyx {

// A limit message in the three report languages.
struct LimitTexts {
    const char* swedish;
    const char* english;
    const char* german;
};

// Sets message to t in language "S", "E" or "D"; leaves it as it stands for another language.
void PickLimitText(std::string_view language, const LimitTexts& t, std::string& message);

void CheckRoughness(std::string_view language, std::string_view device, std::string_view variant,
                    std::string_view standard, double d, double pipeDiameter, double k, double reynolds,
                    std::string& message);
void CheckBeta(std::string_view language, std::string_view device, std::string_view variant, std::string_view standard,
               double beta, std::string& message);
void CheckDiffPressure(std::string_view language, std::string_view medium, std::string_view device, double p, double dp,
                       std::string& message);
void CheckThroatDiameter(std::string_view language, std::string_view device, double d, std::string& message);
void CheckPipeDiameter(std::string_view language, std::string_view device, std::string_view variant,
                       std::string_view standard, double pipeDiameter, std::string& message);

}  // namespace tubalyx
