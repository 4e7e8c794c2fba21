// The questionnaire's edit handlers: the read step on both separators, the lengths in the
// pipe's unit, the pressure, temperature and flow handlers with what they update, and the
// calculations' own writes, which run no handler.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "numerics/decimal_separator.h"
#include "numerics/separator_guard.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/calculation_window.h"
#include "ui/edit_updates.h"
#include "ui/form1.h"
#include "ui/input_transfer.h"

namespace tubalyx {
namespace {

// Typing into an edit changes its text from whatever an earlier test left in it.
void Typed(TEdit& edit, const std::string& text) {
    edit.SetText(text + "#");
    edit.SetText(text);
}

TEST(EditHandlers, EveryNumberEditReadsItsTextWithEitherSeparator) {
    TForm1& f = Form1();
    const struct {
        TEdit& edit;
        double& value;
    } fields[] = {
        {f.utvfl, DeviceExpansionCoeff},
        {f.utvflb, DeviceExpansionCoeffB},
        {f.utvror, PipeExpansionCoeff},
        {f.utvrorb, PipeExpansionCoeffB},
        {f.kantradie, EdgeRadiusMm},
        {f.Dstorrahetmm, PipeRoughnessMm},
        {f.plattjock, PlateThicknessMm},
        {f.fl, ValveFL},
        {f.givenrakin, GivenStraightInlet},
        {f.givenrakut, GivenStraightOutlet},
        {f.okfelbidrag, AdditionalUncertaintyPercent},
        {f.Cf, CalibratedCf},
        {f.kaltemp, CalibrationTemperatureC},
        {f.kalminreyn, CalibratedReynoldsMin},
        {f.kalmaxreyn, CalibratedReynoldsMax},
        {f.tryckforlmaxantal, MaxPressureLossInput},
        {f.krittryckantal, CriticalPressureInput},
    };
    for (char separator : {',', '.'}) {
        SeparatorGuard guard(separator);
        const char other = separator == ',' ? '.' : ',';
        for (const auto& field : fields) {
            field.edit.SetText(std::string("2") + other + "5");
            EXPECT_EQ(field.edit.Text(), std::string("2") + separator + "5") << field.edit.Name();
            EXPECT_EQ(field.value, 2.5) << field.edit.Name();
            // No number either way: kept as typed (swapping it again would never end), read as 0.
            field.edit.SetText("12,3.4x");
            EXPECT_EQ(field.edit.Text(), "12,3.4x") << field.edit.Name();
            EXPECT_EQ(field.value, 0.0) << field.edit.Name();
        }
    }
}

TEST(EditHandlers, LengthsInThePipesUnitAndTheBoreReadFromItsOwnEdit) {
    SeparatorGuard guard('.');
    TForm1& f = Form1();
    const struct {
        const char* unit;
        const char* typed;
        double mm;
    } cases[] = {{"mm", "100", 100.0}, {"tum", "4", 101.6}, {"inches", "4", 101.6}, {"Zoll", "0.5", 12.7}};
    for (const auto& c : cases) {
        f.dstorkallsort.SetCaption(c.unit);
        for (auto [edit, mm, m] : {std::tuple{&f.dkallmm, &BoreDiameterColdMm, &BoreDiameterColdM},
                                   std::tuple{&f.hkallmm, &SegmentHeightColdMm, &SegmentHeightColdM},
                                   std::tuple{&f.Ventilkallmm, &ValveDiameterColdMm, &ValveDiameterColdM},
                                   std::tuple{&f.Dstorkallmm, &PipeDiameterColdMm, &PipeDiameterColdM}}) {
            edit->SetText("");
            edit->SetText(c.typed);
            EXPECT_DOUBLE_EQ(*mm, c.mm) << c.unit << " " << edit->Name();
            EXPECT_DOUBLE_EQ(*m, 0.001 * c.mm) << c.unit << " " << edit->Name();
            EXPECT_EQ(edit->Text(), c.typed);
        }
    }
    // Typing a straight length or a height difference leaves the bore as its edit says.
    f.dkallmm.SetText("4");
    f.matstrack.SetText("7.5");
    f.hojd.SetText("12");
    EXPECT_DOUBLE_EQ(BoreDiameterColdMm, 4 * 25.4);
    // A calculation shows the exact bore in its edit to six digits; the value stays exact.
    f.dstorkallsort.SetCaption("mm");
    BoreDiameterColdMm = 64.2168923;
    CalculationWindow().dkallmm.SetText("64.2169");
    EXPECT_EQ(BoreDiameterColdMm, 64.2168923);
    EXPECT_EQ(f.dkallmm.Text(), "64.2169");
}

TEST(EditHandlers, PressureTemperatureAndTheCompensationTable) {
    SeparatorGuard guard('.');
    TForm1& f = Form1();
    Typed(f.abstrycksort, "kPa");
    PressureUnit = "kPa";
    MediumCode = "GAS", CalcFunction = "Termo";
    Typed(f.abstryckmaxantal, "600");
    Typed(f.abstryckantal, "300");
    EXPECT_EQ(PressureMinInput, 300.0);
    EXPECT_EQ(PressureMaxInput, 600.0);
    EXPECT_DOUBLE_EQ(OperatingPressure, 300000.0);
    EXPECT_EQ(f.PTKompgrid.Cell(0, 1), "300.0000");
    Typed(f.abstrycksort, "BarA");
    EXPECT_DOUBLE_EQ(OperatingPressure, 3e7);
    // An oil's lower pressure is the atmosphere's in kPa, whatever is typed.
    MediumCode = "OLJA";
    Typed(f.abstryckantal, "450");
    EXPECT_EQ(PressureMinInput, 101.325);
    EXPECT_EQ(f.abstryckantal.Text(), "101.325");
    Typed(f.abstrycksort, "psi");
    EXPECT_EQ(f.abstrycksort.Text(), "kPa");
    EXPECT_EQ(PressureUnit, "kPa");

    // The lower temperature rewrites the first temperature of the table, the upper the last.
    MediumCode = "VAT";
    f.tempsort.SetCaption("F");
    f.PTKompgrid.SetCell(1, 0, "first");
    f.PTKompgrid.SetCell(10, 0, "last");
    Typed(f.tempmin, "32");
    f.tempmin.OnExit(&f.tempmin);
    EXPECT_EQ(TemperatureMinC, 0.0);
    EXPECT_EQ(f.PTKompgrid.Cell(10, 0), "last");
    Typed(f.temp, "212");
    f.temp.OnExit(&f.temp);
    EXPECT_DOUBLE_EQ(TemperatureMaxC, 100.0);
    EXPECT_DOUBLE_EQ(OperatingTemperature, 100.0);
    EXPECT_EQ(f.PTKompgrid.Cell(10, 0), "100.0000");
    EXPECT_EQ(f.PTKompgrid.Cell(1, 0), "0.000000");
}

TEST(EditHandlers, DifferentialPressureAndFlowUnits) {
    SeparatorGuard guard('.');
    TForm1& f = Form1();
    SolveFor = "DI";
    Typed(f.difftryckmaxsort, "kPa");
    Typed(f.difftryckmaxantal, "25");
    EXPECT_EQ(MaxDpInput, 25.0);
    EXPECT_EQ(MaxDpPa, 25000.0);
    // Solving for the dp: the dp is stored as typed, the dp in Pa is the calculation's.
    SolveFor = "DP";
    Typed(f.difftryckmaxantal, "40");
    Typed(f.difftryckmaxsort, "Pa");
    EXPECT_EQ(MaxDpInput, 40.0);
    EXPECT_EQ(MaxDpPa, 25000.0);

    // A unit the parser knows clears the start text away and converts; one it does not
    // changes nothing further.
    CalcFunction = "Termo", MediumCode = "VAT";
    f.maxflowsort.SetVisible(true);
    f.maxflowantal.SetVisible(true);
    Typed(f.maxflowantal, "2");
    f.Memo2.SetVisible(true);
    Typed(f.maxflowsort, "furlong");
    EXPECT_TRUE(f.Memo2.Visible());
    EXPECT_EQ(ParsedUnitKind, "X");
    f.maxflowsort.SetVisible(true);
    Typed(f.maxflowsort, "ton/h");
    EXPECT_FALSE(f.Memo2.Visible());
    EXPECT_EQ(FlowUnit, "ton/h");  // the parser's own spelling
    EXPECT_EQ(f.minflowsort.Text(), "ton/h");
    EXPECT_EQ(MaxFlowSI, 2000.0);
    EXPECT_EQ(f.massflow.Caption(), "2000.000000 kg/h");
    Typed(f.maxflownormaldens, "1.25");
    EXPECT_EQ(FlowNormalDensity, 1.25);
    EXPECT_EQ(f.massflow.Caption(), "2000 kg/h");
}

TEST(EditHandlers, WritingTheInputsKeepsTheStateThoughHandlersReadUnwrittenNeighbours) {
    SeparatorGuard guard('.');
    TForm1& f = Form1();
    Typed(f.maxflowantal, "1");
    Typed(f.maxflowsort, "kg/h");
    f.maxflowsort.SetVisible(true);
    f.maxflowantal.SetVisible(true);
    CalcFunction = "Strypf", MediumCode = "GAS", SolveFor = "DI";
    FlowUnit = "ton/h", MaxFlowInput = 36.0;
    PressureUnit = "BarA", PressureMinInput = 5.0, PressureMaxInput = 7.0;
    f.dstorkallsort.SetCaption("tum");
    BoreDiameterColdMm = 50.8;
    WriteInputsToForm();
    EXPECT_EQ(MaxFlowInput, 36.0);
    EXPECT_EQ(FlowUnit, "ton/h");
    EXPECT_EQ(PressureMaxInput, 7.0);
    EXPECT_EQ(BoreDiameterColdMm, 50.8);
    EXPECT_EQ(f.maxflowantal.Text(), "36");
    EXPECT_EQ(f.abstryckmaxantal.Text(), "7");
    f.dstorkallsort.SetCaption("mm");
}

}  // namespace
}  // namespace tubalyx
