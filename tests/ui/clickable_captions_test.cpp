// Every label the user can click shows a caption to click on: on every page of every
// calculation function, in every language, before and after a run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/screen.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"
#include "ui/page_manager.h"
#include "ui/run_driver.h"
#include "ui/startup.h"

namespace tubalyx {
namespace {

struct Page {
    const char* item;  // the function's menu item
    const char* device;
    const char* solveFor;
    const char* medium;
};
// clang-format off
const Page kPages[] = {
    {"Strypel", "S", "DI", "VAT"},   {"Strypel", "S", "DP", "LUF"},   {"Strypel", "S", "FL", "NGAS"},
    {"Strypel", "SM", "TF", "GAS"},  {"Strypel", "V", "OK", "VAT"},   {"Strypel", "D", "OK", "G"},
    {"Kommersiellafldesmtare1", "VCONE", "DI", "LUF"}, {"Kommersiellafldesmtare1", "VOLYM", "FL", "VAT"},
    {"Termodynamik", "S", "DI", "IGAS"}, {"Termodynamik", "S", "DI", "OLJA"}, {"Termodynamik", "S", "DI", "MNG"},
    {"Tryckf", "S", "DI", "VÄT"},    {"flow", "S", "DI", "LUF"},      {"Ventiler1", "S", "DI", "VÄT"},
    {"RestrictionOrifice1", "S", "DI", "LUF"}, {"Sortomv", "S", "DI", "VAT"},
};
// clang-format on

// The shown labels that react to a click but show no text to click on.
std::vector<std::string> CaptionlessClickableLabels() {
    std::vector<std::string> found;
    for (const TControl* c : Form1().Controls()) {
        const auto* label = dynamic_cast<const TLabel*>(c);
        if (!label || !label->OnClick || !label->Visible()) continue;
        if (label->Parent() && !label->Parent()->Visible()) continue;
        if (label->Caption().find_first_not_of(' ') == std::string::npos) found.push_back(label->Name());
    }
    return found;
}

TEST(ClickableCaptions, EveryShownClickableLabelHasACaptionOnEveryPageInEveryLanguage) {
    for (const char* language : {"Svenska", "Deutsch", "English"}) {
        ResetCalculationState();
        Screen().SetSize(1600, 1000);
        MainFormUnitInit();
        CreateMainWindow();
        TForm1& f = Form1();
        TControl* choose = f.FindComponent(language);
        ASSERT_NE(choose, nullptr) << language;
        choose->Click();
        for (const Page& page : kPages) {
            const std::string where =
                std::string(language) + " " + page.item + " " + page.device + " " + page.solveFor + " " + page.medium;
            f.FindComponent(page.item)->Click();
            MediumCode = page.medium;
            if (std::string(page.item) == "Strypel" || std::string(page.item) == "Kommersiellafldesmtare1") {
                DeviceCode = page.device;
                SolveFor = page.solveFor;
            }
            LayoutTop = 0;
            PageManager('S', LayoutTop);
            EXPECT_EQ(CaptionlessClickableLabels(), std::vector<std::string>{}) << where;
            RunCalculation();
            EXPECT_EQ(CaptionlessClickableLabels(), std::vector<std::string>{}) << where << " after Run";
        }
    }
}

}  // namespace
}  // namespace tubalyx
