#pragma once
// An empty composition in both grids and the mixture arrays, for the tests of the gas mixture.
#include <string>

#include "forms/string_grid.h"
#include "media/gas_mixture.h"
#include "numerics/number_text.h"
#include "state/composition.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/form1.h"

namespace tubalyx::mixture_test {

inline void ClearMixture() {
    for (TStringGrid* g : {&Form1().ViktVolprocGrid, &Form1().ViktVolprocgridfukt})
        for (int row = 0; row < 13; ++row)
            for (int col = 0; col < 6; ++col) g->SetCell(col, row, "");
    MixtureComponentKeyword.fill("");
    MixtureComponentName.fill("");
    for (auto* a : {&MixtureMolarMass, &MixtureDensity, &MixtureViscosity, &MixtureCp, &MixtureCv,
                    &MixtureCriticalTemperature, &MixtureEnthalpy, &MixtureFraction})
        a->fill(0.0);
    MixtureEditColumn = 5;
    MediumCode = "G";
    PhaseLetter = 'N';
}

inline double Dry(int col, int row) { return StrToFloatSafe(Form1().ViktVolprocGrid.Cell(col, row)); }
inline double Humid(int col, int row) { return StrToFloatSafe(Form1().ViktVolprocgridfukt.Cell(col, row)); }

// The same cell text in both grids.
inline void SetBoth(int col, int row, const std::string& text) {
    Form1().ViktVolprocGrid.SetCell(col, row, text);
    Form1().ViktVolprocgridfukt.SetCell(col, row, text);
}

}  // namespace tubalyx::mixture_test
