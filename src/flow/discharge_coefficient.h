#pragma once
#include "flow/device_selection.h"

namespace tubalyx {

// Reader-Harris/Gallagher orifice equation. L1 and L2 are the relative tapping distances;
// the small-pipe term (pipes below 71.12 mm) follows the state's PipeDiameter.
double OrificeDischargeCoefficient(double beta, double reynolds, double l1, double l2);

// The same equation with the small-pipe term of the given pipe diameter D (m).
double ReaderHarrisGallagherC(double beta, double reynolds, double l1, double l2,
                              double pipeDiameter);

// Stolz equation of the orifice plate after DIN 1952:1982, by tapping variant.
double StolzOrificeC(DeviceVariant variant, double beta, double reynolds, double pipeDiameter);

double IsaNozzleC(FlowStandard standard, double beta, double reynolds);
double LongRadiusNozzleC(double beta, double reynolds);
double ShortVenturiC(double beta);
double SegmentOrificeC(double beta);
double QuarterCircleC(double beta);

// Classical venturi tube: table of the make, linear between breakpoints, end values held.
// Welded and as-cast tables run on the pipe Reynolds number, the machined one on the
// throat Reynolds number ReD * D / d.
double ClassicalVenturiC(DeviceVariant variant, double reynolds, double beta);

// Discharge coefficient of any device (before the cut of negative values). Cone meters
// give 1 (their calibrated coefficient enters the flow equation instead).
double DischargeCoefficient(const DeviceSelection& sel, double beta, double reynolds,
                            double pipeDiameter);

}  // namespace tubalyx
