#include "ui/calculation_window.h"

#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "state/composition.h"
#include "texts/fitting_labels.h"
#include "texts/medium_prompts.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"

namespace tubalyx {

const CalculationControls& CalculationWindow() {
    static const CalculationControls controls = [] {
        TForm1& f = Form1();
        return CalculationControls{
            f.ViktVolprocGrid,   f.ViktVolprocgridfukt, f.abstryckantal, f.abstryckmaxantal, f.abstrycksort, f.rbg,
            f.maxflowsort,       f.maxflownormaldens,   f.dstorkallsort, f.Dstorkallmm,      f.dkallmm,      f.hkallmm,
            f.difftryckmaxantal, f.difftryckmaxsort,    f.PaintBox1,     f.RichEdit1,        f.Motstandgrid, f.fltext,
            f.Ventildiamtext};
    }();
    return controls;
}

const TMenuItem* MediumMenuItem(const std::string& code) {
    TForm1& f = Form1();
    const struct {
        const char* code;
        TMenuItem* item;
    } items[] = {
        {"GAS", f.GAS},      {"IGAS", f.IGAS},
        {"G", f.G},          {"VÄT", f.LIQ},
        {"LUF", f.LUF},      {"VAT", f.VAT},
        {"ANG", f.ANG},      {"MNG", f.MNG},
        {"AR", f.AR},        {"CH4", f.CH4},
        {"CO", f.CO},        {"CO2", f.CO2},
        {"C3H8", f.Propan1}, {"C3H8V", f.Propanvtska1},
        {"H2", f.H2},        {"NGAS", f.Naturgas},
        {"N2", f.N2},        {"NH3", f.NH3},
        {"O2", f.O2},        {"O3", f.O3},
        {"OLJA", f.Olja},
    };
    for (const auto& e : items)
        if (code == e.code) return e.item;
    return nullptr;
}

std::string ResistanceMenuCaption(const std::string& item) {
    const auto* menuItem = dynamic_cast<const TMenuItem*>(Form1().FindComponent(item));
    return menuItem != nullptr ? menuItem->Caption() : std::string();
}

const std::string& ValveKvPromptText() { return ValveKvPrompt; }

int WindowFontSize() { return Form1().Font().Size; }

namespace {

void SumColumns(TStringGrid& grid) {
    for (int col = 2; col <= 5; ++col) {
        double sum = 0.0;
        for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) sum += StrToFloatSafe(grid.Cell(col, row));
        grid.SetCell(col, kMixtureSumRow, FormatFixed(sum, 7));
    }
}

}  // namespace

void SumMixtureColumns() {
    SumColumns(Form1().ViktVolprocGrid);
    SumColumns(Form1().ViktVolprocgridfukt);
}

void CaptionFittingMenu() {
    TForm1& f = Form1();
    TMenuItem* items[10] = {f.bestyck1, f.bestyck2, f.bestyck3, f.bestyck4, f.bestyck5,
                            f.bestyck6, f.bestyck7, f.bestyck8, f.bestyck9, f.bestyck10};
    for (int i = 0; i < 10; ++i)
        if (items[i]) items[i]->SetCaption(std::to_string(i + 1) + "." + *kOrificeFittingLabels[i]);
}

void ShowStandardDensityPrompt() { SetStandardDensityPrompt(); }

}  // namespace tubalyx
