#include "reports/reynolds_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "flow/primary_device_sequence.h"
#include "flow/report_section_inputs.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/separator_guard.h"
#include "reports/report_window.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/medium.h"
#include "state/selections.h"
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
        hooks_ = ReportSectionServices();
        ReportSectionServices() = ReportSectionHooks{};
        auto& h = ReportSectionServices();
        savedC_ = DischargeCoefficientC;
        savedE_ = VelocityOfApproachFactor;
        DischargeCoefficientC = 0.6;
        VelocityOfApproachFactor = 1.0327955589886444;
        h.LinePropertiesInlet = [this](double& p2, double& t2, double, double, double d, double p1, double t1) {
            ++stateCalls_;
            if (stateCalls_ > 1 && soundLimit_) throw CalcError("no subsonic state");
            p2 = p1 - MaxDpPa * (d == BoreDiameter ? 1.0 : 1.2);
            t2 = t1;
        };
        h.MediumDensityAt = [this](double, double) { return throatDensity_; };
        ClearReport();
        ReportWindow().SetSelAttributes(TTextAttributes{});
    }
    void TearDown() override {
        ReportSectionServices() = hooks_;
        DischargeCoefficientC = savedC_;
        VelocityOfApproachFactor = savedE_;
    }
    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
    ReportSectionHooks hooks_;
    double savedC_ = 0, savedE_ = 0;
    int stateCalls_ = 0;
    bool soundLimit_ = false;
    double throatDensity_ = 1000;
};

// 10 kg/s of 1000 kg/m3 in D 0.1 m: 10 / 1000 / (pi 0.01 / 4) = 1.27324 m/s; in d 0.05 m 5.09296.

TEST_F(FlowSpeedLinesTest, SmallReportOrPressureLossWritesOnlyThePipeSpeed) {
    Form1().litenstor.SetCaption("Small");
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{TubeFlowSpeedLabel + "1,2732"}));
    EXPECT_EQ(stateCalls_, 0);

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

TEST_F(FlowSpeedLinesTest, LiquidThroatAndVenaContractaSpeeds) {
    WriteFlowSpeedLines(10, 1000, 0.1);
    // dv = 0.05 (1)^(1/4) = 0.05 for the first throat pressure drop of exactly MaxDpPa.
    EXPECT_EQ(Lines(), (std::vector<std::string>{TubeFlowSpeedLabel + "1,2732",
                                                 "Flowspeed in throat (at maxflow)_____________(m/s)= 5,0930",
                                                 "Flowspeed in vena contracta (at maxflow)_____(m/s)= 5,0930"}));
}

TEST_F(FlowSpeedLinesTest, SpeedsAndCriticalShareFollowThePlatformSeparator) {
    ReportSectionServices().ValveFlowForPressureDrop = [](double& qcrit, double&, double&, double) {
        qcrit *= 1.256;
    };
    for (char separator : {',', '.'}) {
        const SeparatorGuard guard(separator);
        ClearReport();
        WriteFlowSpeedLines(10, 1000, 0.1);
        EXPECT_EQ(Lines(), (std::vector<std::string>{
                               OnPlatform(TubeFlowSpeedLabel + "1,2732", separator),
                               OnPlatform("Flowspeed in throat (at maxflow)_____________(m/s)= 5,0930", separator),
                               OnPlatform("Flowspeed in vena contracta (at maxflow)_____(m/s)= 5,0930", separator),
                               OnPlatform("(CRITICAL FLOW=  126 % of maxflow)", separator)}))
            << separator;
    }
}

TEST_F(FlowSpeedLinesTest, CavitationWarnsInRedKeepsRedAndStillReachesTheVenaContracta) {
    throatDensity_ = 490;
    LanguageLetter = 'S';
    WriteFlowSpeedLines(10, 1000, 0.1);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "KAVITATION/GASBILDNING!");
    EXPECT_EQ(lines[2], "FLÖDESMÄTAREN KOMMER ATT VISA STORT FEL= MYCKET MER ÄN VERKLIGT FLÖDE!");
    EXPECT_EQ(lines[3].rfind("Flödeshastighet i vena contracta vid maxflöde(m/s)= ", 0), 0u);
    EXPECT_EQ(ReportAttributesAt(ReportWindow(), 0).Color, clBlack);
    EXPECT_EQ(ReportAttributesAt(ReportWindow(), LineStartPosition(ReportWindow(), 1)).Color, clRed);
    EXPECT_EQ(ReportColor(), clRed);
}

TEST_F(FlowSpeedLinesTest, GasCondensationOnlyAboveTwiceTheDensity) {
    MediumCode = "LUF";
    throatDensity_ = 10;
    WriteFlowSpeedLines(0.1, 5, 0.1);
    EXPECT_EQ(Lines()[1].rfind("Flowspeed in throat", 0), 0u);
    throatDensity_ = 10.05;
    LanguageLetter = 'D';
    ClearReport();
    WriteFlowSpeedLines(0.1, 5, 0.1);
    const std::vector<std::string> lines = Lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[1], "KONDENSIERUNG/FLüSSIGKEIT");
    EXPECT_EQ(lines[2], "DURCHFLUSSBERECHNUNG VIEL KLEINER ALS WIRKLICHER DURCHFLUSS!");
    EXPECT_EQ(ReportColor(), clRed);
}

TEST_F(FlowSpeedLinesTest, FailedVenaContractaStateIsTheSoundLimit) {
    soundLimit_ = true;
    const std::pair<char, const char*> cases[] = {
        {'E', "Flowspeed in vena contracta (at maxflow)_____(m/s)>SOUNDLIMIT!"},
        {'D', "Grösstes Geschwindigkeit im vena contracta___(m/s)>GESCW-GRENZE! "},
        {'S', "Flödeshastighet i vena contracta vid maxflöde(m/s)>LJUDHASTIGHET!"}};
    for (const auto& [letter, line] : cases) {
        LanguageLetter = letter;
        stateCalls_ = 0;
        ClearReport();
        WriteFlowSpeedLines(10, 1000, 0.1);
        ASSERT_EQ(ReportLineCount(), 3) << letter;
        EXPECT_EQ(ReportLineText(2), line);
    }
}

TEST_F(FlowSpeedLinesTest, ConeMeterUsesTheAnnulusAndWritesNoVenaContracta) {
    DeviceCode = "VCONE";
    BoreDiameter = 0.08;
    WriteFlowSpeedLines(10, 1000, 0.1);
    // annulus pi (0.01 - 0.0064) / 4: 10 / 1000 / 0.0028274 = 3.5368
    EXPECT_EQ(Lines(), (std::vector<std::string>{TubeFlowSpeedLabel + "1,2732",
                                                 "Flowspeed in throat (at maxflow)_____________(m/s)= 3,5368"}));
}

TEST_F(FlowSpeedLinesTest, CriticalFlowShareWithTheOrificeSubtypeOnlyDuringTheCall) {
    double factor = 1.5;
    std::string subtypeSeen;
    ReportSectionServices().ValveFlowForPressureDrop = [&](double& qcrit, double&, double&, double fl) {
        subtypeSeen = ValveSubtype;
        EXPECT_GT(fl, 0);
        qcrit *= factor;
    };
    ReportSeparator = "\t";
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_EQ(subtypeSeen, "RO");
    EXPECT_EQ(ValveSubtype, "VE");
    EXPECT_GT(DevicePressureLossPa, 0);
    EXPECT_EQ(Lines().back(), "(CRITICAL FLOW= \t 150\t % of maxflow)");
    factor = 2000;
    LanguageLetter = 'D';
    ClearReport();
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_EQ(Lines().back(), "(KRITISCHES DURCHFLUSS> \t 2E5\t % von Durchflussendwert)");
    factor = 1e-4;  // no line below a thousandth
    ClearReport();
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_EQ(ReportLineCount(), 3);
    // An error in the step leaves the line out and the subtype restored.
    ReportSectionServices().ValveFlowForPressureDrop = [](double&, double&, double&, double) {
        throw CalcError("no critical flow");
    };
    ClearReport();
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_EQ(ReportLineCount(), 3);
    EXPECT_EQ(ValveSubtype, "VE");
}

TEST_F(FlowSpeedLinesTest, RecoveryFactorOfThePrimaryDeviceAndItsRefinement) {
    struct Call {
        double inletBar, lossBar, fl;
    } call{};
    ReportSectionServices().ValveFlowForPressureDrop = [&](double& qcrit, double& inletBar, double& lossBar,
                                                           double fl) {
        call = {inletBar, lossBar, fl};
        qcrit *= 1.5;
    };
    // Throat pressure exactly MaxDpPa below the inlet: dp / |p - p2| = 1, no refinement.
    WriteFlowSpeedLines(10, 1000, 0.1);
    ASSERT_GT(DevicePressureLossPa, 0);
    EXPECT_DOUBLE_EQ(call.inletBar, 5.0);
    EXPECT_DOUBLE_EQ(call.lossBar, 0.00001 * DevicePressureLossPa);
    EXPECT_DOUBLE_EQ(call.fl, std::sqrt(DevicePressureLossPa / MaxDpPa));
    // Twice as deep: the factor takes sqrt(1/2) more.
    ReportSectionServices().LinePropertiesInlet = [](double& p2, double& t2, double, double, double, double p1,
                                                      double t1) {
        p2 = p1 - 2 * MaxDpPa;
        t2 = t1;
    };
    ClearReport();
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_NEAR(call.fl, std::sqrt(DevicePressureLossPa / MaxDpPa) * std::sqrt(0.5), 1e-15);
}

TEST_F(FlowSpeedLinesTest, NoThroatStateLeavesPipeSpeedAndCriticalFlow) {
    // The line-state service returns at once for "VÄT" and leaves the state as it was.
    MediumCode = "VÄT";
    ReportSectionServices().LinePropertiesInlet = [this](double&, double&, double, double, double, double, double) {
        ++stateCalls_;
    };
    ReportSectionServices().ValveFlowForPressureDrop = [](double& qcrit, double&, double&, double) { qcrit *= 1.5; };
    WriteFlowSpeedLines(10, 1000, 0.1);
    EXPECT_EQ(stateCalls_, 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{TubeFlowSpeedLabel + "1,2732", "(CRITICAL FLOW=  150 % of maxflow)"}));
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
    EXPECT_EQ(stateCalls_, 0);
}

TEST_F(FlowSpeedLinesTest, NoPipeRaisesInsteadOfPrintingNoNumber) {
    EXPECT_THROW(WriteFlowSpeedLines(10, 1000, 0.0), CalcError);
    EXPECT_EQ(ReportLineCount(), 0);
}

}  // namespace
}  // namespace tubalyx
