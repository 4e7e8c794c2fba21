#pragma once
// The components of the composition grids ViktVolprocGrid and ViktVolprocgridfukt, indexed by
// grid row (rows 2 to 11 in use), and the sums row of both grids.
#include <array>
#include <string>

namespace tubalyx {

constexpr int kMixtureRows = 13;
constexpr int kMixtureFirstRow = 2;
constexpr int kMixtureLastRow = 11;
constexpr int kMixtureSumRow = 12;

// Column of ViktVolprocGrid that the user is editing (2 to 5).
extern int MixtureEditColumn;

extern std::array<std::string, kMixtureRows> MixtureComponentKeyword;  // "GAS": user-defined component
extern std::array<std::string, kMixtureRows> MixtureComponentName;     // user-defined: its viscosity unit
extern std::array<double, kMixtureRows> MixtureMolarMass;
extern std::array<double, kMixtureRows> MixtureDensity;
extern std::array<double, kMixtureRows> MixtureViscosity;
extern std::array<double, kMixtureRows> MixtureCp;
extern std::array<double, kMixtureRows> MixtureCv;
extern std::array<double, kMixtureRows> MixtureCriticalTemperature;
extern std::array<double, kMixtureRows> MixtureEnthalpy;
extern std::array<double, kMixtureRows> MixtureFraction;

// Rewrites row 12 of both grids: for columns 2 to 5 the sum of rows 2 to 11 in the report
// number format at width 7.
void SumMixtureColumns();

}  // namespace tubalyx
