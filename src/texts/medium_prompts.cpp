#include "texts/medium_prompts.h"

#include "numerics/text_utils.h"
#include "state/composition.h"
#include "state/keywords.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "ui/texts_window.h"

namespace tubalyx {

void SetStandardDensityPrompt() {
    // Any case of a to z: the flow-unit handlers store the unit upper-cased.
    const std::string unit = AsciiUpper(TextsWindow().maxflowsort.Text());
    const bool standard = unit.find("STANDARD_") != std::string::npos || unit == kUnitStandardMillionFeetPerDay;
    const char* text =
        TextOf(standard ? prompt_text::StandardDensityPrompt : prompt_text::NormalDensityPrompt, LanguageLetter);
    if (text == nullptr) return;  // no prompt of another language
    TextsWindow().densnormaltext.SetCaption(text);
}

namespace {

struct LimitRow {
    const char* formula;
    std::string_view keyword;
    const LangText* limit;
};

// Rows 2 to 11; the natural-gas analysis reads the grid in this order.
const LimitRow kLimitRows[10] = {
    {"CH4", kMediumMethane, &prompt_text::MethaneLimit},
    {"C2H6", kMediumEthane, &prompt_text::EthaneLimit},
    {"C3H8", kMediumPropane, &prompt_text::PropaneLimit},
    {"C4H10", kMediumButane, &prompt_text::ButanesLimit},
    {"C5H12", kMediumPentane, &prompt_text::PentanesLimit},
    {"N2", kMediumNitrogen, &prompt_text::NitrogenLimit},
    {"CO2", kMediumCarbonDioxide, &prompt_text::CarbonDioxideLimit},
    {"H2", kMediumHydrogen, &prompt_text::HydrogenLimit},
    {"CO", kMediumCarbonMonoxide, &prompt_text::CarbonMonoxideLimit},
    {"H2O", kMediumSteam, &prompt_text::WaterVapourRow},
};

// Nothing for a letter of no language: the texts then stay as they were.
const char* InLanguage(const LangText& text) { return TextOf(text, LanguageLetter); }

}  // namespace

void SetNaturalGasLimits() {
    if (MediumCode != kMediumNaturalGas) return;
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
