// The compensation table: its cells against independent property values, the stop rule of
// its refinement, its edge cases, and the block it writes into the report.
#include "reports/compensation_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "reports/compensation_intervals.h"
#include "reports/compensation_report.h"
#include "reports/report_window.h"
#include "state/composition.h"
#include "state/corrections.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

constexpr double kKelvin = 273.15;

double Cell(int col, int row) {
    std::string text = Form1().PTKompgrid.Cell(col, row);
    return StrToFloatAnySep(text);
}

// Pressures and temperatures in the edits' units (kPa, degrees C).
void Table(const char* medium, double pmin, double pmax, double tmin, double tmax, const char* allowed) {
    LanguageLetter = 'E';
    ApplyLanguage('E');
    CalcFunction = "Strypf";
    MediumCode = medium;
    HumidityInputKind = "R";
    RelativeHumidity = 0.0;
    Form1().abstrycksort.SetText("kPa");
    PressureUnit = "kPa";
    PressureMinInput = pmin, PressureMaxInput = pmax;
    TemperatureMinC = tmin, TemperatureMaxC = tmax;
    GasComposition = {};  // 90 % methane, 2 % N2, 2 % CO2, 5 % ethane, 1 % propane
    GasComposition[1] = 0.90, GasComposition[2] = 0.02, GasComposition[3] = 0.02;
    GasComposition[4] = 0.05, GasComposition[5] = 0.01;
    FlowDensity = 5.0;
    WriteCompressibilityTable();
    Form1().PTberfel.SetText(allowed);
    BuildCompensationTable(true);
}

// Points along each axis, counted from the cells the table filled.
int PressurePoints() {
    int n = 0;
    for (int row = 1; row <= 10; ++row) n += !Form1().PTKompgrid.Cell(1, row).empty();
    return n;
}
int TemperaturePoints(int valueRow) {
    int n = 0;
    for (int col = 1; col <= 10; ++col) n += !Form1().PTKompgrid.Cell(col, valueRow).empty();
    return n;
}

class CompensationTable : public ::testing::Test {
protected:
    void SetUp() override { SetDecimalSeparator(','); }
};

// Dry air from the reference equation of state (property-data/AirDensityPT.csv, dm3/kg) at
// the corners and the middle of 200-800 kPa, 300-400 K: the reference density and the
// corner ratios Z0/Zn of a 2 x 2 table.
TEST_F(CompensationTable, AirCellsAgreeWithTheReferenceEquation) {
    Table("LUF", 200, 800, 300 - kKelvin, 400 - kKelvin, "0,01");
    const double rho0 = 1000.0 / 200.955;  // 500 kPa, 350 K
    EXPECT_NEAR(ReferenceDensity, rho0, rho0 * 2e-4);
    const struct {
        int col, row;
        double p, tK, specificVolume;
    } corners[] = {
        {1, 1, 200, 300, 430.311}, {1, 10, 800, 300, 107.394}, {10, 1, 200, 400, 574.310}, {10, 10, 800, 400, 143.746}};
    for (const auto& c : corners) {
        const double ratio = (1000.0 / c.specificVolume) / rho0 * (500.0 / c.p) * (c.tK / 350.0);
        EXPECT_NEAR(Cell(c.col, c.row), ratio, 3e-4) << c.p << " kPa " << c.tK << " K";
    }
    EXPECT_LE(DensityTableErrorPercent, 0.01);
}

// Water at 101.325 kPa against the published densities (IAPWS, kg/m3), the two end cells
// of one-interval tables; saturated steam at 101.325 kPa boils at 100 C (IFC-67 line K).
TEST_F(CompensationTable, WaterAndSteamCellsAgreeWithPublishedValues) {
    const struct {
        double tmin, tmax, dmin, dmax;
    } water[] = {{0, 80, 999.84, 971.80}, {20, 60, 998.21, 983.20}, {40, 40, 992.22, 992.22}};
    for (const auto& w : water) {
        Table("VAT", 101.325, 101.325, w.tmin, w.tmax, "100");
        Form1().PTKompgrid.SetCell(1, 1, "101,325");
        BuildCompensationTable(true);
        EXPECT_NEAR(Cell(1, 2), w.dmin, w.dmin * 2e-4) << w.tmin;
        EXPECT_NEAR(Cell(10, 2), w.dmax, w.dmax * 2e-4) << w.tmax;
    }
    Table("MNG", 101.325, 1000, 0, 0, "0,0001");
    EXPECT_NEAR(Cell(1, 1), 100.0, 0.01);
    EXPECT_NEAR(CompTableTemperatureMinC, 100.0, 0.01);
}

// The refinement stops at the first table within the allowed error, or with every axis at
// 10 points (one for an axis whose limits agree); a smaller allowance never gives fewer
// points; the error it reports is no smaller than the error at the cell centres measured
// here against the property routine.
TEST_F(CompensationTable, RefinementStopsAtTheAllowedErrorOrTheBound) {
    const struct {
        const char* medium;
        double pmin, pmax, tmin, tmax;
        bool pAxis, tAxis;
    } media[] = {{"LUF", 100, 10000, -20, 200, true, true},
                 {"NGAS", 100, 7000, 0, 60, true, true},
                 {"MNG", 100, 2000, 0, 0, true, false},
                 {"VAT", 300, 300, 5, 150, false, true}};
    for (const auto& m : media) {
        int previous = 0;
        for (const char* allowed : {"1", "0,1", "0,01", "0"}) {
            Table(m.medium, m.pmin, m.pmax, m.tmin, m.tmax, allowed);
            std::string text = allowed;
            const double limit = StrToFloatAnySep(text);
            const bool liquid = std::string(m.medium) == "VAT";
            const int np = liquid ? 1 : PressurePoints();
            const int nt = liquid ? TemperaturePoints(2) : std::string(m.medium) == "MNG" ? 1 : TemperaturePoints(1);
            const std::string where = std::string(m.medium) + " " + allowed;
            const bool atBound = (!m.pAxis || np == 10) && (!m.tAxis || nt == 10);
            EXPECT_TRUE(DensityTableErrorPercent <= limit || atBound) << where;
            if (limit == 0.0) {
                EXPECT_TRUE(atBound) << where;
            }
            EXPECT_GE(np * nt, previous) << where;
            previous = np * nt;
            // Centre of the first cell, by the ratio of the table as the code interpolates it.
            const double p = liquid ? Cell(1, 1) : (Cell(0, 1) + Cell(0, CompTablePointIndex(1, np))) / 2;
            const double t = liquid ? (Cell(1, 0) + Cell(CompTablePointIndex(1, nt), 0)) / 2
                                    : (Cell(1, 0) + Cell(np > 0 && nt > 1 ? CompTablePointIndex(1, nt) : 1, 0)) / 2;
            if (std::string(m.medium) == "LUF" || std::string(m.medium) == "NGAS") {
                const int c2 = CompTablePointIndex(1, nt), r2 = CompTablePointIndex(1, np);
                const double r = (Cell(1, 1) + Cell(c2, 1) + Cell(1, r2) + Cell(c2, r2)) / 4;
                const double p0 = (m.pmin + m.pmax) / 2, t0 = (m.tmin + m.tmax) / 2;
                double state = t;
                const double truth = MediumDensityAt(p * 1000, state);
                const double estimate = p / p0 * (kKelvin + t0) / (kKelvin + t) * r * ReferenceDensity;
                EXPECT_LE(std::fabs(estimate / truth - 1) * 100, DensityTableErrorPercent + 1e-9) << where;
            }
        }
    }
}

TEST_F(CompensationTable, EdgeCasesOfTheLimits) {
    // Equal pressure limits keep one pressure point, however small the allowance.
    Table("LUF", 500, 500, 0, 100, "0");
    EXPECT_EQ(PressurePoints(), 1);
    EXPECT_EQ(TemperaturePoints(1), 10);
    // A minimum above the maximum makes the maximum equal to it: one point each.
    Table("NGAS", 900, 200, 80, 10, "0");
    EXPECT_EQ(Form1().PTKompgrid.Cell(0, 10), Form1().PTKompgrid.Cell(0, 1));
    EXPECT_EQ(CompTablePressureMaxKPa, 900);
    EXPECT_EQ(CompTableTemperatureMaxC, 80);
    EXPECT_EQ(PressurePoints() * TemperaturePoints(1), 1);
    // The limits of a gas come through the unit parser: 5 BarA is 500 kPa.
    Form1().abstrycksort.SetText("BarA");
    PressureUnit = "BarA", PressureMinInput = 5, PressureMaxInput = 10;
    ReadCompensationTableLimits();
    EXPECT_DOUBLE_EQ(CompTablePressureMinKPa, 500);
    EXPECT_DOUBLE_EQ(CompTablePressureMaxKPa, 1000);
    // 4 points of an axis stand at 1, 4, 7, 10; one point at 1.
    EXPECT_EQ((std::vector<int>{CompTablePointIndex(0, 4), CompTablePointIndex(1, 4), CompTablePointIndex(2, 4),
                                CompTablePointIndex(3, 4)}),
              (std::vector<int>{1, 4, 7, 10}));
    EXPECT_EQ(CompTablePointIndex(0, 1), 1);
    // A state the property routine cannot evaluate counts as 100 % and ends at the bound.
    Table("LUF", -50, 100, 0, 50, "1");
    EXPECT_EQ(DensityTableErrorPercent, 100);
    int axis = 0;
    for (int row = 1; row <= 10; ++row) axis += !Form1().PTKompgrid.Cell(0, row).empty();
    EXPECT_EQ(axis, 10);
    // A text that is no number reads as 0 and is written back.
    Table("LUF", 100, 1000, 0, 100, "0.5");
    EXPECT_EQ(Form1().PTberfel.Text(), "0,5");
    // Temperature limits further apart than the range of numbers: each heading at its share of
    // the span; the block shows numbers only, also with an error whose square is past that range.
    const std::regex noNumber("(^|[^A-Za-z])(NAN|INF|nan|inf)([^A-Za-z]|$)");
    for (const auto& [medium, lo, hi] : {std::tuple{"VAT", 0.0, 1.7e308}, std::tuple{"LUF", -1e308, 1e308}}) {
        Table(medium, 500, 500, lo, hi, "0");
        for (int k = 0; k < 9; ++k) EXPECT_NEAR(Cell(k + 1, 0), lo + (hi / 9 - lo / 9) * k, 1e303) << medium << k;
        Form1().PTKompgrid.SetVisible(true);
        ClearReport();
        NewestReportLineCount = 0;
        CalculationErrorLimit = 1e200;
        WriteCompensationTableHelp();
        for (int i = 0; i < ReportLineCount(); ++i)
            EXPECT_FALSE(std::regex_search(ReportLineText(i), noNumber)) << ReportLineText(i);
    }
}

TEST_F(CompensationTable, RunResetsTheTableToItsRequestTexts) {
    Table("LUF", 100, 1000, 0, 100, "0,1");
    BuildCompensationTable(false);
    EXPECT_EQ(Form1().PTKompgrid.Cell(10, 10), "");
    EXPECT_EQ(Form1().PTKompgrid.Cell(0, 0), " Temp (C)->");
    EXPECT_EQ(Form1().PThelp.Caption(), "Calculate density(P,T)=FIRST MAIN CALCULATION,then this!");
    EXPECT_EQ(Form1().PTmaxerror.Caption(), "Maximal real calculation error= FIRST MAIN CALCULATION, then this");
}

// The block in the report: below the newest report, above the earlier ones; TAB mode without
// padding, plain mode 8-character columns; nothing for a table of another medium.
TEST_F(CompensationTable, ReportBlockLines) {
    TForm1& f = Form1();
    for (const char* sep : {"", "\t"}) {
        ReportSeparator = sep;
        Table("LUF", 100, 1000, 0, 100, "0,1");
        f.PTKompgrid.SetVisible(true);
        RootFlowFormulaText = "7200,00*Sqrt(dp)";
        FlowUnit = "kg/h";
        CalculationErrorLimit = 0.1, AverageCoefficientUncertainty = 0.6, BendFactor = 1.0;
        ClearReport();
        for (const char* line : {"newest", "", "earlier"}) AppendReportLine(line);
        NewestReportLineCount = 1;
        WriteCompensationTableHelp();
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        const std::string s = sep;
        const std::vector<std::string> expected = {
            "newest",
            "",
            f.Trycktemplabel.Caption(),
            "Limit for biggest calculation error (%) at Densitycalculation=  " + s + "0,1",
            "Maximal real calculation error= " + FormatFixed(DensityTableErrorPercent, 4),
            "                     " + s + s + " Z0/Zn-quote as fn of Pressure/Temperature",
            s.empty() ? "          Temp (C)->_0,00000_____100" : "             \tTemp (C)->\t0,00000\t100",
            s.empty() ? "Pmin (kPaA)_100,0000_0,99978_0,99909" : "Pmin (kPaA)_\t100,0000\t0,99978\t0,99909",
            s.empty() ? "Pmax (kPaA)_____1000_1,00490_0,99812" : "Pmax (kPaA)_____\t1000\t1,00490\t0,99812",
            f.PThelp.Caption(),
            "Example; q_pol_mat_denskomp= " + s + "7200,00*Sqrt(dp)" + s + "*fmat*fdens_mat < " + s + "0,7" + s +
                " Uncertainty",
            "",
            "earlier"};
        EXPECT_EQ(lines, expected) << "separator '" << sep << "'";
        EXPECT_EQ(ReportLinesWritten, 1);
        EXPECT_EQ(ReportWindow().Content().Lines[2][0].Attributes.Color, clMaroon);
    }
    // The allowed error echoes what is typed, which may be any text: on its line, cut at a
    // number's length.
    ReportSeparator = "";
    std::string noise;
    for (int i = 0; i < 150; ++i) noise += "ab\ncd\r\tefg";
    f.PTberfel.SetText(noise);
    ClearReport();
    for (const char* line : {"newest", "", "earlier"}) AppendReportLine(line);
    NewestReportLineCount = 1;
    WriteCompensationTableHelp();
    EXPECT_EQ(ReportLineText(3),
              "Limit for biggest calculation error (%) at Densitycalculation=  ab cd  efgab cd  efgab "
              "cd  efgab cd  ...");
    EXPECT_EQ(ReportLineText(4).rfind("Maximal real calculation error= ", 0), 0u) << ReportLineText(4);
    // A table of another medium writes nothing.
    MediumCode = "NGAS";
    const TRichContent before = ReportWindow().Content();
    WriteCompensationTableHelp();
    EXPECT_EQ(ReportWindow().Content(), before);
    ReportSeparator = "";
}

}  // namespace
}  // namespace tubalyx
