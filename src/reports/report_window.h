#pragma once
// The report window RichEdit1 as every report writer uses it: value lines, next-text
// attributes, positions, red warning lines and the copy of a report with its attributes.
//
// Positions of this module are ReportPos: each line break counts two characters and every
// line ends with one, as the platform's report box counts. The rich edit converts them to its
// own positions, so the writers never see the difference.
#include <string>
#include <vector>

#include "forms/rich_edit.h"

namespace tubalyx {

// Report lines use five significant digits unless a writer says otherwise.
constexpr int kReportDigits = 5;
// The common label column, "= " included.
constexpr int kReportLabelWidth = 52;

// The label words padded with underscores so that, with "= " behind them, the label is
// `width` characters wide (characters, not bytes). Longer words are kept whole.
std::string ReportLabel(const std::string& words, int width = kReportLabelWidth);

// A value line: the label (already ending in "= "), ReportSeparator, the number by FormatFixed.
std::string ReportLine(const std::string& label, double value, int digits = kReportDigits);
// A value line with a unit text, a second value or the operating conditions behind the number.
std::string ReportLineWithTail(const std::string& label, double value, const std::string& tail,
                               int digits = kReportDigits);
// The same with the label words padded to `width` first.
std::string PaddedReportLine(const std::string& words, int width, double value, int digits = kReportDigits);

// ---- operations on RichEdit1 ----
TRichEdit& ReportWindow();
void AppendReportLine(const std::string& text);
void AppendReportValueLine(const std::string& label, double value, int digits = kReportDigits);

TColor ReportColor();
void SetReportColor(TColor color);
TFontStyles ReportStyle();
void SetReportStyle(const TFontStyles& style);
int ReportSize();
void SetReportSize(int size);
std::string ReportFontName();
void SetReportFontName(const std::string& name);

int ReportLineCount();
std::string ReportLineText(int index);  // from 0; "" outside
int ReportTextLength();                 // each line break counts two
ReportPos ReportCaret();
void SetReportCaret(ReportPos position);
int ReportSelectionLength();
void SetReportSelectionLength(int length);
void ClearReport();
void FocusReport();
void ShowReportWindow(bool visible);

// Lines written in one colour; the colour before is put back afterwards.
void AppendColoredLines(const std::vector<std::string>& lines, TColor color);
void AppendRedLine(const std::string& text);
// The red line of a calculation that cannot be done with the inputs, in the language of
// LanguageLetter: "INPUT ERROR!!!".
std::string InputErrorLine();
void AppendRedLines(const std::vector<std::string>& lines);

// A line in its own colour, style and size; the previous attributes are put back.
void AppendStyledLine(const std::string& text, TColor color, const TFontStyles& style, int size);

// ---- positions on any rich edit, in the two-character line-break convention ----
int ReportTextLength(const TRichEdit& edit);
ReportPos LineStartPosition(const TRichEdit& edit, int line);
// The attributes of the character at a position; the next-text attributes past the end
// or on an empty line.
TTextAttributes ReportAttributesAt(const TRichEdit& edit, ReportPos position);
void SetCaretPosition(TRichEdit& edit, ReportPos position);
ReportPos CaretPosition(const TRichEdit& edit);

// Appends every line of `source` to `target`; each line takes the colour, style and size
// that the source has at its beginning. `offset` shifts the source position against the
// end of the target: 0 into an empty target, minus the target's earlier length when the
// lines go below existing text.
void CopyWithAttributes(const TRichEdit& source, TRichEdit& target, int offset);
// RichEdit1 into the hidden RichEdit5 (cleared first).
void CopyReportAside();
// RichEdit5 appended below the current content of RichEdit1.
void CopyReportBack();

// ---- report size, from the caption of litenstor ----
enum class ReportSizeKind { Small, Big, Mini };
bool IsBigReport(const std::string& caption);
bool IsMiniReport(const std::string& caption);
ReportSizeKind ReportSizeOf(const std::string& caption);
ReportSizeKind CurrentReportSize();
// The caption of a size in a language ('S', 'D', 'E'; others as 'E').
std::string ReportSizeCaption(ReportSizeKind size, char language);
// The language ('S', 'D', 'E') in which the caption is that of the size, the blanks that pad a
// caption to five characters aside; 0 when it is that of the size in none.
char SizeCaptionLanguage(const std::string& caption, ReportSizeKind size);

}  // namespace tubalyx
