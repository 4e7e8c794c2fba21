#pragma once
// The lines of one report section, collected before any of them goes into the report
// window: a section that raises half-way leaves nothing of itself behind, and what stood in
// the window before stays as it was.
//
// Sizes: a long line is fitted by a smaller size computed from the size the section started
// with (never from the size of the line before, never below kMinReportFontSize); the lines
// after it are back at the start size. Styles: a style change holds for the lines after it,
// and past the block, as the sections that emphasise a recommendation leave it.
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

class ReportBlock {
public:
    // Remembers the current size of the report window's next text as the start size.
    ReportBlock();

    void Add(std::string text);
    void AddEmpty() { Add(""); }
    // label, ReportSeparator and the number by FormatFixed; a value that is no finite number
    // leaves the line out.
    void AddValue(const std::string& label, double value, int digits = 5);
    // A line written at FittedReportSize(start size, divisor).
    void AddFitted(std::string text, int divisor);
    // A line written at `size` (computed from StartSize()).
    void AddSized(std::string text, int size);
    // The style of the lines that follow.
    void SetStyle(const TFontStyles& style);

    // Appends the lines to the report window and empties the block; the next text is at the
    // start size afterwards.
    void Flush();

    int StartSize() const { return startSize_; }

private:
    struct Entry {
        std::string text;
        int size;                          // 0: the start size
        std::optional<TFontStyles> style;  // set: a style change, no line
    };
    std::vector<Entry> lines_;
    int startSize_;
};

}  // namespace tubalyx
