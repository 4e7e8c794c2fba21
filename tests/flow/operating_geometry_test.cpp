// Operating geometry: cold dimensions back from the operating ones, the edits in mm or
// inches, the straight-length result and the bend uncertainty of the optimal design.
#include <gtest/gtest.h>

#include <string>

#include "design_duties.h"
#include "flow/device_geometry.h"
#include "flow/dp_range_uncertainty.h"
#include "flow/flow_iterations.h"
#include "flow/operating_geometry.h"
#include "flow/operating_range.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace tubalyx {
namespace {

// Water through an orifice sized in DN200 for 25 kPa, as the optimal design leaves it.
void DesignedOrifice(double temperature, const char* unitLabel) {
    designtest::WaterDuty();
    OperatingTemperature = TemperatureMinC = TemperatureMaxC = temperature;
    PipeDiameter = 0.2;
    MaxDpPa = 25000.0;
    ThroatDiameterFromFlow(MediumCode, DeviceCode, DeviceVariantCode, "3", OperatingPressure, MaxMassFlow, MaxDpPa,
                           PipeDiameter, FlowDensity, DynamicViscosityPas, KappaOperating, 1.0, BoreDiameter);
    MaxDpEntered = 0.0;
    Form1().dstorkallsort.SetCaption(unitLabel);
}

TEST(ComputeOperatingGeometry, ColdDimensionsAtTwoHundredDegrees) {
    DesignedOrifice(200.0, "mm");
    MaterialExpansionCoefficients("1", DeviceExpansionCoeff, DeviceExpansionCoeffB);
    MaterialExpansionCoefficients("5", PipeExpansionCoeff, PipeExpansionCoeffB);
    const double bore = BoreDiameter;
    ComputeOperatingGeometry();
    const double deviceFactor = 1.0 + 1e-6 * (12.6 * 180.0 + 0.0043 * 180.0 * 180.0);
    const double pipeFactor = 1.0 + 1e-6 * (17.0 * 180.0 + 0.0038 * 180.0 * 180.0);
    // The operating-range search re-solves the bore at the state's corrections; the cold bore
    // is the bore it leaves.
    EXPECT_NEAR(BoreDiameter, bore, 1e-3 * bore);
    EXPECT_NEAR(BoreDiameterColdM, BoreDiameter / deviceFactor, 1e-15);
    EXPECT_NEAR(PipeDiameterColdM, 0.2 / pipeFactor, 1e-15);
    EXPECT_DOUBLE_EQ(BoreDiameterColdMm, 1000.0 * BoreDiameterColdM);
    EXPECT_DOUBLE_EQ(PipeDiameterColdMm, 1000.0 * PipeDiameterColdM);
    EXPECT_EQ(Form1().Dstorkallmm.Text(), FormatFixed(PipeDiameterColdMm, 5));
    EXPECT_EQ(Form1().dkallmm.Text(), FormatFixed(BoreDiameterColdMm, 5));
}

TEST(ComputeOperatingGeometry, MaterialsSevenAndEightAreOneAndFive) {
    double a = 0.0, b = 0.0, a2 = 0.0, b2 = 0.0;
    MaterialExpansionCoefficients("7", a, b);
    MaterialExpansionCoefficients("1", a2, b2);
    EXPECT_EQ(a, a2);
    EXPECT_EQ(b, b2);
    MaterialExpansionCoefficients("8", a, b);
    MaterialExpansionCoefficients("5", a2, b2);
    EXPECT_EQ(a, a2);
    EXPECT_EQ(b, b2);
    a = 11.1;
    b = 0.002;
    MaterialExpansionCoefficients("Annat", a, b);  // the user's own values stay
    EXPECT_EQ(a, 11.1);
    EXPECT_EQ(b, 0.002);
}

TEST(ComputeOperatingGeometry, InchLabelWritesInches) {
    DesignedOrifice(20.0, "tum");
    BoreDiameter = 0.1;  // 100 mm, which the operating-range search moves to the flow's bore
    ComputeOperatingGeometry();
    // At 20 degrees C the cold bore is the bore.
    EXPECT_EQ(Form1().dkallmm.Text(), FormatFixed(1000.0 * BoreDiameter * 0.03937007874015748, 5));
    EXPECT_EQ(Form1().Dstorkallmm.Text(), FormatFixed(200.0 * kInchesPerMillimetre, 5));
}

TEST(ComputeOperatingGeometry, DpEditShowsTheTypedDpWithoutAnEnteredOne) {
    DesignedOrifice(20.0, "mm");
    DpUpperLimitUnit = "kPa";
    MaxDpInput = 25.0;
    ComputeOperatingGeometry();
    EXPECT_EQ(Form1().difftryckmaxsort.Text(), "kPa");
    EXPECT_EQ(DpUnit, "kPa");
    // The adjustment leaves the design dp in the user's unit; it is what the edit shows.
    EXPECT_GT(MaxDpEntered, 0.0);
    EXPECT_EQ(Form1().difftryckmaxantal.Text(), FormatFixed(MaxDpEntered, 5));
    EXPECT_DOUBLE_EQ(MaxFlowDpPa, ScaledMaxDpPa);  // the second form of the adjustment
    EXPECT_GT(DpAtNormalFlow, 0.0);
    EXPECT_LT(DpAtNormalFlow, MaxDpPa);
    EXPECT_GT(AverageCoefficientUncertainty, 0.0);
}

void NeedsOneMetreMore(const std::string&, const std::string&, const std::string& code, double& upstream, double& extra,
                       double& shortfall, double given, double, double) {
    upstream = code == "1" ? 0.25 * given : given;
    extra = 0.5;
    shortfall = 1.0;
}

TEST(ComputeOperatingGeometry, StraightLengthAndTheBendUncertaintyOfTheDesign) {
    DesignedOrifice(20.0, "mm");
    RequiredStraightLengthsService = NeedsOneMetreMore;
    ComputeOperatingGeometry();
    EXPECT_DOUBLE_EQ(StraightLengthShortfallM, 1.0);
    EXPECT_DOUBLE_EQ(AdditionalUncertaintyPercent, 0.5);
    BendUncertaintyPercent = 0.8;
    ComputeOperatingGeometry();
    EXPECT_DOUBLE_EQ(AdditionalUncertaintyPercent, 0.8);
    RequiredStraightLengthsService = nullptr;
    BendUncertaintyPercent = 0.0;
}

TEST(ComputeOperatingGeometry, StraightLengthFromTheTables) {
    // Corner orifice under ISO 5167:1991, single bend, D 0.1 m, d 0.05 m, 0.8 m given:
    // stage 2.5 % with 1.0 - (0.7 - 0.35) - 0.8 = -0.15 m.
    DesignedOrifice(20.0, "mm");
    StandardLetter = 'I';
    UpstreamFittingCode = "1";
    PipeDiameter = 0.1;
    BoreDiameter = 0.05;
    MaxMassFlow = 10.0;
    MinMassFlow = 3.0;
    NormalMassFlow = 0.63 * MaxMassFlow + 0.37 * MinMassFlow;
    StraightLengthM = 0.8;
    ComputeOperatingGeometry();
    EXPECT_NEAR(StraightLengthShortfallM, -0.15, 1e-12);
    EXPECT_DOUBLE_EQ(AdditionalUncertaintyPercent, 2.5);
    StraightLengthM = 5.0;
    BoreDiameter = 0.05;
    ComputeOperatingGeometry();
    EXPECT_NEAR(StraightLengthShortfallM, -3.0, 1e-12);
    EXPECT_DOUBLE_EQ(AdditionalUncertaintyPercent, 0.0);
}

TEST(ComputeOperatingGeometry, SegmentHeightFromTheColdBore) {
    DesignedOrifice(20.0, "mm");
    DeviceCode = "SM";
    DeviceVariantCode = " ";
    BoreDiameter = 0.12;
    ComputeOperatingGeometry();
    double h = 0.0;
    SegmentHeightForDiameter(BoreDiameterColdM, PipeDiameterColdM, h);
    EXPECT_DOUBLE_EQ(SegmentHeightColdM, h);
    EXPECT_DOUBLE_EQ(SegmentHeightColdMm, 1000.0 * h);
    EXPECT_DOUBLE_EQ(SegmentHeightM, h);  // factor 1 at 20 degrees C
    EXPECT_EQ(Form1().hkallmm.Text(), FormatFixed(1000.0 * h, 5));
    double d = 0.0;
    SegmentEquivalentDiameter(h, PipeDiameterColdM, d);
    EXPECT_NEAR(d, BoreDiameterColdM, 1e-6);
}

}  // namespace
}  // namespace tubalyx
