#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "selection_reset.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "texts/prompt_setters.h"
#include "texts/report_label_strings.h"
#include "texts/window_access.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

// The setters write controls found by name; a missing one would silently lose its text.
TControl& Named(const char* name) {
    TControl* c = FindWindowControl(name);
    EXPECT_NE(c, nullptr) << name;
    static TLabel dummy{"dummy"};
    return c ? *c : dummy;
}

void ResetState() {
    ResetTextSelection();
    HumidGasFlag = false;
}

TEST(PromptTargets, DeleteItemAndHeightDifferenceFittingFollowTheLanguage) {
    ResetState();
    struct Case {
        char letter;
        const char* del;
        const char* height;
    } cases[] = {
        {'S', "Radera", "Höjdskillnad utlopp minus inlopp"},
        {'D', "Löscheln", "Höheunterschied Auslauf minus Einlauf"},
        {'E', "Close", "Heightdifference Outlet minus Inlet"},
    };
    for (const Case& c : cases) {
        ApplyLanguage(c.letter);
        ASSERT_NE(WindowMenuItem("Radera"), nullptr);
        ASSERT_NE(WindowMenuItem("Hojdmotstand"), nullptr);
        EXPECT_EQ(WindowMenuItem("Radera")->Caption(), c.del) << c.letter;
        EXPECT_EQ(WindowMenuItem("Hojdmotstand")->Caption(), c.height) << c.letter;
    }
    // The delete item belongs to the component pop-up, the height difference to the fittings.
    auto holds = [](const TMenuItem& menu, const char* name) {
        for (const auto& item : menu.Items())
            if (item->Name() == name) return true;
        return false;
    };
    EXPECT_TRUE(holds(Form1().Media1menu, "Radera"));
    EXPECT_TRUE(holds(Form1().MotstandPopup, "Hojdmotstand"));
    // It is not the fitting grid's "Radera1".
    EXPECT_EQ(Form1().Radera1->Caption(), "Eliminate");
}

TEST(PromptTargets, PropertyBoxLabelsCopyTheirQuestionnaireTwins) {
    ResetState();
    MediumCode = "G";
    ApplyLanguage('D');
    const std::pair<const char*, const char*> twins[] = {
        {"cpbgtextin", "cptextin"},
        {"cvbgtextin", "cvtextin"},
        {"molekylviktbgtextin", "molekylvikttextin"},
        {"krittempbgtextin", "krittemptextin"},
        {"entalpibgtextin", "entalpitextin"},
    };
    for (auto [box, twin] : twins) {
        ASSERT_NE(WindowLabel(box), nullptr) << box;
        EXPECT_EQ(ControlText(box), ControlText(twin)) << box;
        EXPECT_TRUE(Named(box).Visible()) << box;
    }
    EXPECT_EQ(ControlText("cpbgtextin"), "Cp von trocken Gas bei Betriebsbedingungen?___(J/(kg*K)) ");
    EXPECT_EQ(ControlText("entalpibgtextin"), "Entalpi bei Betriebszustand?_____________________(kJ/kg) ");
    // A dry gas shows neither molar mass, critical temperature nor enthalpy.
    MediumCode = "GAS";
    ApplyLanguage('E');
    EXPECT_TRUE(Named("cvbgtextin").Visible());
    EXPECT_FALSE(Named("molekylviktbgtextin").Visible());
    EXPECT_FALSE(Named("krittempbgtextin").Visible());
    EXPECT_FALSE(Named("entalpibgtextin").Visible());
    HumidGasFlag = true;
    ApplyLanguage('E');
    EXPECT_TRUE(Named("molekylviktbgtextin").Visible());
    EXPECT_TRUE(Named("krittempbgtextin").Visible());
    EXPECT_FALSE(Named("entalpibgtextin").Visible());
    HumidGasFlag = false;
}

TEST(PromptTargets, OilRowsHaveTheirOwnLabels) {
    ResetState();
    TForm1& f = Form1();
    f.rbg.SetHeight(20);
    MediumCode = "OLJA";
    ApplyLanguage('D');
    TControl& v40 = Named("visk40bgtextin");
    TControl& v100 = Named("visk100bgtextin");
    EXPECT_EQ(ControlText("densdriftbgtextin"), "Densitet vid 15 C?_______________________________(kg/m3) ");
    EXPECT_EQ(ControlText("visk40bgtextin"), "Kinematisk viskositet vid 40 C?_________________________ ");
    EXPECT_EQ(ControlText("visk100bgtextin"), "Kinematisk viskositet vid 100 C?________________________ ");
    EXPECT_TRUE(v40.Visible());
    EXPECT_TRUE(v100.Visible());
    // The hidden rows keep the questionnaire's texts.
    EXPECT_FALSE(f.viskbgtextin.Visible());
    EXPECT_FALSE(Named("cpbgtextin").Visible());
    EXPECT_EQ(f.viskbgtextin.Caption(), f.visktextin.Caption());
    EXPECT_EQ(ControlText("cpbgtextin"), ControlText("cptextin"));
    const int font = std::abs(f.Font().Height());
    EXPECT_EQ(v40.Top(), font + 20);
    EXPECT_EQ(v100.Top(), font + 40);
    EXPECT_EQ(f.q40bg.Top(), v40.Top());
    EXPECT_EQ(f.q100bgsort.Top(), v100.Top());
    MediumCode = "GAS";
    ApplyLanguage('E');
    EXPECT_FALSE(v40.Visible());
    EXPECT_FALSE(v100.Visible());
    EXPECT_TRUE(f.viskbgtextin.Visible());
}

TEST(PromptTargets, TheLanguageSwitchWritesTheUncertaintyGridCaptionsInTheNewLanguage) {
    ResetState();
    DeviceCode = "S";
    ApplyLanguage('E');
    ApplyLanguage('D');
    const TStringGrid& grid = Form1().Felsimulgrid;
    EXPECT_EQ(grid.Cell(0, 1), "Norm Unsicherheit                             1.");
    EXPECT_EQ(grid.Cell(0, 0), "Durchfluss (% von Durchflussendwert)");
    EXPECT_EQ(ControlText("reynstortextin").rfind("Soll Normgrenze", 0), 0u);
}

TEST(PromptTargets, OptimalDesignGivesTheFourteenItemListForEveryStandardAndDevice) {
    ResetState();
    SolveFor = "OK";
    for (char standard : {'3', 'I', 'D'})
        for (const char* device : {"S", "V", "KV", "D", "DL", "VK", "SM"}) {
            StandardLetter = standard;
            DeviceCode = device;
            ApplyLanguage('S');
            EXPECT_EQ(ControlText("bestyck1"), "1.En(/två, avstånd>30D) 90 graders böj(ar)           ")
                << standard << device;
            EXPECT_EQ(ControlText("bestyck14"), "14.Termometerficka >3% & <13% av rördiameter          ")
                << standard << device;
        }
    ResetState();
}

TEST(PromptTargets, OptionPromptsInEveryLanguageWithBothAnswers) {
    ResetState();
    struct Case {
        char letter;
        const char* root;      // OnlineFlowMethod other than "N"
        const char* standard;  // OnlineFlowMethod "N"
        const char* largeTubeNo;
        const char* largeTubeHint;
        const char* methodN;  // standard devices, UncertaintyMethodCode "N"
    } cases[] = {
        {'S', "Beräkningmetod vid beräkning av flöde = Rot/Norm___(R/N)      R",
         "Beräkningmetod vid beräkning av flöde = Rot/Norm___(R/N)      N",
         "Skall normgränsen för stort rör gälla?_________________(J/N)  N",
         "Kan överskridas utan risk enligt VDI/VDE 2040.1, Pos 4.2",
         "Norm/Flödesberäkningsmetod 1/2/3?_______________________(N/1/2/3) N"},
        {'D', "Berechnung vom Durchfluss= Quadratwurzel/Norm______(Q/N)      Q",
         "Berechnung vom Durchfluss= Quadratwurzel/Norm______(Q/N)      N",
         "Soll Normgrenze für grössten Rohr genützt werden?______(J/N)  N",
         "Möglich zu überschreiten ohne Risiko; Hinweisung VDI/VDE 2040.1, Pos 4.2",
         "Norm/Durchflussberchnung 1/2/3?_________________________(N/1/2/3) N"},
        {'E', "Calc. method at online calculation of flow= root/standard_(R/S) R",
         "Calc. method at online calculation of flow= root/standard_(R/S) S",
         "Shall standardlimit for maximal tubesize be used?______(Y/N)  N",
         "Can be violated without any risk according to VDI/VDE 2040.1, Pos 4.2",
         "Standard/Flowcalculationmethod 1/2/3?___________________(S/1/2/3) S"},
    };
    for (const Case& c : cases) {
        LanguageLetter = c.letter;
        OnlineFlowMethod = "R";
        SetRootOrStandardPrompt();
        EXPECT_EQ(ControlText("bermetodtextin"), c.root);
        OnlineFlowMethod = "N";
        SetRootOrStandardPrompt();
        EXPECT_EQ(ControlText("bermetodtextin"), c.standard);
        AllowLargePipeFlag = "N";
        SetLargeTubeLimitPrompt();
        EXPECT_EQ(ControlText("rorstortextin"), c.largeTubeNo);
        EXPECT_EQ(Named("rorstortextin").Hint(), c.largeTubeHint);
        AllowLargePipeFlag = "J";
        SetLargeTubeLimitPrompt();
        const std::string yes = ControlText("rorstortextin");
        EXPECT_EQ(yes.substr(yes.size() - 3), c.letter == 'E' ? "  Y" : "  J");
        UncertaintyMethodCode = "N";
        SetCalcMethodPrompt();
        EXPECT_EQ(ControlText("bermetoderrtextin"), c.methodN);
    }
    // A digit is appended once, also for the volume meters, whose own answers are L and P.
    DeviceCode = "VOLYM";
    UncertaintyMethodCode = "1";
    SetCalcMethodPrompt();
    EXPECT_EQ(ControlText("bermetoderrtextin"),
              "Linear (q=constant*(Volt/timediff))/Polynom calc. (q=variable*(Volt/timediff)) of flow?(L/P) 1");
    // An unknown letter leaves the option prompts as they were.
    LanguageLetter = 'Q';
    SetRootOrStandardPrompt();
    SetCalcMethodPrompt();
    EXPECT_EQ(ControlText("bermetodtextin"), cases[2].standard);
    UncertaintyMethodCode = "N";
    ResetState();
}

TEST(PromptTargets, CarrierRingTextsFollowTheStandardAndConeLabelsTheWaferToo) {
    ResetState();
    StandardLetter = 'D';
    ApplyLanguage('E');
    EXPECT_EQ(ControlText("fattringtextin"), "Length of the upstream ring?_(c, DIN 1952, Bild 4)_(mm) ");
    EXPECT_EQ(CarrierRingDiameterHeading, " -Inner diameter of the carrier rings (b, DIN 1952, Bild 4)-");
    StandardLetter = 'I';
    ApplyLanguage('S');
    EXPECT_EQ(ControlText("fattringtextin"), "Fattningsringens uppströms bredd? (c, ISO 5167, Fig.6)_(mm) ");
    EXPECT_EQ(CarrierRingDiameterHeading, " -Fattningsringens diameter (b, ISO 5167, Fig.6)-");
    StandardLetter = '3';
    ApplyLanguage('D');
    EXPECT_EQ(CarrierRingDiameterHeading, " -Innendurchmesser der Fassungsringe (b, ISO 5167, Fig.6)-");

    DeviceCode = "VCONEWAFER";
    ApplyLanguage('S');
    EXPECT_EQ(ControlText("Hldiameter1"), "Kondiameter");
    EXPECT_EQ(ThroatDiameterInchLabel, "Kondiameter d, kall (=20 C)__________________(tum)= ");
    EXPECT_EQ(BoreTemperatureFactorLabel, "Temperaturkorrektionsfaktor kondiameter___________= ");
    ApplyLanguage('D');
    EXPECT_EQ(UncertaintyAtFlowLabel, "Unsicherheit durch Spez. bei berechnet Durchfl_(%)= ");
    DeviceCode = "V";
    ApplyLanguage('S');
    EXPECT_EQ(ControlText("Hldiameter1"), "Håldiameter");
    EXPECT_EQ(ThroatDiameterInchLabel, "Håldiameter d, kall (=20 C)__________________(tum)= ");
    EXPECT_EQ(UncertaintyAtFlowLabel, "Osäkerhet i norm vid beräknat flöde____________(%)= ");
    ApplyLanguage('D');
    EXPECT_EQ(UncertaintyAtFlowLabel, "Unsicherheit durch Norm bei berechnet Durchfl__(%)= ");
    ResetState();
}

}  // namespace
}  // namespace tubalyx
