#pragma once
// The four paths through a tee as fittings of the resistance grid, their resistance numbers
// over the flow share, and the small diagram above the grid that shows which path a column
// describes.
//   70 dividing tee, the flow that leaves through the branch
//   71 dividing tee, the flow that goes on straight (the rest leaves through the branch)
//   72 combining tee, the flow that enters through the branch
//   73 combining tee, the flow that comes in straight (the rest enters through the branch)

namespace tubalyx {

// Placing (column > 0) or re-describing (column < 0), as every fitting routine; placing
// sets the flow share to 20 % of the total flow.
void AddBranchOutflow(int column);     // 70
void AddBranchMainFlow70(int column);  // 71
void AddBranchInflow(int column);      // 72
void AddBranchMainFlow72(int column);  // 73

bool IsBranchKind(int kind);

// Zeta of a branch kind at the flow share q (percent of the total flow), piecewise linear
// between the tabulated steps of 20 %, continued beyond 0 and 100 %. Negative values are a
// pressure gain. 0 for a kind that is no branch.
double BranchZeta(int kind, double sharePercent);

// Draws the tee into PaintBox1 above the resistance grid, the path of the kind as a red
// arrow and the other flow as a black one (no arrows for a kind that is no branch). Only
// for the pressure-loss function "Tryckf" and a kind of at least 1. The diagram is a square
// of side 10 times the window font size in points.
void PaintBranchDiagram(int kind);

}  // namespace tubalyx
