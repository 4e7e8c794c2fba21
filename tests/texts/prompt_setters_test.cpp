#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "numerics/text_utils.h"
#include "selection_reset.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_sets.h"
#include "texts/prompt_setters.h"
#include "texts/report_label_strings.h"
#include "texts/window_access.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

class PromptSetters : public ::testing::Test {
protected:
    void SetUp() override {
        ResetTextSelection();
        MaxFlowGivenFlag = "N";
        PressureUnitTyped("kPa");
        f.dstorkallsort.SetCaption("mm");
    }
    // The unit's change handler rebuilds the page, which may show the range rows; the
    // prompts here are those of the single row.
    void PressureUnitTyped(const char* unit) {
        f.abstrycksort.SetText(unit);
        f.abstryckmaxtext.SetVisible(false);
        f.tempmintext.SetVisible(false);
    }
    TForm1& f = Form1();
};

TEST_F(PromptSetters, StandardAndNormalDensityPrompts) {
    f.maxflowsort.SetText("Standard_m3/h");
    ApplyLanguage('E');
    EXPECT_EQ(f.densnormaltext.Caption(), "Density at standard P,T?_(1.01325 BarG,60 F)_____(kg/m3) ");
    EXPECT_EQ(Utf8Length(f.densnormaltext.Caption()), 57);
    f.maxflowsort.SetText("Nm3/h");
    ApplyLanguage('S');
    EXPECT_EQ(f.densnormaltext.Caption(), "Densitet vid normaltillstånd?_(1.01325 BarA,0 C)_(kg/m3) ");
}

TEST_F(PromptSetters, StaticPressureByFunctionAndUnitKind) {
    PressureUnitTyped("BarÖ");
    LanguageLetter = 'S';
    SetStaticPressurePrompt();
    EXPECT_EQ(f.abstrycktext.Caption(), "Statiskt Övertryck? (vid + tryckuttag)__________________ ");
    EXPECT_EQ(PressureRangeLabel, f.abstrycktext.Caption());
    PressureUnitTyped("kPa");
    CalcFunction = "Termo";
    LanguageLetter = 'D';
    SetStaticPressurePrompt();
    EXPECT_EQ(f.abstrycktext.Caption(), "Statische Absolut Druck? _______________________________ ");
    CalcFunction = "Tryckf";
    LanguageLetter = 'E';
    SetStaticPressurePrompt();
    EXPECT_EQ(f.abstrycktext.Caption(), "Static Absolute Pressure?(at inlet)_____________________ ");
    // The unit parser decides the kind: psi is absolute, ATG gauge, an unknown unit gauge.
    PressureUnitTyped("psi");
    SetStaticPressurePrompt();
    EXPECT_EQ(f.abstrycktext.Caption(), "Static Absolute Pressure?(at inlet)_____________________ ");
    PressureUnitTyped("ATG");
    SetStaticPressurePrompt();
    EXPECT_EQ(f.abstrycktext.Caption(), "Static Gauge Pressure?(at inlet)________________________ ");
    PressureUnitTyped("furlong");
    SetStaticPressurePrompt();
    EXPECT_EQ(f.abstrycktext.Caption(), "Static Gauge Pressure?(at inlet)________________________ ");
    // Minimum and maximum lines of the primary-device page.
    CalcFunction = "Strypf";
    PressureUnitTyped("BarÖ");
    f.abstryckmaxtext.SetVisible(true);
    SetStaticPressurePrompt();
    EXPECT_EQ(f.abstryckmaxtext.Caption(), "Max Static Gauge Pressure? (at + Pressure tapping)______ ");
    EXPECT_EQ(f.abstrycktext.Caption(), "Min Static Gauge Pressure? (at + Pressure tapping)______ ");
    EXPECT_EQ(PressureRangeLabel, "Static Gauge Pressure? (at + Pressure tapping)__________ ");
    EXPECT_TRUE(f.abstryckantal.Visible());
}

TEST_F(PromptSetters, TemperaturePromptsAndLiquefiedGasPhases) {
    LanguageLetter = 'E';
    MediumCode = "N2";
    PhaseLetter = 'X';
    SetPressureTemperatureLabels();
    EXPECT_EQ(f.temptext.Caption(), "Boiling Liquid (no Gas Bubbles)_________________________ ");
    EXPECT_FALSE(f.temp.Visible());
    EXPECT_FALSE(f.tempsort.Visible());
    EXPECT_EQ(f.temptext.Color(), clYellow);
    PhaseLetter = 'G';
    LanguageLetter = 'D';
    SetPressureTemperatureLabels();
    EXPECT_EQ(f.abstrycktext.Caption(), "Satt Gas (keine Kondens Tropfen)________________________ ");
    EXPECT_FALSE(f.abstryckantal.Visible());
    EXPECT_TRUE(f.temp.Visible());
    EXPECT_EQ(f.temptext.Caption(), "Temperatur? (bei + Druckentnahme)_______________________ ");
    MediumCode = "GAS";
    PhaseLetter = 'N';
    CalcFunction = "Termo";
    LanguageLetter = 'S';
    SetPressureTemperatureLabels();
    EXPECT_EQ(f.temptext.Color(), clBtnFace);
    EXPECT_EQ(f.temptext.Caption(), "Temperatur?_____________________________________________ ");
    EXPECT_TRUE(f.abstryckantal.Visible());
    CalcFunction = "Strypf";
    f.tempmintext.SetVisible(true);
    LanguageLetter = 'E';
    SetTemperaturePrompt();
    EXPECT_EQ(f.temptext.Caption(), "Maximal Temperature? (at + Pressure tapping)____________ ");
    EXPECT_EQ(f.tempmintext.Caption(), "Minimal Temperature? (at + Pressure tapping)____________ ");
    EXPECT_EQ(TemperatureRangeLabel, "Temperature? (at + Pressure tapping)____________________ ");
}

TEST_F(PromptSetters, DiffPressureAndMaxFlowByFunction) {
    LanguageLetter = 'D';
    SetDiffPressurePrompt();
    EXPECT_EQ(f.Differenstryck.Caption(), "Wirkdruck (fur Wirkdruckmessumf., nicht = Druckverlust)? ");
    CalcFunction = "Ventil";
    LanguageLetter = 'X';  // any other letter: Swedish
    SetDiffPressurePrompt();
    EXPECT_EQ(f.Differenstryck.Caption(), "Utloppstryck?___________________________________________ ");
    ValveSubtype = "RO";
    MaxFlowGivenFlag = "J";
    LanguageLetter = 'S';
    SetMaxFlowPrompt();
    EXPECT_EQ(f.maxflowtext.Caption(), "Kv?_____________________________________________________ ");
    LanguageLetter = 'E';
    SetMaxFlowPrompt();
    EXPECT_EQ(f.maxflowtext.Caption(), "Adjusted maximal flow?__________________________________ ");
    CalcFunction = "Tryckf";
    SetMaxFlowPrompt();
    EXPECT_EQ(f.maxflowtext.Caption(), "Inlet-flow?_____________________________________________ ");
    MaxFlowGivenFlag = "N";
    CalcFunction = "Strypf";
    LanguageLetter = 'D';
    SetMaxFlowPrompt();
    EXPECT_EQ(f.maxflowtext.Caption(), "Grösster Durchflussendwert?_____________________________ ");
}

TEST_F(PromptSetters, OptionPromptsShowTheAnswer) {
    LanguageLetter = 'E';
    ProductionReportFlag = "J";
    SetProductionReportPrompt();
    EXPECT_EQ(f.tillvunderlagtextin.Caption(), "Production report?_____________(Y/N) Y");
    LanguageLetter = 'D';
    SetProductionReportPrompt();
    EXPECT_EQ(f.tillvunderlagtextin.Caption(), "Herstellungsergebnis?__________(J/N) J");
    ProductionReportFlag = "N";
    SetProductionReportPrompt();
    EXPECT_EQ(f.tillvunderlagtextin.Caption(), "Herstellungsergebnis?__________(J/N) N");

    LanguageLetter = 'E';
    UncertaintyMethodCode = "N";
    SetCalcMethodPrompt();
    EXPECT_EQ(f.bermetoderrtextin.Caption(), "Standard/Flowcalculationmethod 1/2/3?___________________(S/1/2/3) S");
    UncertaintyMethodCode = "2";
    DeviceCode = "VCONE";
    SetCalcMethodPrompt();
    EXPECT_EQ(f.bermetoderrtextin.Caption(), "McCrometer/Flowcalculationmethod 1/2/3?_________________(M/1/2/3) 2");
    UncertaintyMethodCode = "N";
    SetCalcMethodPrompt();
    EXPECT_EQ(f.bermetoderrtextin.Caption().back(), 'M');
    DeviceCode = "VOLYM";
    UncertaintyMethodCode = "P";
    SetCalcMethodPrompt();
    EXPECT_EQ(f.bermetoderrtextin.Caption(),
              "Linear (q=constant*(Volt/timediff))/Polynom calc. (q=variable*(Volt/timediff)) of flow?(L/P) P");
    UncertaintyMethodCode = "3";
    SetCalcMethodPrompt();
    EXPECT_EQ(f.bermetoderrtextin.Caption().substr(f.bermetoderrtextin.Caption().size() - 2), " 3");

    OnlineFlowMethod = "R";
    LanguageLetter = 'D';
    SetRootOrStandardPrompt();
    EXPECT_EQ(f.bermetodtextin.Caption(), "Berechnung vom Durchfluss= Quadratwurzel/Norm______(Q/N)      Q");
    OnlineFlowMethod = "N";
    LanguageLetter = 'E';
    SetRootOrStandardPrompt();
    EXPECT_EQ(f.bermetodtextin.Caption(), "Calc. method at online calculation of flow= root/standard_(R/S) S");

    AllowSmallPipeFlag = "N";
    SetSmallTubeLimitPrompt();
    EXPECT_EQ(f.rorlitentextin.Caption(), "Shall standardlimit for minimal tubesize be used?______(Y/N)  N");
    EXPECT_EQ(f.rorlitentextin.Hint(), "Can NOT be violated without any risk according VDI/VDE 2040.1, Pos 4.1");
    AllowLargeReynoldsFlag = "J";
    LanguageLetter = 'S';
    SetLargeReynoldsLimitPrompt();
    EXPECT_EQ(f.reynstortextin.Caption(), "Skall normgränsen för stort Reynolds tal gälla?________(J/N)  J");
    EXPECT_EQ(f.reynstortextin.Hint(), "Kan överskridas utan risk enligt VDI/VDE 2040.1, Pos 4.3");
    AllowSmallPipeFlag = "J";
}

TEST_F(PromptSetters, HumidityPromptByKind) {
    ApplyLanguage('E');
    HumidityInputKind = "D";
    SetHumidityPrompt();
    EXPECT_EQ(f.relabsfukt.Caption(), "Condense temp?_______________________________________(C) ");
    HumidityInputKind = "S";
    SetHumidityPrompt();
    EXPECT_EQ(f.relabsfukt.Caption(), "Specific humidity?__________________(g steam/kg dry gas) ");
    HumidityInputKind = "R";
}

TEST_F(PromptSetters, DeviceCaptions) {
    ApplyLanguage('E');
    DeviceCode = "V";
    DeviceVariantCode = "BG";
    SetDeviceLabelCaption();
    EXPECT_EQ(f.strypsort.Caption(), "5.Classical Venturi, machined");
    DeviceCode = "S";
    DeviceVariantCode = "D";
    SetDeviceLabelCaption();
    EXPECT_EQ(f.strypsort.Caption(), "3.Orifice plate, D:D/2 tappings");
    DeviceCode = "VCONEWAFER";
    SetDeviceLabelCaption();
    EXPECT_EQ(f.strypsort.Caption(), "V-Cone/Wafer");
    SetVConeMethodCaptions();
    EXPECT_EQ(f.grafyellow.Caption(), "McCrometer");
    EXPECT_EQ(f.grafblack.Caption(), "Calculation algorithm 3");
    EXPECT_EQ(f.Graftext.Caption(), "Flow as a function of differential pressure");
    DeviceCode = "XX";
    SetDeviceLabelCaption();
    EXPECT_EQ(f.strypsort.Caption(), "V-Cone/Wafer");
    SolveFor = "FL";
    SetDeviceMenuCaptions();
    EXPECT_EQ(f.Strypbertyp.Caption(), "Flow:");
    SolveFor = "TF";
    SetDeviceMenuCaptions();
    EXPECT_EQ(f.Strypbertyp.Caption(), "Pressureloss");
}

TEST_F(PromptSetters, MaterialLabelsAppendTheChosenItem) {
    MaterialCode1 = "7";
    MaterialCode2 = "6";
    ApplyLanguage('E');
    EXPECT_EQ(f.mtrlfl.Caption(), "Material throat =Ferritic steel                     ");
    EXPECT_EQ(f.mtrlror.Caption(), "Material tube =Other material                     ");
    SetMeterMaterialMenu();  // called alone, it appends again
    EXPECT_EQ(f.mtrlfl.Caption(),
              "Material throat =Ferritic steel                     =Ferritic steel                     ");
    MaterialCode1 = "9";
    ApplyLanguage('S');
    EXPECT_EQ(f.mtrlfl.Caption(), "Material strypelement =Annat material                     ");
    MaterialCode1 = MaterialCode2 = "8";
}

TEST_F(PromptSetters, UpstreamFittingListByCase) {
    SolveFor = "OK";
    DeviceCode = "V";
    StandardLetter = 'D';
    ApplyLanguage('E');
    EXPECT_EQ(f.bestyck0->Caption(), "0.Other Disturbance");
    EXPECT_EQ(f.bestyck1->Caption(), "1.One(/two, separation>30D) 90 degree Bend                 ");
    EXPECT_EQ(f.bestyck14->Caption(), "14.Thermometer pocket >3% & <13% of tubediameter            ");
    SolveFor = "DI";
    StandardLetter = '3';
    ApplyLanguage('S');
    EXPECT_EQ(f.bestyck9->Caption(), "9.Stort kärl                                   ");
    EXPECT_EQ(f.bestyck10->Caption(), "");
    StandardLetter = 'I';
    ApplyLanguage('D');
    EXPECT_EQ(f.bestyck5->Caption(), "5.Diffusor 0.75D/D bei L= 1D.                  ");
    EXPECT_EQ(f.bestyck6->Caption(), "");
    EXPECT_EQ(f.bestyck7->Caption(), "7.Globe valve fully open (ISO 5167:1991)       ");
    DeviceCode = "KV";
    ApplyLanguage('E');
    EXPECT_EQ(f.bestyck4->Caption(), "4.Reducer diam. 2:1 over length 1.5D - 3D      ");
    EXPECT_EQ(f.bestyck10->Caption(), "10.Thermometer pocket <13% & >3% of tubediameter");
    EXPECT_EQ(f.bestyck11->Caption(), "");
    UpstreamFittingCode = "4";
    SetUpstreamFittingHeading();
    EXPECT_EQ(f.bestyckningtext.Caption(), "Upstream fitting: 4.Reducer diam. 2:1 over length 1.5D - 3D      ");
}

TEST_F(PromptSetters, UpstreamHeadingDoesNotGrowForAnUnknownCode) {
    ApplyLanguage('S');
    UpstreamFittingCode = "0";
    SetUpstreamFittingHeading();
    EXPECT_EQ(f.bestyckningtext.Caption(), "Uppströms störning: 0.Annan Störning");
    UpstreamFittingCode = "x";
    LanguageLetter = 'E';
    SetUpstreamFittingHeading();
    SetUpstreamFittingHeading();
    EXPECT_EQ(f.bestyckningtext.Caption(), "Upstream fitting: 0.Annan Störning");
    UpstreamFittingCode = "0";
}

TEST_F(PromptSetters, DiameterPromptsPadToTheUnitAndReadTheEdits) {
    LanguageLetter = 'S';
    f.dkallmm.SetText("100");
    f.hkallmm.SetText("2");
    SetConeDiameterPrompt();
    EXPECT_EQ(f.dkallmmtext.Caption(), "Håldiameter d, kall (=20 C)?________________________(mm) ");
    EXPECT_EQ(Utf8Length(f.hkallmmtext.Caption()), 57);
    EXPECT_DOUBLE_EQ(BoreDiameterColdMm, 100.0);
    EXPECT_DOUBLE_EQ(BoreDiameterColdM, 0.1);
    DeviceCode = "VCONE";
    SetConeDiameterPrompt();
    EXPECT_EQ(f.dkallmmtext.Caption(), "Kondiameter (20 C)?_________________________________(mm) ");
    f.dstorkallsort.SetCaption("Zoll");
    LanguageLetter = 'E';
    SetConeDiameterPrompt();
    EXPECT_EQ(f.dkallmmtext.Caption(), "Cone diameter (20 C)?_____________________________(Zoll) ");
    EXPECT_DOUBLE_EQ(BoreDiameterColdMm, 2540.0);
    EXPECT_DOUBLE_EQ(SegmentHeightColdMm, 50.8);
    f.Ventilkallmm.SetText("4");
    LanguageLetter = 'D';
    SetValveDiameterPrompt();
    EXPECT_EQ(f.Ventildiamtext.Caption(), "Innerer Ventildurchmesser, kalt (=20 C)?________  (Zoll) ");
    EXPECT_DOUBLE_EQ(ValveDiameterColdMm, 101.6);
    f.dstorkallsort.SetCaption("inches");
    LanguageLetter = 'E';
    SetValveDiameterPrompt();
    EXPECT_EQ(f.Ventildiamtext.Caption(), "Interior valvediameter, cold (=20 C)?___________(inches) ");
    f.dkallmm.SetText("abc");
    SetConeDiameterPrompt();
    EXPECT_DOUBLE_EQ(BoreDiameterColdMm, 0.0);
    f.dstorkallsort.SetCaption("mm");
}

TEST_F(PromptSetters, OilAndRealGasPropertyBox) {
    f.rbg.SetHeight(20);
    MediumCode = "OLJA";
    ApplyLanguage('E');
    EXPECT_EQ(f.densdriftbgtextin.Caption(), "Densitet vid 15 C?_______________________________(kg/m3) ");
    EXPECT_EQ(f.visk40bgtextin.Caption(), "Kinematisk viskositet vid 40 C?_________________________ ");
    EXPECT_TRUE(f.q40bg.Visible());
    EXPECT_TRUE(f.q100bg.Visible());
    EXPECT_FALSE(f.qbg.Visible());
    EXPECT_FALSE(f.cpbg.Visible());
    const int font = std::abs(f.Font().Height());
    EXPECT_EQ(f.densdriftbgtextin.Top(), font);
    EXPECT_EQ(f.q40bg.Top(), font + 20);
    EXPECT_EQ(f.q100bg.Top(), font + 40);
    EXPECT_EQ(f.GroupBox1.ClientHeight(), font + 3 * 20);
    MediumCode = "IGAS";
    ApplyLanguage('E');
    EXPECT_EQ(f.Z1bgtextin.Caption(), Z1Prompt);
    EXPECT_EQ(f.Znbgtextin.Caption(), "Compressibility factor Zn at normal cond.?_(Ideal gas=1) ");
    EXPECT_EQ(f.densdriftbgtextin.Caption(), f.densnormaltext.Caption());
    EXPECT_TRUE(f.Z1bg.Visible());
    EXPECT_FALSE(f.q40bg.Visible());
    MediumCode = "GAS";
    ApplyLanguage('E');
    EXPECT_FALSE(f.Z1bg.Visible());
    EXPECT_EQ(f.densdriftbgtextin.Caption(), "Density at operating conditions?_________________(kg/m3) ");
}

TEST_F(PromptSetters, SingleCaptionsAndValveDefaults) {
    LanguageLetter = 'D';
    SetMassPercentHeading();
    EXPECT_EQ(f.ViktVolprocGrid.Cell(2, 0), "Massen %");
    LanguageLetter = 'Q';
    SetMassPercentHeading();
    EXPECT_EQ(f.ViktVolprocGrid.Cell(2, 0), "Mass %");
    LanguageLetter = 'E';
    SetAdiabaticPrompt('A');
    EXPECT_EQ(f.adiabat.Caption(), "Adiabatic flow (=isolated tube => Inlet Temp<>Outlet Temp)");
    LanguageLetter = 'S';
    SetAdiabaticPrompt('I');
    EXPECT_EQ(f.adiabat.Caption(), "Isoterm expansion (Inloppstemp=Utloppstemp)");

    ValveFL = 0.5;
    SetValveDefaults();
    EXPECT_EQ(VapourPressureUnit, "kPa");
    EXPECT_DOUBLE_EQ(CriticalPressureInput, 100.0);
    EXPECT_DOUBLE_EQ(ValveFL, 1.0);
    EXPECT_EQ(f.krittryckantal.Text(), "100");
    EXPECT_EQ(f.angtrycksort.Text(), "kPa");
    OnlineFlowMethod = "R";
    SetValveDiameterDefault();
    EXPECT_EQ(OnlineFlowMethod, "N");
    EXPECT_DOUBLE_EQ(ValveDiameterColdMm, 200.0);
    EXPECT_EQ(f.Ventilkallmm.Text(), "200");
}

TEST_F(PromptSetters, PadPromptToUnitCountsCharacters) {
    EXPECT_EQ(PadPromptToUnit("Höjd?", "mm"), "Höjd?" + std::string(47, '_') + "(mm) ");
    EXPECT_EQ(Utf8Length(PadPromptToUnit("Ö", "tum")), 57);
    const std::string longText(60, 'a');
    EXPECT_EQ(PadPromptToUnit(longText, "mm"), longText + "(mm) ");
}

}  // namespace
}  // namespace tubalyx
