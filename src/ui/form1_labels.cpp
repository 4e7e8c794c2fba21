// Handlers of the clickable labels, the option cycles and the run buttons.
#include <span>
#include <string>
#include <string_view>

#include "forms/screen.h"
#include "media/medium_identification.h"
#include "media/typed_phase.h"
#include "reports/compensation_report.h"
#include "reports/compensation_table.h"
#include "state/keywords.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "texts/prompt_setters.h"
#include "ui/form1.h"
#include "ui/form1_menus.h"
#include "ui/hide_input_controls.h"
#include "ui/run_driver.h"

namespace tubalyx {

namespace {

// A yes/no answer: "J" becomes "N", anything else "J".
void ToggleYesNo(std::string& flag) { flag = flag == kYes ? kNo : kYes; }

// One step of a letter cycle: the letters that lead to each next letter.
struct LetterStep {
    char from[3];  // one or two letters
    char to;
};

// The liquefiable gases: the two kinds differ in the phases their tables know.
bool IsColdLiquefiedGas() {
    return MediumCode == kMediumArgon || MediumCode == kMediumOxygen || MediumCode == kMediumNitrogen;
}
bool IsPressureLiquefiedGas() {
    return MediumCode == kMediumHydrogen || MediumCode == kMediumCarbonDioxide || MediumCode == kMediumOzone;
}

// The phases each prompt steps through, for the two groups of liquefiable gases.
constexpr LetterStep kPressureStepsCold[] = {{{kPhaseVapourAtPressure, kPhaseLiquidAtPressure}, kPhaseNone},
                                             {{kPhaseNone}, kPhaseVapourAtTemperature},
                                             {{kPhaseVapourAtTemperature}, kPhaseLiquidAtTemperature},
                                             {{kPhaseLiquidAtTemperature}, kPhaseNone}};
constexpr LetterStep kPressureStepsOther[] = {{{kPhaseLiquidAtPressure}, kPhaseNone},
                                              {{kPhaseNone}, kPhaseLiquidAtTemperature},
                                              {{kPhaseLiquidAtTemperature}, kPhaseNone}};
constexpr LetterStep kTemperatureStepsCold[] = {{{kPhaseVapourAtTemperature, kPhaseLiquidAtTemperature}, kPhaseNone},
                                                {{kPhaseNone}, kPhaseVapourAtPressure},
                                                {{kPhaseVapourAtPressure}, kPhaseLiquidAtPressure},
                                                {{kPhaseLiquidAtPressure}, kPhaseNone}};
constexpr LetterStep kTemperatureStepsOther[] = {{{kPhaseLiquidAtTemperature}, kPhaseNone},
                                                 {{kPhaseNone}, kPhaseLiquidAtPressure},
                                                 {{kPhaseLiquidAtPressure}, kPhaseNone}};

// After a phase step the phase caption changes and the page with it.
void ShowNewPhase() {
    SetPressureTemperatureLabels();
    HideInputControls();
    RebuildPage();
}

void StepPhaseFromPrompt(std::span<const LetterStep> cold, std::span<const LetterStep> other) {
    std::span<const LetterStep> steps;
    if (IsColdLiquefiedGas())
        steps = cold;
    else if (IsPressureLiquefiedGas())
        steps = other;
    else
        return;
    // Any other letter stays.
    for (const LetterStep& s : steps) {
        if (std::string_view(s.from).find(PhaseLetter) != std::string_view::npos) {
            PhaseLetter = s.to;
            break;
        }
    }
    ShowNewPhase();
}

// The upstream fitting of item k of Bestyckningmenu. The optimal design needs a defined
// fitting, so "another disturbance" stands for fitting 1 there.
void SelectUpstreamFitting(int k) {
    TForm1& f = Form1();
    if (k == 0 && SolveFor == kSolveOptimal) k = 1;
    const TControl* item = f.FindComponent("bestyck" + std::to_string(k));
    if (const auto* menuItem = dynamic_cast<const TMenuItem*>(item)) f.bestyckningtext.SetCaption(menuItem->Caption());
    UpstreamFittingCode = std::to_string(k);
    HideInputControls();
    RebuildPage();
}

// The roughness items: the uncertainty of the roughness (mm) into row 11 of the uncertainty
// grid, and the roughness itself (mm), both as the texts they are shown with.
struct RoughnessItem {
    int item;
    const char* uncertaintyMm;
    const char* roughnessMm;
};
constexpr RoughnessItem kRoughnessItems[] = {
    {2, "0,015", "0,015"}, {3, "0,025", "0,075"}, {4, "0,025", "0,075"}, {5, "0,05", "0,1"},
    {6, "0,05", "0,15"},   {7, "0,05", "0,25"},   {8, "0,05", "0,25"},   {9, "0,5", "1,5"},
};
constexpr int kRoughnessUncertaintyRow = 11;

void SelectRoughness(int item) {
    TForm1& f = Form1();
    for (const RoughnessItem& r : kRoughnessItems) {
        if (r.item != item) continue;
        f.Felsimulgrid.SetCell(1, kRoughnessUncertaintyRow, r.uncertaintyMm);
        // The edit's change handler stores the roughness.
        f.Dstorrahetmm.SetText(r.roughnessMm);
    }
}

}  // namespace

// The differential-pressure and pressure-loss headings are not clickable options.
void TForm1::DifferenstryckClick(TControl*) {}
void TForm1::RunbuttonMouseDown(TControl*, TMouseButton, TShiftState, int, int) {}
// The hot-water power page has its controls but computes nothing.
void TForm1::fjrrrunClick(TControl*) {}

// The comment of the code generator closes when clicked.
void TForm1::kodkommentClick(TControl*) { kodkomment.SetVisible(false); }

// The dialect of the generated controller code.
void TForm1::ABBSiemensClick(TControl*) {
    ABBSiemens.SetCaption(
        std::string(ABBSiemens.Caption() == kDialectCaptionAbb ? kDialectCaptionSiemens : kDialectCaptionAbb));
}

void TForm1::adiabatClick(TControl*) {
    ExpansionModeLetter = ExpansionModeLetter == kExpansionAdiabatic ? kExpansionIsothermal : kExpansionAdiabatic;
    SetAdiabaticPrompt(ExpansionModeLetter);
}

void TForm1::reynstortextinClick(TControl*) {
    ToggleYesNo(AllowLargeReynoldsFlag);
    SetLargeReynoldsLimitPrompt();
}

void TForm1::rorlitentextinClick(TControl*) {
    ToggleYesNo(AllowSmallPipeFlag);
    SetSmallTubeLimitPrompt();
}

void TForm1::rorstortextinClick(TControl*) {
    ToggleYesNo(AllowLargePipeFlag);
    SetLargeTubeLimitPrompt();
}

void TForm1::bermetodtextinClick(TControl*) {
    OnlineFlowMethod = OnlineFlowMethod == kOnlineFlowRoot ? kOnlineFlowStandard : kOnlineFlowRoot;
    SetRootOrStandardPrompt();
}

// The production-report lines appear or go, so the page is built before the prompt.
void TForm1::tillvunderlagtextinClick(TControl*) {
    ToggleYesNo(ProductionReportFlag);
    RebuildPage();
    SetProductionReportPrompt();
}

void TForm1::bermetoderrtextinClick(TControl*) {
    std::string& code = UncertaintyMethodCode;
    if (DeviceCode == kDeviceVolumeMeter)
        code = code == kMethodLinear ? kMethodPolynomial : kMethodLinear;
    else
        code = code == kMethodFirst    ? kMethodSecond
               : code == kMethodSecond ? kMethodThird
               : code == kMethodThird  ? kMethodStandard
                                       : kMethodFirst;
    SetCalcMethodPrompt();
}

void TForm1::bestyckningtextClick(TControl*) {
    SetUpstreamFittingList();
    PopupBelowLabel(Bestyckningmenu, bestyckningtext);
}
void TForm1::rahettextinClick(TControl*) { PopupBelowLabel(RahetMenu, rahettextin); }
void TForm1::primeltextinClick(TControl*) { PopupBelowLabel(Strypsortmenu, primeltextin); }

void TForm1::bestyck0Click(TControl*) { SelectUpstreamFitting(0); }
void TForm1::bestyck1Click(TControl*) { SelectUpstreamFitting(1); }
void TForm1::bestyck2Click(TControl*) { SelectUpstreamFitting(2); }
void TForm1::bestyck3Click(TControl*) { SelectUpstreamFitting(3); }
void TForm1::bestyck4Click(TControl*) { SelectUpstreamFitting(4); }
void TForm1::bestyck5Click(TControl*) { SelectUpstreamFitting(5); }
void TForm1::bestyck6Click(TControl*) { SelectUpstreamFitting(6); }
void TForm1::bestyck7Click(TControl*) { SelectUpstreamFitting(7); }
void TForm1::bestyck8Click(TControl*) { SelectUpstreamFitting(8); }
void TForm1::bestyck9Click(TControl*) { SelectUpstreamFitting(9); }
void TForm1::bestyck10Click(TControl*) { SelectUpstreamFitting(10); }
void TForm1::bestyck11Click(TControl*) { SelectUpstreamFitting(11); }
void TForm1::bestyck12Click(TControl*) { SelectUpstreamFitting(12); }
void TForm1::bestyck13Click(TControl*) { SelectUpstreamFitting(13); }
void TForm1::bestyck14Click(TControl*) { SelectUpstreamFitting(14); }

void TForm1::r2Click(TControl*) { SelectRoughness(2); }
void TForm1::r3Click(TControl*) { SelectRoughness(3); }
void TForm1::r4Click(TControl*) { SelectRoughness(4); }
void TForm1::r5Click(TControl*) { SelectRoughness(5); }
void TForm1::r6Click(TControl*) { SelectRoughness(6); }
void TForm1::r7Click(TControl*) { SelectRoughness(7); }
void TForm1::r8Click(TControl*) { SelectRoughness(8); }
void TForm1::r9Click(TControl*) { SelectRoughness(9); }

void TForm1::MaxflowtextClick(TControl*) {
    if (CalcFunction == kFunctionPrimaryDevice && SolveFor != kSolveOptimal) {
        MaxFlowGivenFlag = kMaxFlowPlain;
        maxflowsort.SetVisible(true);
        SetMaxFlowPrompt();
    } else if (CalcFunction == kFunctionValve && ValveSubtype == kSubtypeRestriction) {
        // A second click hides the unit again.
        maxflowsort.SetVisible(MaxFlowGivenFlag != kMaxFlowPlain);
        MaxFlowGivenFlag = kMaxFlowPlain;
        SetMaxFlowPrompt();
    }
}

void TForm1::abstrycktextClick(TControl*) { StepPhaseFromPrompt(kPressureStepsCold, kPressureStepsOther); }

void TForm1::temptextClick(TControl*) { StepPhaseFromPrompt(kTemperatureStepsCold, kTemperatureStepsOther); }

void TForm1::Run1Click(TControl*) { RunCalculation(); }
void TForm1::RunbuttonClick(TControl*) { RunCalculation(); }

// After a run that ended in the input error the table keeps the request texts that run wrote:
// nothing of the calculation state stands for the inputs, and its figures may be no numbers.
void TForm1::PTRunClick(TControl*) {
    if (LastRunFailed) return;
    THourGlassCursor busy;
    BuildCompensationTable(true);
}

// The density table can be made for gases and water only, and only from a run that ended
// well; otherwise the label stays red as the sign that nothing was computed.
void TForm1::Label2Click(TControl*) {
    kodkomment.SetVisible(false);
    Label2.SetColor(clRed);
    if (LastRunFailed || (!ComputedAsGas(MediumCode) && MediumCode != kMediumWater)) return;
    {
        THourGlassCursor busy;
        BuildCompensationTable(true);
        DensityTableReady = true;
        WriteCompensationTableHelp();
    }
    Label2.SetColor(clYellow);
}

}  // namespace tubalyx
