#include "reports/report_head.h"

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "reports/report_window.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/window_access.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

constexpr int kSmallestHeadSize = 6;

constexpr LangText kThermodynamics{"DATORBERÄKNING AV TERMODYNAMISKA DATA", "RECHNERBERECHNUNG VON THERMODYNAMISHE DATEN",
                                   "COMPUTERCALCULATION OF THERMODYNAMICAL DATA"};
constexpr LangText kDevice{"DATORBERÄKNING AV STRYPELEMENT FÖR FLÖDESMÄTNING I RÖR",
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

std::vector<const LangText*> Titles() {
    if (CalcFunction == "Termo") return {&kThermodynamics};
    if (CalcFunction == "Strypf") {
        if (DeviceCode == "VCONE" || DeviceCode == "VCONEWAFER") return {&kCone, &kConeSource};
        if (DeviceCode == "VOLYM") return {&kVolumeMeter};
        const LangText* standard = StandardLetter == 'I' ? &kIso1991 : (StandardLetter == '3' ? &kIso2003 : &kDin1982);
        return {&kDevice, standard};
    }
    if (CalcFunction == "Ventil") return {ValveSubtype == "RO" ? &kRestriction : &kValve};
    if (CalcFunction == "Tryckf") return {&kPressureLoss};
    if (CalcFunction == "Flow") return {&kFlow};
    return {};
}

// The system's short date and its time, in the C library's locale forms.
std::string Now(const char* format) {
    const std::time_t now = std::time(nullptr);
    char text[64] = "";
    if (const std::tm* local = std::localtime(&now)) std::strftime(text, sizeof text, format, local);
    return text;
}

}  // namespace

void WriteReportHead() {
    TFontStyles bold;
    bold.Bold = true;
    SetReportStyle(bold);
    SetReportColor(clMaroon);
    SetReportSize(std::max(kSmallestHeadSize, ReportSize() * 60 / 13));
    const char letter = LanguageLetter;
    if (letter != 'S' && letter != 'E' && letter != 'D') return;
    for (const LangText* title : Titles()) AppendReportLine(TextOf(*title, letter));
    AppendReportLine(TextOf(kDatePrefix, letter) + Now("%x") + TextOf(kTimeInfix, letter) + Now("%X"));
    if (letter == 'S' && !Form1().RichEdit2.Line(0).empty()) AppendReportLine(Form1().RichEdit2.Line(0));
    AppendReportLine("");
}

}  // namespace tubalyx
