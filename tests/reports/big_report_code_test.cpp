// The big report of calculated devices end to end: the dp-transmitter and algorithm sections
// stand in the report, and the flow function block they end with is well-formed Structured
// Text in both dialects for an orifice, a venturi and a cone meter in air.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "flow/primary_device_sequence.h"
#include "flow/straight_length_service.h"
#include "media/thermal_expansion.h"
#include "numerics/report_format.h"
#include "reports/big_report_support.h"
#include "reports/result_report.h"
#include "state/report_state.h"
#include "ui/calculation_reset.h"
#include "support/structured_text_check.h"

namespace tubalyx {
namespace {

class BigReportCodeTest : public bigreport::BigReportTest {
protected:
    // Air at 4 to 6 bar abs and 10 to 30 C, 1000 kg/h in DN80 at 25 kPa, solved for the bore
    // (a cone meter of 48 mm for its dp).
    static void AirDuty(const char* device, const char* variant) {
        CalcFunction = "Strypf";
        MediumCode = "LUF";
        PhaseLetter = 'N';
        DeviceCode = device;
        DeviceVariantCode = variant;
        StandardLetter = '3';
        const bool cone = std::string(device).rfind("VCONE", 0) == 0;
        SolveFor = cone ? "DP" : "DI";
        BoreDiameterColdM = 0.048;
        BoreDiameterColdMm = 48;
        MaxFlowGivenFlag = "V";
        OperatingPressure = 5e5;
        PressureMinPa = 4e5;
        PressureMaxPa = 6e5;
        PressureMinInput = 400;
        PressureMaxInput = 600;
        OperatingTemperature = 20.0;
        TemperatureMinC = 10.0;
        TemperatureMaxC = 30.0;
        TForm1& f = Form1();
        f.abstryckantal.SetText("400");
        f.abstryckmaxantal.SetText("600");
        f.abstryckmaxantal.SetVisible(true);
        f.tempmin.SetText("10");
        f.temp.SetText("30");
        f.tempmin.SetVisible(true);
        FlowUnit = "kg/h";
        MaxFlowInput = 1000;
        MaxFlowSI = 1000;
        MinFlowSI = MinFlowInput = 100;
        DpUnit = "kPa";
        MaxDpInput = 25;
        MaxDpPa = 25000;
        PipeDiameterColdM = 0.08;
        PipeRoughnessMm = 0.01;
        StraightLengthM = 100;
        CalibratedCf = 0.8;
        CalibratedReynoldsMin = 1e3;
        CalibratedReynoldsMax = 1e7;
        MaterialExpansionCoefficients("5", PipeExpansionCoeff, PipeExpansionCoeffB);
        MaterialExpansionCoefficients("1", DeviceExpansionCoeff, DeviceExpansionCoeffB);
        RequiredStraightLengthsService = nullptr;
    }
    // The flow function block: from the "(*" that opens it to the empty line after it.
    static std::vector<std::string> FlowBlock(const std::vector<std::string>& lines) {
        const int start = IndexOfLine(lines, "(*");
        std::vector<std::string> block;
        for (int i = start; start >= 0 && i < static_cast<int>(lines.size()) && !lines[i].empty(); ++i)
            block.push_back(lines[i]);
        return block;
    }
};

TEST_F(BigReportCodeTest, FlowBlockOfCalculatedDevicesIsStructuredText) {
    const struct {
        const char* device;
        const char* variant;
    } devices[] = {{"S", "R"}, {"V", "BG"}, {"VCONE", ""}};
    for (const auto& d : devices) {
        for (const char* dialect : {"Siemens", "ABB"}) {
            ResetCalculationState();
            Language('E');
            AirDuty(d.device, d.variant);
            Form1().ABBSiemens.SetCaption(dialect);
            RunPrimaryDeviceCalculation();
            ClearReport();
            WriteResultReport('S', 0, '2');
            const auto lines = Lines();
            const std::string name = std::string(d.device) + " " + dialect;
            EXPECT_TRUE(Has(lines, "           CONFIGURATION OF dp-TRANSMITTER")) << name;
            EXPECT_TRUE(Has(lines, "3.Avg. ")) << name;
            EXPECT_TRUE(Has(lines, "4.Density correction factor fdens = ")) << name;
            EXPECT_FALSE(Has(lines, "NAN") || Has(lines, "INF")) << name;
            const auto block = FlowBlock(lines);
            ASSERT_GT(block.size(), 20u) << name;
            const bool siemens = std::string(dialect) == "Siemens";
            EXPECT_EQ(sttest::StructuredTextProblem(block, siemens), "") << name;
            EXPECT_EQ(IndexOfLine(block, "FUNCTION_BLOCK Genverket//Flow") >= 0, siemens) << name;
            EXPECT_GE(IndexOf(block, "fmat:="), 0) << name << ": a gas has its polynomial";
            EXPECT_GE(IndexOf(block, "q_pol_mat_PT:=q_pol_mat*sqrt(P*1.00000/"), 0) << name;
            EXPECT_EQ(IndexOf(block, "nan"), -1) << name;
            // The root formula of the block is the one of algorithm 3 in the report.
            EXPECT_TRUE(Has(lines, "where q_rot_mat= " + RootFlowFormulaText)) << name;
            EXPECT_GT(IdealGasDensityErrorPercent, 0.0) << name;
            EXPECT_LT(IdealGasDensityErrorPercent, 1.0) << name << ": air is nearly ideal";
            EXPECT_GT(UncorrectedDensityErrorPercent, 5.0) << name;
        }
    }
}

}  // namespace
}  // namespace tubalyx
