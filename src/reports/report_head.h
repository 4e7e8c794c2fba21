#pragma once
// The first lines of every report: the title of the calculation (by function, device and
// standard), the date and time of the run and the product line, in the language of
// LanguageLetter. A Swedish report also carries the page-header text of RichEdit2.
#include <string>

namespace tubalyx {

// The date and time of a run as the head prints them.
struct ReportTimestamp {
    std::string date;
    std::string time;
};
using ReportClock = ReportTimestamp (*)();

// The system's local time in the locale's short date form and its time form.
ReportTimestamp LocalReportTimestamp();
// The clock the head reads; nullptr puts the system's back. Tests set a fixed one.
void SetReportClock(ReportClock clock);
// The date and time from the clock the head reads (the printed page head uses it too).
ReportTimestamp ReportClockNow();

// Appends the head to RichEdit1 in bold dark red (128) at 60/13 of the current size, never
// below 6 pt. The attributes stay set: the writers after the head set their own. A language
// letter other than 'S', 'E' and 'D' writes no line.
void WriteReportHead();

}  // namespace tubalyx
