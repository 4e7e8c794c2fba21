#include "reports/straight_length_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "flow/fake_report_labels.h"
#include "flow/straight_lengths.h"
#include "numerics/decimal_separator.h"
#include "numerics/text_utils.h"
#include "reports/report_window.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

// Label strings as the language texts give them: the fitting names padded to their column.
std::string FakeLabel(const std::string& name) {
    if (name == "FittingSingleBend") return PadRight("Single 90 degrees bend (radius>1D) or tee", 45, ' ');
    if (name == "FittingLargeVessel") return PadRight("Open large vessel", 45, ' ');
    if (name.rfind("Fitting", 0) == 0) {
        const bool second = name.back() == 'B';
        return PadRight(name, second ? 57 : 45, ' ');
    }
    return "[" + name + "]";
}

class StraightLengthReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        ReportSeparator = "";
        LanguageLetter = 'E';
        StandardLetter = 'I';
        DeviceCode = "S";
        DeviceVariantCode = "R";
        saved_ = {PipeDiameter, BoreDiameter, MinMassFlow, DynamicViscosityPas};
        D = 0.1;
        d = 0.05;
        MinMassFlow = 1.0;
        DynamicViscosityPas = 1e-3;
        ClearReport();
        TTextAttributes plain;
        ReportWindow().SetSelAttributes(plain);
        SetReportSize(10);
    }
    void TearDown() override {
        PipeDiameter = saved_[0];
        BoreDiameter = saved_[1];
        MinMassFlow = saved_[2];
        DynamicViscosityPas = saved_[3];
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
    int IndexOf(const std::string& prefix) {
        auto lines = Lines();
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
        return -1;
    }
    // The report reads the diameters of the flow state.
    double& D = PipeDiameter;
    double& d = BoreDiameter;
    std::array<double, 4> saved_{};
    flowtest::FakeReportLabels labels_{FakeLabel};
};

// The section applies the language first, so it prints the real label strings.
const std::string kEnglishOneSideNote = "(Only 0.5% additional uncertainty upstreams OR downstreams, NOT BOTH!)";

TEST_F(StraightLengthReportTest, CellsAreFiveCharactersRoundedToThreeDigits) {
    EXPECT_EQ(StraightLengthCellText(1.4), " 1,40");
    EXPECT_EQ(StraightLengthCellText(0.7), " 0,70");
    EXPECT_EQ(StraightLengthCellText(0.25), " 0,25");
    EXPECT_EQ(StraightLengthCellText(12.3449), " 12,3");
    EXPECT_EQ(StraightLengthCellText(0.0995), " 0,10");
    SetDecimalSeparator('.');
    EXPECT_EQ(StraightLengthCellText(1.4), " 1.40");
}

TEST_F(StraightLengthReportTest, EnglishOrificeSectionOf1991) {
    WriteStraightLengthSection('2');
    const auto lines = Lines();
    ASSERT_GE(lines.size(), 22u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "The following table shows shortest possible straight tube length between");
    EXPECT_EQ(lines[5], "Two lengths are specified, for 0% and 0.5% flowmeasurement error contribution.");
    // The English headings in their narrow form, over the cells of the 45-character names.
    EXPECT_EQ(lines[6], std::string(46, ' ') + "ADDITIONAL ERROR");
    EXPECT_EQ(lines[7], "(Measured from upstream pressure tapping)     0%             0,5%");
    EXPECT_EQ(lines[8], "DISTURBANCE" + std::string(35, ' ') + "STRAIGHT LENGTH (m)");
    EXPECT_EQ(lines[9], PadRight("Single 90 degrees bend (radius>1D) or tee", 45, ' ') + " 1,40.......... 0,70");
    EXPECT_EQ(lines[19], PadRight("Open large vessel", 45, ' ') + " 3,00");
    EXPECT_EQ(lines[20], PadRight("All fittings downstream*", 45, ' ') + " 0,60.......... 0,30");
    EXPECT_EQ(lines[21], "(*Measured from downstream pressure tapping)");
    EXPECT_EQ(lines[22], kEnglishOneSideNote);
    EXPECT_EQ(lines.size(), 23u);
    // Row 6 is the globe valve: 22 D and 11 D at beta 0.5.
    EXPECT_EQ(lines[14], PadRight("Globe valve fully open/ISO 5167:1991", 45, ' ') + " 2,20.......... 1,10");
}

TEST_F(StraightLengthReportTest, TabSeparatesTheOrificeAndSegmentCells) {
    ReportSeparator = "\t";
    PrintStraightLengthTableA('1');
    const std::string first = ReportLineText(3);
    EXPECT_EQ(std::count(first.begin(), first.end(), '\t'), 3);
    EXPECT_EQ(IndexOf("[MeasuredFromDownstreamTappingNote]"), -1);
    ClearReport();
    DeviceCode = "SM";
    d = 0.05;
    PrintStraightLengthTableB('2');
    const std::string seg = ReportLineText(2);
    EXPECT_EQ(std::count(seg.begin(), seg.end(), '\t'), 3);
    ClearReport();
    DeviceCode = "V";
    PrintStraightLengthTableC('2');
    for (const auto& line : Lines()) EXPECT_EQ(line.find('\t'), std::string::npos) << line;
}

TEST_F(StraightLengthReportTest, Orifice2003RowsWithoutHalfValueShowBlanks) {
    StandardLetter = '3';
    d = 0.015;  // beta 0.15
    PrintStraightLengthTableA('2');
    const auto lines = Lines();
    const std::string blanks = ".........." + std::string(5, ' ');
    for (const char* name : {"FittingTwoBendsSamePlaneOver10DB", "FittingTwoBendsSamePlaneUnder10DB", "FittingTeeB",
                             "FittingBends45B", "FittingReducer2B", "FittingExpander05B"}) {
        const int i = IndexOf(name);
        ASSERT_GE(i, 0) << name;
        const std::string& line = lines[i];
        EXPECT_EQ(line.substr(line.size() - blanks.size()), blanks) << name;
        EXPECT_EQ(line.find('-'), std::string::npos) << name;
    }
    EXPECT_EQ(lines[IndexOf("FittingOneBendB")], PadRight("FittingOneBendB", 57, ' ') + " 0,60.......... 0,30");
    // The large vessel stands between the globe valve and the abrupt reduction.
    EXPECT_EQ(IndexOf("Open large vessel"), IndexOf("FittingGlobeValveB") + 1);
    EXPECT_EQ(lines[IndexOf("Open large vessel")],
              PadRight("Open large vessel", 45, ' ') + std::string(12, ' ') + " 3,00");
    EXPECT_EQ(lines[IndexOf("FittingAllDownstreamB")],
              PadRight("FittingAllDownstreamB", 57, ' ') + " 0,40.......... 0,20");
    ClearReport();
    LanguageLetter = 'S';
    PrintStraightLengthTableA('2');
    EXPECT_EQ(ReportLineText(IndexOf("Open large vessel")),
              PadRight("Open large vessel", 45, ' ') + std::string(6, ' ') + " 3,00");
}

TEST_F(StraightLengthReportTest, SegmentTablePrintsReducerBeforeExpander) {
    DeviceCode = "SM";
    D = 0.2;
    d = 0.1;  // m = 0.25
    PrintStraightLengthTableB('2');
    const auto lines = Lines();
    EXPECT_EQ(lines[0], "[StraightLengthErrorHeading]");
    EXPECT_EQ(lines[1], "[StraightLengthMeasuredLine]");
    EXPECT_EQ(lines[2], PadRight("Single 90 degrees bend (radius>1D) or tee", 45, ' ') + " 3,20.......... 1,60");
    EXPECT_EQ(lines[5], PadRight("FittingReducer2to1", 45, ' ') + " 1,60.......... 0,80");
    EXPECT_EQ(lines[6], PadRight("FittingExpander05", 45, ' ') + " 4,00.......... 2,00");
    EXPECT_EQ(lines[12], PadRight("Open large vessel", 45, ' ') + " 6,00");
    EXPECT_EQ(lines[13], PadRight("FittingAllDownstream", 45, ' ') + " 1,20.......... 0,60");
    EXPECT_EQ(lines[14], "[MeasuredFromUpstreamFaceNote]");
    EXPECT_EQ(lines[15], "[StraightLengthOneSideNote]");
}

TEST_F(StraightLengthReportTest, VenturiTables) {
    DeviceCode = "V";
    D = 0.2;
    d = 0.07;  // beta 0.35
    PrintStraightLengthTableC('2');
    auto lines = Lines();
    // Fitting 1 at beta <= 0.40 prints its first value in the 0.5 % column too.
    EXPECT_EQ(lines[2], PadRight("Single 90 degrees bend (radius>1D) or tee", 45, ' ') + " 0,10.......... 0,10");
    EXPECT_EQ(lines[4], PadRight("FittingTwoBendsOtherPlanes", 45, ' ') + "     .......... 0,10");
    EXPECT_EQ(lines[8], PadRight("Open large vessel", 45, ' ') + " 6,00");
    EXPECT_EQ(lines[9], PadRight("FittingAllDownstream", 45, ' ') + " 0,28");
    EXPECT_EQ(lines[10], "[MeasuredFromDownstreamTappingNote]");
    ClearReport();
    StandardLetter = '3';
    PrintStraightLengthTableC('1');
    lines = Lines();
    EXPECT_EQ(lines[2], PadRight("FittingOneBendB", 57, ' ') + " 1,60.......... 0,60");
    EXPECT_EQ(lines[4], PadRight("FittingReducer133B", 57, ' ') + " 0,80..........     ");
    EXPECT_EQ(lines[10], PadRight("Open large vessel", 45, ' ') + std::string(12, ' ') + " 6,00");
    EXPECT_EQ(lines[11], PadRight("FittingAllDownstreamB", 57, ' ') + " 0,28..........     ");
    EXPECT_EQ(lines[12], "[StraightLengthOneSideNote]");
}

TEST_F(StraightLengthReportTest, ExplanationInGermanAndSwedish) {
    LanguageLetter = 'D';
    WriteStraightLengthSection('2');
    EXPECT_EQ(ReportLineText(1), "Das folgend Tafel zeigt kleinste mögliche gerade Rohrstrecke zwischen");
    EXPECT_EQ(ReportLineText(2), "verschiedene Einbaustörungen und die Plusdruckentnahme des Drosselgeräts.");
    EXPECT_EQ(ReportLineText(3), "Die Einbaustörung befindet sich im Einlauf, aber nicht die letzte Tafelzeile,");
    EXPECT_EQ(ReportLineText(4), "die gerade Rohrstrecke zwischen Minusdruckentnahme und Einbaustörung zeigt.");
    EXPECT_EQ(ReportLineText(5), "Zwei Werten sind vorhanden, fuer 0% und 0.5% Zusatzfehler.");
    ClearReport();
    LanguageLetter = 'S';
    WriteStraightLengthSection('2');
    EXPECT_EQ(ReportLineText(1), "Tabellen nedan visar minsta möjliga raksträcka mellan olika störningskällor");
    EXPECT_EQ(ReportLineText(2), "och strypelementets övre tryckuttag för 0 resp. 0.5% flödesmätfelbidrag.");
    EXPECT_EQ(ReportLineText(3), "Störningskällorna befinner sig uppströms, utom för sista raden,");
    EXPECT_EQ(ReportLineText(4), "som visar avståndet mellan nedre tryckuttag och störningskälla.");
    EXPECT_EQ(ReportLineText(5), std::string(46, ' ') + "FELBIDRAG");
}

// The headings stand over their cells under every standard: the wide form over the 57-character
// names of the 2003 orifice table, the narrow one over the 45-character names of the others.
// The section reads no edit: the bore the run solved for stays, whatever the bore edit holds.
TEST_F(StraightLengthReportTest, HeadingsStandOverTheirCellsUnderEveryStandard) {
    const struct {
        char standard;
        const char* device;
        char language;
        int errorBlanks;  // before the error heading
        std::string column;
    } cases[] = {
        {'3', "S", 'E', 58, "DISTURBANCE" + std::string(47, ' ') + "STRAIGHT LENGTH (m)"},
        {'3', "D", 'E', 46, "DISTURBANCE" + std::string(35, ' ') + "STRAIGHT LENGTH (m)"},
        {'I', "S", 'E', 46, "DISTURBANCE" + std::string(35, ' ') + "STRAIGHT LENGTH (m)"},
        {'D', "S", 'E', 46, "DISTURBANCE" + std::string(35, ' ') + "STRAIGHT LENGTH (m)"},
        {'I', "D", 'D', 46, "EINBAUSTÖRUNG" + std::string(33, ' ') + "GERADE ROHRSTRECKE (m)"},
        {'D', "S", 'S', 46, "STÖRNINGSKÄLLA" + std::string(32, ' ') + "RAKSTRÄCKA (m)"},
        {'3', "S", 'S', 52, "STÖRNINGSKÄLLA" + std::string(38, ' ') + "RAKSTRÄCKA (m)"},
    };
    for (const auto& c : cases) {
        const std::string name = std::string(1, c.standard) + " " + c.device + " " + c.language;
        ClearReport();
        StandardLetter = c.standard, DeviceCode = c.device, LanguageLetter = c.language;
        Form1().dkallmm.SetText("12");
        BoreDiameterColdMm = 50.0, BoreDiameterColdM = 0.05;
        WriteStraightLengthSection('2');
        const int heading = c.language == 'S' ? 5 : 6;
        const std::string error = ReportLineText(heading);
        EXPECT_EQ(error.find_first_not_of(' '), static_cast<size_t>(c.errorBlanks)) << name << ": " << error;
        EXPECT_EQ(ReportLineText(heading + 2), c.column) << name;
        EXPECT_EQ(BoreDiameterColdMm, 50.0) << name;
        EXPECT_EQ(BoreDiameterColdM, 0.05) << name;
    }
}

TEST_F(StraightLengthReportTest, EveryLineAtTheReducedSize) {
    WriteStraightLengthSection('2');
    for (const auto& line : ReportWindow().Content().Lines)
        for (const auto& run : line) EXPECT_EQ(run.Attributes.Size, 10 * 58 / 80 + 1);
    EXPECT_EQ(ReportSize(), 8);
}

TEST_F(StraightLengthReportTest, QuarterCircleNozzleWarnsBelowReynolds4000) {
    DeviceCode = "VK";
    D = 0.1;
    d = 0.05;
    // Re = 4 m / (pi D mu): choose the minimum flow for Re 3999 and 4000.
    const double perRe = 3.14159265358979323846 * 0.1 * 1e-3 / 4;
    MinMassFlow = 3999 * perRe;
    WriteStraightLengthSection('2');
    EXPECT_EQ(ReportLineText(ReportLineCount() - 2), "Achtung! Reynoldszahl<4000 bei minimalem Fluss!");
    EXPECT_EQ(ReportLineText(ReportLineCount() - 1), "Einbaubedingungen: VDI/VDE 2041 Entwurf 1989, 4.2.2.1");
    ClearReport();
    MinMassFlow = 4000.001 * perRe;
    WriteStraightLengthSection('2');
    EXPECT_EQ(ReportLineText(ReportLineCount() - 1), kEnglishOneSideNote);
}

}  // namespace
}  // namespace tubalyx
