// Whole calculations as a user makes them: start the window, pick the function, medium and
// device from the menus, type the duty into the questionnaire and press Run. Each case reads
// the report the user sees.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "forms/screen.h"
#include "numerics/number_text.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"
#include "ui/startup.h"

using namespace tubalyx;

namespace {

struct Typed {
    const char* edit;
    const char* text;
};

struct Case {
    const char* name;
    std::vector<const char*> items;  // menu items, clicked in order
    std::vector<Typed> typed;
    std::vector<const char*> lines;  // report lines that must stand, each as the start of a line
};

void Start() {
    ResetCalculationState();
    Screen().SetSize(1600, 1200);
    MainFormUnitInit();
    CreateMainWindow();
}

void Click(const std::string& name) {
    TControl* c = Form1().FindComponent(name);
    ASSERT_NE(c, nullptr) << name;
    c->Click();
}

void Type(const std::string& name, const std::string& text) {
    auto* e = dynamic_cast<TEdit*>(Form1().FindComponent(name));
    ASSERT_NE(e, nullptr) << name;
    e->UserSetText(text);
}

// Clicks the report-size label until it shows "Big" (it cycles through three sizes).
void ChooseBigReport() {
    for (int i = 0; i < 4 && !Form1().litenstor.Caption().starts_with("Big"); ++i) Click("litenstor");
    ASSERT_TRUE(Form1().litenstor.Caption().starts_with("Big")) << Form1().litenstor.Caption();
}

std::vector<std::string> ReportLines() {
    std::vector<std::string> lines;
    const TRichEdit& report = Form1().RichEdit1;
    for (int i = 0; i < report.LineCount(); ++i) lines.push_back(report.Line(i));
    return lines;
}

// The first line that holds `text` after its leading blanks (headings are centred by blanks).
const std::string* LineStarting(const std::vector<std::string>& lines, const std::string& text) {
    auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
        const std::size_t first = l.find_first_not_of(' ');
        return first != std::string::npos && l.compare(first, text.size(), text) == 0;
    });
    return it == lines.end() ? nullptr : &*it;
}

double ValueAfterEquals(const std::string& line) {
    std::string number = line.substr(line.rfind("= ") + 2);
    return StrToFloatAnySep(number);
}

}  // namespace

TEST(EndToEnd, EachCalculationRunsFromTheMenusAndTheQuestionnaire) {
    const Case cases[] = {
        {"thermodynamics of water",
         {"English", "Termodynamik", "VAT"},
         {{"temp", "80"}, {"abstryckantal", "500"}},
         {"COMPUTERCALCULATION OF THERMODYNAMICAL DATA", "Date: ", "__________________INPUT",
          "__________________OUTPUT_____________________", "Density"}},
        {"orifice bore for water",
         {"English", "Strypel", "StrypflnsCornertappings1", "VAT"},
         {{"maxflowantal", "100"},
          {"maxflowsort", "ton/h"},
          {"difftryckmaxantal", "25"},
          {"difftryckmaxsort", "kPa"},
          {"Dstorkallmm", "100"},
          {"abstryckantal", "500"},
          {"temp", "20"}},
         {"COMPUTERCALCULATION OF THROATDEVICE FOR FLOWMEASUREMENT IN TUBES", "MAIN RESULT",
          "Throat diameter d cold (=20 C)________________(mm)= "}},
        {"valve for water",
         {"English", "Ventiler1", "VAT"},
         {{"maxflowantal", "10"}, {"maxflowsort", "ton/h"}},
         {"COMPUTERCALCULATION OF VALVEDEMANDS", "__________________OUTPUT"}},
        {"pressure loss of a water line",
         {"English", "Tryckf", "VAT"},
         {{"maxflowantal", "36"},
          {"maxflowsort", "ton/h"},
          {"Dstorkallmm", "100"},
          {"Dstorrahetmm", "0.05"},
          {"matstrack", "100"}},
         {"COMPUTERCALCULATION OF PRESSURELOSSES", "Tubelength?______", "__________________OUTPUT",
          "---------------MAINREPORT PRESSURELOSSES---------------",
          "________________PHYSICS REPORT (AT TUBE INLET)_____________"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start();
        for (const char* item : c.items) Click(item);
        for (const Typed& t : c.typed) Type(t.edit, t.text);
        ChooseBigReport();
        Click("Runbutton");
        const std::vector<std::string> lines = ReportLines();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0], c.lines[0]);
        for (const char* want : c.lines) {
            EXPECT_NE(LineStarting(lines, want), nullptr) << "missing: " << want;
        }
        static const std::regex broken("(^|[^A-Za-z])(NAN|INF|nan|inf)([^A-Za-z]|$)");
        for (const std::string& l : lines) {
            EXPECT_FALSE(std::regex_search(l, broken)) << l;
        }
        if (const std::string* bore = LineStarting(lines, "Throat diameter d cold (=20 C)")) {
            // The printed bore is the one the run solved for and keeps, whatever the bore edit
            // held before the run.
            EXPECT_NEAR(ValueAfterEquals(*bore), BoreDiameterColdMm, 0.01);
            EXPECT_GT(BoreDiameterColdMm, 20.0);
            EXPECT_LT(BoreDiameterColdMm, 100.0);
        }
        if (const std::string* density = LineStarting(lines, "Density")) {
            if (std::string(c.name) == "thermodynamics of water") {
                EXPECT_NEAR(ValueAfterEquals(*density), 971.8, 0.5);  // IAPWS, 80 C and 5 bar
            }
        }
    }
}
