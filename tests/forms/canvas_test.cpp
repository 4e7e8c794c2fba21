#include <gtest/gtest.h>

#include "forms/canvas.h"
#include "forms/dialogs.h"
#include "forms/screen.h"

using namespace tubalyx;

TEST(Canvas, RecordsEachStepWithItsPenBrushAndFont) {
    TPaintBox box("PaintBox1");
    int paints = 0;
    box.OnPaint = [&](TControl*) {
        ++paints;
        TCanvas& c = box.Canvas();
        c.Pen.Color = clRed;
        c.Pen.Width = 3;
        c.MoveTo(1, 2);
        c.LineTo(30, 40);
        c.Brush.Color = clYellow;
        c.Polygon({{0, 0}, {10, 0}, {5, 8}});
        c.Font.Size = 12;
        c.TextOut(5, 6, "T-stycke");
    };
    box.Repaint();
    box.Repaint();  // a repaint starts from an empty record
    EXPECT_EQ(paints, 2);
    const auto& ops = box.Canvas().Ops();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].Kind, TCanvasOpKind::MoveTo);
    EXPECT_EQ(ops[1].Kind, TCanvasOpKind::LineTo);
    EXPECT_EQ(ops[1].Points[0], (TPoint{30, 40}));
    EXPECT_EQ(ops[1].Pen.Color, clRed);
    EXPECT_EQ(ops[1].Pen.Width, 3);
    EXPECT_EQ(ops[2].Kind, TCanvasOpKind::Polygon);
    EXPECT_EQ(ops[2].Points.size(), 3u);
    EXPECT_EQ(ops[2].Brush.Color, clYellow);
    EXPECT_EQ(ops[3].Text, "T-stycke");
    EXPECT_EQ(ops[3].Font.Size, 12);
    EXPECT_EQ(box.Canvas().PenPos(), (TPoint{30, 40}));
    // 8 characters of a 12-point font: 8 * (12 * 17 div 20) = 80; height 16 pixels.
    EXPECT_EQ(box.Canvas().TextWidth("T-stycke"), 80);
    EXPECT_EQ(box.Canvas().TextHeight("T"), 16);
}

TEST(Printer, PagesAreNumberedAndHandedToTheSink) {
    TPrinter& p = Printer();
    std::vector<TPrintedPage> printed;
    TPrinter::SetSink([&](const TPrinter&, const std::vector<TPrintedPage>& pages) {
        printed = pages;
        return true;
    });
    EXPECT_FALSE(p.Printing());
    p.NewPage();  // outside a job nothing happens
    p.BeginDoc();
    EXPECT_TRUE(p.Printing());
    EXPECT_EQ(p.PageNumber(), 1);
    p.Canvas().TextOut(100, 100, "Page head");
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 2);
    p.Canvas().TextOut(100, 100, "line 1");
    p.Canvas().TextOut(100, 200, "line 2");
    p.EndDoc();
    TPrinter::SetSink(nullptr);
    EXPECT_FALSE(p.Printing());
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(printed[0].Ops.size(), 1u);
    EXPECT_EQ(printed[1].Ops[1].Text, "line 2");
    EXPECT_EQ(p.LastJob().size(), 2u);
    // The printer canvas measures at the printer's resolution: 10 points at 600 dpi.
    p.Canvas().Font.Size = 10;
    EXPECT_EQ(p.Canvas().TextHeight("X"), 83);
    EXPECT_GT(p.PageHeight(), p.PageWidth());
}

TEST(Dialogs, AnswersComeFromTheInstalledExecutor) {
    TSaveDialog save("SaveDialog1");
    TFontDialog font("FontDialog1");
    TCommonDialog::SetExecutor(nullptr);
    EXPECT_FALSE(save.Execute());  // nobody to ask: cancelled
    TCommonDialog::SetExecutor([](TCommonDialog& d) {
        if (d.Kind() == TDialogKind::Save) {
            static_cast<TSaveDialog&>(d).FileName = "/tmp/report.txt";
            return true;
        }
        if (d.Kind() == TDialogKind::Font) static_cast<TFontDialog&>(d).Font.Size = 14;
        return false;
    });
    EXPECT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName, "/tmp/report.txt");
    EXPECT_FALSE(font.Execute());
    EXPECT_EQ(font.Font.Size, 14);
    EXPECT_EQ(save.ExecuteCount(), 2);
    TCommonDialog::SetExecutor(nullptr);
}

TEST(Screen, SizeAndCursor) {
    TScreen& s = Screen();
    s.SetSize(1280, -5);
    EXPECT_EQ(s.Width(), 1280);
    EXPECT_EQ(s.Height(), 0);
    s.SetCursor(TCursor::crHourGlass);
    EXPECT_EQ(s.Cursor(), TCursor::crHourGlass);
    s.SetCursor(TCursor::crDefault);
    s.SetSize(1600, 900);
}
