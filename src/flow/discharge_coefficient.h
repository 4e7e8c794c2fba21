#pragma once
// Discharge coefficients C of the standardized primary devices, dimensionless, as functions
// of the diameter ratio beta = d/D and the pipe Reynolds number ReD. The equations are
// evaluated as published, also outside their ranges of validity (the limit checks report
// those); a negative C is returned as it comes, the caller cuts it to 0.
#include <cmath>
#include <cstddef>

#include "flow/device_selection.h"
#include "numerics/checked.h"

namespace tubalyx {

// Reader-Harris/Gallagher equation, ISO 5167-2:2003, 5.3.2.1 (and ISO 5167-1:1991 with its
// 1998 amendment); the ranges of beta and ReD are those of standard_limits.h:
//   C = 0.5961 + 0.0261 b^2 - 0.216 b^8 + 0.000521 (1e6 b / ReD)^0.7
//       + (0.0188 + 0.0063 A) b^3.5 (1e6 / ReD)^0.3
//       + (0.043 + 0.080 e^(-10 L1) - 0.123 e^(-7 L1)) (1 - 0.11 A) b^4 / (1 - b^4)
//       - 0.031 (M2' - 0.8 M2'^1.1) b^1.3,   A = (19000 b / ReD)^0.8, M2' = 2 L2' / (1 - b),
// plus 0.011 (0.75 - b)(2.8 - D / 25.4 mm) in pipes below 71.12 mm. L1 and L2' are the
// relative tapping distances. Example: b 0.3004, ReD 111742, flange tappings in D 73.91 mm
// give C = 0.59903.
double ReaderHarrisGallagherC(double beta, double reynolds, double l1, double l2, double pipeDiameter);

// The same equation with the small-pipe term of the state's PipeDiameter, as the 1991
// standard and the report lines use it.
double OrificeDischargeCoefficient(double beta, double reynolds, double l1, double l2);

// Tapping distances L1, L2' of a tapping variant in a pipe of diameter D (m): 0 for corner
// tappings, 25.4 mm / D for flange tappings, 1 and 0.47 for D and D/2 tappings.
void OrificeTappingDistances(DeviceVariant variant, double pipeDiameter, double& l1, double& l2);

// Stolz equation of the orifice plate, DIN 1952:1982, by tapping variant:
//   C0 = 0.5959 + 0.0312 b^2.1 - 0.184 b^8 + 0.0029 b^2.5 (1e6 / ReD)^0.75,
// plus (2.286 mm / D) b^4 / (1 - b^4) - (0.85598 mm / D) b^3 for flange tappings and
// 0.039 b^4 / (1 - b^4) - 0.015839 b^3 for D and D/2 tappings.
double StolzOrificeC(DeviceVariant variant, double beta, double reynolds, double pipeDiameter);

// ISA 1932 nozzle, ISO 5167-3:2003:
//   C = 0.99 - 0.2262 b^4.1 - (0.00175 b^2 - 0.0033 b^4.15)(1e6 / ReD)^1.15;
// DIN 1952: C = 0.99 - 0.2262 b^4.1 + (0.000215 - 0.001125 b + 0.00249 b^4.7)(1e6 / ReD)^1.15.
double IsaNozzleC(FlowStandard standard, double beta, double reynolds);

// Long-radius nozzle, ISO 5167-3:2003:
//   C = 0.9965 - 0.00653 b^0.5 (1e6 / ReD)^0.5.
double LongRadiusNozzleC(double beta, double reynolds);

// Venturi nozzle (short venturi), ISO 5167-3:2003: C = 0.9858 - 0.196 b^4.5.
double ShortVenturiC(double beta);
// Segment orifice: C = 0.6057 - 0.0822 b^4 - 0.5508 b^16.
double SegmentOrificeC(double beta);
// Quarter-circle nozzle: C = 0.769 + 0.527 b^4 + 0.423 b^8.
double QuarterCircleC(double beta);

// Classical venturi tube, ISO 5167-4:2003: the table of the make, linear between breakpoints,
// end values held. Welded and as-cast tables run on the pipe Reynolds number, the machined
// one on the throat Reynolds number ReD D / d.
double ClassicalVenturiC(DeviceVariant variant, double reynolds, double beta);

// Discharge coefficient of any device (before the cut of negative values). Cone meters give
// 1 (their calibrated coefficient enters the flow equation instead), other devices 0.
double DischargeCoefficient(const DeviceSelection& sel, double beta, double reynolds, double pipeDiameter);

// The discharge coefficient of one device in one pipe, for the iterations that evaluate it
// many times while only the bore or only the Reynolds number moves. The terms of the pipe
// are evaluated when it is made and those of the plate by SetPlate. The Reynolds number
// enters through one power of 1e6 / ReD (one logarithm and one exponential, nothing where C
// does not depend on it), which does not depend on the plate. Its values are those of
// DischargeCoefficient, which evaluates through it. A zero Reynolds number raises where C
// depends on it.
class DischargeCoefficientCurve {
public:
    DischargeCoefficientCurve(const DeviceSelection& sel, double pipeDiameter);
    // The Reader-Harris/Gallagher equation for tapping distances L1, L2' and the diameter
    // (m) whose small-pipe term applies.
    static DischargeCoefficientCurve ReaderHarrisGallagher(double l1, double l2, double smallPipeDiameter);

    void SetPlate(double beta);
    double At(double reynolds) const;
    // The power of 1e6 / ReD that the equation takes, from ln |ReD|.
    double ReynoldsPower(double lnReynolds) const;
    // C at ReD whose ReynoldsPower is given. Only the venturi tables read ReD itself.
    double At(double reynolds, double reynoldsPower) const;
    bool ReadsReynolds() const { return equation_ == Equation::Venturi; }

private:
    enum class Equation {
        Zero,
        ReaderHarrisGallagher,
        Stolz,
        IsaNozzle,
        IsaNozzleDin,
        LongRadius,
        ShortVenturi,
        Segment,
        QuarterCircle,
        Venturi,
        Cone
    };
    struct VenturiPoint {
        double reynolds;
        double c;
    };
    DischargeCoefficientCurve() = default;
    double ReaderHarrisGallagherAt(double x) const;
    double VenturiAt(double reynolds) const;

    Equation equation_ = Equation::Zero;
    DeviceVariant variant_ = DeviceVariant::Other;
    double pipeDiameter_ = 0.0;
    // Pipe terms of the orifice equations.
    double l2_ = 0.0, tapping_ = 0.0, smallPipeFactor_ = 0.0;
    // Venturi table and whether it runs on the throat Reynolds number.
    const VenturiPoint* table_ = nullptr;
    std::size_t tableSize_ = 0;
    bool throatReynolds_ = false;
    // The power of 1e6 / ReD that the equation takes; 0 where C does not depend on ReD.
    double exponent_ = 0.0;
    // Plate terms: C = base + slope (1e6 / ReD)^exponent for the power laws; the
    // Reader-Harris/Gallagher equation keeps its own.
    double beta_ = 0.0;
    double base_ = 0.0, slope_ = 0.0;
    double k7_ = 0.0, k3_ = 0.0, k3a_ = 0.0, k8_ = 0.0;
};

// The evaluations of the iterations' passes, here so that they inline into them.

// ln |ReD| of 0 is -infinity, which makes the power infinite: C raises.
inline double DischargeCoefficientCurve::ReynoldsPower(double lnReynolds) const {
    constexpr double kLnMillion = 13.815510557964274;  // ln 1e6
    return exponent_ == 0.0 ? 0.0 : std::exp(exponent_ * (kLnMillion - lnReynolds));
}

// x = (1e6 / ReD)^0.1, of which every Reynolds term is a power.
inline double DischargeCoefficientCurve::ReaderHarrisGallagherAt(double x) const {
    const double x2 = x * x, x3 = x2 * x, x4 = x2 * x2;
    const double x8 = x4 * x4;
    return CheckFinite(base_ + k7_ * (x4 * x3) + (k3_ + k3a_ * x8) * x3 - k8_ * x8);
}

inline double DischargeCoefficientCurve::At(double reynolds, double reynoldsPower) const {
    switch (equation_) {
        case Equation::ReaderHarrisGallagher: return ReaderHarrisGallagherAt(reynoldsPower);
        case Equation::Stolz:
        case Equation::IsaNozzle:
        case Equation::IsaNozzleDin:
        case Equation::LongRadius: return CheckFinite(base_ + slope_ * reynoldsPower);
        case Equation::Venturi: return VenturiAt(reynolds);
        default: return CheckFinite(base_);
    }
}

}  // namespace tubalyx
