// The flow function block of the big report in its two dialects, the lines it leaves for the
// code generator, the pressure expression of generated code, and the block of calculated
// devices' big reports as well-formed Structured Text.
#include "reports/flow_function_block.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "flow/primary_device_sequence.h"
#include "flow/straight_length_service.h"
#include "media/thermal_expansion.h"
#include "numerics/report_format.h"
#include "numerics/separator_guard.h"
#include "reports/big_report_support.h"
#include "reports/pressure_expression.h"
#include "reports/report_block.h"
#include "reports/result_report.h"
#include "state/report_state.h"
#include "support/structured_text_check.h"
#include "ui/calculation_reset.h"

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
    static void Gas() { MediumCode = "LUF", PhaseLetter = 'N'; }
    static std::vector<std::string> Block(const std::string& fmat) {
        ClearReport();
        ReportBlock block;
        AddFlowFunctionBlock(block, fmat);
        block.Flush();
        return Lines();
    }
    static bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
        return IndexOf(lines, line, true) >= 0;
    }
};

// Siemens: a complete FUNCTION_BLOCK after the comment, ended and marked finished, at two
// thirds of the section's size with the brand line fitted.
TEST_F(FlowFunctionBlockTest, SiemensBlockIsACompleteFunctionBlock) {
    Gas();
    const auto lines = Block(kOrificeFmat);
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[0], "(*");
    EXPECT_EQ(lines[1], "GENVERKET;Generation of standardized code, IEC61131, Siemens PCS7");
    EXPECT_EQ(CodeBrandLine, lines[1]);
    const int head = IndexOf(lines, "FUNCTION_BLOCK Genverket//Flow", true);
    ASSERT_GT(head, 0);
    EXPECT_EQ(lines[head - 1], "*)");
    EXPECT_EQ(lines[lines.size() - 2], "END_FUNCTION_BLOCK//Genverket");
    EXPECT_EQ(lines.back(), "(*Genverket slut/finished/Ende/Finito*)");
    EXPECT_EQ(sttest::StructuredTextProblem(lines, true), "");
    for (const char* line : {"P:real:= 500.000;//kPa,absolute pressure", "T:real:= 20.0000;//C",
                             "dp_rot:bool:=True;//False=linear dp-cell/True=square root dp-cell",
                             "q_rot_mat:= 7200.00*Sqrt(dp);", " fmat:=(1-0.58623E-2/(q_rot_mat**0.75))/0.99997;",
                             "q_pol_mat_PT:=q_pol_mat*sqrt(P*1.00000/500.000*(273.15+20.0000)/(273.15+T));"})
        EXPECT_TRUE(HasLine(lines, line)) << line;
    EXPECT_EQ(AttributesOf(0).Size, kStartSize * 2 / 3);
    EXPECT_EQ(AttributesOf(1).Size, FittedReportSize(kStartSize, static_cast<int>(lines[1].size())));
    EXPECT_EQ(ReportSize(), kStartSize);
}

// ABB: TAB rows inside the comment that closes after "4.Code", no FUNCTION_BLOCK; both forms
// of the lines are left for the code generator.
TEST_F(FlowFunctionBlockTest, AbbBlockHasTableRowsInsideTheComment) {
    Gas();
    Form1().ABBSiemens.SetCaption("ABB");
    const auto lines = Block(kOrificeFmat);
    EXPECT_EQ(IndexOf(lines, "FUNCTION_BLOCK"), -1);
    const int code = IndexOf(lines, "4.Code", true);
    ASSERT_GT(code, 0);
    EXPECT_EQ(IndexOf(lines, "*)"), code + 1) << "one comment from the top to 4.Code";
    EXPECT_EQ(lines[IndexOf(lines, "2.Parameters", true) + 1], "P\treal\t\tin\t500.000\tkPa,absolute pressure");
    EXPECT_TRUE(HasLine(lines, " fmat:=(1-0.58623E-2/expt(q_rot_mat,0.75))/0.99997;"));
    EXPECT_EQ(sttest::StructuredTextProblem(lines, false), "");
    const FlowBlockLine& dpMax = FlowBlockLineOf(FlowBlockRole::DpMaxInput);
    EXPECT_EQ(dpMax.abb, "dp_max\treal\t\tin\t25.0000\tkPa=20 mA");
    EXPECT_EQ(dpMax.siemens, "dp_max:real:= 25.0000;//kPa=20 mA");
    EXPECT_EQ(FlowBlockLineOf(FlowBlockRole::FmatCode).siemens, "fmat:=(1-0.58623E-2/(q_rot_mat**0.75))/0.99997;");
    EXPECT_EQ(FlowBlockLineOf(FlowBlockRole::ScalingComment).abb,
              "Scaling; 20 mA from dp-cell= 25.0000 kPa= 20 mA to control system");
}

// The fields of every ABB declaration row: six for a row with a direction (the parameters and
// the outputs to be used), five without one (the gas's q_pol_mat that is not to be used, the
// local q_rot_mat and dp), two for fmat. A TAB too many shifts the comment into another column.
TEST_F(FlowFunctionBlockTest, AbbRowsHaveTheFieldsOfTheirKind) {
    Form1().ABBSiemens.SetCaption("ABB");
    const struct {
        const char* name;
        bool gas;
        const std::string* fmat;
        std::vector<std::pair<std::string, int>> fields;  // declared name, fields of its row
    } cases[] = {
        {"gas with fmat",
         true,
         &kOrificeFmat,
         {{"P", 6},
          {"T", 6},
          {"dpcell", 6},
          {"dp_max", 6},
          {"dp_rot", 6},
          {"q_pol_mat", 5},
          {"q_pol_mat_PT", 6},
          {"q_rot_mat", 5},
          {"fmat", 2},
          {"dp", 5}}},
        {"liquid with fmat", false, &kOrificeFmat, {{"q_pol_mat", 6}, {"q_rot_mat", 5}, {"fmat", 2}, {"dp", 5}}},
        {"liquid cone", false, nullptr, {{"q_rot_mat", 6}, {"fmat", 2}, {"dp", 5}}},
    };
    for (const auto& c : cases) {
        if (c.gas)
            Gas();
        else
            MediumCode = "VAT", PhaseLetter = 'V';
        DeviceCode = c.fmat ? "S" : "VCONE";
        const auto lines = Block(c.fmat ? *c.fmat : "");
        for (const auto& [declared, fields] : c.fields) {
            const int at = IndexOf(lines, declared + "\t");
            ASSERT_GE(at, 0) << c.name << ": " << declared;
            const std::string& row = lines[at];
            ASSERT_EQ(row.rfind(declared + "\t", 0), 0u) << c.name << ": " << row;
            EXPECT_EQ(std::count(row.begin(), row.end(), '\t') + 1, fields) << c.name << ": " << row;
        }
    }
    // The code generator's flow block takes the rows as they are.
    EXPECT_EQ(FlowBlockLineOf(FlowBlockRole::DpVariable).abb,
              "dp\treal\t\t\tkPa,=calculated dp = dpcell at linear dp-tarnsm.");
}

// A gas in a cone: the polynomial in the block's own root flow q_rot_mat. A liquid in a cone
// has no fmat: q_rot_mat is the output, with no polynomial group and no P/T correction.
TEST_F(FlowFunctionBlockTest, ConeMeterBlocks) {
    DeviceCode = "VCONE";
    Gas();
    auto lines = Block(kConeFmat);
    EXPECT_TRUE(HasLine(lines, " fmat:= (1-0.0000219E-6*q_rot_mat*q_rot_mat*(500.000/(P*1.00000)))/0.971570;"));
    EXPECT_EQ(IndexOf(lines, "q_rot_max"), -1);
    EXPECT_EQ(sttest::StructuredTextProblem(lines, true), "");

    MediumCode = "VAT", PhaseLetter = 'V';
    lines = Block("");
    EXPECT_TRUE(HasLine(lines, "q_rot_mat:real;//kg/h,root calculated flow,to be used"));
    EXPECT_EQ(IndexOf(lines, "if q_rot_mat>0 then"), -1);
    for (const auto& line : lines) EXPECT_NE(line.rfind("q_pol_mat", 0), 0u) << line;
    EXPECT_EQ(IndexOf(lines, "_PT"), -1);
    EXPECT_EQ(FlowBlockLineOf(FlowBlockRole::FmatCode).siemens, "");
    EXPECT_EQ(sttest::StructuredTextProblem(lines, true), "");
}

// An fmat code line over 92 characters at half the size, a shorter one at two thirds; a
// small start size stays at 6 pt and comes back after the block.
TEST_F(FlowFunctionBlockTest, LongFmatCodeLineIsWrittenAtHalfSize) {
    const std::string longFmat = kOrificeFmat + std::string(50, '0');
    for (const auto& [fmat, size] :
         {std::pair{kOrificeFmat, kStartSize * 2 / 3}, std::pair{longFmat, kStartSize * 2 / 4}}) {
        const auto lines = Block(fmat);
        const int at = IndexOf(lines, " fmat:=");
        EXPECT_EQ(lines.at(at).size() > 92, size == kStartSize * 2 / 4) << lines[at];
        EXPECT_EQ(AttributesOf(at).Size, size) << lines[at];
    }
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
    // Typed before the unit, whose change handler converts the pressure into the operating one.
    PressureMinInput = PressureMaxInput = 3.98675;
    Form1().abstrycksort.SetText("BarG");
    FlowUnit = "m3/h";
    const auto lines = Block(kOrificeFmat);
    EXPECT_EQ(IndexOf(lines, "absolute"), -1);
    EXPECT_TRUE(HasLine(lines, "P:real:= 500.000;//BarG"));
    EXPECT_TRUE(HasLine(lines, "    " + FormatFixed(3.98675, 6) + " <P< " + FormatFixed(3.98675, 6)));
    EXPECT_TRUE(HasLine(lines, "q_pol_mat_PT:=q_pol_mat/sqrt((P+1.01325)/0.01/500.000*(273.15+20.0000)/(273.15+T));"));
}

// Air at 4 to 6 bar abs and 10 to 30 C, 1000 kg/h in DN80 at 25 kPa, solved for the bore (a
// cone meter of 48 mm for its dp), calculated and reported big: the block of an orifice, a
// venturi and a cone is well-formed in both dialects, with the polynomial and the P/T
// correction of a gas, and the density errors of a nearly ideal gas.
TEST_F(FlowFunctionBlockTest, BlockOfCalculatedDevicesIsStructuredText) {
    for (const auto& [device, variant] : {std::pair{"S", "R"}, std::pair{"V", "BG"}, std::pair{"VCONE", ""}}) {
        for (const std::string dialect : {"Siemens", "ABB"}) {
            ResetCalculationState();
            WaterOrifice();
            Gas();
            Form1().ABBSiemens.SetCaption(dialect);
            DeviceCode = device, DeviceVariantCode = variant;
            SolveFor = DeviceCode == "VCONE" ? "DP" : "DI";
            BoreDiameterColdM = 0.048;
            PressureMinPa = 4e5, PressureMaxPa = 6e5, PressureMinInput = 400, PressureMaxInput = 600;
            TemperatureMinC = 10.0, TemperatureMaxC = 30.0;
            TForm1& f = Form1();
            f.abstryckantal.SetText("400"), f.abstryckmaxantal.SetText("600"), f.abstryckmaxantal.SetVisible(true);
            f.tempmin.SetText("10"), f.temp.SetText("30"), f.tempmin.SetVisible(true);
            MaxFlowInput = MaxFlowSI = 1000, MinFlowSI = MinFlowInput = 100;
            PipeDiameterColdM = 0.08, PipeRoughnessMm = 0.01, StraightLengthM = 100, CalibratedCf = 0.8;
            MaterialExpansionCoefficients("5", PipeExpansionCoeff, PipeExpansionCoeffB);
            MaterialExpansionCoefficients("1", DeviceExpansionCoeff, DeviceExpansionCoeffB);
            RequiredStraightLengthsService = nullptr;
            RunPrimaryDeviceCalculation();
            ClearReport();
            WriteResultReport('S', 0, '2');
            const auto lines = Lines();
            const std::string name = std::string(device) + " " + dialect;
            EXPECT_FALSE(Has(lines, "NAN") || Has(lines, "INF")) << name;
            std::vector<std::string> block;  // from the "(*" that opens it to the empty line after it
            for (int i = IndexOf(lines, "(*", true); i >= 0 && i < static_cast<int>(lines.size()) && !lines[i].empty();
                 ++i)
                block.push_back(lines[i]);
            ASSERT_GT(block.size(), 20u) << name;
            EXPECT_EQ(sttest::StructuredTextProblem(block, dialect == "Siemens"), "") << name;
            EXPECT_EQ(IndexOf(block, "FUNCTION_BLOCK Genverket//Flow", true) >= 0, dialect == "Siemens") << name;
            EXPECT_GE(IndexOf(block, " fmat:="), 0) << name;
            EXPECT_GE(IndexOf(block, "q_pol_mat_PT:=q_pol_mat*sqrt(P*1.00000/"), 0) << name;
            EXPECT_TRUE(Has(lines, "4.Density correction factor fdens = ")) << name;
            EXPECT_GT(IdealGasDensityErrorPercent, 0.0) << name;
            EXPECT_LT(IdealGasDensityErrorPercent, 1.0) << name;
            EXPECT_GT(UncorrectedDensityErrorPercent, 5.0) << name;
        }
    }
}

// The check itself finds what a compiler would reject first.
TEST(StructuredTextCheckTest, FindsUnclosedAndUnterminatedCode) {
    EXPECT_NE(sttest::StructuredTextProblem({"(*", "dp:=1;"}, false), "");
    EXPECT_NE(sttest::StructuredTextProblem({"dp:=dpcell"}, false), "");
    EXPECT_NE(sttest::StructuredTextProblem({"if dp_rot then", "dp:=1;"}, false), "");
    EXPECT_NE(sttest::StructuredTextProblem({"FUNCTION_BLOCK F", "VAR", "x:real;", "END_FUNCTION_BLOCK"}, true), "");
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
        {"bar(ü)", 4, 501325, "(P+1.01325)/0.01"},
        {"ATÖ", 4, 493585, "(P+1.03323)/1.01972E-2"},
        // Only a to z fold: "Ü" is not "ü", so this one takes the factor of its entry.
        {"bar(Ü)", 4, 4e5, "P*100.000"},
        // A lower entry of 0 gives no ratio: the factor is that of one unit.
        {"kPa", 0, 101325, "P*1.00000"},
        {"MPa", 0, 101325, "P*1000.00"},
    };
    for (const char separator : {',', '.'}) {
        SeparatorGuard guard(separator);
        for (const auto& c : cases)
            EXPECT_EQ(PressureExpressionFor(c.unit, c.minInput, c.minPa), c.expression) << c.unit << " " << c.minInput;
    }
}

}  // namespace
}  // namespace tubalyx
