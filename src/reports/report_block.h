#pragma once
// The lines of one report section, collected before any of them goes into the report
// window: a section that raises half-way leaves nothing of itself behind, and what stood in
// the window before stays as it was.
//
// Sizes: a long line is fitted by a smaller size computed from the size the section started
// with (never from the size of the line before, never below kMinReportFontSize); the lines
// after it are back at the start size unless the section sets a size of its own for the
// lines that follow (SetLineSize). Styles: a style change (SetStyle) holds for the lines
// after it, and past the block, as the sections that emphasise a recommendation leave it;
// a line of its own colour or style (LineFormat) puts the colour and style in force before
// it back after it.
#include <optional>
#include <string>
#include <vector>

#include "forms/rich_edit.h"

namespace tubalyx {

inline constexpr int kMinReportFontSize = 6;

// start × 58 div divisor, never below kMinReportFontSize; a divisor of 0 or less keeps start.
int FittedReportSize(int startSize, int divisor);
// start × numerator div denominator, never below kMinReportFontSize.
int ScaledReportSize(int startSize, int numerator, int denominator);
// start × 63 div (characters of the line), never below kMinReportFontSize: the size that
// keeps a line within 63 characters of the start size's width.
int SizeWithin63(int startSize, const std::string& line);

// How one line differs from the lines around it.
struct LineFormat {
    int size = 0;                      // 0: the block's line size
    std::optional<TColor> color;       // none: the colour in force
    std::optional<TFontStyles> style;  // none: the style in force
};

// A line in red, the colour of warnings and of values outside a property table.
inline LineFormat RedLine() {
    LineFormat f;
    f.color = clRed;
    return f;
}

class ReportBlock {
public:
    // Remembers the current size of the report window's next text as the start size.
    ReportBlock();

    void Add(std::string text);
    void Add(std::string text, const LineFormat& format);
    void AddEmpty() { Add(""); }
    // label, ReportSeparator and the number by FormatFixed; a value that is no finite number
    // leaves the line out.
    void AddValue(const std::string& label, double value, int digits = 5);
    void AddValue(const std::string& label, double value, const LineFormat& format);
    // A line written at FittedReportSize(start size, divisor).
    void AddFitted(std::string text, int divisor);
    // A line written at `size` (computed from StartSize()).
    void AddSized(std::string text, int size);
    // The lines added from now on are written at `size` (0: the start size again).
    void SetLineSize(int size) { lineSize_ = size; }
    // The style of the lines that follow.
    void SetStyle(const TFontStyles& style);

    // Appends the lines to the report window and empties the block; the next text is at the
    // start size afterwards.
    void Flush();

    int StartSize() const { return startSize_; }

private:
    struct Entry {
        std::string text;
        LineFormat format;                  // size 0: the start size
        std::optional<TFontStyles> change;  // set: a style change, no line
    };
    std::vector<Entry> lines_;
    int startSize_;
    int lineSize_ = 0;
};

}  // namespace tubalyx
