#pragma once
// Calculation-state values of the primary-device sequence that the operating-range
// adjustment, the optimal design and the operating geometry read. The run's input reading
// and the medium preparation of the sequence write them; they live for the whole program.
#include <string>

#include "media/medium_state.h"

namespace tubalyx {

// The medium state at the operating point (FlowDensity, KappaOperating) is the medium
// module's, in media/medium_state.h.
// Flows and differential pressures of the sequence.
extern double NormalMassFlow;         // kg/s
extern double MaxFlowDpPa;            // Pa, design dp at max flow at the worst-case corner
extern double ScaledMaxDpPa;          // Pa, dp at a lower flow scaled to max flow
extern double DpAtNormalFlow;         // Pa
extern double DpAtMinFlow;            // Pa
extern double FlowAtMaxDp;            // kg/s, flow at MaxFlowDpPa
extern double FlowAtReynoldsMin;      // kg/s
extern double FlowAtUpperLimitValue;  // kg/s, largest flow within the standard

// Operating range as typed and converted.
extern double TemperatureMinC;
extern double TemperatureMaxC;
extern double PressureMinPa;  // Pa abs
extern double PressureMaxPa;  // Pa abs

// Differential pressure in the user's unit.
extern std::string DpUnit;            // unit keyword of the dp entry
extern double MaxDpInput;             // design dp as typed, in DpUnit
extern std::string DpUpperLimitUnit;  // unit keyword of the optimal design's dp range
extern double DpLowerLimitInput;      // dp range of the optimal design, in DpUpperLimitUnit
extern double DpUpperLimitInput;

// Installation: available straight length and the correction factors with their
// uncertainties (each factor 1.0 when it does not apply).
extern double StraightLengthM;               // m
extern double AdditionalUncertaintyPercent;  // %
extern double InletEdgeFactor;               // bk
extern double RoughnessFactor;               // br
extern double BendFactor;                    // bkr
extern double RoughnessUncertaintyPercent;   // %

}  // namespace tubalyx
