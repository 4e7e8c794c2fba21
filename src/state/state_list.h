#pragma once
// For the files of src/state/ only. Each group's .cpp lists its variables once, with their
// start values; the list both defines them and puts them back, so the state at program start
// and the state after ResetStateVariables cannot drift apart.
//
//     #define TUBALYX_GROUP(X) X(Name, start value) ...
//     TUBALYX_GROUP(TUBALYX_STATE_DEFINE)
//     void ResetGroup() { TUBALYX_GROUP(TUBALYX_STATE_RESET) }
#define TUBALYX_STATE_DEFINE(name, ...) decltype(name) name = __VA_ARGS__;
#define TUBALYX_STATE_RESET(name, ...) name = __VA_ARGS__;

namespace tubalyx::state_detail {

// One per group, called by ResetStateVariables.
void ResetSelections();
void ResetInputs();
void ResetMedium();
void ResetComposition();
void ResetGeometry();
void ResetFlowResults();
void ResetCorrections();
void ResetLimits();
void ResetWindowState();
void ResetPropertyLabels();
void ResetValveState();
void ResetResistanceGrid();
void ResetReportState();
void ResetPressureLossState();
void ResetViewState();
void ResetMenuState();
void ResetCompensationTableState();
void ResetUncertaintyState();

}  // namespace tubalyx::state_detail
