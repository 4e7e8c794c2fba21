#include "texts/caption_sets.h"

#include "media/medium_identification.h"
#include "numerics/text_utils.h"
#include "pressure_loss/resistance_grid_input.h"
#include "reports/uncertainty/uncertainty_grid.h"
#include "state/keywords.h"
#include "state/selections.h"
#include "texts/medium_prompts.h"
#include "texts/prompt_setters.h"
#include "texts/report_label_strings.h"
#include "texts/report_labels.h"
#include "texts/window_access.h"

namespace tubalyx {

namespace {

std::string JoinSeparator(const char* text) {
    std::string out;
    const std::string marker = "{SEP}";
    std::string s = text;
    size_t pos = 0;
    for (size_t hit; (hit = s.find(marker, pos)) != std::string::npos; pos = hit + marker.size())
        out += s.substr(pos, hit - pos) + ReportSeparator;
    return out + s.substr(pos);
}

bool IsKinematicViscosityUnit(const std::string& unit) {
    const std::string u = AsciiUpper(unit);
    return u == kUnitSquareMetrePerSecondUpper || u == kUnitStokesUpper || u == kUnitCentistokesUpper ||
           u == kUnitStokesLongUpper || u == kUnitCentistokesLongUpper;
}

void SetCaptionSet(char letter) {
    LanguageLetter = letter;
    ApplyWindowCaptionTable(WindowCaptionTable, letter);
    SetMaxFlowPrompt();
    SetDiffPressurePrompt();
    SetReportLabelsOf(letter);
    SetUpstreamFittingList();
    if (TEdit* unit = WindowEdit("qbgsort"))
        SetControlText("visktextin",
                       IsKinematicViscosityUnit(unit->Text()) ? KinematicViscosityPrompt : DynamicViscosityPrompt);
    SetControlText("Medialabel", MediumDisplayName(MediumCode));
    SetControlText("Trycktemplabel",
                   std::string(TextOf(prompt_text::CompensationTableTitlePrefix, letter)) + ControlText("Medialabel"));
    SetControlText("Matain", CompensationTableHint);
}

}  // namespace

bool CaptionConditionHolds(CaptionCondition condition) {
    switch (condition) {
        case CaptionCondition::Always: return true;
        case CaptionCondition::Cone: return IsConeMeter(DeviceCode);
        case CaptionCondition::Plain: return !IsConeMeter(DeviceCode);
        case CaptionCondition::Iso: return StandardLetter != kStandardDin1952;
        case CaptionCondition::Din: return StandardLetter == kStandardDin1952;
        case CaptionCondition::Restriction: return ValveSubtype == kSubtypeRestriction;
        case CaptionCondition::NotRestriction: return ValveSubtype != kSubtypeRestriction;
        case CaptionCondition::Ammonia: return MediumCode == kMediumAmmonia;
        case CaptionCondition::NotAmmonia: return MediumCode != kMediumAmmonia;
        case CaptionCondition::Valve: return CalcFunction == kFunctionValve;
        case CaptionCondition::WideHeading:
            return StandardLetter == kStandardIso2003 && (DeviceCode == kDeviceVenturi || DeviceCode == kDeviceOrifice);
        case CaptionCondition::NarrowHeading:
            return !(StandardLetter == kStandardIso2003 &&
                     (DeviceCode == kDeviceVenturi || DeviceCode == kDeviceOrifice));
        // A cone on the device page only: the throat of another page is a bore, whatever device
        // the device page last chose.
        case CaptionCondition::ConeDevice: return CalcFunction == kFunctionPrimaryDevice && IsConeMeter(DeviceCode);
        case CaptionCondition::NotConeDevice: return !CaptionConditionHolds(CaptionCondition::ConeDevice);
    }
    return false;
}

int ApplyWindowCaptionTable(std::span<const WindowCaptionEntry> table, char letter) {
    int written = 0;
    for (const WindowCaptionEntry& e : table) {
        const char* text = TextOf(e.text, letter);
        if (!text || !CaptionConditionHolds(e.condition)) continue;
        if (e.property == CaptionProperty::Cell) {
            if (TStringGrid* grid = WindowGrid(e.control)) {
                grid->SetCell(e.col, e.row, text);
                ++written;
            }
        } else if (SetControlText(e.control, text)) {
            ++written;
        }
    }
    return written;
}

int ApplyReportLabelTable(std::span<const ReportLabelEntry> table, char letter) {
    int written = 0;
    for (const ReportLabelEntry& e : table) {
        const char* text = TextOf(e.text, letter);
        if (!text || !CaptionConditionHolds(e.condition)) continue;
        *e.label = e.joinsSeparator ? JoinSeparator(text) : std::string(text);
        ++written;
    }
    return written;
}

void SetReportLabelsOf(char letter) {
    const bool known = letter == kLanguageGerman || letter == kLanguageEnglish;
    ApplyReportLabelTable(ReportLabelTable, known ? letter : kLanguageSwedish);
    CopyReportLabelBases();
}

void SetSwedishCaptions() { SetCaptionSet('S'); }
void SetGermanCaptions() { SetCaptionSet('D'); }
void SetEnglishCaptions() { SetCaptionSet('E'); }

void SetPageMenuCaptions() {
    for (const PageMenuEntry& e : PageMenuTable) {
        TMenuItem* item = WindowMenuItem(e.item);
        if (!item) continue;
        if (const char* text = TextOf(e.text, LanguageLetter)) item->SetCaption(text);
        if (TMenuItem* twin = WindowMenuItem(e.twin)) twin->SetCaption(item->Caption());
    }
}

std::string RemoveBlanksFromLongestRun(const std::string& text, int count) {
    size_t bestStart = 0, bestLength = 0;
    for (size_t i = 0; i < text.size();) {
        if (text[i] != ' ') {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < text.size() && text[j] == ' ') ++j;
        if (j - i > bestLength) {
            bestStart = i;
            bestLength = j - i;
        }
        i = j;
    }
    size_t remove = count < 0 ? 0 : static_cast<size_t>(count);
    if (remove > bestLength) remove = bestLength;
    return text.substr(0, bestStart) + text.substr(bestStart + remove);
}

void SetCaptionsOf(char letter) {
    if (letter == kLanguageGerman)
        SetGermanCaptions();
    else if (letter == kLanguageEnglish)
        SetEnglishCaptions();
    else
        SetSwedishCaptions();
}

void ApplyLanguage(char letter) {
    SetCaptionsOf(letter);

    if (StandardLetter != kStandardIso2003) {
        const int blanks = LanguageLetter == kLanguageSwedish ? 8 : 12;
        StraightLengthErrorHeading = RemoveBlanksFromLongestRun(StraightLengthErrorHeading, blanks);
        StraightLengthColumnHeading = RemoveBlanksFromLongestRun(StraightLengthColumnHeading, blanks);
    }

    SetStandardDensityPrompt();
    SetVConeMethodCaptions();
    SetAdiabaticPrompt(ExpansionModeLetter);
    SetDeleteCaption();
    SetNaturalGasLimits();
    SetPressureTemperatureLabels();
    SetOilInputPrompts();
    SetMeterMaterialMenu();
    SetPipeMaterialMenu();
    SetDeviceMenuCaptions();
    SetDeviceLabelCaption();
    SetConeDiameterPrompt();
    SetValveDiameterPrompt();
    SetMaxFlowPrompt();
    SetDiffPressurePrompt();
    SetUpstreamFittingHeading();
    RefreshResistanceGrid();
    FillUncertaintyGridRows();
    SetLargeReynoldsLimitPrompt();
    SetLargeTubeLimitPrompt();
    SetSmallTubeLimitPrompt();
    SetRootOrStandardPrompt();
    SetCalcMethodPrompt();
    SetProductionReportPrompt();
    SetMassPercentHeading();
    SetHumidityPrompt();
    SetHeightDifferencePrompt();

    SetControlText("Medialabel", MediumDisplayName(MediumCode));
}

}  // namespace tubalyx
