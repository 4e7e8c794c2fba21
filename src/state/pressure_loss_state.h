#pragma once
// The pressure-loss line as the line calculation walks it: the per-fitting sums of the
// height rows, the results of the last segment, the state at the current point of the walk
// and the totals the report prints; then the state of the resistance grid's page (the cells
// pressed, selected and hovered). Pressures in Pa absolute, temperatures in degrees C.
#include <array>

#include "state/resistance_grid_state.h"

namespace tubalyx {

using FittingFlagArray = std::array<bool, kFittingColumnCount + 1>;

// Per fitting column 1..50.
extern FittingFlagArray FittingCriticalFlag;   // the kind-50 valve flows critically
extern FittingValueArray HeightZetaSum;        // zeta equivalent of a kind-81 row, summed over the segments
extern FittingValueArray HeightPressureSum;    // Pa, hydrostatic difference of a kind-81 row, summed
extern FittingValueArray HeightZetaSaved;      // the two sums at the end of the last completed stretch
extern FittingValueArray HeightPressureSaved;  // Pa

// The last segment the line calculation computed.
extern double PipeSegmentZeta;      // lambda l / D of the pipe in that segment
extern double FittingPressureDrop;  // Pa, the drop of the fitting written last

// The walk along the line.
extern double LineMassFlow;           // kg/s, flow of the current stretch
extern double LineDiameter;           // m, pipe diameter of the current stretch
extern double LineLocalTemperature;   // degC at the current point; the outlet temperature at the end
extern double LineOutletPressure;     // Pa at the current point; the outlet pressure at the end
extern double LineVelocity;           // m/s, mean velocity in the pipe at the current point
extern double WholeLineDrop;          // Pa, one segment over the whole length
extern double WholeLineFrictionDrop;  // Pa, its friction part
extern double StretchDrop;            // Pa, from the line inlet to the end of the current pass
extern double StretchFrictionSum;     // Pa, the friction drops of that pass
extern double LastPassZetaSum;        // zeta sum of the last segment of that pass
extern double LineTotalDrop;          // Pa, reversible and irreversible, inlet to the last stretch end
extern double LineFrictionLoss;       // Pa, the irreversible part
extern double LineZetaTotal;          // zeta of the whole line, height rows included
extern double OutletDensity;          // kg/m3
extern double OutletViscosity;        // Pa s
extern double OutletKappa;

// The resistance grid's page.
extern int SelectedResistanceColumn;  // column the fitting menu was opened on; its items act on it
extern int ResistanceCellColumn;      // column last pressed or selected
extern int ResistanceCellRow;         // row last selected
extern int ResistanceHoverColumn;     // cell under the mouse at the last move
extern int ResistanceHoverRow;
inline int& MotstandgridHoverRow = ResistanceHoverRow;  // its name at start-up
// 0 once the mouse hovered the label column (the fitting columns are narrowed to their
// numbers), -1 once it hovered a fitting column.
extern int ResistanceCollapseMarker;

}  // namespace tubalyx
