#pragma once
// The typed inputs of the calculation state and their units, as the edit handlers and the
// run's reading of all inputs leave them: flows, differential pressures, the operating
// range, the installation and the ranges of the optimal design.
#include <string>

namespace tubalyx {

// Flows.
extern std::string FlowUnit;     // unit keyword of the max flow entry
extern double MaxFlowInput;      // max flow as typed, in FlowUnit
extern double MaxFlowSI;         // max flow from the unit parser: kg/h (mass) or l/h (volume)
extern double MinFlowInput;      // min flow as typed, in MinFlowUnit
extern std::string MinFlowUnit;  // unit keyword of the min flow: always that of the max flow
extern double MinFlowSI;         // min flow, same units

// Differential pressure in the user's unit.
extern std::string DpUnit;  // unit keyword of the dp entry
extern double MaxDpInput;   // design dp as typed, in DpUnit
// What the dp field converts to while a primary device's max flow is adjusted (MaxFlowGivenFlag
// "J"): the base value of DpUnit's kind.
extern double CalculatedFlow;
extern std::string DpUpperLimitUnit;  // unit keyword of the optimal design's upper dp limit
extern std::string DpLowerLimitUnit;  // unit keyword of its lower dp limit
extern double DpLowerLimitInput;      // dp range of the optimal design, in DpLowerLimitUnit
extern double DpUpperLimitInput;      // in DpUpperLimitUnit

// The wanted permanent pressure loss ("TF").
extern double MaxPressureLossInput;      // in MaxPressureLossUnit
extern std::string MaxPressureLossUnit;  // unit keyword, "KPA" at start
extern double MaxPressureLossPa;         // Pa

// Operating range as typed and converted.
extern double TemperatureMinC;    // degC
extern double TemperatureMaxC;    // degC
extern std::string PressureUnit;  // unit keyword of the static-pressure entries (abstrycksort)
extern double PressureMinInput;   // lower static pressure as typed, in PressureUnit
extern double PressureMaxInput;   // upper static pressure as typed, in PressureUnit
extern double PressureMinPa;      // Pa abs
extern double PressureMaxPa;      // Pa abs

// Valves and restrictions.
extern std::string VapourPressureUnit;    // unit keyword of VapourPressureInput
extern std::string CriticalPressureUnit;  // unit keyword of CriticalPressureInput
extern double VapourPressureInput;        // in VapourPressureUnit
extern double CriticalPressureInput;      // in CriticalPressureUnit
extern double CriticalPressurePa;         // Pa abs, CriticalPressureInput converted
extern double ValveFL;                    // pressure-recovery factor

// Installation.
extern double EdgeRadiusMm;         // mm, inlet-edge radius of an orifice
extern double GivenStraightInlet;   // m, available straight length upstream
extern double GivenStraightOutlet;  // m, available straight length downstream
extern double StraightLengthM;      // m, available straight length
extern double HeightDifference;     // m, outlet minus inlet height of the pressure-loss line

// Calibration of the cone meters.
extern double CalibratedCf;           // calibrated flow coefficient (edit Cf)
extern double CalibratedReynoldsMin;  // lower calibrated Reynolds number (edit kalminreyn)
extern double CalibratedReynoldsMax;  // upper calibrated Reynolds number (edit kalmaxreyn)
// The calibration temperature in degrees C (the edit "kaltemp"); the reference temperature
// of ThermalExpansionFactor for the devices "VCONE" and "VCONEWAFER".
extern double CalibrationTemperatureC;

// Ranges of the optimal design, written by the input page.
extern double PipeDiameterMinLimitMm;  // cold pipe-diameter range as typed, mm
extern double PipeDiameterMaxLimitMm;  // mm
extern double PipeDiameterMinLimitM;   // cold pipe-diameter range, m
extern double PipeDiameterMaxLimitM;   // m
extern double DpLowerLimitPa;          // differential-pressure range, Pa
extern double DpUpperLimitPa;          // Pa
extern double WeightFactor1;           // weight of the uncertainty term
extern double WeightFactor2;           // weight of the pressure-loss term

}  // namespace tubalyx
