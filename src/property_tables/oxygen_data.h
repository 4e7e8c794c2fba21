#pragma once
// Constant oxygen tables, generated into oxygen_data.cpp by tools/property_tables/second_set_files.py.
// Values[(i * Columns) + j] is the cell at Pressures[i], Temperatures[j]; liquid cells
// are negative, cells without data -2e99.

namespace tubalyx {

constexpr int kOxygenDensityRows = 28;
constexpr int kOxygenDensityColumns = 27;
extern const double kOxygenDensityPressures[kOxygenDensityRows];  // kPa
extern const double kOxygenDensityTemperatures[kOxygenDensityColumns];  // K
extern const double kOxygenDensityValues[kOxygenDensityRows * kOxygenDensityColumns];

constexpr int kOxygenViscosityRows = 7;
constexpr int kOxygenViscosityColumns = 20;
extern const double kOxygenViscosityPressures[kOxygenViscosityRows];  // kPa
extern const double kOxygenViscosityTemperatures[kOxygenViscosityColumns];  // K
extern const double kOxygenViscosityValues[kOxygenViscosityRows * kOxygenViscosityColumns];

constexpr int kOxygenEnthalpyRows = 12;
constexpr int kOxygenEnthalpyColumns = 19;
extern const double kOxygenEnthalpyPressures[kOxygenEnthalpyRows];  // kPa
extern const double kOxygenEnthalpyTemperatures[kOxygenEnthalpyColumns];  // K
extern const double kOxygenEnthalpyValues[kOxygenEnthalpyRows * kOxygenEnthalpyColumns];

constexpr int kOxygenCpRows = 12;
constexpr int kOxygenCpColumns = 20;
extern const double kOxygenCpPressures[kOxygenCpRows];  // kPa
extern const double kOxygenCpTemperatures[kOxygenCpColumns];  // K
extern const double kOxygenCpValues[kOxygenCpRows * kOxygenCpColumns];

}  // namespace tubalyx
