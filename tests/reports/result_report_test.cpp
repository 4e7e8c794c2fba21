// The result report of the primary devices: the short results, the frame of the big report
// and the flow-range and expansibility sections, as users read them.
#include "reports/result_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "flow/flow_iterations.h"
#include "flow/primary_device_sequence.h"
#include "flow/straight_length_service.h"
#include "media/thermal_expansion.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "numerics/separator_guard.h"
#include "reports/flow_range_report.h"
#include "reports/report_window.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "texts/caption_sets.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

std::string F5(double v) { return FormatFixed(v, 5); }

class ResultReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCalculationState();
        SetDecimalSeparator(',');
        TForm1& f = Form1();
        f.dstorkallsort.SetCaption("mm");
        f.maxflowsort.SetText("kg/h");
        f.maxflowsortut.SetText("");
        f.temp.SetText("20");
        f.tempsort.SetCaption("C");
        f.abstryckantal.SetText("500");
        f.abstrycksort.SetText("kPa");
        f.Excel.SetCaption("Excel");
        Language('E');
        ClearReport();
        ReportWindow().SetSelAttributes(TTextAttributes{});
    }
    static void Language(char letter) {
        LanguageLetter = letter;
        ApplyLanguage(letter);
    }
    static void Size(ReportSizeKind size) { Form1().litenstor.SetCaption(ReportSizeCaption(size, LanguageLetter)); }
    static std::vector<std::string> Write(ReportSizeKind size) {
        Size(size);
        ClearReport();
        WriteResultReport('S', 0, '2');
        return Lines();
    }
    static std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (int i = 0; i < ReportLineCount(); ++i) lines.push_back(ReportLineText(i));
        return lines;
    }
    static bool Has(const std::vector<std::string>& lines, const std::string& part) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(part) != std::string::npos; });
    }
    static std::string LineStarting(const std::vector<std::string>& lines, const std::string& head) {
        for (const auto& l : lines)
            if (l.rfind(head, 0) == 0) return l;
        return "";
    }
    // A plausible result state of an orifice in water, set directly.
    static void TypicalState(const char* device, const char* variant, const char* solveFor) {
        DeviceCode = device;
        DeviceVariantCode = variant;
        SolveFor = solveFor;
        MediumCode = "VAT";
        PhaseLetter = 'V';
        FlowUnit = DpUnit = DpUpperLimitUnit = "kPa";
        FlowUnit = "kg/h";
        FlowDensity = LowDensityState.density = 998.0;
        DynamicViscosityPas = 1e-3;
        KappaOperating = 1.3;
        OperatingPressure = 5e5;
        PipeDiameter = PipeDiameterColdM = 0.1;
        PipeDiameterColdMm = 100;
        BoreDiameter = BoreDiameterColdM = SegmentHeightColdM = 0.05;
        BoreDiameterColdMm = 50;
        MaxMassFlow = 10.0;
        MinMassFlow = 1.0;
        MaxFlowInput = 36000;
        MaxDpPa = MaxFlowDpPa = FlowRangeMaxDpPa = FlowRangeDpPa = 25000;
        MaxDpInput = MaxDpEntered = DpUpperLimitInput = 25;
        DpUpperLimitPa = 25000;
        RootFlowMax = 7200;
        DischargeCoefficientC = NormalFlowCoefficients.c = 0.6;
        VelocityOfApproachFactor = 1.0328;
        DiameterRatioBeta = 0.5;
        FlowCoefficientAtNormalFlow = 0.62;
        ReynoldsAtMaxFlow = 1.27e5;
        DpTransmitterValues.rootMaxFlow.user = DpTransmitterValues.rootNormalFlow.user = 36000;
        FlowAtUpperLimitValue = 20;
        FlowAtReynoldsMin = 0.5;
        UpstreamTappingTemperature = DownstreamTappingTemperature = 20.1;
        UpstreamTappingPressure = 5.01e5;
        DownstreamTappingPressure = 4.8e5;
    }
};

// Water, 100 t/h, 25 kPa, an orifice with corner tappings in a DN100 pipe: the big report of
// the calculation, its bore the one the bore iteration gives for the same duty.
TEST_F(ResultReportTest, OrificeBoreReportEndToEnd) {
    CalcFunction = "Strypf";
    MediumCode = "VAT";
    PhaseLetter = 'V';
    DeviceCode = "S";
    DeviceVariantCode = "R";
    SolveFor = "DI";
    MaxFlowGivenFlag = "V";
    GivenZ1 = GivenZn = 1.0;
    OperatingPressure = PressureMinPa = PressureMaxPa = 5e5;
    OperatingTemperature = TemperatureMinC = TemperatureMaxC = 20.0;
    FlowUnit = "ton/h";
    Form1().maxflowsort.SetText("ton/h");
    MaxFlowInput = 100;
    MaxFlowSI = 100000;  // kg/h
    MinFlowSI = 30000;
    DpUnit = "kPa";
    MaxDpInput = 25;
    MaxDpPa = 25000;
    PipeDiameterColdM = 0.1;
    PipeRoughnessMm = 0.01;
    StraightLengthM = 100;
    MaterialExpansionCoefficients("5", PipeExpansionCoeff, PipeExpansionCoeffB);
    MaterialExpansionCoefficients("1", DeviceExpansionCoeff, DeviceExpansionCoeffB);
    RequiredStraightLengthsService = nullptr;
    // The run applies the language before it calculates.
    Language('E');
    RunPrimaryDeviceCalculation();
    const auto lines = Write(ReportSizeKind::Big);

    EXPECT_EQ(lines[0], "                  MAIN RESULT");
    // q := qmax*sqrt(dp/dpmax) gives back the typed 100 t/h at the entered dp.
    const std::string q = LineStarting(lines, "Simpliest possible flowcalculation*;q:= ");
    ASSERT_NE(q, "");
    EXPECT_NEAR(StrToFloatSafe(q.substr(40, 6)), 100.0, 0.05) << q;
    EXPECT_NE(q.find("*sqrt(dp/25,000)"), std::string::npos) << q;

    double bore = 0;
    ThroatDiameterFromFlow("VAT", "S", "R", "3", OperatingPressure, 100000 / 3600.0, 25000, PipeDiameter, FlowDensity,
                           DynamicViscosityPas, KappaOperating, InletEdgeFactor * RoughnessFactor * BendFactor, bore);
    const double cold =
        bore / ThermalExpansionFactor(DeviceExpansionCoeff, DeviceExpansionCoeffB, OperatingTemperature);
    EXPECT_EQ(LineStarting(lines, "Throat diameter"),
              "Throat diameter d cold (=20 C)________________(mm)= " + F5(cold * 1000));
    for (const char* part :
         {"                  MOUNTING IN TUBE", "                   FLOWREPORT",
          "Adjusted maxflow for square root function_________= ",
          "Pressureloss at maxflow (not=diff.pressure)__(kPa)= ", "Power loss at maxflow",
          "Minflowlimit of the standard", "                   PHYSICS REPORT", "                   STANDARD REPORT",
          "Epsilon (at maxflow)______________________________= 1,0000",
          "Beta (d/D) at operating conditions________________= "})
        EXPECT_TRUE(Has(lines, part)) << part;
    EXPECT_FALSE(Has(lines, "NAN") || Has(lines, "INF"));
}

// The short dp result in three languages: the unit of the label replaced at equal length.
TEST_F(ResultReportTest, SmallDpResultOfAnOrifice) {
    TypicalState("S", "R", "DP");
    DpUnit = "mbar";
    MaxDpEntered = 12.5;
    RootFlowMax = 2;
    const struct {
        char language;
        const char* formula;
        const char* dpLabel;
    } cases[] = {
        {'E', "Simpliest possible flowcalculation*;q:= ", "Maximal Differential Pressure(not=P-loss)___(mbar)= "},
        {'S', "Enklast möjliga flödesberäkning*;q:= ", "Maximalt differenstryck (ej = tryckförlust)_(mbar)= "},
        {'D', "Einfacher Durchflussberechnung*;q:= ", "Grösster Wirkdruckendwert(nicht=Druckverlus_(mbar)= "},
    };
    for (const auto& c : cases) {
        Language(c.language);
        Size(ReportSizeKind::Small);
        ClearReport();
        WriteShortDpResult();
        const auto lines = Lines();
        ASSERT_EQ(lines.size(), 4u) << c.language;
        EXPECT_EQ(lines[0], c.formula + F5(std::sqrt(12.5) * 2) + "*sqrt(dp/" + F5(12.5) + ")");
        EXPECT_EQ(lines[3], c.dpLabel + F5(12.5));
    }
    Language('E');
    const auto lines = Write(ReportSizeKind::Small);
    EXPECT_FALSE(Has(lines, "MAIN RESULT"));
    EXPECT_EQ(lines[1].rfind("*Optimized for;at operating cond.= ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "*for mathematical error see big report");
    ReportSeparator = "\t";
    ClearReport();
    WriteShortDpResult();
    EXPECT_EQ(ReportLineText(3), "Maximal Differential Pressure(not=P-loss)___(mbar)= \t" + F5(12.5));
}

// Thresholds and the unit line of the short flow result, on a comma and a point platform.
TEST_F(ResultReportTest, ShortFlowResultUnits) {
    TypicalState("S", "R", "FL");
    Size(ReportSizeKind::Small);
    // clang-format off
    const struct {
        const char* name;
        double kgPerHour, density, dpRatio;
        const char* unit;
        std::vector<std::string> expected;  // the lines after the three header lines
    } cases[] = {
        {"1000 kg/h is kg/h, 1 m3/h is dm3/h", 1000, 1000, 1, "ton/h",
         {"Flow________(kg/h)= 1000,0 Flow_______(dm3/h)= 1000,0",
          "Adj.Flow____(kg/h)= 1000,0 Adj.Flow___(dm3/h)= 1000,0",
          "Flow_______(ton/h)= 2,0000 Adj.Flow___(ton/h)= 2,0000"}},
        {"more than 1000 kg/h in ton/h, no unit line", 1001, 1000, 1, "ton/h",
         {"Flow_______(ton/h)= 1,0010 Flow________(m3/h)= 1,0010",
          "Adj.Flow___(ton/h)= 1,0010 Adj.Flow____(m3/h)= 1,0010"}},
        {"the adjusted flow at four times the dp", 5000, 1000, 4, "kg/h",
         {"Flow_______(ton/h)= 5,0000 Flow________(m3/h)= 5,0000",
          "Adj.Flow___(ton/h)= 10,000 Adj.Flow____(m3/h)= 10,000",
          "Flow_______(kg/h)= 2,0000 Adj.Flow___(kg/h)= 4,0000"}},
        {"no dp at max flow: no adjustment", 5000, 0, 0, "kg/h",
         {"Flow_______(ton/h)= 5,0000", "Adj.Flow___(ton/h)= 5,0000",
          "Flow_______(kg/h)= 2,0000 Adj.Flow___(kg/h)= 2,0000"}},
    };
    // clang-format on
    for (char sep : {',', '.'}) {
        SeparatorGuard guard(sep);
        for (const auto& c : cases) {
            MaxMassFlow = c.kgPerHour / 3600.0;
            FlowDensity = c.density;
            MaxFlowDpPa = 25000 * c.dpRatio;
            MaxDpPa = c.dpRatio == 0 ? 0 : 25000;
            FlowUnit = c.unit;
            MaxFlowInput = 2;
            ClearReport();
            WriteShortFlowResult();
            std::vector<std::string> lines = Lines();
            lines.erase(lines.begin(), lines.begin() + 3);
            std::vector<std::string> expected;
            for (const auto& e : c.expected) expected.push_back(OnPlatform(e, sep));
            EXPECT_EQ(lines, expected) << c.name << ", separator " << sep;
        }
    }
}

// The volume meter converts the typed flow into the output unit; an unknown unit leaves the
// line out, and so does a humid gas at no pressure.
TEST_F(ResultReportTest, VolumeMeterAndHumidGasFlowLines) {
    TypicalState("VOLYM", "", "FL");
    Size(ReportSizeKind::Small);
    FlowUnit = "kg/h";
    MaxFlowInput = 1000;
    MaxMassFlow = 1000 / 3600.0;
    FlowDensity = 1000;
    Form1().maxflowsortut.SetText("m3/h");
    WriteShortFlowResult();
    auto lines = Lines();
    ASSERT_EQ(lines.size(), 2u);  // no formula lines for the volume meter
    EXPECT_EQ(lines[1], "Flow_______(m3/h)= 1,0000");

    Form1().maxflowsortut.SetText("furlongs");
    HumidGasFlag = true;
    OperatingPressure = 0;
    ClearReport();
    WriteShortFlowResult();
    lines = Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "                   --AIR/GASPART--");

    Form1().maxflowsortut.SetText("m3/h");
    OperatingPressure = 1e5;
    VapourPressurePa = 2e4;
    DryGasDensity = 900;
    ClearReport();
    WriteShortFlowResult();
    EXPECT_EQ(ReportLineText(ReportLineCount() - 1), "Flow________(m3/h)= 0,9000 Flow________(m3/h)= 0,8000");
}

TEST_F(ResultReportTest, OptimalDeviceResult) {
    TypicalState("S", "F", "OK");
    Size(ReportSizeKind::Small);
    DpUpperLimitUnit = "mbar";
    DpUpperLimitInput = 500;
    DpUpperLimitPa = 50000;
    MaxDpPa = 20000;
    WriteShortOptimalDeviceResult();
    auto lines = Lines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[3], "Optimal primary device: ");
    EXPECT_EQ(lines[4], "Orifice plate (Flange tappings)");
    EXPECT_EQ(lines[7], "Optimal maximal differential pressure_______(mbar)= 200,00");

    UpstreamFittingCode = "1";
    StraightLengthM = 3;
    StraightLengthShortfallM = 1.5;
    OptimalStraightLength = 2.25;
    for (double percent : {0.5, 50.0}) {
        AdditionalUncertaintyPercent = percent;
        ClearReport();
        WriteShortOptimalDeviceResult();
        lines = Lines();
        ASSERT_EQ(lines.size(), 11u);
        EXPECT_EQ(lines[8], "Total straight length of the standard__________(m)= 4,5000");
        EXPECT_EQ(lines[9], percent < 50 ? "Additional uncertainty from straight length____(%)= 0,5000"
                                         : "Additional uncertainty from straight length____(%)= ");
        EXPECT_EQ(lines[10], "Pos. of upstream pressuretapping after fitting.(m)= 2,2500");
    }
    DpUpperLimitPa = 0;
    ClearReport();
    WriteDeviceCandidateLine();
    EXPECT_EQ(ReportLineCount(), 2);
}

// What the big report holds for the volume meter, the classical venturi, the orifice and a cone.
TEST_F(ResultReportTest, BigReportByDevice) {
    TypicalState("VOLYM", "", "FL");
    auto lines = Write(ReportSizeKind::Big);
    EXPECT_EQ(lines[0], "                  MAIN RESULT");
    for (const char* absent :
         {"Simpliest", "MOUNTING", "SOME FLOWCALC", "Epsilon", "Beta", "STANDARD REPORT", "McCrometer"})
        EXPECT_FALSE(Has(lines, absent)) << absent;
    EXPECT_TRUE(Has(lines, "FLOWREPORT") && Has(lines, "PHYSICS REPORT"));
    EXPECT_TRUE(Has(lines, "Correction factor for Reynolds number_____________= "));

    TypicalState("V", "SV", "DI");
    lines = Write(ReportSizeKind::Big);
    EXPECT_TRUE(Has(lines, "Maximal pipe roughness________________________(mm)= 0,050"));
    EXPECT_TRUE(Has(lines, "Max eccentricity tube/throat 0% add. error____(mm)= 0,500"));
    EXPECT_FALSE(Has(lines, "0.3%"));

    TypicalState("S", "R", "DI");
    lines = Write(ReportSizeKind::Big);
    // ISO 5167: 0.0025 D / (0.1 + 2.3 beta^4) at beta 0.5, D 100 mm, and twice it for 0.3 %.
    EXPECT_TRUE(Has(lines, "Max eccentricity tube/throat 0% add. error____(mm)= 1,026"));
    EXPECT_TRUE(Has(lines, "Max eccentricity for 0.3% additional error____(mm)= 2,051"));
    EXPECT_TRUE(Has(lines, "Maximal angle tube/throat_________________________=1 DEGREE"));

    TypicalState("VCONE", "", "DI");
    Language('E');
    lines = Write(ReportSizeKind::Big);
    EXPECT_FALSE(Has(lines, "MOUNTING"));
    EXPECT_TRUE(Has(lines, " SOME FLOWCALCULATIONALGORITHMS WITH UNCERTAINTIES*"));
    EXPECT_TRUE(Has(lines, "Cone diameter d cold (=20 C)__________________(mm)= "));
    EXPECT_TRUE(Has(lines, std::string(15, ' ') + " McCrometer specifications"));
    EXPECT_TRUE(Has(lines, "Beta (sqrt(1-d*d/D/D) at operating conditions_____= " + F5(std::sqrt(0.75))));
    EXPECT_TRUE(Has(lines, "Area ratio (beta*beta) at operating conditions____= " + F5(0.75)));
    EXPECT_FALSE(Has(lines, "thermometer pocket"));
}

TEST_F(ResultReportTest, MiniReportOfABore) {
    TypicalState("VK", "", "DI");
    MaxFlowGivenFlag = "J";
    Form1().maxflowsort.SetText("Nm3/h");
    auto lines = Write(ReportSizeKind::Mini);
    EXPECT_FALSE(Has(lines, "MAIN RESULT"));
    const std::string maxFlow = "Maximal flow______________________________________= " + F5(36000);
    EXPECT_TRUE(Has(lines, maxFlow + " Nm3/h"));
    for (const char* present :
         {"Pressureloss at maxflow", "Pressureloss at minflow", "Flow speed in tube", "Beta (d/D)"})
        EXPECT_TRUE(Has(lines, present)) << present;
    for (const char* absent :
         {"Epsilon", "Alfa", "C (at normal flow)", "Area ratio", "Radius r", "flowlimit of the standard"})
        EXPECT_FALSE(Has(lines, absent)) << absent;

    Form1().maxflowsort.SetText("ton/h");
    lines = Write(ReportSizeKind::Small);
    EXPECT_EQ(LineStarting(lines, "Maximal flow"), maxFlow);
    EXPECT_TRUE(Has(lines, "Radius r cold (20 C)__________________________(mm)= "));
}

// The divisions of the flow range with a zero divisor: neutral scale, label alone, line left out.
TEST_F(ResultReportTest, FlowRangeGuards) {
    TypicalState("S", "R", "DI");
    Size(ReportSizeKind::Small);
    FlowRangeDpPa = 0;
    DensityRatioWorstCase = 0.25;
    DpTransmitterValues.rootMaxFlow.user = 50;
    MaxMassFlow = 0;
    WriteFlowRangeSection();
    auto lines = Lines();
    EXPECT_EQ(lines[0], "Maximal flow______________________________________= 25,000");
    EXPECT_EQ(lines.back(), "Maxflowlimit of the standard________(% of maxflow)= ");

    TypicalState("S", "R", "DP");
    MaxFlowDpPa = 0;
    ClearReport();
    WriteFlowRangeSection();
    EXPECT_FALSE(Has(Lines(), "Pressureloss"));

    TypicalState("S", "R", "FL");
    Size(ReportSizeKind::Big);
    ClearReport();
    WriteFlowRangeSection();
    EXPECT_EQ(ReportLineText(0), "Minimal flow________________________________(kg/h)= 3600,0");
}

// Headings carry the operating conditions only when the state differs by more than 0.01 %.
TEST_F(ResultReportTest, HeadingsAndFittedSizes) {
    TypicalState("S", "R", "DI");
    LowDensityState.density = 998.0 * (1 - 0.00009);
    auto lines = Write(ReportSizeKind::Big);
    EXPECT_TRUE(Has(lines, "                   FLOWREPORT"));
    LowDensityState.density = 900;
    lines = Write(ReportSizeKind::Big);
    EXPECT_TRUE(Has(lines, "    FLOWREPORT at operating cond.= "));
    EXPECT_TRUE(Has(lines, "    STANDARD REPORT at operating cond.= "));

    // The Swedish root note and the adjusted-flow note are fitted from the start size; the
    // lines after them are back at it, and no size falls below 6 pt.
    Language('S');
    MaxFlowGivenFlag = "V";
    for (int start : {14, 7}) {
        TTextAttributes a;
        a.Size = start;
        ReportWindow().SetSelAttributes(a);
        lines = Write(ReportSizeKind::Big);
        const TRichEdit& e = ReportWindow();
        for (int i = 0; i < ReportLineCount(); ++i) {
            const int size = ReportAttributesAt(e, LineStartPosition(e, i)).Size;
            const std::string& l = lines[i];
            if (l.empty()) continue;
            // The sections of the algorithms fit their own long lines; none grows.
            EXPECT_GE(size, 6) << l;
            EXPECT_LE(size, start) << l;
            if (l.rfind("*(OBS!", 0) == 0) {
                EXPECT_EQ(size, std::max(6, start * 58 / 72)) << l;
                EXPECT_EQ(ReportAttributesAt(e, LineStartPosition(e, i + 1)).Size, start);
            }
            if (l.rfind("Anm:", 0) == 0) {
                EXPECT_EQ(size, std::max(6, start * 58 / 70)) << l;
            }
        }
    }
}

// Every device, solved quantity, report size and language, from a plausible and from an
// all-zero state: no line carries NaN or INF, and the flow-block lines are cleared.
TEST_F(ResultReportTest, NoNonFiniteNumberAnywhere) {
    const char* devices[][2] = {{"S", "R"}, {"S", "F"}, {"S", "D"},  {"D", ""},     {"DL", ""},         {"KV", ""},
                                {"SM", ""}, {"VK", ""}, {"V", "BG"}, {"VCONE", ""}, {"VCONEWAFER", ""}, {"VOLYM", ""}};
    int reports = 0;
    for (bool zero : {false, true})
        for (const auto& d : devices)
            for (const char* solve : {"DI", "TF", "OK", "FL", "DP"})
                for (char language : {'S', 'D', 'E'})
                    for (auto size : {ReportSizeKind::Small, ReportSizeKind::Big, ReportSizeKind::Mini}) {
                        ResetCalculationState();
                        DeviceCode = d[0];
                        Language(language);  // the cone labels follow the device
                        if (zero) {
                            DeviceVariantCode = d[1];
                            SolveFor = solve;
                            HumidGasFlag = true;
                            UpstreamFittingCode = "1";
                            HumidFlowBasis = "T";
                        } else {
                            TypicalState(d[0], d[1], solve);
                        }
                        FlowBlockLines[3].abb = "left over";
                        const auto lines = Write(size);
                        ++reports;
                        const std::string name =
                            std::string(d[0]) + " " + solve + " " + language + (zero ? " zero state" : "");
                        EXPECT_FALSE(lines.empty()) << name;
                        EXPECT_FALSE(Has(lines, "NAN") || Has(lines, "INF")) << name;
                        // Cleared by every report, filled again only by the big one.
                        const bool filled = size == ReportSizeKind::Big && std::string(d[0]) != "VOLYM";
                        EXPECT_EQ(FlowBlockLines[3].abb.empty(), !filled) << name;
                        EXPECT_NE(FlowBlockLines[3].abb, "left over") << name;
                    }
    EXPECT_EQ(reports, 2 * 12 * 5 * 3 * 3);
}

}  // namespace
}  // namespace tubalyx
