#pragma once
// Flow of the one-dimensional volume flowmeter (ultrasonic or magnetic): the typed flow
// with the corrections for pipe roughness and for the flow profile at the Reynolds number.
#include <string>

namespace tubalyx {

// Corrections of a measured mass flow qm (kg/s): D and k in mm, reynolds the pipe Reynolds
// number, calibrationReynolds the Reynolds number of the calibration (0: none).
// areaFactor = (D - 14 k^2) / D, and the corrected flow is qm * areaFactor * profileFactor.
void VolumeMeterCorrections(double qm, double pipeDiameterMm, double roughnessMm, double reynolds,
                            double calibrationReynolds, double& areaFactor, double& profileFactor);

// The typed value in its unit keyword as the mass flow the meter measures (kg/s, uncorrected);
// density in kg/m3. The unit kind is left in ParsedUnitKind.
double MeasuredMassFlow(const std::string& unit, double value, double density, double pipeDiameterMm);

// The typed value in its unit keyword becomes the measured flow qm (kg/s, uncorrected);
// the area factor and profile correction come with it. Density in kg/m3. The unit kind
// is left in ParsedUnitKind.
void ReynoldsAdjustedFlow(const std::string& unit, double value, double density, double pipeDiameterMm,
                          double roughnessMm, double reynolds, double calibrationReynolds, double& qm,
                          double& areaFactor, double& profileFactor);

// The flow branch of "VOLYM": the typed max flow with the state's unit, roughness and
// Reynolds numbers; writes VolumeMeterRoughnessFactor and VolumeMeterReynoldsFactor.
double VolumeMeterFlow(double density, double pipeDiameter);

}  // namespace tubalyx
