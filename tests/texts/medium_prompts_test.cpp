#include "texts/medium_prompts.h"

#include <gtest/gtest.h>

#include "media/reference_density.h"
#include "numerics/text_utils.h"
#include "state/composition.h"
#include "state/property_labels.h"
#include "state/selections.h"
#include "texts/report_labels.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

TEST(MediumPrompts, StandardFlowUnitIsAWholeMatchOfTheFlowUnitEditInAnyCase) {
    TEdit& unit = Form1().maxflowsort;
    // The upper-cased forms are what the flow-unit handlers store and write back.
    for (const char* u : {"Nm3/h", "Nm3/min", "Nm3/s", "Standard_m3/h", "Standard_m3/min", "Standard_m3/s", "MMSCFD",
                          "Nliter/h", "Nliter/min", "Nliter/s", "nm3/h", "NM3/H", "STANDARD_M3/MIN", "NLITER/S"}) {
        unit.SetText(u);
        EXPECT_TRUE(IsStandardFlowUnit("ignored")) << u;
    }
    for (const char* u : {"m3/h", "kg/h", "Nm3/h ", "", "Standard_m3/d", "MMSCF", "NM3/HOUR"}) {
        unit.SetText(u);
        EXPECT_FALSE(IsStandardFlowUnit("Nm3/h")) << u;
    }
}

TEST(MediumPrompts, ReferenceDensityPromptFollowsUnitAndLanguage) {
    TForm1& f = Form1();
    struct Case {
        const char* unit;
        char language;
        const char* prompt;
    } cases[] = {
        {"Standard_m3/h", 'S', "Densitet vid standard P,T?_(1.01325 BarA,60 F)___(kg/m3) "},
        {"MMSCFD", 'D', "Dichte Gas bei Standard P,T?_(1.01325 Barü,60 F)_(kg/m3) "},
        {"Standard_m3/s", 'E', "Density at standard P,T?_(1.01325 BarG,60 F)_____(kg/m3) "},
        {"Nm3/h", 'S', "Densitet vid normaltillstånd?_(1.01325 BarA,0 C)_(kg/m3) "},
        {"Nliter/s", 'D', "Dichte Gas bei Normzustand?_(1.01325 Bar,0 C)____(kg/m3) "},
        {"kg/h", 'E', "Density at standard conditions?(1.01325 Bar,0 C)_(kg/m3) "},
        // Upper-cased by the flow-unit handlers: still the 60 F reference state.
        {"STANDARD_M3/H", 'E', "Density at standard P,T?_(1.01325 BarG,60 F)_____(kg/m3) "},
    };
    for (const Case& c : cases) {
        f.maxflowsort.SetText(c.unit);
        LanguageLetter = c.language;
        SetStandardDensityPrompt();
        EXPECT_EQ(f.densnormaltext.Caption(), c.prompt) << c.unit << " " << c.language;
        EXPECT_EQ(Utf8Length(f.densnormaltext.Caption()), 57);
    }
    LanguageLetter = 'E';
}

TEST(MediumPrompts, NaturalGasLimitsWriteRowsAndKeywords) {
    TForm1& f = Form1();
    TStringGrid& g = f.ViktVolprocGrid;
    MediumCode = "G";
    g.SetCell(0, 2, "N2");
    MixtureComponentKeyword[2] = "N2";
    SetNaturalGasLimits();
    EXPECT_EQ(g.Cell(0, 2), "N2");  // other media leave the grid alone
    EXPECT_EQ(MixtureComponentKeyword[2], "N2");

    MediumCode = "NGAS";
    LanguageLetter = 'E';
    SetNaturalGasLimits();
    const char* formulas[] = {"CH4", "C2H6", "C3H8", "C4H10", "C5H12", "N2", "CO2", "H2", "CO", "H2O"};
    for (int row = 2; row <= 11; ++row) EXPECT_EQ(g.Cell(0, row), formulas[row - 2]);
    EXPECT_EQ(g.Cell(1, 2), "Methane > 70 Molar %");
    EXPECT_EQ(g.Cell(1, 4), "Propane < 3,5 Molar %");
    EXPECT_EQ(g.Cell(1, 11), "Water");
    EXPECT_EQ(MixtureComponentKeyword[2], "CH4");
    EXPECT_EQ(MixtureComponentKeyword[10], "CO");
    EXPECT_EQ(MixtureComponentKeyword[11], "ANG");
    EXPECT_EQ(f.Propanvtska1->Caption(), "C3H8 Propane (liquid)");

    LanguageLetter = 'S';
    SetNaturalGasLimitsRest();
    EXPECT_EQ(g.Cell(1, 7), "Kväve < 20 Mol %");
    EXPECT_EQ(g.Cell(1, 11), "Vattenånga");
    EXPECT_EQ(f.Propan1->Caption(), "C3H8 Propan (gas)");
    ASSERT_NE(f.C3H81, nullptr);
    EXPECT_EQ(f.C3H81->Caption(), "C3H8 Propan (gas)");
    LanguageLetter = 'D';
    SetNaturalGasLimits();
    EXPECT_EQ(g.Cell(1, 9), "Wasserstoff H2 < 10 Molare %");
    EXPECT_EQ(f.Propanvtska1->Caption(), "C3H8 Propane (flüssig)");
    // A letter of no language leaves the texts, but the rows still get formula and keyword.
    g.SetCell(0, 3, "");
    MixtureComponentKeyword[3] = "";
    LanguageLetter = 'Q';
    SetNaturalGasLimits();
    EXPECT_EQ(g.Cell(1, 9), "Wasserstoff H2 < 10 Molare %");
    EXPECT_EQ(g.Cell(1, 11), "Wasser");
    EXPECT_EQ(f.Propan1->Caption(), "C3H8 Propane (gas)");
    EXPECT_EQ(f.Propanvtska1->Caption(), "C3H8 Propane (flüssig)");
    EXPECT_EQ(g.Cell(0, 3), "C2H6");
    EXPECT_EQ(MixtureComponentKeyword[3], "C2H6");
    LanguageLetter = 'E';
    MediumCode = "GAS";
}

TEST(ReportLabels, LanguageLabelsAreCopiedToTheirBases) {
    MediumCode = "N2";
    SetPropertyReportLabels('D');
    EXPECT_EQ(DensityLabel, "Dichte_____________________________________(kg/m3)= ");
    EXPECT_EQ(SpecificVolumeLabel, "Spezifisches Volumen______________________(dm3/kg)= ");
    EXPECT_EQ(EnthalpyLabel, "Enthalpi (= 0 bei: 0 C, 1.01325 Bar)_______(kJ/kg)= ");
    for (const std::string* s : {&DensityLabel, &SpecificVolumeLabel, &DynamicViscosityLabel, &KinematicViscosityLabel,
                                 &KappaLabel, &CpLabel, &CvLabel, &EnthalpyLabel})
        EXPECT_EQ(Utf8Length(*s), 52) << *s;
    EXPECT_EQ(DensityLabelBase, DensityLabel);
    EXPECT_EQ(KinematicViscosityLabelBase, KinematicViscosityLabel);
    EXPECT_EQ(EnthalpyLabelBase, EnthalpyLabel);
    // A caption set writes its own texts and then copies them.
    DensityLabel = "x";
    CopyReportLabelBases();
    EXPECT_EQ(DensityLabelBase, "x");
    SetPropertyReportLabels('S');
    EXPECT_EQ(DensityLabelBase, "Densitet___________________________________(kg/m3)= ");
    SetPropertyReportLabels('E');
    EXPECT_EQ(SpecificVolumeLabelBase, "Specific volume___________________________(dm3/kg)= ");
}

}  // namespace
}  // namespace tubalyx
