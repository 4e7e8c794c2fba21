// The flow function block of the big report in its two dialects, the lines it leaves for the
// code generator, and the pressure expression of generated code.
#include "reports/flow_function_block.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "numerics/report_format.h"
#include "numerics/separator_guard.h"
#include "reports/big_report_support.h"
#include "reports/pressure_expression.h"
#include "reports/report_block.h"
#include "state/report_state.h"
#include "support/structured_text_check.h"

namespace tubalyx {
namespace {

using bigreport::kStartSize;

// An orifice's fmat line and a gas cone's, as the algorithms write them.
const std::string kOrificeFmat = "where fmat(q_rot_mat)=(1-0,58623E-2/q_rot_mat**(3/4))/0,99997";
const std::string kConeFmat =
    "where fmat(q_rot_max)= (1-0,0000219E-6*q_rot_max*q_rot_max*(500,000/(P*1.00000)))/0,971570";

class FlowFunctionBlockTest : public bigreport::BigReportTest {
protected:
    void SetUp() override {
        BigReportTest::SetUp();
        RootFlowFormulaText = "7200,00*Sqrt(dp)";
    }
    static void Gas() {
        MediumCode = "LUF";
        PhaseLetter = 'N';
    }
    static std::vector<std::string> Block(const std::string& fmat) {
        ClearReport();
        ReportBlock block;
        AddFlowFunctionBlock(block, fmat);
        block.Flush();
        return Lines();
    }
};

// Siemens: a complete FUNCTION_BLOCK after the comment, ended and marked finished.
TEST_F(FlowFunctionBlockTest, SiemensBlockIsACompleteFunctionBlock) {
    Gas();
    const auto lines = Block(kOrificeFmat);
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[0], "(*");
    EXPECT_EQ(lines[1], "GENVERKET;Generation of standardized code, IEC61131, Siemens PCS7");
    EXPECT_EQ(CodeBrandLine, lines[1]);
    const int head = IndexOfLine(lines, "FUNCTION_BLOCK Genverket//Flow");
    ASSERT_GT(head, 0);
    EXPECT_EQ(lines[head - 1], "*)");
    EXPECT_EQ(lines[head + 1], "VAR_INPUT");
    EXPECT_EQ(lines[lines.size() - 2], "END_FUNCTION_BLOCK//Genverket");
    EXPECT_EQ(lines.back(), "(*Genverket slut/finished/Ende/Finito*)");
    EXPECT_EQ(sttest::StructuredTextProblem(lines, true), "");
    for (const char* line : {"P:real:= 500.000;//kPa,absolute pressure", "T:real:= 20.0000;//C",
                             "dp_max:real:= 25.0000;//kPa=20 mA",
                             "dp_rot:bool:=True;//False=linear dp-cell/True=square root dp-cell",
                             "q_rot_mat:= 7200.00*Sqrt(dp);", "if q_rot_mat>0 then",
                             " fmat:=(1-0.58623E-2/(q_rot_mat**0.75))/0.99997;",
                             "q_pol_mat:=q_rot_mat*fmat;",
                             "q_pol_mat_PT:=q_pol_mat*sqrt(P*1.00000/500.000*(273.15+20.0000)/(273.15+T));"})
        EXPECT_GE(IndexOfLine(lines, line), 0) << line;
    // Code lines at two thirds of the section's size, the brand line fitted, the size back.
    EXPECT_EQ(AttributesOf(0).Size, kStartSize * 2 / 3);
    EXPECT_EQ(AttributesOf(1).Size, FittedReportSize(kStartSize, static_cast<int>(lines[1].size())));
    EXPECT_EQ(ReportSize(), kStartSize);
}

// ABB: TAB rows inside the comment that closes after "4.Code", no FUNCTION_BLOCK; both forms
// of every line are left for the code generator.
TEST_F(FlowFunctionBlockTest, AbbBlockHasTableRowsInsideTheComment) {
    Gas();
    Form1().ABBSiemens.SetCaption("ABB");
    const auto lines = Block(kOrificeFmat);
    EXPECT_EQ(IndexOf(lines, "FUNCTION_BLOCK"), -1);
    const int code = IndexOfLine(lines, "4.Code");
    ASSERT_GT(code, 0);
    EXPECT_EQ(lines[code + 1], "*)");
    EXPECT_EQ(IndexOf(lines, "*)"), code + 1) << "one comment from the top to 4.Code";
    EXPECT_EQ(lines[IndexOfLine(lines, "2.Parameters") + 1], "P\treal\t\tin\t500.000\tkPa,absolute pressure");
    EXPECT_GE(IndexOfLine(lines, "dp_rot\tbool\t\tin\t0\t0=linear dp-cell/1=square root dp-cell"), 0);
    EXPECT_GE(IndexOfLine(lines, " fmat:=(1-0.58623E-2/expt(q_rot_mat,0.75))/0.99997;"), 0);
    EXPECT_EQ(sttest::StructuredTextProblem(lines, false), "");

    const FlowBlockLine& dpMax = FlowBlockLineOf(FlowBlockRole::DpMaxInput);
    EXPECT_EQ(dpMax.abb, "dp_max\treal\t\tin\t25.0000\tkPa=20 mA");
    EXPECT_EQ(dpMax.siemens, "dp_max:real:= 25.0000;//kPa=20 mA");
    const FlowBlockLine& fmat = FlowBlockLineOf(FlowBlockRole::FmatCode);
    EXPECT_EQ(fmat.abb, "fmat:=(1-0.58623E-2/expt(q_rot_mat,0.75))/0.99997;");
    EXPECT_EQ(fmat.siemens, "fmat:=(1-0.58623E-2/(q_rot_mat**0.75))/0.99997;");
    EXPECT_EQ(FlowBlockLineOf(FlowBlockRole::CompensatedFlowOutput).siemens,
              "q_pol_mat_PT:real;//kg/h,PT compensated & polynom calculated flowsignal,use this");
    EXPECT_EQ(FlowBlockLineOf(FlowBlockRole::ScalingComment).abb,
              "Scaling; 20 mA from dp-cell= 25.0000 kPa= 20 mA to control system");
}

// A gas in a cone: the polynomial in the root flow, written with the block's own q_rot_mat.
TEST_F(FlowFunctionBlockTest, GasConeFmatUsesTheBlocksRootFlow) {
    Gas();
    DeviceCode = "VCONE";
    const auto lines = Block(kConeFmat);
    EXPECT_GE(IndexOfLine(lines, " fmat:= (1-0.0000219E-6*q_rot_mat*q_rot_mat*(500.000/(P*1.00000)))/0.971570;"), 0);
    EXPECT_EQ(IndexOf(lines, "q_rot_max"), -1);
    EXPECT_EQ(sttest::StructuredTextProblem(lines, true), "");
}

// A liquid in a cone has no fmat: q_rot_mat is the output, with no polynomial group and no
// pressure/temperature correction.
TEST_F(FlowFunctionBlockTest, LiquidConeComputesTheRootFlowOnly) {
    DeviceCode = "VCONE";
    const auto lines = Block("");
    EXPECT_GE(IndexOfLine(lines, "q_rot_mat:real;//kg/h,root calculated flow,to be used"), 0);
    EXPECT_EQ(IndexOf(lines, "if q_rot_mat>0 then"), -1);
    for (const auto& line : lines) EXPECT_NE(line.rfind("q_pol_mat", 0), 0u) << line;
    EXPECT_EQ(IndexOf(lines, "_PT"), -1);
    EXPECT_EQ(FlowBlockLineOf(FlowBlockRole::FmatCode).siemens, "");
    EXPECT_EQ(sttest::StructuredTextProblem(lines, true), "");
}

// An fmat code line over 92 characters at half the size, a shorter one at two thirds.
TEST_F(FlowFunctionBlockTest, LongFmatCodeLineIsWrittenAtHalfSize) {
    const std::string longFmat =
        "where fmat(q_rot_mat)=(1-0,58623E-2/q_rot_mat**(3/4))/0,99997" + std::string(50, '0');
    for (const auto& [fmat, size] : {std::pair{kOrificeFmat, kStartSize * 2 / 3},
                                     std::pair{longFmat, kStartSize * 2 / 4}}) {
        const auto lines = Block(fmat);
        const int at = IndexOf(lines, " fmat:=");
        ASSERT_GE(at, 0);
        EXPECT_EQ(lines[at].size() > 92, size == kStartSize * 2 / 4) << lines[at];
        EXPECT_EQ(AttributesOf(at).Size, size) << lines[at];
    }
    // A small start size does not shrink below 6 pt, and comes back after the block.
    TTextAttributes small;
    small.Size = 7;
    ReportWindow().SetSelAttributes(small);
    const auto lines = Block(longFmat);
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) EXPECT_EQ(AttributesOf(i).Size, 6) << lines[i];
    EXPECT_EQ(ReportSize(), 7);
}

// A gauge pressure unit has no ",absolute pressure"; an operating volume flow divides by the
// density's root, a mass flow multiplies.
TEST_F(FlowFunctionBlockTest, GaugeUnitAndVolumeFlowInTheCorrection) {
    Gas();
    Form1().abstrycksort.SetText("BarG");
    FlowUnit = "m3/h";
    Form1().maxflowsort.SetText("m3/h");
    PressureMinInput = PressureMaxInput = 3.98675;
    const auto lines = Block(kOrificeFmat);
    EXPECT_EQ(IndexOf(lines, "absolute"), -1);
    EXPECT_GE(IndexOfLine(lines, "P:real:= 500.000;//BarG"), 0);
    EXPECT_GE(IndexOfLine(lines, "    " + FormatFixed(3.98675, 6) + " <P< " + FormatFixed(3.98675, 6)), 0);
    EXPECT_GE(IndexOfLine(lines, "q_pol_mat_PT:=q_pol_mat/sqrt((P+1.01325)/0.01/500.000*(273.15+20.0000)/(273.15+T));"), 0);
    EXPECT_EQ(sttest::StructuredTextProblem(lines, true), "");
}

// Swedish and German texts of the frame and the dialect's section labels.
TEST_F(FlowFunctionBlockTest, SwedishAndGermanFrames) {
    Form1().ABBSiemens.SetCaption("ABB");
    Language('S');
    auto lines = Block(kOrificeFmat);
    EXPECT_EQ(lines[1], "GENVERKET;Tillverkning av standardiserad kod, IEC61131, ABB Industrial IT, Structured Text");
    for (const char* label : {"2.Parametrar", "3.Variabler", "4.Kod"}) EXPECT_GE(IndexOfLine(lines, label), 0) << label;
    EXPECT_EQ(lines[3], "1.Beräkningsfel<= " + FormatFixed(0.1, 2) + "% av beräknat flödesvärde q_pol_mat");
    Language('D');
    lines = Block(kOrificeFmat);
    EXPECT_EQ(lines[2], "Messumformer; 20 mA von dp-cell= 25.0000 kPa= 20 mA zu Rechner");
    EXPECT_EQ(lines[4], "Für;" + FormatFixed(3600, 6) + " <q_pol_mat< " + FormatFixed(36000, 6));
}

TEST(PressureExpressionTest, GaugeFormsAndTheFactorOfEveryOtherUnit) {
    const struct {
        const char* unit;
        double minInput, minPa;
        const char* expression;
    } cases[] = {
        {"kPa", 500, 5e5, "P*1.00000"},
        {"Pa", 5e5, 5e5, "P*0.00100"},
        {"BarA", 5, 5e5, "P*100.000"},
        {"barg", 4, 501325, "(P+1.01325)/0.01"},
        {"BARG", 4, 501325, "(P+1.01325)/0.01"},
        {"BarÖ", 4, 501325, "(P+1.01325)/0.01"},
        {"bar(ü)", 4, 501325, "(P+1.01325)/0.01"},
        {"ATÖ", 4, 493585, "(P+1.03323)/1.01972E-2"},
        {"at(ü)", 4, 493585, "(P+1.03323)/1.01972E-2"},
        // Only a to z fold: "Ü" is not "ü", so this one takes the factor of its entry.
        {"bar(Ü)", 4, 4e5, "P*100.000"},
        // A lower entry of 0 gives no ratio: the factor is that of one unit.
        {"kPa", 0, 101325, "P*1.00000"},
        {"MPa", 0, 101325, "P*1000.00"},
    };
    for (const char separator : {',', '.'}) {
        SeparatorGuard guard(separator);
        for (const auto& c : cases)
            EXPECT_EQ(PressureExpressionFor(c.unit, c.minInput, c.minPa), c.expression)
                << c.unit << " " << c.minInput << " separator " << separator;
    }
}

}  // namespace
}  // namespace tubalyx
