#include "flow/primary_device_sequence.h"

#include <cmath>
#include <string>

#include "flow/installation_factors.h"
#include "flow/straight_lengths.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "state/corrections.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/limits.h"
#include "state/selections.h"

namespace tubalyx {

void CompareStraightLengths() {
    double total = 0.0, totalHalf = 0.0;
    const std::string& code = UpstreamFittingCode;
    if (DeviceCode == kDeviceOrifice || DeviceCode == kDeviceIsaNozzle || DeviceCode == kDeviceShortVenturi ||
        DeviceCode == kDeviceSegmentOrifice || DeviceCode == kDeviceQuarterCircle) {
        if (DeviceCode == kDeviceSegmentOrifice || DeviceCode == kDeviceQuarterCircle)
            RequiredStraightLengthB(code, total, totalHalf, UpstreamLengthZeroM, UpstreamLengthHalfM, PipeDiameter,
                                    BoreDiameter);
        else
            RequiredStraightLengthA(code, total, totalHalf, UpstreamLengthZeroM, UpstreamLengthHalfM, PipeDiameter,
                                    BoreDiameter);
        DownstreamLengthZeroM = total - UpstreamLengthZeroM;
        DownstreamLengthHalfM = 0.5 * DownstreamLengthZeroM;
    } else if (DeviceCode == kDeviceVenturi) {
        RequiredStraightLengthC(code, total, totalHalf, UpstreamLengthZeroM, UpstreamLengthHalfM, PipeDiameter,
                                BoreDiameter);
        DownstreamLengthZeroM = DownstreamLengthHalfM = 4.0 * BoreDiameter;
    }
    const double lu = GivenStraightInlet, ld = GivenStraightOutlet;
    const double u0 = UpstreamLengthZeroM, uh = UpstreamLengthHalfM;
    const double d0 = DownstreamLengthZeroM, dh = DownstreamLengthHalfM;
    const double pipe = PipeDiameter;
    const double beta = CheckedDiv(BoreDiameter, PipeDiameter);
    const bool bend =
        code == kFittingSingleBend &&
        (DeviceCode == kDeviceOrifice || DeviceCode == kDeviceShortVenturi || DeviceCode == kDeviceIsaNozzle);
    auto bendPercent = [&](double length) {
        BendCorrectionFactor(length, pipe, beta, BendFactor);
        return std::fabs(1.0 - BendFactor) * 100.0;
    };
    const double shortUp = MaxDouble(0.25 * u0, 5.0 * pipe);
    const bool shortRule = lu > 0.25 * u0 && lu > 5.0 * pipe && ld > d0;
    const bool row5 = shortRule || (code == kFittingSingleBend && ld > d0);
    double& a = AdditionalUncertaintyPercent;
    double& up = RequiredUpstreamLengthM;
    double& down = RequiredDownstreamLengthM;
    // clang-format off
    if (lu > u0 && ld > d0) {
        a = 0.0; up = u0; down = d0;
    } else if (lu > u0 && ld > dh) {
        a = 0.5; up = u0; down = dh;
    } else if (lu > uh && ld > d0 && bend) {
        a = bendPercent(lu); up = lu; down = d0;
    } else if (lu > uh && ld > d0) {
        a = 0.5; up = uh; down = d0;
    } else if (row5 && bend) {
        a = shortRule ? bendPercent(MaxDouble(shortUp, lu)) : 100.0;
        up = shortUp; down = d0;
    } else if (row5) {
        a = shortRule ? CheckedDiv(u0 - 1.5 * lu, lu) : 100.0;
        up = shortUp; down = d0;
    } else if (lu > u0 && DeviceCode != kDeviceVenturi && ld > 0.25 * d0) {
        a = CheckedDiv(d0 - 1.5 * ld, ld); up = u0; down = 0.25 * d0;
    } else if (lu > uh && ld > dh) {
        a = 1.0; up = uh; down = dh;
        if (bend) bendPercent(MaxDouble(shortUp, lu));
    } else {
        a = 100.0; up = uh; down = d0;
        if (bend) bendPercent(MaxDouble(shortUp, lu));
    }
}
// clang-format on

}  // namespace tubalyx
