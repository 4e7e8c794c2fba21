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
    // A gas at 4 bar abs and 20 C whose density at the range ends is 1 and 9 against 4: the
    // low end an ideal gas, the high end 9 kg/m3 at 8 bar, not the ideal 8.
    static void VaryingGas() {
        MediumCode = "LUF", PhaseLetter = 'N';
        OperatingPressure = 4e5, OperatingTemperature = 20.0, FlowDensity = 4.0;
        LowDensityState.density = 1.0, LowDensityState.pressure = 1e5, LowDensityState.temperature = 20.0;
        HighDensityState.density = 9.0, HighDensityState.pressure = 8e5, HighDensityState.temperature = 20.0;
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
        AdditionalUncertaintyPercent = 100, BendFactor = 1.02;
        RoughnessUncertaintyPercent = 0.4, RoughnessFactor = 1.003;
        VariantFlowDeviationA = AverageCoefficientUncertainty = 0.3, VariantFlowDeviationB = 0.4;
        CalculationErrorLimit = 0.0;
        WriteAlgorithmsAndPlcCode();
        const auto lines = Lines();
        const std::string sep(1, separator);
        EXPECT_EQ(lines[0], "Errorreport includes 0" + sep + "0 % uncertainty from straight length");
        EXPECT_EQ(lines[1], "Errorreport includes " + FormatFixed(0.4, 2) + "% uncertainty from pipe roughness");
        EXPECT_EQ(lines[2], "Correction factor for pipe roughness__________(br)= " + FormatFixed(1.003, 5));
        EXPECT_EQ(lines[3], "Correction factor for 90 deg bendradius=1.5D.(bkr)= " + FormatFixed(1.02, 5));
        EXPECT_EQ(LineStarting(lines, "q_rot_normal= "),
                  "q_rot_normal= " + FormatFixed(7200, 6) + "*sqrt(dp) < 0" + sep + "5%");
        const AlgorithmUncertainties u = CombinedAlgorithmUncertainties();
        EXPECT_DOUBLE_EQ(CombinedAlgorithm1Uncertainty(), 0.5);
        EXPECT_DOUBLE_EQ(u.algorithm2, 0.4 * std::sqrt(2.0));
        EXPECT_DOUBLE_EQ(u.algorithm3, 0.5);
    }
    // Lengths that meet the tables add linearly; with a bend correction in quadrature.
    AdditionalUncertaintyPercent = 0.5, CalculationErrorLimit = 0.2;
    EXPECT_DOUBLE_EQ(CombinedAlgorithm1Uncertainty(), std::sqrt(0.09 + 0.25 + 0.16));
    EXPECT_DOUBLE_EQ(CombinedAlgorithmUncertainties().algorithm3, std::sqrt(0.04 + 0.09 + 0.25 + 0.16));
    BendFactor = 1.0;
    EXPECT_DOUBLE_EQ(CombinedAlgorithm1Uncertainty(), std::sqrt(0.8 * 0.8 + 0.16));
    EXPECT_DOUBLE_EQ(CombinedAlgorithmUncertainties().algorithm3, std::sqrt(1.0 + 0.16));
}

// A small or mini report stops after the contribution lines (none with every factor 1 and
// every term 0). One pressure and temperature: no density errors, no bracketed bounds, no
// explanation and no density-factor section; the root formula of algorithm 3 is left behind.
TEST_F(AlgorithmsReportTest, SmallReportAndSteadyDensity) {
    for (const ReportSizeKind size : {ReportSizeKind::Small, ReportSizeKind::Mini}) {
        Form1().litenstor.SetCaption(ReportSizeCaption(size, 'E'));
        ClearReport();
        InletEdgeFactor = 1.0;
        WriteAlgorithmsAndPlcCode();
        EXPECT_EQ(ReportLineCount(), 0);
        InletEdgeFactor = 1.02, InletEdgeUncertaintyPercent = 1.0;
        WriteAlgorithmsAndPlcCode();
        EXPECT_EQ(Lines(), (std::vector<std::string>{
                               "Errorreport includes " + FormatFixed(1.0, 2) + " % uncertainty from unsharp edge",
                               "Correction factor for unsharp inlet edge______(bk)= " + FormatFixed(1.02, 5)}));
    }
    Form1().litenstor.SetCaption(ReportSizeCaption(ReportSizeKind::Big, 'E'));
    ClearReport();
    IdealGasDensityErrorPercent = UncorrectedDensityErrorPercent = 7.0;
    VariantFlowDeviationB = 0.7;  // all three algorithms
    RootFlowDesign = 7123.4;
    WriteAlgorithmsAndPlcCode();
    const auto lines = Lines();
    EXPECT_EQ(IdealGasDensityErrorPercent + UncorrectedDensityErrorPercent, 0.0);
    EXPECT_EQ(RootFlowFormulaText, FormatFixed(7123.4, 6) + "*Sqrt(dp)");
    EXPECT_TRUE(Has(lines, "where q_rot_mat= " + RootFlowFormulaText));
    for (const char* head : {"q_rot_normal= ", "q_rot_max= ", "q_pol_mat=q_rot_mat*fmat < "})
        EXPECT_EQ(LineStarting(lines, head).find(" ("), std::string::npos) << head;
    EXPECT_FALSE(Has(lines, " is achieved with density correction factor fdens"));
    EXPECT_FALSE(Has(lines, "4.Density correction factor fdens = "));
}

// The density errors by hand: D = 100 max(|1 - 2|, |3 - 2|) / 2 = 50 %; the ideal-gas
// correction is exact at the low end and misses the high one by (1.5 - sqrt(2)) / 1.5. The
// bounds are bracketed without density correction, and the fdens section follows; a volume
// unit divides by fdens, a mass unit multiplies.
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
        EXPECT_NEAR(UncorrectedDensityErrorPercent, 50.0, 1e-12);
        EXPECT_NEAR(IdealGasDensityErrorPercent, 100.0 * (1.5 - std::sqrt(2.0)) / 1.5, 1e-12);
        const auto lines = Lines();
        const AlgorithmUncertainties u = CombinedAlgorithmUncertainties();
        EXPECT_NEAR(u.algorithm1Uncorrected, std::hypot(u.algorithm1, 50.0), 1e-9);
        const std::string c1 = FormatFixed(u.algorithm1, 2), c1d = FormatFixed(u.algorithm1Uncorrected, 2);
        EXPECT_EQ(LineStarting(lines, "q_rot_normal= "),
                  "q_rot_normal= " + FormatFixed(7200, 6) + "*sqrt(dp) < " + c1 + " (" + c1d + ")%");
        EXPECT_TRUE(Has(
            lines, "(Where " + c1 + " is achieved with density correction factor fdens and  (" + c1d + ") = without)"));
        const int factor = IndexOf(lines, "4.Density correction factor fdens = ", true);
        ASSERT_GE(factor, 0) << c.unit;
        EXPECT_EQ(lines[factor + 1], "sqrt[P(kPaA)/400*293,15/(T(C)+273.15)]");
        EXPECT_EQ(lines[factor + 3], c.note);
        EXPECT_EQ(lines[factor + 4], "Example; q_pol_mat_densideal= " + RootFlowFormulaText + c.example + " < " +
                                         FormatFixed(u.algorithm3, 2) + "% Uncertainty");
    }
    FlowDensity = 0.0;
    UpdateDensityErrors();
    EXPECT_NEAR(UncorrectedDensityErrorPercent, 50.0, 1e-12) << "kept without an operating density";
}

// fmat of an orifice: parsed back from the report line it is 1 at the maximal flow, and at a
// tenth of it (a hundredth of the dp, 250 Pa) the Reynolds law (1 + b/dp^0.375) /
// (1 + b/dpmax^0.375) of the fitted b. No fitted b, or no dp: no line.
TEST_F(AlgorithmsReportTest, OrificeFmatLineReproducesTheFittedLaw) {
    const std::regex form(
        R"(where fmat\(q_rot_mat\)=\(1([+-]) *([0-9,]+)(E-([0-9]+))?/q_rot_mat\*\*\(3/4\)\)/ *([0-9,]+))");
    for (const double b : {-2.0, -1e-4, 0.5, 0.0}) {
        FmatCoefficientB = b;
        const std::string line = FmatReportLine();
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, form)) << line;
        const double c =
            (m[1] == "+" ? 1.0 : -1.0) * StrToFloatSafe(m[2]) * std::pow(10.0, m[4].matched ? -std::stoi(m[4]) : 0);
        auto fmat = [&](double q) { return (1.0 + c / std::pow(q, 0.75)) / StrToFloatSafe(m[5]); };
        EXPECT_NEAR(fmat(36000.0), 1.0, 2e-5) << line;
        const double law = (1.0 + b / std::pow(250.0, 0.375)) / (1.0 + b / std::pow(25000.0, 0.375));
        EXPECT_NEAR(fmat(3600.0), law, 2e-5 * law) << line;
    }
    FmatCoefficientA = kFmatNotFitted;
    EXPECT_EQ(FmatReportLine(), "");
    FmatCoefficientA = 1.0, MaxFlowDpPa = 0.0;
    EXPECT_EQ(FmatReportLine(), "");
}

// fmat of a gas in a cone meter: 1 - a dp/(kappa p) over its value at the maximal dp, so 1
// at the maximal flow and operating pressure; a liquid in a cone, or no flow, has no fmat.
TEST_F(AlgorithmsReportTest, ConeFmatLineIsOneAtMaximalFlow) {
    DeviceCode = "VCONE", MediumCode = "LUF", PhaseLetter = 'N', DiameterRatioBeta = 0.6;
    const std::string line = FmatReportLine();
    std::smatch m;
    ASSERT_TRUE(std::regex_match(
        line, m,
        std::regex(
            R"(where fmat\(q_rot_max\)= \(1- *([0-9,]+)(E-6|E-12)?\*q_rot_max\*q_rot_max\*\( *500,000/\(P\*1\.00000\)\)\)/ *([0-9,]+))")))
        << line;
    const double c = StrToFloatSafe(m[1]) * (m[2] == "E-6" ? 1e-6 : m[2] == "E-12" ? 1e-12 : 1.0);
    const double y = StrToFloatSafe(m[3]);
    EXPECT_NEAR(y, 1.0 - (0.649 + 0.696 * std::pow(0.6, 4.0)) * 25000.0 / (5e5 * 1.3), 1e-5);
    // The coefficient has only its eight characters: three digits here.
    EXPECT_NEAR((1.0 - c * 36000.0 * 36000.0) / y, 1.0, 1e-4) << line;
    MaxFlowInput = 0.0;
    EXPECT_EQ(FmatReportLine(), "");
    MaxFlowInput = 36000, MediumCode = "VAT", PhaseLetter = 'V';
    EXPECT_EQ(FmatReportLine(), "");
}

}  // namespace
}  // namespace tubalyx
