#include "ui/startup.h"

#include "forms/event_depth.h"
#include "forms/screen.h"
#include "media/gas_mixture.h"
#include "media/medium_identification.h"
#include "reports/uncertainty/uncertainty_grid.h"
#include "state/flow_results.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/menu_state.h"
#include "state/pressure_loss_state.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/caption_sets.h"
#include "texts/prompt_setters.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"
#include "ui/form1_menus.h"
#include "ui/hide_input_controls.h"
#include "ui/input_transfer.h"
#include "ui/layout_controls.h"
#include "ui/page_manager.h"
#include "ui/start_text.h"
#include "ui/unit_grid.h"
#include "ui/window_metrics.h"

namespace tubalyx {

namespace {

// Creation makes the window 140 pixels taller than it was designed. It is designed so that it
// then stands nine tenths of the work area high, as it is nine tenths of the screen wide: the
// questionnaire and the Run label below it fit without scrolling on the screen at hand.
constexpr int kCreationExtraHeight = 140;
int DesignedHeight() { return Screen().WorkAreaHeight() * 9 / 10 - kCreationExtraHeight; }

// Properties the window has from its design, before the create event: the captions of the
// standard and unit labels and of the menu items that no caption set writes.
void SetDesignedProperties(TForm1& f) {
    // A created window's edits are empty, so every default written into them is a change
    // that their handlers take into the state.
    for (TControl* c : f.Controls())
        if (auto* edit = dynamic_cast<TEdit*>(c)) edit->SetText("");
    f.SetHeight(DesignedHeight());
    f.ISODIN.SetCaption(std::string(kStandardCaptionIso2003));
    f.tempsort.SetCaption("C");
    f.dstorkallsort.SetCaption(std::string(kUnitMillimetre));
    // Reports start small; the page manager words the size in the window's language, and a
    // label with no caption could never be stepped to another size.
    f.litenstor.SetCaption("Liten");
    // Generated code starts in the Siemens dialect.
    f.ABBSiemens.SetCaption(std::string(kDialectCaptionSiemens));
    // The solutions a commercial meter hides are on the menu of a new window.
    for (TMenuItem* item : {f.Optimalkonstruktion1, f.Hldiameter1, f.Tryckfrlust1}) item->SetVisible(true);
    CaptionUnitMenus();
    // clang-format off
    const struct {
        TMenuItem* TForm1::*item;
        const char* caption;
    } items[] = {
        {&TForm1::AR, "Argon"},    {&TForm1::CH4, "CH4"},   {&TForm1::CO, "CO"},
        {&TForm1::CO2, "CO2"},     {&TForm1::Propan1, "C3H8 Propane (gas)"},
        {&TForm1::Propanvtska1, "C3H8 Propane (vätska)"}, {&TForm1::H2, "H2"},
        {&TForm1::N2, "N2"},       {&TForm1::NH3, "NH3"},   {&TForm1::O2, "O2"},
        {&TForm1::O3, "O3"},       {&TForm1::Olja, "Olja"}, {&TForm1::Gas1, "Gas"},
        {&TForm1::Argon1, "Argon"}, {&TForm1::CO1, "CO"},  {&TForm1::CO21, "CO2"},
        {&TForm1::CH41, "CH4"},    {&TForm1::H21, "H2"},    {&TForm1::NH31, "NH3"},
        {&TForm1::N21, "N2"},      {&TForm1::O21, "O2"},    {&TForm1::O31, "O3"},
        {&TForm1::C3H81, "Propane C3H8"}, {&TForm1::RestrictionOrifice1, "Restriction orifice"},
        {&TForm1::Restrictionorifice2, "Restriction orifice"}, {&TForm1::Exit2, "Exit"},
        {&TForm1::Exitsnabb, "Exit"},
    };
    // clang-format on
    for (const auto& i : items) (f.*i.item)->SetCaption(i.caption);
}

void CentreWindow(TForm1& f) {
    const int screenWidth = Screen().Width();
    f.SetWidth(screenWidth * 9 / 10);
    f.SetHeight(f.Height() + kCreationExtraHeight);
    InitialClientWidth = f.ClientWidth();
    InitialClientHeight = f.ClientHeight();
    for (TControl* c : {static_cast<TControl*>(&f.RichEdit2), static_cast<TControl*>(&f.RichEdit3),
                        static_cast<TControl*>(&f.Felsimulgrid), static_cast<TControl*>(&f.PTKompgrid),
                        static_cast<TControl*>(&f.RichEdit1)})
        c->SetColor(clWindow);
    ReportZoom = false;
    BaseFontSize = BaseFontSizeForScreen(screenWidth);
    f.SetFontSize(BaseFontSize);
    f.RichEdit1.SetFontSize(f.Font().Size);
    f.UpDown1.SetPosition(BaseFontSize);
    UpDownLastPosition = static_cast<std::int16_t>(f.UpDown1.Position());
    f.UpDown1.SetClientWidth(CharWidth(f.Font().Size * 4));
    f.UpDown1.SetClientHeight(CharWidth(f.Font().Size * 2));
    // Integer division truncates toward zero, so a window wider than the screen moves left.
    f.SetLeft((screenWidth - f.Width()) / 2);
    f.SetTop((Screen().Height() - f.Height()) / 2);
}

void UseFormFont(TForm1& f) {
    HideInputControls();
    TFont font = f.Font();
    font.Name = "Courier New";
    font.Bold = true;
    f.SetFont(font);
    f.RichEdit1.Clear();
    f.RichEdit2.Clear();
    f.RichEdit3.Clear();
    TTextAttributes insertion = f.RichEdit1.SelAttributes();
    insertion.Color = clBlack;
    insertion.Style = TFontStyles{};
    insertion.Style.Bold = true;
    f.RichEdit1.SetSelAttributes(insertion);
    TFont labelFont = f.fattringtextin.Font();
    labelFont.Name = font.Name;
    labelFont.Bold = font.Bold;
    labelFont.Italic = font.Italic;
    labelFont.Underline = font.Underline;
    labelFont.StrikeOut = font.StrikeOut;
    f.fattringtextin.SetFont(labelFont);
}

// The grid headings: the flow points of the uncertainty grid in per cent of the maximum, the
// fitting numbers of the resistance grid, and the first and last pressure (kPa) and
// temperature (degrees C) of the compensation table.
void FillGridHeadings(TForm1& f) {
    for (int col = 2; col <= 11; ++col) f.Felsimulgrid.SetCell(col, 0, std::to_string((col - 1) * 10));
    for (int col = 1; col < f.Motstandgrid.ColCount(); ++col) f.Motstandgrid.SetCell(col, 0, std::to_string(col));
    f.PTKompgrid.SetCell(0, 1, "100");
    f.PTKompgrid.SetCell(0, 10, "1000");
    f.PTKompgrid.SetCell(1, 0, "0");
    f.PTKompgrid.SetCell(10, 0, "100");
}

void ColourClickableLabels(TForm1& f) {
    TLabel* const labels[] = {
        &f.maxflowtext,    &f.bestyckningtext, &f.rahettextin,    &f.bermetodtextin,    &f.primeltextin,
        &f.reynstortextin, &f.rorstortextin,   &f.rorlitentextin, &f.relabsfukt,        &f.Medialabel,
        &f.ISODIN,         &f.strypsort,       &f.Strypbertyp,    &f.bermetoderrtextin, &f.tillvunderlagtextin,
        &f.mtrlfl,         &f.mtrlror};
    for (TLabel* label : labels) label->SetColor(clYellow);
}

}  // namespace

void MainFormUnitInit() { LayoutTop = 1; }

void CreateMainWindow() {
    TForm1& f = Form1();
    SetDesignedProperties(f);
    FireEvent(f, "OnCreate", f.OnCreate, &f);
}

void TForm1::FormCreate(TControl*) {
    TForm1& f = *this;
    ReportSeparator.clear();
    Excel.SetCaption(std::string(kSeparatorCaptionText));
    BaseFontSize = BaseFontSizeForScreen(Screen().Width());
    SetFontSize(BaseFontSize);
    FillUnitGridTexts();

    DensityTableReady = false;
    // No report has been written yet, so there are no report lines to scroll to.
    ResistanceHoverRow = -1;
    HumidGasMolarMass = 4.0;
    xypolynom.SetVisible(false);
    Fjrreffektosak.SetVisible(false);
    FmatCoefficientA = kFmatNotFitted;
    FmatCoefficientB = kFmatNotFitted;

    // The change handlers of the calibration edits take these into the state before the
    // state is written back into the edits.
    Cf.SetText("1");
    kaltemp.SetText("20");
    kalminreyn.SetText("8000");
    kalmaxreyn.SetText("1000000");
    CommercialMeterMode = false;
    Motstandgrid.SetCol(0);
    Motstandgrid.SetRow(0);

    CentreWindow(f);
    UseFormFont(f);
    SetStartDefaults();
    FillErrorSimGridDefaults();
    FillGridHeadings(f);

    CalcFunction = kFunctionPrimaryDevice;
    ApplyLanguage(LanguageLetter);
    SetFontSize(BaseFontSize);
    CompTableMedium.clear();
    UncertaintyRunOk = false;
    UncertaintyValid = false;
    SetupCompositionGrids();
    if (IsMixtureMedium(MediumCode)) {
        CalcMixtureProperties(4);
        CalcMixtureProperties(3);
        SetMixtureComponent();
    }

    SetHorzScrollPosition(0);
    SetVertScrollPosition(0);
    LayoutControls();
    LayoutTop = 0;
    PageManager('S', LayoutTop);
    SetOilInputPrompts();
    LayoutErrorSimGrid(HumidGasFlag);
    HideInputControls();

    Memo2.SetTop(0);
    if (HorzScrollBar().Position == 0) Memo2.SetLeft(0);
    Memo2.Clear();
    WriteStartText();
    HideInputControls();
    Memo2.SetVisible(true);

    ReadUncertaintyGrid();
    ColourClickableLabels(f);
    RichEdit1.SetSelFontName("Courier New");
    SetPageMenuCaptions();
}

}  // namespace tubalyx
