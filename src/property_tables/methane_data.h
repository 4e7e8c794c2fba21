#pragma once
// Constant methane tables, generated into methane_data.cpp by tools/property_tables/second_set_files.py.
// Values[(i * Columns) + j] is the cell at Pressures[i], Temperatures[j]; liquid cells
// are negative, cells without data -2e99.

namespace tubalyx {

constexpr int kMethaneViscosityRows = 23;
constexpr int kMethaneViscosityColumns = 20;
extern const double kMethaneViscosityPressures[kMethaneViscosityRows];  // kPa
extern const double kMethaneViscosityTemperatures[kMethaneViscosityColumns];  // K
extern const double kMethaneViscosityValues[kMethaneViscosityRows * kMethaneViscosityColumns];

constexpr int kMethaneEnthalpyRows = 22;
constexpr int kMethaneEnthalpyColumns = 28;
extern const double kMethaneEnthalpyPressures[kMethaneEnthalpyRows];  // kPa
extern const double kMethaneEnthalpyTemperatures[kMethaneEnthalpyColumns];  // K
extern const double kMethaneEnthalpyValues[kMethaneEnthalpyRows * kMethaneEnthalpyColumns];

constexpr int kMethaneCpRows = 22;
constexpr int kMethaneCpColumns = 28;
extern const double kMethaneCpPressures[kMethaneCpRows];  // kPa
extern const double kMethaneCpTemperatures[kMethaneCpColumns];  // K
extern const double kMethaneCpValues[kMethaneCpRows * kMethaneCpColumns];

}  // namespace tubalyx
