// Handlers of the calculation-function menu, the standard label, the solved-quantity and
// device pop-ups and the material pop-up.
#include <array>
#include <cstdlib>
#include <string>

#include "media/thermal_expansion.h"
#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "reports/uncertainty/uncertainty_grid.h"
#include "state/keywords.h"
#include "state/menu_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/prompt_setters.h"
#include "ui/edit_updates.h"
#include "ui/flow_graphs.h"
#include "ui/form1.h"
#include "ui/form1_menus.h"
#include "ui/hide_input_controls.h"
#include "ui/page_manager.h"
#include "ui/unit_grid.h"

namespace tubalyx {

namespace {

constexpr int kLabelGap = 5;  // pixels between the labels of the device row

// The rows of column 1 of Felsimulgrid that the volume meter puts aside: the two the
// device menus save with it, then the throat diameter (8) and the inlet edge radius (9),
// which it shows as 0.
constexpr std::array<int, kSavedMeterCellCount> kSavedMeterRows = {3, 4, 8, 9};
constexpr int kSavedThroatRowIndex = 2;

void SaveMeterUncertaintyCells() {
    const TStringGrid& grid = Form1().Felsimulgrid;
    for (int i = 0; i < kSavedMeterCellCount; ++i) SavedMeterUncertaintyCells[i] = grid.Cell(1, kSavedMeterRows[i]);
}

void ShowStandardDeviceSolutions(TForm1& f, bool show) {
    f.Tryckfrlust1->SetVisible(show);
    f.Optimalkonstruktion1->SetVisible(show);
}

// A commercial meter (a cone or the volume meter) gives way to the orifice plate with corner
// tappings, with the uncertainty cells the volume meter had put aside, under a standard of
// the standardized devices and their solutions.
void LeaveCommercialMeter(TForm1& f) {
    if (IsConeMeter(DeviceCode) || DeviceCode == kDeviceVolumeMeter) {
        RestoreMeterUncertaintyCells();
        DeviceCode = kDeviceOrifice;
        DeviceVariantCode = kVariantCorner;
    }
    if (f.ISODIN.Caption() == kStandardCaptionMcCrometer || f.ISODIN.Caption().empty()) {
        f.ISODIN.SetCaption(std::string(kStandardCaptionIso2003));
        StandardLetter = kStandardIso2003;
    }
    f.ISODIN.SetColor(clYellow);
    CommercialMeterMode = false;
    ShowStandardDeviceSolutions(f, true);
    f.Hldiameter1->SetVisible(true);
}

// A device of the device pop-up: its key, its codes, and whether ISO 5167:2003 lacks it.
struct DeviceItem {
    const char* key;
    const char* device;
    const char* variant;  // nullptr: the variant stays as it was
    bool absentFrom2003;
};

void ChooseDevice(TForm1& f, const TMenuItem& item, const DeviceItem& d) {
    // In the optimal design the items collect the kinds of device to compare.
    if (SolveFor == kSolveOptimal) {
        f.primelement.SetText(f.primelement.Text() + d.key);
        return;
    }
    if (d.absentFrom2003 && StandardLetter == kStandardIso2003) return;
    f.strypsort.SetCaption(item.Caption());
    DeviceCode = d.device;
    if (d.variant) DeviceVariantCode = d.variant;
    ShowStandardDeviceSolutions(f, true);
    RebuildChosenPage();
}

// The solved quantity: the item's caption on Strypbertyp, the keyword unless the valve page
// keeps its own, the flow units refreshed where the quantity's unit row changes.
void ChooseSolvedQuantity(TForm1& f, const std::string& caption, const char* solveFor, bool keptForValves,
                          bool updatesFlowUnits) {
    if (updatesFlowUnits) RunGuarded([] { UpdateFlowUnits('A'); });
    f.Strypbertyp.SetCaption(caption);
    if (!(keptForValves && CalcFunction == kFunctionValve)) SolveFor = solveFor;
    RebuildChosenPage();
}

// The material of the label that opened the pop-up: the caption up to its first "=", then
// "=" and the item's caption; the code, and for the fixed materials their expansion
// coefficients into the two edits ("Annat" leaves them for the user).
void ChooseMaterial(TForm1& f, const TMenuItem& item, const std::string& code) {
    const bool device = MaterialMenuTarget == kMaterialOfDevice;
    TLabel& label = device ? f.mtrlfl : f.mtrlror;
    const std::string& caption = label.Caption();
    label.SetCaption(caption.substr(0, caption.find('=')) + "=" + item.Caption());
    (device ? MaterialCode1 : MaterialCode2) = code;
    if (code == kMaterialOther) return;
    double a1 = 0.0, a2 = 0.0;
    MaterialExpansionCoefficients(code, a1, a2);
    (device ? f.utvfl : f.utvror).SetText(FormatGeneral(a1));
    (device ? f.utvflb : f.utvrorb).SetText(FormatGeneral(a2));
}

}  // namespace

void RebuildPage() {
    LayoutTop = 0;
    PageManager('S', LayoutTop);
}

void RebuildChosenPage() {
    RebuildPage();
    GiveTheKeyboardToTheQuestionnaire();
}

void RebuildFunctionPage() {
    const bool chosenAgain = ThePageShowsTheSelectedFunction();
    HideInputControls();
    Form1().SetHorzScrollPosition(0);
    Form1().SetVertScrollPosition(0);
    RebuildPage();
    // The function chosen again starts its questionnaire afresh.
    if (chosenAgain)
        GiveTheKeyboardToTheFirstQuestion();
    else
        GiveTheKeyboardToTheQuestionnaire();
}

void PopupBelowLabel(TPopupMenu& menu, const TLabel& label) {
    const TForm1& f = Form1();
    menu.Popup(f.Left() + label.Left(), f.Top() + (f.Height() - f.ClientHeight()) + label.Top() + label.Height());
}

void RunGuarded(const std::function<void()>& calculation) {
    try {
        calculation();
    } catch (const CalcError&) {
        // Left to the run, which reports the state in the user's language.
    }
}

void RestoreMeterUncertaintyCells() {
    if (DeviceCode != kDeviceVolumeMeter || SavedMeterUncertaintyCells[kSavedThroatRowIndex].empty()) return;
    TStringGrid& grid = Form1().Felsimulgrid;
    for (int i = 0; i < kSavedMeterCellCount; ++i) grid.SetCell(1, kSavedMeterRows[i], SavedMeterUncertaintyCells[i]);
}

// Ends the program at once: no question, nothing saved.
[[noreturn]] void HaltProgram() { std::exit(0); }

void SelectThroatDevices() {
    TForm1& f = Form1();
    CalcFunction = kFunctionPrimaryDevice;
    LeaveCommercialMeter(f);
    RebuildFunctionPage();
    for (TLabel* legend : {&f.Graftext, &f.grafred, &f.grafblue, &f.grafblack, &f.grafyellow, &f.grafdp, &f.grafq})
        legend->SetVisible(true);
    PlotDeviceCurves();
}

// ---- the calculation functions ----

void TForm1::TermodynamikClick(TControl*) {
    CalcFunction = kFunctionThermodynamics;
    RebuildFunctionPage();
}

void TForm1::TryckfClick(TControl*) {
    CalcFunction = kFunctionPressureLoss;
    RebuildFunctionPage();
}

void TForm1::flowClick(TControl*) {
    CalcFunction = kFunctionFlow;
    RebuildFunctionPage();
}

void TForm1::Ventiler1Click(TControl*) {
    CalcFunction = kFunctionValve;
    ValveSubtype = kSubtypeValve;
    RebuildFunctionPage();
}

void TForm1::Ventile1rclick(TControl* sender) { Ventiler1Click(sender); }

// A restriction orifice is an orifice plate, whatever meter the device page had.
void TForm1::RestrictionOrifice1Click(TControl*) {
    CalcFunction = kFunctionValve;
    ValveSubtype = kSubtypeRestriction;
    LeaveCommercialMeter(*this);
    RebuildFunctionPage();
}

void TForm1::StrypelClick(TControl*) { SelectThroatDevices(); }

void TForm1::Kommersiellafldesmtare1Click(TControl*) {
    CalcFunction = kFunctionPrimaryDevice;
    strypsort.SetCaption(Kommersiellafldesmtare1->Caption());
    RestoreMeterUncertaintyCells();
    DeviceCode = kDeviceCone;
    ISODIN.SetCaption(std::string(kStandardCaptionMcCrometer));
    ISODIN.SetColor(clBtnFace);
    CommercialMeterMode = true;
    Hldiameter1->SetVisible(true);
    ShowStandardDeviceSolutions(*this, false);
    if (SolveFor != kSolveFlow && SolveFor != kSolveDp && SolveFor != kSolveBore) SolveFor = kSolveFlow;
    RebuildFunctionPage();
    PlotDeviceCurves();
}

void TForm1::SortomvClick(TControl*) {
    CalcFunction = kFunctionUnits;
    HideInputControls();
    SetHorzScrollPosition(0);
    SetVertScrollPosition(0);
    SetupUnitGrid();
    RebuildPage();
    GiveTheKeyboardToTheFirstQuestion();
}

void TForm1::Exit2Click(TControl*) { HaltProgram(); }
void TForm1::ExitsnabbClick(TControl*) { HaltProgram(); }

// ---- the standard, the solved quantity and the device ----

void TForm1::ISODINClick(TControl*) {
    if (!CommercialMeterMode) {
        const std::string& caption = ISODIN.Caption();
        if (caption == kStandardCaptionIso2003) {
            ISODIN.SetCaption(std::string(kStandardCaptionIso1991));
            StandardLetter = kStandardIso1991;
        } else if (caption == kStandardCaptionIso1991) {
            ISODIN.SetCaption("DIN1952:1982");
            StandardLetter = kStandardDin1952;
        } else {
            ISODIN.SetCaption(std::string(kStandardCaptionIso2003));
            StandardLetter = kStandardIso2003;
        }
    }
    // The optimal design exists only for ISO 5167:2003.
    if (SolveFor == kSolveOptimal) {
        ISODIN.SetCaption(std::string(kStandardCaptionIso2003));
        StandardLetter = kStandardIso2003;
    }
    // The captions changed width: the row is laid out again from the left.
    Strypbertyp.SetLeft(ISODIN.Left() + ISODIN.Width() + kLabelGap);
    const TControl* last = &Strypbertyp;
    TEdit* unit = SolveFor == kSolveFlow ? &maxflowsort : SolveFor == kSolveDp ? &difftryckmaxsort : nullptr;
    if (unit) {
        unit->SetLeft(last->Left() + last->Width() + kLabelGap);
        last = unit;
    }
    strypsort.SetLeft(last->Left() + last->Width() + kLabelGap);
    SetUpstreamFittingList();
}

void TForm1::StrypbertypClick(TControl*) {
    if (DeviceCode != kDeviceVolumeMeter) PopupBelowLabel(Strypbermenu, Strypbertyp);
}

void TForm1::strypsortClick(TControl*) {
    if (!CommercialMeterMode) {
        PopupBelowLabel(Strypsortmenu, strypsort);
        RestoreMeterUncertaintyCells();
    } else if (strypsort.Caption() == kConeCaptionFlanged) {
        ISODIN.SetCaption(std::string(kStandardCaptionMcCrometer));
        strypsort.SetCaption(std::string(kConeCaptionWafer));
        DeviceCode = kDeviceWaferCone;
        ShowStandardDeviceSolutions(*this, false);
        HideInputControls();
        RebuildChosenPage();
    } else if (strypsort.Caption() == kConeCaptionWafer) {
        ISODIN.SetCaption("");
        strypsort.SetCaption("Endimensionell Volymflödesmätare (US/Mag)");
        DeviceCode = kDeviceVolumeMeter;
        SaveMeterUncertaintyCells();
        Felsimulgrid.SetCell(1, 8, "0");
        Felsimulgrid.SetCell(1, 9, "0");
        HideInputControls();
        RebuildChosenPage();
    } else {
        RestoreMeterUncertaintyCells();
        ISODIN.SetCaption(std::string(kStandardCaptionMcCrometer));
        strypsort.SetCaption(std::string(kConeCaptionFlanged));
        DeviceCode = kDeviceCone;
        ShowStandardDeviceSolutions(*this, false);
        HideInputControls();
        RebuildChosenPage();
    }
    FillUncertaintyGridRows();
}

void TForm1::Differenstryck1Click(TControl*) {
    ChooseSolvedQuantity(*this, Differenstryck1->Caption(), "DP", true, true);
}
void TForm1::Tryckfrlust1Click(TControl*) { ChooseSolvedQuantity(*this, Tryckfrlust1->Caption(), "TF", true, true); }
void TForm1::Hldiameter1Click(TControl*) { ChooseSolvedQuantity(*this, Hldiameter1->Caption(), "DI", false, true); }
void TForm1::Flde1Click(TControl*) { ChooseSolvedQuantity(*this, Flde1->Caption() + ":", "FL", false, false); }
void TForm1::Optimalkonstruktion1Click(TControl*) {
    ChooseSolvedQuantity(*this, Optimalkonstruktion1->Caption(), "OK", true, true);
    SetUpstreamFittingList();
}

void TForm1::StrypflnsCornertappings1Click(TControl*) {
    ChooseDevice(*this, *StrypflnsCornertappings1, {"1", "S", "R", false});
}
void TForm1::StrypflnsFlangetappings1Click(TControl*) {
    ChooseDevice(*this, *StrypflnsFlangetappings1, {"2", "S", "F", false});
}
void TForm1::StrypflnsDD2tappings1Click(TControl*) {
    ChooseDevice(*this, *StrypflnsDD2tappings1, {"3", "S", "D", false});
}
void TForm1::VenturiSvetsat1Click(TControl*) { ChooseDevice(*this, *VenturiSvetsat1, {"4", "V", "SV", false}); }
void TForm1::VenturiBearbetat1Click(TControl*) { ChooseDevice(*this, *VenturiBearbetat1, {"5", "V", "BG", false}); }
void TForm1::VenturiObearbetat1Click(TControl*) { ChooseDevice(*this, *VenturiObearbetat1, {"6", "V", "OG", false}); }
void TForm1::Kortventuri1Click(TControl*) { ChooseDevice(*this, *Kortventuri1, {"7", "KV", nullptr, false}); }
void TForm1::Kvartscirkeldysa1Click(TControl*) { ChooseDevice(*this, *Kvartscirkeldysa1, {"8", "VK", nullptr, true}); }
void TForm1::Segmentflns1Click(TControl*) { ChooseDevice(*this, *Segmentflns1, {"9", "SM", nullptr, true}); }
void TForm1::DysaISA19321Click(TControl*) { ChooseDevice(*this, *DysaISA19321, {"0", "D", nullptr, false}); }
void TForm1::ADysaLongradius1Click(TControl*) { ChooseDevice(*this, *ADysaLongradius1, {"A", "DL", nullptr, false}); }

// ---- the material pop-up ----

void TForm1::mtrlflClick(TControl*) {
    PopupBelowLabel(mtrlflMenu, mtrlfl);
    MaterialMenuTarget.assign(1, 'F');
}
void TForm1::mtrlrorClick(TControl*) {
    PopupBelowLabel(mtrlflMenu, mtrlror);
    MaterialMenuTarget.assign(1, 'R');
}
void TForm1::mtrlfl1Click(TControl*) { ChooseMaterial(*this, *mtrlfl1, "1"); }
void TForm1::mtrlfl2Click(TControl*) { ChooseMaterial(*this, *mtrlfl2, "2"); }
void TForm1::mtrlfl3Click(TControl*) { ChooseMaterial(*this, *mtrlfl3, "3"); }
void TForm1::mtrlfl4Click(TControl*) { ChooseMaterial(*this, *mtrlfl4, "4"); }
void TForm1::mtrlfl5Click(TControl*) { ChooseMaterial(*this, *mtrlfl5, "5"); }
void TForm1::mtrlfl6Click(TControl*) { ChooseMaterial(*this, *mtrlfl6, "Annat"); }
void TForm1::mtrlfl7Click(TControl*) { ChooseMaterial(*this, *mtrlfl7, "7"); }
void TForm1::mtrlfl8Click(TControl*) { ChooseMaterial(*this, *mtrlfl8, "8"); }

}  // namespace tubalyx
