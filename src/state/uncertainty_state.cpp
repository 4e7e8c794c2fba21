#include "state/uncertainty_state.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_UNCERTAINTY_STATE(X) \
    X(SquareRootAnswer, "J")         \
    X(DpTransmitterCount, "1")       \
    X(UncertaintyPercentBase, "A")   \
    X(UncertaintyInputs, {})         \
    X(UncertaintySourceArrays, {})   \
    X(SourceMeanValues, {})

TUBALYX_UNCERTAINTY_STATE(TUBALYX_STATE_DEFINE)

void state_detail::ResetUncertaintyState() { TUBALYX_UNCERTAINTY_STATE(TUBALYX_STATE_RESET) }

}  // namespace tubalyx
