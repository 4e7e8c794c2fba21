// Prompts that follow the function, the phase and the units: pressure, temperature,
// differential pressure, flow, diameters and the medium property box.
#include <cstdlib>

#include "numerics/number_text.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_data.h"
#include "texts/prompt_setters.h"
#include "texts/report_label_strings.h"
#include "texts/window_access.h"
#include "ui/texts_window.h"

namespace tubalyx {

using namespace prompt_text;

namespace {

void SetVisible(const char* name, bool visible) {
    if (TControl* c = FindWindowControl(name)) c->SetVisible(visible);
}
bool IsVisible(const char* name) {
    TControl* c = FindWindowControl(name);
    return c && c->Visible();
}
void SetColour(const char* name, TColor colour) {
    if (TControl* c = FindWindowControl(name)) c->SetColor(colour);
}
void Write(const char* name, const char* text) {
    if (text) SetControlText(name, text);
}

bool IsLiquefiedGasMedium() {
    return MediumCode == "AR" || MediumCode == "H2" || MediumCode == "O2" || MediumCode == "N2" ||
           MediumCode == "CO2" || MediumCode == "O3";
}

}  // namespace

std::string PadPromptToUnit(const std::string& text, const std::string& unit) {
    const std::string tail = "(" + unit + ") ";
    return PadRight(text, 57 - Utf8Length(tail), '_') + tail;
}

void SetAdiabaticPrompt(char letter) {
    const LangText& t = letter == 'A' ? AdiabaticFlowPrompt : IsothermalFlowPrompt;
    Write("adiabat", TextOrEnglish(t, LanguageLetter));
}

void SetTemperaturePrompt() {
    const char L = LanguageLetter;
    const LangText& t = CalcFunction == "Strypf"  ? TemperaturePromptStrypf
                        : CalcFunction == "Termo" ? TemperaturePromptTermo
                                                  : TemperaturePromptOther;
    TemperatureRangeLabel = TextOrEnglish(t, L);
    if (CalcFunction == "Strypf" && IsVisible("tempmintext")) {
        Write("temptext", TextOrEnglish(TemperatureMaxPromptStrypf, L));
        Write("tempmintext", TextOrEnglish(TemperatureMinPromptStrypf, L));
    } else {
        SetControlText("temptext", TemperatureRangeLabel);
    }
    SetVisible("temp", true);
    SetVisible("tempsort", true);
}

void SetStaticPressurePrompt() {
    const char L = LanguageLetter;
    const bool absolute = ConvertPressureEntry(ControlText("abstrycksort")) == "A";
    const LangText& t = CalcFunction == "Strypf" ? (absolute ? PressureAbsolutePromptStrypf : PressureGaugePromptStrypf)
                        : CalcFunction == "Termo" ? (absolute ? PressureAbsolutePromptTermo : PressureGaugePromptTermo)
                                                  : (absolute ? PressureAbsolutePromptOther : PressureGaugePromptOther);
    PressureRangeLabel = TextOrEnglish(t, L);
    if (CalcFunction == "Strypf" && IsVisible("abstryckmaxtext")) {
        Write("abstryckmaxtext",
              TextOrEnglish(absolute ? PressureAbsoluteMaxPromptStrypf : PressureGaugeMaxPromptStrypf, L));
        Write("abstrycktext",
              TextOrEnglish(absolute ? PressureAbsoluteMinPromptStrypf : PressureGaugeMinPromptStrypf, L));
    } else {
        SetControlText("abstrycktext", PressureRangeLabel);
    }
    SetVisible("abstryckantal", true);
    SetVisible("abstrycksort", true);
}

void SetPressureTemperatureLabels() {
    const char L = LanguageLetter;
    if (!IsLiquefiedGasMedium()) {
        SetColour("abstrycktext", clBtnFace);
        SetColour("temptext", clBtnFace);
        SetStaticPressurePrompt();
        if (MediumCode != "MNG") SetTemperaturePrompt();
        return;
    }
    SetColour("abstrycktext", clYellow);
    SetColour("temptext", clYellow);
    switch (PhaseLetter) {
        case 'N':
            SetStaticPressurePrompt();
            SetTemperaturePrompt();
            break;
        case 'G':
        case 'V':
            Write("abstrycktext",
                  TextOrEnglish(PhaseLetter == 'G' ? SaturatedGasPhasePrompt : LiquidAtBoilingLimitPhasePrompt, L));
            SetTemperaturePrompt();
            SetVisible("abstryckantal", false);
            SetVisible("abstrycksort", false);
            break;
        case 'H':
        case 'X':
            Write("temptext",
                  TextOrEnglish(PhaseLetter == 'H' ? SaturatedGasPhasePrompt : BoilingLiquidPhasePrompt, L));
            SetStaticPressurePrompt();
            SetVisible("temp", false);
            SetVisible("tempsort", false);
            break;
        default: break;
    }
}

void SetDiffPressurePrompt() {
    const LangText& t = CalcFunction == "Strypf"   ? DiffPressurePromptStrypf
                        : CalcFunction == "Ventil" ? DiffPressurePromptVentil
                                                   : DiffPressurePromptOther;
    Write("Differenstryck", TextOrSwedish(t, LanguageLetter));
}

void SetMaxFlowPrompt() {
    const char L = LanguageLetter;
    const bool swedish = L != 'D' && L != 'E';
    if (swedish && ValveSubtype == "RO" && CalcFunction == "Ventil") {
        Write("maxflowtext", MaxFlowGivenFlag == "J" ? RestrictionKvPromptSwedish.sv : MaxFlowPromptPlain.sv);
        return;
    }
    const LangText& t = CalcFunction == "Tryckf"  ? MaxFlowPromptTryckf
                        : MaxFlowGivenFlag == "J" ? MaxFlowPromptAdjusted
                                                  : MaxFlowPromptPlain;
    Write("maxflowtext", TextOrSwedish(t, L));
}

void SetConeDiameterPrompt() {
    const char L = LanguageLetter;
    const std::string unit = ControlText("dstorkallsort");
    if (DeviceCode == "VCONE" || DeviceCode == "VCONEWAFER") {
        const char* base =
            (L == 'S' && unit == "mm") ? ConeDiameterPromptSwedishMm.sv : TextOf(ConeDiameterPromptBase, L);
        if (base) SetControlText("dkallmmtext", PadPromptToUnit(base, unit));
    } else {
        if (const char* h = TextOf(SegmentHeightPromptBase, L)) SetControlText("hkallmmtext", PadPromptToUnit(h, unit));
        if (const char* d = TextOf(ThroatDiameterPromptBase, L))
            SetControlText("dkallmmtext", PadPromptToUnit(d, unit));
    }
    // The number never fails to read (a text that is no number gives 0).
    const double factor = unit == "mm" ? 1.0 : 25.4;
    BoreDiameterColdMm = StrToFloatSafe(ControlText("dkallmm")) * factor;
    BoreDiameterColdM = BoreDiameterColdMm * 0.001;
    SegmentHeightColdMm = StrToFloatSafe(ControlText("hkallmm")) * factor;
    SegmentHeightColdM = SegmentHeightColdMm * 0.001;
}

void SetValveDiameterPrompt() {
    const char L = LanguageLetter;
    const std::string unit = ControlText("dstorkallsort");
    if (const char* base = TextOf(ValveDiameterPromptBase, L)) {
        std::string prompt = PadPromptToUnit(base, unit);
        if (L == 'D' && unit == "Zoll") prompt = std::string(base) + "________  (Zoll) ";
        SetControlText("Ventildiamtext", prompt);
    }
    ValveDiameterColdMm = StrToFloatSafe(ControlText("Ventilkallmm")) * (unit == "mm" ? 1.0 : 25.4);
    ValveDiameterColdM = ValveDiameterColdMm * 0.001;
}

void SetOilInputPrompts() {
    SetControlText("densdriftbgtextin", ControlText("densdrifttextin"));
    SetControlText("viskbgtextin", ControlText("visktextin"));
    SetControlText("cpbgtextin", ControlText("cptextin"));
    SetControlText("cvbgtextin", ControlText("cvtextin"));
    SetControlText("molekylviktbgtextin", ControlText("molekylvikttextin"));
    SetControlText("krittempbgtextin", ControlText("krittemptextin"));
    SetControlText("entalpibgtextin", ControlText("entalpitextin"));
    SetControlText("Z1bgtextin", Z1Prompt);
    SetControlText("Znbgtextin", ZnPrompt);

    const bool oil = MediumCode == "OLJA";
    if (oil) {
        SetControlText("densdriftbgtextin", OilDensityPrompt.sv);
        SetControlText("visk40bgtextin", OilViscosity40Prompt.sv);
        SetControlText("visk100bgtextin", OilViscosity100Prompt.sv);
    }
    const bool humidGas = (MediumCode == "GAS" || MediumCode == "IGAS") && HumidGasFlag;
    const bool realGas = MediumCode == "IGAS";
    if (realGas) {
        SetControlText("densdriftbgtextin", ControlText("densnormaltext"));
        SetControlText("viskbgtextin", ControlText("visktextin"));
    }
    // Rows of the box in their order: edits (with unit boxes) and whether each is shown.
    struct Row {
        const char* label;
        const char* edit;
        const char* unit;
        bool shown;
    };
    const Row rows[] = {
        {"densdriftbgtextin", "rbg", nullptr, true},
        {"viskbgtextin", "qbg", "qbgsort", !oil},
        {"visk40bgtextin", "q40bg", "q40bgsort", oil},
        {"visk100bgtextin", "q100bg", "q100bgsort", oil},
        {"cpbgtextin", "cpbg", nullptr, !oil},
        {"cvbgtextin", "cvbg", nullptr, !oil},
        {"molekylviktbgtextin", "molekylviktbg", nullptr, MediumCode == "G" || humidGas},
        {"krittempbgtextin", "krittempbg", nullptr, MediumCode == "G" || humidGas},
        {"entalpibgtextin", "entalpibg", nullptr, MediumCode == "G"},
        {"Z1bgtextin", "Z1bg", nullptr, realGas},
        {"Znbgtextin", "Znbg", nullptr, realGas},
    };
    TEdit* rbg = WindowEdit("rbg");
    const int step = rbg ? rbg->Height() : 0;
    const int fontHeight = std::abs(TextsWindow().Font().Height());
    int top = fontHeight;
    for (const Row& r : rows) {
        if (r.label) SetVisible(r.label, r.shown);
        SetVisible(r.edit, r.shown);
        if (r.unit) SetVisible(r.unit, r.shown);
        if (!r.shown) continue;
        if (r.label)
            if (TControl* l = FindWindowControl(r.label)) l->SetTop(top);
        if (TControl* e = FindWindowControl(r.edit)) e->SetTop(top);
        if (r.unit)
            if (TControl* u = FindWindowControl(r.unit)) u->SetTop(top);
        top += step;
    }
    TControl* box = FindWindowControl("GroupBox1");
    if (!box) return;
    int k = -1;
    if (MediumCode == "GAS")
        k = HumidGasFlag ? 6 : 4;
    else if (oil)
        k = 3;
    else if (MediumCode == "VÄT")
        k = 2;
    else if (realGas)
        k = 8;
    if (MediumCode == "G")
        box->SetClientHeight(8 * step);
    else if (k > 0)
        box->SetClientHeight(fontHeight + k * step);
}

}  // namespace tubalyx
