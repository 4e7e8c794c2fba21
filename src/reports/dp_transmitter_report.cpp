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
#include "state/medium.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "texts/report_texts.h"

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
    if (LanguageLetter == 'E') return Language::English;
    if (LanguageLetter == 'D') return Language::German;
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
    if (!(0.99 * MaxMassFlow > MinMassFlow) || DeviceCode == "VOLYM") return;
    std::string flowRow = ByLanguage(report_text::FlowTableFlowRow);
    std::string dpRow = ByLanguage(report_text::FlowTableDpRow);
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
                SolveFor == "DP" ? CheckedDiv(dp * 0.001, DpUnitFactor) : CheckedDiv(dp * MaxDpInput, MaxDpPa);
            dpRow += " " + ReportSeparator + FormatFixed(CheckFinite(shown), 5);
        }
    } catch (const CalcError&) {
        return;  // a dp the device equations cannot give: no table, the report goes on
    }
    ReportBlock block;
    block.AddEmpty();
    if (MaxFlowGivenFlag == "V")
        block.Add(ByLanguage(report_text::FlowTableHeading));
    else
        block.Add(ByLanguage(report_text::RealFlowTableHeading));
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
    if (SolveFor == "DP") {
        dp = MaxDpEntered;
    } else if (SolveFor == "OK") {
        unit = DpUpperLimitUnit;
    }
    t.settingDp = "= " + NumberWithUnit(dp, unit);
    return t;
}

void AddLinearOption(ReportBlock& block, Language language, const TransmitterTexts& t) {
    switch (language) {
        case Language::Swedish: {
            block.AddFitted(report_text::LinearOptionHeading.sv, 68);
            std::string setting = report_text::LinearOptionSetting.sv + ReportSeparator + t.dp;
            const int length = Utf8Length(setting);
            block.AddFitted(std::move(setting), length);
            block.AddFitted(report_text::LinearOptionThen.sv, 64);
            break;
        }
        case Language::German:
            block.Add(report_text::LinearOptionHeading.de);
            block.Add(report_text::LinearOptionRange.de);
            block.Add(report_text::LinearOptionSetting.de + ReportSeparator + t.dp);
            block.Add(report_text::LinearOptionThen.de);
            break;
        case Language::English: {
            block.Add(report_text::LinearOptionHeading.en);
            block.Add(report_text::LinearOptionRange.en);
            std::string setting = report_text::LinearOptionSetting.en + ReportSeparator + t.dp;
            const int length = Utf8Length(setting);
            block.AddFitted(std::move(setting), length);
            block.AddFitted(report_text::LinearOptionThen.en, 66);
            break;
        }
    }
    block.AddEmpty();
}

void AddRootHeading(ReportBlock& block, Language language) {
    switch (language) {
        case Language::Swedish: block.AddFitted(report_text::RootOptionHeading.sv, 70); break;
        case Language::German:
            block.Add(report_text::RootOptionHeading.de);
            block.Add(report_text::RootOptionRange.de);
            break;
        case Language::English: block.AddFitted(report_text::RootOptionHeading.en, 72); break;
    }
}

// The "set 20 mA at" label of 2.2 and 2.3 (the German one names the maximal flow).
const char* SetAtLabel() { return ByLanguage(report_text::TransmitterSetAtLabel); }

void AddNormalFlowOption(ReportBlock& block, Language language, const TransmitterTexts& t) {
    switch (language) {
        case Language::Swedish:
            block.Add(report_text::NormalFlowOptionHeading.sv);
            AddFittedWhenLong(block, report_text::NormalFlowOptionSetting.sv);
            break;
        case Language::German:
            block.AddFitted(report_text::NormalFlowOptionHeading.de, 72);
            block.Add(report_text::NormalFlowOptionSetting.de);
            break;
        case Language::English:
            block.Add(report_text::NormalFlowOptionHeading.en);
            block.Add(report_text::NormalFlowOptionSetting.en);
            break;
    }
    block.Add(t.normalFlow + t.settingDp);
}

void AddMaxFlowOption(ReportBlock& block, const TransmitterTexts& t) {
    block.Add(ByLanguage(report_text::MaxFlowOptionHeading));
    block.Add(SetAtLabel());
    block.Add(t.maxFlow + t.settingDp);
}

void AddAllFlowsOption(ReportBlock& block, Language language, const TransmitterTexts& t) {
    block.Add(ByLanguage(report_text::AllFlowsOptionHeading));
    block.Add(SetAtLabel());
    block.Add(t.allFlows + t.settingDp);
    switch (language) {
        case Language::Swedish:
            block.AddFitted(report_text::AllFlowsOptionImprove.sv, 75);
            block.AddFitted(report_text::AllFlowsOptionFactors.sv, 78);
            break;
        case Language::German:
            block.Add(report_text::AllFlowsOptionImprove.de);
            block.Add(report_text::AllFlowsOptionFactors.de);
            block.Add(report_text::AllFlowsOptionPointer.de);
            break;
        case Language::English:
            block.Add(report_text::AllFlowsOptionImprove.en);
            block.AddFitted(report_text::AllFlowsOptionFactors.en, 74);
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
    block.Add(std::string(24, ' ') + ByLanguage(report_text::OneOrTwoTransmittersHeading));
    const std::string label1 = ByLanguage(report_text::OneTransmitterUncertaintyLabel);
    const std::string label2 = ByLanguage(report_text::TwoTransmittersUncertaintyLabel);
    const std::string label3 = ByLanguage(report_text::TransmitterSplitDpLabel);
    const std::string label4 = ByLanguage(report_text::TransmitterSplitFlowLabel);
    const int length1 = Utf8Length(label1), length2 = Utf8Length(label2);
    const int length3 = Utf8Length(label3), length4 = Utf8Length(label4);
    AddFittedWhenLong(block, label1 + s + FormatFixed(one, 4), length1 + 4);
    AddFittedWhenLong(block, label2 + s + FormatFixed(two, 4), length2 + 4);
    block.Add(ByLanguage(report_text::TransmitterSpanNote));
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
    block.Add(ByLanguage(report_text::SmallTransmitterSettingLabel));
    double dp = 0.01 * DpCellSplitPercent * MaxDpInput;
    std::string unit = SolveFor == "OK" ? DpUpperLimitUnit : DpUnit;
    if (SolveFor == "DP") {
        dp = 0.001 * 0.01 * DpCellSplitPercent * MaxFlowDpPa;
        unit = "kPa";
    }
    AddFittedWhenLong(block, NumberWithUnit(dp, unit) + SmallTransmitterFlows(allAlgorithms));
    AddFittedWhenLong(block, ByLanguage(report_text::TransmitterEqualityNote));
}

}  // namespace

void WriteDpTransmitterSection() {
    const Language language = CurrentLanguage();
    const bool linear = MinFlowSI >= 0.5 * MaxFlowSI;
    const bool allAlgorithms = RelativeChangeExceeds();
    const TransmitterTexts texts = PrepareTexts();

    ReportBlock block;
    switch (language) {
        case Language::Swedish: block.Add(std::string(14, ' ') + report_text::TransmitterHeading.sv); break;
        case Language::German: block.Add(std::string(8, ' ') + report_text::TransmitterHeading.de); break;
        case Language::English: block.Add(std::string(11, ' ') + report_text::TransmitterHeading.en); break;
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
