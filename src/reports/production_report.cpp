#include "reports/production_report.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "flow/operating_geometry.h"
#include "media/thermal_expansion.h"
#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "reports/report_window.h"
#include "state/geometry.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

std::string Number(double value) {
    return FormatFixed(CheckFinite(value, "production report value is no number"), kReportDigits);
}

void Line(const std::string& label, double value) { AppendReportLine(label + Number(value)); }

// The venturi body is written to the half micrometre above, the nozzle profile to the
// half hundredth of a millimetre above.
double BodyRounded(double mm) { return (mm * 1000 + 0.5) * 0.001; }
double ProfileRounded(double mm) { return (mm * 100 + 0.5) * 0.01; }

double Cot(double angle) { return CheckedDiv(1.0, std::tan(angle)); }

// A heading three points above the report font, in black; the size goes back afterwards.
void Heading(const std::string& text) {
    const int fontSize = ReportWindow().Font().Size;
    SetReportSize(fontSize + 3);
    SetReportColor(clBlack);
    AppendReportLine(text);
    SetReportSize(fontSize);
}

double PlateThickness() { return PlateThicknessMm; }

void WriteVenturiBodyLines() {
    const double D = PipeDiameterColdMm, d = BoreDiameterColdMm;
    const double convergent = Cot(10.5 * kDegree) * (D - d) / 2;
    const double divergent = Cot(7.5 * kDegree) * (D - d) / 2;
    Line(EntranceCylinderLengthLabel, BodyRounded(D));
    Line(EntranceCylinderDiameterLabel, BodyRounded(D));
    Line(EntranceTappingPositionLabel, BodyRounded(D) / 2);
    AppendReportLine(ByLanguage(report_text::VenturiTappingDiameterLine));
    AppendReportLine(ConvergentAngleLine);
    Line(ConvergentLengthLabel, BodyRounded(convergent));
    Line(ThroatLengthLabel, BodyRounded(d));
    Line(ThroatCylinderDiameterLabel, BodyRounded(d));
    Line(ThroatTappingPositionLabel, BodyRounded(d / 2));
    AppendReportLine(DivergentAngleLine);
    Line(DivergentLengthLabel, BodyRounded(divergent));
    Line(VenturiTotalLengthLabel, BodyRounded(D + convergent + d + divergent));
    AppendReportLine(VenturiReference);
}

}  // namespace

double CarrierRingLimitMm(double pipeMm, double beta, double widthMm) {
    const double bound = 1.04 * pipeMm;
    if (widthMm == 0.0) return bound;  // an infinite limit: the bound applies
    const double denominator = 2.3 * std::pow(beta, 4) + 0.1;
    return std::min(pipeMm + CheckedDiv(CheckedDiv(0.001 * pipeMm * pipeMm, widthMm), denominator), bound);
}

void WritePlateDimensionLines() {
    const double D = PipeDiameter * 1000, d = BoreDiameter * 1000;
    const double t = PlateThickness();
    Heading(PlateConstructionHeading);
    Line(ReportWriterWindow().fattringtextin.Caption(), t);
    AppendReportLine(CarrierRingDiameterHeading);
    AppendReportLine(PlateOperatingTemperatureNote);
    const double b = CarrierRingLimitMm(D, CheckedDiv(d, D), t);
    Line(CarrierRingRelationLine, b);

    const double f = ThermalExpansionFactor(DeviceExpansionCoeff, DeviceExpansionCoeffB, OperatingTemperature);
    const double b20 = CheckedDiv(b, f), D20 = CheckedDiv(D, f);
    const char* label = ByLanguage(report_text::CarrierRingAt20CLabel);
    AppendReportLine(label + Number((D20 + b20) / 2) + " +- " + Number((b20 - D20) / 2) + " (mm)");
}

void WriteWeldedVenturiDevelopment() {
    const double t = PlateThickness();
    const double D = PipeDiameterColdMm, d = BoreDiameterColdMm;
    const double pi = std::numbers::pi;
    auto radius = [&](double x, double n) { return (x + t) * 180 / (n * pi); };
    auto chord = [](double r, double theta) { return r * CheckedSqrt(2 - 2 * std::cos(theta)); };
    const double convergentTheta = pi * pi * 10.5 / 180, divergentTheta = pi * pi * 7.5 / 180;

    Heading(WeldedVenturiHeading);
    Line(PlateThicknessLabel, t);
    Line(ConvergentRadiusR1Label, radius(d, 21));
    Line(ConvergentChordB1Label, chord(radius(d, 21), convergentTheta));
    Line(ConvergentRadiusR2Label, radius(D, 21));
    Line(ConvergentChordB2Label, chord(radius(D, 21), convergentTheta));
    Line(DivergentRadiusR3Label, radius(d, 15));
    Line(DivergentChordB3Label, chord(radius(d, 15), divergentTheta));
    Line(DivergentRadiusR4Label, radius(D, 15));
    Line(DivergentChordB4Label, chord(radius(D, 15), divergentTheta));
}

void WriteNozzleProfileLines() {
    const double d = BoreDiameterColdMm, D = PipeDiameterColdMm;
    Line(NozzleR1LengthLabel, ProfileRounded(0.2 * d));
    Line(NozzleR1XLabel, ProfileRounded(0.75 * d));
    Line(NozzleR1ZLabel, ProfileRounded(0.2 * d));
    Line(NozzleR2LengthLabel, ProfileRounded(d / 3));
    Line(NozzleR2XLabel, ProfileRounded(5 * d / 6));
    Line(NozzleR2ZLabel, ProfileRounded(0.3041 * d));
    Line("a        = 0.3041*d_______________________________________= ", ProfileRounded(0.3041 * d));
    Line("b        = 0.3*d__________________________________________= ", ProfileRounded(0.3 * d));
    if (DeviceCode == kDeviceIsaNozzle) {
        Line("a+b      = 0.6041*d_______________________________________= ", ProfileRounded(0.6041 * d));
        Line(NozzleRecessDiameterLabel, ProfileRounded(1.06 * d));
        Line(NozzleRecessDepthLabel, ProfileRounded(0.03 * d));
        AppendReportLine(NozzleProfileReference);
    } else if (DeviceCode == kDeviceShortVenturi) {
        const double divergent = Cot(15 * kDegree) * (D - d) / 2;
        Line(NozzleEMinLengthLabel, ProfileRounded(0.4 * d));
        Line(NozzleEMaxLengthLabel, ProfileRounded(0.45 * d));
        Line(NozzleDivergentLengthLabel, BodyRounded(divergent));
        Line(NozzleTotalLengthLabel, BodyRounded(0.3041 * d + 0.3 * d + 0.4 * d + divergent));
        AppendReportLine(NozzleLengthReference);
    }
}

void WriteDeviceDimensionReport() {
    if (ProductionReportFlag != kYes) return;
    // Flange and D and D/2 tappings and the segment orifice have no workshop dimensions here.
    if (DeviceCode == kDeviceOrifice && (DeviceVariantCode == kVariantFlange || DeviceVariantCode == kVariantDAndD2))
        return;
    if (DeviceCode == kDeviceSegmentOrifice) return;

    Heading(ProductionReportHeading);
    if (DeviceCode == kDeviceVenturi) {
        WriteVenturiBodyLines();
        if (DeviceVariantCode == kVariantWelded) WriteWeldedVenturiDevelopment();
    }
    if (DeviceCode == kDeviceShortVenturi || DeviceCode == kDeviceIsaNozzle) WriteNozzleProfileLines();
    if (DeviceCode == kDeviceOrifice || DeviceVariantCode == kVariantPlate) WritePlateDimensionLines();
}

}  // namespace tubalyx
