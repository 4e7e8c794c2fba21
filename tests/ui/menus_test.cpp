// The menus of the main window from the start state: every item of every menu on every
// function page and in each language leaves no broken number on the window, each item
// leaves the selection it stands for, and the device, standard, meter, medium and unit
// choices behave at their edges.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "forms/screen.h"
#include "numerics/number_text.h"
#include "state/composition.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/menu_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_sets.h"
#include "texts/report_label_strings.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"
#include "ui/startup.h"

using namespace tubalyx;

namespace {

TForm1& Started() {
    ResetCalculationState();
    Screen().SetSize(1280, 1024);
    MainFormUnitInit();
    CreateMainWindow();
    return Form1();
}

TMenuItem& Item(const std::string& name) {
    auto* item = dynamic_cast<TMenuItem*>(Form1().FindComponent(name));
    if (!item) throw std::logic_error("no menu item " + name);
    return *item;
}

void Click(const std::string& name) {
    if (auto* item = dynamic_cast<TMenuItem*>(Form1().FindComponent(name))) {
        item->Click();
        return;
    }
    Form1().FindComponent(name)->Click();
}

void CollectItems(TMenuItem& holder, std::vector<TMenuItem*>& items) {
    for (const auto& child : holder.Items()) {
        if (child->Items().empty()) items.push_back(child.get());
        CollectItems(*child, items);
    }
}

// "NAN" or "INF" standing alone, as the number formats write a value that is none.
bool ShowsBrokenNumber(const std::string& text) {
    static const std::regex broken("(^|[^A-Za-z])(NAN|INF|nan|inf)([^A-Za-z]|$)");
    return std::regex_search(text, broken);
}

}  // namespace

TEST(Menus, EveryItemOnEveryFunctionPageInEachLanguageLeavesNoBrokenNumber) {
    TForm1& f = Started();
    std::vector<TMenuItem*> items;
    for (TMenuItem* menu : f.Menus()) CollectItems(*menu, items);
    const char* const functions[] = {"Strypel",   "Kommersiellafldesmtare1", "Termodynamik", "Tryckf", "flow",
                                     "Ventiler1", "RestrictionOrifice1",     "Sortomv"};
    int clicks = 0;
    for (char letter : {'S', 'D', 'E'}) {
        for (const char* function : functions) {
            for (TMenuItem* item : items) {
                // The exit items end the program; the run is walked by the run driver's own tests.
                const std::string& name = item->Name();
                if (name == "Exit2" || name == "Exitsnabb" || name == "Run1") continue;
                LanguageLetter = letter;
                ApplyLanguage(letter);
                Click(function);
                ASSERT_NO_THROW(item->Click()) << letter << " " << function << " " << name;
                ++clicks;
                for (TControl* c : f.Controls()) {
                    const auto* edit = dynamic_cast<const TEdit*>(c);
                    const auto* label = dynamic_cast<const TLabel*>(c);
                    const std::string text = edit ? edit->Text() : label ? label->Caption() : std::string();
                    ASSERT_FALSE(ShowsBrokenNumber(text))
                        << letter << " " << function << " " << name << ": " << c->Name() << " shows " << text;
                }
            }
        }
    }
    EXPECT_GT(clicks, 3 * 8 * 200);
}

TEST(Menus, EachItemLeavesItsSelection) {
    using Read = std::function<std::string()>;
    const Read function = [] { return CalcFunction + "/" + ValveSubtype; };
    const Read device = [] { return DeviceCode + "/" + DeviceVariantCode; };
    const Read medium = [] { return MediumCode; };
    const Read solved = [] { return SolveFor; };
    // clang-format off
    const struct {
        const char* item;
        const Read* read;
        const char* want;
    } cases[] = {
        {"Termodynamik", &function, "Termo/"},       {"Termosnabb", &function, "Termo/"},
        {"Tryckf", &function, "Tryckf/"},             {"flow", &function, "Flow/"},
        {"Ventiler1", &function, "Ventil/VE"},        {"Ventiler3", &function, "Ventil/VE"},
        {"RestrictionOrifice1", &function, "Ventil/RO"}, {"Restrictionorifice2", &function, "Ventil/RO"},
        {"Sortomv", &function, "Sorter/"},            {"Units2", &function, "Sorter/"},
        {"Strypsnabb", &function, "Strypf/"},         {"Commersialflowmeters1", &device, "VCONE/R"},
        {"StrypflnsFlangetappings1", &device, "S/F"}, {"StrypflnsDD2tappings1", &device, "S/D"},
        {"VenturiSvetsat1", &device, "V/SV"},         {"VenturiBearbetat1", &device, "V/BG"},
        {"VenturiObearbetat1", &device, "V/OG"},      {"Kortventuri1", &device, "KV/R"},
        {"Kvartscirkeldysa1", &device, "S/R"},        {"Segmentflns1", &device, "S/R"},  // not in ISO 5167:2003
        {"DysaISA19321", &device, "D/R"},             {"ADysaLongradius1", &device, "DL/R"},
        {"Differenstryck1", &solved, "DP"},           {"Tryckfrlust1", &solved, "TF"},
        {"Flde1", &solved, "FL"},                     {"Optimalkonstruktion1", &solved, "OK"},
        {"GAS", &medium, "GAS"},   {"IGAS", &medium, "IGAS"}, {"LIQ", &medium, "VÄT"},   {"LUF", &medium, "LUF"},
        {"CO2", &medium, "CO2"},   {"N2", &medium, "N2"},     {"AR", &medium, "AR"},     {"O2", &medium, "O2"},
        {"H2", &medium, "H2"},     {"CO", &medium, "CO"},     {"O3", &medium, "O3"},     {"VAT", &medium, "VAT"},
        {"ANG", &medium, "ANG"},   {"MNG", &medium, "MNG"},   {"Propan1", &medium, "C3H8"},
        {"Propanvtska1", &medium, "C3H8V"}, {"CH4", &medium, "CH4"}, {"NH3", &medium, "NH3"},
        {"Olja", &medium, "OLJA"}, {"Naturgas", &medium, "NGAS"}, {"G", &medium, "G"},
    };
    // clang-format on
    for (const auto& c : cases) {
        Started();
        Item(c.item).Click();
        EXPECT_EQ((*c.read)(), c.want) << c.item;
    }
}

TEST(Menus, OptimalDesignCollectsDeviceKeysAndTheStandardFollowsTheLabel) {
    TForm1& f = Started();
    f.primelement.SetText("");
    f.Optimalkonstruktion1->Click();
    for (const char* item : {"StrypflnsCornertappings1", "Kvartscirkeldysa1", "ADysaLongradius1"}) Item(item).Click();
    EXPECT_EQ(f.primelement.Text(), "18A");  // "8" although ISO 5167:2003 has no quarter-circle nozzle
    EXPECT_EQ(DeviceCode, "S");
    // The optimal design exists only for ISO 5167:2003: the label stays there.
    f.ISODIN.Click();
    EXPECT_EQ(f.ISODIN.Caption(), "ISO5167:2003");

    f.Hldiameter1->Click();
    const struct {
        const char* caption;
        char letter;
    } cycle[] = {{"ISO5167:1991/1998", 'I'}, {"DIN1952:1982", 'D'}, {"ISO5167:2003", '3'}};
    for (const auto& step : cycle) {
        f.ISODIN.Click();
        EXPECT_EQ(f.ISODIN.Caption(), step.caption);
        EXPECT_EQ(StandardLetter, step.letter);
    }
    f.ISODIN.Click();
    // The row after the standard: the solved quantity, then the device, 5 pixels apart.
    EXPECT_EQ(f.Strypbertyp.Left(), f.ISODIN.Left() + f.ISODIN.Width() + 5);
    EXPECT_EQ(f.strypsort.Left(), f.Strypbertyp.Left() + f.Strypbertyp.Width() + 5);
    f.Kvartscirkeldysa1->Click();
    EXPECT_EQ(DeviceCode, "VK");
    f.Segmentflns1->Click();
    EXPECT_EQ(DeviceCode, "SM");
    EXPECT_EQ(f.strypsort.Caption(), f.Segmentflns1->Caption());
}

TEST(Menus, CommercialMetersCycleAndTheVolumeMeterPutsItsCellsAside) {
    TForm1& f = Started();
    TStringGrid& g = f.Felsimulgrid;
    f.Kommersiellafldesmtare1->Click();
    EXPECT_TRUE(CommercialMeterMode);
    EXPECT_EQ(SolveFor, "DI");
    EXPECT_FALSE(f.Tryckfrlust1->Visible());
    EXPECT_FALSE(f.Optimalkonstruktion1->Visible());
    // The standard label does not cycle while a meter is chosen.
    f.ISODIN.Click();
    EXPECT_EQ(f.ISODIN.Caption(), "McCrometer");

    // The rebuilt page names the meter: each click steps on from the caption shown.
    EXPECT_EQ(f.strypsort.Caption(), "V-Cone");
    const std::string row8 = g.Cell(1, 8), row9 = g.Cell(1, 9);
    ASSERT_NE(row8, "0");
    const struct {
        const char* caption;
        const char* device;
        const char* standard;
    } cycle[] = {{"V-Cone/Wafer", "VCONEWAFER", "McCrometer"},
                 {"Endimensionell Volymflödesmätare (US/Mag)", "VOLYM", ""},
                 {"V-Cone", "VCONE", "McCrometer"},
                 {"V-Cone/Wafer", "VCONEWAFER", "McCrometer"}};
    for (const auto& step : cycle) {
        f.strypsort.Click();
        EXPECT_EQ(f.strypsort.Caption(), step.caption);
        EXPECT_EQ(DeviceCode, step.device);
        EXPECT_EQ(f.ISODIN.Caption(), step.standard);
        const bool volume = DeviceCode == "VOLYM";
        EXPECT_EQ(g.Cell(1, 8), volume ? "0" : row8) << step.caption;
        EXPECT_EQ(g.Cell(1, 9), volume ? "0" : row9) << step.caption;
    }
    // Leaving the volume meter for the standardized devices also puts the cells back.
    f.strypsort.Click();
    ASSERT_EQ(DeviceCode, "VOLYM");
    const int opened = f.Strypbermenu.PopupCount();
    f.Strypbertyp.Click();  // the volume meter has no solved-quantity menu
    EXPECT_EQ(f.Strypbermenu.PopupCount(), opened);
    f.Strypel->Click();
    EXPECT_EQ(DeviceCode, "S");
    EXPECT_EQ(f.ISODIN.Caption(), "ISO5167:2003");
    EXPECT_FALSE(CommercialMeterMode);
    EXPECT_EQ(g.Cell(1, 8), row8);
}

TEST(Menus, MediumChoicesAdjustTheFlowUnitAndTheRealGasCorrection) {
    TForm1& f = Started();
    f.maxflowsort.SetVisible(true);
    f.maxflowsort.SetText("Nm3/h");
    f.LUF->Click();
    EXPECT_EQ(f.maxflowsort.Text(), "Nm3/h");
    f.maxflowsort.SetVisible(true);
    f.VAT->Click();
    EXPECT_EQ(f.maxflowsort.Text(), "kg/h");

    f.molekylviktvG.SetText("17");
    f.Naturgas->Click();
    EXPECT_EQ(f.molekylviktvG.Text(), "0");
    EXPECT_EQ(f.Felsimulgrid.Cell(1, 12), " 0.1");
    EXPECT_EQ(f.Felsimulgrid.Cell(1, 21), "   1");
    f.molekylviktvG.SetText("17");
    f.Naturgas->Click();
    EXPECT_EQ(f.molekylviktvG.Text(), "17");
    EXPECT_DOUBLE_EQ(HumidGasMolarMass, 17.0);
    f.G->Click();
    EXPECT_EQ(f.molekylviktvG.Text(), "0");
    EXPECT_EQ(PreviousMediumCode, "G");

    // A mixture takes the relative humidity only.
    for (const char* item : {"Absfukt", "Spefukt", "daggpkt"}) {
        Item(item).Click();
        EXPECT_EQ(HumidityInputKind, "R") << item;
    }
    f.GAS->Click();
    f.Absfukt->Click();
    EXPECT_EQ(HumidityInputKind, "A");
    EXPECT_EQ(f.relabsfukt.Caption(), AbsoluteHumidityPrompt);
}

TEST(Menus, ComponentItemsFillThePickedRowAndGasOpensThePropertyBox) {
    TForm1& f = Started();
    f.G->Click();
    MixtureRow = 4;
    f.CO21->Click();
    EXPECT_EQ(MixtureComponentKeyword[4], "CO2");
    EXPECT_EQ(f.ViktVolprocGrid.Cell(0, 4), "CO2");
    EXPECT_FALSE(f.GroupBox1.Visible());
    MixtureRow = 5;
    f.Gas1->Click();
    EXPECT_EQ(MixtureComponentKeyword[5], "GAS");
    EXPECT_TRUE(f.GroupBox1.Visible());
    EXPECT_EQ(f.GroupBox1.Top(), f.ViktVolprocGrid.Top() + 6 * f.ViktVolprocGrid.DefaultRowHeight());
    f.rbg.SetText("2,5");
    EXPECT_DOUBLE_EQ(MixtureDensity[5], StrToFloatSafe("2,5"));
    f.GroupBox1.Click();
    EXPECT_FALSE(f.GroupBox1.Visible());
    // A row outside the grid is refused.
    MixtureRow = 40;
    EXPECT_NO_THROW(f.Argon1->Click());
}

TEST(Menus, UnitItemsWriteIntoTheFieldThatOpenedTheirMenu) {
    TForm1& f = Started();
    // Before any pressure field opened the menu, an item changes no field.
    f.BarA->Click();
    EXPECT_EQ(f.abstrycksort.Text(), "kPa");
    EXPECT_EQ(f.difftryckmaxsort.Text(), "kPa");
    LanguageLetter = 'D';
    f.abstrycksort.Click();
    EXPECT_EQ(f.frklaring->Caption(), "Absolut Druck (wenn nichts anders spezificiert)");
    EXPECT_EQ(f.StatP.PopupX(), f.Left() + f.abstrycksort.Left());
    f.BarO->Click();
    EXPECT_EQ(f.abstrycksort.Text(), "BarÖ");
    f.difftryckmaxsort.Click();
    EXPECT_EQ(f.frklaring->Caption(), "");
    f.atm->Click();
    EXPECT_EQ(f.difftryckmaxsort.Text(), "atm");
    EXPECT_EQ(f.abstrycksort.Text(), "BarÖ");

    f.maxflowsortut.Click();
    f.litermin1->Click();  // always the unit of the entered flow
    EXPECT_EQ(f.maxflowsort.Text(), "liter/min");
    f.lh->Click();
    EXPECT_EQ(f.maxflowsortut.Text(), "liter/h");
    f.maxflowsort.Click();
    f.kgs->Click();
    EXPECT_EQ(f.maxflowsort.Text(), "kg/s");

    f.G->Click();
    MixtureRow = 3;
    f.cSt1->Click();
    EXPECT_EQ(f.qbgsort.Text(), "cSt");
    EXPECT_EQ(f.q100bgsort.Text(), "cSt");
    EXPECT_EQ(ViscosityUnit, "cSt");
    EXPECT_EQ(MixtureViscosityUnit[3], "cSt");
    EXPECT_EQ(f.viskbgtextin.Caption(), KinematicViscosityPrompt);
    f.mPas1->Click();
    EXPECT_EQ(f.viskbgtextin.Caption(), DynamicViscosityPrompt);

    // Length and temperature read the typed numbers again in the new unit.
    f.Dstorkallmm.SetText("8");
    for (const char* inch : {"tum1", "Zoll1", "inches1"}) {
        Item(inch).Click();
        EXPECT_NEAR(PipeDiameterColdMm, 203.2, 1e-9) << inch;
        EXPECT_NEAR(PipeDiameterColdM, 0.2032, 1e-12) << inch;
    }
    f.mm1->Click();
    EXPECT_NEAR(PipeDiameterColdMm, 8.0, 1e-12);
    EXPECT_EQ(f.dstorkallsort.Caption(), "mm");
    const struct {
        const char* item;
        const char* typed;
    } temperatures[] = {{"F1", "68"}, {"K1", "293.15"}, {"C1", "20"}};
    for (const auto& t : temperatures) {
        f.temp.SetText(t.typed);
        f.tempmin.SetText(t.typed);
        Item(t.item).Click();
        EXPECT_NEAR(TemperatureMaxC, 20.0, 1e-9) << t.item;
        EXPECT_NEAR(OperatingTemperature, 20.0, 1e-9) << t.item;
    }
    EXPECT_EQ(f.tempsort.Caption(), "C");
}

TEST(Menus, LabelsOpenTheirMenuJustBelowThemAndMaterialsSetTheirTarget) {
    TForm1& f = Started();
    f.mtrlror.SetTop(300);
    f.mtrlror.Click();
    EXPECT_EQ(f.mtrlflMenu.PopupX(), f.Left() + f.mtrlror.Left());
    EXPECT_EQ(f.mtrlflMenu.PopupY(), f.Top() + TForm::FrameHeight + 300 + f.mtrlror.Height());
    f.mtrlfl3->Click();
    EXPECT_EQ(MaterialCode2, "3");
    EXPECT_EQ(f.mtrlror.Caption().substr(f.mtrlror.Caption().find('=')), "=" + f.mtrlfl3->Caption());
    const std::string before = f.utvror.Text();
    f.mtrlfl6->Click();  // "Annat": the user gives the coefficients
    EXPECT_EQ(MaterialCode2, "Annat");
    EXPECT_EQ(f.utvror.Text(), before);
    f.mtrlfl.Click();
    f.mtrlfl8->Click();
    EXPECT_EQ(MaterialCode1, "8");
    EXPECT_NE(f.utvfl.Text(), before);
}

TEST(MenusDeathTest, ExitEndsTheProgramAtOnce) { EXPECT_EXIT(Form1().Exit2->Click(), testing::ExitedWithCode(0), ""); }
