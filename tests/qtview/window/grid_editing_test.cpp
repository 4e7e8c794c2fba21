// Typing into the window's grids as a user does: the unit page recalculates when a typed value
// is ended by Enter, Tab, an arrow key or a click elsewhere, and a retyped cell holds the new
// text alone.
#include <QTableWidget>
#include <cmath>

#include "numerics/number_text.h"
#include "ui/form1.h"
#include "window_driver.h"

using namespace tubalyx;

namespace {

double Number(std::string text) { return StrToFloatAnySep(text); }

constexpr double kPaPerPsi = 6894.757293168361;  // 0.45359237 kg * 9.80665 m/s2 / (0.0254 m)^2

}  // namespace

using UnitPage = ProgramWindow;

TEST_F(UnitPage, APressureTypedNextToKPaIsConvertedWhenTheEditEnds) {
    TForm1& f = Form1();
    ChooseMenu({f.Units2});
    ASSERT_TRUE(Widget(f.Sortergrid)->isVisible());
    struct Ending {
        const char* name;
        QString typed;
        int key;  // 0: a click on another cell ends the edit
    };
    const Ending endings[] = {{"Enter", "500", Qt::Key_Return},
                              {"Tab", "250", Qt::Key_Tab},
                              {"arrow down", "75", Qt::Key_Down},
                              {"click elsewhere", "1200", 0}};
    for (const Ending& e : endings) {
        SCOPED_TRACE(e.name);
        const double kPa = e.typed.toDouble();
        ClickCell(f.Sortergrid, 0, 1);
        Type(e.typed);
        if (e.key != 0)
            Press(e.key);
        else
            ClickCell(f.Sortergrid, 2, 3);
        // The typed text replaced what the cell showed.
        EXPECT_EQ(CellShown(f.Sortergrid, 0, 1), e.typed.toStdString());
        EXPECT_NEAR(Number(CellShown(f.Sortergrid, 0, 0)), kPa * 1e3, 1e-6);                     // Pa
        EXPECT_NEAR(Number(CellShown(f.Sortergrid, 0, 2)), kPa * 1e-3, 1e-9);                    // MPa
        EXPECT_NEAR(Number(CellShown(f.Sortergrid, 0, 3)), kPa / 100, 1e-9);                     // BarA
        EXPECT_NEAR(Number(CellShown(f.Sortergrid, 0, 4)), (kPa * 1e3 - 101325) / 1e5, 1e-5);    // BarG
        EXPECT_NEAR(Number(CellShown(f.Sortergrid, 0, 15)), kPa * 1e3 / kPaPerPsi, 1e-4 * kPa);  // psi
    }
}

TEST_F(UnitPage, ATemperatureTypedNextToCIsShownInKelvinAndFahrenheit) {
    TForm1& f = Form1();
    ChooseMenu({f.Units2});
    TypeIntoCell(f.Sortergrid, 7, 0, "200", Qt::Key_Tab);
    EXPECT_NEAR(Number(CellShown(f.Sortergrid, 7, 2)), 473.15, 1e-9);
    EXPECT_NEAR(Number(CellShown(f.Sortergrid, 7, 1)), 200 * 1.8 + 32, 1e-9);
    Screenshot("unit_page_after_enter");
}

using CompositionGrid = ProgramWindow;

// A cell holding "50" retyped as "90" holds 90; the humid twin grid, which the grid's key-up
// refreshes, shows it too (the switch to it copies nothing).
TEST_F(CompositionGrid, ARetypedCellHoldsTheNewTextAndTheKeyUpRefreshesTheHumidGrid) {
    TForm1& f = Form1();
    ChooseMenu({f.Meny1, f.English});
    ChooseMenu({f.Termosnabb});
    Click(f.Medialabel);
    ChoosePopup(f.Mediamenu, {f.G});
    ASSERT_TRUE(Widget(f.ViktVolprocGrid)->isVisible());
    ASSERT_EQ(CellShown(f.ViktVolprocGrid, 0, 2), "Ar");
    ASSERT_EQ(CellShown(f.ViktVolprocGrid, 0, 3), "CO2");
    ASSERT_EQ(Number(CellShown(f.ViktVolprocGrid, 5, 2)), 50.0);
    TypeIntoCell(f.ViktVolprocGrid, 5, 2, "90", Qt::Key_Return);
    Screenshot("composition_after_retype");
    EXPECT_EQ(CellShown(f.ViktVolprocGrid, 5, 2), "90");
    double molar = 0.0;
    for (int row = 2; row <= 11; ++row) molar += Number(CellShown(f.ViktVolprocGrid, 5, row));
    EXPECT_DOUBLE_EQ(molar, 140.0);
    EXPECT_NEAR(Number(CellShown(f.ViktVolprocGrid, 5, 12)), molar, 1e-3);  // the sum row
    // Mass per cent of argon: its share of the molar masses, on the same 140 % total.
    const double argon = 90 * 39.948, carbonDioxide = 50 * 44.0095;
    EXPECT_NEAR(Number(CellShown(f.ViktVolprocGrid, 2, 2)), 140 * argon / (argon + carbonDioxide), 0.02);
    // A click on the "Media" heading shows the humid grid, on a total of 100 % (humidity
    // included, which takes a few thousandths).
    ClickCell(f.ViktVolprocGrid, 0, 0);
    ASSERT_TRUE(Widget(f.ViktVolprocgridfukt)->isVisible());
    EXPECT_NEAR(Number(CellShown(f.ViktVolprocgridfukt, 5, 2)), 90 * 100 / 140.0, 0.01);
}
