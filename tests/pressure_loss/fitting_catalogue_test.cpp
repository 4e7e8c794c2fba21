#include "pressure_loss/fitting_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/separator_guard.h"
#include "pressure_loss/grid_test_support.h"
#include "texts/report_label_strings.h"

namespace tubalyx {
namespace {

class FittingCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { gridtest::ResetResistanceGrid(); }
    static TStringGrid& Grid() { return Form1().Motstandgrid; }
    static const std::string& Cell(int col, int row) { return Grid().Cell(col, row); }
    // Rows 1 to 8 of a column.
    static std::vector<std::string> Rows(int col) {
        std::vector<std::string> rows;
        for (int row = 1; row <= 8; ++row) rows.push_back(Cell(col, row));
        return rows;
    }
};

TEST_F(FittingCatalogueTest, Bend90Radius1DInColumn3AndItsBendRule) {
    AddBend90R1D(3);
    EXPECT_EQ(ResistanceKind[3], 10);
    EXPECT_EQ(Rows(3), (std::vector<std::string>{"90 degrees bends:10.Bendradius 1D", "0,2", "1", "", "", "", "", ""}));
    EXPECT_EQ(Rows(0)[5] + "|" + Rows(0)[6], "Pieces ?|Pipe roughness (mm) ?");
    // pieces, roughness: zeta 0.2, doubled above 0.01 mm, times the pieces
    const struct {
        const char *pieces, *roughness;
        double zeta;
    } cases[] = {{"3", "0,05", 1.2}, {"3", "0,01", 0.6}, {"0", "0,05", 0.0}, {"", "", 0.4}, {"2", "", 0.8}};
    for (const auto& c : cases) {
        Grid().SetCell(3, 6, c.pieces);
        Grid().SetCell(3, 7, c.roughness);
        FittingResistanceNumber(3);
        EXPECT_NEAR(ResistanceZeta[3], c.zeta, 1e-15) << c.pieces << "/" << c.roughness;
        EXPECT_EQ(Cell(3, 2), FormatFixed(c.zeta, 5)) << c.pieces << "/" << c.roughness;
    }
    // An empty roughness takes the pipe's.
    EXPECT_EQ(ResistanceParamB[3], 0.05);
}

TEST_F(FittingCatalogueTest, FixedZetaIsPlainTextOnBothSeparatorsAndReplacesTheEntryLabel) {
    ResistanceKind[7] = 99;
    PrepareResistanceColumn(7);
    EXPECT_EQ(Cell(0, 2), "Resistance?");
    const SeparatorGuard point('.');
    AddBend45R1k5D(7);
    EXPECT_EQ(Cell(7, 2), "0.1");
    EXPECT_EQ(Cell(0, 2), "Resistance=");
    AddVesselOutletProtrudingSharp(7);
    EXPECT_EQ(Cell(7, 2), "3");
}

TEST_F(FittingCatalogueTest, SharpBendAndObliqueOutletOverTheAngle) {
    const struct {
        int kind;
        double angle, zeta;
    } cases[] = {{1, 180, 2.993}, {1, 90, 0.98475}, {1, 0, 0.0}, {47, 90, 0.5}, {47, 0, 1.0}, {47, 60, 0.7}};
    for (const auto& c : cases) {
        ResistanceKind[9] = c.kind;
        ResistanceParamA[9] = c.angle;
        FittingResistanceNumber(9);
        EXPECT_NEAR(ResistanceZeta[9], c.zeta, 1e-12) << c.kind << " at " << c.angle;
    }
    // Placing writes the default angle of 90 degrees and evaluates it.
    AddSharpBendFreeAngle(2);
    EXPECT_EQ(Cell(2, 6) + "|" + Cell(0, 6), "90|Bendangle (degrees)?");
    EXPECT_NEAR(ResistanceZeta[2], 0.98475, 1e-12);
    AddVesselOutletOblique(4);
    EXPECT_EQ(Cell(4, 2) + "|" + Cell(0, 6), "0,5000|Angle    (degrees) ?");
}

TEST_F(FittingCatalogueTest, EveryKindOfTheCatalogue) {
    // English description; row 2 after placing ("" where the line computes zeta); rows 6, 7.
    const struct {
        void (*add)(int);
        int kind;
        const char *description, *zeta, *row6, *row7;
    } cases[] = {
        {AddBend45R1D, 2, "45 degrees bends:1.Bendradius 1D", "0,15", "", ""},
        {AddBend45R1k5D, 8, "45 degrees bends:2.Bendradius 1,5D", "0,1", "", ""},
        {AddBend45R2D, 3, "45 degrees bends:3.Bendradius 2D", "0,09", "", ""},
        {AddBend45R3D, 4, "45 degrees bends:4.Bendradius 3D", "0,08", "", ""},
        {AddBend45R4D, 5, "45 degrees bends:5.Bendradius 4D", "0,08", "", ""},
        {AddBend45R6D, 6, "45 degrees bends:6.Bendradius 6D", "0,075", "", ""},
        {AddBend45R10D, 7, "45 degrees bends:7.Bendradius 10D", "0,075", "", ""},
        {AddBend90R1D, 10, "90 degrees bends:10.Bendradius 1D", "0,2", "", ""},
        {AddBend90R1k5D, 16, "90 degrees bends:11.Bendradius 1,5D", "0,17", "", ""},
        {AddBend90R2D, 11, "90 degrees bends:12.Bendradius 2D", "0,15", "", ""},
        {AddBend90R3D, 12, "90 degrees bends:13.Bendradius 3D", "0,12", "", ""},
        {AddBend90R4D, 13, "90 degrees bends:14.Bendradius 4D", "0,11", "", ""},
        {AddBend90R6D, 14, "90 degrees bends:15.Bendradius 6D", "0,09", "", ""},
        {AddBend90R10D, 15, "90 degrees bends:16.Bendradius 10D", "0,11", "", ""},
        {AddBend180R1D, 20, "180 degrees bends:20.Bendradius 1D", "0,3", "", ""},
        {AddBend180R1k5D, 26, "180 degrees bends:21.Bendradius 1,5D", "0,2", "", ""},
        {AddBend180R2D, 21, "180 degrees bends:22.Bendradius 2D", "0,15", "", ""},
        {AddBend180R3D, 22, "180 degrees bends:23.Bendradius 3D", "0,14", "", ""},
        {AddBend180R4D, 23, "180 degrees bends:24.Bendradius 4D", "0,15", "", ""},
        {AddBend180R6D, 24, "180 degrees bends:25.Bendradius 6D", "0,12", "", ""},
        {AddBend180R10D, 25, "180 degrees bends:26.Bendradius 10D", "0,15", "", ""},
        {AddContractionCone, 30, "30.Reducer, Angle <= 40 degrees", "", "20", "100"},
        {AddSuddenContraction, 31, "31.Abrupt reduced tubesize", "", "100", ""},
        {AddExpansionCone1k5D, 32, "32.Expander 1:1.5D, free angle>10 degrees", "", "90", ""},
        {AddExpansionCone3D, 33, "33.Expander 1:3D, choseable angle", "", "90", ""},
        {AddSuddenExpansion, 34, "34.Abrupt increased tubesize", "", "100", ""},
        {AddVesselInletProtruding, 40, "40.Inlet to chamber, tubepenetration < 0.1D", "0,45", "", ""},
        {AddVesselInletSharp, 41, "41.Inlet to chamber, sharp tube/chamber", "0,3", "", ""},
        {AddVesselOutletSharp, 42, "42.Outlet from chamber, sharp tube/chamber", "0,5", "", ""},
        {AddVesselOutletWorn, 43, "43.Outlet from chamber, unsharp tube/chamber", "0,25", "", ""},
        {AddVesselOutletProtrudingSharp, 44, "44.Outlet from chamber, sharp tube/chamber-penetration < 1D", "3", "",
         ""},
        {AddVesselOutletProtrudingWorn, 45, "45.Outlet from chamber, penetrating normal unsharp corner < 1D", "0,56",
         "", ""},
        {AddVesselOutletRounded, 46, "46.Outlet from chamber, rounded corner", "0,06", "", ""},
        {AddOrificeFitting, 60, "60.Orifice plate", "", "100", ""},
        {AddClassicalVenturiFitting, 61, "61.Classical venturi", "", "100", ""},
        {AddShortVenturiFitting, 62, "62.Venturi nozzle", "", "100", ""},
        {AddIsa1932NozzleFitting, 63, "63.Nozzle ISA 1932", "", "100", ""},
        {AddQuarterCircleNozzleFitting, 64, "64.Quarter Circle Nozzle", "", "100", ""},
        {AddHeightDifference, 81, Form1().Hojdmotstand->Caption().c_str(), "", "1", "1"},
    };
    int column = 1;
    for (const auto& c : cases) {
        c.add(column);
        EXPECT_EQ(ResistanceKind[column], c.kind) << c.description;
        EXPECT_EQ(Rows(column), (std::vector<std::string>{c.description, c.zeta, "1", "", "", c.row6, c.row7, ""}));
        // Re-described and re-evaluated by its kind, the 1,5D bends included.
        Grid().SetCell(column, 1, "");
        DispatchResistanceColumn(column);
        EXPECT_EQ(Cell(column, 1), c.description) << c.kind;
        FittingResistanceNumber(column);
        if (*c.zeta != '\0') {
            const double zeta = c.kind >= 10 && c.kind <= 16 ? 2 * StrToFloatSafe(c.zeta) : StrToFloatSafe(c.zeta);
            EXPECT_NEAR(ResistanceZeta[column], zeta, 1e-15) << c.kind;
        }
        ++column;
    }
    // Array defaults of the placed kinds.
    EXPECT_EQ(ResistanceParamB[23], 100);  // sudden contraction
    EXPECT_EQ(ResistanceParamA[24], 90);   // expander 1:1.5D
}

TEST_F(FittingCatalogueTest, LanguageChangeRedescribesButKeepsTheValues) {
    AddBend90R1D(3);
    Grid().SetCell(3, 6, "3");
    FittingResistanceNumber(3);
    std::vector<std::string> rows = Rows(3);
    LanguageLetter = 'D';
    ApplyLanguage('D');
    DispatchResistanceColumn(3);
    rows[0] = "90 Grad Umlenk:10.Umlenkradius 1D";
    EXPECT_EQ(Rows(3), rows);
    EXPECT_EQ(Rows(0)[1] + "|" + Rows(0)[5] + "|" + Rows(0)[6], "Wiederstandzahl=|Stueck ?|Rohr Rauheit (mm) ?");
    LanguageLetter = 'S';
    AddSuddenExpansion(4);
    EXPECT_EQ(Cell(0, 6), "Ny rördiameter (mm) ?");
}

TEST_F(FittingCatalogueTest, ValveColumnTakesTheValvePage) {
    ValveKv = 12.5;
    ValveFL = 0.9;
    Form1().Dstorkallmm.SetText("150");
    AddValveKv(4);
    EXPECT_EQ(Rows(4), (std::vector<std::string>{"50.Valve, free kv", "", "1", "", "", "12,500", "0,9", "150"}));
    const std::vector<std::string> labels = Rows(0);
    EXPECT_EQ(std::vector<std::string>(labels.begin() + 5, labels.end()),
              (std::vector<std::string>{"Kv of valve?__________________________________________() ",
                                        Form1().fltext.Caption(), Form1().Ventildiamtext.Caption()}));
    // Showing another kind clears the valve's row-8 label and the hint.
    AddBend90R2D(5);
    DispatchResistanceColumn(5);
    EXPECT_EQ(Cell(0, 8) + Grid().Hint(), "");
}

TEST_F(FittingCatalogueTest, ColumnWidthFollowsTheLongestText) {
    // 40 characters at 10 pt; umlauts are one character each; at 2 pt still a pixel each.
    const struct {
        std::string text;
        int size, width;
    } cases[] = {{std::string(40, 'x'), 10, 8 * 41}, {"Rörråhet", 10, 8 * 9}, {"Rörråhet", 2, 9}};
    for (const auto& c : cases) {
        Grid().SetCell(6, 1, c.text);
        Grid().SetFontSize(c.size);
        FitResistanceGridColumn(6);
        EXPECT_EQ(Grid().ColWidth(6), c.width) << c.text << " " << c.size;
    }
    Grid().SetColWidth(12, 77);
    FitResistanceGridColumn(12);
    EXPECT_EQ(Grid().ColWidth(12), 77);
    // Columns outside 1..50 are no fitting columns.
    for (int column : {0, 51, -51}) AddBend90R1D(column);
    EXPECT_EQ(ResistanceKind, FittingKindArray{});
}

}  // namespace
}  // namespace tubalyx
