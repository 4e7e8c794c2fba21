#pragma once
// The compensated-flow recipe for oil: how a control system improves the flow from the
// measured temperature and differential pressure. The lines are Swedish in every language.
#include <string>
#include <vector>

#include "state/flow_results.h"

namespace tubalyx {

// The seventeen recipe lines, numbers in the report format. Raises CalcError when D, d,
// the viscosity or the flow make the coefficient formula fail.
std::vector<std::string> CompensatedFlowRecipeLines(const OilRecipeInput& in);

// The recipe's input from the state's bore, pipe, max flow and viscosity and the formula
// texts of the oil properties (density, viscosity head and tail, density factor).
OilRecipeInput OilRecipeInputFromState(double rootFlowMax);

// Appends the recipe lines to RichEdit1.
void WriteCompensatedFlowRecipe(const OilRecipeInput& in);

// Appends the recipe for the state's values to RichEdit1.
void WriteCompensatedFlowRecipe(double rootFlowMax);

}  // namespace tubalyx
