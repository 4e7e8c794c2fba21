#include "reports/report_head.h"

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "flow/device_selection.h"
#include "numerics/text_utils.h"
#include "reports/report_block.h"
#include "reports/report_window.h"
#include "state/decoded_selection.h"
#include "state/keywords.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/report_texts.h"
#include "texts/window_access.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

// No font is drawn larger; a size scaled up again and again stops here instead of overflowing.
constexpr int kLargestSize = 1000;

constexpr TColor kHeadColor = 128;  // dark red

ReportClock g_clock = nullptr;

// The width the head has on screen: the report window as far as the window shows it, less a
// scroll bar; 0 while neither has been given a width.
int VisibleReportWidth() {
    const ReportWriterControls& f = ReportWriterWindow();
    int shown = f.RichEdit1.ClientWidth();
    const int window = f.ClientWidth() - std::max(0, f.RichEdit1.Left());
    if (window > 0 && (shown <= 0 || window < shown)) shown = window;
    return shown > 0 ? std::max(1, shown - kScrollBarSize) : 0;
}

// The head's size for a line: the head size, or the largest size at which the line keeps
// within the report window where the head size would run past its edge (the title must be
// readable whole); never below the smallest report size.
int FittedHeadSize(const std::string& line, int headSize) {
    const int length = Utf8Length(line), width = VisibleReportWidth();
    if (length == 0 || width == 0) return headSize;
    const double widthPerPoint = length * 17.0 / 20.0;  // CharWidth of the form font, unrounded
    const int fitting = static_cast<int>(width / widthPerPoint);
    return std::max(kMinReportFontSize, std::min(headSize, fitting));
}

void AppendHeadLine(const std::string& line, int headSize) {
    SetReportSize(FittedHeadSize(line, headSize));
    AppendReportLine(line);
}

std::vector<const LangText*> TitleLines() {
    const Selection selection = DecodeSelection();
    switch (selection.function) {
        case CalculationFunction::Thermodynamics: return {&report_text::ThermodynamicsTitle};
        case CalculationFunction::PrimaryDevice: {
            if (selection.Cone()) return {&report_text::ConeTitle, &report_text::ConeSourceTitle};
            if (selection.VolumeMeter()) return {&report_text::VolumeMeterTitle};
            const LangText* standard = selection.standard == FlowStandard::Iso1991   ? &report_text::Iso1991Title
                                       : selection.standard == FlowStandard::Iso2003 ? &report_text::Iso2003Title
                                                                                     : &report_text::Din1982Title;
            return {&report_text::ThroatDeviceTitle, standard};
        }
        case CalculationFunction::Valve:
            return {ValveSubtype == kSubtypeRestriction ? &report_text::RestrictionTitle : &report_text::ValveTitle};
        case CalculationFunction::PressureLoss: return {&report_text::PressureLossTitle};
        case CalculationFunction::Flow: return {&report_text::FlowTitle};
        case CalculationFunction::Units:
        case CalculationFunction::Other: break;
    }
    return {};
}

std::string LocalTimeText(const std::tm& local, const char* format) {
    char text[128] = "";
    std::strftime(text, sizeof text, format, &local);
    return text;
}

}  // namespace

ReportTimestamp LocalReportTimestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return {};
    // %x and %X are the date and time forms of the locale the program runs in.
    return {LocalTimeText(local, "%x"), LocalTimeText(local, "%X")};
}

void SetReportClock(ReportClock clock) { g_clock = clock; }

ReportTimestamp ReportClockNow() { return g_clock ? g_clock() : LocalReportTimestamp(); }

void WriteReportHead() {
    TFontStyles bold;
    bold.Bold = true;
    SetReportStyle(bold);
    SetReportColor(kHeadColor);
    const int headSize =
        std::max(kMinReportFontSize, static_cast<int>(std::min<long long>(ReportSize() * 60LL / 13, kLargestSize)));
    SetReportSize(headSize);

    const char letter = LanguageLetter;
    if (!TextOf(report_text::DatePrefix, letter)) return;
    for (const LangText* title : TitleLines()) AppendHeadLine(TextOf(*title, letter), headSize);
    const ReportTimestamp now = ReportClockNow();
    AppendHeadLine(
        TextOf(report_text::DatePrefix, letter) + now.date + TextOf(report_text::TimeInfix, letter) + now.time,
        headSize);
    if (letter == kLanguageSwedish) {
        const std::string pageHeader = ReportWriterWindow().RichEdit2.Line(0);
        if (!pageHeader.empty()) AppendHeadLine(pageHeader, headSize);
    }
    AppendHeadLine(TextOf(report_text::ProductLine, letter), headSize);
}

}  // namespace tubalyx
