// Handlers of the fitting pop-up MotstandPopup of the resistance grid.
#include <string>

#include "pressure_loss/branch_fittings.h"
#include "pressure_loss/fitting_catalogue.h"
#include "pressure_loss/fitting_catalogue_data.h"
#include "state/pressure_loss_state.h"
#include "state/resistance_grid_state.h"
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

}  // namespace tubalyx
