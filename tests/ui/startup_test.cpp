// Window creation: the window's size and font from the screen, the start values of the
// calculation state and the edits, the uncertainty grid on both separators, and the start
// text in every language.
#include <gtest/gtest.h>

#include <string>

#include "forms/screen.h"
#include "media/thermal_expansion.h"
#include "numerics/separator_guard.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/menu_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/form1.h"
#include "ui/start_text.h"
#include "ui/startup.h"

using namespace tubalyx;

namespace {

void StartOn(int screenWidth) {
    Screen().SetSize(screenWidth, 768);
    MainFormUnitInit();
    CreateMainWindow();
}

}  // namespace

TEST(Startup, WindowSizeAndFontFollowTheScreenWidth) {
    const struct { int screen, font, width; } cases[] = {{1024, 13, 921}, {1280, 16, 1152}, {1600, 20, 1440}};
    for (const auto& c : cases) {
        StartOn(c.screen);
        const TForm1& f = Form1();
        EXPECT_EQ(BaseFontSize, c.font) << c.screen;
        EXPECT_EQ(f.Font().Size, c.font) << c.screen;
        EXPECT_EQ(f.Width(), c.width) << c.screen;
        EXPECT_EQ(f.Left(), (c.screen - c.width) / 2) << c.screen;
        EXPECT_EQ(f.UpDown1.Position(), c.font) << c.screen;
        EXPECT_EQ(InitialClientWidth, f.ClientWidth()) << c.screen;
        // The start text covers the first client area in half the font.
        EXPECT_EQ(f.Memo2.Width(), f.ClientWidth()) << c.screen;
        EXPECT_EQ(f.Memo2.Font().Size, c.font / 2) << c.screen;
    }
}

TEST(Startup, OpensInEnglishOnTheStartTextWithTheStartSelections) {
    StartOn(1280);
    const TForm1& f = Form1();
    EXPECT_EQ(CalcFunction, "Strypf");
    EXPECT_EQ(MediumCode, "GAS");
    EXPECT_EQ(SolveFor, "DI");
    EXPECT_EQ(DeviceCode, "S");
    EXPECT_EQ(DeviceVariantCode, "R");
    EXPECT_EQ(StandardLetter, '3');
    EXPECT_EQ(LanguageLetter, 'E');
    EXPECT_EQ(HumidityInputKind, "R");
    EXPECT_FALSE(CommercialMeterMode);
    EXPECT_TRUE(f.Memo2.Visible());
    EXPECT_EQ(f.Memo2.Lines(), StartTextLines('E'));
    for (const TControl* input : {static_cast<const TControl*>(&f.abstryckantal),
                                  static_cast<const TControl*>(&f.Medialabel), static_cast<const TControl*>(&f.dkallmm),
                                  static_cast<const TControl*>(&f.RichEdit1), static_cast<const TControl*>(&f.ISODIN)})
        EXPECT_FALSE(input->Visible()) << input->Name();
    EXPECT_EQ(f.ISODIN.Caption(), "ISO5167:2003");
    EXPECT_EQ(f.ISODIN.Color(), clYellow);
    EXPECT_EQ(f.Excel.Caption(), "txt");
    // The base values derived from the typed defaults: 101.325 kPa, 10 kPa, 3 and 1 ton/h.
    EXPECT_DOUBLE_EQ(OperatingPressure, 101325.0);
    EXPECT_DOUBLE_EQ(MaxDpPa, 10000.0);
    EXPECT_DOUBLE_EQ(MaxFlowSI, 3000.0);
    EXPECT_DOUBLE_EQ(MinFlowSI, 1000.0);
    EXPECT_DOUBLE_EQ(OperatingTemperature, 20.0);
    EXPECT_EQ(f.maxflowsort.Text(), "ton/h");
    EXPECT_EQ(f.abstrycksort.Text(), "kPa");
    EXPECT_EQ(f.PTberfel.Text(), "1");
    // The calibration edits keep what their change handlers took in before the state was
    // written back into the edits.
    EXPECT_EQ(f.Cf.Text() + " " + f.kaltemp.Text() + " " + f.kalminreyn.Text() + " " + f.kalmaxreyn.Text(),
              "1 20 8000 1000000");
    EXPECT_DOUBLE_EQ(CalibratedReynoldsMax, 1e6);
    // Both materials start as steel "1", its coefficients in the state and the edits alike.
    double a1 = 0.0, a2 = 0.0;
    MaterialExpansionCoefficients("1", a1, a2);
    EXPECT_GT(a1, 0.0);
    EXPECT_DOUBLE_EQ(DeviceExpansionCoeff, a1);
    EXPECT_DOUBLE_EQ(PipeExpansionCoeffB, a2);
    EXPECT_EQ(f.utvror.Text(), f.utvfl.Text());
    EXPECT_EQ(MaterialCode1 + MaterialCode2, "11");
    EXPECT_EQ(FmatCoefficientA, kFmatNotFitted);
    EXPECT_EQ(f.Felsimulgrid.Cell(11, 0), "100");
    EXPECT_EQ(f.Motstandgrid.Cell(50, 0), "50");
}

TEST(Startup, UncertaintyDefaultsUseThePlatformSeparator) {
    for (char sep : {',', '.'}) {
        SeparatorGuard guard(sep);
        StartOn(1280);
        const TStringGrid& g = Form1().Felsimulgrid;
        EXPECT_EQ(g.Cell(1, 3), OnPlatform(" 0,1", sep)) << sep;
        EXPECT_EQ(g.Cell(1, 5), "J") << sep;
        EXPECT_EQ(g.Cell(1, 8), OnPlatform("0,01", sep)) << sep;
        EXPECT_EQ(g.Cell(1, 17), OnPlatform(" 0,5", sep)) << sep;
        EXPECT_EQ(g.Cell(1, 18), "   1") << sep;
        EXPECT_EQ(g.Cell(1, 19), "") << sep;  // the natural-gas rows only for "NGAS"
    }
    EXPECT_EQ(ErrorSimAnswerA + UncertaintyMethodCode + ErrorSimGridMode + ErrorSimAnswerB, "JNRN");
}

TEST(Startup, StartTextInEachLanguage) {
    const struct {
        char letter;
        const char* date;
        const char* last;
    } cases[] = {
        {'S', "Tillverkningsdatum 140409", "[Clicka på denna memobox för att komma vidare]"},
        {'D', "Herstellungstag 140409", "[\"Click\" auf diesem Box um weiter zu kommen]"},
        {'E', "Production date 140409", "[Click on this Box if You want to continue]"},
    };
    for (const auto& c : cases) {
        LanguageLetter = c.letter;
        WriteStartText();
        const TMemo& memo = Form1().Memo2;
        ASSERT_EQ(memo.LineCount(), 9) << c.letter;
        EXPECT_EQ(memo.Line(0), "") << c.letter;
        EXPECT_EQ(memo.Line(1), c.date) << c.letter;
        EXPECT_EQ(memo.Line(8), c.last) << c.letter;
        EXPECT_TRUE(memo.Visible());
    }
    EXPECT_EQ(StartTextLines('D')[6], "Wenn alle Eindaten vorhanden sind, Gelbe Run-Taste clicken.");
    LanguageLetter = 'X';
    WriteStartText();
    EXPECT_EQ(Form1().Memo2.LineCount(), 0);
}
