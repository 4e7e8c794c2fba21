#include "ui/start_text.h"

#include "state/keywords.h"
#include "state/menu_state.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {

const std::vector<std::string>& StartTextLines(char letter) {
    static const std::vector<std::string> swedish = {
        "",
        "Tillverkningsdatum 140409",
        "KORT INSTRUKTION;",
        "Välj beräkningsfunktion med Meny.",
        "Ändra på gula (ibland vita/grå) indatafält med Click.",
        "Ändra på vita indatafält med tangentbordet.",
        "När alla data är korrekta, clicka på Run-knappen.",
        "Skriv därefter ut data via Meny/Ctrl-C.",
        "[Clicka på denna memobox för att komma vidare]",
    };
    static const std::vector<std::string> german = {
        "",
        "Herstellungstag 140409",
        "KLEINE HANDBUCH;",
        "Berechnung mit Meny wählen.",
        "Gelbe (weisse/graue) Eingabedaten mit Maus verändern.",
        "Weisse Eingabedaten mit Tastatur verändern.",
        "Wenn alle Eindaten vorhanden sind, Gelbe Run-Taste clicken.",
        "Berechnungsergebnis weiter bearbeiten durch Drucker/.txt Datei oder Ctrl-C.",
        "[\"Click\" auf diesem Box um weiter zu kommen]",
    };
    static const std::vector<std::string> english = {
        "",
        "Production date 140409",
        "SHORT MANUAL;",
        "Select function with Click on Menu.",
        "Yellow (white/grey) inputfields = change with Mouse.",
        "White inputfields = try with mouse and then keyboard.",
        "When all values are correct, click on the Run-button.",
        "Wait until mouse cursor=arrow and write the result via Menu/Ctrl-C.",
        "[Click on this Box if You want to continue]",
    };
    static const std::vector<std::string> none;
    switch (letter) {
        case kLanguageSwedish: return swedish;
        case kLanguageGerman: return german;
        case kLanguageEnglish: return english;
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
