#include "reports/report_head.h"

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "flow/device_selection.h"
#include "numerics/text_utils.h"
#include "reports/calculation_function.h"
#include "reports/report_block.h"
#include "reports/report_window.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/window_access.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

// No font is drawn larger; a size scaled up again and again stops here instead of overflowing.
constexpr int kLargestSize = 1000;

constexpr TColor kHeadColor = 128;  // dark red

// {Swedish, German, English}
constexpr LangText kThermodynamics{"DATORBERÄKNING AV TERMODYNAMISKA DATA",
                                   "RECHNERBERECHNUNG VON THERMODYNAMISHE DATEN",
                                   "COMPUTERCALCULATION OF THERMODYNAMICAL DATA"};
constexpr LangText kThroatDevice{"DATORBERÄKNING AV STRYPELEMENT FÖR FLÖDESMÄTNING I RÖR",
                                 "RECHNERBERECHNUNG VON DROSSELGERÄT für DURCHFLUSSMESSUNG",
                                 "COMPUTERCALCULATION OF THROATDEVICE FOR FLOWMEASUREMENT IN TUBES"};
constexpr LangText kIso1991{"ENLIGT NORM ISO 5167 från 1991 och AMENDMENT 1 från 1998",
                            "NACH NORM ISO 5167 1991 und AMENDMENT 1 von 1998",
                            "ACCORDING STANDARD ISO 5167 from 1991 and AMENDMENT 1 from 1998"};
constexpr LangText kIso2003{"ENLIGT NORM ISO 5167 från 2003", "NACH NORM ISO 5167 von 2003",
                            "ACCORDING STANDARD ISO 5167 from 2003"};
constexpr LangText kDin1982{"ENLIGT NORM DIN 1952 från 1982", "NACH NORM DIN 1952 von 1982",
                            "ACCORDING STANDARD DIN 1952 from 1982"};
constexpr LangText kCone{"BERÄKNING AV V-CONE ENLIGT MCCROMETER;", "BERECHNUNG VON V-CONE NACH MCCROMETER;",
                         "CALCULATION OF V-CONE ACCORDING TO MCCROMETER;"};
constexpr LangText kConeSource{"Spec; Flow Calculations for the V-Cone Flowmeter, Rev 2.7/2002",
                               "Flow Calculations for the V-Cone Flowmeter, Rev 2.7/2002",
                               "Flow Calculations for the V-Cone Flowmeter, Rev 2.7/2002"};
constexpr LangText kVolumeMeter{"BERÄKNING AV Mag/US-endimensionell volymflödesmätnimng",
                                "BERECHNUNG VON EIN DIM. DURCHFLUSSMESSER, US/MAG;",
                                "CALCULATION OF ONEDIM VOLUMEFLOWMETER US/MAG"};
constexpr LangText kRestriction{"DATORBERÄKNING AV FLÖDESBEGRÄNSARE", "RECHNERBERECHNUNG VON DURCHFLUSS RESTRICTIONS",
                                "COMPUTERCALCULATION OF FLOW RESTRICTIONS"};
constexpr LangText kValve{"DATORBERÄKNING AV VENTILKRAV", "RECHNERBERECHNUNG VON VENTILEN",
                          "COMPUTERCALCULATION OF VALVEDEMANDS"};
constexpr LangText kPressureLoss{"DATORBERÄKNING AV TRYCKFÖRLUSTER", "RECHNERBERECHNUNG VON DRUCKVERLUSTEN",
                                 "COMPUTERCALCULATION OF PRESSURELOSSES"};
constexpr LangText kFlow{"DATORBERÄKNING AV FLÖDE", "RECHNERBERECHNUNG VON DURCHFLUSS", "COMPUTERCALCULATION OF FLOW"};
constexpr LangText kDatePrefix{"Datum: ", "Datum: ", "Date: "};
constexpr LangText kTimeInfix{" /Tid: ", " /Zeit: ", " /Time: "};
constexpr LangText kProductLine{"", "", ""};

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
    switch (DecodeCalcFunction(CalcFunction)) {
        case CalculationFunction::Thermodynamics: return {&kThermodynamics};
        case CalculationFunction::PrimaryDevice: {
            const FlowDevice device = DecodeDevice(DeviceCode);
            if (IsConeDevice(device)) return {&kCone, &kConeSource};
            if (device == FlowDevice::VolumeMeter) return {&kVolumeMeter};
            const LangText* standard = StandardLetter == 'I'   ? &kIso1991
                                       : StandardLetter == '3' ? &kIso2003
                                                               : &kDin1982;
            return {&kThroatDevice, standard};
        }
        case CalculationFunction::Valve: return {ValveSubtype == "RO" ? &kRestriction : &kValve};
        case CalculationFunction::PressureLoss: return {&kPressureLoss};
        case CalculationFunction::Flow: return {&kFlow};
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
    if (!TextOf(kDatePrefix, letter)) return;
    for (const LangText* title : TitleLines()) AppendHeadLine(TextOf(*title, letter), headSize);
    const ReportTimestamp now = ReportClockNow();
    AppendHeadLine(TextOf(kDatePrefix, letter) + now.date + TextOf(kTimeInfix, letter) + now.time, headSize);
    if (letter == 'S') {
        const std::string pageHeader = ReportWriterWindow().RichEdit2.Line(0);
        if (!pageHeader.empty()) AppendHeadLine(pageHeader, headSize);
    }
    AppendHeadLine(TextOf(kProductLine, letter), headSize);
}

}  // namespace tubalyx
