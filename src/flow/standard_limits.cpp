#include "flow/standard_limits.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "media/medium_identification.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/inputs.h"
#include "state/keywords.h"

namespace tubalyx {

namespace {

bool IsIso(std::string_view standard) {
    return IsLetterText(standard, kStandardIso2003) || IsLetterText(standard, kStandardIso1991);
}
bool IsFlangeOrD(std::string_view variant) { return variant == kVariantFlange || variant == kVariantDAndD2; }

struct Step {
    double upTo;
    double value;
};

// First row whose bound holds (value <= bound); the last row stands for "above".
template <std::size_t N>
double FirstStep(const std::array<Step, N>& table, double x) {
    for (std::size_t i = 0; i + 1 < N; ++i)
        if (x <= table[i].upTo) return table[i].value;
    return table[N - 1].value;
}

constexpr std::array<Step, 12> kNozzleRoughness{{{0.35, 25},
                                                 {0.36, 18.6},
                                                 {0.38, 13.5},
                                                 {0.40, 10.6},
                                                 {0.42, 8.7},
                                                 {0.44, 7.5},
                                                 {0.46, 6.7},
                                                 {0.48, 6.1},
                                                 {0.50, 5.6},
                                                 {0.60, 4.5},
                                                 {0.70, 4.0},
                                                 {1e99, 3.9}}};
constexpr std::array<Step, 10> kOrificeRoughness1991{{{0.30, 25},
                                                      {0.32, 18.1},
                                                      {0.34, 12.9},
                                                      {0.36, 10.0},
                                                      {0.38, 8.3},
                                                      {0.40, 7.1},
                                                      {0.45, 5.6},
                                                      {0.50, 4.9},
                                                      {0.60, 4.2},
                                                      {1e99, 4.0}}};
constexpr std::array<Step, 4> kDinFlangeRoughness{{{0.3, 25}, {0.32, 18.1}, {0.34, 12.9}, {1e99, 10.0}}};

// Orifice plates after ISO 5167-2:2003: 10^4 k/D by beta row and Reynolds column.
constexpr std::array<double, 8> kOrificeReynoldsColumns{1e4, 3e4, 1e5, 3e5, 1e6, 3e6, 1e7, 3e7};
constexpr std::array<double, 5> kOrificeBetaRows{0.2, 0.3, 0.4, 0.5, 0.6};
// clang-format off
constexpr double kOrificeRoughness2003[6][9] = {
    {15, 15, 15, 15, 15, 15, 15, 15, 15},
    {15, 15, 15, 15, 15, 15, 15, 14, 13},
    {15, 15, 10, 7.2, 5.2, 4.1, 3.5, 3.1, 2.7},
    {11, 7.7, 4.9, 3.3, 2.2, 1.6, 1.3, 1.1, 0.9},
    {5.6, 4.0, 2.5, 1.6, 1.0, 0.7, 0.6, 0.5, 0.4},
    {4.2, 3.0, 1.9, 1.2, 0.8, 0.6, 0.4, 0.3, 0.3}};
// clang-format on

constexpr std::array<Step, 8> kQuarterCircleReMax{{{0.04, 60000},
                                                   {0.08, 70000},
                                                   {0.12, 100000},
                                                   {0.16, 140000},
                                                   {0.2, 200000},
                                                   {0.24, 220000},
                                                   {0.28, 240000},
                                                   {1e99, 250000}}};

}  // namespace

void BetaLimits(std::string_view device, std::string_view variant, std::string_view standard, double& betaMin,
                double& betaMax) {
    auto set = [&](double lo, double hi) {
        betaMin = lo;
        betaMax = hi;
    };
    if (IsConeMeter(device))
        set(0.0, 1.0);
    else if (device == kDeviceOrifice) {
        if (variant == kVariantCorner) {
            if (IsIso(standard))
                set(0.1, 0.75);
            else if (IsLetterText(standard, kStandardDin1952))
                set(0.23, 0.8);
        } else if (IsFlangeOrD(variant)) {
            if (IsIso(standard))
                set(0.1, 0.75);
            else if (IsLetterText(standard, kStandardDin1952))
                set(0.2, 0.75);
        }
    } else if (device == kDeviceVenturi) {
        if (variant == kVariantMachined)
            set(0.4, 0.75);
        else if (variant == kVariantAsCast)
            set(0.3, 0.75);
        else if (variant == kVariantWelded)
            set(0.4, 0.7);
    } else if (device == kDeviceIsaNozzle)
        set(0.3, 0.8);
    else if (device == kDeviceLongRadiusNozzle)
        set(0.2, 0.8);
    else if (device == kDeviceShortVenturi)
        set(0.316, 0.775);
    else if (device == kDeviceSegmentOrifice)
        set(std::sqrt(0.1), std::sqrt(0.5));
    else if (device == kDeviceQuarterCircle)
        set(0.2, 0.6);
}

void ReynoldsLimits(std::string_view device, std::string_view variant, std::string_view standard, double d,
                    double pipeDiameter, double& reMin, double& reMax) {
    auto set = [&](double lo, double hi) {
        reMin = lo;
        reMax = hi;
    };
    if (IsConeMeter(device)) {
        set(MaxDouble(CalibratedReynoldsMin, 8000.0), CalibratedReynoldsMax);
        return;
    }
    if (device == kDeviceVolumeMeter) {
        set(CalibratedReynoldsMin, CalibratedReynoldsMax);
        return;
    }
    const double beta = CheckedDiv(d, pipeDiameter);
    const double b2 = beta * beta;
    const double dMm = pipeDiameter * 1000.0;
    if (device == kDeviceOrifice) {
        if (variant == kVariantCorner || variant == kVariantDAndD2) {
            if (IsLetterText(standard, kStandardIso2003))
                set(beta <= 0.56 ? 5000.0 : 16000.0 * b2, kNoReynoldsUpperLimit);
            else if (IsLetterText(standard, kStandardIso1991))
                set(beta <= 0.5 ? 4000.0 : 16000.0 * b2, kNoReynoldsUpperLimit);
            else if (IsLetterText(standard, kStandardDin1952)) {
                if (variant == kVariantCorner)
                    set(beta < 0.45 ? 5000.0 : (beta <= 0.77 ? 10000.0 : 20000.0), 1e8);
                else
                    set(1260.0 * b2 * dMm, 1e8);
            }
        } else if (variant == kVariantFlange) {
            if (IsLetterText(standard, kStandardIso2003))
                set(MaxDouble(5000.0, 170.0 * b2 * dMm), kNoReynoldsUpperLimit);
            else if (IsLetterText(standard, kStandardIso1991))
                set(MaxDouble(4000.0, 170.0 * b2 * dMm), kNoReynoldsUpperLimit);
            else if (IsLetterText(standard, kStandardDin1952))
                set(1260.0 * b2 * dMm, 1e8);
        }
    } else if (device == kDeviceVenturi) {
        if (variant == kVariantMachined)
            set(50000.0 * beta, 1e8 * beta);
        else if (variant == kVariantAsCast)
            set(40000.0, 2e6);
        else if (variant == kVariantWelded)
            set(kWeldedVenturiMinReynolds, 2e6);
    } else if (device == kDeviceIsaNozzle)
        set(beta < 0.44 ? 70000.0 : 20000.0, 1e7);
    else if (device == kDeviceLongRadiusNozzle)
        set(10000.0, 1e7);
    else if (device == kDeviceShortVenturi)
        set(150000.0, 2e6);
    else if (device == kDeviceSegmentOrifice)
        set(b2 <= 0.2 ? 50000.0 * b2 : 100000.0 * (b2 - 0.1), 1e6);
    else if (device == kDeviceQuarterCircle) {
        // Steps are "below" bounds: beta^2 exactly on a bound takes the next step.
        double hi = 250000.0;
        for (std::size_t i = 0; i + 1 < kQuarterCircleReMax.size(); ++i)
            if (b2 < kQuarterCircleReMax[i].upTo) {
                hi = kQuarterCircleReMax[i].value;
                break;
            }
        set(500.0, hi);
    }
}

void PipeDiameterLimits(std::string_view device, std::string_view variant, std::string_view standard, double& dMin,
                        double& dMax) {
    auto set = [&](double lo, double hi) {
        dMin = lo;
        dMax = hi;
    };
    if (IsConeMeter(device))
        set(0.0, 100.0);
    else if (device == kDeviceOrifice) {
        if (variant == kVariantCorner)
            set(0.0499, 1.001);
        else if (IsFlangeOrD(variant)) {
            if (IsIso(standard))
                set(0.0499, 1.001);
            else if (IsLetterText(standard, kStandardDin1952))
                set(0.0499, 0.7601);
        }
    } else if (device == kDeviceVenturi) {
        if (variant == kVariantMachined)
            set(0.0499, 0.2501);
        else if (variant == kVariantAsCast)
            set(0.0999, 0.8001);
        else if (variant == kVariantWelded)
            set(0.1999, 1.201);
    } else if (device == kDeviceIsaNozzle || device == kDeviceSegmentOrifice)
        set(0.0499, 0.5001);
    else if (device == kDeviceLongRadiusNozzle)
        set(0.0499, 0.6301);
    else if (device == kDeviceShortVenturi)
        set(0.0649, 0.5001);
    else if (device == kDeviceQuarterCircle)
        set(0.0399, 0.1501);
}

void MinThroatDiameter(std::string_view device, double& dMin, double& dMax) {
    dMin = device == kDeviceOrifice ? 0.0125 : (device == kDeviceQuarterCircle ? 0.015 : 0.0);
    dMax = kNoThroatUpperLimit;
}

double MaxDiffPressure(std::string_view medium, std::string_view device, double p) {
    if (!IsGasMedium(std::string(medium))) return p;
    if (IsConeMeter(device)) return p;
    if (device == kDeviceQuarterCircle) return 0.15 * p;
    return 0.25 * p;
}

void RoughnessLimitTable(std::string_view device, std::string_view variant, std::string_view standard, double d,
                         double pipeDiameter, double k, double reynolds, double& kMax) {
    const double beta = CheckedDiv(d, pipeDiameter);
    if (IsLetterText(standard, kStandardIso2003)) {
        std::size_t row = 0;
        while (row < kOrificeBetaRows.size() && beta > kOrificeBetaRows[row]) ++row;
        std::size_t col = 0;
        while (col < kOrificeReynoldsColumns.size() && reynolds > kOrificeReynoldsColumns[col]) ++col;
        kMax = kOrificeRoughness2003[row][col] * 0.0001 * pipeDiameter * std::numbers::pi;
    } else if (IsLetterText(standard, kStandardIso1991) || IsLetterText(standard, kStandardDin1952)) {
        kMax = FirstStep(kOrificeRoughness1991, beta) * 0.0001 * pipeDiameter;
    }
}

void RoughnessLimits(std::string_view device, std::string_view variant, std::string_view standard, double d,
                     double pipeDiameter, double k, double reynolds, double& kMax) {
    const double beta = CheckedDiv(d, pipeDiameter);
    if (IsConeMeter(device))
        kMax = 10000.0;
    else if (device == kDeviceOrifice) {
        if (variant == kVariantCorner || (IsFlangeOrD(variant) && IsIso(standard)))
            RoughnessLimitTable(device, variant, standard, d, pipeDiameter, k, reynolds, kMax);
        else if (IsFlangeOrD(variant) && IsLetterText(standard, kStandardDin1952))
            kMax = FirstStep(kDinFlangeRoughness, beta) * 0.0001 * pipeDiameter;
    } else if (device == kDeviceVenturi) {
        kMax = IsLetterText(standard, kStandardIso2003) ? 3.2 * 0.0001 * pipeDiameter * std::numbers::pi
                                                        : 5.0 * 0.0001 * pipeDiameter;
    } else if (device == kDeviceLongRadiusNozzle || device == kDeviceQuarterCircle)
        kMax = 0.001 * pipeDiameter;
    else if (device == kDeviceIsaNozzle || device == kDeviceShortVenturi)
        kMax = FirstStep(kNozzleRoughness, beta) * 0.0001 * pipeDiameter;
    else if (device == kDeviceSegmentOrifice)
        RoughnessLimitTable(device, variant, standard, d, pipeDiameter, k, reynolds, kMax);
    else
        kMax = 0.0;
}

void RoughnessLowerLimit(std::string_view device, std::string_view variant, std::string_view standard, double d,
                         double pipeDiameter, double k, double reynolds, double& kMin) {
    kMin = 0.0;
    if (device != kDeviceOrifice || !IsLetterText(standard, kStandardIso2003)) return;
    const double beta = CheckedDiv(d, pipeDiameter);
    double value = 0.0;
    if (beta > 0.5 && beta < 0.6) {
        if (reynolds > 1e7 && reynolds <= 3e7)
            value = 0.003;
        else if (reynolds > 3e7)
            value = 0.004;
    } else if (beta >= 0.6) {
        if (reynolds > 3e6 && reynolds <= 1e7)
            value = 0.013;
        else if (reynolds > 1e7 && reynolds <= 3e7)
            value = 0.016;
        else if (reynolds > 3e7)
            value = 0.012;
    }
    kMin = value * 0.0001 * pipeDiameter * std::numbers::pi;
}

}  // namespace tubalyx
