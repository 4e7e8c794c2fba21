#include "reports/report_block.h"

#include <algorithm>
#include <cmath>

#include "numerics/text_utils.h"
#include "reports/report_window.h"

namespace tubalyx {

int FittedReportSize(int startSize, int divisor) {
    if (divisor <= 0) return startSize;
    return std::max(kMinReportFontSize, startSize * 58 / divisor);
}

int ScaledReportSize(int startSize, int numerator, int denominator) {
    if (denominator <= 0) return startSize;
    return std::max(kMinReportFontSize, startSize * numerator / denominator);
}

int SizeWithin63(int startSize, const std::string& line) { return ScaledReportSize(startSize, 63, Utf8Length(line)); }

ReportBlock::ReportBlock() : startSize_(ReportSize()) {}

void ReportBlock::Add(std::string text) { Add(std::move(text), LineFormat{}); }

void ReportBlock::Add(std::string text, const LineFormat& format) {
    Entry e{std::move(text), format, {}};
    if (e.format.size <= 0) e.format.size = lineSize_;
    lines_.push_back(std::move(e));
}

void ReportBlock::AddValue(const std::string& label, double value, int digits) {
    if (std::isfinite(value)) Add(ReportLine(label, value, digits));
}

void ReportBlock::AddValue(const std::string& label, double value, const LineFormat& format) {
    if (std::isfinite(value)) Add(ReportLine(label, value), format);
}

void ReportBlock::AddFitted(std::string text, int divisor) {
    LineFormat format;
    format.size = FittedReportSize(startSize_, divisor);
    Add(std::move(text), format);
}

void ReportBlock::AddSized(std::string text, int size) {
    LineFormat format;
    format.size = std::max(kMinReportFontSize, size);
    Add(std::move(text), format);
}

void ReportBlock::SetStyle(const TFontStyles& style) { lines_.push_back({"", {}, style}); }

void ReportBlock::Flush() {
    std::vector<Entry> lines;
    lines.swap(lines_);
    lineSize_ = 0;
    int size = startSize_;
    for (const Entry& e : lines) {
        if (e.change) {
            SetReportStyle(*e.change);
            continue;
        }
        const int wanted = e.format.size > 0 ? e.format.size : startSize_;
        if (wanted != size) SetReportSize(size = wanted);
        const TColor color = ReportColor();
        const TFontStyles style = ReportStyle();
        if (e.format.color) SetReportColor(*e.format.color);
        if (e.format.style) SetReportStyle(*e.format.style);
        AppendReportLine(e.text);
        if (e.format.color) SetReportColor(color);
        if (e.format.style) SetReportStyle(style);
    }
    if (size != startSize_) SetReportSize(startSize_);
}

}  // namespace tubalyx
