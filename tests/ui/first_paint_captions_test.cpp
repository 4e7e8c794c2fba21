// The window speaks its language from the first paint: every caption a fresh window shows is
// the one it shows after the user switches to another language and back.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "forms/screen.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"
#include "ui/startup.h"

namespace tubalyx {
namespace {

void AddItems(const TMenuItem& item, std::map<std::string, std::string>& captions) {
    captions[item.Name()] = item.Caption();
    for (const auto& child : item.Items()) AddItems(*child, captions);
}

// Every caption of the window: its menus' items and its labels.
std::map<std::string, std::string> Captions() {
    std::map<std::string, std::string> captions;
    const TForm1& f = Form1();
    for (const TMenuItem* menu : f.Menus()) AddItems(*menu, captions);
    for (const TControl* c : f.Controls())
        if (const auto* label = dynamic_cast<const TLabel*>(c)) captions[label->Name()] = label->Caption();
    return captions;
}

TEST(FirstPaintCaptions, AFreshWindowShowsTheCaptionsOfItsLanguage) {
    const struct { const char *other, *back; } switches[] = {{"Svenska", "English"}, {"Deutsch", "English"}};
    for (const auto& s : switches) {
        ResetCalculationState();
        Screen().SetSize(1600, 1000);
        MainFormUnitInit();
        CreateMainWindow();
        TForm1& f = Form1();
        // The start text covers the page: the start language is the one the window opens with.
        const std::map<std::string, std::string> first = Captions();
        f.FindComponent(s.other)->Click();
        f.FindComponent(s.back)->Click();
        const std::map<std::string, std::string> again = Captions();
        for (const auto& [name, caption] : again)
            EXPECT_EQ(first.at(name), caption) << name << " after " << s.other << " and back";
        // The items the issue found in Swedish in an English window.
        EXPECT_EQ(first.at("Propanvtska1"), "C3H8 Propane (liquid)");
        EXPECT_EQ(first.at("Olja"), "Oil");
    }
}

}  // namespace
}  // namespace tubalyx
