#include "texts/medium_prompts.h"

#include "numerics/text_utils.h"
#include "state/composition.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "ui/texts_window.h"

namespace tubalyx {

void SetStandardDensityPrompt() {
    // Any case of a to z: the flow-unit handlers store the unit upper-cased.
    const std::string unit = AsciiUpper(TextsWindow().maxflowsort.Text());
    const bool standard = unit.find("STANDARD_") != std::string::npos || unit == "MMSCFD";
    const char* text =
        TextOf(standard ? prompt_text::StandardDensityPrompt : prompt_text::NormalDensityPrompt, LanguageLetter);
    if (text == nullptr) return;  // no prompt of another language
    TextsWindow().densnormaltext.SetCaption(text);
}

namespace {

struct LimitRow {
    const char* formula;
    const char* keyword;
    const LangText* limit;
};

// Rows 2 to 11; the natural-gas analysis reads the grid in this order.
const LimitRow kLimitRows[10] = {
    {"CH4", "CH4", &prompt_text::MethaneLimit},       {"C2H6", "C2H6", &prompt_text::EthaneLimit},
    {"C3H8", "C3H8", &prompt_text::PropaneLimit},     {"C4H10", "C4H10", &prompt_text::ButanesLimit},
    {"C5H12", "C5H12", &prompt_text::PentanesLimit},  {"N2", "N2", &prompt_text::NitrogenLimit},
    {"CO2", "CO2", &prompt_text::CarbonDioxideLimit}, {"H2", "H2", &prompt_text::HydrogenLimit},
    {"CO", "CO", &prompt_text::CarbonMonoxideLimit},  {"H2O", "ANG", &prompt_text::WaterVapourRow},
};

// Nothing for a letter of no language: the texts then stay as they were.
const char* InLanguage(const LangText& text) { return TextOf(text, LanguageLetter); }

}  // namespace

void SetNaturalGasLimits() {
    if (MediumCode != "NGAS") return;
    const TextControls& f = TextsWindow();
    for (int n = 0; n < 10; ++n) {
        const LimitRow& r = kLimitRows[n];
        const int row = n + 2;
        f.ViktVolprocGrid.SetCell(0, row, r.formula);
        MixtureComponentKeyword[row] = r.keyword;
        const char* limit = InLanguage(*r.limit);
        if (!limit) continue;
        f.ViktVolprocGrid.SetCell(1, row, limit);
        if (row == 4) {
            if (f.Propan1) f.Propan1->SetCaption(InLanguage(prompt_text::PropaneGasItem));
            if (f.Propanvtska1) f.Propanvtska1->SetCaption(InLanguage(prompt_text::PropaneLiquidItem));
            if (f.C3H81 && f.Propan1) f.C3H81->SetCaption(f.Propan1->Caption());
        }
    }
}

void SetNaturalGasLimitsRest() { SetNaturalGasLimits(); }

}  // namespace tubalyx
