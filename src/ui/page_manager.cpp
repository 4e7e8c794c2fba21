#include "ui/page_manager.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

#include "forms/screen.h"
#include "media/medium_identification.h"
#include "media/typed_phase.h"
#include "reports/operating_conditions.h"
#include "reports/report_window.h"
#include "reports/uncertainty/uncertainty_grid.h"
#include "state/decoded_selection.h"
#include "state/grid_rows.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/menu_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_data.h"
#include "texts/caption_sets.h"
#include "texts/page_texts.h"
#include "texts/prompt_setters.h"
#include "texts/window_access.h"
#include "ui/flow_graphs.h"
#include "ui/form1.h"
#include "ui/hide_input_controls.h"
#include "ui/medium_questionnaire.h"
#include "ui/pressure_loss_page.h"
#include "ui/questionnaire.h"
#include "ui/unit_grid.h"

namespace tubalyx {

namespace {

// Rows of the uncertainty grid: natural gas has its own rows; every other medium 23, a humid gas
// showing its humidity rows among them.
constexpr int kNaturalGasUncertaintyRows = 28;
constexpr int kUncertaintyRows = 23;
constexpr int kNaturalGasExtraRow = 27;
// Gap between neighbouring report controls.
constexpr int kReportControlGap = 5;
// BigBlock stands this far right of the code label.
constexpr int kBigBlockGap = 5;
// The tab order of the controls beside the questionnaire: after any question a builder places.
constexpr int kSideTabOrder = kUnplacedTabOrder - 100;
// A rebuild asked for while one runs is done after it; a chain of such requests ends here.
constexpr int kRebuildPasses = 4;

struct ReportCaption {
    TLabel TForm1::*label;
    LangText text;
};
constexpr ReportCaption kReportCaptions[] = {
    {&TForm1::sidhuvud, page_text::PageHeadCaption},    {&TForm1::sidfot, page_text::PageFootCaption},
    {&TForm1::RAPPORT, page_text::ReportCaption},       {&TForm1::Rensarapport, page_text::ClearReportCaption},
    {&TForm1::Zoomrap, page_text::ZoomCaption},         {&TForm1::selectall, page_text::SelectAllCaption},
    {&TForm1::osrubrik, page_text::UncertaintyHeading}, {&TForm1::Feltext, page_text::UncertaintyExplanation},
};

int RightOf(const TControl& c) { return c.Left() + c.Width(); }
int BottomOf(const TControl& c) { return c.Top() + c.Height(); }

// After the questionnaire the keyboard goes through the rest of the page as it stands: the data
// sheet and its margins beside the medium, the compensation table with its generated code, the
// uncertainty budget. The report and every control not named here follow.
void PlaceSideControlsInTabOrder(TForm1& f) {
    int order = kSideTabOrder;
    for (TControl* c : {(TControl*)&f.DSAprint, (TControl*)&f.vmargbox, (TControl*)&f.Numberspos,
                        (TControl*)&f.PTberfel, (TControl*)&f.kod, (TControl*)&f.BigBlock, (TControl*)&f.Label2,
                        (TControl*)&f.PTKompgrid, (TControl*)&f.Felsimulrubrik, (TControl*)&f.Felsimulgrid})
        c->SetTabOrder(order++);
}

void SetFontColor(TControl& c, TColor colour) {
    TFont font = c.Font();
    font.Color = colour;
    c.SetFont(font);
}

void ShowAll(std::initializer_list<TControl*> controls, bool visible) {
    for (TControl* c : controls) c->SetVisible(visible);
}

// The medium's rows of the uncertainty grid shown or hidden.
void ShowUncertaintyRowsOfMedium() {
    TStringGrid& grid = Form1().Felsimulgrid;
    const int shown = grid.DefaultRowHeight();
    if (MediumCode == kMediumNaturalGas) {
        grid.SetRowHeight(kHumidityRow, 0);
        grid.SetRowHeight(kNaturalGasExtraRow, shown);
    } else if (IsGasMedium(MediumCode)) {
        for (int row : {kHumidityRow, kHumidityUncertaintyRow}) grid.SetRowHeight(row, HumidGasFlag ? shown : 0);
    } else {
        for (int row : {kHumidityRow, kHumidityUncertaintyRow}) grid.SetRowHeight(row, 0);
    }
}

void FitUncertaintyGridHeight() {
    TStringGrid& grid = Form1().Felsimulgrid;
    int height = 0;
    for (int row = 0; row < grid.RowCount(); ++row) height += grid.RowHeight(row) + grid.GridLineWidth();
    grid.SetClientHeight(height);
}

void LayoutUncertaintyRows() {
    TStringGrid& grid = Form1().Felsimulgrid;
    StartRowsOfMediumLayout();
    if (MediumCode == kMediumNaturalGas) {
        grid.SetRowCount(kNaturalGasUncertaintyRows);
    } else {
        grid.SetRowCount(kUncertaintyRows);
        if (IsGasMedium(MediumCode) && !grid.Cell(1, kHumidityUncertaintyRow).empty())
            for (int row = kOtherErrorsFirstRow; row <= kHumidityUncertaintyRow; ++row) grid.SetCell(1, row, "");
    }
    ShowUncertaintyRowsOfMedium();
    ShowUncertaintyTable();
}

// The hints fall back to Swedish for another letter, the code caption stays.
void SetHints(TForm1& f) {
    f.Felsimulrubrik.SetHint(ByLanguage(page_text::UncertaintyHint));
    f.BigBlock.SetHint(ByLanguage(page_text::BigBlockHint));
    f.Label2.SetHint(ByLanguage(page_text::CompressibilityHint));
    f.kod.SetHint(ByLanguage(page_text::CodeHint));
    if (const char* caption = TextOf(page_text::CodeCaption, LanguageLetter)) f.kod.SetCaption(caption);
    f.BigBlock.SetLeft(RightOf(f.kod) + kBigBlockGap);
}

void PlaceGraphArea(TForm1& f) {
    const TStringGrid& grid = f.Felsimulgrid;
    f.Graftext.SetTop(2 * f.Graftext.Height() + grid.Top() + grid.Height());
    f.Graftext.SetLeft(grid.Left());
    f.PaintBox1.SetTop(BottomOf(f.Graftext));
    f.PaintBox1.SetLeft(grid.Left());
    PlaceGraphLegend();
    SetFontColor(f.Graftext, clWhite);
    SetFontColor(f.grafblack, clWhite);
}

void SetGraphVisibility(TForm1& f) {
    const bool device = CalcFunction == kFunctionPrimaryDevice;
    f.PaintBox1.SetVisible(device || CalcFunction == kFunctionFlow);
    ShowAll({&f.Graftext, &f.grafred, &f.grafblue, &f.grafblack, &f.grafyellow, &f.grafdp, &f.grafq}, device);
}

void SetMaxFlowLabel(TForm1& f) {
    const bool fixed = (CalcFunction == kFunctionValve && ValveSubtype != kSubtypeRestriction) ||
                       CalcFunction == kFunctionPressureLoss ||
                       (CalcFunction == kFunctionPrimaryDevice && SolveFor == kSolveOptimal);
    if (fixed) {
        // Not clickable on these pages: the flow is the calculation's own.
        f.maxflowtext.SetColor(clBtnFace);
        MaxFlowGivenFlag = kMaxFlowPlain;
    } else {
        f.maxflowtext.SetColor(clYellow);
    }
    SetMaxFlowPrompt();
}

void SetCaptionFrom(const TMenuItem* item, const char* fileWord) {
    if (item) Form1().SetCaption("Tubalyx.1404:" + item->Caption() + fileWord + ReportFileName);
}

// The report window, hidden here, is placed below the grid: a run shows it there.
void BuildUnitPage(TForm1& f, int& top) {
    HideInputControls();
    // The report's separator label goes with its neighbours, else it stays under the grid.
    ShowAll({&f.Zoomrap, &f.ABBSiemens, &f.Excel, &f.selectall, &f.litenstor, &f.Label1, &f.DSAprint, &f.UpDown1,
             &f.RichEdit1},
            false);
    f.Sortergrid.SetTop(0);
    f.Sortergrid.SetLeft(0);
    SetupUnitGrid();
    f.Sortergrid.SetVisible(true);
    top = BottomOf(f.Sortergrid);
}

// The caption and the content of the function's page.
void BuildFunctionPage(TForm1& f, char kind, int& top, const char* fileWord) {
    const Selection selection = DecodeSelection();
    const CalculationFunction function = selection.function;
    if (function == CalculationFunction::PrimaryDevice) {
        SetCaptionFrom(selection.Meter() ? f.Kommersiellafldesmtare1 : f.Strypel, fileWord);
        BuildThroatDevicePage(kind, top);
        // Placing the uncertainty page gives every row its height again; the graph goes below
        // the grid as the medium shows it.
        ShowUncertaintyRowsOfMedium();
        FitUncertaintyGridHeight();
        const TStringGrid& grid = f.Felsimulgrid;
        f.Graftext.SetTop(f.Graftext.Height() / 5 + f.Graftext.Height() + grid.Top() + grid.Height());
        f.Graftext.SetLeft(grid.Left());
        SetFontColor(f.Graftext, clWhite);
        PlotDeviceCurves();
    } else if (function == CalculationFunction::Thermodynamics) {
        SetCaptionFrom(f.Termodynamik, fileWord);
        CalcMediumProperties(kind, top);
    } else if (function == CalculationFunction::PressureLoss) {
        SetCaptionFrom(f.Tryckf, fileWord);
        ShowPressureLossInput(kind, top);
    } else if (function == CalculationFunction::Flow) {
        SetCaptionFrom(f.flow, fileWord);
        // The velocity profile stands beside the report window, which is placed below the
        // page: it is drawn once the report window has its place in this build.
        ShowPressureLossInput(kind, top);
    } else if (function == CalculationFunction::Valve) {
        if (ValveSubtype == kSubtypeValve)
            SetCaptionFrom(f.Ventiler1, fileWord);
        else if (ValveSubtype == kSubtypeRestriction)
            SetCaptionFrom(f.RestrictionOrifice1, fileWord);
        BuildValvePage(kind, top);
    } else if (function == CalculationFunction::Units) {
        SetCaptionFrom(f.Sortomv, fileWord);
        BuildUnitPage(f, top);
    }
}

// The report-size caption in the current language; "Mini" and any other text stay.
std::string TranslatedReportSize(const std::string& size) {
    const LangText& small = page_text::SmallReportCaption;
    const LangText& big = page_text::BigReportCaption;
    if (TextOf(small, LanguageLetter) == nullptr) return size;
    for (const char* s : {small.sv, small.de, small.en})
        if (size == s) return TextOf(small, LanguageLetter);
    for (const char* b : {big.sv, big.de, big.en})
        if (size == b) return TextOf(big, LanguageLetter);
    return size;
}

void SetReportCaptions(TForm1& f) {
    for (const ReportCaption& c : kReportCaptions)
        if (const char* text = TextOf(c.text, LanguageLetter)) (f.*c.label).SetCaption(text);
    f.litenstor.SetCaption(TranslatedReportSize(f.litenstor.Caption()));
}

// The report window fills the scroll range below its title, one screen kept free; it never
// shrinks below kReportMinimumLines lines, however long the questionnaire above it is.
void SizeReportWindow(TForm1& f, int reportTop) {
    const int lineHeight = std::abs(f.Font().Height());
    const int free = f.VertScrollBar().Range - reportTop - Screen().Height();
    f.RichEdit1.SetHeight(std::max(free, kReportMinimumLines * lineHeight));
    f.RichEdit1.SetWidth(ReportZoom ? f.ClientWidth() : f.Font().Size * 100);
}

void Build(char kind, int& layoutTop) {
    // The page is laid out by the medium's pick, never by what the last run found its state to be.
    const PickedPhase picked;
    TForm1& f = Form1();
    LayoutUncertaintyRows();
    SetHints(f);
    if (CalcFunction != kFunctionPressureLoss && CalcFunction != kFunctionFlow) f.PaintBox1.SetHint("");
    if (CalcFunction == kFunctionValve && ValveSubtype == kSubtypeRestriction && SolveFor != kSolveBore &&
        SolveFor != kSolveFlow)
        SolveFor = kSolveFlow;
    PlaceGraphArea(f);
    HideInputControls();
    SetGraphVisibility(f);

    const int top = layoutTop;
    ShowAll({&f.RichEdit1, &f.RichEdit2, &f.RichEdit3, &f.Rensarapport, &f.Zoomrap, &f.ABBSiemens, &f.selectall,
             &f.litenstor, &f.RAPPORT, &f.sidhuvud, &f.sidfot},
            true);
    const int horz = f.HorzScrollBar().Position, vert = f.VertScrollBar().Position;
    f.SetHorzScrollPosition(0);
    f.SetVertScrollPosition(0);
    InputTabOrder = 0;
    // The keyboard's way is laid anew: the questionnaire's builders place theirs first, every
    // other control of the form follows.
    for (TControl* c : f.Controls())
        if (c->Parent() == &f) c->SetTabOrder(kUnplacedTabOrder);
    PlaceSideControlsInTabOrder(f);
    ShowAll({&f.Label1, &f.Zoomrap, &f.ABBSiemens, &f.Excel, &f.selectall, &f.litenstor}, true);
    f.UpDown1.SetHint(ByLanguage(page_text::UpDownHint));
    UpdateThermoCaption();
    if (DeviceCode == kDeviceVolumeMeter) SolveFor = kSolveFlow;
    f.Medialabel.SetCaption(MediumDisplayName(MediumCode));
    ApplyLanguage(LanguageLetter);
    layoutTop = top;
    SetMaxFlowLabel(f);

    BuildFunctionPage(f, kind, layoutTop, ByLanguage(page_text::FileWord));
    SetReportCaptions(f);
    SizeReportWindow(f, layoutTop);
    ShowReportControls(layoutTop);
    if (CalcFunction == kFunctionFlow) DrawFlowProfile();
    FillUncertaintyGridRows();
    // Writing the row captions gives every row its height again: the medium's rows follow.
    ShowUncertaintyRowsOfMedium();
    FitUncertaintyGridHeight();
    f.SetHorzScrollPosition(horz);
    f.SetVertScrollPosition(vert);
}

bool building = false;
bool rebuildRequested = false;

// The function a page is built for; the valve kind and the commercial meters have pages of
// their own.
struct FunctionPage {
    std::string function, valveSubtype;
    bool meter = false;
    bool operator==(const FunctionPage&) const = default;
};

FunctionPage SelectedFunctionPage() {
    return {CalcFunction, CalcFunction == kFunctionValve ? ValveSubtype : std::string(),
            CalcFunction == kFunctionPrimaryDevice && CommercialMeterMode};
}

// The function of the page the last build placed.
FunctionPage shownPage;

// Whether the user can reach the control: it and every box holding it shown and enabled.
bool Reachable(const TControl& control) {
    for (const TControl* c = &control; c && c != &Form1(); c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

// The first edit of a box in its tab order that the user can reach; nullptr when none.
TControl* FirstEditIn(const TControl& box) {
    TControl* first = nullptr;
    for (TControl* c : Form1().Controls())
        if (c->Parent() == &box && dynamic_cast<TEdit*>(c) && Reachable(*c) &&
            (!first || c->TabOrder() < first->TabOrder()))
            first = c;
    return first;
}

// The control takes the keyboard, and an edit has its whole text selected, as a Tab into it
// selects it: what the user types then replaces the value, whether or not the edit had the
// keyboard before.
void GiveKeyboardTo(TControl& control) {
    control.SetFocus();
    if (auto* edit = dynamic_cast<TEdit*>(&control); edit && edit->Focused()) edit->SelectAll();
}

// The questionnaire's first edit the user can reach (a box of it stands for its first edit)
// takes the keyboard; the unit page has no questionnaire, and its grid takes it on its first
// value cell.
void FocusFirstQuestion() {
    TForm1& f = Form1();
    if (CalcFunction == kFunctionUnits) {
        if (!Reachable(f.Sortergrid)) return;
        SelectFirstUnitValue();
        f.Sortergrid.SetFocus();
        return;
    }
    for (TControl* c : QuestionnaireTabOrder()) {
        if (!Reachable(*c)) continue;
        TControl* target = dynamic_cast<TGroupBox*>(c) ? FirstEditIn(*c) : c;
        if (!target) continue;
        GiveKeyboardTo(*target);
        return;
    }
}

// Whether the control is one of the questions of the page last built, or an edit of a box
// that is one.
bool IsQuestionOfThePage(const TControl& control) {
    for (const TControl* c : QuestionnaireTabOrder())
        if (c == &control || c == control.Parent()) return true;
    return false;
}

// A page built for the screen where no control the user can reach has the focus (none had it
// yet, or the build took it away with the start text or an edit of the page before) gives the
// keyboard to the questionnaire's first edit: the first keys typed go where the page starts, not
// into whatever control the window finds next.
void KeepFocusOnThePage() {
    const TControl* focused = TControl::FocusedControl();
    if (focused && Reachable(*focused)) return;
    FocusFirstQuestion();
}

}  // namespace

void GiveTheKeyboardToTheQuestionnaire() {
    TControl* focused = TControl::FocusedControl();
    if (focused && Reachable(*focused) && IsQuestionOfThePage(*focused)) {
        GiveKeyboardTo(*focused);
        return;
    }
    FocusFirstQuestion();
}

void GiveTheKeyboardToTheFirstQuestion() { FocusFirstQuestion(); }

bool ThePageShowsTheSelectedFunction() { return shownPage == SelectedFunctionPage(); }

void PageManager(char kind, int& layoutTop) {
    if (building) {
        rebuildRequested = true;
        return;
    }
    // The build places from its own copy: a handler it sets off may reset LayoutTop, which is
    // the variable most callers hand in.
    const int start = layoutTop;
    int top = start;
    building = true;
    try {
        for (int pass = 0; pass < kRebuildPasses; ++pass) {
            rebuildRequested = false;
            top = start;
            Build(pass == 0 ? kind : 'S', top);
            if (!rebuildRequested) break;
        }
    } catch (...) {
        building = false;
        throw;
    }
    building = false;
    shownPage = SelectedFunctionPage();
    layoutTop = top;
    if (kind == 'S') KeepFocusOnThePage();
}

namespace {

// The report's title row: Run, select all and the report size end at the title's left edge;
// clear, zoom, the code dialect and the separator start at its right edge. The title stands over
// the middle of the report as far as the window shows it (the report is wider than the window
// unless zoomed), moved aside where a neighbour would leave the window. A row wider than the
// window puts the labels right of the title on a line of their own below it, from the title's
// left edge, so that every label stays inside the window with its whole caption.
int PlaceReportTitleRow(TForm1& f, int top) {
    TLabel& title = f.RAPPORT;
    const std::initializer_list<TLabel*> before = {&f.Label1, &f.selectall, &f.litenstor};
    const std::initializer_list<TLabel*> after = {&f.Rensarapport, &f.Zoomrap, &f.ABBSiemens, &f.Excel};
    auto widthOf = [](std::initializer_list<TLabel*> labels) {
        int width = kReportControlGap * (static_cast<int>(labels.size()) - 1);
        for (const TLabel* label : labels) width += label->Width();
        return width;
    };
    // The page always scrolls down: its vertical scroll bar takes the window's right edge.
    const int shown = std::min(f.RichEdit1.Width(), f.ClientWidth() - kScrollBarSize);
    const int left = widthOf(before), right = widthOf(after);
    const bool oneLine = left + title.Width() + right <= shown;
    const int room = shown - title.Width() - (oneLine ? right : 0);
    title.SetTop(top);
    title.SetLeft(std::max(left, std::min((shown - title.Width()) / 2, room)));

    int x = title.Left();
    for (auto it = std::rbegin(before); it != std::rend(before); ++it) {
        (*it)->SetTop(top);
        (*it)->SetLeft(x - (*it)->Width());
        x = (*it)->Left() - kReportControlGap;
    }
    const int secondTop = BottomOf(title);
    x = oneLine ? RightOf(title) : std::max(0, std::min(title.Left(), shown - right));
    for (TLabel* label : after) {
        label->SetTop(oneLine ? top : secondTop);
        label->SetLeft(x);
        x = RightOf(*label) + kReportControlGap;
    }
    int bottom = BottomOf(title);
    for (const TLabel* label : after) bottom = std::max(bottom, BottomOf(*label));
    return bottom;
}

}  // namespace

void ShowReportControls(int top) {
    TForm1& f = Form1();
    const int rowBottom = PlaceReportTitleRow(f, top);

    const bool notScrolled = f.HorzScrollBar().Position == 0;
    if (notScrolled) f.RichEdit1.SetLeft(0);
    f.RichEdit1.SetTop(rowBottom);

    // Page head and foot at the bottom of the scroll range, each box a quarter screen high
    // at the base font size.
    const int fontSize = f.Font().Size, screenHeight = Screen().Height();
    const int base = BaseFontSize > 0 ? BaseFontSize : 1;
    const int boxHeight = fontSize * screenHeight * 25 / (base * 100);
    const int textSize = f.ClientWidth() / 60 * 20 / 17;
    auto centre = [&](TLabel& caption, int at) {
        caption.SetTop(at);
        caption.SetLeft((f.RichEdit1.Width() - caption.Width()) / 2);
    };
    auto placeBox = [&](TRichEdit& box, int at) {
        box.SetTop(at);
        if (notScrolled) box.SetLeft(0);
        box.SetWidth(f.RichEdit1.Width());
        box.SetHeight(boxHeight);
        box.SetSelSize(textSize);
    };
    centre(f.sidhuvud, f.VertScrollBar().Range - fontSize * screenHeight * 25 * 2 / (base * 100) - f.sidhuvud.Height() -
                           f.sidfot.Height());
    placeBox(f.RichEdit2, BottomOf(f.sidhuvud));
    centre(f.sidfot, BottomOf(f.RichEdit2));
    placeBox(f.RichEdit3, BottomOf(f.sidfot));
}

}  // namespace tubalyx
