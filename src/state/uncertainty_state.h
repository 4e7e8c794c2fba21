#pragma once
// The uncertainty budget of the flow measurement: the answers and inputs of the uncertainty
// grid Felsimulgrid, and what each error source contributes to the measured flow at the ten
// points of the flow range, as the last budget run left it.
#include <array>
#include <string>

namespace tubalyx {

// The answers of the grid.
extern std::string SquareRootAnswer;        // "J", "Y" or "N": the dp transmitter extracts the root
extern std::string DpTransmitterCount;      // "1", or "2" with split ranges
extern std::string UncertaintyPercentBase;  // "M" in % of maximal flow, "A" in % of actual flow

// Column 1 of the grid, by row. Uncertainties in % unless the name says the unit.
struct UncertaintyInputSet {
    double MeterSpanUncertainty = 0.0;    // dp transmitter (or flowmeter), % of span
    double MeterActualUncertainty = 0.0;  // % of reading
    double AdSpanUncertainty = 0.0;
    double AdActualUncertainty = 0.0;
    double ThroatDiameterUncertaintyMm = 0.0;
    double InletEdgeRadiusMm = 0.0;  // the radius of an unsharp orifice edge itself
    double PipeDiameterUncertaintyMm = 0.0;
    double RoughnessUncertaintyMm = 0.0;
    double DensityUncertaintyPercent = 0.0;
    double DensityErrorPercent = 0.0;
    double ViscosityUncertaintyPercent = 0.0;
    double KappaUncertaintyPercent = 0.0;
    double PressureUncertaintyPercent = 0.0;
    double TemperatureUncertaintyC = 0.0;  // degrees
    double HumidityUncertaintyPercent = 0.0;
    // Natural gas: % of each component's mole fraction.
    double MethaneUncertaintyPercent = 0.0;
    double NitrogenUncertaintyPercent = 0.0;
    double CarbonDioxideUncertaintyPercent = 0.0;
    double EthaneUncertaintyPercent = 0.0;
    double PropaneUncertaintyPercent = 0.0;
};
extern UncertaintyInputSet UncertaintyInputs;

// One value per flow point 0 to 9 (evenly from the lowest to the maximal flow); index 10 is
// never written.
inline constexpr int kUncertaintyPoints = 10;
using UncertaintyArray = std::array<double, 11>;

// The error sources, one array each. Random sources combine as the root of their squares,
// the bias ones (calculation error, density error, other errors) with their signs.
enum class UncertaintySource {
    Standard,
    CalculationError,
    Span,
    Actual,
    AdSpan,
    AdActual,
    ThroatDiameter,
    InletEdge,
    TubeDiameter,
    Roughness,
    DensityUncertainty,
    DensityError,
    Viscosity,
    Kappa,
    Pressure,
    Temperature,
    HumidityDryGas,
    Humidity,
    Methane,
    Nitrogen,
    CarbonDioxide,
    Ethane,
    Propane,
    OtherUncertainties,
    OtherErrors,
    Count
};
inline constexpr int kUncertaintySourceCount = static_cast<int>(UncertaintySource::Count);

// In % of the actual flow at the point, or of the maximal flow when UncertaintyPercentBase is
// "M". The two typed-in arrays (other errors, other uncertainties) come from the grid.
extern std::array<UncertaintyArray, kUncertaintySourceCount> UncertaintySourceArrays;
constexpr UncertaintyArray& SourceArray(UncertaintySource s) { return UncertaintySourceArrays[static_cast<int>(s)]; }
// Each source's array by its own name.
inline UncertaintyArray& StandardUncertaintyArray = SourceArray(UncertaintySource::Standard);
inline UncertaintyArray& CalculationErrorArray = SourceArray(UncertaintySource::CalculationError);
inline UncertaintyArray& SpanUncertaintyArray = SourceArray(UncertaintySource::Span);
inline UncertaintyArray& ActualUncertaintyArray = SourceArray(UncertaintySource::Actual);
inline UncertaintyArray& AdSpanArray = SourceArray(UncertaintySource::AdSpan);
inline UncertaintyArray& AdActualArray = SourceArray(UncertaintySource::AdActual);
inline UncertaintyArray& ThroatDiameterArray = SourceArray(UncertaintySource::ThroatDiameter);
inline UncertaintyArray& InletEdgeArray = SourceArray(UncertaintySource::InletEdge);
inline UncertaintyArray& PipeDiameterArray = SourceArray(UncertaintySource::TubeDiameter);
inline UncertaintyArray& RoughnessArray = SourceArray(UncertaintySource::Roughness);
inline UncertaintyArray& DensityUncertaintyArray = SourceArray(UncertaintySource::DensityUncertainty);
inline UncertaintyArray& DensityErrorArray = SourceArray(UncertaintySource::DensityError);
inline UncertaintyArray& ViscosityArray = SourceArray(UncertaintySource::Viscosity);
inline UncertaintyArray& KappaArray = SourceArray(UncertaintySource::Kappa);
inline UncertaintyArray& PressureArray = SourceArray(UncertaintySource::Pressure);
inline UncertaintyArray& TemperatureArray = SourceArray(UncertaintySource::Temperature);
inline UncertaintyArray& HumidityDryGasArray = SourceArray(UncertaintySource::HumidityDryGas);
inline UncertaintyArray& HumidityArray = SourceArray(UncertaintySource::Humidity);
inline UncertaintyArray& MethaneArray = SourceArray(UncertaintySource::Methane);
inline UncertaintyArray& NitrogenArray = SourceArray(UncertaintySource::Nitrogen);
inline UncertaintyArray& CarbonDioxideArray = SourceArray(UncertaintySource::CarbonDioxide);
inline UncertaintyArray& EthaneArray = SourceArray(UncertaintySource::Ethane);
inline UncertaintyArray& PropaneArray = SourceArray(UncertaintySource::Propane);
inline UncertaintyArray& OtherUncertaintiesArray = SourceArray(UncertaintySource::OtherUncertainties);
inline UncertaintyArray& OtherErrorsArray = SourceArray(UncertaintySource::OtherErrors);

// The mean absolute contribution of each source over the flow range (column 12 of the grid),
// and the means of the two totals.
struct SourceMeanSet {
    std::array<double, kUncertaintySourceCount> source{};
    double total = 0.0;
    double dryGasTotal = 0.0;
};
extern SourceMeanSet SourceMeanValues;

}  // namespace tubalyx
