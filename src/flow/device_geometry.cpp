#include "flow/device_geometry.h"

#include <cmath>

#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/keywords.h"

namespace tubalyx {

double AllowedEccentricity(std::string_view device, std::string_view variant, std::string_view standard, double d,
                           double pipeDiameter) {
    if (device == kDeviceVenturi) return 0.005 * pipeDiameter * 1000.0;
    const double m = CheckedDiv(d * d, pipeDiameter * pipeDiameter);
    const double b4 = m * m;
    if (IsLetterText(standard, kStandardIso2003) || IsLetterText(standard, kStandardIso1991))
        return CheckedDiv(0.0025 * pipeDiameter, 0.1 + 2.3 * b4) * 1000.0;
    if (IsLetterText(standard, kStandardDin1952)) return CheckedDiv(0.0005 * pipeDiameter, 0.1 + 2.3 * b4) * 1000.0;
    return 0.0;
}

double ProfileRadius(double areaRatio, double d) {
    const double s = CheckedSqrt(areaRatio);
    const double q = 2.5 * (s - 0.47) * (s - 0.47) + 0.276;
    if (s <= 0.5) return d * s * q;
    const double t = s - 0.5;
    return d * (s * q + 15.0 * t * t * t);
}

void SegmentAreaRatio(double h, double pipeDiameter, double& ratio) {
    if (h >= pipeDiameter) {
        ratio = 1.0;
        return;
    }
    const double hd = CheckedDiv(h, pipeDiameter);
    const double u = 1.0 - 2.0 * hd;
    ratio = (ArcCosine(u) - 2.0 * u * CheckedSqrt(hd - hd * hd)) * 0.3183098861837907;
}

void SegmentEquivalentDiameter(double h, double pipeDiameter, double& d) {
    double ratio = 0.0;
    SegmentAreaRatio(h, pipeDiameter, ratio);
    d = pipeDiameter * CheckedSqrt(ratio);
}

void SegmentHeightForDiameter(double d, double pipeDiameter, double& h) {
    const double target = CheckedDiv(d * d, pipeDiameter * pipeDiameter);
    h = 0.5 * pipeDiameter;
    for (int n = 1; n <= 101; ++n) {
        h = MinDouble(h, 0.9999 * pipeDiameter);
        double a1 = 0.0, a2 = 0.0;
        SegmentAreaRatio(h, pipeDiameter, a1);
        const double h2 = 1.0001 * h;
        SegmentAreaRatio(h2, pipeDiameter, a2);
        h = CheckFinite(h + (target - a1) * CheckedDiv(h2 - h, a2 - a1) * 0.5);
        if (std::fabs(CheckedDiv(target - a1, a1)) < 1e-5) break;
    }
}

}  // namespace tubalyx
