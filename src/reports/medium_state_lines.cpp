#include "reports/medium_state_lines.h"

#include "media/saturation_limits.h"
#include "media/steam_equations.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "reports/report_window.h"
#include "reports/result_report_detail.h"
#include "state/composition.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/language_text.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"
#include "texts/window_access.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

using result_detail::ValueOrNothing;

// The equations of water and steam hold up to 800 C, those of liquid water and saturated steam
// up to 350 C, and neither below 0 C or above 100 MPa (nor the gas tables above 100 MPa).
constexpr double kSteamTemperatureLimitC = 800.0;
constexpr double kWaterTemperatureLimitC = 350.0;
constexpr double kPressureLimitPa = 1e8;
// Dynamic viscosities from here on are written in Pa s, below it in 1e-6 Pa s.
constexpr double kLargeViscosityPas = 0.1;
// A density below this is no density to divide by.
constexpr double kSmallestDensity = 1e-10;

// Red when a property table has marked the label with its range note.
LineFormat ColourRule(const std::string& label) {
    return label.find("!.") != std::string::npos ? RedLine() : LineFormat{};
}

void AddLabelled(ReportBlock& block, const std::string& label, double value) {
    block.AddValue(label, value, ColourRule(label));
}

bool Thermodynamics() { return CalcFunction == kFunctionThermodynamics; }

bool OneOf(MediumKind m, std::initializer_list<MediumKind> set) {
    for (MediumKind s : set)
        if (m == s) return true;
    return false;
}

bool IsWaterOrSteam(MediumKind m) { return OneOf(m, {MediumKind::Water, MediumKind::Steam, MediumKind::WetSteam}); }

// The user's own media whose state is given, not computed, unless they are humid.
bool GivenDryMedium(MediumKind m) {
    return !HumidGasFlag && OneOf(m, {MediumKind::IdealGas, MediumKind::RealGas, MediumKind::Liquid});
}

// Humid air and a gas mixture are reckoned part by part, each at its own partial pressure
// within its table: a whole beyond the tables' top pressure is beyond them all the same.
bool PartsAboveTables(MediumKind m) {
    const bool parts = m == MediumKind::Mixture || (m == MediumKind::Air && HumidGasFlag && VapourPartDensity > 0.0);
    return parts && OperatingPressure > kPressureLimitPa;
}

// Empty when the state is within the equations; one blank when only the property solve ran
// into its step bound, or a saturated phase asked for lies beyond its triple or critical point.
std::string RangeNote(MediumKind m) {
    std::string note;
    if (PropertyIterationCount >= PropertyIterationLimit ||
        !SaturationStateExists(MediumCode, PhaseLetter, OperatingPressure, OperatingTemperature))
        note = " ";
    if (PartsAboveTables(m)) return ByLanguage(report_text::PressureAbove100MPaNote);
    if (!IsWaterOrSteam(m)) return note;
    // Saturated steam above 350 C lies beyond the steam equations' sub-region, as water does.
    const bool liquidOrSaturated = m == MediumKind::Water || m == MediumKind::WetSteam;
    if (OperatingTemperature > kSteamTemperatureLimitC)
        note = "TEMP > 800 C ";
    else if (liquidOrSaturated && OperatingTemperature > kWaterTemperatureLimitC)
        note = "TEMP > 350 C ";
    else if (OperatingTemperature < 0.0)
        note = "TEMP < 0 C ";
    if (OperatingPressure > kPressureLimitPa) note += ByLanguage(report_text::PressureAbove100MPaNote);
    return note;
}

// The user's own gas and liquid, given at the operating state, have no density of their own.
bool GivenDensityMedium(MediumKind m) { return !HumidGasFlag && OneOf(m, {MediumKind::IdealGas, MediumKind::Liquid}); }

void AddRangeWarning(ReportBlock& block, MediumKind m) {
    const std::string note = RangeNote(m);
    if (note.empty()) return;
    block.Add(ByLanguage(report_text::OutsideTableLimitsWarning), RedLine());
    if (note != kNoMessage) block.Add(note, RedLine());
}

void DensityPart(ReportBlock& block, MediumKind m) {
    if (GivenDensityMedium(m)) return;
    AddRangeWarning(block, m);
    const LineFormat format = ColourRule(DensityLabel);
    block.AddValue(DensityLabel, FlowDensity, format);
    if (m == MediumKind::NaturalGas && Thermodynamics())
        block.AddValue(ByLanguage(report_text::CompressionFactorLabel), NaturalGasZ, format);
}

void DynamicViscosityPart(ReportBlock& block, MediumKind m) {
    if (!HumidGasFlag && OneOf(m, {MediumKind::IdealGas, MediumKind::RealGas, MediumKind::Liquid}) &&
        ReportWriterWindow().qbgsort.Text() == kUnitMicroPascalSecond)
        return;
    if (m == MediumKind::Ozone && PhaseLetter != kPhaseNone) return;
    const LineFormat format = ColourRule(DynamicViscosityLabel);
    if (DynamicViscosityPas < kLargeViscosityPas)
        block.AddValue(DynamicViscosityLabel, DynamicViscosityPas * 1e6, format);
    else
        block.AddValue(ByLanguage(report_text::ViscosityPasLabel), DynamicViscosityPas, format);
}

void ThermodynamicsPart(ReportBlock& block, MediumKind m) {
    if (FlowDensity > kSmallestDensity) {
        AddLabelled(block, SpecificVolumeLabel, 1000.0 / FlowDensity);
        if (!(m == MediumKind::Ozone && PhaseLetter != kPhaseNone))
            AddLabelled(block, KinematicViscosityLabel, DynamicViscosityPas / FlowDensity * 1e6);
    }
    // The user's media and the gases whose tables carry no enthalpy.
    const bool noEnthalpy =
        OneOf(m, {MediumKind::IdealGas, MediumKind::RealGas, MediumKind::Hydrogen, MediumKind::Ozone,
                  MediumKind::CarbonDioxide, MediumKind::CarbonMonoxide, MediumKind::Oil, MediumKind::Liquid});
    if (!noEnthalpy) AddLabelled(block, EnthalpyLabel, EnthalpyOperating);
}

// The three humidity measures the user did not give.
void HumidityMeasures(ReportBlock& block) {
    const struct {
        const std::string& label;
        double value;
    } measures[] = {
        {RelativeHumidityLabel, RelativeHumidity},
        {AbsoluteHumidityLabel, AbsoluteHumidity},
        {SpecificHumidityLabel, SpecificHumidity},
        {DewTemperatureLabel, DewTemperatureC},
    };
    const std::string& k = HumidityInputKind;
    const int given = k == kHumidityRelative   ? 0
                      : k == kHumidityAbsolute ? 1
                      : k == kHumiditySpecific ? 2
                      : k == kHumidityDewPoint ? 3
                                               : -1;
    if (given < 0) return;
    for (int i = 0; i < 4; ++i)
        if (i != given) block.AddValue(measures[i].label, measures[i].value);
}

// The gas and steam parts of a humid gas.
void HumidParts(ReportBlock& block) {
    block.AddValue(DryGasDensityLabel, DryGasDensity);
    if (DryGasDensity > kSmallestDensity) block.AddValue(DryGasSpecificVolumeLabel, 1.0 / DryGasDensity);
    const double gasPressure = OperatingPressure - VapourPressurePa;
    block.AddValue(ByLanguage(report_text::SteamPartialPressureLabel), VapourPressurePa * 0.001);
    block.AddValue(ByLanguage(report_text::GasPartialPressureLabel), gasPressure * 0.001);
    // Without a pressure there is no share to speak of: 0 rather than no number.
    block.AddValue(GasVolumePercentLabel, OperatingPressure != 0.0 ? gasPressure * 100.0 / OperatingPressure : 0.0);
    if (FlowDensity > kSmallestDensity)
        block.AddValue(SteamMassPercentLabel, (FlowDensity - DryGasDensity) / FlowDensity * 100.0);
    block.AddValue(SteamEnthalpyLabel,
                   ValueOrNothing([] { return SteamEnthalpyPT(VapourPressurePa, OperatingTemperature) * 0.001; }));
}

void InOwnBlock(void (*write)(ReportBlock&)) {
    ReportBlock block;
    write(block);
    block.Flush();
}

}  // namespace

void WriteRangeWarning(ReportBlock& block) {
    const MediumKind m = DecodeMedium(MediumCode);
    if (!GivenDensityMedium(m)) AddRangeWarning(block, m);
}

void WriteTemperatureLine(ReportBlock& block) {
    if (OperatingTemperature > kAbsoluteZeroCelsius) block.AddValue(TemperatureLabel, OperatingTemperature);
}

void WritePressureLine(ReportBlock& block) {
    block.AddValue(ByLanguage(report_text::StaticPressureKpaLabel), OperatingPressure * 0.001);
}

void WriteDensityZViscosityLines(ReportBlock& block) {
    const MediumKind m = DecodeMedium(MediumCode);
    DensityPart(block, m);
    DynamicViscosityPart(block, m);
    if (Thermodynamics()) ThermodynamicsPart(block, m);
}

void WriteKappaCpCvLines(ReportBlock& block) {
    // A liquefied gas taken as its liquid gives no heat capacities: all three are 0.
    if (KappaOperating == 0.0 && CpOperating == 0.0 && CvOperating == 0.0) return;
    if (CalcFunction == kFunctionPrimaryDevice || Thermodynamics()) AddLabelled(block, KappaLabel, KappaOperating);
    if (GivenDryMedium(DecodeMedium(MediumCode)) || !Thermodynamics()) return;
    AddLabelled(block, CpLabel, CpOperating);
    AddLabelled(block, CvLabel, CvOperating);
}

void WriteHumidityLines(ReportBlock& block) {
    // A liquefied gas taken as its liquid has no gas part to hold water vapour.
    const bool humid = HumidGasFlag && (DryGasDensity > 0.0 || VapourPartDensity > 0.0);
    if (humid && RelativeHumidity > 100.0)
        block.Add(ReportLine(ByLanguage(report_text::HumidityAbove100Warning), RelativeHumidity), RedLine());
    if (!Thermodynamics() || !humid) return;
    HumidityMeasures(block);
    if (MediumCode != kMediumMixture) HumidParts(block);
}

void WriteDensityAndHeatLines(ReportBlock& block) {
    WriteDensityZViscosityLines(block);
    WriteKappaCpCvLines(block);
}

void WriteStateLinesWithHumidity(ReportBlock& block) {
    WriteDensityAndHeatLines(block);
    WriteHumidityLines(block);
}

void WriteTemperatureAndStateLines(ReportBlock& block) {
    WriteTemperatureLine(block);
    WriteDensityAndHeatLines(block);
}

void WriteTemperatureLine(char, int&) { InOwnBlock(&WriteTemperatureLine); }
void WritePressureLine(char, int&) { InOwnBlock(&WritePressureLine); }
void WriteDensityZViscosityLines(char, int&) { InOwnBlock(&WriteDensityZViscosityLines); }
void WriteKappaCpCvLines(char, int&) { InOwnBlock(&WriteKappaCpCvLines); }
void WriteHumidityLines(char, int&) { InOwnBlock(&WriteHumidityLines); }
void WriteDensityAndHeatLines(char, int&) { InOwnBlock(&WriteDensityAndHeatLines); }
void WriteStateLinesWithHumidity(char, int&) { InOwnBlock(&WriteStateLinesWithHumidity); }
void WriteTemperatureAndStateLines(char, int&) { InOwnBlock(&WriteTemperatureAndStateLines); }

}  // namespace tubalyx
