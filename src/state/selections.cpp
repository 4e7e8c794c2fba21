#include "state/selections.h"

#include "state/state_list.h"

namespace tubalyx {

// Start values; the window creation sets the user's defaults over them.
#define TUBALYX_SELECTIONS(X)      \
    X(CalcFunction, "Strypf")      \
    X(MediumCode, "GAS")           \
    X(PhaseLetter, 'N')            \
    X(SolveFor, "DI")              \
    X(DeviceCode, "S")             \
    X(DeviceVariantCode, "R")      \
    X(StandardLetter, '3')         \
    X(LanguageLetter, 'E')         \
    X(ReportSeparator, "")         \
    X(ValveSubtype, "")            \
    X(MaxFlowGivenFlag, "N")       \
    X(ProductionReportFlag, "N")   \
    X(UncertaintyMethodCode, "N")  \
    X(OnlineFlowMethod, "N")       \
    X(AllowSmallPipeFlag, "J")     \
    X(AllowLargePipeFlag, "J")     \
    X(AllowLargeReynoldsFlag, "J") \
    X(MaterialCode1, "8")          \
    X(MaterialCode2, "8")          \
    X(UpstreamFittingCode, "0")    \
    X(ExpansionModeLetter, 'A')    \
    X(ExtraUncertaintyCode, "1")   \
    X(HumidityInputKind, "R")      \
    X(HumidFlowBasis, "F")         \
    X(PrimaryElementEntry, "135")

TUBALYX_SELECTIONS(TUBALYX_STATE_DEFINE)

void state_detail::ResetSelections() { TUBALYX_SELECTIONS(TUBALYX_STATE_RESET) }

void state_detail::WriteSelections(std::string& out) { TUBALYX_SELECTIONS(TUBALYX_STATE_WRITE) }

}  // namespace tubalyx
