#pragma once
// The fittings of the resistance grid as a table in the report: the grid's rows side by
// side, column 0's labels in front, cut into blocks no wider than 80 characters.

namespace tubalyx {

// True when a fitting column has content: its rows 1 to 4 joined are longer than one character.
bool FittingColumnHasContent(int column);

// The heading and the blocks of every fitting column with content. A column with parameters
// (text in rows 6 to 8) ends its block, so that the parameter labels printed are its own.
// Leaves column 0's parameter labels cleared.
void WriteFittingTable();

}  // namespace tubalyx
