#pragma once
// The geometry of the calculation state: pipe, bore, segment and valve diameters as typed
// (cold, at 20 degrees C) and at the operating temperature, the roughness, and the expansion
// coefficients of the device and pipe materials that join the two.
namespace tubalyx {

// At the operating temperature.
extern double PipeDiameter;       // m, pipe inner diameter
extern double BoreDiameter;       // m, bore or throat diameter
extern double SegmentHeightM;     // m, segment height
extern double DiameterRatioBeta;  // diameter ratio at max flow

// As typed (cold).
extern double PipeDiameterColdM;                        // m
extern double PipeDiameterColdMm;                       // mm
extern double BoreDiameterColdMm, BoreDiameterColdM;    // mm, m
extern double SegmentHeightColdMm, SegmentHeightColdM;  // mm, m
extern double ValveDiameterColdMm, ValveDiameterColdM;  // mm, m

extern double PipeRoughnessMm;     // mm, pipe roughness as typed
extern double PipeRoughnessM;      // m
extern double PipeRoughnessGiven;  // m, the roughness as the run read it from the questionnaire
// mm, carrier-ring width of an orifice or sheet thickness of a welded venturi.
extern double PlateThicknessMm;

// The expansion coefficients of the primary-device and the pipe material, a1 in 1e-6 per K
// and a2 in 1e-6 per K squared.
extern double DeviceExpansionCoeff;
extern double DeviceExpansionCoeffB;
extern double PipeExpansionCoeff;
extern double PipeExpansionCoeffB;

}  // namespace tubalyx
