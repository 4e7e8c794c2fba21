#include <gtest/gtest.h>

#include <set>
#include <string>

#include "numerics/text_utils.h"
#include "selection_reset.h"
#include "state/property_labels.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/caption_sets.h"
#include "texts/prompt_setters.h"
#include "texts/report_label_strings.h"
#include "texts/window_access.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

const WindowCaptionEntry* FindEntry(const std::string& control, CaptionCondition c = CaptionCondition::Always) {
    for (const auto& e : WindowCaptionTable)
        if (control == e.control && e.condition == c) return &e;
    return nullptr;
}

void ResetState() {
    ResetTextSelection();
    ReportSeparator = "";
    UpstreamFittingCode = "0";
}

TEST(CaptionTables, MaterialMenuItemsArePaddedTo35Characters) {
    for (const char* n : {"mtrlfl6", "mtrlfl7", "mtrlfl8"}) {
        const auto* m = FindEntry(n);
        ASSERT_NE(m, nullptr) << n;
        for (const char* t : {m->text.sv, m->text.de, m->text.en}) EXPECT_EQ(Utf8Length(t), 35) << n;
    }
}

TEST(CaptionTables, QuestionnairePromptsAre57CharactersUnlessLonger) {
    // The prompt labels of the questionnaire (the two carrier-ring texts in Swedish are longer).
    int checked = 0;
    for (const auto& e : WindowCaptionTable) {
        if (e.table != 10) continue;
        for (const char* t : {e.text.sv, e.text.de, e.text.en}) {
            const std::string s = t;
            // The carrier-ring and plate-thickness prompts are printed one character shorter or
            // (Swedish carrier ring) longer; they stay as the users know them.
            const std::string c = e.control;
            if (c == "fattringtextin" || c == "plattjocktextin") {
                EXPECT_GE(Utf8Length(s), 56);
                continue;
            }
            EXPECT_EQ(Utf8Length(s), 57) << s;
            ++checked;
        }
    }
    EXPECT_GT(checked, 60);
}

TEST(CaptionTables, NoTextEmptyExceptTheValveBlanks) {
    for (const auto& e : WindowCaptionTable) {
        if (e.condition == CaptionCondition::Valve) {
            EXPECT_STREQ(e.text.sv, "");
            continue;
        }
        for (const char* t : {e.text.sv, e.text.de, e.text.en}) EXPECT_NE(std::string(t), "") << e.control;
    }
    for (const auto& e : ReportLabelTable)
        for (const char* t : {e.text.sv, e.text.de, e.text.en}) EXPECT_NE(std::string(t), "") << e.name;
    for (const auto& e : PageMenuTable)
        for (const char* t : {e.text.sv, e.text.de, e.text.en}) EXPECT_NE(std::string(t), "") << e.item;
}

TEST(CaptionTables, ResultLabelsPutTheEqualsSignInTheirColumn) {
    // Result and medium-state labels: 52 characters; construction lines 49; nozzle profile 60.
    const std::set<std::string> nozzle = {"NozzleR1LengthLabel",
                                          "NozzleR1XLabel",
                                          "NozzleR1ZLabel",
                                          "NozzleR2LengthLabel",
                                          "NozzleR2XLabel",
                                          "NozzleR2ZLabel",
                                          "NozzleRecessDiameterLabel",
                                          "NozzleRecessDepthLabel",
                                          "NozzleEMinLengthLabel",
                                          "NozzleEMaxLengthLabel",
                                          "NozzleDivergentLengthLabel",
                                          "NozzleTotalLengthLabel"};
    int labels = 0;
    for (const auto& e : ReportLabelTable) {
        const std::string name = e.name;
        for (const char* t : {e.text.sv, e.text.de, e.text.en}) {
            const std::string s = t;
            if (s.size() < 2 || s.substr(s.size() - 2) != "= ") continue;
            ++labels;
            const int n = Utf8Length(s);
            if (nozzle.count(name))
                EXPECT_EQ(n, 60) << s;
            else if (name == "AverageUncertaintyLabel")
                EXPECT_TRUE(n == 55 || n == 60) << s;
            else
                EXPECT_TRUE(n == 52 || n == 49) << name << ": " << s << " " << n;
        }
    }
    EXPECT_GT(labels, 250);
}

TEST(CaptionSets, ApplyWritesCaptionsAndLabelsOfEachLanguage) {
    ResetState();
    TForm1& f = Form1();
    ApplyLanguage('E');
    EXPECT_EQ(LanguageLetter, 'E');
    EXPECT_EQ(f.Tryckf->Caption(), "Pressurelosses");
    EXPECT_EQ(f.Tryckfsnabb->Caption(), "Pressurelosses");
    EXPECT_EQ(f.Motstandgrid.Cell(0, 1), "Resistancetype?");
    EXPECT_EQ(f.ViktVolprocGrid.Cell(5, 0), "Molar %");
    EXPECT_EQ(f.ViktVolprocGrid.Cell(2, 0), "Mass %");
    EXPECT_EQ(DensityLabel, "Density____________________________________(kg/m3)= ");
    EXPECT_EQ(DensityLabelBase, DensityLabel);
    EXPECT_EQ(EnthalpyLabelBase, "Enthalpi.(= 0 at: 0 C, 1.01325 Bar)________(kJ/kg)= ");
    EXPECT_EQ(OutputHeading, "__________________OUTPUT_____________________");
    EXPECT_EQ(f.minflowtext.Caption(), "Minimal flow?___________________________________________ ");
    EXPECT_EQ(f.Matain.Caption(), CompensationTableHint);

    ApplyLanguage('D');
    EXPECT_EQ(LanguageLetter, 'D');
    EXPECT_EQ(f.Tryckf->Caption(), "Druckverlusten");
    EXPECT_EQ(SpecificVolumeLabel, "Spezifisches Volumen______________________(dm3/kg)= ");
    EXPECT_EQ(MaxAngleLine, "Grösste Winkel Rohr/Drosselgerät__________________= 1 Grad");
    EXPECT_EQ(FittingTeeB, "90 Grad T-Stück mit/ohne Verlängerung                    ");
    EXPECT_EQ(MeasuredFromDownstreamTappingNote, "(*Von Minus-Druckentnahme gemessen)");

    ApplyLanguage('S');
    EXPECT_EQ(f.ViktVolprocGrid.Cell(0, 12), "Summa %:");
    EXPECT_EQ(KappaLabel, "Kappa (Isentropisk expansionskoefficient)_________= ");
    EXPECT_EQ(CompensationTableHint,
              "Mata in Pmin,Pmax (kPaA),Tmin,Tmax (C) och maximalt tillåtet fel. Clicka sedan på Run.");
    EXPECT_EQ(f.Trycktemplabel.Caption().rfind("Tabell för tryck/temperaturkompensering av gasdensitet, Media: ", 0),
              0u);
}

TEST(CaptionSets, UnknownLetterFallsBackToSwedish) {
    ResetState();
    ApplyLanguage('E');
    ApplyLanguage('X');
    EXPECT_EQ(LanguageLetter, 'S');
    EXPECT_EQ(Form1().Tryckf->Caption(), "Tryckförluster");
    EXPECT_EQ(DensityLabel, "Densitet___________________________________(kg/m3)= ");
    ApplyLanguage('\0');
    EXPECT_EQ(LanguageLetter, 'S');
}

// Every text the language switch owns, to compare two applications.
std::string Snapshot() {
    std::string all;
    for (const auto& e : WindowCaptionTable) {
        all += e.control;
        all += '=';
        if (e.property == CaptionProperty::Cell) {
            if (TStringGrid* g = WindowGrid(e.control)) all += g->Cell(e.col, e.row);
        } else {
            all += ControlText(e.control);
        }
        all += '\n';
    }
    for (const auto& e : ReportLabelTable) all += *e.label + '\n';
    for (const char* n : {"mtrlfl",         "mtrlror",           "bestyckningtext",
                          "maxflowtext",    "Differenstryck",    "temptext",
                          "abstrycktext",   "bermetoderrtextin", "tillvunderlagtextin",
                          "rorlitentextin", "Graftext",          "visktextin",
                          "Strypbertyp",    "strypsort",         "dkallmmtext",
                          "Ventildiamtext", "Indata1",           "Sidhuvudfot1",
                          "bestyck3",       "relabsfukt",        "adiabat"})
        all += ControlText(n) + '\n';
    return all;
}

TEST(CaptionSets, SwitchingLanguagesEqualsAFreshStart) {
    ResetState();
    std::string fresh[3];
    const char letters[3] = {'S', 'D', 'E'};
    for (int i = 0; i < 3; ++i) {
        ApplyLanguage(letters[i]);
        SetPageMenuCaptions();
        fresh[i] = Snapshot();
    }
    for (char l : {'S', 'D', 'E', 'S'}) {
        ApplyLanguage(l);
        SetPageMenuCaptions();
        const int i = l == 'S' ? 0 : l == 'D' ? 1 : 2;
        EXPECT_EQ(Snapshot(), fresh[i]) << l;
    }
    EXPECT_NE(fresh[0], fresh[1]);
    EXPECT_NE(fresh[1], fresh[2]);
}

TEST(CaptionSets, ConeValveRestrictionAndAmmoniaVariants) {
    ResetState();
    TForm1& f = Form1();
    DeviceCode = "VCONE";
    ApplyLanguage('E');
    EXPECT_EQ(f.Hldiameter1->Caption(), "V-Cone size");
    EXPECT_EQ(ThroatDiameterLabel, "Cone diameter d cold (=20 C)__________________(mm)= ");
    EXPECT_EQ(AverageUncertaintyLabel, "Specified average uncertainty btw. min- & maxflow_(%)= ");
    ApplyLanguage('S');
    EXPECT_EQ(f.Hldiameter1->Caption(), "Kondiameter");
    ApplyLanguage('D');
    EXPECT_EQ(f.Hldiameter1->Caption(), "V-Konus durchmesser");
    EXPECT_EQ(AverageUncertaintyLabel, "Durchs.Spez.Unsicherheit von kleinste bis gr.Durchfl.__(%)= ");

    DeviceCode = "S";
    CalcFunction = "Ventil";
    for (char l : {'S', 'D', 'E'}) {
        ApplyLanguage(l);
        EXPECT_EQ(f.Differenstryck1->Caption(), "");
        EXPECT_EQ(f.Tryckfrlust1->Caption(), "");
        EXPECT_EQ(f.Optimalkonstruktion1->Caption(), "");
        EXPECT_NE(f.Hldiameter1->Caption(), "");
        EXPECT_NE(f.Flde1->Caption(), "");
    }
    CalcFunction = "Strypf";
    ApplyLanguage('E');
    EXPECT_EQ(f.Differenstryck1->Caption(), "Differential pressure");

    ValveSubtype = "RO";
    ApplyLanguage('S');
    EXPECT_EQ(FlowKvLabel, "Restriktionens Kv_______________________________()= ");
    ValveSubtype = "";
    ApplyLanguage('S');
    EXPECT_EQ(FlowKvLabel, "Flödets Kv______________________________________()= ");

    MediumCode = "NH3";
    ApplyLanguage('D');
    EXPECT_EQ(EnthalpyLabel, "Enthalpi (= 0 bei: -273.15 C, 1.01325 Bar)_(kJ/kg)= ");
    EXPECT_EQ(EnthalpyLabelBase, EnthalpyLabel);
    ResetState();
}

TEST(CaptionSets, StraightLengthHeadingsFollowStandardAndDevice) {
    ResetState();
    DeviceCode = "V";
    StandardLetter = '3';
    ApplyLanguage('S');
    EXPECT_EQ(StraightLengthErrorHeading, std::string(52, ' ') + "FELBIDRAG");
    EXPECT_EQ(StraightLengthColumnHeading, "STÖRNINGSKÄLLA" + std::string(38, ' ') + "RAKSTRÄCKA (m)");
    StandardLetter = 'I';
    ApplyLanguage('S');
    EXPECT_EQ(StraightLengthErrorHeading, std::string(38, ' ') + "FELBIDRAG");
    EXPECT_EQ(StraightLengthColumnHeading, "STÖRNINGSKÄLLA" + std::string(24, ' ') + "RAKSTRÄCKA (m)");
    ApplyLanguage('D');
    EXPECT_EQ(StraightLengthErrorHeading, std::string(34, ' ') + "ZUSATZFEHLER");
    EXPECT_EQ(StraightLengthColumnHeading, "EINBAUSTÖRUNG" + std::string(21, ' ') + "GERADE ROHRSTRECKE (m)");
    ApplyLanguage('E');
    EXPECT_EQ(StraightLengthColumnHeading, "DISTURBANCE" + std::string(23, ' ') + "STRAIGHT LENGTH (m)");
    // The caption set alone (the straight-length section's path) keeps the narrow form.
    SetEnglishCaptions();
    EXPECT_EQ(StraightLengthErrorHeading, std::string(46, ' ') + "ADDITIONAL ERROR");
    DeviceCode = "KV";
    StandardLetter = '3';
    ApplyLanguage('E');
    EXPECT_EQ(StraightLengthErrorHeading, std::string(46, ' ') + "ADDITIONAL ERROR");
    EXPECT_EQ(StraightLengthMeasuredLine,
              "(Measured from upstream pressure tapping)" + std::string(5, ' ') + "0%" + std::string(13, ' ') + "0,5%");
    ResetState();
}

TEST(CaptionSets, ReportSeparatorJoinsAtTheNextApplication) {
    ResetState();
    ApplyLanguage('S');
    EXPECT_EQ(MaxAngleLine, "Max vinkel rör/primärelement______________________= 1GRAD");
    ReportSeparator = "\t";
    EXPECT_EQ(MaxAngleLine, "Max vinkel rör/primärelement______________________= 1GRAD");
    ApplyLanguage('S');
    EXPECT_EQ(MaxAngleLine, "Max vinkel rör/primärelement______________________= \t1\tGRAD");
    DeviceCode = "S";
    ApplyLanguage('D');
    EXPECT_EQ(StraightLengthMeasuredLine, "(Von Plus-Druckentnahme gemessen)" + std::string(25, ' ') + "\t0\t%" +
                                              std::string(13, ' ') + "\t0,5\t%");
    ResetState();
}

TEST(CaptionSets, ViscosityPromptFollowsTheUnit) {
    ResetState();
    TForm1& f = Form1();
    f.qbgsort.SetText("CST");
    ApplyLanguage('E');
    EXPECT_EQ(f.visktextin.Caption(), "Kinematic viscosity at operating conditions?____________ ");
    f.qbgsort.SetText("cP");
    ApplyLanguage('E');
    EXPECT_EQ(f.visktextin.Caption(), "Dynamic viscosity at operating conditions?______________ ");
}

TEST(CaptionSets, PageMenuCaptionsAndTwins) {
    TForm1& f = Form1();
    LanguageLetter = 'D';
    SetPageMenuCaptions();
    EXPECT_EQ(f.Rapport1->Caption(), "Berechnungsergebnis");
    EXPECT_EQ(f.Rapport2->Caption(), "Berechnungsergebnis");
    EXPECT_EQ(f.Sidhuvudfot1->Caption(), "Seite Anfang/Ende");
    LanguageLetter = 'E';
    SetPageMenuCaptions();
    EXPECT_EQ(f.Oskerhet1->Caption(), "Uncertainty calculations");
    // Another letter writes nothing and only copies.
    f.Indataval->SetCaption("x");
    LanguageLetter = 'Q';
    SetPageMenuCaptions();
    EXPECT_EQ(f.Indataval->Caption(), "x");
    EXPECT_EQ(f.Indata1->Caption(), "x");
    LanguageLetter = 'S';
    SetPageMenuCaptions();
    EXPECT_EQ(f.Indata1->Caption(), "Indata");
}

TEST(CaptionSets, RemoveBlanksFromLongestRunIsBounded) {
    EXPECT_EQ(RemoveBlanksFromLongestRun("a  b    c", 2), "a  b  c");
    EXPECT_EQ(RemoveBlanksFromLongestRun("a  b", 9), "ab");
    EXPECT_EQ(RemoveBlanksFromLongestRun("abc", 3), "abc");
    EXPECT_EQ(RemoveBlanksFromLongestRun("", 3), "");
}

}  // namespace
}  // namespace tubalyx

namespace tubalyx {
namespace {

TEST(CaptionTables, EveryNamedControlIsInTheWindow) {
    for (const auto& e : WindowCaptionTable) {
        TControl* c = Form1().FindComponent(e.control);
        ASSERT_NE(c, nullptr) << e.control;
        if (e.property == CaptionProperty::Cell) {
            EXPECT_NE(WindowGrid(e.control), nullptr) << e.control;
        }
    }
    for (const auto& e : PageMenuTable) {
        EXPECT_NE(WindowMenuItem(e.item), nullptr) << e.item;
        EXPECT_NE(WindowMenuItem(e.twin), nullptr) << e.twin;
    }
}

TEST(CaptionSets, MediumCaptionsFollowTheLanguage) {
    MediumCode = "VAT";
    ApplyLanguage('D');
    EXPECT_EQ(Form1().Medialabel.Caption(), "Wasser");
    EXPECT_EQ(Form1().Trycktemplabel.Caption(), "Tafel für Druck/Temperatur-Berichtigung von Gasdichte, Media: Wasser");
    ApplyLanguage('E');
    EXPECT_EQ(Form1().Medialabel.Caption(), "Water");
    MediumCode = "GAS";
}

}  // namespace
}  // namespace tubalyx
