#include "reports/limits_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "flow/device_limit_checks.h"
#include "flow/optimal_design.h"
#include "flow/primary_device_sequence.h"
#include "flow/standard_limits.h"
#include "media/medium_state.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/separator_guard.h"
#include "reports/report_window.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

class LimitsReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        ReportSeparator = "";
        LanguageLetter = 'E';
        DeviceCode = "S";
        SolveFor = "DI";
        UpstreamFittingCode = "0";
        for (auto& m : DeviceLimitMessages) m = " ";
        saved_ = {TableRangeNote,          NormalFlowCoefficients.beta, AdditionalUncertaintyPercent,
                  RequiredUpstreamLengthM, RequiredDownstreamLengthM,   StraightLengthShortfallM,
                  StraightLengthM};
        TableRangeNote = " ";
        NormalFlowCoefficients.beta = 0.0;
        AdditionalUncertaintyPercent = 0.0;
        RequiredUpstreamLengthM = RequiredDownstreamLengthM = 0.0;
        StraightLengthShortfallM = StraightLengthM = 0.0;
        PipeDiameter = 0.1;
        BoreDiameter = 0.05;
        MaxDpPa = 50000;
        DynamicViscosityPas = 1e-3;
        MaxMassFlow = 10.0;
        MinMassFlow = 1.0;
        PipeRoughnessMm = 0.05;
        PipeRoughnessM = 5e-5;
        ThroatDiameterLowerBound = 0.0125;
        StandardMaxDiffPressure = 100000;
        BetaLowerBound = 0.1;
        BetaUpperBound = 0.75;
        ReynoldsLowerBound = 5000;
        ReynoldsUpperBound = 1e8;
        CalibratedReynoldsMin = 10000;
        CalibratedReynoldsMax = 2e6;
        RoughnessUpperBound = 1e-4;
        RoughnessLowerBound = 1e-5;
        PipeDiameterLowerBound = 0.05;
        PipeDiameterUpperBound = 1.0;
        ClearReport();
        ReportWindow().SetSelAttributes(TTextAttributes{});
    }
    void TearDown() override {
        TableRangeNote = saved_.note;
        NormalFlowCoefficients.beta = saved_.beta;
        AdditionalUncertaintyPercent = saved_.additional;
        RequiredUpstreamLengthM = saved_.upstream;
        RequiredDownstreamLengthM = saved_.downstream;
        StraightLengthShortfallM = saved_.shortfall;
        StraightLengthM = saved_.straight;
        for (auto& m : DeviceLimitMessages) m = " ";
    }
    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
    // The sequence results the sections read, put back after each case.
    struct Saved {
        std::string note;
        double beta, additional, upstream, downstream, shortfall, straight;
    } saved_;
};

TEST_F(LimitsReportTest, NothingToSayWritesNothingAndLeavesTheFlagPending) {
    bool pending = false;
    CheckStandardLimits(pending);
    EXPECT_TRUE(pending);
    EXPECT_EQ(ReportLineCount(), 0);
}

TEST_F(LimitsReportTest, RangeNoteAndTooLargeDpShareOneHeading) {
    TableRangeNote = "(P OUT OF TABLE 2000 kPa!.)";
    DeviceLimitMessages[kDiffPressureMessage] = "DIFFPRESSURE TO BIG";
    MaxDpPa = 150000;
    bool pending = true;
    CheckStandardLimits(pending);
    EXPECT_FALSE(pending);
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"NOTE! CALCULATIONRESULT OUTSIDE STANDARDLIMITS", "(P OUT OF TABLE 2000 kPa!.)",
                                        "DIFFPRESSURE TO BIG", "MAXLIMIT (kPa)= 100,00"}));
}

TEST_F(LimitsReportTest, DpLimitLineInTheThreeLanguagesAndWithTab) {
    DeviceLimitMessages[kDiffPressureMessage] = "DP";
    MaxDpPa = 150000;
    const std::pair<char, const char*> cases[] = {
        {'E', "MAXLIMIT (kPa)= "}, {'D', "Maxgrenze (kPa)= "}, {'S', "MAXGRÄNS (kPa)= "}, {'X', "MAXGRÄNS (kPa)= "}};
    for (const auto& [letter, label] : cases) {
        for (const char* sep : {"", "\t"}) {
            LanguageLetter = letter;
            ReportSeparator = sep;
            ClearReport();
            bool pending = true;
            CheckStandardLimits(pending);
            ASSERT_EQ(ReportLineCount(), 3) << letter;
            EXPECT_EQ(ReportLineText(2), std::string(label) + sep + "100,00") << letter;
        }
    }
    LanguageLetter = 'D';
    ClearReport();
    bool pending = true;
    CheckStandardLimits(pending);
    EXPECT_EQ(ReportLineText(0), "ACHTUNG! BERECHNUNGSERGEBNIS AUSSERHALB NORMGRENZEN");
    LanguageLetter = 'S';
    ClearReport();
    CheckStandardLimits(pending);
    EXPECT_EQ(ReportLineText(0), "OBS! BERÄKNINGSRESULTATET UTANFÖR NORMGRÄNSERNA");
}

TEST_F(LimitsReportTest, ThroatBetaRoughnessAndPipeLinesWithTheirLimits) {
    DeviceLimitMessages[kThroatDiameterMessage] = "BORE TO SMALL";
    DeviceLimitMessages[kDiameterRatioMessage] = "BETA TO BIG";
    DeviceLimitMessages[kRoughnessMessage] = "PIPE ROUGHNESS TO BIG";
    DeviceLimitMessages[kPipeDiameterMessage] = "PIPE TO SMALL";
    BoreDiameter = 0.01;
    PipeRoughnessMm = 0.2;
    PipeRoughnessM = 2e-4;
    PipeDiameter = 0.04;
    PipeDiameterLowerBound = 0.0499;  // printed in whole millimetres
    NormalFlowCoefficients.beta = 0.8;
    ReportSeparator = "\t";
    bool pending = true;
    CheckStandardLimits(pending);
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"NOTE! CALCULATIONRESULT OUTSIDE STANDARDLIMITS", "BORE TO SMALL",
                                        "MINLIMIT (mm)= \t12,500", "BETA TO BIG", "MAXLIMIT     = \t0,7500",
                                        "PIPE ROUGHNESS TO BIG", "PIPE ROUGHNESS (mm)   = \t0,2000",
                                        "MAXLIMIT (mm)= \t0,1000", "PIPE TO SMALL", "MINLIMIT (mm)= \t50,000"}));
}

TEST_F(LimitsReportTest, NumbersFollowThePlatformSeparator) {
    DeviceLimitMessages[kDiffPressureMessage] = "DP";
    DeviceLimitMessages[kRoughnessMessage] = "ROUGH";
    MaxDpPa = 150000;
    UpstreamFittingCode = "3";
    AdditionalUncertaintyPercent = 100.0;
    RequiredUpstreamLengthM = 4.4;
    RequiredDownstreamLengthM = 0.7;
    for (char separator : {',', '.'}) {
        const SeparatorGuard guard(separator);
        ClearReport();
        bool pending = true;
        CheckStandardLimits(pending);
        EXPECT_EQ(Lines(), (std::vector<std::string>{"NOTE! CALCULATIONRESULT OUTSIDE STANDARDLIMITS", "DP",
                                                     OnPlatform("MAXLIMIT (kPa)= 100,00", separator), "ROUGH",
                                                     OnPlatform("PIPE ROUGHNESS (mm)   = 0,0500", separator),
                                                     OnPlatform("MINLIMIT (mm)= 0,0100", separator),
                                                     "Required straight length for 0.5% uncertainty",
                                                     OnPlatform("Upstream (m)4,4000 Downstream (m)0,7000", separator)}))
            << separator;
    }
}

TEST_F(LimitsReportTest, LimitsEqualToTheValueAddNoLimitLine) {
    DeviceLimitMessages[kDiffPressureMessage] = "DP";
    DeviceLimitMessages[kPipeDiameterMessage] = "PIPE";
    DeviceLimitMessages[kDiameterRatioMessage] = "BETA";
    MaxDpPa = StandardMaxDiffPressure;
    PipeDiameter = PipeDiameterUpperBound;
    NormalFlowCoefficients.beta = 0.75;
    bool pending = true;
    CheckStandardLimits(pending);
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"NOTE! CALCULATIONRESULT OUTSIDE STANDARDLIMITS", "DP", "BETA", "PIPE"}));
}

TEST_F(LimitsReportTest, PipeAboveItsLimitAndSmoothPipeInSwedish) {
    LanguageLetter = 'S';
    DeviceLimitMessages[kPipeDiameterMessage] = "RÖR";
    DeviceLimitMessages[kRoughnessMessage] = "RÅHET";
    DeviceLimitMessages[kDiameterRatioMessage] = "BETA";
    NormalFlowCoefficients.beta = 0.05;
    PipeDiameter = 1.2;
    PipeDiameterUpperBound = 1.001;
    bool pending = true;
    CheckStandardLimits(pending);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"OBS! BERÄKNINGSRESULTATET UTANFÖR NORMGRÄNSERNA", "BETA",
                                                 "MINGRÄNS     = 0,1000", "RÅHET", "RÖRRÅHET (mm)     = 0,0500",
                                                 "MINGRÄNS (mm)= 0,0100", "RÖR", "MAXGRÄNS (mm)= 1001,0"}));
}

TEST_F(LimitsReportTest, ReynoldsBothWaysForAStandardDevice) {
    // ReD at max flow 10 kg/s: 10 / (pi 0.01 / 4) * 0.1 / 1e-3 = 127323.95, at 1 kg/s 12732.4
    DeviceLimitMessages[kReynoldsMessage] = "RE>< BOTH";
    const std::pair<char, std::vector<std::string>> cases[] = {
        {'E',
         {"RE>< BOTH", "REYNOLDS NUMBER AT MAXFLOW    = 1,2732E5", "MAXLIMIT     =    1E8",
          "REYNOLDS NUMBER AT MINFLOW    =  12732", "MINLIMIT     = 5000,0"}},
        {'D',
         {"RE>< BOTH", "Reynoldszahl bei Durchflussendwert= 1,2732E5", "Maxgrenze    =    1E8",
          "Reynoldszahl bei kleinste Durchflussendwert=  12732", "Mingrenze    = 5000,0"}},
        {'S',
         {"RE>< BOTH", "REYNOLDS TAL VID MAXFLÖDE     = 1,2732E5", "MAXGRÄNS     =    1E8",
          "REYNOLDS TAL VID MINFLÖDE     =  12732", "MinGRÄNS     = 5000,0"}},
    };
    for (const auto& [letter, expected] : cases) {
        LanguageLetter = letter;
        ClearReport();
        bool pending = true;
        CheckStandardLimits(pending);
        std::vector<std::string> lines = Lines();
        ASSERT_FALSE(lines.empty());
        lines.erase(lines.begin());
        EXPECT_EQ(lines, expected) << letter;
    }
}

TEST_F(LimitsReportTest, ConeMeterPrintsItsCalibratedLimitsAndNoThroatBlock) {
    DeviceCode = "VCONE";
    DeviceLimitMessages[kThroatDiameterMessage] = "THROAT";
    DeviceLimitMessages[kReynoldsMessage] = "RE<";
    BoreDiameter = 0.001;
    bool pending = true;
    CheckStandardLimits(pending);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"NOTE! CALCULATIONRESULT OUTSIDE ACKNOWLEDGED LIMITS", "RE<",
                                                 "REYNOLDS NUMBER AT MINFLOW    =  12732", "MINLIMIT     =  10000"}));
}

TEST_F(LimitsReportTest, ConeMeterPrintsItsOwnMinimumNotTheRaisedCheckBound) {
    // The check compares against 8000 here; the report names the calibrated value.
    DeviceCode = "VCONEWAFER";
    LanguageLetter = 'S';
    CalibratedReynoldsMin = 5000;
    ReynoldsLowerBound = 8000;
    DeviceLimitMessages[kReynoldsMessage] = "REYNOLDS TAL < MINSTA REKOMMENDERAT VÄRDE";
    bool pending = true;
    CheckStandardLimits(pending);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"OBS! BERÄKNINGSRESULTATET UTANFÖR TILLÅTNA GRÄNSER",
                                                 "REYNOLDS TAL < MINSTA REKOMMENDERAT VÄRDE",
                                                 "REYNOLDS TAL VID MINFLÖDE     =  12732", "MINGRÄNS     = 5000,0"}));
    // Above the calibrated maximum: the calibrated maximum, not the standard's bound.
    LanguageLetter = 'E';
    DeviceLimitMessages[kReynoldsMessage] = "REYNOLDS NUMBER > BIGGEST CALIBRATED VALUE";
    CalibratedReynoldsMax = 99000;
    ClearReport();
    CheckStandardLimits(pending);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"NOTE! CALCULATIONRESULT OUTSIDE ACKNOWLEDGED LIMITS",
                                                 "REYNOLDS NUMBER > BIGGEST CALIBRATED VALUE",
                                                 "REYNOLDS NUMBER AT MAXFLOW    = 1,2732E5", "MAXLIMIT     =  99000"}));
}

TEST_F(LimitsReportTest, VolumeMeterKeepsOnlyTheReynoldsBlockAtMaxFlow) {
    DeviceCode = "VOLYM";
    LanguageLetter = 'D';
    for (auto& m : DeviceLimitMessages) m = "X";
    DeviceLimitMessages[kReynoldsMessage] = "RE<";
    MaxDpPa = 1e9;
    AdditionalUncertaintyPercent = 100.0;
    UpstreamFittingCode = "1";
    bool pending = true;
    CheckStandardLimits(pending);
    EXPECT_EQ(Lines(),
              (std::vector<std::string>{"ACHTUNG! BERECHNUNGSERGEBNIS AUSSERHALB GRENZEN", "RE<",
                                        "Reynoldszahl bei Durchflussendwert= 1,2732E5", "Mingrenze    =  10000"}));
}

TEST_F(LimitsReportTest, StraightLengthLinesForTheThreeLettersOnly) {
    UpstreamFittingCode = "3";
    AdditionalUncertaintyPercent = 100.0;
    RequiredUpstreamLengthM = 4.4;
    RequiredDownstreamLengthM = 0.7;
    ReportSeparator = "\t";
    const std::pair<char, std::vector<std::string>> cases[] = {
        {'E',
         {"NOTE! CALCULATIONRESULT OUTSIDE STANDARDLIMITS", "Required straight length for 0.5% uncertainty",
          "Upstream (m)\t4,4000 Downstream (m)\t0,7000"}},
        {'D',
         {"ACHTUNG! BERECHNUNGSERGEBNIS AUSSERHALB NORMGRENZEN",
          "Erforderlich gerade Rohrstrecken 0.5% Zusatz-Unsicherheit", "Einlauf (m)\t4,4000 Auslauf (m)\t0,7000"}},
        {'S',
         {"OBS! BERÄKNINGSRESULTATET UTANFÖR NORMGRÄNSERNA", "Nödvändig rak rörsträcka för 0.5% felbidrag",
          "Inlopp (m)\t4,4000 Utlopp (m)\t0,7000"}},
        {'X', {}},
    };
    for (const auto& [letter, expected] : cases) {
        LanguageLetter = letter;
        ClearReport();
        bool pending = true;
        CheckStandardLimits(pending);
        EXPECT_EQ(Lines(), expected) << letter;
        EXPECT_EQ(pending, expected.empty());
    }
    // 50 % itself is not above the threshold, nor is fitting "0" with 100 %.
    LanguageLetter = 'E';
    AdditionalUncertaintyPercent = 50.0;
    ClearReport();
    bool pending = true;
    CheckStandardLimits(pending);
    EXPECT_EQ(ReportLineCount(), 0);
}

TEST_F(LimitsReportTest, OptimalDesignWithTooShortStraightLength) {
    SolveFor = "OK";
    UpstreamFittingCode = "1";
    StraightLengthM = 2.0;
    StraightLengthShortfallM = 1.5;
    bool pending = true;
    CheckStandardLimits(pending);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"NOTE! CALCULATIONRESULT OUTSIDE STANDARDLIMITS",
                                                 "Straight length to short, limit (m)= 3,5000"}));
    LanguageLetter = 'S';
    ClearReport();
    CheckStandardLimits(pending);
    EXPECT_EQ(ReportLineText(1), "Raksträcka för kort, minkrav (m)= 3,5000");
    LanguageLetter = 'D';
    ClearReport();
    CheckStandardLimits(pending);
    EXPECT_EQ(ReportLineText(1), "Gerade Rohrstrecke zu kurz, Normgrenze (m)= 3,5000");
    // No shortfall, or another solved quantity: no line.
    StraightLengthShortfallM = 0.0;
    ClearReport();
    CheckStandardLimits(pending);
    EXPECT_EQ(ReportLineCount(), 0);
}

TEST_F(LimitsReportTest, CallerColourMakesTheSectionRedAndIsRestored) {
    DeviceLimitMessages[kDiffPressureMessage] = "DP";
    MaxDpPa = 150000;
    const TColor saved = ReportColor();
    SetReportColor(clRed);
    bool pending = true;
    CheckStandardLimits(pending);
    SetReportColor(saved);
    AppendReportLine("after");
    for (int line = 0; line < 3; ++line)
        EXPECT_EQ(ReportAttributesAt(ReportWindow(), LineStartPosition(ReportWindow(), line)).Color, clRed);
    EXPECT_EQ(ReportAttributesAt(ReportWindow(), LineStartPosition(ReportWindow(), 3)).Color, saved);
}

TEST_F(LimitsReportTest, NoNumberNeverReachesALine) {
    DeviceLimitMessages[kRoughnessMessage] = "ROUGH";
    PipeRoughnessMm = std::numeric_limits<double>::quiet_NaN();
    bool pending = true;
    EXPECT_THROW(CheckStandardLimits(pending), CalcError);
    for (const auto& line : Lines()) EXPECT_EQ(line.find("NAN"), std::string::npos);

    PipeRoughnessMm = 0.05;
    DeviceLimitMessages[kRoughnessMessage] = " ";
    DeviceLimitMessages[kReynoldsMessage] = "RE>";
    DynamicViscosityPas = 0;  // no Reynolds number
    ClearReport();
    EXPECT_THROW(CheckStandardLimits(pending), CalcError);
    for (const auto& line : Lines()) EXPECT_EQ(line.find("INF"), std::string::npos);
}

}  // namespace
}  // namespace tubalyx
