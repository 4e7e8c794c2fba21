// Option prompts that show their answer, the captions chosen by device, the material labels,
// the upstream-fitting menu and the single captions and defaults of the valve page.
#include "numerics/text_utils.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/prompt_setters.h"
#include "texts/report_label_strings.h"
#include "texts/window_access.h"

namespace tubalyx {

using namespace prompt_text;

namespace {

void Write(const char* name, const char* text) {
    if (text) SetControlText(name, text);
}

// A limit prompt carries its answer: the "J"/"Y" text, or the same text ending in "N".
void SetLimitPrompt(const char* label, const std::string& flag, const LangText& yes, const LangText& hint) {
    const char* text = TextOf(yes, LanguageLetter);
    if (!text) return;
    std::string prompt = text;
    if (flag != kYes) prompt.back() = 'N';
    SetControlText(label, prompt);
    if (TControl* c = FindWindowControl(label)) c->SetHint(TextOf(hint, LanguageLetter));
}

std::string MaterialCaption(const std::string& code) {
    static const char* const kItems[] = {"mtrlfl1", "mtrlfl2", "mtrlfl3", "mtrlfl4",
                                         "mtrlfl5", "mtrlfl6", "mtrlfl7", "mtrlfl8"};
    int index = 6;  // any other code: "other material"
    if (code.size() == 1 && code[0] >= '1' && code[0] <= '8' && code[0] != '6') index = code[0] - '0';
    return ControlText(kItems[index - 1]);
}

}  // namespace

void SetProductionReportPrompt() {
    const char* text = TextOf(ProductionReportPrompt, LanguageLetter);
    if (!text) return;
    const char* answer = ProductionReportFlag == kYes ? (LanguageLetter == kLanguageEnglish ? "Y" : "J") : "N";
    SetControlText("tillvunderlagtextin", std::string(text) + answer);
}

void SetCalcMethodPrompt() {
    const bool volume = DeviceCode == kDeviceVolumeMeter;
    const LangText& t = IsConeMeter(DeviceCode) ? CalcMethodPromptCone
                        : volume                ? CalcMethodPromptVolume
                                                : CalcMethodPromptStandard;
    const char* text = TextOf(t, LanguageLetter);
    if (!text) return;
    std::string prompt = text;
    const std::string& code = UncertaintyMethodCode;
    if (IsConeMeter(DeviceCode)) {
        if (code == kMethodMcCrometer || code == kMethodStandard) prompt += "M";
    } else if (volume) {
        if (code != kMethodFirst && code != kMethodSecond && code != kMethodThird) prompt += code;
    } else if (code == kMethodStandard) {
        prompt += LanguageLetter == kLanguageEnglish ? "S" : "N";
    }
    if (code == kMethodFirst || code == kMethodSecond || code == kMethodThird) prompt += code;
    SetControlText("bermetoderrtextin", prompt);
}

void SetRootOrStandardPrompt() {
    const char* text = TextOf(RootOrStandardPrompt, LanguageLetter);
    if (!text) return;
    const bool standard = OnlineFlowMethod == kOnlineFlowStandard;
    const char* answer =
        standard ? (LanguageLetter == kLanguageEnglish ? "S" : "N") : (LanguageLetter == kLanguageGerman ? "Q" : "R");
    SetControlText("bermetodtextin", std::string(text) + answer);
}

void SetSmallTubeLimitPrompt() {
    SetLimitPrompt("rorlitentextin", AllowSmallPipeFlag, SmallTubeLimitPromptYes, SmallTubeLimitHint);
}
void SetLargeTubeLimitPrompt() {
    SetLimitPrompt("rorstortextin", AllowLargePipeFlag, LargeTubeLimitPromptYes, LargeTubeLimitHint);
}
void SetLargeReynoldsLimitPrompt() {
    SetLimitPrompt("reynstortextin", AllowLargeReynoldsFlag, LargeReynoldsLimitPromptYes, LargeReynoldsLimitHint);
}

void SetHumidityPrompt() {
    const std::string& k = HumidityInputKind;
    SetControlText("relabsfukt", k == kHumidityRelative   ? RelativeHumidityPrompt
                                 : k == kHumidityAbsolute ? AbsoluteHumidityPrompt
                                 : k == kHumidityDewPoint ? DewTemperaturePrompt
                                                          : SpecificHumidityPrompt);
}

void SetDeviceLabelCaption() {
    const std::string& d = DeviceCode;
    const std::string& v = DeviceVariantCode;
    const char* item = nullptr;
    if (d == kDeviceCone) {
        SetControlText("strypsort", std::string(kConeCaptionFlanged));
        return;
    }
    if (d == kDeviceWaferCone) {
        SetControlText("strypsort", std::string(kConeCaptionWafer));
        return;
    }
    if (d == kDeviceOrifice)
        item = v == kVariantCorner   ? "StrypflnsCornertappings1"
               : v == kVariantFlange ? "StrypflnsFlangetappings1"
                                     : "StrypflnsDD2tappings1";
    else if (d == kDeviceVenturi)
        item = v == kVariantWelded     ? "VenturiSvetsat1"
               : v == kVariantMachined ? "VenturiBearbetat1"
                                       : "VenturiObearbetat1";
    else if (d == kDeviceShortVenturi)
        item = "Kortventuri1";
    else if (d == kDeviceQuarterCircle)
        item = "Kvartscirkeldysa1";
    else if (d == kDeviceSegmentOrifice)
        item = "Segmentflns1";
    else if (d == kDeviceIsaNozzle)
        item = "DysaISA19321";
    else if (d == kDeviceLongRadiusNozzle)
        item = "ADysaLongradius1";
    if (item) SetControlText("strypsort", ControlText(item));
}

void SetDeviceMenuCaptions() {
    const std::string& s = SolveFor;
    if (s == kSolveDp)
        SetControlText("Strypbertyp", ControlText("Differenstryck1"));
    else if (s == kSolveOptimal)
        SetControlText("Strypbertyp", ControlText("Optimalkonstruktion1"));
    else if (s == kSolveLoss)
        SetControlText("Strypbertyp", ControlText("Tryckfrlust1"));
    else if (s == kSolveBore)
        SetControlText("Strypbertyp", ControlText("Hldiameter1"));
    else if (s == kSolveFlow)
        SetControlText("Strypbertyp", ControlText("Flde1") + ":");
}

void SetVConeMethodCaptions() {
    const char L = LanguageLetter;
    SetControlText("grafyellow",
                   IsConeMeter(DeviceCode) ? std::string(kStandardCaptionMcCrometer) : ControlText("ISODIN"));
    Write("grafblue", TextOrSwedish(CalcAlgorithm1Caption, L));
    Write("grafred", TextOrSwedish(CalcAlgorithm2Caption, L));
    Write("grafblack", TextOrSwedish(CalcAlgorithm3Caption, L));
    Write("Graftext", TextOrSwedish(FlowGraphCaption, L));
}

void SetMeterMaterialMenu() { SetControlText("mtrlfl", ControlText("mtrlfl") + "=" + MaterialCaption(MaterialCode1)); }

void SetPipeMaterialMenu() { SetControlText("mtrlror", ControlText("mtrlror") + "=" + MaterialCaption(MaterialCode2)); }

void SetUpstreamFittingHeading() {
    const std::string prefix = TextOrEnglish(UpstreamFittingPrefix, LanguageLetter);
    std::string rest = ControlText("bestyckningtext");
    const std::string& code = UpstreamFittingCode;
    bool known = false;
    for (int i = 0; i <= 14; ++i)
        if (code == std::to_string(i)) {
            rest = ControlText("bestyck" + code);
            known = true;
        }
    if (!known) {
        // Keep the shown fitting, but not a prefix written before, which would grow on every
        // rebuild.
        for (const char* p : {UpstreamFittingPrefix.sv, UpstreamFittingPrefix.de, UpstreamFittingPrefix.en}) {
            const std::string old = p;
            if (rest.compare(0, old.size(), old) == 0) {
                rest = rest.substr(old.size());
                break;
            }
        }
    }
    SetControlText("bestyckningtext", prefix + rest);
}

void SetUpstreamFittingList() {
    for (int i = 0; i <= 14; ++i) SetControlText("bestyck" + std::to_string(i), "");
    Write("bestyck0", TextOf(OtherDisturbanceItem, LanguageLetter));
    const std::string* items[15] = {};
    if (SolveFor == kSolveOptimal || (StandardLetter == kStandardIso2003 && DeviceCode == kDeviceOrifice)) {
        const std::string* list[] = {&FittingOneBendB,
                                     &FittingTwoBendsSamePlaneOver10DB,
                                     &FittingTwoBendsSamePlaneUnder10DB,
                                     &FittingTwoBendsOtherPlanesOver5DB,
                                     &FittingTwoBendsOtherPlanesUnder5DB,
                                     &FittingTeeB,
                                     &FittingBends45B,
                                     &FittingReducer2B,
                                     &FittingExpander05B,
                                     &FittingFullBoreValveB,
                                     &FittingGlobeValveB,
                                     &FittingAbruptReductionB,
                                     &FittingPocketBelow3B,
                                     &FittingPocket3To13B};
        for (int i = 0; i < 14; ++i) items[i + 1] = list[i];
    } else if (StandardLetter == kStandardIso2003 && DeviceCode == kDeviceVenturi) {
        const std::string* list[] = {&FittingOneBendB,       &FittingTwoBendsAnyPlaneB, &FittingReducer133B,
                                     &FittingExpander067B,   &FittingReducer3B,         &FittingExpander075B,
                                     &FittingFullBoreValveB, &FittingPocketBelow13B,    &FittingLargeVessel};
        for (int i = 0; i < 9; ++i) items[i + 1] = list[i];
    } else if (DeviceCode == kDeviceVenturi) {
        const std::string* list[] = {&FittingSingleBend, &FittingTwoBendsSamePlane, &FittingTwoBendsOtherPlanes,
                                     &FittingReducer3to1, &FittingExpander075};
        for (int i = 0; i < 5; ++i) items[i + 1] = list[i];
        items[7] = &FittingGlobeValve;
    } else {
        const std::string* list[] = {&FittingSingleBend,  &FittingTwoBendsSamePlane, &FittingTwoBendsOtherPlanes,
                                     &FittingReducer2to1, &FittingExpander05,        &FittingFullBoreValve,
                                     &FittingGlobeValve,  &FittingAbruptReduction,   &FittingPocketBelow3,
                                     &FittingPocket3To13};
        for (int i = 0; i < 10; ++i) items[i + 1] = list[i];
    }
    for (int i = 1; i <= 14; ++i)
        if (items[i]) SetControlText("bestyck" + std::to_string(i), std::to_string(i) + "." + *items[i]);
}

void SetDeleteCaption() { Write("Radera", TextOf(DeleteCaption, LanguageLetter)); }

void SetHeightDifferencePrompt() { Write("Hojdmotstand", TextOf(HeightDifferencePrompt, LanguageLetter)); }

void SetMassPercentHeading() {
    if (TStringGrid* grid = WindowGrid("ViktVolprocGrid"))
        grid->SetCell(2, 0, TextOrEnglish(MassPercentHeading, LanguageLetter));
}

void SetValveDefaults() {
    VapourPressureUnit = "kPa";
    CriticalPressureUnit = "kPa";
    VapourPressureInput = 100.0;
    CriticalPressureInput = 100.0;
    ValveFL = 1.0;
    SetControlText("angtrycksort", "kPa");
    SetControlText("krittrycksort", "kPa");
    SetControlText("angtryckantal", "100");
    SetControlText("krittryckantal", "100");
}

void SetValveDiameterDefault() {
    OnlineFlowMethod = kOnlineFlowStandard;
    ValveDiameterColdMm = 200.0;
    SetControlText("Ventilkallmm", "200");
}

}  // namespace tubalyx
