// The pressure-loss run as the report shows it, and the table of the fittings.
#include "reports/pressure_loss_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "numerics/decimal_separator.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "pressure_loss/fitting_catalogue.h"
#include "pressure_loss/resistance_grid_input.h"
#include "reports/fitting_table_report.h"
#include "reports/report_window.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/pressure_loss_state.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

class PressureLossReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        ReportSeparator = "";
        LanguageLetter = 'E';
        ApplyLanguage('E');
        CalcFunction = "Tryckf";
        Form1().litenstor.SetCaption("Small");
        Form1().Motstandgrid.SetFontSize(10);
        for (int c = 1; c <= kFittingColumnCount; ++c) Form1().Motstandgrid.SetCell(c, 0, std::to_string(c));
        MediumCode = "VÄT";
        PhaseLetter = 'N';
        GivenDensity = FlowDensity = 998.2;
        GivenViscosityValue = 1;
        ViscosityUnit = "mPas";
        OperatingPressure = 5e5;
        OperatingTemperature = 20;
        FlowUnit = "kg/h";
        MaxFlowSI = 36000;
        PipeDiameterColdM = 0.1;
        PipeDiameterColdMm = 100;
        StraightLengthM = 100;
        PipeRoughnessMm = 0.05;
        ClearReport();
        ReportWindow().SetSelAttributes(TTextAttributes{});
    }
    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
    static bool Has(const std::string& start) {
        const std::vector<std::string> lines = Lines();
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    }
    static void Place(int column, int kind, const char* position) {
        PlaceOrDescribeFitting(kind, column);
        Form1().Motstandgrid.SetCell(column, 3, position);
        RecalcResistanceGrid();
    }
};

TEST_F(PressureLossReportTest, FlowWritesTheSpeedTheReynoldsNumberAndTheLaminarNote) {
    CalcFunction = "Flow";
    MaxFlowSI = 360;  // 0.1 kg/s: Re 1273
    RunPressureLoss('B', 0);
    // The liquid's given density is not repeated; its given viscosity of 1 mPa s is.
    EXPECT_EQ(Lines(), (std::vector<std::string>{TubeFlowSpeedLabel + FormatFixed(0.1 / 998.2 / 0.00785398, 5),
                                                 "Dynamic viscosity________________________(Pas*E-6)= 1000,0",
                                                 "Reynolds number ReD (at maximal flow)_____________= 1273,2",
                                                 "NOTE! Laminar flow!"}));
}

TEST_F(PressureLossReportTest, LiquidPhaseGetsTheRedBoilingLinesAndAFaultTheFlowLine) {
    PhaseLetter = 'V';
    LanguageLetter = 'D';
    RunPressureLoss('B', 0);
    ASSERT_GE(ReportLineCount(), 3);
    EXPECT_EQ(ReportLineText(0), "Bemerkung! KOCHENDE FLUESSIGKEIT NICHT MÖGLICH!!");
    EXPECT_EQ(ReportLineText(1), "Physicalische Eigenschaften berechnet bei Einlauf P,T");
    EXPECT_EQ(ReportAttributesAt(ReportWindow(), LineStartPosition(ReportWindow(), 1)).Color, clRed);
    EXPECT_EQ(ReportAttributesAt(ReportWindow(), LineStartPosition(ReportWindow(), 2)).Color, clBlack);

    // No flow: the calculation fails; the report says so, nothing is left of the last
    // run's totals and the phase letter is back.
    MediumCode = "LUF";
    PhaseLetter = 'G';
    MaxFlowSI = 0;
    LanguageLetter = 'E';
    ClearReport();
    RunPressureLoss('S', 0);
    EXPECT_EQ(ReportLineCount(), 0);
    EXPECT_EQ(LineTotalDrop + StretchDrop, 0);
    RunPressureLoss('B', 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"NOTE! INPUT FALSE/FLOW TO BIG!"}));
    EXPECT_EQ(PhaseLetter, 'G');
}

TEST_F(PressureLossReportTest, TubeBlockOnlyWhenTheLastSegmentHoldsAFitting) {
    MediumCode = "LUF";
    MaxFlowSI = 3600;
    RunPressureLoss('B', 0);
    EXPECT_FALSE(Has("------------------------TUBE"));
    EXPECT_TRUE(Has("Outlettemperature"));
    Place(1, 42, "100");  // a vessel outlet at the end of the line
    ClearReport();
    RunPressureLoss('B', 0);
    EXPECT_TRUE(Has("------------------------TUBE"));
    // The fitting's share is written into its column.
    EXPECT_FALSE(Form1().Motstandgrid.Cell(1, 5).empty());
}

TEST_F(PressureLossReportTest, FittingTableColumnsAreRightAlignedToTheirLongestText) {
    TStringGrid& grid = Form1().Motstandgrid;
    ResistanceKind[12] = 99;
    grid.SetCell(12, 1, "12345678901234567890");
    grid.SetCell(12, 2, "0,15");
    WriteFittingTable();
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 8u);  // heading, rows 0 to 5, empty line
    EXPECT_EQ(lines[0], "=================================RESISTANCES=====================================");
    // Label column: the longest label "(m) after Inlet?" and one more.
    EXPECT_EQ(lines[1], "               Nr" + std::string(19, '_') + "12");
    EXPECT_EQ(lines[3], "      Resistance?" + std::string(17, '_') + "0,15");
    EXPECT_EQ(lines[7], "");
}

TEST_F(PressureLossReportTest, FittingTableBlocksKeepWithin80CharactersAndParametersEndABlock) {
    for (int c = 1; c <= kFittingColumnCount; ++c) {
        ResistanceKind[c] = 99;
        Form1().Motstandgrid.SetCell(c, 1, "Other");
        Form1().Motstandgrid.SetCell(c, 2, "1");
    }
    Place(10, 1, "5");  // a sharp bend: its angle in row 6
    ReportSeparator = "";
    WriteFittingTable();
    const std::vector<std::string> lines = Lines();
    int blocks = 0, angleLines = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_LE(Utf8Length(lines[i]), 80) << i;
        if (lines[i].empty()) ++blocks;
        if (lines[i].rfind(" Bendangle (degrees)?", 0) == 0) {
            ++angleLines;
            // The bend is the last column of its block.
            EXPECT_TRUE(lines[i].ends_with("90")) << lines[i];
            EXPECT_TRUE(lines[i + 1].empty());
        }
    }
    EXPECT_EQ(angleLines, 1);
    EXPECT_GE(blocks, 5);
    EXPECT_EQ(Form1().Motstandgrid.Cell(0, 6), "");
}

}  // namespace
}  // namespace tubalyx
