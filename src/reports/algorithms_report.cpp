#include "reports/algorithms_report.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "flow/device_selection.h"
#include "flow/dp_range_uncertainty.h"
#include "media/medium_identification.h"
#include "numerics/decimal_separator.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "reports/flow_function_block.h"
#include "reports/operating_conditions.h"
#include "reports/pressure_expression.h"
#include "reports/report_block.h"
#include "reports/result_report_detail.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"

namespace tubalyx {

using namespace result_detail;

namespace {

// Straight-length additional uncertainty from this value on marks straight lengths too short
// for the tables: the term is then left out of every bound.
constexpr double kTooShortStraightLength = 50.0;
constexpr double kFactorApplied = 1e-5;

const TFontStyles kBold{true, false, false, false};
const TFontStyles kUnderlined{true, false, true, false};

bool BendCorrected() { return std::fabs(BendFactor - 1.0) > kFactorApplied; }
bool StraightLengthLeftOut() { return AdditionalUncertaintyPercent >= kTooShortStraightLength; }

// The square of a base uncertainty u with the straight-length term.
double WithStraightLength(double u) {
    const double x = AdditionalUncertaintyPercent;
    if (StraightLengthLeftOut()) return u * u;
    if (!BendCorrected()) return (u + x) * (u + x);
    return u * u + x * x;
}

double Squared(double x) { return x * x; }

std::string F2(double v) { return FormatFixed(v, 2); }
std::string F6(double v) { return FormatFixed(v, 6); }

// The flow error of the ideal-gas density correction between the operating state and one
// end of the range: sqrt of the ideal-gas ratio against sqrt of the true density ratio.
double IdealGasError(const MediumStateValues& end) {
    const double d = end.density / FlowDensity;
    if (!(d > 0.0)) return 0.0;
    const double r =
        end.pressure / OperatingPressure * (kKelvinOffset + OperatingTemperature) / (kKelvinOffset + end.temperature);
    const double e = std::fabs(std::sqrt(r) - std::sqrt(d)) / std::sqrt(d) * 100.0;
    return std::isfinite(e) ? e : 0.0;
}

bool ConeDevice() { return IsConeDevice(DecodeDevice(DeviceCode)); }

// "The error figures below include" the number and what it is for.
std::string ContributionLine(const std::string& number, const LangText& what) {
    return ByLanguage(report_text::ErrorFiguresIncludePrefix) + ReportSeparator + number + ReportSeparator +
           ByLanguage(what);
}

void AddContributionLines(ReportBlock& block) {
    const std::string& s = ReportSeparator;
    const double x = AdditionalUncertaintyPercent;
    const bool bend = BendCorrected();
    const bool roughness = std::fabs(RoughnessUncertaintyPercent) > kFactorApplied;
    const bool edge = std::fabs(InletEdgeFactor - 1.0) > kFactorApplied;
    if ((x < kTooShortStraightLength && x > 0.05) || bend) {
        const std::string number = StraightLengthLeftOut() ? std::string("0") + DecimalSeparator() + "0" : F2(x);
        if (bend)
            block.Add(ContributionLine(number, report_text::StraightLengthUncertaintyShare));
        else
            block.Add(ContributionLine(number, report_text::StraightLengthErrorShare));
    }
    if (roughness) block.Add(ContributionLine(F2(RoughnessUncertaintyPercent), report_text::RoughnessUncertaintyShare));
    if (edge) block.Add(ContributionLine(F2(InletEdgeUncertaintyPercent), report_text::InletEdgeUncertaintyShare));
    if (roughness) block.Add(ByLanguage(report_text::RoughnessCorrectionLabel) + s + FormatFixed(RoughnessFactor, 5));
    if (edge) block.Add(ByLanguage(report_text::InletEdgeCorrectionLabel) + s + FormatFixed(InletEdgeFactor, 5));
    if (bend) block.Add(ByLanguage(report_text::BendCorrectionLabel) + s + FormatFixed(BendFactor, 5));
}

// " (" RS number RS ")": the bound without density correction, shown when the density varies.
std::string Uncorrected(double value) { return " (" + ReportSeparator + F2(value) + ReportSeparator + ")"; }

void AddAlgorithm1(ReportBlock& block, const AlgorithmUncertainties& u, bool cone, bool varies) {
    const std::string& s = ReportSeparator;
    block.AddEmpty();
    block.Add(cone ? ByLanguage(report_text::ConeAlgorithm1Heading) : ByLanguage(report_text::Algorithm1Heading));
    block.Add("q_rot_normal= " + s + F6(RootFlowNormal) + s + "*sqrt(dp) < " + s + F2(u.algorithm1) +
              (varies ? Uncorrected(u.algorithm1Uncorrected) : "") + s + "%");
    if (varies) {
        const std::string b = Uncorrected(u.algorithm1Uncorrected);
        block.Add(ByLanguage(report_text::WherePrefix) + s + F2(u.algorithm1) +
                  ByLanguage(report_text::WithDensityFactorNote) + b +
                  ByLanguage(report_text::WithoutDensityFactorNote));
    }
    block.Add(ByLanguage(report_text::Algorithm1Use));
}

void AddAlgorithm2(ReportBlock& block, const AlgorithmUncertainties& u, bool cone, bool varies,
                   bool algorithm1Written) {
    const std::string& s = ReportSeparator;
    if (!algorithm1Written) block.SetStyle(kUnderlined);
    block.AddEmpty();
    block.Add(cone ? ByLanguage(report_text::ConeAlgorithm2Heading) : ByLanguage(report_text::Algorithm2Heading));
    const double k2 = MaxFlowGivenFlag == kMaxFlowAdjusted && SolveFor != kSolveFlow ? RootFlowDesign : RootFlowMax;
    block.Add("q_rot_max= " + s + F6(k2) + s + "*sqrt(dp) < " + s + F2(u.algorithm2) + s +
              (varies ? Uncorrected(u.algorithm2Uncorrected) : "") + "%");
    block.SetStyle(kBold);
    block.Add(ByLanguage(report_text::Algorithm2Use));
}

void AddAlgorithm3(ReportBlock& block, const AlgorithmUncertainties& u, bool cone, bool varies) {
    const std::string& s = ReportSeparator;
    block.AddEmpty();
    block.SetStyle(kUnderlined);
    block.Add(cone ? ByLanguage(report_text::ConeAlgorithm3Heading) : ByLanguage(report_text::Algorithm3Heading));
    block.Add("q_pol_mat=q_rot_mat*fmat < " + s + F2(u.algorithm3) + s +
              (varies ? Uncorrected(u.algorithm3Uncorrected) : "") + "%");
    block.Add(ByLanguage(report_text::RootFlowWherePrefix) + RootFlowFormulaText);
    block.SetStyle(kBold);
}

// The operating pressure over the pressure of generated code, p0/P in kPa: an expansibility
// term written with it follows the controller's pressure input.
std::string PressureRatioText() { return F6(OperatingPressure / 1000.0) + "/(" + PressureExpression() + ")"; }

std::string ConeFmatLine() {
    const double beta = DiameterRatioBeta;
    const double a = DecodeDevice(DeviceCode) == FlowDevice::WaferCone ? 0.755 + 6.787 * std::pow(beta, 8.0)
                                                                       : 0.649 + 0.696 * std::pow(beta, 4.0);
    const double yMax = 1.0 - a * MaxFlowDpPa / (OperatingPressure * KappaOperating);
    const double flowSquared = MaxFlowInput * MaxFlowInput;
    const double flowRatio = MaxMassFlow / FlowAtMaxDp;
    const double c = a / (KappaOperating * OperatingPressure * MaxDpEntered / MaxFlowDpPa) * MaxDpEntered /
                     flowSquared * flowRatio * flowRatio;
    if (flowSquared == 0.0 || FlowAtMaxDp == 0.0 || !std::isfinite(c) || !std::isfinite(yMax)) return "";
    const double s = MaxDpEntered / flowSquared;
    std::string mantissa, suffix;
    if (s < 1e-9) {
        mantissa = FormatFixed(c * 1e12, 8);
        suffix = "E-12";
    } else if (s < 0.001) {
        mantissa = FormatFixed(c * 1e6, 8);
        suffix = "E-6";
    } else {
        mantissa = FormatFixed(c, 8);
    }
    return ByLanguage(report_text::ConeFmatWherePrefix) + mantissa + suffix + "*q_rot_max*q_rot_max" + "*(" +
           PressureRatioText() + ")" + ")/" + F6(yMax);
}

// The decimal exponent of the report number at width 0 (0 when it shows none).
int ShownExponent(double v) {
    const std::string text = FormatFixed(v, 0);
    const std::size_t e = text.find('E');
    if (e == std::string::npos) return 0;
    try {
        return std::stoi(text.substr(e + 1));
    } catch (const std::invalid_argument&) {
        return 0;
    } catch (const std::out_of_range&) {
        return 0;
    }
}

// The flow (kg/s) the fit of the law passes through at the design dp. FlowAtMaxDp can be the
// flow at a dp the range adjustment has since moved the design dp from: a flow solve's max
// dp, or a gas's corner dp when the dp is solved over a pressure range.
double FittedDesignFlow() { return DpTransmitterValues.designDpFlow.si; }

// The expansibility of a gas as the fit of the law takes it, (1 - k dp/p) / (1 - k dp0/p),
// written in the root flow (dp/dp0 is (q_rot_mat/q0)^2, q0 the root flow at the design dp
// dp0) with the controller's pressure P for p. Without it the law printed is not the law
// fitted, and a gas over a wide range falls short of its flow by more than the calculation
// error printed beside it. At the operating pressure the factor is the fitted one.
// Gives "*(1-c*q_rot_mat*q_rot_mat*(p0/(P)))/y", c in a power of ten that keeps it near 1;
// false when the factor cannot be formed (no flow at the design dp, or k dp0/p of 1 or more).
bool ExpansibilityFactor(std::string& text) {
    const double atDesign = FmatCoefficientA * MaxFlowDpPa / OperatingPressure;
    const double designRootFlow = MaxFlowInput * FittedDesignFlow() / MaxMassFlow;
    const double c = atDesign / (designRootFlow * designRootFlow);
    const double y = 1.0 - atDesign;
    if (!std::isfinite(c) || !(y > 0.0)) return false;
    const double magnitude = std::fabs(c);
    const int n = magnitude > 0.0 ? ShownExponent(1.0 / magnitude) : 0;
    text = std::string("*(1") + (c < 0.0 ? "+" : "-") + F6(magnitude * std::pow(10.0, n)) +
           (n > 0 ? "E-" + std::to_string(n) : "") + "*q_rot_mat*q_rot_mat*(" + PressureRatioText() + "))/" + F6(y);
    return true;
}

std::string DeviceFmatLine() {
    if (FmatCoefficientA < kFmatNotFittedBelow) return "";
    const double b = FmatCoefficientB;
    const double flowSquared = MaxFlowInput * MaxFlowInput;
    const double t = std::pow(flowSquared / MaxFlowDpPa, 0.375);
    // The coefficient is shown in a power of ten that keeps it near 1; a zero coefficient
    // has none.
    const double scale = std::fabs(b) * t;
    const int n = scale > 0.0 && std::isfinite(scale) ? ShownExponent(1.0 / scale) : 0;
    const double flowRatio = FittedDesignFlow() / MaxMassFlow;
    const double coefficient =
        std::fabs(b) * std::pow(flowSquared / MaxFlowDpPa * flowRatio * flowRatio, 0.375) * std::pow(10.0, n);
    // The Reynolds term at the design dp, where the fit makes the law pass the design flow
    // (the max dp differs from it after a flow solve of a gas, or a range adjustment).
    const double denominator = 1.0 + b / std::pow(MaxFlowDpPa, 0.375);
    if (!std::isfinite(t) || !std::isfinite(coefficient) || !std::isfinite(denominator)) return "";
    std::string expansibility;
    if (IsGasMedium(MediumCode) && !ExpansibilityFactor(expansibility)) return "";
    return ByLanguage(report_text::FmatWherePrefix) + std::string(b > 0.0 ? "+" : "-") + F6(coefficient) +
           (n > 0 ? "E-" + std::to_string(n) : "") + "/q_rot_mat**(3/4))/" + F6(denominator) + expansibility;
}

// G: the fmat line with its note and the all-flows line; gives the fmat line.
std::string AddFmatLines(ReportBlock& block, bool gas, bool cone) {
    std::string fmat = FmatReportLine();
    if (gas && !cone && MaxFlowSI * 0.5 > MinFlowSI) block.SetStyle(kUnderlined);
    if (!fmat.empty()) block.AddFitted(fmat, Utf8Length(fmat));
    if (!cone) {
        block.SetStyle(kBold);
        block.Add(ByLanguage(report_text::RaisedToNote));
    }
    block.Add(ByLanguage(report_text::Algorithm3Use));
    block.AddEmpty();
    return fmat;
}

void AddDensityFactor(ReportBlock& block, double algorithm3) {
    const std::string& s = ReportSeparator;
    const std::string t0 = ShortenConditionNumber(FormatGeneral(kKelvinOffset + OperatingTemperature));
    const std::string p0 = ShortenConditionNumber(FormatGeneral(OperatingPressure / 1000.0));
    const bool volume = ConvertPressureEntry(FlowUnit) == kUnitVolumeFlow;
    block.AddEmpty();
    block.Add(ByLanguage(report_text::DensityFactorHeading));
    block.Add("sqrt[P(kPaA)/" + p0 + "*" + t0 + "/(T(C)+273.15)]");
    block.Add(ByLanguage(report_text::DensityFactorWhereNote));
    if (volume)
        block.Add(ByLanguage(report_text::DivideByDensityFactorNote));
    else
        block.Add(ByLanguage(report_text::MultiplyByDensityFactorNote));
    block.Add(ByLanguage(report_text::ExamplePrefix) + std::string("q_pol_mat_densideal= ") + s + RootFlowFormulaText +
              s + (volume ? "*fmat/fdens" : "*fmat*fdens") + " < " + F2(algorithm3) + s + "%" +
              ByLanguage(report_text::UncertaintySuffix));
}

}  // namespace

void UpdateDensityErrors() {
    if (!(FlowDensity > 0.0)) return;
    if (!OperatingStateDiffersFromRangeEnd()) {
        UncorrectedDensityErrorPercent = 0.0;
        IdealGasDensityErrorPercent = 0.0;
        return;
    }
    const double root = std::sqrt(FlowDensity);
    const double a = std::fabs(std::sqrt(std::max(0.0, LowDensityState.density)) - root);
    const double b = std::fabs(std::sqrt(std::max(0.0, HighDensityState.density)) - root);
    UncorrectedDensityErrorPercent = 100.0 * (a > b ? a : b) / root;
    const double e1 = IdealGasError(HighDensityState);
    const double e2 = IdealGasError(LowDensityState);
    IdealGasDensityErrorPercent = e1 > e2 ? e1 : e2;
}

AlgorithmUncertainties CombinedAlgorithmUncertainties() {
    const double r2 = Squared(RoughnessUncertaintyPercent);
    const double e2 = Squared(InletEdgeUncertaintyPercent);
    const double i2 = Squared(IdealGasDensityErrorPercent);
    const double d2 = Squared(UncorrectedDensityErrorPercent);
    const double ua = VariantFlowDeviationA;
    const double ub = VariantFlowDeviationB;
    const double u0 = AverageCoefficientUncertainty;
    const double ce = CalculationErrorLimit;
    const double x = AdditionalUncertaintyPercent;

    AlgorithmUncertainties u;
    u.algorithm1 = std::sqrt(WithStraightLength(ua) + r2 + e2 + i2);
    u.algorithm1Uncorrected = std::sqrt(Squared(u.algorithm1) + d2);
    if (!StraightLengthLeftOut()) {
        u.algorithm2 = std::sqrt(WithStraightLength(ub) + r2 + e2 + i2);
        u.algorithm2Uncorrected = std::sqrt(WithStraightLength(ub) + r2 + e2 + d2);
    } else {
        u.algorithm2 = std::sqrt(ub * ub + r2 + e2);
        u.algorithm2Uncorrected = std::sqrt(ub * ub + r2 + e2 + d2 + i2);
    }
    double base = Squared(ce + u0);
    if (!StraightLengthLeftOut()) base = BendCorrected() ? ce * ce + u0 * u0 + x * x : Squared(ce + u0 + x);
    u.algorithm3 = std::sqrt(base + r2 + e2 + i2);
    u.algorithm3Uncorrected = std::sqrt(base + r2 + e2 + d2);
    return u;
}

double CombinedAlgorithm1Uncertainty() { return CombinedAlgorithmUncertainties().algorithm1; }

std::string FmatReportLine() {
    const bool cone = ConeDevice();
    if (cone) return IsGasMedium(MediumCode) ? ConeFmatLine() : "";
    return DeviceFmatLine();
}

void WriteAlgorithmsAndPlcCode() {
    ReportBlock block;
    AddContributionLines(block);
    if (CurrentReportSize() != ReportSizeKind::Big) {
        block.Flush();
        return;
    }
    const double u0 = AverageCoefficientUncertainty;
    block.Add(AverageUncertaintyLabel + ReportSeparator +
              F2(std::sqrt(WithStraightLength(u0) + Squared(RoughnessUncertaintyPercent) +
                           Squared(InletEdgeUncertaintyPercent))));
    UpdateDensityErrors();

    const bool cone = ConeDevice();
    const bool gas = IsGasMedium(MediumCode);
    const bool varies = OperatingStateDiffersFromRangeEnd();
    const bool allAlgorithms = RelativeChangeExceeds();
    const AlgorithmUncertainties u = CombinedAlgorithmUncertainties();
    if (allAlgorithms) AddAlgorithm1(block, u, cone, varies);
    AddAlgorithm2(block, u, cone, varies, allAlgorithms);
    RootFlowFormulaText = F6(RootFlowDesign) + "*Sqrt(dp)";
    AddAlgorithm3(block, u, cone, varies);
    const std::string fmat = AddFmatLines(block, gas, cone);
    AddFlowFunctionBlock(block, fmat);
    if (FlowDensity > 0.0 && varies) AddDensityFactor(block, u.algorithm3);
    block.Flush();
}

}  // namespace tubalyx
