#include "reports/production_report.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "flow/operating_geometry.h"
#include "media/thermal_expansion.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/separator_guard.h"
#include "reports/report_window.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

class ProductionReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        ReportSeparator = "\t";  // the dimension lines carry no separator
        StandardLetter = '3';
        DeviceCode = "V";
        DeviceVariantCode = "BG";
        ProductionReportFlag = "J";
        SetLanguage('E');
        savedPipeColdMm_ = PipeDiameterColdMm;
        PipeDiameterColdMm = 200;
        PlateThicknessMm = 30;
        BoreDiameterColdMm = 100;
        DeviceExpansionCoeff = 16;
        DeviceExpansionCoeffB = 0;
        OperatingTemperature = 20;
        ClearReport();
        ReportWindow().SetSelAttributes(TTextAttributes{});
        TFont font = ReportWindow().Font();
        font.Size = 10;
        ReportWindow().SetFont(font);
    }
    void TearDown() override { PipeDiameterColdMm = savedPipeColdMm_; }
    static void SetLanguage(char letter) {
        LanguageLetter = letter;
        ApplyLanguage(letter);
    }
    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
    double savedPipeColdMm_ = 0;
};

TEST_F(ProductionReportTest, NoFlagOrNoDimensionsMeansNoLineAtAll) {
    ProductionReportFlag = "N";
    WriteDeviceDimensionReport();
    EXPECT_EQ(ReportLineCount(), 0);
    ProductionReportFlag = "J";
    for (const char* variant : {"F", "D"}) {
        DeviceCode = "S";
        DeviceVariantCode = variant;
        WriteDeviceDimensionReport();
        EXPECT_EQ(ReportLineCount(), 0) << variant;
    }
    DeviceCode = "SM";
    DeviceVariantCode = "";
    WriteDeviceDimensionReport();
    EXPECT_EQ(ReportLineCount(), 0);
}

TEST_F(ProductionReportTest, ClassicalVenturiBodyInEnglish) {
    WriteDeviceDimensionReport();
    // Lc = cot(10.5 deg) * 50 = 269.78, Ld = cot(7.5 deg) * 50 = 379.78, total 949.5643 + 0.0005
    EXPECT_EQ(Lines(), (std::vector<std::string>{"             PRODUCTION REPORT",
                                                 "Length entrance cylinder A_________________(mm)= 200,00",
                                                 "Diameter entrance cylinder A_______________(mm)= 200,00",
                                                 "Pressure tapping entrance cylinder position(mm)= 100,00",
                                                 "Pressure tappings diameter_________________(mm)=   4-10",
                                                 "Conical convergent angle/2____________(degrees)=   10.5",
                                                 "Conical convergent length__________________(mm)= 269,78",
                                                 "Cylindrical throat length__________________(mm)= 100,00",
                                                 "Cylindrical throat diameter________________(mm)= 100,00",
                                                 "Press. tapping cylindrical throat position_(mm)= 50,001",
                                                 "Conical divergent/2___________________(degrees)=    7.5",
                                                 "Conical divergent length___________________(mm)= 379,79",
                                                 "Total length_______________________________(mm)= 949,56",
                                                 "(See ISO 5167, 1980 figure 7, page 27) "}));
}

TEST_F(ProductionReportTest, HeadingIsBlackAndThreePointsLarger) {
    SetReportColor(clRed);
    SetReportSize(7);
    WriteDeviceDimensionReport();
    const TTextAttributes heading = ReportAttributesAt(ReportWindow(), 0);
    EXPECT_EQ(heading.Color, clBlack);
    EXPECT_EQ(heading.Size, 13);
    EXPECT_EQ(ReportAttributesAt(ReportWindow(), LineStartPosition(ReportWindow(), 1)).Size, 10);
    EXPECT_EQ(ReportSize(), 10);
}

TEST_F(ProductionReportTest, TappingDiameterLineByLanguage) {
    SetLanguage('D');
    WriteDeviceDimensionReport();
    EXPECT_EQ(ReportLineText(4), "Durchmesser die Druckentnahmen_____________(mm)=   4-10");
    SetLanguage('S');
    ClearReport();
    WriteDeviceDimensionReport();
    EXPECT_EQ(ReportLineText(0), "        TILLVERKNINGSUNDERLAG");
    EXPECT_EQ(ReportLineText(4), "Tryckuttag diameter________________________(mm)=   4-10");
}

TEST_F(ProductionReportTest, WeldedVenturiDevelopment) {
    DeviceVariantCode = "SV";
    PlateThicknessMm = 5;
    WriteDeviceDimensionReport();
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 14u + 10u);
    // R1 = (100 + 5) * 180 / (21 pi) = 286.48; B1 = R1 sqrt(2 - 2 cos(pi^2 10.5 / 180)) = 162.67
    EXPECT_EQ(lines[14], "-CONSTRUCTION REPORT WELDED VENTURI-   ");
    EXPECT_EQ(lines[15], "Material thickness_________________________(mm)= 5,0000");
    EXPECT_EQ(lines[16], "Conical convergent radius R1_______________(mm)= 286,48");
    EXPECT_EQ(lines[17], "Conical conv. chord B1:2*B1=curve length___(mm)= 162,67");
}

TEST_F(ProductionReportTest, IsaNozzleProfile) {
    DeviceCode = "D";
    DeviceVariantCode = "";
    WriteDeviceDimensionReport();
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[2], "R1-X-direction = 0.75*d___________________________________= 75,005");
    EXPECT_EQ(lines[7], "a        = 0.3041*d_______________________________________= 30,415");
    EXPECT_EQ(lines[8], "b        = 0.3*d__________________________________________= 30,005");
    EXPECT_EQ(lines[9], "a+b      = 0.6041*d_______________________________________= 60,415");
    EXPECT_EQ(lines[10], "c        = 1.06*d = diameter of recess on nozzle__________= 106,00");
    EXPECT_EQ(lines[11], "c-DEPTH  = 0.03*d = Recess on nozzle______________________= 3,0050");
    EXPECT_EQ(lines[12], "(See ISO 5167, 1980 figure 5, page 21) ");
}

TEST_F(ProductionReportTest, ShortVenturiDivergentAndTotalLength) {
    DeviceCode = "KV";
    DeviceVariantCode = "";
    WriteDeviceDimensionReport();
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 14u);
    // Ldiv = cot(15 deg) * 50 = 186.6025; total = 30.41 + 30 + 40 + 186.6025 = 287.0125
    EXPECT_NE(lines[11].find("= 186,60"), std::string::npos) << lines[11];
    EXPECT_NE(lines[12].find("= 287,01"), std::string::npos) << lines[12];
}

TEST_F(ProductionReportTest, CarrierRingOfACornerTappedPlate) {
    DeviceCode = "S";
    DeviceVariantCode = "R";
    PipeDiameter = 0.1;
    BoreDiameter = 0.05;
    WriteDeviceDimensionReport();
    // b = 100 + (0.001 * 10000 / 30) / (2.3 * 0.0625 + 0.1) = 101.3675; at 20 C f = 1
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "             PRODUCTION REPORT", "  CONSTRUCTION REPORT ORIFIC PLATE, CORNER TAPPINGS",
                           Form1().fattringtextin.Caption() + "30,000",
                           " -Inner diameter of the carrier rings (b, ISO 5167, Fig.6)-",
                           "1. At Operating temperature (units mm).",
                           "Pipediameter (D)  <  inner diameter (b) of the carrier rings < 101,37",
                           "2. At 20 C, b = 100,68 +- 0,6838 (mm)"}));
}

TEST_F(ProductionReportTest, CarrierRingLinesFollowThePlatformSeparator) {
    DeviceCode = "S";
    DeviceVariantCode = "R";
    PipeDiameter = 0.1;
    BoreDiameter = 0.05;
    SetLanguage('D');
    for (char separator : {',', '.'}) {
        const SeparatorGuard guard(separator);
        ClearReport();
        WriteDeviceDimensionReport();
        ASSERT_EQ(ReportLineCount(), 7) << separator;
        EXPECT_EQ(ReportLineText(2), Form1().fattringtextin.Caption() + OnPlatform("30,000", separator));
        EXPECT_EQ(ReportLineText(6), "2. Bei 20 C, b = " + OnPlatform("100,68 +- 0,6838 (mm)", separator));
    }
    SetLanguage('S');
    ClearReport();
    WriteDeviceDimensionReport();
    EXPECT_EQ(ReportLineText(6), "2. Vid 20 C, b = 100,68 +- 0,6838 (mm)");
}

TEST_F(ProductionReportTest, CarrierRingLimitAndZeroWidth) {
    EXPECT_NEAR(CarrierRingLimitMm(100, 0.5, 30), 100 + (10.0 / 30) / (2.3 * 0.0625 + 0.1), 1e-12);
    EXPECT_DOUBLE_EQ(CarrierRingLimitMm(100, 0.5, 0), 104);
    EXPECT_DOUBLE_EQ(CarrierRingLimitMm(100, 0.7, 0.01), 104);  // capped at 1.04 D
}

TEST_F(ProductionReportTest, QuarterCircleNozzleGetsTheHeadingOnlyUnlessVariantC) {
    DeviceCode = "VK";
    DeviceVariantCode = "";
    WriteDeviceDimensionReport();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"             PRODUCTION REPORT"}));
    DeviceCode = "DL";
    ClearReport();
    WriteDeviceDimensionReport();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"             PRODUCTION REPORT"}));
    DeviceCode = "VK";
    DeviceVariantCode = "C";
    PipeDiameter = 0.1;
    BoreDiameter = 0.05;
    ClearReport();
    WriteDeviceDimensionReport();
    EXPECT_EQ(ReportLineCount(), 7);
}

TEST_F(ProductionReportTest, NoPipeRaisesInsteadOfPrintingNoNumber) {
    DeviceCode = "S";
    DeviceVariantCode = "R";
    PipeDiameter = 0;
    BoreDiameter = 0.05;
    EXPECT_THROW(WriteDeviceDimensionReport(), CalcError);
    for (const auto& line : Lines()) {
        EXPECT_EQ(line.find("NAN"), std::string::npos);
        EXPECT_EQ(line.find("INF"), std::string::npos);
    }
}

}  // namespace
}  // namespace tubalyx
