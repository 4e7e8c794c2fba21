#pragma once
// The first lines of every report: the title of the calculation (by function, device and
// standard), the date and time of the run and the product line, in the language of
// LanguageLetter; a Swedish report also carries the page-header text of RichEdit2.

namespace tubalyx {

// Appends the head to RichEdit1 in bold dark red at 60/13 of the current text size (at
// least 6 pt); the attributes stay for the writers that follow to set their own. A language
// letter other than 'S', 'E' and 'D' writes nothing.
void WriteReportHead();

}  // namespace tubalyx
