#pragma once
// Limits that the chosen standard sets on a primary device and its pipe. A device, variant
// or standard outside the tables leaves the outputs as the caller had them.
#include <string_view>

namespace tubalyx {

// Lower Reynolds limit of the welded classical venturi: the value of the rough-cast make,
// which the tables settle on for the welded one as well; its discharge-coefficient table,
// like the rough-cast one, starts at ReD = 4e4.
inline constexpr double kWeldedVenturiMinReynolds = 40000.0;

inline constexpr double kNoReynoldsUpperLimit = 1e99;
inline constexpr double kNoThroatUpperLimit = 1e38;  // m

void BetaLimits(std::string_view device, std::string_view variant, std::string_view standard, double& betaMin,
                double& betaMax);
// d and D in m.
void ReynoldsLimits(std::string_view device, std::string_view variant, std::string_view standard, double d,
                    double pipeDiameter, double& reMin, double& reMax);
void PipeDiameterLimits(std::string_view device, std::string_view variant, std::string_view standard, double& dMin,
                        double& dMax);
void MinThroatDiameter(std::string_view device, double& dMin, double& dMax);
double MaxDiffPressure(std::string_view medium, std::string_view device, double p);
// Roughness limits in m; k is passed through and not used.
void RoughnessLimits(std::string_view device, std::string_view variant, std::string_view standard, double d,
                     double pipeDiameter, double k, double reynolds, double& kMax);
void RoughnessLimitTable(std::string_view device, std::string_view variant, std::string_view standard, double d,
                         double pipeDiameter, double k, double reynolds, double& kMax);
void RoughnessLowerLimit(std::string_view device, std::string_view variant, std::string_view standard, double d,
                         double pipeDiameter, double k, double reynolds, double& kMin);

}  // namespace tubalyx
