#include "reports/data_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "flow/device_geometry.h"
#include "flow/permanent_loss.h"
#include "flow/reynolds.h"
#include "media/medium_identification.h"
#include "media/thermal_expansion.h"
#include "media/typed_phase.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "reports/report_block.h"
#include "reports/report_window.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/keywords.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/report_texts.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

constexpr int kNumberWidth = 43;
constexpr int kPrecision = 15;
constexpr int kShortPrecision = 10;
// Straight lengths too short for the tables carry 100 %: no uncertainty to print then.
constexpr double kTooShortPercent = 50.0;
constexpr double kUnboundedFlowRatio = 1e10;
constexpr TColor kNavy = 0x800000;  // RGB 0, 0, 128
// The gauge pressure is taken against the standard atmosphere: no input sets another.
constexpr double AmbientPressureMbar = kStandardAtmosphereMbar;

bool English() { return LanguageLetter == kLanguageEnglish; }
bool German() { return LanguageLetter == kLanguageGerman; }
bool Worded() { return English() || German(); }
// The sheet's words are German or English; the Swedish sheet carries numbers alone.
const char* Of(const LangText& t) { return English() ? t.en : t.de; }
bool Iso() { return StandardLetter == kStandardIso1991; }

// The integer of a margin edit as that many blanks; a text that is no integer gives none.
std::string Blanks(const std::string& text) {
    int n = 0;
    std::size_t used = 0;
    try {
        n = std::stoi(text, &used);
    } catch (const std::invalid_argument&) {
        return "";
    } catch (const std::out_of_range&) {
        return "";
    }
    if (used != text.size() || n <= 0) return "";
    return std::string(std::min(n, 200), ' ');
}

// Fixed point with five decimals after rounding to `precision` significant digits.
std::string FixedText(double value, int precision) {
    if (!std::isfinite(value)) return "";
    if (value != 0.0 && std::fabs(value) >= std::pow(10.0, precision)) return FormatGeneral(value);
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.*e", precision - 1, value);
    char text[400];
    std::snprintf(text, sizeof text, "%.5f", std::strtod(rounded, nullptr));
    std::string s = text;
    for (char& c : s)
        if (c == '.') c = DecimalSeparator();
    return s;
}

std::string Field(int width, double value, int precision = kPrecision) {
    return PadText(width, FixedText(value, precision));
}

// The blanks every line begins with, and those before each number: the integers of two edits.
std::string DataSheetLeftMargin() { return Blanks(ReportWriterWindow().vmargbox.Text()); }
std::string DataSheetNumberIndent() { return Blanks(ReportWriterWindow().Numberspos.Text()); }

class Sheet {
public:
    Sheet() : margin_(DataSheetLeftMargin()), indent_(DataSheetNumberIndent()) {}

    void Line(const std::string& text) { lines_.push_back(margin_ + text); }
    void Number(double value) {
        if (std::isfinite(value))
            Line(indent_ + Field(kNumberWidth, value));
        else
            Blank();
    }
    void Blank() { Line(indent_); }
    const std::string& Indent() const { return indent_; }
    std::vector<std::string>& Lines() { return lines_; }

private:
    std::string margin_, indent_;
    std::vector<std::string> lines_;
};

std::string DeviceName() {
    const std::string& d = DeviceCode;
    if (d == kDeviceOrifice) return Of(report_text::SheetOrificeName);
    if (d == kDeviceVenturi) return Of(report_text::SheetVenturiName);
    if (d == kDeviceShortVenturi) return Of(report_text::SheetVenturiNozzleName);
    if (d == kDeviceIsaNozzle) return Of(report_text::SheetIsaNozzleName);
    if (d == kDeviceSegmentOrifice) return Of(report_text::SheetSegmentalOrificeName);
    if (d == kDeviceQuarterCircle) return Of(report_text::SheetQuarterCircleNozzleName);
    if (d == kDeviceLongRadiusNozzle) {
        const TMenuItem* item = ReportWriterWindow().ADysaLongradius1;
        const std::string caption = item ? item->Caption() : "";
        return PadText(23, Utf8Length(caption) > 2 ? caption.substr(Utf8Left(caption, 2).size()) : "");
    }
    return std::string(23, ' ');  // the meters have no field of their own on the form
}

std::string TappingText() {
    const std::string& d = DeviceCode;
    const std::string& v = DeviceVariantCode;
    if (d == kDeviceOrifice && v == kVariantCorner) return Of(report_text::SheetCornerTappings);
    if (d == kDeviceOrifice && v == kVariantFlange) return Of(report_text::SheetFlangeTappings);
    if (d == kDeviceOrifice && v == kVariantDAndD2) return "       D- & D/2";
    if (d == kDeviceIsaNozzle || d == kDeviceSegmentOrifice || d == kDeviceQuarterCircle)
        return Of(report_text::SheetCornerTappings);
    if (d == kDeviceVenturi && v == kVariantWelded) return Of(report_text::SheetWeldedConvergent);
    if (d == kDeviceVenturi && v == kVariantAsCast) return Of(report_text::SheetRoughCastConvergent);
    if (d == kDeviceVenturi && v == kVariantMachined) return Of(report_text::SheetMachinedConvergent);
    return "";
}

std::string MediumName() {
    const std::string& m = MediumCode;
    if (m == kMediumMethane || m == kMediumNitrogen || m == kMediumHydrogen || m == kMediumAmmonia)
        return PadText(15, m);
    static const struct {
        std::string_view code;
        const LangText* name;
    } kNames[] = {{kMediumWater, &report_text::SheetWater},
                  {kMediumNaturalGas, &report_text::SheetNaturalGas},
                  {kMediumMixture, &report_text::SheetGasMixture},
                  {kMediumArgon, &report_text::SheetArgon},
                  {kMediumAir, &report_text::SheetAir},
                  {kMediumWetSteam, &report_text::SheetSaturatedSteam},
                  {kMediumSteam, &report_text::SheetSteam},
                  {kMediumLiquid, &report_text::SheetLiquid},
                  {kMediumGas, &report_text::SheetGas},
                  {kMediumRealGas, &report_text::SheetRealGas}};
    for (const auto& n : kNames)
        if (m == n.code) return Of(*n.name);
    return "";
}

void WriteDeviceBlock(Sheet& sheet) {
    if (!Worded()) return;
    const std::string& in = sheet.Indent();
    const std::string mounting = ExtraUncertaintyCode == kExtraUncertaintyFlanged
                                     ? Of(report_text::SheetFlangedMounting)
                                     : Of(report_text::SheetWeldedMounting);
    sheet.Line(in + DeviceName() + mounting);
    const std::string tapping = TappingText();
    if (!tapping.empty()) sheet.Line(in + std::string(DeviceCode == kDeviceVenturi ? 14 : 28, ' ') + tapping);
    const TMenuItem* material = ReportWriterWindow().mtrlfl1;
    for (const std::string* code : {&MaterialCode1, &MaterialCode2})
        if (*code == kMaterialFirst) sheet.Line(in + std::string(8, ' ') + (material ? material->Caption() : ""));
    const std::string medium = MediumName();
    if (!medium.empty()) sheet.Line(in + std::string(28, ' ') + medium);
}

bool NoFlowYet() { return !(MaxMassFlow > 0.0); }

// The bore at 20 C from the bore the calculation used: the typed cold bore in the state is
// read again from its edit when the language is applied during the report, and for a bore
// the calculation solved for that edit does not hold the result.
double ColdBoreMm() {
    const double factor = ThermalExpansionFactor(DeviceExpansionCoeff, DeviceExpansionCoeffB, OperatingTemperature);
    return BoreDiameter > 0.0 && factor > 0.0 ? 1000.0 * BoreDiameter / factor : BoreDiameterColdMm;
}

void WriteNumberRows(Sheet& sheet) {
    const double q = MaxMassFlow;
    sheet.Number(q * 3600.0);
    if (NoFlowYet()) {
        sheet.Blank(), sheet.Blank(), sheet.Blank();
    } else {
        sheet.Number(q * 3600.0 / FlowDensity);
        sheet.Number(FlowAtReynoldsMin / q * 100.0);
        const double upper = FlowAtUpperLimitValue / q;
        if (upper < kUnboundedFlowRatio)
            sheet.Number(upper * 100.0);
        else
            sheet.Blank();
    }
    sheet.Number(OperatingTemperature);
    sheet.Number(AmbientPressureMbar);
    sheet.Number(OperatingPressure * 1e-5 - AmbientPressureMbar * 0.001);
    sheet.Number(OperatingPressure * 1e-5);
    sheet.Number(FlowDensity);
    sheet.Number(DynamicViscosityPas * 1e6);
    sheet.Number(NormalFlowCoefficients.reynolds);
    sheet.Number(NormalFlowCoefficients.epsilon);
    if (IsGasMedium(MediumCode))
        sheet.Number(KappaOperating);
    else
        sheet.Blank();
    sheet.Number(ThermalExpansionFactor(DeviceExpansionCoeff, DeviceExpansionCoeffB, OperatingTemperature));
    const bool roughDevice =
        DeviceCode == kDeviceIsaNozzle || DeviceCode == kDeviceShortVenturi || DeviceCode == kDeviceOrifice;
    sheet.Number(roughDevice ? PipeRoughnessMm : 0.0);
    sheet.Number(RoughnessFactor);
    sheet.Number(FlowCoefficientAtNormalFlow);
    sheet.Number(MaxDpPa * 0.01);
    try {
        sheet.Number(PermanentPressureLoss(DeviceCode, std::string(1, StandardLetter), PipeDiameter,
                                           DynamicViscosityPas, MaxMassFlow, MaxDpPa, DiameterRatioBeta,
                                           DischargeCoefficientC, VelocityOfApproachFactor) *
                     0.01);
    } catch (const CalcError&) {
        sheet.Blank();  // no loss before the device is calculated
    }
    sheet.Number(PipeDiameterColdMm);
    const double bore = ColdBoreMm();
    const double beta = PipeDiameterColdMm != 0.0 ? bore / PipeDiameterColdMm : 0.0;
    if (DeviceCode == kDeviceQuarterCircle) {
        sheet.Line(sheet.Indent() + "        (Radius r=" +
                   Field(10, ProfileRadius(beta * beta, bore), kShortPrecision) + " mm) " + Field(10, bore));
    } else {
        sheet.Number(bore);
    }
    sheet.Number(beta);
    if (NoFlowYet())
        sheet.Blank();
    else
        sheet.Number(MaxMassFlow / FlowDensity / (3.141592653589793 * PipeDiameter * PipeDiameter * 0.25));
}

// The name of the upstream fitting on the form, 27 characters; blanks where it has none.
std::string FittingName() {
    const bool firstDe = DeviceCode == kDeviceOrifice || DeviceCode == kDeviceSegmentOrifice ||
                         DeviceCode == kDeviceQuarterCircle || DeviceCode == kDeviceIsaNozzle ||
                         DeviceCode == kDeviceShortVenturi;
    const bool first = English() ? DeviceCode == kDeviceShortVenturi : firstDe;
    struct Names {
        const char* code;
        const LangText* firstText;
        const LangText* other;  // nullptr: the same as the first; kNone: none for the other devices
    };
    static constexpr LangText kNone{"", "", ""};
    namespace t = report_text;
    static const Names kNames[] = {
        {"0", &t::SheetNoFitting, nullptr},
        {"1", &t::SheetFittingBend, nullptr},
        {"2", &t::SheetFittingTwoBendsSamePlane, nullptr},
        {"3", &t::SheetFittingTwoBendsOtherPlanes, nullptr},
        {"4", &t::SheetFittingReducer2to1, &t::SheetFittingReducer3to1},
        {"5", &t::SheetFittingExpander05, &t::SheetFittingExpander075},
        {"6", &t::SheetFittingGlobeValve, &t::SheetFittingGateValve},
        {"7", &t::SheetFittingGateValve, &kNone},
        {"8", &t::SheetFittingAbruptReduction, &kNone},
        {"9", &t::SheetFittingPocketBelow3, &kNone},
        {"10", &t::SheetFittingPocket3To13, &kNone},
    };
    for (const Names& n : kNames) {
        if (UpstreamFittingCode != n.code) continue;
        if (first || n.other == nullptr) return Of(*n.firstText);
        const std::string other = Of(*n.other);
        return other.empty() ? std::string(27, ' ') : other;
    }
    return std::string(27, ' ');
}

void WriteStraightLengthSheet(Sheet& sheet) {
    if (!Worded()) return;
    const std::string& in = sheet.Indent();
    const bool none = UpstreamFittingCode == kFittingOther;
    const std::string backpage = Of(report_text::SheetSeeBackpage);
    if (none)
        sheet.Line(std::string(Of(report_text::SheetRequiredLength)) + in + backpage);
    else
        sheet.Line(std::string(Of(report_text::SheetGivenLength)) + in + Field(14, UpstreamLengthZeroM));
    const std::string value = none ? backpage : Field(14, DownstreamLengthZeroM);
    if (English())
        sheet.Line(FittingName() + "  " + in + value);
    else
        sheet.Line(FittingName() + in + "  " + value);
}

void WriteUncertaintyRows(Sheet& sheet) {
    auto belowTooShort = [&](double value) {
        if (value < kTooShortPercent)
            sheet.Number(value);
        else
            sheet.Blank();
    };
    sheet.Number(CoefficientUncertaintyPercent);
    sheet.Number(ExtraUncertaintyPercent);
    sheet.Number(RoughnessUncertaintyPercent);
    belowTooShort(StraightLengthUncertaintyPercent);
    belowTooShort(CombinedCoefficientUncertaintyPercent);
    sheet.Number(ExpansibilityUncertaintyPercent);
    belowTooShort(FlowUncertaintyPercent);
    for (int i = 0; i < 6; ++i) sheet.Blank();
}

bool Noted(const std::string& note) { return note != kNoMessage; }

std::string Standard(const LangText& iso, const LangText& din) { return Of(Iso() ? iso : din); }
std::string RangeText() { return Standard(report_text::SheetRangeIso, report_text::SheetRangeDin); }

void WriteDeviceLimits(Sheet& sheet) {
    const auto& notes = DeviceLimitMessages;
    if (Worded() && Noted(TableRangeNote)) {
        sheet.Line(TableRangeNote);
        sheet.Lines().push_back("");
    }
    if (Noted(notes[kThroatDiameterMessage]) && BoreDiameter < ThroatDiameterLowerBound) {
        // The one worded line of the Swedish sheet.
        const std::string text = Worded() ? Standard(report_text::SheetBoreLimitIso, report_text::SheetBoreLimitDin)
                                          : report_text::SheetBoreLimitIso.sv;
        sheet.Line("31 " + notes[kThroatDiameterMessage] + text +
                   Field(10, ThroatDiameterLowerBound * 1000.0, kShortPrecision) + " mm");
    }
    if (!Worded()) return;
    if (Noted(notes[kDiffPressureMessage]) && MaxDpPa > StandardMaxDiffPressure)
        sheet.Line("28 " + notes[kDiffPressureMessage] +
                   Standard(report_text::SheetDpLimitIso, report_text::SheetDpLimitDin) +
                   Field(15, StandardMaxDiffPressure * 0.001));
    const double beta = NormalFlowCoefficients.beta;
    if (Noted(notes[kDiameterRatioMessage]) && (beta > BetaUpperBound || beta < BetaLowerBound))
        sheet.Line("32 " + notes[kDiameterRatioMessage] + RangeText() + Field(10, BetaLowerBound, kShortPrecision) +
                   " < beta < " + Field(10, BetaUpperBound, kShortPrecision));
    double re = 0.0;
    try {
        re = ReynoldsNumber(PipeDiameter, DynamicViscosityPas, MaxMassFlow);
    } catch (const CalcError&) {
        re = ReynoldsLowerBound;  // no flow state: no Reynolds line
    }
    if (re < ReynoldsLowerBound || re > ReynoldsUpperBound)
        sheet.Line("21 " + notes[kReynoldsMessage] + RangeText() + Field(10, ReynoldsLowerBound, kShortPrecision) +
                   " < Re < " + Field(10, ReynoldsUpperBound, kShortPrecision));
    if (PipeRoughnessGiven > RoughnessUpperBound)
        sheet.Line("25 " + notes[kRoughnessMessage] +
                   Standard(report_text::SheetRoughnessLimitIso, report_text::SheetRoughnessLimitDin) +
                   Field(15, RoughnessUpperBound * 1000.0));
    if (Noted(notes[kPipeDiameterMessage]) &&
        (PipeDiameter > PipeDiameterUpperBound || PipeDiameter < PipeDiameterLowerBound))
        sheet.Line("30 " + notes[kPipeDiameterMessage] + RangeText() + Field(15, PipeDiameterLowerBound * 1000.0) +
                   " < D (mm) < " + Field(15, PipeDiameterUpperBound * 1000.0));
}

}  // namespace

std::string PadText(int width, const std::string& text) {
    if (width <= 0) return "";
    const std::string t = text == kNoMessage ? "" : text;
    if (Utf8Length(t) >= width) return Utf8Left(t, width);
    return PadLeft(t, width);
}

void PrintDataSheet() {
    // The sheet describes the last run's device: its medium as that run computed it.
    const ComputedPhase computed;
    Sheet sheet;
    try {
        WriteDeviceBlock(sheet);
        WriteNumberRows(sheet);
        WriteStraightLengthSheet(sheet);
        WriteUncertaintyRows(sheet);
        WriteDeviceLimits(sheet);
    } catch (const CalcError&) {
        // A value of the state that cannot be computed (an expansion coefficient out of all
        // range): no sheet, the input-error line instead.
        AppendRedLine(InputErrorLine());
        return;
    }

    TTextAttributes a = ReportWindow().SelAttributes();
    a.Color = kNavy;
    a.Style = TFontStyles{true, false, false, false};
    a.Size = std::max(kMinReportFontSize, ReportWindow().ClientWidth() / 70 * 20 / 17);
    ReportWindow().SetSelStart(ReportWindow().TextLength());
    ReportWindow().SetSelAttributes(a);
    for (const std::string& line : sheet.Lines()) AppendReportLine(line);
}

}  // namespace tubalyx
