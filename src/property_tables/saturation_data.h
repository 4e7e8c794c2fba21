#pragma once
// Constant saturation tables of the liquefied gases (generated into saturation_data.cpp by
// tools/gen_property_tables.py). Rows in increasing temperature.

namespace tubalyx {

// Argon, oxygen, nitrogen: pressure in bar; the viscosity column holds kNoSaturationViscosity
// outside the rows that have a liquid viscosity.
struct TwoSidedSaturationRow {
    double temperature;      // K
    double pressure;         // bar
    double vapourVolume;     // dm3/kg
    double liquidVolume;     // dm3/kg
    double vapourEnthalpy;   // kJ/kg, on the zero of the medium's gas enthalpy table
    double liquidEnthalpy;   // kJ/kg
    double liquidViscosity;  // Pa s
};

// Hydrogen, carbon dioxide, ozone: pressure in kPa (101 kPa where the line lies below it).
struct LiquidSaturationRow {
    double temperature;      // K
    double pressure;         // kPa
    double liquidDensity;    // kg/m3
    double liquidViscosity;  // Pa s; 0 for ozone, which has none
};

constexpr double kNoSaturationViscosity = -1e99;

constexpr int kArgonSaturationRows = 70;
constexpr int kOxygenSaturationRows = 103;
constexpr int kNitrogenSaturationRows = 66;
constexpr int kHydrogenSaturationRows = 19;
constexpr int kCarbonDioxideSaturationRows = 17;
constexpr int kOzoneSaturationRows = 16;

extern const TwoSidedSaturationRow kArgonSaturation[kArgonSaturationRows];
extern const TwoSidedSaturationRow kOxygenSaturation[kOxygenSaturationRows];
extern const TwoSidedSaturationRow kNitrogenSaturation[kNitrogenSaturationRows];
extern const LiquidSaturationRow kHydrogenSaturation[kHydrogenSaturationRows];
extern const LiquidSaturationRow kCarbonDioxideSaturation[kCarbonDioxideSaturationRows];
extern const LiquidSaturationRow kOzoneSaturation[kOzoneSaturationRows];

}  // namespace tubalyx
