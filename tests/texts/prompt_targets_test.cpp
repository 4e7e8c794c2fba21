#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "texts/caption_sets.h"
#include "texts/prompt_setters.h"
#include "texts/report_label_strings.h"
#include "texts/window_access.h"
#include "ui/form1.h"
#include "ui/medium_description.h"
#include "ui/selection_state.h"

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
    DeviceCode = "S";
    DeviceVariantCode = "R";
    StandardLetter = '3';
    CalcFunction = "Strypf";
    MediumCode = "GAS";
    SolveFor = "DI";
    PhaseLetter = 'N';
    HumidGasFlag = false;
}

TEST(PromptTargets, DeleteItemAndHeightDifferenceFittingFollowTheLanguage) {
    ResetState();
    struct Case { char letter; const char* del; const char* height; } cases[] = {
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
        {"cpbgtextin", "cptextin"}, {"cvbgtextin", "cvtextin"}, {"molekylviktbgtextin", "molekylvikttextin"},
        {"krittempbgtextin", "krittemptextin"}, {"entalpibgtextin", "entalpitextin"},
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

}  // namespace
}  // namespace tubalyx
