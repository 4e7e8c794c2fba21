#include "ui/start_text.h"

#include "state/menu_state.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "texts/page_texts.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

// An empty line, then the lines of the start text in the language of `letter` ('S', 'D', 'E').
std::vector<std::string> StartTextIn(char letter) {
    std::vector<std::string> lines{""};
    for (const LangText* line :
         {&page_text::StartTextDate, &page_text::StartTextTitle, &page_text::StartTextChooseFunction,
          &page_text::StartTextYellowFields, &page_text::StartTextWhiteFields, &page_text::StartTextRun,
          &page_text::StartTextWriteOut, &page_text::StartTextContinue})
        lines.push_back(TextOf(*line, letter));
    return lines;
}

}  // namespace

const std::vector<std::string>& StartTextLines(char letter) {
    static const std::vector<std::string> swedish = StartTextIn('S');
    static const std::vector<std::string> german = StartTextIn('D');
    static const std::vector<std::string> english = StartTextIn('E');
    static const std::vector<std::string> none;
    switch (letter) {
        case 'S': return swedish;
        case 'D': return german;
        case 'E': return english;
        default: return none;
    }
}

void WriteStartText() {
    TForm1& f = Form1();
    TMemo& memo = f.Memo2;
    memo.SetTop(0);
    memo.SetWidth(InitialClientWidth);
    memo.SetHeight(InitialClientHeight);
    memo.SetFontSize(f.Font().Size / 2);
    memo.Clear();
    for (const std::string& line : StartTextLines(LanguageLetter)) memo.Add(line);
    memo.SetVisible(true);
    memo.BringToFront();
}

}  // namespace tubalyx
