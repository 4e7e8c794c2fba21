#pragma once
// The computed compensation table as text in the report window, below the newest report:
// its title, the allowed and the reached error, the table, the density formula and a worked
// example of the compensated flow formula with its uncertainty.
namespace tubalyx {

// Writes nothing unless PTKompgrid is shown and the table belongs to the current medium.
// Sets ReportLinesWritten to the lines above the block.
void WriteCompensationTableHelp();

}  // namespace tubalyx
