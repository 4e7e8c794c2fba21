#pragma once
#include "flow/device_selection.h"

namespace tubalyx {

// Reader-Harris/Gallagher orifice equation. L1 and L2 are the relative tapping distances;
// the small-pipe term (pipes below 71.12 mm) follows the state's PipeDiameter.
double OrificeDischargeCoefficient(double beta, double reynolds, double l1, double l2);

// The same equation with the small-pipe term of the given pipe diameter D (m).
double ReaderHarrisGallagherC(double beta, double reynolds, double l1, double l2,
                              double pipeDiameter);

// The parts of the Reader-Harris/Gallagher equation that depend on the plate and pipe only,
// for the flow iterations that keep the bore fixed while the Reynolds number moves.
struct OrificeBetaTerms {
    double b2, b8, b35, b13;  // powers of beta
    double tapping;           // 0.043 + 0.080 e^(-10 L1) - 0.123 e^(-7 L1)
    double ratio;             // beta^4 / (1 - beta^4)
    double m2Term;            // M2' - 0.8 M2'^1.1
    double smallPipe;         // the small-pipe addition, 0 from 71.12 mm on
};
OrificeBetaTerms MakeOrificeBetaTerms(double beta, double l1, double l2, double pipeDiameter);
double ReaderHarrisGallagherC(const OrificeBetaTerms& t, double beta, double reynolds);

// Tapping distances L1, L2' of a tapping variant in a pipe of diameter D (m).
void OrificeTappingDistances(DeviceVariant variant, double pipeDiameter, double& l1, double& l2);

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
