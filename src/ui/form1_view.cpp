// Handlers of the view: language, navigation between the parts of the long form, report size,
// zoom and separator, fonts, the graph choice, the start text and the report selection.
#include <algorithm>
#include <string>

#include "media/medium_identification.h"
#include "reports/compensation_table.h"
#include "reports/report_window.h"
#include "state/keywords.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "state/view_state.h"
#include "state/window_state.h"
#include "texts/caption_sets.h"
#include "texts/language_text.h"
#include "texts/page_texts.h"
#include "ui/font_size.h"
#include "ui/form1.h"
#include "ui/form1_menus.h"
#include "ui/page_manager.h"
#include "ui/start_text.h"

namespace tubalyx {

namespace {

// The order in which the code-generator page is used, as the hint of BigBlock. The language
// items and the language cycle word it differently.
void SetCodePageHint(bool fromCycle) {
    const LangText& hint = fromCycle ? page_text::CodePageHintFromCycle : page_text::CodePageHintFromItem;
    if (const char* text = TextOf(hint, LanguageLetter)) Form1().BigBlock.SetHint(text);
}

void ChooseLanguage(char letter) {
    LanguageLetter = letter;
    SetPageMenuCaptions();
    RebuildPage();
    SetCodePageHint(false);
}

// Control positions of this form are page positions, untouched by scrolling, so bringing a
// control to the top (left) edge is setting the scroll position to its Top (Left).
void ScrollTo(const TControl* vertical, const TControl* horizontal) {
    TForm1& f = Form1();
    if (vertical) f.SetVertScrollPosition(vertical->Top());
    if (horizontal) f.SetHorzScrollPosition(horizontal->Left());
}

void ShowReportPage() { ScrollTo(&Form1().selectall, &Form1().RichEdit1); }

void ShowDensityTable() {
    TForm1& f = Form1();
    if (!f.PTKompgrid.Visible()) return;
    if (!LastRunFailed) WriteUncomputedTableTexts();
    f.PTKompgrid.SetFocus();
    ScrollTo(&f.Trycktemplabel, &f.Pmin);
}

void ShowUncertaintyGrid() {
    TForm1& f = Form1();
    if (!f.Felsimulgrid.Visible()) return;
    f.Felsimulgrid.SetFocus();
    ScrollTo(&f.osrubrik, &f.Felsimulgrid);
}

void ShowPageHeadEditor() { ScrollTo(&Form1().sidhuvud, &Form1().RichEdit2); }

// The questions from their top, with the keyboard in the first, as the other entries focus
// the grid they show.
void ShowInputPage() {
    Form1().SetVertScrollPosition(0);
    Form1().SetHorzScrollPosition(0);
    GiveTheKeyboardToTheFirstQuestion();
}

// The report size by the caption of litenstor. A translation leaves the captions padded to
// five characters, so they are compared without their trailing blanks.
std::string NextReportSizeCaption(const std::string& caption, char language) {
    if (const char own = SizeCaptionLanguage(caption, ReportSizeKind::Small))
        return ReportSizeCaption(ReportSizeKind::Big, own);
    if (SizeCaptionLanguage(caption, ReportSizeKind::Big)) return ReportSizeCaption(ReportSizeKind::Mini, language);
    if (SizeCaptionLanguage(caption, ReportSizeKind::Mini)) {
        if (language == kLanguageSwedish || language == kLanguageGerman || language == kLanguageEnglish)
            return ReportSizeCaption(ReportSizeKind::Small, language);
    }
    return {};
}

// Memo2 also carries the help of the composition grid; the start text is what it shows first.
bool ShowsStartText(const TMemo& memo) {
    if (memo.Lines().empty()) return false;
    for (char letter : {kLanguageSwedish, kLanguageGerman, kLanguageEnglish})
        if (memo.Lines() == StartTextLines(letter)) return true;
    return false;
}

// The cells of the uncertainty grid that react to a click.
bool IsClickableUncertaintyCell(int col, int row) {
    return (col == 0 && ((row >= 3 && row <= 4) || (row >= 15 && row <= 18))) || (row == 0 && col == 12);
}

// The editors whose selection the font dialog changes.
TRichEdit* FocusedTextEditor() {
    TForm1& f = Form1();
    for (TRichEdit* e : {&f.RichEdit1, &f.RichEdit2, &f.RichEdit3})
        if (e->Focused()) return e;
    return nullptr;
}

}  // namespace

// Keys typed on the empty form and the mouse moving over it do nothing.
void TForm1::FormKeyDown(TControl*, int, TShiftState) {}
void TForm1::FormKeyPress(TControl*, char) {}
void TForm1::FormKeyUp(TControl*, int, TShiftState) {}
void TForm1::FormMouseMove(TControl*, TShiftState, int, int) {}

// Typing in the report and releasing the mouse over it leave the report as the user made it.
void TForm1::RichEdit1Change(TControl*) {}
void TForm1::RichEdit1KeyDown(TControl*, int, TShiftState) {}
void TForm1::RichEdit1MouseUp(TControl*, TMouseButton, TShiftState, int, int) {}

// Selects the whole report for copying. A hidden report cannot take the focus; it is still
// selected.
void TForm1::selectallClick(TControl*) {
    FocusReport();
    RichEdit1.SelectAll();
}

void TForm1::RensarapportClick(TControl*) { ClearReport(); }

void TForm1::RichEdit1MouseMove(TControl*, TShiftState, int, int) { ReportScrollPosition = VertScrollBar().Position; }

// Each click selects from the previous click to this one. The anchor outlives a cleared
// report, so it is kept inside the text that is there now.
void TForm1::RichEdit1MouseDown(TControl*, TMouseButton, TShiftState, int, int) {
    const int click = RichEdit1.SelStart().Value;
    const int anchor = std::clamp(ReportSelectionAnchor, 0, RichEdit1.TextLength());
    RichEdit1.SetSelStart(std::min(anchor, click));
    RichEdit1.SetSelLength(std::abs(click - anchor));
    ReportSelectionAnchor = click;
    SetVertScrollPosition(ReportScrollPosition);
}

void TForm1::SvenskaClick(TControl*) { ChooseLanguage('S'); }
void TForm1::DeutschClick(TControl*) { ChooseLanguage('D'); }
void TForm1::EnglishClick(TControl*) { ChooseLanguage('E'); }

void TForm1::Bytsprk1Click(TControl*) {
    LanguageLetter = LanguageLetter == kLanguageGerman    ? kLanguageEnglish
                     : LanguageLetter == kLanguageEnglish ? kLanguageSwedish
                                                          : kLanguageGerman;
    SetCodePageHint(true);
    SetPageMenuCaptions();
    RebuildPage();
}

void TForm1::FormMouseDown(TControl*, TMouseButton, TShiftState, int x, int y) { berval.Popup(Left() + x, Top() + y); }
void TForm1::FormClick(TControl*) { PopupBelowLabel(berval, Medialabel); }

void TForm1::IndatavalClick(TControl*) { ShowInputPage(); }
void TForm1::Indata1Click(TControl*) { ShowInputPage(); }

// The pop-up entry goes on to the newest block, once.
void TForm1::Rapport1Click(TControl*) {
    ShowReportPage();
    SetVertScrollPosition(VertScrollBar().Position + 3 * RichEdit1.Font().Size * ReportLinesWritten);
    ReportLinesWritten = 0;
}
void TForm1::Rapport2Click(TControl*) { ShowReportPage(); }

void TForm1::Densitetsberkningfdensmat1Click(TControl*) { ShowDensityTable(); }
void TForm1::Densitet1Click(TControl*) { ShowDensityTable(); }
void TForm1::Oskerhetskalkyl1Click(TControl*) { ShowUncertaintyGrid(); }
void TForm1::Oskerhet1Click(TControl*) { ShowUncertaintyGrid(); }

void TForm1::Grafer1Click(TControl*) {
    if (Graftext.Visible()) ScrollTo(&Graftext, &Graftext);
}

void TForm1::SidhuvudvalClick(TControl*) { ShowPageHeadEditor(); }
void TForm1::Sidhuvudfot1Click(TControl*) { ShowPageHeadEditor(); }

void TForm1::ZoomrapClick(TControl*) {
    ReportZoom = !ReportZoom;
    RebuildPage();
    SetVertScrollPosition(RAPPORT.Top());
}

void TForm1::litenstorClick(TControl*) {
    const std::string next = NextReportSizeCaption(litenstor.Caption(), LanguageLetter);
    if (!next.empty()) litenstor.SetCaption(next);
}

// "Excel" on the label means TAB-separated report values.
void TForm1::ExcelClick(TControl*) {
    const bool toText = Excel.Caption() == kSeparatorCaptionExcel;
    Excel.SetCaption(std::string(toText ? kSeparatorCaptionText : kSeparatorCaptionExcel));
    ReportSeparator = toText ? "" : "\t";
}

void TForm1::N1Click(TControl*) { StepFormFontSize(+1); }
void TForm1::N3Click(TControl*) { StepFormFontSize(-1); }

void TForm1::Fontdata1Click(TControl*) {
    TRichEdit* editor = FocusedTextEditor();
    if (editor) {
        const TTextAttributes& a = editor->SelAttributes();
        FontDialog1.Font.Name = a.Name;
        FontDialog1.Font.Color = a.Color;
        FontDialog1.Font.Size = a.Size;
        FontDialog1.Font.Bold = a.Style.Bold;
        FontDialog1.Font.Italic = a.Style.Italic;
        FontDialog1.Font.Underline = a.Style.Underline;
        FontDialog1.Font.StrikeOut = a.Style.StrikeOut;
    }
    if (!FontDialog1.Execute() || !editor) return;
    const TFont& chosen = FontDialog1.Font;
    TTextAttributes a;
    a.Name = chosen.Name;
    a.Color = chosen.Color;
    a.Size = chosen.Size;
    a.Style = {chosen.Bold, chosen.Italic, chosen.Underline, chosen.StrikeOut};
    editor->SetSelAttributes(a);
}

void TForm1::Grafvalclick(TControl*) {
    const std::string& g = GraphChoice;
    GraphChoice = g == kGraphRoot       ? kGraphEnthalpy
                  : g == kGraphEnthalpy ? kGraphDensity
                  : g == kGraphDensity  ? kGraphSteamDensity
                                        : kGraphRoot;
    PaintBox1.Repaint();
}

// The pressure-loss pages draw their diagram over the questionnaire; a click puts it away.
void TForm1::PaintBox1Click(TControl*) {
    if (CalcFunction == kFunctionPressureLoss || CalcFunction == kFunctionFlow) PaintBox1.SetVisible(false);
}

void TForm1::Logo1Click(TControl*) { WriteStartText(); }

// A click puts the start text away and shows the page; the composition help of natural gas
// and gas mixtures goes too.
void TForm1::Memo2Click(TControl*) {
    if (ShowsStartText(Memo2)) RebuildPage();
    if (CalcFunction != kFunctionUnits && IsMixtureMedium(MediumCode)) Memo2.SetVisible(false);
    SetHorzScrollPosition(0);
    SetVertScrollPosition(0);
}

void TForm1::FelsimulgridMouseMove(TControl*, TShiftState, int x, int y) {
    int col = -1, row = -1;
    Felsimulgrid.MouseToCell(x, y, col, row);
    Felsimulgrid.SetHint(IsClickableUncertaintyCell(col, row) ? "Click Here" : "");
}

// The hot-water power page has controls but no behaviour.
void TForm1::HetvattenClick(TControl*) {}

}  // namespace tubalyx
