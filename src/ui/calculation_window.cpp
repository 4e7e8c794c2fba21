#include "ui/calculation_window.h"

#include <cmath>

#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "state/composition.h"
#include "state/keywords.h"
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
        std::string_view code;
        TMenuItem* item;
    } items[] = {
        {kMediumGas, f.GAS},           {kMediumRealGas, f.IGAS},
        {kMediumMixture, f.G},         {kMediumLiquid, f.LIQ},
        {kMediumAir, f.LUF},           {kMediumWater, f.VAT},
        {kMediumSteam, f.ANG},         {kMediumWetSteam, f.MNG},
        {kMediumArgon, f.AR},          {kMediumMethane, f.CH4},
        {kMediumCarbonMonoxide, f.CO}, {kMediumCarbonDioxide, f.CO2},
        {kMediumPropane, f.Propan1},   {kMediumPropaneLiquid, f.Propanvtska1},
        {kMediumHydrogen, f.H2},       {kMediumNaturalGas, f.Naturgas},
        {kMediumNitrogen, f.N2},       {kMediumAmmonia, f.NH3},
        {kMediumOxygen, f.O2},         {kMediumOzone, f.O3},
        {kMediumOil, f.Olja},
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

// Shares typed beyond any percentage can add up past the range of numbers: that sum is no
// number, and its cell stays empty.
void SumColumns(TStringGrid& grid) {
    for (int col = 2; col <= 5; ++col) {
        double sum = 0.0;
        for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) sum += StrToFloatSafe(grid.Cell(col, row));
        grid.SetCell(col, kMixtureSumRow, std::isfinite(sum) ? FormatFixed(sum, 7) : "");
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
