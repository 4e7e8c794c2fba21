#pragma once
// Helpers shared by the files of the primary-device calculation.
#include <optional>
#include <string>

#include "flow/oil_recipe.h"

#include "ui/selection_state.h"

namespace tubalyx::sequence_detail {

inline std::string StandardText() { return std::string(1, StandardLetter); }

// bk * br * bkr, the correction factor every flow iteration receives.
double CorrectionProduct();

// The five coefficients at (MaxMassFlow, MaxDpPa) at the operating state.
void RefreshCoefficientsAtMaxFlow();

// The oil recipe of the last pass of the steps, written once after the correction pass so
// that its root-flow constant and its bore belong to the same pass.
extern std::optional<OilRecipeInput> PendingOilRecipe;

}  // namespace tubalyx::sequence_detail
