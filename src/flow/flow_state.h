#pragma once
// Calculation-state variables of the primary-device calculations that the flow kernel
// reads or writes. They live for the whole program; the edit handlers and the
// calculation sequence write the inputs, the kernel reads them.
#include <string>

namespace tubalyx {

extern double PipeDiameter;          // m, pipe inner diameter at operating temperature
extern double BoreDiameter;          // m, bore or throat diameter at operating temperature
extern double PipeDiameterColdM;     // m, pipe inner diameter as typed (cold)
extern double DynamicViscosityPas;   // Pa s, viscosity of the medium at the operating point
extern double MaxMassFlow;           // kg/s, maximal mass flow of the device calculation
extern double MinMassFlow;           // kg/s, minimal mass flow of the device calculation
extern double MaxDpPa;               // Pa, differential pressure at max flow
extern double PipeRoughnessM;        // m, pipe roughness
extern double ReynoldsAtMaxFlow;     // pipe Reynolds number at max flow
extern double DiameterRatioBeta;     // diameter ratio at max flow
extern double CalibratedCf;          // calibrated flow coefficient of the cone meters (edit Cf)
extern double CalibratedReynoldsMin; // lower calibrated Reynolds number (edit kalminreyn)
extern double CalibratedReynoldsMax; // upper calibrated Reynolds number (edit kalmaxreyn)
extern double PipeRoughnessMm;       // mm, pipe roughness as typed
extern std::string FlowUnit;         // unit keyword of the max flow entry
extern double MaxFlowInput;          // max flow as typed, in FlowUnit
extern double FlowNormalDensity;     // kg/m3, reference density of normal/standard volume units

// Written by the volume-meter branch of the flow calculation.
extern double VolumeMeterRoughnessFactor;  // area factor (D - 14 k^2) / D
extern double VolumeMeterReynoldsFactor;   // flow-profile correction

}  // namespace tubalyx
