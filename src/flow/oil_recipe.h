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

// Appends the recipe for the state's bore, pipe, max flow, viscosity and the formula texts
// of the oil properties (density, viscosity head and tail, density factor) to RichEdit1. The calculation sequence calls it once, after its last pass, so the
// report holds the recipe once with the final values.
void WriteCompensatedFlowRecipe(double rootFlowMax);

}  // namespace tubalyx
