#include "ui/medium_questionnaire.h"

#include "media/medium_identification.h"
#include "numerics/number_text.h"
#include "reports/compensation_table.h"
#include "reports/medium_listing.h"
#include "reports/medium_state_lines.h"
#include "reports/operating_conditions.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_data.h"
#include "texts/page_texts.h"
#include "texts/prompt_setters.h"
#include "texts/window_access.h"
#include "ui/form1.h"
#include "ui/questionnaire.h"
#include "ui/questionnaire_detail.h"

namespace tubalyx {

using namespace questionnaire;

namespace {

constexpr int kTemperatureFieldWidth = 6;
constexpr int kPressureFieldWidth = 7;
constexpr int kHumidityFieldWidth = 5;
// The heading row's labels stand this far apart.
constexpr int kHeadingGap = 5;
// A real-gas molar mass up to this is no correction and is not listed.
constexpr double kNoRealGasMolarMass = 1e-7;

bool IsGasWithPhaseLetter(MediumKind m) {
    switch (m) {
        case MediumKind::Argon:
        case MediumKind::Oxygen:
        case MediumKind::Nitrogen:
        case MediumKind::CarbonDioxide:
        case MediumKind::CarbonMonoxide:
        case MediumKind::Ozone:
        case MediumKind::Hydrogen: return true;
        default: return false;
    }
}

// Only the gases that the tables hold in several states keep a phase letter other than 'N';
// hydrogen, carbon dioxide and ozone have no saturated state at a given pressure or
// temperature ('G', 'H').
void NormalisePhaseLetter(MediumKind m) {
    if (!IsGasWithPhaseLetter(m)) {
        PhaseLetter = kPhaseNone;
        return;
    }
    const bool noSaturatedState = m == MediumKind::Hydrogen || m == MediumKind::CarbonDioxide || m == MediumKind::Ozone;
    if (noSaturatedState && IsVapourPhase(PhaseLetter)) PhaseLetter = kPhaseNone;
}

// Places a control at the left edge (unless the form is scrolled) on `top`.
void PlaceAtLeft(TControl& control, int top) {
    control.SetTop(top);
    if (Form1().HorzScrollBar().Position == 0) control.SetLeft(InputPanelTop);
    control.SetVisible(true);
}

// A row whose edit and unit box are hidden for the phase: the prompt alone, the row as high
// as with them.
void PlacePromptOnly(TLabel& prompt, TControl& edit, TControl& unit, int& top) {
    PlaceAtLeft(prompt, top);
    edit.SetVisible(false);
    unit.SetVisible(false);
    top = prompt.Top() + unit.Height();
}

std::string ShortenedField(const TEdit& edit, int width) {
    return ListingField(ShortenConditionNumber(edit.Text()), width);
}

void AppendHumidityLine() {
    TForm1& f = Form1();
    AppendLine(f.relabsfukt.Caption() + " " + ListingField(f.relabsspecfukt.Text(), kHumidityFieldWidth));
}

}  // namespace

void CalcMediumProperties(char kind, int& layoutTop) {
    TForm1& f = Form1();
    switch (DecodeMedium(MediumCode)) {
        case MediumKind::WetSteam:
            WriteMediumHeading(kind, layoutTop);
            WritePressureLines(kind, layoutTop);
            break;
        case MediumKind::NaturalGas:
            f.ViktVolprocGrid.SetFixedCols(2);
            WriteMediumDataSection(kind, layoutTop);
            break;
        case MediumKind::Mixture:
            f.ViktVolprocGrid.SetFixedCols(0);
            WriteMediumDataSection(kind, layoutTop);
            break;
        case MediumKind::Other: break;
        default: WriteMediumDataSection(kind, layoutTop); break;
    }
    ShowCompensationTableControls(true);
}

void WriteMediumDataSection(char kind, int& layoutTop) {
    TForm1& f = Form1();
    WriteMediumHeading(kind, layoutTop);
    const MediumKind m = DecodeMedium(MediumCode);
    if (m == MediumKind::IdealGas || m == MediumKind::Liquid || m == MediumKind::RealGas || m == MediumKind::Oil) {
        PlaceLabelLine(f.gasnamnintext, layoutTop);
        if (WritesReport(kind)) AppendLine(f.gasnamnintext.Caption());
        PlaceAtLeft(f.GroupBox1, layoutTop);
        WriteMediumPropertyLines(kind, 0);
        f.GroupBox1.SetTop(layoutTop);
        TakeTabOrder(f.GroupBox1);
        layoutTop += f.GroupBox1.Height();
    }
    if (m != MediumKind::WetSteam) WriteTemperatureLines(kind, layoutTop);
    WritePressureLines(kind, layoutTop);
    const bool ownState = m == MediumKind::Steam || m == MediumKind::NaturalGas || m == MediumKind::WetSteam;
    if (IsGasMedium(MediumCode) && !ownState && PhaseLetter == kPhaseNone) AskRealGasCorrection(kind, layoutTop);
}

void WriteMediumHeading(char kind, int& layoutTop) {
    TForm1& f = Form1();
    const int top = layoutTop;
    PlaceAtLeft(f.Mediarubrik, top);
    PlaceRightOf(f.Mediarubrik, f.Medialabel, top, false);
    f.Label1.SetTop(top);
    f.Label1.SetLeft(RightEdge(f.Medialabel) + kHeadingGap);
    f.Label1.SetVisible(true);
    f.DSAprint.SetTop(top);
    f.DSAprint.SetLeft(RightEdge(f.Label1) + kHeadingGap);
    f.DSAprint.SetVisible(true);
    // The data sheet's margins beside its label; they stay out of the questionnaire's tab order.
    PlaceRightOf(f.DSAprint, f.vmargboxtext, top, false);
    PlaceRightOf(f.vmargboxtext, f.vmargbox, top, false);
    PlaceRightOf(f.vmargbox, f.Numberspostext, top, false);
    PlaceRightOf(f.Numberspostext, f.Numberspos, top, false);
    layoutTop = top + f.Medialabel.Height();
    // The report names the medium as the run computes it; the label keeps the pick.
    if (WritesReport(kind)) AppendLine(f.Mediarubrik.Caption() + " " + ComputedMediumName());
    ReadCompensationTableLimits();
    // The run's build has this run's state; after a failed run the block keeps what it wrote.
    if (WritesReport(kind) || !LastRunFailed) WriteUncomputedTableTexts();

    const MediumKind m = DecodeMedium(MediumCode);
    NormalisePhaseLetter(m);
    if (m != MediumKind::Mixture && m != MediumKind::NaturalGas) return;
    PlaceAtLeft(f.ViktVolprocGrid, layoutTop);
    PlaceAtLeft(f.ViktVolprocgridfukt, layoutTop);
    f.ViktVolprocgridfukt.SetVisible(false);
    if (WritesReport(kind)) WriteCompositionLines(kind, false);
    layoutTop += f.ViktVolprocGrid.Height();
}

void WriteTemperatureLines(char kind, int& layoutTop) {
    TForm1& f = Form1();
    f.temp.SetColor(clWindow);
    const bool asked = PhaseLetter == kPhaseNone || PhaseLetter == kPhaseVapourAtTemperature ||
                       PhaseLetter == kPhaseLiquidAtTemperature;
    if (asked) {
        PlaceLine(f.temptext, &f.temp, &f.tempsort, layoutTop);
        if (UsesGasThroatBranch()) {
            // The prompts of a range follow from the minimum row being shown.
            f.tempmintext.SetVisible(true);
            SetPressureTemperatureLabels();
            PlaceLine(f.tempmintext, &f.tempmin, nullptr, layoutTop);
        }
    } else {
        PlacePromptOnly(f.temptext, f.temp, f.tempsort, layoutTop);
    }
    if (WritesReport(kind)) {
        if (f.temp.Visible()) {
            const bool range = TemperatureMinC != TemperatureMaxC;
            const std::string& unit = f.tempsort.Caption();
            const std::string& prompt = range ? f.temptext.Caption() : TemperatureRangeLabel;
            AppendLine(ListingUnitPrefix(prompt, unit) + " " + ShortenedField(f.temp, kTemperatureFieldWidth));
            if (f.tempmintext.Visible() && range)
                AppendLine(ListingUnitPrefix(f.tempmintext.Caption(), unit) + " " +
                           ShortenedField(f.tempmin, kTemperatureFieldWidth));
        } else {
            AppendLine(f.temptext.Caption());
        }
    }
    SetPressureTemperatureLabels();
}

void WritePressureLines(char kind, int& layoutTop) {
    TForm1& f = Form1();
    if (UsesGasThroatBranch() && (PhaseLetter == kPhaseNone || PhaseLetter == kPhaseLiquidAtPressure)) {
        // The prompts of a range follow from the maximum row being shown; the row is placed
        // after them, so that its edit stands right of the prompt's final width.
        f.abstryckmaxtext.SetVisible(true);
        SetPressureTemperatureLabels();
        PlaceLine(f.abstryckmaxtext, &f.abstryckmaxantal, nullptr, layoutTop);
    }
    if (PhaseLetter == kPhaseNone || PhaseLetter == kPhaseVapourAtPressure || PhaseLetter == kPhaseLiquidAtPressure)
        PlaceLine(f.abstrycktext, &f.abstryckantal, &f.abstrycksort, layoutTop);
    else
        PlacePromptOnly(f.abstrycktext, f.abstryckantal, f.abstrycksort, layoutTop);
    if (WritesReport(kind)) {
        if (f.abstryckantal.Visible()) {
            const bool range = PressureMinInput != PressureMaxInput;
            const std::string& unit = f.abstrycksort.Text();
            if (f.abstryckmaxtext.Visible() && range)
                AppendLine(ListingUnitPrefix(f.abstryckmaxtext.Caption(), unit) +
                           ShortenedField(f.abstryckmaxantal, kPressureFieldWidth));
            const std::string& prompt = range ? f.abstrycktext.Caption() : PressureRangeLabel;
            AppendLine(ListingUnitPrefix(prompt, unit) + ShortenedField(f.abstryckantal, kPressureFieldWidth));
        } else {
            AppendLine(f.abstrycktext.Caption());
        }
    }
    SetPressureTemperatureLabels();
    UpdateThermoCaption();
}

void AskRealGasCorrection(char kind, int& layoutTop) {
    TForm1& f = Form1();
    const MediumKind m = DecodeMedium(MediumCode);
    if (m == MediumKind::NaturalGas || m == MediumKind::Mixture) {
        if (const char* hint = TextOf(page_text::RealGasHint, LanguageLetter)) f.molekylviktGtext.SetHint(hint);
        if (const char* prompt = TextOf(page_text::RealGasPrompt, LanguageLetter))
            f.molekylviktGtext.SetCaption(prompt);
        PlaceLine(f.molekylviktGtext, &f.molekylviktvG, nullptr, layoutTop);
        if (WritesReport(kind) && StrToFloatSafe(f.molekylviktvG.Text()) > kNoRealGasMolarMass)
            AppendLine(f.molekylviktGtext.Caption() + " " + ListingField(f.molekylviktvG.Text(), kHumidityFieldWidth));
    }
    PlaceLine(f.relabsfukt, &f.relabsspecfukt, nullptr, layoutTop);
    if (WritesReport(kind)) AppendHumidityLine();
}

void WriteDeviceTypeLines(char kind, int& layoutTop) {
    TForm1& f = Form1();
    const int top = layoutTop;
    PlaceAtLeft(f.ISODIN, top);
    // The volume meter follows no standard: its empty standard label is not shown.
    if (f.ISODIN.Caption().empty()) f.ISODIN.SetVisible(false);
    PlaceRightOf(f.ISODIN, f.Strypbertyp, top, false);
    f.maxflowsortut.SetVisible(false);
    const bool volumeMeter = DeviceCode == kDeviceVolumeMeter;
    const TControl* last = &f.Strypbertyp;
    std::string line = f.ISODIN.Caption() + " " + f.Strypbertyp.Caption();
    auto showNext = [&](TControl& control, const std::string& text) {
        PlaceRightOf(*last, control, top, false);
        last = &control;
        line += " " + text;
    };
    if (SolveFor == kSolveFlow) {
        if (volumeMeter) {
            RefreshMaxFlow();
            f.maxflowsort.SetVisible(false);
            showNext(f.maxflowsortut, f.maxflowsortut.Text());
        } else {
            showNext(f.maxflowsort, f.maxflowsort.Text());
        }
    } else if (SolveFor == kSolveDp && !volumeMeter) {
        showNext(f.difftryckmaxsort, f.difftryckmaxsort.Text());
    }
    const bool optimal = SolveFor == kSolveOptimal;
    if (!optimal) showNext(f.strypsort, f.strypsort.Caption());
    layoutTop = BottomEdge(*last);
    if (WritesReport(kind)) {
        if (optimal)
            AppendLine(line);
        else
            AppendFittedCaption(line);
    }
    if (SolveFor == kSolveFlow) ShowMaxFlowNormalDensityInput(kind, layoutTop);
}

}  // namespace tubalyx
