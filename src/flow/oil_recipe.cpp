#include "flow/oil_recipe.h"

#include <numbers>

#include "flow/reynolds.h"
#include "media/oil_properties.h"
#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "ui/calculation_window.h"

namespace tubalyx {

std::vector<std::string> CompensatedFlowRecipeLines(const OilRecipeInput& in) {
    const double beta = CheckedDiv(in.bore, in.pipeDiameter);
    const double reynolds = ReynoldsNumber(in.pipeDiameter, in.viscosity, in.maxMassFlow);
    // The orifice equation of the 1991 edition, whatever the device.
    const double c0 = 0.5959 + 0.0312 * PowerDouble(beta, 2.1) - 0.184 * PowerDouble(beta, 8.0);
    const double b = 0.0029 * PowerDouble(beta, 2.5);
    const double cMax = CheckFinite(c0 + b * PowerDouble(CheckedDiv(1000000.0, reynolds), 0.75));
    const double area = std::numbers::pi * in.pipeDiameter * in.pipeDiameter / 4.0;
    const double k = CheckedDiv(1.0, area) * in.pipeDiameter;

    std::vector<std::string> lines;
    lines.reserve(17);
    lines.push_back("Mät medietemperaturen T[C] vid +tryckuttaget");
    lines.push_back("och differenstrycket dp[kPa] med givare.");
    lines.push_back("Beräkna därefter flödet qförb[kg/h] enligt nedan;");
    lines.push_back("");
    lines.push_back("1. qrot[kg/h]:=" + FormatFixed(in.rootFlowMax, 6) + "*Sqrt(dp[kPa])");
    lines.push_back("2. " + in.densityFormula);
    lines.push_back("3. " + in.viscosityFormula);
    lines.push_back("   " + in.dynamicViscosityFormula);
    lines.push_back("4. reyntal:=" + FormatFixed(k / 3600.0, 10) + "*qrot[kg/h]/dynvisk[Pas]");
    lines.push_back("5. " + in.densityCorrection);
    lines.push_back("6. fmat:=(" + FormatFixed(c0, 6) + "+" + FormatFixed(b, 10) + "*(1000000/reyntal)**0.75)/" +
                    FormatFixed(cMax, 6));
    lines.push_back("7. qförb[kg/h]:=qrot[kg/h]*fdens*fmat");
    lines.push_back("");
    lines.push_back("där ** = upphöjt till");
    lines.push_back("där qförb[kg/h] är ett förbättrat flöde kompenserat för;");
    lines.push_back("densitets-, viskositets- och flödeskoefficientförändringar p g a temperaturförändringar.");
    lines.push_back("fdens och fmat är ungefär 1.");
    return lines;
}

OilRecipeInput OilRecipeInputFromState(double rootFlowMax) {
    OilRecipeInput in;
    in.rootFlowMax = rootFlowMax;
    in.bore = BoreDiameter;
    in.pipeDiameter = PipeDiameter;
    in.maxMassFlow = MaxMassFlow;
    in.viscosity = DynamicViscosityPas;
    in.densityFormula = OilDensityFormulaText;
    in.viscosityFormula = OilViscosityFormulaText;
    in.dynamicViscosityFormula = OilDynamicViscosityFormulaText;
    in.densityCorrection = OilDensityCorrectionText;
    return in;
}

void WriteCompensatedFlowRecipe(const OilRecipeInput& in) {
    for (const std::string& line : CompensatedFlowRecipeLines(in)) CalculationWindow().RichEdit1.Add(line);
}

void WriteCompensatedFlowRecipe(double rootFlowMax) {
    WriteCompensatedFlowRecipe(OilRecipeInputFromState(rootFlowMax));
}

}  // namespace tubalyx
