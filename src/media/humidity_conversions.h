#pragma once
// Conversions between the four humidity measures of a gas. Relative humidity is the only
// one the property calculations take; the others are found by searching, through the
// medium property switch, for the relative humidity whose vapour density (or vapour-to-dry
// ratio) matches, and the dew temperature by searching for the temperature whose saturated
// vapour has the mixture's vapour density.
//
// t in degC, P in Pa absolute, densities and absolute humidity kg/m3, specific humidity
// kg/kg of dry gas, relative humidity %. Without humidity to convert (humidGas clear or the
// given measure out of its range) the relative humidity is 0 and the dew temperature
// -100 degC; a state with no gas part to hold vapour also gives a relative humidity of 0.
// Each search stops after 1000 evaluations with the last value.
#include <functional>
#include <optional>
#include <string>

namespace tubalyx {

constexpr int kHumiditySearchMaxEvaluations = 1000;
constexpr double kHumiditySearchTolerance = 1e-5;
constexpr double kNoDewTemperatureC = -100.0;
// The forward march of a search is judged every this many trials, and ends when it cannot
// come within this factor of its target before the bound.
constexpr int kHumidityMarchWindow = 8;
constexpr double kHumidityMarchMargin = 1e6;
// A march still going after this many trials leaps a window at a time. A march of the relative
// humidity past its second trial (100 %) seeks a humidity no gas can hold, and mostly runs to its
// bound: it leaps from its second window on.
constexpr int kHumidityMarchLeapTrials = kHumidityMarchWindow;

// Step search for f(s) = target (> 0) from s0: first move +50, halving with reversal.
// Returns the last s; evaluations (the start counts as one) in *evaluations when given.
// A trial that f answers with nothing (no state the search could match) ends the search
// at once without a value. A forward march (from s0 on, before the first reversal) whose
// gain over the last kHumidityMarchWindow trials, kept up to the bound, stays short of the
// target by the factor kHumidityMarchMargin ends there with its last value. From
// kHumidityMarchLeapTrials trials on, a march tries the last trial of each window first and
// leaps over the window where that one stays short of the target: f rises with s, so the
// search ends as it would trial by trial. *evaluations counts the calls of f made (and the
// start).
std::optional<double> HumidityStepSearch(double target, double s0,
                                         const std::function<std::optional<double>(double)>& f,
                                         int* evaluations = nullptr);

// The same search for an f that never falls as s rises, where each call of f is costly: it ends
// where HumidityStepSearch ends, to the bit, from some third of the calls, f being asked only
// where its earlier answers leave the trial undecided. *evaluations counts the calls of f made
// (and the start).
std::optional<double> RisingStepSearch(double target, double s0, const std::function<std::optional<double>(double)>& f,
                                       int* evaluations = nullptr);

void HumidityFromAbsolute(const std::string& keyword, bool humidGas, double& relativeHumidity, double t, double P,
                          double givenDensity, double absoluteHumidity, double zRatio);
void HumidityFromSpecific(const std::string& keyword, bool humidGas, double& relativeHumidity, double t, double P,
                          double givenDensity, double specificHumidity, double zRatio);
void HumidityFromDewPoint(const std::string& keyword, bool humidGas, double& relativeHumidity, double t, double P,
                          double givenDensity, double dewTemperature, double zRatio);
// Dew temperature of the gas at the relative humidity.
void HumidGasStateConversion(const std::string& keyword, bool humidGas, double& dewTemperature, double t, double P,
                             double givenDensity, double relativeHumidity, double zRatio);

}  // namespace tubalyx
