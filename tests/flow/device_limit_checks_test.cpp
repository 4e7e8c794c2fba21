// The device limit checks of a calculation result and the Reynolds messages.
#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "flow/device_limit_checks.h"
#include "flow/reynolds.h"
#include "flow/standard_limits.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

// Mass flow of pipe Reynolds number re in a pipe D with viscosity mu.
double FlowAtRe(double re, double bigD, double mu) { return re * std::numbers::pi * bigD * mu / 4; }

std::string Reynolds(const char* lang, const char* dev, const char* var, double reMax, double reMin) {
    const double bigD = 0.1, mu = 1e-3;
    std::string m = "stale";
    CheckReynoldsCalibrated(lang, dev, var, "3", 0.05, bigD, mu, FlowAtRe(reMax, bigD, mu), FlowAtRe(reMin, bigD, mu),
                            m);
    return m;
}

TEST(ReynoldsCheck, ConeMeters) {
    CalibratedReynoldsMin = 8000.0;
    CalibratedReynoldsMax = 1e6;
    EXPECT_EQ(Reynolds("E", "VCONE", "", 2e6, 10.0), "REYNOLDS NUMBER > BIGGEST CALIBRATED VALUE");
    EXPECT_EQ(Reynolds("S", "VCONE", "", 2e6, 10.0), "REYNOLDS TAL > KALIBRERAT STÖRSTA VÄRDE");
    EXPECT_EQ(Reynolds("D", "VCONEWAFER", "", 2e6, 10.0), "REYNOLDS ZAHL > GRÖSSTE KALIBRIERTES WERT");
    EXPECT_EQ(Reynolds("E", "VCONE", "", 5e5, 7000.0), "REYNOLDS NUMBER < SMALLEST RECOMMENDED VALUE");
    EXPECT_EQ(Reynolds("S", "VCONE", "", 5e5, 7000.0), "REYNOLDS TAL < MINSTA REKOMMENDERAT VÄRDE");
    EXPECT_EQ(Reynolds("D", "VCONE", "", 5e5, 7000.0), "REYNOLDS ZAHL < KLEINSTE EMPFOHLEN WERT");
    CalibratedReynoldsMin = 20000.0;
    EXPECT_EQ(Reynolds("E", "VCONE", "", 5e5, 15000.0), "REYNOLDS NUMBER < SMALLEST CALIBRATED VALUE");
    EXPECT_EQ(Reynolds("E", "VCONE", "", 5e5, 25000.0), " ");
}

TEST(ReynoldsCheck, VolumeMeterAndStandardDevices) {
    CalibratedReynoldsMin = 8000.0;
    CalibratedReynoldsMax = 1e6;
    EXPECT_EQ(Reynolds("E", "VOLYM", "", 2e6, 10.0), " ");
    EXPECT_EQ(Reynolds("S", "VOLYM", "", 5e5, 10.0), "REYNOLDS TAL < KALIBRERAT MINSTA VÄRDE");
    EXPECT_EQ(Reynolds("D", "VOLYM", "", 5e5, 10.0), "REYNOLDS ZAHL < KLEINSTE KALIBRIERTES WERT");
    EXPECT_EQ(Reynolds("E", "KV", "", 3e6, 10.0), "REYNOLDS NUMBER > STANDARD LIMIT");
    EXPECT_EQ(Reynolds("S", "KV", "", 3e6, 10.0), "REYNOLDS TAL > NORMGRÄNS, ÖKA RÖRDIAMETER");
    EXPECT_EQ(Reynolds("D", "KV", "", 3e6, 10.0), "REYNOLDSZAHL > NORM GRENZE");
    EXPECT_EQ(Reynolds("E", "S", "R", 1e6, 4000.0), "REYNOLDS NUMBER<STANDARD LIMIT,DECREASE TUBEDIAM.");
    EXPECT_EQ(Reynolds("S", "S", "R", 1e6, 4000.0), "REYNOLDS TAL < NORMGRÄNS, MINSKA RÖRDIAMETER");
    EXPECT_EQ(Reynolds("D", "S", "R", 1e6, 4000.0), "REYNOLDS ZAHL < NORM GRENZE");
    EXPECT_EQ(Reynolds("E", "S", "R", 1e6, 5000.0), " ");
    EXPECT_EQ(Reynolds("Q", "S", "R", 1e6, 4000.0), " ");
}

TEST(ReynoldsCheck, ConeRecommendedTextUpToABoundOf8001) {
    CalibratedReynoldsMax = 1e6;
    CalibratedReynoldsMin = 8001.0;
    EXPECT_EQ(Reynolds("E", "VCONE", "", 5e5, 7000.0), "REYNOLDS NUMBER < SMALLEST RECOMMENDED VALUE");
    CalibratedReynoldsMin = 8001.5;
    EXPECT_EQ(Reynolds("E", "VCONE", "", 5e5, 7000.0), "REYNOLDS NUMBER < SMALLEST CALIBRATED VALUE");
    // A calibrated minimum below 8000 is raised to it, so the recommended text applies.
    CalibratedReynoldsMin = 100.0;
    EXPECT_EQ(Reynolds("S", "VCONEWAFER", "", 5e5, 7000.0), "REYNOLDS TAL < MINSTA REKOMMENDERAT VÄRDE");
}

TEST(ReynoldsCheck, ReynoldsNumbersOnTheirBoundsPass) {
    const double bigD = 0.1, mu = 1e-3, maxFlow = 40.0, minFlow = 2.0;
    CalibratedReynoldsMax = ReynoldsNumber(bigD, mu, maxFlow);
    CalibratedReynoldsMin = ReynoldsNumber(bigD, mu, minFlow);
    ASSERT_GT(CalibratedReynoldsMin, 8001.0);
    for (const char* device : {"VCONE", "VOLYM"}) {
        std::string m = "stale";
        CheckReynoldsCalibrated("E", device, "", "3", 0.05, bigD, mu, maxFlow, minFlow, m);
        EXPECT_EQ(m, " ") << device;
    }
    // Just past either bound gives its text.
    std::string m;
    CheckReynoldsCalibrated("E", "VCONE", "", "3", 0.05, bigD, mu, maxFlow * 1.000001, minFlow, m);
    EXPECT_EQ(m, "REYNOLDS NUMBER > BIGGEST CALIBRATED VALUE");
    CheckReynoldsCalibrated("E", "VOLYM", "", "3", 0.05, bigD, mu, maxFlow, minFlow * 0.999999, m);
    EXPECT_EQ(m, "REYNOLDS NUMBER < SMALLEST CALIBRATED VALUE");
}

void SetUpOrificeRun() {
    DeviceCode = "S";
    DeviceVariantCode = "R";
    MediumCode = "LUF";
    PhaseLetter = 'N';
    StandardLetter = '3';
    LanguageLetter = 'E';
    PipeDiameter = 0.1;
    BoreDiameter = 0.05;
    OperatingPressure = 2e5;
    MaxDpPa = 1e4;
    DynamicViscosityPas = 1.8e-5;
    MaxMassFlow = FlowAtRe(1e6, 0.1, 1.8e-5);
    MinMassFlow = FlowAtRe(1e5, 0.1, 1.8e-5);
    PipeRoughnessM = 1e-5;
}

TEST(DeviceLimits, PassingOrificeLeavesBlanks) {
    SetUpOrificeRun();
    CheckDeviceLimits();
    for (const std::string& m : DeviceLimitMessages) EXPECT_EQ(m, " ");
    EXPECT_EQ(StandardMaxDiffPressure, 50000.0);
}

TEST(DeviceLimits, EveryCheckFillsItsOwnMessage) {
    SetUpOrificeRun();
    BoreDiameter = 0.0124;
    PipeDiameter = 0.04;
    MaxDpPa = 60000.0;
    PipeRoughnessM = 1e-3;
    MinMassFlow = FlowAtRe(1000.0, 0.04, 1.8e-5);
    MaxMassFlow = FlowAtRe(1e6, 0.04, 1.8e-5);
    LanguageLetter = 'E';
    CheckDeviceLimits();
    EXPECT_EQ(DeviceLimitMessages[kThroatDiameterMessage], "d (throatdiameter) < 12.5 mm !");
    EXPECT_EQ(DeviceLimitMessages[kDiffPressureMessage], "DIFFPRESSURE TO BIG");
    EXPECT_EQ(DeviceLimitMessages[kDiameterRatioMessage], " ");  // 0.31 is inside
    EXPECT_EQ(DeviceLimitMessages[kReynoldsMessage], "REYNOLDS NUMBER<STANDARD LIMIT,DECREASE TUBEDIAM.");
    EXPECT_EQ(DeviceLimitMessages[kPipeDiameterMessage], "TUBE TO SMALL, INCREASE TUBEDIAMETER");
    EXPECT_EQ(DeviceLimitMessages[kRoughnessMessage], "PIPE ROUGHNESS TO BIG");
}

// One check failing at a time: the data sheet's note of that check holds its message and the
// other notes stay blank. In a gas the dp limit is a quarter of the pressure (ISO 5167-1 asks
// p2/p1 >= 0.75).
TEST(DeviceLimits, EachNoteOfTheDataSheetHoldsItsOwnCheck) {
    const std::string* notes[] = {&BoreLimitNote, &DpLimitNote, &BetaLimitNote, &ReynoldsLimitNote,
                                  &RoughnessLimitNote};
    const struct {
        const char* check;
        void (*fail)();
        const std::string& note;
        const char* message;
    } cases[] = {
        {"bore", [] { BoreDiameter = 0.0124; }, BoreLimitNote, "d (throatdiameter) < 12.5 mm !"},
        {"dp", [] { MaxDpPa = 60000.0; }, DpLimitNote, "DIFFPRESSURE TO BIG"},
        {"beta", [] { BoreDiameter = 0.08; }, BetaLimitNote, "BETA TO BIG, INCREASE TUBEDIAMETER/DP"},
        {"Reynolds", [] { MinMassFlow = FlowAtRe(4000.0, 0.1, 1.8e-5); }, ReynoldsLimitNote,
         "REYNOLDS NUMBER<STANDARD LIMIT,DECREASE TUBEDIAM."},
        {"roughness", [] { PipeRoughnessM = 1e-3; }, RoughnessLimitNote, "PIPE ROUGHNESS TO BIG"},
    };
    for (const auto& c : cases) {
        SetUpOrificeRun();
        c.fail();
        CheckDeviceLimits();
        for (const std::string* note : notes) EXPECT_EQ(*note, note == &c.note ? c.message : " ") << c.check;
        EXPECT_EQ(LimitDpMax, 0.25 * OperatingPressure) << c.check;
    }
}

TEST(DeviceLimits, VolumeMeterKeepsNoStaleMessage) {
    SetUpOrificeRun();
    BoreDiameter = 0.0124;
    MaxDpPa = 60000.0;
    CheckDeviceLimits();
    ASSERT_NE(DeviceLimitMessages[kThroatDiameterMessage], " ");
    ASSERT_NE(DeviceLimitMessages[kDiffPressureMessage], " ");
    DeviceCode = "VOLYM";
    CalibratedReynoldsMin = 100.0;
    CalibratedReynoldsMax = 1e7;
    CheckDeviceLimits();
    for (const std::string& m : DeviceLimitMessages) EXPECT_EQ(m, " ");
}

}  // namespace
}  // namespace tubalyx
