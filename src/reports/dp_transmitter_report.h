#pragma once
// Two sections of the big result report: the table of flow against differential pressure of
// a standardized device, and how to range the dp transmitter (linear or square-root, the flow
// its 20 mA stands for by the three flow algorithms, one or two transmitters).
namespace tubalyx {

// Ten flows from the minimal to the maximal flow in the user's flow unit, with the dp of each
// in the dp unit. Nothing for the volume meter or a flow range below 1 %; a dp the device
// equations cannot give ends the table unwritten and the report goes on.
void WriteFlowDpTable();

// The configuration of the dp transmitter. Leaves DpCellSplitPercent, where the range of the
// small transmitter ends when two are used (0 when the split cannot be computed).
void WriteDpTransmitterSection();

}  // namespace tubalyx
