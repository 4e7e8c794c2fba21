#pragma once
// A rich-text box: lines of text, each made of runs that keep the attributes the text had
// when it was written.
//
// Positions come in two kinds, kept apart by their types:
// - TextPos, the box's own: one character per line break and no break after the last line;
// - ReportPos, the one the report writers compute with, as the platform's report box counts:
//   every line, the last one included, ends with a break of two characters.
// ToReportPos and ToTextPos are the only conversions between them.
//
// Change log: a renderer that asks for it (KeepChangeLog) is told what changed in the text
// since it last looked (lines inserted, removed or re-formatted), so that a long report is
// redrawn only where it changed. Clearing the box and writing the cleared lines back below new
// ones, as every run does with the earlier reports, reaches the renderer as the new lines alone.
#include <compare>
#include <ostream>
#include <string>
#include <vector>

#include "forms/control.h"

namespace tubalyx {

// A character position of one kind; plain numbers convert to either kind, but one kind never
// converts to the other.
template <class Kind>
struct TPosition {
    int Value = 0;
    constexpr TPosition() = default;
    constexpr TPosition(int value) : Value(value) {}  // NOLINT(google-explicit-constructor)
    friend constexpr auto operator<=>(const TPosition&, const TPosition&) = default;
    friend constexpr TPosition operator+(TPosition p, int n) { return TPosition(p.Value + n); }
    friend constexpr TPosition operator-(TPosition p, int n) { return TPosition(p.Value - n); }
    // The number of characters between two positions.
    friend constexpr int operator-(TPosition a, TPosition b) { return a.Value - b.Value; }
    friend std::ostream& operator<<(std::ostream& os, TPosition p) { return os << p.Value; }
};
using TextPos = TPosition<struct TextPositionKind>;
using ReportPos = TPosition<struct ReportPositionKind>;

struct TFontStyles {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    bool operator==(const TFontStyles&) const = default;
};

struct TTextAttributes {
    TColor Color = clBlack;
    TFontStyles Style;
    int Size = 10;
    std::string Name = "Courier New";
    bool operator==(const TTextAttributes&) const = default;
};

struct TTextRun {
    std::string Text;  // no line break inside
    TTextAttributes Attributes;
    bool operator==(const TTextRun&) const = default;
};

// One line of the box; an empty line has no runs.
using TRichLine = std::vector<TTextRun>;

// The whole content with its attributes, as copied aside and back.
struct TRichContent {
    std::vector<TRichLine> Lines;
    bool operator==(const TRichContent&) const = default;
};

// One step of the change log; line numbers count from 0 in the text as it was just before
// the step.
struct TRichEditChange {
    enum class Kind { Insert, Remove, Replace };
    Kind What = Kind::Insert;
    int Line = 0;
    int Count = 0;                 // Remove: the number of lines removed from Line on
    std::vector<TRichLine> Lines;  // Insert: the new lines, placed before Line;
                                   // Replace: the new content of Line, Line + 1, ...
};

struct TRichEditChanges {
    bool Reset = false;                  // the whole text changed: show Content() afresh
    std::vector<TRichEditChange> Edits;  // otherwise these steps, in order
};

class TRichEdit : public TControl {
public:
    using TControl::TControl;

    // Appends a line written with the attributes of the next text.
    void Add(const std::string& line);
    int LineCount() const { return static_cast<int>(content_.Lines.size()); }
    // The text of a line and its length in characters; "" and 0 outside the lines.
    std::string Line(int index) const;
    int LineLength(int index) const;
    // All lines joined by "\n".
    std::string Text() const;
    // Characters of Text(): the TextPos of the end.
    int TextLength() const { return charCount_ + (LineCount() > 0 ? LineCount() - 1 : 0); }
    void Clear();

    // The attributes the next appended text takes. While text is selected, setting them
    // also re-formats the selection, as the platform's selection attributes do.
    const TTextAttributes& SelAttributes() const { return selAttributes_; }
    void SetSelAttributes(const TTextAttributes& a);
    void SetSelColor(TColor c);
    void SetSelStyle(const TFontStyles& s);
    void SetSelSize(int size);
    void SetSelFontName(const std::string& name);

    // Caret (SelStart) and selection length in characters; kept inside the text.
    TextPos SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }
    void SetSelStart(TextPos v);
    void SetSelLength(int v);
    void SelectAll();
    // The attributes of the character at a position (the insertion attributes past the end
    // and on a line break).
    TTextAttributes AttributesAt(TextPos position) const;

    // ---- the two kinds of position ----
    // The start of a line; LineCount() (or more) gives the end of the text, a negative line 0.
    TextPos LineStartText(int line) const;
    ReportPos LineStartReport(int line) const;
    // Characters of the text with two per line, each line counted with its break.
    int ReportLength() const { return charCount_ + 2 * LineCount(); }
    ReportPos ToReportPos(TextPos p) const;
    // A position on a line break maps to the end of the line it ends; past the end, to the
    // end of the text; a negative position to 0.
    TextPos ToTextPos(ReportPos p) const;
    // The line of a position and its column in characters, kept within the line; past the
    // end: line = LineCount(), column 0.
    void LineAndColumn(TextPos p, int& line, int& column) const;

    const TRichContent& Content() const { return content_; }
    void SetContent(const TRichContent& content);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v) {
        if (readOnly_ != v) {
            readOnly_ = v;
            Changed();
        }
    }

    // Asks the renderer to bring a line into the user's sight, as the platform's box scrolls to
    // its caret when asked to: the view scrolls the text, and the window around it, so that the
    // line stands near the top of what the user sees. Setting the selection never scrolls.
    void ScrollLineIntoView(int line);
    // The line asked for since the renderer last looked, and the request forgotten; -1: none.
    int TakeLineToShow();

    // ---- change log, for one renderer ----
    // Starts (or stops) keeping the log. A log just started says Reset.
    void KeepChangeLog(bool on);
    // What changed since the last call, and a fresh log. Without a log: Reset.
    TRichEditChanges TakeChanges();

    TNotifyEvent OnChange;

private:
    void ApplyToSelection(const TTextAttributes& a, int field);
    void Clamp();
    void FireChange();
    // Lines first .. first + count - 1 of the content were inserted, or re-formatted.
    void LogInsert(int first, int count);
    void LogReplace(int first, int count);
    void LogReset();
    void FoldRestoredText();

    TRichContent content_;
    int charCount_ = 0;  // characters of all lines, breaks not counted
    TTextAttributes selAttributes_;
    TextPos selStart_;
    int selLength_ = 0;
    bool readOnly_ = false;
    int lineToShow_ = -1;

    bool logging_ = false;
    TRichEditChanges log_;
    size_t loggedLines_ = 0;
    // The lines the logged Clear removed, and where that Clear stands in the log (-1: none).
    std::vector<TRichLine> cleared_;
    int clearEntry_ = -1;
};

}  // namespace tubalyx
