#include "texts/medium_prompts.h"

#include "numerics/text_utils.h"
#include "state/composition.h"
#include "state/selections.h"
#include "ui/texts_window.h"

namespace tubalyx {

void SetStandardDensityPrompt() {
    // Any case of a to z: the flow-unit handlers store the unit upper-cased.
    const std::string unit = AsciiUpper(TextsWindow().maxflowsort.Text());
    const bool standard = unit.find("STANDARD_") != std::string::npos || unit == "MMSCFD";
    const char* text = nullptr;
    switch (LanguageLetter) {
        case 'S':
            text = standard ? "Densitet vid standard P,T?_(1.01325 BarA,60 F)___(kg/m3) "
                            : "Densitet vid normaltillstånd?_(1.01325 BarA,0 C)_(kg/m3) ";
            break;
        case 'D':
            text = standard ? "Dichte Gas bei Standard P,T?_(1.01325 Barü,60 F)_(kg/m3) "
                            : "Dichte Gas bei Normzustand?_(1.01325 Bar,0 C)____(kg/m3) ";
            break;
        case 'E':
            text = standard ? "Density at standard P,T?_(1.01325 BarG,60 F)_____(kg/m3) "
                            : "Density at standard conditions?(1.01325 Bar,0 C)_(kg/m3) ";
            break;
        default: return;  // no prompt of another language
    }
    TextsWindow().densnormaltext.SetCaption(text);
}

namespace {

struct LimitRow {
    const char* formula;
    const char* keyword;
    const char* swedish;
    const char* german;
    const char* english;
};

// Rows 2 to 11; the natural-gas analysis reads the grid in this order.
const LimitRow kLimitRows[10] = {
    {"CH4", "CH4", "Metan > 70 Mol %", "Methan > 70 Molare %", "Methane > 70 Molar %"},
    {"C2H6", "C2H6", "Etan < 10 Mol %", "Ethan < 10 Molare %", "Ethane < 10 Molar %"},
    {"C3H8", "C3H8", "Propan < 3,5 Mol %", "Propan < 3,5 Molare %", "Propane < 3,5 Molar %"},
    {"C4H10", "C4H10", "Butanes < 1,5 Mol %", "Butanes < 1,5 Molare %", "Butanes < 1,5 Molar %"},
    {"C5H12", "C5H12", "Pentanes < 0,5 Mol %", "Pentanes < 0,5 Molare %", "Pentanes < 0,5 Molar %"},
    {"N2", "N2", "Kväve < 20 Mol %", "Stickstoff < 20 Molare %", "Nitrogen < 20 Molar %"},
    {"CO2", "CO2", "Koldioxid < 20 Mol %", "Kohlendioxide < 20 Molare %", "Carbon Dioxide < 20 Molar %"},
    {"H2", "H2", "Vätgas < 10 Mol %", "Wasserstoff H2 < 10 Molare %", "Hydrogen < 10 Molar %"},
    {"CO", "CO", "Kolmonoxid < 3 Mol %", "Carbon monoxide < 3 Molare %", "Carbon monoxide < 3 Molar %"},
    {"H2O", "ANG", "Vattenånga", "Wasser", "Water"},
};

// Nothing for a letter of no language: the texts then stay as they were.
const char* ByLanguage(const char* s, const char* d, const char* e) {
    switch (LanguageLetter) {
        case 'S': return s;
        case 'D': return d;
        case 'E': return e;
        default: return nullptr;
    }
}

}  // namespace

void SetNaturalGasLimits() {
    if (MediumCode != "NGAS") return;
    const TextControls& f = TextsWindow();
    for (int n = 0; n < 10; ++n) {
        const LimitRow& r = kLimitRows[n];
        const int row = n + 2;
        f.ViktVolprocGrid.SetCell(0, row, r.formula);
        MixtureComponentKeyword[row] = r.keyword;
        const char* limit = ByLanguage(r.swedish, r.german, r.english);
        if (!limit) continue;
        f.ViktVolprocGrid.SetCell(1, row, limit);
        if (row == 4) {
            if (f.Propan1)
                f.Propan1->SetCaption(ByLanguage("C3H8 Propan (gas)", "C3H8 Propane (gas)", "C3H8 Propane (gas)"));
            if (f.Propanvtska1)
                f.Propanvtska1->SetCaption(
                    ByLanguage("C3H8 Propan (vätska)", "C3H8 Propane (flüssig)", "C3H8 Propane (liquid)"));
            if (f.C3H81 && f.Propan1) f.C3H81->SetCaption(f.Propan1->Caption());
        }
    }
}

void SetNaturalGasLimitsRest() { SetNaturalGasLimits(); }

}  // namespace tubalyx
