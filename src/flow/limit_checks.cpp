#include "flow/limit_checks.h"

#include "flow/standard_limits.h"
#include "state/keywords.h"
#include "state/limits.h"

namespace tubalyx {

void PickLimitText(std::string_view language, const LimitTexts& t, std::string& message) {
    if (IsLetterText(language, kLanguageSwedish))
        message = t.swedish;
    else if (IsLetterText(language, kLanguageEnglish))
        message = t.english;
    else if (IsLetterText(language, kLanguageGerman))
        message = t.german;
}

namespace {

constexpr LimitTexts kRoughnessTooBig{"RÖRRÅHET FÖR STOR, MINSKA RÖRRÅHET", "PIPE ROUGHNESS TO BIG",
                                      "ROHRRAUHEIT ZU GROSS"};
constexpr LimitTexts kRoughnessTooSmall{"RÖRRÅHET FÖR LITEN", "PIPE ROUGHNESS TO SMALL", "ROHRRAUHEIT ZU KLEIN"};
constexpr LimitTexts kBetaTooSmall{"BETA LITET, MINSKA RÖRDIAMETER/DIFFTRYCK",
                                   "BETA TO SMALL, DECREASE TUBEDIAMETER/DP", "BETA ZU KLEIN"};
constexpr LimitTexts kBetaTooBig{"BETA STORT, ÖKA RÖRDIAMETER/DIFFTRYCK", "BETA TO BIG, INCREASE TUBEDIAMETER/DP",
                                 "BETA ZU GROSS"};
constexpr LimitTexts kDpTooBig{"DIFFTRYCK FÖR STORT", "DIFFPRESSURE TO BIG", "WIRKDRUCK ZU GROSS"};
constexpr LimitTexts kOrificeThroat{"LILLA d (håldiameter) < 12.5 mm !", "d (throatdiameter) < 12.5 mm !",
                                    "d (Drosselöffnung) < 12.5 mm !"};
constexpr LimitTexts kQuarterCircleThroat{"LILLA d (håldiameter) < 15 mm !", "d (throatdiameter) < 15 mm !",
                                          "d (Drosselöffnung) < 15 mm !"};
constexpr LimitTexts kPipeTooBig{"RÖR STORT, MINSKA RÖRDIAMETER", "TUBE TO BIG, DECREASE TUBEDIAMETER",
                                 "ROHR ZU GROSS"};
constexpr LimitTexts kPipeTooSmall{"RÖR LITET, ÖKA RÖRDIAMETER", "TUBE TO SMALL, INCREASE TUBEDIAMETER",
                                   "ROHR ZU KLEIN"};

}  // namespace

void CheckRoughness(std::string_view language, std::string_view device, std::string_view variant,
                    std::string_view standard, double d, double pipeDiameter, double k, double reynolds,
                    std::string& message) {
    message = " ";
    double kMax = 0.0, kMin = 0.0;
    RoughnessLimits(device, variant, standard, d, pipeDiameter, k, reynolds, kMax);
    RoughnessLowerLimit(device, variant, standard, d, pipeDiameter, k, reynolds, kMin);
    RoughnessLowerBound = kMin;
    if (k > kMax)
        PickLimitText(language, kRoughnessTooBig, message);
    else if (k < kMin)
        PickLimitText(language, kRoughnessTooSmall, message);
}

void CheckBeta(std::string_view language, std::string_view device, std::string_view variant, std::string_view standard,
               double beta, std::string& message) {
    message = " ";
    double lo = 0.0, hi = 1e99;  // a combination without limits passes
    BetaLimits(device, variant, standard, lo, hi);
    if (beta < lo)
        PickLimitText(language, kBetaTooSmall, message);
    else if (beta > hi)
        PickLimitText(language, kBetaTooBig, message);
}

void CheckDiffPressure(std::string_view language, std::string_view medium, std::string_view device, double p, double dp,
                       std::string& message) {
    message = " ";
    if (dp > MaxDiffPressure(medium, device, p)) PickLimitText(language, kDpTooBig, message);
}

void CheckThroatDiameter(std::string_view language, std::string_view device, double d, std::string& message) {
    message = " ";
    double lo = 0.0, hi = 0.0;
    MinThroatDiameter(device, lo, hi);
    if (d < lo) {
        if (device == kDeviceOrifice)
            PickLimitText(language, kOrificeThroat, message);
        else if (device == kDeviceQuarterCircle)
            PickLimitText(language, kQuarterCircleThroat, message);
    }
}

void CheckPipeDiameter(std::string_view language, std::string_view device, std::string_view variant,
                       std::string_view standard, double pipeDiameter, std::string& message) {
    message = " ";
    double lo = 0.0, hi = 1e99;  // a combination without limits passes
    PipeDiameterLimits(device, variant, standard, lo, hi);
    if (pipeDiameter > hi)
        PickLimitText(language, kPipeTooBig, message);
    else if (pipeDiameter < lo)
        PickLimitText(language, kPipeTooSmall, message);
}

}  // namespace tubalyx
