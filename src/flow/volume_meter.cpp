#include "flow/volume_meter.h"

#include "media/medium_property_switch.h"
#include "numerics/checked.h"
#include "numerics/unit_parser.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"

namespace tubalyx {
namespace {

constexpr double kProfileFloor = 0.7736;  // profile factor at Re = 3000

double ProfileFactor(double re) { return (1.0 - CheckedDiv(3000.0, re)) + CheckedDiv(2320.8, re); }

}  // namespace

void VolumeMeterCorrections(double qm, double pipeDiameterMm, double roughnessMm, double reynolds,
                            double calibrationReynolds, double& areaFactor, double& profileFactor) {
    double w = qm;
    const double t = pipeDiameterMm - 14.0 * roughnessMm * roughnessMm;
    if (pipeDiameterMm > t) w = w * CheckedDiv(t, pipeDiameterMm);
    areaFactor = CheckedDiv(w, qm);
    const double a = reynolds > 3000.0 ? ProfileFactor(reynolds) : kProfileFloor;
    const double b = reynolds > 6000.0 ? ProfileFactor(reynolds) : kProfileFloor;
    if (reynolds > 7000.0)
        w = a * w;
    else if (reynolds < 3000.0)
        w = b * w;
    else
        w = ((7000.0 - reynolds) * 0.00025 * b + (reynolds - 3000.0) * 0.00025 * a) * w;
    if (calibrationReynolds > 0.0) w = CheckedDiv(w, ProfileFactor(calibrationReynolds));
    profileFactor = CheckedDiv(CheckedDiv(w, qm), areaFactor);
}

double MeasuredMassFlow(const std::string& unit, double value, double density, double pipeDiameterMm) {
    std::string keyword = unit;
    double v = 0.0;
    // The kind goes to the shared kind: the report words the flow lines by it.
    ParseUnitValue(keyword, value, FlowNormalDensity, pipeDiameterMm / 1000.0, v, ParsedUnitKind);
    if (ParsedUnitKind == kUnitVolumeFlow) return 0.001 * density * v / 3600.0;  // litres per hour
    return v / 3600.0;                                                           // kg per hour
}

void ReynoldsAdjustedFlow(const std::string& unit, double value, double density, double pipeDiameterMm,
                          double roughnessMm, double reynolds, double calibrationReynolds, double& qm,
                          double& areaFactor, double& profileFactor) {
    qm = MeasuredMassFlow(unit, value, density, pipeDiameterMm);
    VolumeMeterCorrections(qm, pipeDiameterMm, roughnessMm, reynolds, calibrationReynolds, areaFactor, profileFactor);
}

double VolumeMeterFlow(double density, double pipeDiameter) {
    double qm = 0.0;
    ReynoldsAdjustedFlow(FlowUnit, MaxFlowInput, density, 1000.0 * pipeDiameter, PipeRoughnessMm, ReynoldsAtMaxFlow,
                         CalibratedReynoldsMin, qm, VolumeMeterRoughnessFactor, VolumeMeterReynoldsFactor);
    return qm;
}

}  // namespace tubalyx
