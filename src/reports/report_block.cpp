#include "reports/report_block.h"

#include <algorithm>
#include <cmath>

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

ReportBlock::ReportBlock() : startSize_(ReportSize()) {}

void ReportBlock::Add(std::string text) { lines_.push_back({std::move(text), 0, {}}); }

void ReportBlock::AddValue(const std::string& label, double value, int digits) {
    if (std::isfinite(value)) Add(ReportLine(label, value, digits));
}

void ReportBlock::AddFitted(std::string text, int divisor) {
    lines_.push_back({std::move(text), FittedReportSize(startSize_, divisor), {}});
}

void ReportBlock::AddSized(std::string text, int size) {
    lines_.push_back({std::move(text), std::max(kMinReportFontSize, size), {}});
}

void ReportBlock::SetStyle(const TFontStyles& style) { lines_.push_back({"", 0, style}); }

void ReportBlock::Flush() {
    std::vector<Entry> lines;
    lines.swap(lines_);
    for (const Entry& e : lines) {
        if (e.style) {
            SetReportStyle(*e.style);
            continue;
        }
        if (e.size > 0) SetReportSize(e.size);
        AppendReportLine(e.text);
        if (e.size > 0) SetReportSize(startSize_);
    }
}

}  // namespace tubalyx
