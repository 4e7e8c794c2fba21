// The algorithms of the result report: the contribution lines every size shows, the
// uncertainty bounds of the three flow algorithms, the correction function fmat and the
// density correction factor of the big report.
#include "reports/algorithms_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/separator_guard.h"
#include "reports/big_report_support.h"
#include "state/report_state.h"

namespace tubalyx {
namespace {

class AlgorithmsReportTest : public bigreport::BigReportTest {
protected:
    // A gas whose density at the range ends is 1 and 9 against 4 at 4 bar abs and 20 C;
    // the low end is an ideal gas, the high end is 9 kg/m3 at 8 bar, not the ideal 2 x 4.
    static void VaryingGas() {
        MediumCode = "LUF";
        PhaseLetter = 'N';
        OperatingPressure = 4e5;
        OperatingTemperature = 20.0;
        FlowDensity = 4.0;
        LowDensityState.density = 1.0;
        LowDensityState.pressure = 1e5;
        LowDensityState.temperature = 20.0;
        HighDensityState.density = 9.0;
        HighDensityState.pressure = 8e5;
        HighDensityState.temperature = 20.0;
    }
    static std::string LineStarting(const std::vector<std::string>& lines, const std::string& head) {
        for (const auto& l : lines)
            if (l.rfind(head, 0) == 0) return l;
        return "";
    }
};

// Straight lengths too short for the tables (X = 100) print "0,0" and drop out of every
// bound: with the variant uncertainty 0.3 and a roughness term 0.4 the first bound is 0.5.
TEST_F(AlgorithmsReportTest, TooShortStraightLengthIsLeftOutOfTheBounds) {
    for (const char separator : {',', '.'}) {
        SeparatorGuard guard(separator);
        ClearReport();
        AdditionalUncertaintyPercent = 100;
        BendFactor = 1.02;
        RoughnessUncertaintyPercent = 0.4;
        RoughnessFactor = 1.003;
        VariantFlowDeviationA = 0.3;
        VariantFlowDeviationB = 0.4;
        AverageCoefficientUncertainty = 0.3;
        CalculationErrorLimit = 0.0;
        WriteAlgorithmsAndPlcCode();
        const auto lines = Lines();
        const std::string sep(1, separator);
        EXPECT_EQ(lines[0], "Errorreport includes 0" + sep + "0 % uncertainty from straight length");
        EXPECT_EQ(lines[1], "Errorreport includes " + FormatFixed(0.4, 2) + "% uncertainty from pipe roughness");
        EXPECT_EQ(lines[2], "Correction factor for pipe roughness__________(br)= " + FormatFixed(1.003, 5));
        EXPECT_EQ(lines[3], "Correction factor for 90 deg bendradius=1.5D.(bkr)= " + FormatFixed(1.02, 5));
        EXPECT_EQ(LineStarting(lines, "q_rot_normal= "),
                  "q_rot_normal= " + FormatFixed(7200, 6) + "*sqrt(dp) < " + "0" + sep + "5%");
        EXPECT_DOUBLE_EQ(CombinedAlgorithm1Uncertainty(), 0.5);
        const AlgorithmUncertainties u = CombinedAlgorithmUncertainties();
        EXPECT_DOUBLE_EQ(u.algorithm2, 0.4 * std::sqrt(2.0));
        EXPECT_DOUBLE_EQ(u.algorithm3, 0.5);
    }
}

// Lengths that meet the tables add linearly; with a bend correction in quadrature.
TEST_F(AlgorithmsReportTest, StraightLengthTermAddsLinearlyOrInQuadrature) {
    AdditionalUncertaintyPercent = 0.5;
    VariantFlowDeviationA = 0.3;
    RoughnessUncertaintyPercent = 0.4;
    EXPECT_DOUBLE_EQ(CombinedAlgorithm1Uncertainty(), std::sqrt(0.8 * 0.8 + 0.16));
    BendFactor = 1.02;
    EXPECT_DOUBLE_EQ(CombinedAlgorithm1Uncertainty(), std::sqrt(0.09 + 0.25 + 0.16));
    AverageCoefficientUncertainty = 0.3;
    CalculationErrorLimit = 0.2;
    EXPECT_DOUBLE_EQ(CombinedAlgorithmUncertainties().algorithm3,
                     std::sqrt(0.04 + 0.09 + 0.25 + 0.16));
    BendFactor = 1.0;
    EXPECT_DOUBLE_EQ(CombinedAlgorithmUncertainties().algorithm3, std::sqrt(1.0 + 0.16));
}

// A small or mini report stops after the contribution lines; with every factor 1 and every
// term 0 it writes nothing.
TEST_F(AlgorithmsReportTest, SmallReportHasOnlyTheContributionLines) {
    for (const ReportSizeKind size : {ReportSizeKind::Small, ReportSizeKind::Mini}) {
        Size(size);
        ClearReport();
        WriteAlgorithmsAndPlcCode();
        EXPECT_EQ(ReportLineCount(), 0);
        InletEdgeFactor = 1.02;
        InletEdgeUncertaintyPercent = 1.0;
        WriteAlgorithmsAndPlcCode();
        EXPECT_EQ(Lines(), (std::vector<std::string>{
                               "Errorreport includes " + FormatFixed(1.0, 2) + " % uncertainty from unsharp edge",
                               "Correction factor for unsharp inlet edge______(bk)= " + FormatFixed(1.02, 5)}));
        InletEdgeFactor = 1.0;
    }
}

// One pressure and temperature: no density errors, no bracketed bounds, no explanation and
// no density-factor section; the root formula of algorithm 3 is left for the other pages.
TEST_F(AlgorithmsReportTest, SteadyDensityHasNoDensitySections) {
    IdealGasDensityErrorPercent = UncorrectedDensityErrorPercent = 7.0;
    VariantFlowDeviationB = 0.7;  // all three algorithms
    RootFlowDesign = 7123.4;
    WriteAlgorithmsAndPlcCode();
    const auto lines = Lines();
    EXPECT_EQ(IdealGasDensityErrorPercent, 0.0);
    EXPECT_EQ(UncorrectedDensityErrorPercent, 0.0);
    EXPECT_EQ(RootFlowFormulaText, FormatFixed(7123.4, 6) + "*Sqrt(dp)");
    EXPECT_TRUE(Has(lines, "where q_rot_mat= " + RootFlowFormulaText));
    EXPECT_TRUE(Has(lines, "1.Avg. standard unc. + calculation error in calculation algorithm 1;"));
    for (const char* head : {"q_rot_normal= ", "q_rot_max= ", "q_pol_mat=q_rot_mat*fmat < "}) {
        const std::string line = LineStarting(lines, head);
        ASSERT_NE(line, "") << head;
        EXPECT_EQ(line.find(" ("), std::string::npos) << line;
    }
    EXPECT_FALSE(Has(lines, " is achieved with density correction factor fdens"));
    EXPECT_FALSE(Has(lines, "4.Density correction factor fdens = "));
    EXPECT_FALSE(Has(lines, "1.Avg. specified unc."));
}

// The density errors by hand: D = 100 max(|1 - 2|, |3 - 2|) / 2 = 50 %; the ideal-gas
// correction is exact at the low end and misses the high one by |sqrt(2) - 1.5| / 1.5.
TEST_F(AlgorithmsReportTest, DensityErrorsOfAVaryingGas) {
    VaryingGas();
    UpdateDensityErrors();
    EXPECT_NEAR(UncorrectedDensityErrorPercent, 50.0, 1e-12);
    EXPECT_NEAR(IdealGasDensityErrorPercent, 100.0 * (1.5 - std::sqrt(2.0)) / 1.5, 1e-12);
    FlowDensity = 0.0;
    IdealGasDensityErrorPercent = 3.0;
    UpdateDensityErrors();
    EXPECT_EQ(IdealGasDensityErrorPercent, 3.0) << "kept without an operating density";
}

// A varying density brackets each bound without density correction and ends with the fdens
// section; a volume unit divides by fdens, a mass unit multiplies.
TEST_F(AlgorithmsReportTest, VaryingDensityBracketsAndDensityFactor) {
    VaryingGas();
    VariantFlowDeviationB = 0.7;
    const struct {
        const char* unit;
        const char* note;
        const char* example;
    } cases[] = {
        {"m3/h", "(Divide flow calculation 1,2 or 3 with fdens (as with fmat))", "*fmat/fdens"},
        {"kg/h", "(Multiply flow calculation 1,2 or 3 with fdens (as with fmat))", "*fmat*fdens"},
    };
    for (const auto& c : cases) {
        ClearReport();
        FlowUnit = c.unit;
        WriteAlgorithmsAndPlcCode();
        const auto lines = Lines();
        const AlgorithmUncertainties u = CombinedAlgorithmUncertainties();
        EXPECT_EQ(LineStarting(lines, "q_rot_normal= "),
                  "q_rot_normal= " + FormatFixed(7200, 6) + "*sqrt(dp) < " + FormatFixed(u.algorithm1, 2) +
                      " (" + FormatFixed(u.algorithm1Uncorrected, 2) + ")%");
        EXPECT_NEAR(u.algorithm1Uncorrected, std::sqrt(u.algorithm1 * u.algorithm1 + 2500.0), 1e-9);
        EXPECT_TRUE(Has(lines, "(Where " + FormatFixed(u.algorithm1, 2) +
                                   " is achieved with density correction factor fdens and  (" +
                                   FormatFixed(u.algorithm1Uncorrected, 2) + ") = without)"));
        const int factor = IndexOfLine(lines, "4.Density correction factor fdens = ");
        ASSERT_GE(factor, 0) << c.unit;
        EXPECT_EQ(lines[factor + 1], "sqrt[P(kPaA)/400*293,15/(T(C)+273.15)]");
        EXPECT_EQ(lines[factor + 3], c.note);
        EXPECT_EQ(lines[factor + 4], "Example; q_pol_mat_densideal= " + RootFlowFormulaText + c.example +
                                         " < " + FormatFixed(u.algorithm3, 2) + "% Uncertainty");
    }
}

// fmat of an orifice: parsed back from the report line it is 1 at the maximal flow, and at
// a tenth of it (a hundredth of the dp, 250 Pa) it is the Reynolds law
// (1 + b/dp^0.375) / (1 + b/dpmax^0.375) of the fitted b.
TEST_F(AlgorithmsReportTest, OrificeFmatLineReproducesTheFittedLaw) {
    for (const double b : {-2.0, -1e-4, 0.5}) {
        FmatCoefficientB = b;
        const std::string line = FmatReportLine();
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, std::regex(R"(where fmat\(q_rot_mat\)=\(1([+-]) *([0-9,]+)(E-([0-9]+))?/q_rot_mat\*\*\(3/4\)\)/ *([0-9,]+))")))
            << line;
        const double sign = m[1] == "+" ? 1.0 : -1.0;
        const double c = StrToFloatSafe(m[2]) * std::pow(10.0, m[4].matched ? -std::stoi(m[4]) : 0);
        const double d = StrToFloatSafe(m[5]);
        auto fmat = [&](double q) { return (1.0 + sign * c / std::pow(q, 0.75)) / d; };
        EXPECT_NEAR(fmat(36000.0), 1.0, 2e-5) << line;
        const double law = (1.0 + b / std::pow(250.0, 0.375)) / (1.0 + b / std::pow(25000.0, 0.375));
        EXPECT_NEAR(fmat(3600.0), law, 2e-5 * law) << line;
        EXPECT_EQ(sign > 0.0, b > 0.0);
    }
    FmatCoefficientB = 0.0;
    EXPECT_EQ(FmatReportLine(), "where fmat(q_rot_mat)=(1-" + FormatFixed(0.0, 6) + "/q_rot_mat**(3/4))/" +
                                    FormatFixed(1.0, 6));
    // No fitted polynomial, or a zero dp: no line rather than one of garbage.
    FmatCoefficientA = kFmatNotFitted;
    EXPECT_EQ(FmatReportLine(), "");
    FmatCoefficientA = 1.0;
    MaxFlowDpPa = 0.0;
    EXPECT_EQ(FmatReportLine(), "");
}

// fmat of a gas in a cone meter: 1 - a dp/(kappa p) over its value at the maximal dp, so 1
// at the maximal flow and operating pressure; a liquid in a cone has no fmat.
TEST_F(AlgorithmsReportTest, ConeFmatLineIsOneAtMaximalFlow) {
    DeviceCode = "VCONE";
    MediumCode = "LUF";
    PhaseLetter = 'N';
    DiameterRatioBeta = 0.6;
    const std::string line = FmatReportLine();
    std::smatch m;
    ASSERT_TRUE(std::regex_match(line, m, std::regex(R"(where fmat\(q_rot_max\)= \(1- *([0-9,]+)(E-6|E-12)?\*q_rot_max\*q_rot_max\*\( *500,000/\(P\*1\.00000\)\)\)/ *([0-9,]+))")))
        << line;
    const double c = StrToFloatSafe(m[1]) * (m[2] == "E-6" ? 1e-6 : m[2] == "E-12" ? 1e-12 : 1.0);
    const double y = StrToFloatSafe(m[3]);
    const double a = 0.649 + 0.696 * std::pow(0.6, 4.0);
    EXPECT_NEAR(y, 1.0 - a * 25000.0 / (5e5 * 1.3), 1e-5);
    // The coefficient has only its eight characters: three digits here.
    EXPECT_NEAR((1.0 - c * 36000.0 * 36000.0) / y, 1.0, 1e-4) << line;
    MaxFlowInput = 0.0;
    EXPECT_EQ(FmatReportLine(), "");
    MaxFlowInput = 36000;
    MediumCode = "VAT";
    PhaseLetter = 'V';
    EXPECT_EQ(FmatReportLine(), "");
}

}  // namespace
}  // namespace tubalyx
