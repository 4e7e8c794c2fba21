#pragma once
// For the questionnaire builders only: placing a line and the report forms of a line.
#include <string>

#include "forms/control.h"
#include "forms/label.h"

namespace tubalyx::questionnaire {

inline bool WritesReport(char kind) { return kind == 'B'; }
inline int RightEdge(const TControl& c) { return c.Left() + c.Width(); }
inline int BottomEdge(const TControl& c) { return c.Top() + c.Height(); }
bool BigReport();
bool MiniReport();

// Places a prompt label at `top` (at the left edge while the form is not scrolled
// horizontally), then each field given right of the one before, every one shown and given
// the next tab order; `top` becomes the bottom of the last control placed.
void PlaceLine(TLabel& label, TControl* edit, TControl* unit, int& top);
inline void PlaceLabelLine(TLabel& label, int& top) { PlaceLine(label, nullptr, nullptr, top); }
// Shows `control` on `top` right of `left`, with the next tab order when `tabbed`.
void PlaceRightOf(const TControl& left, TControl& control, int top, bool tabbed);
// Gives `control` the next tab order of the page being built.
void TakeTabOrder(TControl& control);

// The report forms of a line: `value` is put behind the report separator and padded with
// blanks in front to `width` characters.
//   P:  the caption, then the padded value;
//   U0: the caption without its last (unit length + 3) characters, "(" unit ")", the padded value;
//   U1: as U0 with one blank before the padded value, so the line keeps the caption's length.
std::string PaddedValue(const std::string& value, int width);
std::string FormP(const TLabel& label, const std::string& value, int width);
std::string UnitPrefix(const TLabel& label, const std::string& unit);
std::string FormU0(const TLabel& label, const std::string& unit, const std::string& value, int width);
std::string FormU1(const TLabel& label, const std::string& unit, const std::string& value, int width);

void AppendLine(const std::string& text);
// Reads the max flow, its unit and normal density from their edits and converts the flow to
// MaxFlowSI; a unit that cannot be converted keeps the flow as it was.
void RefreshMaxFlow();
// Appends a caption; one longer than 63 characters in a text size scaled by 63 / its length
// (never below 6 pt), so that it keeps within 63 characters of width, and the size before is
// put back. A shorter one keeps the size: the line never grows above its section's size.
void AppendFittedCaption(const std::string& caption);

}  // namespace tubalyx::questionnaire
