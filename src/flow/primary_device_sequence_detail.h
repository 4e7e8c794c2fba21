#pragma once
// Helpers shared by the files of the primary-device calculation.
#include <string>

#include "state/selections.h"

namespace tubalyx::sequence_detail {

inline std::string StandardText() { return std::string(1, StandardLetter); }

// bk * br * bkr, the correction factor every flow iteration receives.
double CorrectionProduct();

// The five coefficients at (MaxMassFlow, MaxDpPa) at the operating state.
void RefreshCoefficientsAtMaxFlow();

}  // namespace tubalyx::sequence_detail
