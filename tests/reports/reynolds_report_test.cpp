#include "reports/reynolds_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "flow/primary_device_sequence.h"
#include "media/medium_state.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/report_format.h"
#include "numerics/separator_guard.h"
#include "pressure_loss/line_properties.h"
#include "pressure_loss/valve_sizing.h"
#include "reports/report_window.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/valve_state.h"
#include "texts/caption_sets.h"
#include "texts/report_label_strings.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

class FlowSpeedLinesTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        ReportSeparator = "";
        LanguageLetter = 'E';
        ApplyLanguage('E');
        CalcFunction = "Strypf";
        DeviceCode = "S";
        StandardLetter = '3';
        MediumCode = "VAT";
        PhaseLetter = 'N';
        ValveSubtype = "VE";
        OperatingPressure = 500000;
        OperatingTemperature = 20;
        MaxDpPa = 50000;
        BoreDiameter = 0.05;
        DiameterRatioBeta = 0.5;
        DynamicViscosityPas = 1e-3;
        Form1().litenstor.SetCaption("Big  ");
        // The state the critical-flow walk of the orifice reads: water through d 0.05 m
        // in D 0.1 m, no installation corrections.
        DeviceVariantCode = "R";
        PipeDiameter = 0.1;
        PipeDiameterColdMm = 100;
        FlowDensity = 1000;
        KappaOperating = 1.4;
        MaxMassFlow = 10;
        InletEdgeFactor = RoughnessFactor = BendFactor = 1;
        VapourPressurePa = 0;
        LiquidCriticalPressurePa = 0;
        savedC_ = DischargeCoefficientC;
        savedE_ = VelocityOfApproachFactor;
        DischargeCoefficientC = 0.6;
        VelocityOfApproachFactor = 1.0327955589886444;
        ClearReport();
        ReportWindow().SetSelAttributes(TTextAttributes{});
    }
    void TearDown() override {
        DischargeCoefficientC = savedC_;
        VelocityOfApproachFactor = savedE_;
    }
    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
    static bool IsCriticalShareLine(const std::string& line) {
        for (const char* opening : {"(CRITICAL FLOW", "(KRITISCHES DURCHFLUSS", "(KRITISKT FLÖDE"})
            if (line.rfind(opening, 0) == 0) return true;
        return false;
    }
    // The lines before the closing critical-flow share, which the tests of the speeds leave aside.
    static std::vector<std::string> SpeedLines() {
        std::vector<std::string> lines = Lines();
        if (!lines.empty() && IsCriticalShareLine(lines.back())) lines.pop_back();
        return lines;
    }
    // The closing line of the critical-flow share for the device's own walk: the percentage
    // of the flow at which the orifice turns critical, against the maximal flow.
    static std::string CriticalShareLine(double massFlow, double fl) {
        const double qmax = 3.6 * massFlow;
        const double qcrit = CriticalFlowAtOperatingState(qmax, 0.00001 * DevicePressureLossPa, fl, true);
        return "(CRITICAL FLOW= " + ReportSeparator + FormatFixed(qcrit / qmax * 100, 3) + ReportSeparator +
               " % of maxflow)";
    }
    // The static state in a contraction of diameter d (m) of the 0.1 m pipe, for the flow
    // (kg/s) from the operating state, as the line calculation gives it.
    struct Throat {
        double pressure, density;
    };
    static Throat ThroatState(double massFlow, double d) {
        double p2 = 0, t2 = 0;
        LinePropertiesInlet(MediumCode, p2, t2, massFlow, 0.1, d, OperatingPressure, OperatingTemperature);
        return {p2, LineMediumAt(MediumCode, p2, t2).density};
    }
    // The number behind "= " of a report line.
    static double ValueOf(const std::string& line) {
        const std::size_t at = line.find("= ");
        if (at == std::string::npos) return NAN;
        std::string number = line.substr(at + 2);
        std::replace(number.begin(), number.end(), ',', '.');
        return std::stod(number);
    }
    static double Speed(double massFlow, double density, double d) {
        return massFlow / density / (std::numbers::pi * d * d / 4);
    }
    double savedC_ = 0, savedE_ = 0;
};

// 10 kg/s of 1000 kg/m3 in D 0.1 m: 10 / 1000 / (pi 0.01 / 4) = 1.27324 m/s; in d 0.05 m 5.09296.

TEST_F(FlowSpeedLinesTest, SmallReportOrPressureLossWritesOnlyThePipeSpeed) {
    Form1().litenstor.SetCaption("Small");
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{TubeFlowSpeedLabel + "1,2732"}));

    Form1().litenstor.SetCaption("Big  ");
    CalcFunction = "Tryckf";
    ReportSeparator = "\t";
    const std::pair<char, const char*> cases[] = {
        {'E', "Outlet Flowspeed in tube (at maxflow)________(m/s)= \t1,2732"},
        {'D', "Strömungsgeschwindigkeit im Rohrauslauf______(m/s)= \t1,2732"},
        {'S', "Flödeshastighet i rörutlopp (vid maxflöde)___(m/s)= \t1,2732"},
        {'X', "Flödeshastighet i rörutlopp (vid maxflöde)___(m/s)= \t1,2732"}};
    for (const auto& [letter, line] : cases) {
        LanguageLetter = letter;
        ClearReport();
        WriteFlowSpeedLines(10, 1000, 0.1);
        EXPECT_EQ(Lines(), (std::vector<std::string>{line})) << letter;
    }
    // No density, no pipe-speed line.
    ClearReport();
    WriteFlowSpeedLines(10, 0, 0.1);
    EXPECT_EQ(ReportLineCount(), 0);
}

TEST_F(FlowSpeedLinesTest, ReynoldsLineInTheThreeLanguages) {
    ReportSeparator = "\t";
    const std::pair<char, const char*> cases[] = {
        {'E', "Reynolds number ReD (at maximal flow)_____________= \t127323"},
        {'D', "Reynoldszahl ReD (bei grösstem Durchflussendwert)_= \t127323"},
        {'S', "Reynolds tal ReD (vid maxflöde)___________________= \t127323"}};
    for (const auto& [letter, line] : cases) {
        LanguageLetter = letter;
        ClearReport();
        WriteReynoldsAtMaxFlow(127323.954);
        EXPECT_EQ(ReportLineText(0), line) << letter;
    }
    // A number wider than six characters keeps its magnitude.
    LanguageLetter = 'E';
    ClearReport();
    WriteReynoldsAtMaxFlow(2345678.9);
    EXPECT_EQ(ReportLineText(0), "Reynolds number ReD (at maximal flow)_____________= \t2,34E6");
    EXPECT_THROW(WriteReynoldsAtMaxFlow(std::numeric_limits<double>::quiet_NaN()), CalcError);
}

// Water at 5 bar through d 50 mm: Bernoulli lowers the throat by rho/2 (v2^2 - v1^2),
// about 12.2 kPa, and the vena contracta is the bore scaled by (that / MaxDpPa)^(1/4).
TEST_F(FlowSpeedLinesTest, LiquidThroatAndVenaContractaSpeeds) {
    WriteFlowSpeedLines(10, 1000, 0.1);
    const double rho = LineMediumAt("VAT", OperatingPressure, 20).density;
    const double v1 = Speed(10, rho, 0.1), v2 = Speed(10, rho, 0.05);
    const double throatDrop = rho / 2 * (v2 * v2 - v1 * v1);
    const double dv = 0.05 * std::pow(throatDrop / MaxDpPa, 0.25);
    const std::vector<std::string> lines = SpeedLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_TRUE(IsCriticalShareLine(Lines().back()));
    EXPECT_EQ(lines[0], TubeFlowSpeedLabel + "1,2732");
    EXPECT_EQ(lines[1].rfind("Flowspeed in throat (at maxflow)_____________(m/s)= ", 0), 0u);
    EXPECT_NEAR(ValueOf(lines[1]), v2, 2e-4 * v2);
    EXPECT_EQ(lines[2].rfind("Flowspeed in vena contracta (at maxflow)_____(m/s)= ", 0), 0u);
    EXPECT_NEAR(ValueOf(lines[2]), Speed(10, rho, dv), 2e-3 * Speed(10, rho, dv));
}

TEST_F(FlowSpeedLinesTest, SpeedsAndCriticalShareFollowThePlatformSeparator) {
    std::vector<std::string> comma;
    for (char separator : {',', '.'}) {
        const SeparatorGuard guard(separator);
        ClearReport();
        WriteFlowSpeedLines(10, 1000, 0.1);
        if (separator == ',') {
            comma = Lines();
            ASSERT_EQ(comma.size(), 4u);
            EXPECT_EQ(comma.back(), CriticalShareLine(10, std::sqrt(DevicePressureLossPa / MaxDpPa)));
            continue;
        }
        const std::vector<std::string> point = Lines();
        ASSERT_EQ(point.size(), comma.size());
        for (std::size_t i = 0; i + 1 < point.size(); ++i) EXPECT_EQ(point[i], OnPlatform(comma[i], '.')) << i;
        EXPECT_EQ(point.back(), CriticalShareLine(10, std::sqrt(DevicePressureLossPa / MaxDpPa)));
    }
}

// The orifice chokes where its permanent loss reaches FL^2 (P1 - FF pv), FL^2 = loss / dp;
// there its differential pressure is that loss over FL^2, and it passes about
// C E (pi d^2 / 4) sqrt(2 rho dp) with C of an orifice of beta 0.5 near 0.6.
TEST_F(FlowSpeedLinesTest, CriticalShareOfTheOrificeFromItsChokingDrop) {
    WriteFlowSpeedLines(10, 1000, 0.1);
    const std::string line = Lines().back();
    ASSERT_TRUE(IsCriticalShareLine(line));
    const double percent = std::stod(line.substr(std::string("(CRITICAL FLOW= ").size()));
    const double flSquared = DevicePressureLossPa / MaxDpPa;
    const double pv = 1e-5 * 2336.6, ff = 0.96 - 0.28 * std::sqrt(pv / 221.2);
    const double lossBar = flSquared * (5 - ff * pv);
    const double dpPa = 1e5 * lossBar / flSquared;
    const double area = std::numbers::pi * 0.05 * 0.05 / 4;
    for (double c : {0.59, 0.62}) {
        const double flow = c * VelocityOfApproachFactor * area * std::sqrt(2 * 1000 * dpPa);
        if (c < 0.6)
            EXPECT_GT(percent, 100 * flow / 10);
        else
            EXPECT_LT(percent, 100 * flow / 10 * 1.01);
    }
}

// The warnings compare the throat density with the density the writer is given: a liquid
// below half of it cavitates, a gas above twice of it condenses.
TEST_F(FlowSpeedLinesTest, CavitationWarnsInRedKeepsRedAndStillReachesTheVenaContracta) {
    const double rho2 = ThroatState(10, 0.05).density;
    LanguageLetter = 'S';
    WriteFlowSpeedLines(10, 2.01 * rho2, 0.1);
    const std::vector<std::string> lines = SpeedLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "KAVITATION/GASBILDNING!");
    EXPECT_EQ(lines[2], "FLÖDESMÄTAREN KOMMER ATT VISA STORT FEL= MYCKET MER ÄN VERKLIGT FLÖDE!");
    EXPECT_EQ(lines[3].rfind("Flödeshastighet i vena contracta vid maxflöde(m/s)= ", 0), 0u);
    EXPECT_EQ(ReportAttributesAt(ReportWindow(), 0).Color, clBlack);
    EXPECT_EQ(ReportAttributesAt(ReportWindow(), LineStartPosition(ReportWindow(), 1)).Color, clRed);
    EXPECT_EQ(ReportColor(), clRed);
    // Just above half: the throat speed instead.
    ClearReport();
    SetReportColor(clBlack);
    WriteFlowSpeedLines(10, 1.99 * rho2, 0.1);
    EXPECT_EQ(SpeedLines()[1].rfind("Flödeshastighet i förstrypning (vid maxflöde)(m/s)= ", 0), 0u);
}

TEST_F(FlowSpeedLinesTest, GasCondensationOnlyAboveTwiceTheDensity) {
    MediumCode = "LUF";
    const double rho2 = ThroatState(0.1, 0.05).density;
    WriteFlowSpeedLines(0.1, rho2 / 2, 0.1);
    EXPECT_EQ(Lines()[1].rfind("Flowspeed in throat", 0), 0u);
    LanguageLetter = 'D';
    ClearReport();
    WriteFlowSpeedLines(0.1, rho2 / 2.01, 0.1);
    const std::vector<std::string> lines = Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "KONDENSIERUNG/FLüSSIGKEIT");
    EXPECT_EQ(lines[2], "DURCHFLUSSBERECHNUNG VIEL KLEINER ALS WIRKLICHER DURCHFLUSS!");
    EXPECT_EQ(ReportColor(), clRed);
}

// A design dp far above the throat's own drop makes the vena contracta a pin hole that no
// subsonic state can pass.
TEST_F(FlowSpeedLinesTest, FailedVenaContractaStateIsTheSoundLimit) {
    MaxDpPa = 1e9;
    const std::pair<char, const char*> cases[] = {
        {'E', "Flowspeed in vena contracta (at maxflow)_____(m/s)>SOUNDLIMIT!"},
        {'D', "Grösstes Geschwindigkeit im vena contracta___(m/s)>GESCW-GRENZE! "},
        {'S', "Flödeshastighet i vena contracta vid maxflöde(m/s)>LJUDHASTIGHET!"}};
    for (const auto& [letter, line] : cases) {
        LanguageLetter = letter;
        ClearReport();
        WriteFlowSpeedLines(10, 1000, 0.1);
        ASSERT_EQ(SpeedLines().size(), 3u) << letter;
        EXPECT_EQ(ReportLineText(2), line);
    }
}

TEST_F(FlowSpeedLinesTest, ConeMeterUsesTheAnnulusAndWritesNoVenaContracta) {
    DeviceCode = "VCONE";
    BoreDiameter = 0.08;
    WriteFlowSpeedLines(10, 1000, 0.1);
    // annulus pi (0.01 - 0.0064) / 4 = 0.0028274 m2 of a 0.06 m equivalent throat
    const double rho2 = ThroatState(10, 0.06).density;
    const std::vector<std::string> lines = SpeedLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], TubeFlowSpeedLabel + "1,2732");
    EXPECT_EQ(lines[1].rfind("Flowspeed in throat (at maxflow)_____________(m/s)= ", 0), 0u);
    EXPECT_NEAR(ValueOf(lines[1]), 10 / rho2 / (std::numbers::pi * 0.0036 / 4), 1e-4 * ValueOf(lines[1]));
}

TEST_F(FlowSpeedLinesTest, CriticalFlowShareOpeningsAndTheValveSubtypeKept) {
    ReportSeparator = "\t";
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_EQ(ValveSubtype, "VE");
    EXPECT_GT(DevicePressureLossPa, 0);
    EXPECT_EQ(Lines().back(), CriticalShareLine(10, std::sqrt(DevicePressureLossPa / MaxDpPa)));
    // The orifice's critical flow hardly depends on the maximal flow, which sets the share.
    LanguageLetter = 'D';
    ClearReport();
    WriteFlowSpeedLines(0.01, 1000, 0.1);
    EXPECT_EQ(Lines().back().rfind("(KRITISCHES DURCHFLUSS> \t", 0), 0u) << Lines().back();
    EXPECT_TRUE(Lines().back().ends_with("\t % von Durchflussendwert)")) << Lines().back();
    // A flow that no throat passes leaves no throat state: the whole inlet pressure refines
    // FL, and the orifice is choked at the design point.
    ClearReport();
    WriteFlowSpeedLines(1e5, 1000, 0.1);
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{Lines().front(), "(KRITISCHES DURCHFLUSS= \t 100\t % von Durchflussendwert)"}));
    // An error in the step leaves the line out and the subtype as it was.
    PipeDiameter = 0;
    ClearReport();
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_EQ(ReportLineCount(), 3);
    EXPECT_EQ(ValveSubtype, "VE");
}

TEST_F(FlowSpeedLinesTest, RecoveryFactorOfThePrimaryDeviceAndItsRefinement) {
    // The throat drops less than MaxDpPa below the inlet: no refinement.
    WriteFlowSpeedLines(10, 1000, 0.1);
    ASSERT_GT(DevicePressureLossPa, 0);
    EXPECT_EQ(Lines().back(), CriticalShareLine(10, std::sqrt(DevicePressureLossPa / MaxDpPa)));
    // A design dp of half the throat's drop: the factor takes sqrt(1/2) more, and the
    // orifice chokes earlier.
    MaxDpPa = (OperatingPressure - ThroatState(10, 0.05).pressure) / 2;
    ClearReport();
    WriteFlowSpeedLines(10, 1000, 0.1);
    const double fl = std::sqrt(DevicePressureLossPa / MaxDpPa);
    EXPECT_EQ(Lines().back(), CriticalShareLine(10, fl * std::sqrt(0.5)));
    EXPECT_NE(CriticalShareLine(10, fl * std::sqrt(0.5)), CriticalShareLine(10, fl));
}

TEST_F(FlowSpeedLinesTest, NoThroatStateLeavesPipeSpeedAndCriticalFlow) {
    // The line state returns at once for "VÄT" and leaves the state as it was.
    MediumCode = "VÄT";
    VapourPressurePa = 1e4;
    LiquidCriticalPressurePa = 40e5;
    WriteFlowSpeedLines(10, 1000, 0.1);
    // Without a throat pressure the whole inlet pressure refines FL: FL^2 (P1 - FF pv) falls
    // below the loss, and the liquid already chokes at the design point.
    EXPECT_EQ(Lines(), (std::vector<std::string>{TubeFlowSpeedLabel + "1,2732", "(CRITICAL FLOW=  100 % of maxflow)"}));
    EXPECT_EQ(ReportColor(), clBlack);
}

TEST_F(FlowSpeedLinesTest, VolumeMeterOnTheValvePageStatesCriticalFlow) {
    DeviceCode = "VOLYM";
    CalcFunction = "Ventil";
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{TubeFlowSpeedLabel + "1,2732",
                                                 "Flowspeed in valveinlet (at maxflow)_________(m/s)= CRITICAL FLOW",
                                                 "Flowspeed in vena contracta (at maxflow)_____(m/s)= CRITICAL FLOW"}));
    CalcFunction = "Strypf";
    ClearReport();
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_EQ(ReportLineCount(), 1);
}

TEST_F(FlowSpeedLinesTest, NoPipeRaisesInsteadOfPrintingNoNumber) {
    EXPECT_THROW(WriteFlowSpeedLines(10, 1000, 0.0), CalcError);
    EXPECT_EQ(ReportLineCount(), 0);
}

}  // namespace
}  // namespace tubalyx
