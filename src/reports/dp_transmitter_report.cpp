#include "reports/dp_transmitter_report.h"

#include <cmath>
#include <string>

#include "flow/dp_cell_range.h"
#include "flow/dp_range_uncertainty.h"
#include "flow/flow_iterations.h"
#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "reports/report_block.h"
#include "reports/result_report_detail.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {

using namespace result_detail;

namespace {

constexpr int kTableColumns = 10;
// A line wider than this many characters at the section's size is written smaller.
constexpr int kFitChars = 58;

const TFontStyles kBold{true, false, false, false};
const TFontStyles kUnderlined{true, false, true, false};

enum class Language { Swedish, German, English };
Language CurrentLanguage() {
    if (LanguageLetter == kLanguageEnglish) return Language::English;
    if (LanguageLetter == kLanguageGerman) return Language::German;
    return Language::Swedish;
}

double RootOrZero(double x) { return x > 0.0 ? std::sqrt(x) : 0.0; }

void AddFittedWhenLong(ReportBlock& block, std::string text, int divisor) {
    if (divisor > kFitChars)
        block.AddFitted(std::move(text), divisor);
    else
        block.Add(std::move(text));
}

void AddFittedWhenLong(ReportBlock& block, std::string text) {
    const int length = Utf8Length(text);
    AddFittedWhenLong(block, std::move(text), length);
}

}  // namespace

void WriteFlowDpTable() {
    if (!(0.99 * MaxMassFlow > MinMassFlow) || DeviceCode == kDeviceVolumeMeter) return;
    std::string flowRow = ByLanguage("flöde", "Durchfluss", "flow");
    std::string dpRow = ByLanguage("dp   ", "Wirkdruck ", "dp  ");
    const std::string standard(1, StandardLetter);
    const double correction = InletEdgeFactor * RoughnessFactor * BendFactor;
    try {
        for (int i = 1; i <= kTableColumns; ++i) {
            const double q = MinMassFlow + (i - 1) * (MaxMassFlow - MinMassFlow) / 9.0;
            flowRow += " " + ReportSeparator + FormatFixed(CheckFinite(CheckedDiv(q * MaxFlowInput, MaxMassFlow)), 5);
            double dp = 0.0;
            DiffPressureFromFlow(MediumCode, DeviceCode, DeviceVariantCode, standard, OperatingPressure, q,
                                 BoreDiameter, PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating,
                                 correction, dp);
            const double shown =
                SolveFor == kSolveDp ? CheckedDiv(dp * 0.001, DpUnitFactor) : CheckedDiv(dp * MaxDpInput, MaxDpPa);
            dpRow += " " + ReportSeparator + FormatFixed(CheckFinite(shown), 5);
        }
    } catch (const CalcError&) {
        return;  // a dp the device equations cannot give: no table, the report goes on
    }
    ReportBlock block;
    block.AddEmpty();
    if (MaxFlowGivenFlag == kMaxFlowPlain)
        block.Add(ByLanguage("Tabell; Förhållande mellan Flöde och difftryck",
                             "Tafel; Verhältnis zw Durchfluss und Wirkdruck",
                             "Table; Relation btw flow and differential pressure"));
    else
        block.Add(ByLanguage("Tabell; Förhållande mellan verkligt Flöde och difftryck",
                             "Tafel; Verhältnis zw wirklich Durchfluss und Wirkdruck",
                             "Table; Relation btw real flow and differential pressure"));
    block.Add(OperatingConditionsText());
    const int flowLength = Utf8Length(flowRow);
    const int dpLength = Utf8Length(dpRow);
    block.AddFitted(std::move(flowRow), flowLength);
    block.AddFitted(std::move(dpRow), dpLength);
    block.Flush();
}

namespace {

// The three ways of setting the square-root transmitter, and the linear one.
struct TransmitterTexts {
    std::string dp;          // the maximal dp with its unit
    std::string maxFlow;     // the flow at the maximal dp by algorithm 2
    std::string normalFlow;  // ... by algorithm 1
    std::string allFlows;    // ... by algorithm 3
    std::string settingDp;   // "= " and the dp the 20 mA is set at, with its unit
};

std::string NumberWithUnit(double value, const std::string& unit) {
    return ReportSeparator + Number(value) + ReportSeparator + unit;
}

TransmitterTexts PrepareTexts() {
    TransmitterTexts t;
    const double root = RootOrZero(MaxDpEntered);
    t.dp = NumberWithUnit(MaxDpEntered, DpUnit);
    t.maxFlow = NumberWithUnit(root * RootFlowMax, FlowUnit);
    t.normalFlow = NumberWithUnit(root * RootFlowNormal, FlowUnit);
    t.allFlows = NumberWithUnit(root * RootFlowDesign, FlowUnit);
    double dp = MaxDpInput;
    std::string unit = DpUnit;
    if (SolveFor == kSolveDp) {
        dp = MaxDpEntered;
    } else if (SolveFor == kSolveOptimal) {
        unit = DpUpperLimitUnit;
    }
    t.settingDp = "= " + NumberWithUnit(dp, unit);
    return t;
}

void AddLinearOption(ReportBlock& block, Language language, const TransmitterTexts& t) {
    switch (language) {
        case Language::Swedish: {
            block.AddFitted("1.Linjär dp-cell (för mkt bra noggrannhet från >=50 till 100% flöde)", 68);
            std::string setting = "Ställ in dp-cellen så att den ger 20 mA vid maxdifftryck= " + ReportSeparator + t.dp;
            const int length = Utf8Length(setting);
            block.AddFitted(std::move(setting), length);
            block.AddFitted("Beräkna sedan flödet med flödesberäkningsmetod 1,2 eller 3 nedan", 64);
            break;
        }
        case Language::German:
            block.Add("1.Linear Wirkdruckmessumformer ohne Radiziergerät");
            block.Add("(für sehr gute Präzision von >=50 bis 100% Durchfluss)");
            block.Add("Einstellung; 20 mA bei grösstem Wirkdruckendwert= " + ReportSeparator + t.dp);
            block.Add("Durchfluss mit Berechnungsmethod 1,2 oder 3 nach unten berechnen");
            break;
        case Language::English: {
            block.Add("1.Linear dp-transmitter");
            block.Add("(used for very good precision from >=50 to 100% flow)");
            std::string setting =
                "Adjust the transmitter for max signal 20 mA at maximal diff. pressure= " + ReportSeparator + t.dp;
            const int length = Utf8Length(setting);
            block.AddFitted(std::move(setting), length);
            block.AddFitted("Then calculate the flow with flowcalculation-method 1,2 or 3 below", 66);
            break;
        }
    }
    block.AddEmpty();
}

void AddRootHeading(ReportBlock& block, Language language) {
    switch (language) {
        case Language::Swedish:
            block.AddFitted("2.Rotutdragande dp-cell (för bra noggrannhet från <50 till 100% flöde)", 70);
            break;
        case Language::German:
            block.Add("2.Wirkdruckmessumformer mit Radiziergerät");
            block.Add("(für gute Präzision von <50 bis 100% Durchfluss)");
            break;
        case Language::English:
            block.AddFitted("2.Square-root dp-transm. (used for good precision from <50 to 100% flow)", 72);
            break;
    }
}

// The "set 20 mA at" label of 2.2 and 2.3 (the German one names the maximal flow).
const char* SetAtLabel() {
    return ByLanguage("Ställ in dp-cellen så att den ger 20 mA vid ",
                      "20 mA bei grösstem Durchflussendwert= ", "Adjust the transmitter for max signal 20 mA at ");
}

void AddNormalFlowOption(ReportBlock& block, Language language, const TransmitterTexts& t) {
    switch (language) {
        case Language::Swedish:
            block.Add("2.1.Bästa noggrannhet vid normalflöde=67%*maxflöde;");
            AddFittedWhenLong(block, "Ställ in dp-cellen så att den ger 20 mA vid justerat maxflöde= ");
            break;
        case Language::German:
            block.AddFitted("2.1.Beste Präzision bei Normaldurchfluss=67%*grösstem Durchflussendwert;", 72);
            block.Add("20 mA bei berichtigtes Durchfluss= ");
            break;
        case Language::English:
            block.Add("2.1.Best precision at normal flow=67%*maxflow;");
            block.Add("Adjust the transmitter for max signal 20 mA by adjusted maxflow= ");
            break;
    }
    block.Add(t.normalFlow + t.settingDp);
}

void AddMaxFlowOption(ReportBlock& block, const TransmitterTexts& t) {
    block.Add(ByLanguage("2.2.Bästa noggrannhet vid maxflöde;", "2.2.Beste Präzision bei grösstem Durchflussendwert;",
                         "2.2.Best precision at maxflow;"));
    block.Add(SetAtLabel());
    block.Add(t.maxFlow + t.settingDp);
}

void AddAllFlowsOption(ReportBlock& block, Language language, const TransmitterTexts& t) {
    block.Add(ByLanguage("2.3.Bästa noggrannhet vid alla flöden;", "2.3.Beste Präzision bei alle Durchflüssen;",
                         "2.3.Best precision at all flows"));
    block.Add(SetAtLabel());
    block.Add(t.allFlows + t.settingDp);
    switch (language) {
        case Language::Swedish:
            block.AddFitted("Förbättra därefter flödesvärdet i dator genom att multiplicera/dividera med", 75);
            block.AddFitted("faktorerna fmat och fdens(/fdens_mat) enligt flödeberäkningsmetod 3 & 4 nedan.", 78);
            break;
        case Language::German:
            block.Add("Dann Durchflusswert im Rechner");
            block.Add("mit Berichtigungsfunktionen fmat & fdens(/fdens_mat) verbessern");
            block.Add("(sehe Durchflussberechnung 3 & 4 unten).");
            break;
        case Language::English:
            block.Add("Then improve the flowvalue in computer with");
            block.AddFitted("adjustment functions fmat and fdens(/fdens_mat) according pos 3 & 4 below.", 74);
            break;
    }
}

// The flows at which the small transmitter reaches 20 mA, by the offered algorithms.
std::string SmallTransmitterFlows(bool allAlgorithms) {
    const double root = RootOrZero(0.01 * DpCellSplitPercent * MaxDpEntered);
    const std::string& s = ReportSeparator;
    const std::string qm = Number(root * RootFlowMax);
    if (!allAlgorithms) return s + "=(pos 2.2)" + s + qm + s + FlowUnit;
    const std::string qn = Number(root * RootFlowNormal);
    const std::string qa = Number(root * RootFlowDesign);
    return s + "=(pos 2.1)" + s + qn + s + "(2.2)" + s + qm + s + "(2.3)" + s + qa + s + FlowUnit;
}

// One or two transmitters: the average extra uncertainty of each choice, the best split and
// the setting of the small transmitter. Nothing when the flow range is below 2 % or the
// split cannot be computed (a minimal flow of 0).
void AddOneOrTwoTransmitters(ReportBlock& block, bool allAlgorithms) {
    double dpAtMin = 0.0, one = 0.0, two = 0.0;
    try {
        OptimizeDpCellRange(100.0, CheckedDiv(100.0 * MinMassFlow, MaxMassFlow), 100.0, dpAtMin, DpCellSplitPercent,
                            one, two);
        CheckFinite(DpCellSplitPercent);
        CheckFinite(one);
        CheckFinite(two);
    } catch (const CalcError&) {
        DpCellSplitPercent = 0.0;
        return;
    }
    if (!(0.98 * MaxMassFlow > MinMassFlow)) return;
    const std::string& s = ReportSeparator;
    block.Add(std::string(24, ' ') +
              ByLanguage("1 ELLER 2 dp-celler?", "1 ODER 2 Wirkdruckmessumformer?", "1 OR 2 dp-transmitters?"));
    const std::string label1 = ByLanguage(
        "1.Medel osäkerhetsbidrag med 1 dp-cell        (% av maxflöde)= ",
        "1.Durchschnittliche Zusatzunsicherheit mit 1 Wirkdruckmessumformer (% von grösstem Durchflussendwert)= ",
        "1.Average additional Uncertainty with 1 dp-cell  (% of maximal flow)= ");
    const std::string label2 = ByLanguage(
        "2.Medel osäkerhetsbidrag med 2 dp-celler      (% av maxflöde)= ",
        "2.Durchschnittliche Zusatzunsicherheit mit 2 Wirkdruckmessumformer (% von grösstem Durchflussendwert)= ",
        "2.Average additional Uncertainty with 2 dp-cells (% of maximal flow)= ");
    const std::string label3 = ByLanguage(
        "3. Optimal gräns mellan liten och stor dp-cell      (% av maxdp)= ",
        "3. Beste mögliche Grenze zwischen den beiden Wirkdruckmessumformern (% von grösstem Wirkdruckendwert)= ",
        "3. Optimal limit between small and big dp-transmitter   (% av maximal dp)= ");
    const std::string label4 = ByLanguage(
        "4. Optimal gräns mellan liten och stor dp-cell  (% av max flöde)= ",
        "4. Beste mögliche Grenze zwischen den beiden Wirkdruckmessumformern (% von grösstem Durchflussendwert)= ",
        "4. Optimal limit between small and big dp-transmitter (% av maximal flow)= ");
    const int length1 = Utf8Length(label1), length2 = Utf8Length(label2);
    const int length3 = Utf8Length(label3), length4 = Utf8Length(label4);
    AddFittedWhenLong(block, label1 + s + FormatFixed(one, 4), length1 + 4);
    AddFittedWhenLong(block, label2 + s + FormatFixed(two, 4), length2 + 4);
    block.Add(ByLanguage("(Om dp-cellernas osäkerhet = 0.1% av respektive span)",
                         "(Wenn das Unsicherheit des Wirkdruckmessumformers = 0.1% von Wirkdruckendwert)",
                         "(If the Uncertainty of the dp-transmitters = 0.1% of span)"));
    // The divisor of these two is one less than the test that asks for it.
    const std::string line3 = label3 + s + FormatFixed(DpCellSplitPercent, 3);
    if (length3 + 4 > kFitChars)
        block.AddFitted(line3, length3 + 3);
    else
        block.Add(line3);
    const std::string line4 = label4 + s + FormatFixed(100.0 * RootOrZero(0.01 * DpCellSplitPercent), 3);
    if (length4 + 4 > kFitChars)
        block.AddFitted(line4, length4 + 3);
    else
        block.Add(line4);
    block.Add(
        ByLanguage("5. Inställning av liten dp-cell; 20 mA= ", "5. Einstellung kleiner Wirkdruckmessumformer; 20 mA= ",
                   "5. Configuration of small dp-transmitter; 20 mA= "));
    double dp = 0.01 * DpCellSplitPercent * MaxDpInput;
    std::string unit = SolveFor == kSolveOptimal ? DpUpperLimitUnit : DpUnit;
    if (SolveFor == kSolveDp) {
        dp = 0.001 * 0.01 * DpCellSplitPercent * MaxFlowDpPa;
        unit = "kPa";
    }
    AddFittedWhenLong(block, NumberWithUnit(dp, unit) + SmallTransmitterFlows(allAlgorithms));
    // clang-format off
    AddFittedWhenLong(block,
                      ByLanguage("(Om dp-cellernas osäkerhet är lika stora i % av respektive span)",
                                 "(Wenn das Unsicherheit von beider Wirkdruckmessumformer sind dasselbe (% von aktuellem grösstem Wirkdruckendwert)",
                                 "(If the Uncertainty of the dp-transmitters are equal (in % of span)"));
    // clang-format on
}

}  // namespace

void WriteDpTransmitterSection() {
    const Language language = CurrentLanguage();
    const bool linear = MinFlowSI >= 0.5 * MaxFlowSI;
    const bool allAlgorithms = RelativeChangeExceeds();
    const TransmitterTexts texts = PrepareTexts();

    ReportBlock block;
    switch (language) {
        case Language::Swedish: block.Add(std::string(14, ' ') + "INSTÄLLNING AV dp-CELL"); break;
        case Language::German: block.Add(std::string(8, ' ') + "EINSTELLUNG VON WIRKDRUCKMESSUMFORMER"); break;
        case Language::English: block.Add(std::string(11, ' ') + "CONFIGURATION OF dp-TRANSMITTER"); break;
    }
    if (linear) block.SetStyle(kUnderlined);
    AddLinearOption(block, language, texts);
    block.SetStyle(linear ? kBold : kUnderlined);
    AddRootHeading(block, language);
    block.SetStyle(kBold);
    if (allAlgorithms) AddNormalFlowOption(block, language, texts);
    AddMaxFlowOption(block, texts);
    block.SetStyle(linear ? kBold : kUnderlined);
    if (allAlgorithms) AddAllFlowsOption(block, language, texts);
    block.SetStyle(kBold);
    AddOneOrTwoTransmitters(block, allAlgorithms);
    block.Flush();
}

}  // namespace tubalyx
