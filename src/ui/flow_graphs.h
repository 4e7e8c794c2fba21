#pragma once
// The pictures of the paint box PaintBox1: the flow graph of a primary device (flow against
// differential pressure, one curve per calculation method) and the velocity profile of a
// pipe (laminar against turbulent). Both are drawn into the box's display list, which tests
// read and the window plays back; nothing is kept between two drawings.

namespace tubalyx {

// Places the box and its legend below the graph heading Graftext, beside the uncertainty
// page, and draws the flow graph.
void PlotDeviceCurves();

// The flow graph into the box at its present place and size. Empty (white) until a
// primary-device calculation has set the correction factors. A point that fails to compute
// is left out and clears UncertaintyValid; the rest of its curve is drawn.
void DrawFlowGraph();

// Places the box right of the report window and draws the laminar and the turbulent
// velocity profile of a pipe.
void DrawFlowProfile();

// The legend around the box as it stands: blue at its centre, red, black and yellow below
// one another, dp in the lower right corner, q in the upper left.
void PlaceGraphLegend();

// Paints the whole box white: one white line through its middle, `penWidth` wide.
void ClearGraphSurface(int penWidth);

// Points per curve of the flow graph, from 0 to the maximum differential pressure.
inline constexpr int kFlowGraphPoints = 100;

}  // namespace tubalyx
