// The compensated-flow recipe for oil: the exact lines users copy into a control system.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow/oil_recipe.h"
#include "media/oil_properties.h"
#include "numerics/checked.h"
#include "numerics/separator_guard.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

OilRecipeInput Example() {
    OilRecipeInput in;
    in.rootFlowMax = 123.456;
    in.bore = 0.05;
    in.pipeDiameter = 0.1;
    in.maxMassFlow = 1.0;  // Re = 1273.24 with 0.01 Pa s
    in.viscosity = 0.01;
    in.densityFormula = "r[kg/m3]:=870-0,6*T[C]";
    in.viscosityFormula = "dynvisk[Pas]:=r[kg/m3]/1000000";
    in.dynamicViscosityFormula = "*(exp(exp(-3,5*ln(T[C]+273,15)+20))-0,8)";
    in.densityCorrection = "fdens:=sqrt(r[kg/m3]/858)";
    return in;
}

TEST(CompensatedFlowRecipe, LinesInOrderWithTheReportNumbers) {
    // '#' stands for the decimal separator of the report numbers.
    const std::vector<std::string> pattern = {
        "Mät medietemperaturen T[C] vid +tryckuttaget",
        "och differenstrycket dp[kPa] med givare.",
        "Beräkna därefter flödet qförb[kg/h] enligt nedan;",
        "",
        "1. qrot[kg/h]:=123#456*Sqrt(dp[kPa])",
        "2. r[kg/m3]:=870-0,6*T[C]",
        "3. dynvisk[Pas]:=r[kg/m3]/1000000",
        "   *(exp(exp(-3,5*ln(T[C]+273,15)+20))-0,8)",
        // k / 3600 = 4 / (pi 0.1) / 3600 = 0.0035367765
        "4. reyntal:=0#003536777*qrot[kg/h]/dynvisk[Pas]",
        "5. fdens:=sqrt(r[kg/m3]/858)",
        // beta 0.5: C0 = 0.6024589, B = 0.000512652, Cmax at Re 1273.24 = 0.6785161
        "6. fmat:=(0#60246+0#000512652*(1000000/reyntal)**0.75)/0#67852",
        "7. qförb[kg/h]:=qrot[kg/h]*fdens*fmat",
        "",
        "där ** = upphöjt till",
        "där qförb[kg/h] är ett förbättrat flöde kompenserat för;",
        "densitets-, viskositets- och flödeskoefficientförändringar p g a temperaturförändringar.",
        "fdens och fmat är ungefär 1.",
    };
    for (char separator : {',', '.'}) {
        const SeparatorGuard guard(separator);
        std::vector<std::string> expected = pattern;
        for (std::string& line : expected)
            for (char& c : line)
                if (c == '#') c = separator;
        EXPECT_EQ(CompensatedFlowRecipeLines(Example()), expected) << separator;
    }
}

TEST(CompensatedFlowRecipe, ZeroViscosityIsAnInputError) {
    OilRecipeInput in = Example();
    in.viscosity = 0.0;
    EXPECT_THROW(CompensatedFlowRecipeLines(in), CalcError);
    in = Example();
    in.pipeDiameter = 0.0;
    EXPECT_THROW(CompensatedFlowRecipeLines(in), CalcError);
}

TEST(CompensatedFlowRecipe, WrittenOnceFromTheStateIntoTheReport) {
    BoreDiameter = 0.05;
    PipeDiameter = 0.1;
    MaxMassFlow = 1.0;
    DynamicViscosityPas = 0.01;
    OilDensityFormulaText = "r[kg/m3]:=870-0,6*T[C]";
    OilViscosityHeadText = "dynvisk[Pas]:=r[kg/m3]/1000000";
    OilViscosityTailText = "*(exp(exp(-3,5*ln(T[C]+273,15)+20))-0,8)";
    OilDensityFactorText = "fdens:=sqrt(r[kg/m3]/858)";
    TRichEdit& report = Form1().RichEdit1;
    report.Clear();
    WriteCompensatedFlowRecipe(123.456);
    const std::vector<std::string> lines = CompensatedFlowRecipeLines(Example());
    ASSERT_EQ(report.LineCount(), 17);
    for (int i = 0; i < 17; ++i) EXPECT_EQ(report.Line(i), lines[static_cast<std::size_t>(i)]);
}

}  // namespace
}  // namespace tubalyx
