#pragma once
// The report on the printer: every line of RichEdit1 in its own size and style, each page
// under the head of RichEdit2 with the date and the page number and above the foot of
// RichEdit3, with "(forts)" at the foot of every page but the last.
//
// Printer pixels: the left margin is a tenth of the page width, and a report line of s points
// prints at s * page width / report window width * 10/33 points, to the nearest point, so
// that a line as wide as the window fills about a third of the page as on the screen. A line
// that would then reach into the right margin (as wide as the left one) prints at the largest
// size that keeps it out, never below 6 points; one too wide even at 6 points prints on as
// many lines as it needs. Nothing of a line is cut off. The line step is the printed
// character height plus 10 pixels.
#include <string>

#include "forms/rich_edit.h"
#include "forms/screen.h"

namespace tubalyx {

// The point size a report line of `size` points prints with.
int PrintedPointSize(int size, int pageWidth, int reportWidth);

// One print job of the report from BeginDoc to EndDoc. The editors are only read.
void PrintReport(TPrinter& printer);

// The report printed into a PDF file through the printer's file output: the printer renders into
// the scratch file of a save (SaveFileInPlace, ui/file_save.h), so that a failed job leaves the
// target as it was. False when no whole PDF came out.
bool PrintReportToPdf(const std::string& fileName);

}  // namespace tubalyx
