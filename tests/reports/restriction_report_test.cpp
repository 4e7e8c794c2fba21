#include "reports/restriction_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "numerics/separator_guard.h"
#include "pressure_loss/valve_coefficients.h"
#include "pressure_loss/valve_sizing.h"
#include "pressure_loss/valve_test_support.h"
#include "reports/report_window.h"
#include "texts/caption_sets.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

class RestrictionReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        valvetest::ResetValveState();
        Form1().litenstor.SetCaption("Small");
        // The language switch reads the valve diameter back from its edit.
        Form1().Ventilkallmm.SetText("100");
        Form1().dstorkallsort.SetCaption("mm");
        FlowDensity = 1000;
        PipeDiameter = 0.1;
        ValveMassFlowTph = 10;
        ValvePowerW = 277.9;
        ValveFLP = 0.9;
        Select("VE");
        ClearReport();
    }
    // The subtype chooses the Kv, Cv and power labels of the caption set.
    static void Select(const char* subtype) {
        ValveSubtype = subtype;
        ApplyLanguage(LanguageLetter);
    }
    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
    // 10 t/h of 1000 kg/m3 in a pipe of 0.1 m: 0.35368 m/s.
    static std::string PipeSpeedLine() { return TubeFlowSpeedLabel + "0,3537"; }
};

TEST_F(RestrictionReportTest, WaterValveOpenAndChoked) {
    ValveKv = 10.009024;
    WriteRestrictionReport('S', 0);
    // clang-format off
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Flow factor Kv__________________________________()= 10,009",
                                                 "Flow factor Cv__________________________________()= 11,560",
                                                 "  NON CRITICAL FLOW",
                                                 "Valve powerconsumption________________________(kW)= 0,2779",
                                                 PipeSpeedLine(),
                                                 "Valve reduct. critical flow factor Flp/(Cfr)______= 0,9000",
                                                 "Valve reduction factor (R)______________________()= 1,0000",
                                                 // The medium block: the state of water at the valve.
                                                 "Density____________________________________(kg/m3)= 1000,0",
                                                 "Dynamic viscosity________________________(Pas*E-6)= 1000,0"}));
    // clang-format on
    // Choked, in German on a point platform, with a range note.
    const SeparatorGuard point('.');
    ValveKv = 35.2069;
    ValveCriticalFlag = true;
    TableRangeNote = "(20 C!..)";
    LanguageLetter = 'D';
    Select("VE");
    ClearReport();
    WriteRestrictionReport('S', 0);
    EXPECT_EQ(ReportLineText(0), "Durchflusskoeffizient Kv________________________()= 35.207");
    EXPECT_EQ(ReportLineText(2), "        KRITISCHES DURCHFLUSS!");
    EXPECT_EQ(Lines().back(), "        ACHTUNG! (20 C!..)");
}

TEST_F(RestrictionReportTest, RestrictionBoreAndWhereItTurnsCritical) {
    Select("RO");
    ValveKv = 10.0063;
    BoreDiameterColdM = 0.0201816;
    CriticalFlow = 30.8741;
    CriticalInletPressureBar = 18.5321;
    RestrictionFL = 0.975877;
    WriteRestrictionReport('S', 0);
    // clang-format off
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Restriction Kv__________________________________()= 10,006",
                                                 "Restriction Cv__________________________________()= 11,557",
                                                 ThroatDiameterLabel + "20,182",
                                                 "  NON CRITICAL FLOW",
                                                 "  CRITICAL FLOW= 308,74%",
                                                 " 18,532BarA Inletpressure",
                                                 "  At constant Outletpressure",
                                                 "Restriction powerconsumption__________________(kW)= 0,2779",
                                                 PipeSpeedLine(),
                                                 "fl for restriction______________________________()= 0,9759",
                                                 "Density____________________________________(kg/m3)= 1000,0",
                                                 "Dynamic viscosity________________________(Pas*E-6)= 1000,0"}));
    // clang-format on
}

TEST_F(RestrictionReportTest, CriticalLinesInTheThreeLanguages) {
    const std::vector<std::string> cases[] = {
        {"E", "  CRITICAL FLOW!= \t100,00\t%,\t2,0000\tBarA Inletpressure", "  At constant Outletpressure",
         "        CRITICAL FLOW!", "  NON CRITICAL FLOW"},
        {"D", "  KRITISCHES DURCHFLUSS!= \t100,00\t%,\t2,0000\tBarA Einlaufdruck", "  Bei unverändert Auslaufdruck",
         "        KRITISCHES DURCHFLUSS!", "  NICHT KRITISCHES DURCHFLUSS"},
        {"S", "  KRITISKT FLÖDE!= \t100,00\t%,\t2,0000\tBarA Inloppstryck", "  Vid oförändrat utloppstryck",
         "        KRITISKT FLÖDE!", "  ICKE KRITISKT FLÖDE"},
    };
    ReportSeparator = "\t";
    CriticalFlow = 10;
    CriticalInletPressureBar = 2;
    for (const auto& c : cases) {
        LanguageLetter = c[0][0];
        ValveSubtype = "RO";
        CriticalFlowReport(true);
        ValveSubtype = "VE";
        CriticalFlowReport(true);
        CriticalFlowReport(false);
        EXPECT_EQ(Lines(), std::vector<std::string>(c.begin() + 1, c.end())) << c[0];
        ClearReport();
    }
}

TEST_F(RestrictionReportTest, FoundFlowInTheUsersUnit) {
    Select("RO");
    SolveFor = "FL";
    const std::pair<const char*, const char*> cases[] = {
        {"kg/h", "Flow_____________________________________(kg/h)=  10000"},
        {"m3/h", "Flow_____________________________________(m3/h)= 10,000"},
        {"m/s", "Flow_____________________________________(m/s)= 0,3537"},
    };
    for (const auto& [unit, line] : cases) {
        FlowUnit = unit;
        ClearReport();
        WriteRestrictionReport('S', 0);
        EXPECT_EQ(ReportLineText(2), line) << unit;
    }
}

TEST_F(RestrictionReportTest, AFaultWritesNoHalfSection) {
    Select("RO");
    ValveMassFlowTph = 0;  // no flow: no critical share
    EXPECT_THROW(WriteRestrictionReport('S', 0), CalcError);
    EXPECT_EQ(ReportLineCount(), 0);
}

// The big report of a valve states where it would choke, from the valve's own walk: water
// at 10 bar a, FL 0.9, a drop of 1 bar. The flow goes with the root of the drop, and the walk
// stops at the first 1 % step at or past FL^2 (P1 - FF pv).
TEST_F(RestrictionReportTest, BigValveReportStatesTheCriticalShare) {
    Form1().litenstor.SetCaption("Big  ");
    RunValve();
    ClearReport();
    WriteRestrictionReport('S', 0);
    const std::vector<std::string> lines = Lines();
    const std::string opening = "(CRITICAL FLOW= ";
    auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(opening, 0) == 0; });
    ASSERT_NE(it, lines.end());
    const double percent = std::stod(it->substr(opening.size()));
    const double pv = VapourPressureBar, ff = 0.96 - 0.28 * std::sqrt(pv / 221.2);
    const double choked = 0.81 * (10 - ff * pv);
    EXPECT_GE(percent, std::floor(100 * std::sqrt(choked)));
    EXPECT_LE(percent, std::ceil(100 * std::sqrt(choked + 0.0101 * (9 + choked))));
}

}  // namespace
}  // namespace tubalyx
