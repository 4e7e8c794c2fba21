#pragma once
// Constant air tables, generated into air_data.cpp by tools/property_tables/second_set_files.py.
// Values[(i * Columns) + j] is the cell at Pressures[i], Temperatures[j]; liquid cells
// are negative, cells without data -2e99.

namespace tubalyx {

constexpr int kAirDensityRows = 12;
constexpr int kAirDensityColumns = 19;
extern const double kAirDensityPressures[kAirDensityRows];  // kPa
extern const double kAirDensityTemperatures[kAirDensityColumns];  // K
extern const double kAirDensityValues[kAirDensityRows * kAirDensityColumns];

constexpr int kAirEnthalpyRows = 12;
constexpr int kAirEnthalpyColumns = 19;
extern const double kAirEnthalpyPressures[kAirEnthalpyRows];  // kPa
extern const double kAirEnthalpyTemperatures[kAirEnthalpyColumns];  // K
extern const double kAirEnthalpyValues[kAirEnthalpyRows * kAirEnthalpyColumns];

constexpr int kAirCpRows = 12;
constexpr int kAirCpColumns = 19;
extern const double kAirCpPressures[kAirCpRows];  // kPa
extern const double kAirCpTemperatures[kAirCpColumns];  // K
extern const double kAirCpValues[kAirCpRows * kAirCpColumns];

constexpr int kAirViscosityRows = 7;
constexpr int kAirViscosityColumns = 19;
extern const double kAirViscosityPressures[kAirViscosityRows];  // kPa
extern const double kAirViscosityTemperatures[kAirViscosityColumns];  // K
extern const double kAirViscosityValues[kAirViscosityRows * kAirViscosityColumns];

}  // namespace tubalyx
