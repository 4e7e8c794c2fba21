#include <gtest/gtest.h>

#include "forms/screen.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/form1.h"
#include "ui/layout_controls.h"
#include "ui/window_metrics.h"

using namespace tubalyx;

namespace {
// The layout on a 1600 x 900 screen with the base font, as window creation runs it.
TForm1& LaidOut(int fontSize) {
    Screen().SetSize(1600, 900);
    BaseFontSize = BaseFontSizeForScreen(1600);
    TForm1& f = Form1();
    f.SetFontSize(fontSize);
    f.PTKompgrid.SetColCount(11);
    f.PTKompgrid.SetRowCount(11);
    f.Motstandgrid.SetColCount(4);
    f.Motstandgrid.SetRowCount(6);
    f.Motstandgrid.SetCell(1, 0, "1");
    f.Motstandgrid.SetCell(2, 0, "");
    f.Motstandgrid.SetCell(3, 0, "12");
    f.Fjrreffektosak.SetColCount(11);
    f.Fjrreffektosak.SetRowCount(4);
    LayoutControls();
    return f;
}
}  // namespace

TEST(LayoutControls, BaseFontSizeFromTheScreenWidth) {
    EXPECT_EQ(BaseFontSizeForScreen(1600), 20);
    EXPECT_EQ(BaseFontSizeForScreen(1024), 13);
    EXPECT_EQ(BaseFontSizeForScreen(1280), 16);
    EXPECT_EQ(BaseFontSizeForScreen(76), 0);
}

TEST(LayoutControls, EditsReportAndScrollRangeOnA1600PixelScreen) {
    CalcFunction = "Termo";
    TForm1& f = LaidOut(20);
    EXPECT_EQ(f.abstryckantal.Width(), 136);  // 20 * 8 * 17 div 20
    EXPECT_EQ(f.rbg.Width(), 136);
    EXPECT_EQ(f.temp.Height(), 27);  // the form font's height
    EXPECT_EQ(f.maxflowsort.Width(), 204);
    EXPECT_EQ(f.minflowsort.Width(), 204);
    EXPECT_EQ(f.qbgsort.Width(), 229);  // (20 * 9 * 17 div 20) * 3 div 2
    EXPECT_EQ(f.PTberfel.Width(), 85);
    EXPECT_EQ(f.gasnamnintext.Width(), 816);
    EXPECT_EQ(f.RichEdit1.Width(), 2000);
    EXPECT_EQ(f.RichEdit1.Height(), 30000 - f.RAPPORT.Top() - 900);
    EXPECT_EQ(f.HorzScrollBar().Range, 4800);  // 20 * 3 * 1600 div 20
    EXPECT_EQ(f.VertScrollBar().Range, 30000);
    EXPECT_FALSE(f.AutoScroll());
    EXPECT_FALSE(f.kodkomment.Visible());
    // Fonts: headings bigger, grids smaller, the start text half.
    EXPECT_EQ(f.RAPPORT.Font().Size, 24);
    EXPECT_EQ(f.osrubrik.Font().Size, 30);
    EXPECT_EQ(f.ViktVolprocGrid.Font().Size, 18);
    EXPECT_EQ(f.Motstandgrid.Font().Size, 20);
    EXPECT_EQ(f.Memo2.Font().Size, 10);
}

TEST(LayoutControls, EveryFontOfTheTableTruncatesItsDivision) {
    CalcFunction = "Termo";
    TForm1& f = LaidOut(19);
    // clang-format off
    const char* full[] = {"kodkomment", "Label1", "DSAprint", "fattringtextin", "densdriftbgtextin",
                          "Motstandgrid", "Feltext", "Felsimulrubrik", "Felsimulflrubrik", "felsimulfl2rubrik",
                          "bermetoderrtextin", "Pmin", "Pmax", "Trycktemplabel", "PTberfeltext", "PTberfel",
                          "kod", "BigBlock", "Matain", "Label2", "PThelp", "Z0Zn", "fdens_mat", "grafblack"};
    // clang-format on
    for (const char* name : full) EXPECT_EQ(f.FindComponent(name)->Font().Size, 19) << name;
    const char* grids[] = {"ViktVolprocGrid", "ViktVolprocgridfukt", "Felsimulgrid", "Fjrreffektosak",
                           "PTKompgrid",      "PTmaxerror",          "ZLabel",       "Tmax"};
    for (const char* name : grids) EXPECT_EQ(f.FindComponent(name)->Font().Size, 17) << name;  // 17.1
    for (const char* name : {"RAPPORT", "sidhuvud", "sidfot"})
        EXPECT_EQ(f.FindComponent(name)->Font().Size, 22) << name;  // 22.8
    for (const char* name : {"osrubrik", "Graftext"}) EXPECT_EQ(f.FindComponent(name)->Font().Size, 28) << name;
    EXPECT_EQ(f.Memo2.Font().Size, 9);
    // Widths: 19 * 8 * 17 div 20 = 129 (129.2), its half again 193 (193.5).
    EXPECT_EQ(f.abstryckantal.Width(), 129);
    EXPECT_EQ(f.Z1bg.Width(), 129);
    EXPECT_EQ(f.maxflowsort.Width(), 193);
    EXPECT_EQ(f.qbgsort.Width(), 217);              // 19 * 9 * 17 div 20 = 145, times 3 div 2
    EXPECT_EQ(f.PTberfel.Width(), 80);              // 80.75
    EXPECT_EQ(f.gasnamnintext.ClientWidth(), 775);  // 775.2
    // A grid of 17 points has w = 14 (14.45) and rows of 23 + 3 pixels.
    EXPECT_EQ(f.ViktVolprocGrid.DefaultColWidth(), 140);
    EXPECT_EQ(f.ViktVolprocGrid.DefaultRowHeight(), 26);
    EXPECT_EQ(f.Felsimulgrid.ColWidth(1), 126);
    EXPECT_EQ(f.Motstandgrid.DefaultColWidth(), 48);  // 19 * 3 * 17 div 20 = 48.45
    // The scroll range keeps F * 3 * screen width before the division by the base font size.
    EXPECT_EQ(f.HorzScrollBar().Range, 19 * 3 * 1600 / 20);
    LaidOut(20);
}

TEST(LayoutControls, GridSizesFollowTheirFonts) {
    TForm1& f = LaidOut(20);
    // Composition grid: 18 points, w = 15, rows 24 + 3.
    const TStringGrid& c = f.ViktVolprocGrid;
    EXPECT_EQ(c.DefaultRowHeight(), 27);
    EXPECT_EQ(c.DefaultColWidth(), 150);
    EXPECT_EQ(c.ColWidth(1), 600);
    EXPECT_EQ(c.ClientHeight(), 28 * 13 + 1);
    EXPECT_EQ(c.ClientWidth(), 5 * 150 + 600 + 6);
    EXPECT_EQ(c.Cell(3, 1), "0 C,101325 PaA");
    EXPECT_EQ(f.ViktVolprocgridfukt.Cell(3, 1), "0 C,101325 PaA");
    // Resistance grid: 20 points; headed columns (20 - 2) * (length + 1), empty headings 0.
    const TStringGrid& m = f.Motstandgrid;
    EXPECT_EQ(m.DefaultRowHeight(), 30);
    EXPECT_EQ(m.DefaultColWidth(), 51);
    EXPECT_EQ(m.ColWidth(1), 36);
    EXPECT_EQ(m.ColWidth(2), 0);
    EXPECT_EQ(m.ColWidth(3), 54);
    EXPECT_EQ(m.ColCount(), 51);
    EXPECT_EQ(m.Height(), 31 * 6 + 1 + 5);
    // Uncertainty grid: 40, 9 and 5 characters of 15 pixels.
    const TStringGrid& u = f.Felsimulgrid;
    EXPECT_EQ(u.ColWidth(0), 600);
    EXPECT_EQ(u.ColWidth(1), 135);
    EXPECT_EQ(u.DefaultColWidth(), 75);
    EXPECT_EQ(u.ClientWidth(), 600 + 135 + 11 * 75 + 12);
    // Compensation grid of 11 x 11 cells.
    const TStringGrid& p = f.PTKompgrid;
    EXPECT_EQ(p.ColWidth(0), 301);
    EXPECT_EQ(p.ColWidth(1), 91);
    EXPECT_EQ(p.ClientWidth(), 301 + 91 * 10 + 12);
    EXPECT_EQ(p.ClientHeight(), 27 * 11 + 12);
    EXPECT_EQ(f.Fjrreffektosak.FixedRows(), 0);
}

TEST(LayoutControls, CompensationBlockStandsRightOfTheReport) {
    TForm1& f = LaidOut(20);
    f.Trycktemplabel.SetCaption("Table for Pressure/Temperature-correction of Gasdensity, Fluid: Gas");
    f.ISODIN.SetTop(44);
    LayoutControls();
    const int R = f.Pmax.Left() + f.Pmax.Width();
    EXPECT_EQ(f.Pmin.Left(), 2000);
    EXPECT_EQ(f.PTKompgrid.Left(), R);
    EXPECT_EQ(f.Trycktemplabel.Top(), 44);
    EXPECT_EQ(f.PTberfeltext.Top(), 44 + 27);
    EXPECT_EQ(f.PTberfel.Left(), f.PTberfeltext.Left() + f.PTberfeltext.Width());
    EXPECT_EQ(f.BigBlock.Left(), f.kod.Left() + f.kod.Width() + 5);
    EXPECT_EQ(f.ZLabel.Left(), f.PTKompgrid.Left() + 301);
    EXPECT_EQ(f.Pmin.Top(), f.PTKompgrid.Top() + 27);
    EXPECT_EQ(f.Pmax.Top(), f.PTKompgrid.Top() + f.PTKompgrid.Height() - 27);
    EXPECT_EQ(f.Tmax.Left(), f.PTKompgrid.Left() + f.PTKompgrid.Width() - 91);
    EXPECT_EQ(f.PTberex.Top(), f.fdens_mat.Top() + f.fdens_mat.Height());
    // The property box: 2.2 edits beside the prompt, the edits at the prompt's right edge.
    EXPECT_EQ(f.GroupBox1.ClientWidth(), static_cast<int>(136 * 2.2 + f.densdriftbgtextin.Width() + 0.5));
    EXPECT_EQ(f.cpbg.Left(), f.densdriftbgtextin.Left() + f.densdriftbgtextin.Width());
    EXPECT_EQ(f.qbgsort.Left(), f.qbg.Left() + f.qbg.Width());
}

TEST(LayoutControls, CompensationGridStandsBelowTheZHeadingInOnePass) {
    TForm1& f = Form1();
    f.ISODIN.SetTop(44);
    f.ZLabel.SetTop(9000);  // wherever an earlier layout or page left it
    LaidOut(20);
    EXPECT_EQ(f.ZLabel.Top(), f.Label2.Top());
    EXPECT_EQ(f.PTKompgrid.Top(), f.ZLabel.Top() + f.ZLabel.Height());
    const int top = f.PTKompgrid.Top();
    LayoutControls();
    EXPECT_EQ(f.PTKompgrid.Top(), top);  // a second call changes nothing
    // After a bigger font the grid follows the heading at once.
    LaidOut(26);
    EXPECT_EQ(f.PTKompgrid.Top(), f.Label2.Top() + f.ZLabel.Height());
    EXPECT_EQ(f.Pmin.Top(), f.PTKompgrid.Top() + f.PTKompgrid.RowHeight(0));
    LaidOut(20);
}

TEST(LayoutControls, BiggerFontGrowsEverythingInProportion) {
    TForm1& f = LaidOut(21);
    EXPECT_EQ(f.abstryckantal.Width(), 142);  // 21 * 8 * 17 div 20
    EXPECT_EQ(f.RichEdit1.Width(), 2100);
    EXPECT_EQ(f.HorzScrollBar().Range, 5040);
    // At 30 points the grids have 27 points: w = 22 (22.95), rows of 36 + 3 pixels.
    LaidOut(30);
    EXPECT_EQ(f.ViktVolprocGrid.DefaultColWidth(), 220);
    EXPECT_EQ(f.ViktVolprocGrid.DefaultRowHeight(), 39);
    EXPECT_EQ(f.Felsimulgrid.ClientWidth(), 880 + 198 + 11 * 110 + 12);
    EXPECT_EQ(f.Motstandgrid.DefaultColWidth(), 76);  // 30 * 3 * 17 div 20 = 76.5
    EXPECT_EQ(f.Motstandgrid.ColWidth(3), 28 * 3);
    EXPECT_EQ(f.RichEdit1.Width(), 3000);
    EXPECT_EQ(f.HorzScrollBar().Range, 7200);
    LaidOut(20);
    EXPECT_EQ(f.abstryckantal.Width(), 136);
}

TEST(LayoutControls, HiddenRowsOfTheSpringGridStayHidden) {
    TForm1& f = Form1();
    f.Fjrreffektosak.SetRowCount(4);
    f.Fjrreffektosak.SetRowHeight(2, 0);
    LaidOut(20);
    EXPECT_EQ(f.Fjrreffektosak.RowHeight(2), 0);
    EXPECT_EQ(f.Fjrreffektosak.RowHeight(1), 27);
    EXPECT_EQ(f.Fjrreffektosak.ClientHeight(), 3 * 28 + 1);
    EXPECT_EQ(f.Fjrreffektosak.ClientWidth(), 600 + 135 + 9 * 75 + 10);
}

TEST(LayoutControls, ThroatDevicePageClearsTheGraphBoxAndDrawsTheGraph) {
    Form1().Felsimulgrid.SetCell(0, 1, "");
    CalcFunction = "Strypf";
    TForm1& f = LaidOut(20);
    // The layout writes the uncertainty grid's captions and sizes the unit page: rows twice
    // the font size.
    EXPECT_FALSE(f.Felsimulgrid.Cell(0, 1).empty());
    EXPECT_EQ(f.Sortergrid.DefaultRowHeight(), 40);
    EXPECT_EQ(f.PaintBox1.ClientWidth(), f.Felsimulgrid.Width());
    EXPECT_EQ(f.PaintBox1.ClientHeight(), f.Felsimulgrid.Width() * 900 / 1600);
    // Before any calculation the graph is the white surface alone.
    const auto& ops = f.PaintBox1.Canvas().Ops();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops.back().Kind, TCanvasOpKind::LineTo);
    EXPECT_EQ(ops.back().Pen.Color, clWhite);
    EXPECT_EQ(ops.back().Pen.Width, 2 * f.PaintBox1.ClientHeight());
    EXPECT_EQ(ops.back().Points[0].Y, f.PaintBox1.ClientHeight() / 2);
    CalcFunction = "Sorter";
    f.Memo2.SetFontSize(33);
    LaidOut(20);
    EXPECT_EQ(f.Memo2.Font().Size, 33);  // the unit page keeps the start text's size
    CalcFunction = "";
}

TEST(LayoutControls, TinyScreenGivesNoDivisionByZero) {
    Screen().SetSize(60, 40);
    BaseFontSize = BaseFontSizeForScreen(60);
    ASSERT_EQ(BaseFontSize, 0);
    Form1().SetFontSize(8);
    LayoutControls();
    EXPECT_EQ(Form1().HorzScrollBar().Range, 8 * 3 * 60);
    Screen().SetSize(0, 0);
    CalcFunction = "Strypf";
    LayoutControls();
    EXPECT_EQ(Form1().PaintBox1.ClientHeight(), 0);
    CalcFunction = "";
    Screen().SetSize(1600, 900);
}
