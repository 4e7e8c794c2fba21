#include "state/reset.h"

#include <string>
#include <utility>

#include "state/medium.h"
#include "state/resistance_grid_state.h"
#include "state/state_list.h"
#include "state/window_state.h"

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

std::string LineWalkStateBytes() {
    using namespace state_detail;
    // Scratch of the window's unit boxes and of the fittings' diagram, which no walk reads.
    const std::string unitKind = std::exchange(ParsedUnitKind, std::string());
    const int diagramMarker = std::exchange(BranchDiagramMarker, 0);
    std::string out;
    WriteSelections(out);
    WriteInputs(out);
    WriteMedium(out);
    WriteComposition(out);
    WriteGeometry(out);
    WriteFlowResults(out);
    WriteCorrections(out);
    WriteLimits(out);
    // Of the window's state the calculations read only the mixture column being edited.
    AppendBytes(out, MixtureEditColumn);
    WritePropertyLabels(out);
    WriteValveState(out);
    WriteResistanceGrid(out);
    WritePressureLossState(out);
    ParsedUnitKind = unitKind;
    BranchDiagramMarker = diagramMarker;
    return out;
}

}  // namespace tubalyx
