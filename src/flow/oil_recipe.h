#pragma once
// The compensated-flow recipe for oil: how a control system improves the flow from the
// measured temperature and differential pressure. The lines are Swedish in every language.
#include <string>
#include <vector>

namespace tubalyx {

struct OilRecipeInput {
    double rootFlowMax = 0.0;  // flow per square root of dp in kPa
    double bore = 0.0;         // d, m
    double pipeDiameter = 0.0; // D, m
    double maxMassFlow = 0.0;  // kg/s
    double viscosity = 0.0;    // Pa s
    std::string densityFormula;           // "r[kg/m3]:=" ...
    std::string viscosityFormula;         // "dynvisk[Pas]:=r[kg/m3]/1000000"
    std::string dynamicViscosityFormula;  // "*(" + the viscosity law + ")"
    std::string densityCorrection;        // "fdens:=sqrt(r[kg/m3]/" ... ")"
};

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
