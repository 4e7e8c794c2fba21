#include "state/limits.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_LIMITS(X)                                  \
    X(ReynoldsLowerBound, 0.0)                             \
    X(ReynoldsUpperBound, 0.0)                             \
    X(RoughnessUpperBound, 0.0)                            \
    X(RoughnessLowerBound, 0.0)                            \
    X(BetaLowerBound, 0.0)                                 \
    X(BetaUpperBound, 0.0)                                 \
    X(PipeDiameterLowerBound, 0.0)                         \
    X(PipeDiameterUpperBound, 0.0)                         \
    X(ThroatDiameterLowerBound, 0.0)                       \
    X(ThroatDiameterUpperBound, 0.0)                       \
    X(StandardMaxDiffPressure, 0.0)                        \
    X(DeviceLimitMessages, {" ", " ", " ", " ", " ", " "}) \
    X(UpstreamLengthZeroM, 0.0)                            \
    X(UpstreamLengthHalfM, 0.0)                            \
    X(DownstreamLengthZeroM, 0.0)                          \
    X(DownstreamLengthHalfM, 0.0)                          \
    X(RequiredUpstreamLengthM, 0.0)                        \
    X(RequiredDownstreamLengthM, 0.0)                      \
    X(StraightLengthShortfallM, 0.0)                       \
    X(OptimalStraightLength, 0.0)                          \
    X(StraightLengthTables, {})

TUBALYX_LIMITS(TUBALYX_STATE_DEFINE)

void state_detail::ResetLimits() { TUBALYX_LIMITS(TUBALYX_STATE_RESET) }

void state_detail::WriteLimits(std::string& out) { TUBALYX_LIMITS(TUBALYX_STATE_WRITE) }

}  // namespace tubalyx
