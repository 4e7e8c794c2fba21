// Prompts that follow the function, the phase and the units: pressure, temperature,
// differential pressure, flow, diameters and the medium property box.
#include <cstdlib>

#include "media/medium_identification.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "state/geometry.h"
#include "state/keywords.h"
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

}  // namespace

std::string PadPromptToUnit(const std::string& text, const std::string& unit) {
    const std::string tail = "(" + unit + ") ";
    return PadRight(text, 57 - Utf8Length(tail), '_') + tail;
}

void SetAdiabaticPrompt(char letter) {
    const LangText& t = letter == kExpansionAdiabatic ? AdiabaticFlowPrompt : IsothermalFlowPrompt;
    Write("adiabat", TextOrEnglish(t, LanguageLetter));
}

void SetTemperaturePrompt() {
    const char L = LanguageLetter;
    const LangText& t = CalcFunction == kFunctionPrimaryDevice    ? TemperaturePromptStrypf
                        : CalcFunction == kFunctionThermodynamics ? TemperaturePromptTermo
                                                                  : TemperaturePromptOther;
    TemperatureRangeLabel = TextOrEnglish(t, L);
    if (CalcFunction == kFunctionPrimaryDevice && IsVisible("tempmintext")) {
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
    const bool absolute = ConvertPressureEntry(ControlText("abstrycksort")) == kUnitAbsolutePressure;
    const LangText& t =
        CalcFunction == kFunctionPrimaryDevice ? (absolute ? PressureAbsolutePromptStrypf : PressureGaugePromptStrypf)
        : CalcFunction == kFunctionThermodynamics ? (absolute ? PressureAbsolutePromptTermo : PressureGaugePromptTermo)
                                                  : (absolute ? PressureAbsolutePromptOther : PressureGaugePromptOther);
    PressureRangeLabel = TextOrEnglish(t, L);
    if (CalcFunction == kFunctionPrimaryDevice && IsVisible("abstryckmaxtext")) {
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
    if (!IsLiquefiedGasMedium(MediumCode)) {
        SetColour("abstrycktext", clBtnFace);
        SetColour("temptext", clBtnFace);
        SetStaticPressurePrompt();
        if (MediumCode != kMediumWetSteam) SetTemperaturePrompt();
        return;
    }
    SetColour("abstrycktext", clYellow);
    SetColour("temptext", clYellow);
    switch (PhaseLetter) {
        case kPhaseNone:
            SetStaticPressurePrompt();
            SetTemperaturePrompt();
            break;
        case kPhaseVapourAtTemperature:
        case kPhaseLiquidAtTemperature:
            Write("abstrycktext",
                  TextOrEnglish(PhaseLetter == kPhaseVapourAtTemperature ? SaturatedGasPhasePrompt
                                                                         : LiquidAtBoilingLimitPhasePrompt,
                                L));
            SetTemperaturePrompt();
            SetVisible("abstryckantal", false);
            SetVisible("abstrycksort", false);
            break;
        case kPhaseVapourAtPressure:
        case kPhaseLiquidAtPressure:
            Write("temptext",
                  TextOrEnglish(
                      PhaseLetter == kPhaseVapourAtPressure ? SaturatedGasPhasePrompt : BoilingLiquidPhasePrompt, L));
            SetStaticPressurePrompt();
            SetVisible("temp", false);
            SetVisible("tempsort", false);
            break;
        default: break;
    }
}

void SetDiffPressurePrompt() {
    const LangText& t = CalcFunction == kFunctionPrimaryDevice ? DiffPressurePromptStrypf
                        : CalcFunction == kFunctionValve       ? DiffPressurePromptVentil
                                                               : DiffPressurePromptOther;
    Write("Differenstryck", TextOrSwedish(t, LanguageLetter));
}

void SetMaxFlowPrompt() {
    const char L = LanguageLetter;
    const bool swedish = L != kLanguageGerman && L != kLanguageEnglish;
    if (swedish && ValveSubtype == kSubtypeRestriction && CalcFunction == kFunctionValve) {
        Write("maxflowtext",
              MaxFlowGivenFlag == kMaxFlowAdjusted ? RestrictionKvPromptSwedish.sv : MaxFlowPromptPlain.sv);
        return;
    }
    const LangText& t = CalcFunction == kFunctionPressureLoss  ? MaxFlowPromptTryckf
                        : MaxFlowGivenFlag == kMaxFlowAdjusted ? MaxFlowPromptAdjusted
                                                               : MaxFlowPromptPlain;
    Write("maxflowtext", TextOrSwedish(t, L));
}

void SetConeDiameterPrompt() {
    const char L = LanguageLetter;
    const std::string unit = ControlText("dstorkallsort");
    if (IsConeMeter(DeviceCode)) {
        const char* base = (L == kLanguageSwedish && unit == kUnitMillimetre) ? ConeDiameterPromptSwedishMm.sv
                                                                              : TextOf(ConeDiameterPromptBase, L);
        if (base) SetControlText("dkallmmtext", PadPromptToUnit(base, unit));
    } else {
        if (const char* h = TextOf(SegmentHeightPromptBase, L)) SetControlText("hkallmmtext", PadPromptToUnit(h, unit));
        if (const char* d = TextOf(ThroatDiameterPromptBase, L))
            SetControlText("dkallmmtext", PadPromptToUnit(d, unit));
    }
    // The number never fails to read (a text that is no number gives 0).
    const double factor = unit == kUnitMillimetre ? 1.0 : kMillimetresPerInch;
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
        if (L == kLanguageGerman && unit == kUnitZoll) prompt = std::string(base) + "________  (Zoll) ";
        SetControlText("Ventildiamtext", prompt);
    }
    ValveDiameterColdMm =
        StrToFloatSafe(ControlText("Ventilkallmm")) * (unit == kUnitMillimetre ? 1.0 : kMillimetresPerInch);
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

    const bool oil = MediumCode == kMediumOil;
    if (oil) {
        SetControlText("densdriftbgtextin", OilDensityPrompt.sv);
        SetControlText("visk40bgtextin", OilViscosity40Prompt.sv);
        SetControlText("visk100bgtextin", OilViscosity100Prompt.sv);
    }
    const bool humidGas = IsUserGasMedium(MediumCode) && HumidGasFlag;
    const bool realGas = MediumCode == kMediumRealGas;
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
        {"molekylviktbgtextin", "molekylviktbg", nullptr, MediumCode == kMediumMixture || humidGas},
        {"krittempbgtextin", "krittempbg", nullptr, MediumCode == kMediumMixture || humidGas},
        {"entalpibgtextin", "entalpibg", nullptr, MediumCode == kMediumMixture},
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
    if (MediumCode == kMediumGas)
        k = HumidGasFlag ? 6 : 4;
    else if (oil)
        k = 3;
    else if (MediumCode == kMediumLiquid)
        k = 2;
    else if (realGas)
        k = 8;
    if (MediumCode == kMediumMixture)
        box->SetClientHeight(8 * step);
    else if (k > 0)
        box->SetClientHeight(fontHeight + k * step);
}

}  // namespace tubalyx
