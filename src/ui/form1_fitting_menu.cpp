// Handlers of the fitting pop-up MotstandPopup of the resistance grid, and the items "FS"
// and "SS" of the material pop-up.
#include <string>

#include "media/thermal_expansion.h"
#include "numerics/report_format.h"
#include "pressure_loss/branch_fittings.h"
#include "pressure_loss/fitting_catalogue.h"
#include "pressure_loss/fitting_catalogue_data.h"
#include "state/pressure_loss_state.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

bool IsFittingColumn(int column) { return column >= 1 && column <= kFittingColumnCount; }

// The catalogue kind of a fitting item; 0 for an item that places no fitting.
int KindOfItem(const TControl* item) {
    if (item == nullptr) return 0;
    for (const FittingKind& kind : FittingCatalogue())
        if (item->Name() == kind.menuItem) return kind.kind;
    return 0;
}

// The material of the pop-up's target: the caption of its label up to the first "=", then
// "=" and the item's caption; the code, and its expansion coefficients in the two edits.
void ChooseMaterial(TForm1& f, const TMenuItem& item, const std::string& code) {
    const bool device = MaterialMenuTarget == "F";
    TLabel& label = device ? f.mtrlfl : f.mtrlror;
    (device ? MaterialCode1 : MaterialCode2) = code;
    const std::string& caption = label.Caption();
    label.SetCaption(caption.substr(0, caption.find('=')) + "=" + item.Caption());
    double first = 0.0, second = 0.0;
    MaterialExpansionCoefficients(code, first, second);
    (device ? f.utvfl : f.utvror).SetText(FormatGeneral(first));
    (device ? f.utvflb : f.utvrorb).SetText(FormatGeneral(second));
}

}  // namespace

void TForm1::MotstandPopupFittingClick(TControl* sender) {
    const int kind = KindOfItem(sender);
    const int column = SelectedResistanceColumn;
    if (kind == 0 || !IsFittingColumn(column)) return;
    PlaceOrDescribeFitting(kind, column);
    if (IsBranchKind(kind)) {
        PaintBranchDiagram(kind);
        PaintBox1.SetVisible(true);
    }
}

void TForm1::Annanstrning1Click(TControl*) {
    const int column = SelectedResistanceColumn;
    if (!IsFittingColumn(column)) return;
    ResistanceKind[column] = kUserDefinedKind;
    PrepareResistanceColumn(column);
    // The user types zeta into row 2.
    Motstandgrid.SetCell(column, 1, Annanstrning1->Caption());
    Motstandgrid.SetCell(column, 3, "1");
}

void TForm1::Radera1Click(TControl*) {
    const int column = SelectedResistanceColumn;
    if (!IsFittingColumn(column)) return;
    ResistanceKind[column] = 0;
    PrepareResistanceColumn(column);
}

void TForm1::mtrlfl7Click(TControl*) { ChooseMaterial(*this, *mtrlfl7, "7"); }
void TForm1::mtrlfl8Click(TControl*) { ChooseMaterial(*this, *mtrlfl8, "8"); }

}  // namespace tubalyx
