#include "state/reset.h"

#include "state/state_list.h"

namespace tubalyx {

void ResetStateVariables() {
    using namespace state_detail;
    ResetSelections();
    ResetInputs();
    ResetMedium();
    ResetComposition();
    ResetGeometry();
    ResetFlowResults();
    ResetCorrections();
    ResetLimits();
    ResetWindowState();
    ResetPropertyLabels();
    ResetValveState();
    ResetResistanceGrid();
    ResetReportState();
    ResetPressureLossState();
    ResetViewState();
    ResetMenuState();
    ResetCompensationTableState();
    ResetUncertaintyState();
}

}  // namespace tubalyx
