#pragma once
// Constant argon tables, generated into argon_data.cpp by tools/property_tables/second_set_files.py.
// Values[(i * Columns) + j] is the cell at Pressures[i], Temperatures[j]; liquid cells
// are negative, cells without data -2e99.

namespace tubalyx {

constexpr int kArgonDensityRows = 28;
constexpr int kArgonDensityColumns = 27;
extern const double kArgonDensityPressures[kArgonDensityRows];  // kPa
extern const double kArgonDensityTemperatures[kArgonDensityColumns];  // K
extern const double kArgonDensityValues[kArgonDensityRows * kArgonDensityColumns];

constexpr int kArgonViscosityRows = 7;
constexpr int kArgonViscosityColumns = 20;
extern const double kArgonViscosityPressures[kArgonViscosityRows];  // kPa
extern const double kArgonViscosityTemperatures[kArgonViscosityColumns];  // K
extern const double kArgonViscosityValues[kArgonViscosityRows * kArgonViscosityColumns];

constexpr int kArgonEnthalpyRows = 12;
constexpr int kArgonEnthalpyColumns = 19;
extern const double kArgonEnthalpyPressures[kArgonEnthalpyRows];  // kPa
extern const double kArgonEnthalpyTemperatures[kArgonEnthalpyColumns];  // K
extern const double kArgonEnthalpyValues[kArgonEnthalpyRows * kArgonEnthalpyColumns];

constexpr int kArgonCpRows = 12;
constexpr int kArgonCpColumns = 20;
extern const double kArgonCpPressures[kArgonCpRows];  // kPa
extern const double kArgonCpTemperatures[kArgonCpColumns];  // K
extern const double kArgonCpValues[kArgonCpRows * kArgonCpColumns];

}  // namespace tubalyx
