#include "reports/medium_state_lines.h"

#include "media/steam_equations.h"
#include "numerics/report_format.h"
#include "reports/report_window.h"
#include "reports/result_report_detail.h"
#include "state/composition.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/caption_data.h"
#include "texts/language_text.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"
#include "texts/window_access.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

ReportMedium DecodeReportMedium(const std::string& code) {
    static const struct {
        const char* code;
        ReportMedium medium;
    } kCodes[] = {
        {"VAT", ReportMedium::Water},         {"ANG", ReportMedium::Steam},
        {"MNG", ReportMedium::WetSteam},      {"VÄT", ReportMedium::Liquid},
        {"GAS", ReportMedium::IdealGas},      {"IGAS", ReportMedium::RealGas},
        {"LUF", ReportMedium::Air},           {"G", ReportMedium::Mixture},
        {"NGAS", ReportMedium::NaturalGas},   {"OLJA", ReportMedium::Oil},
        {"C3H8", ReportMedium::Propane},      {"C3H8V", ReportMedium::PropaneLiquid},
        {"CO2", ReportMedium::CarbonDioxide}, {"CO", ReportMedium::CarbonMonoxide},
        {"N2", ReportMedium::Nitrogen},       {"O2", ReportMedium::Oxygen},
        {"H2", ReportMedium::Hydrogen},       {"AR", ReportMedium::Argon},
        {"O3", ReportMedium::Ozone},          {"NH3", ReportMedium::Ammonia},
        {"CH4", ReportMedium::Methane},
    };
    for (const auto& c : kCodes)
        if (code == c.code) return c.medium;
    return ReportMedium::Other;
}

namespace {

using result_detail::ValueOrNothing;

// The equations of water and steam hold up to 800 C, those of liquid water up to 350 C, and
// neither below 0 C or above 100 MPa.
constexpr double kSteamTemperatureLimitC = 800.0;
constexpr double kWaterTemperatureLimitC = 350.0;
constexpr double kPressureLimitPa = 1e8;
// Dynamic viscosities from here on are written in Pa s, below it in 1e-6 Pa s.
constexpr double kLargeViscosityPas = 0.1;
// A density below this is no density to divide by.
constexpr double kSmallestDensity = 1e-10;
constexpr double kAbsoluteZeroC = -273.15;

// Red when a property table has marked the label with its range note.
LineFormat ColourRule(const std::string& label) {
    return label.find("!.") != std::string::npos ? RedLine() : LineFormat{};
}

void AddLabelled(ReportBlock& block, const std::string& label, double value) {
    block.AddValue(label, value, ColourRule(label));
}

bool Thermodynamics() { return CalcFunction == "Termo"; }

bool OneOf(ReportMedium m, std::initializer_list<ReportMedium> set) {
    for (ReportMedium s : set)
        if (m == s) return true;
    return false;
}

bool IsWaterOrSteam(ReportMedium m) {
    return OneOf(m, {ReportMedium::Water, ReportMedium::Steam, ReportMedium::WetSteam});
}

// The user's own media whose state is given, not computed, unless they are humid.
bool GivenDryMedium(ReportMedium m) {
    return !HumidGasFlag && OneOf(m, {ReportMedium::IdealGas, ReportMedium::RealGas, ReportMedium::Liquid});
}

// Empty when the state is within the equations; one blank when only the property solve ran
// into its step bound.
std::string RangeNote(ReportMedium m) {
    std::string note;
    if (PropertyIterationCount >= PropertyIterationLimit) note = " ";
    if (!IsWaterOrSteam(m)) return note;
    if (OperatingTemperature > kSteamTemperatureLimitC)
        note = "TEMP > 800 C ";
    else if (m == ReportMedium::Water && OperatingTemperature > kWaterTemperatureLimitC)
        note = "TEMP > 350 C ";
    else if (OperatingTemperature < 0.0)
        note = "TEMP < 0 C ";
    if (OperatingPressure > kPressureLimitPa) note += ByLanguage(report_text::PressureAbove100MPaNote);
    return note;
}

void DensityPart(ReportBlock& block, ReportMedium m) {
    if (!HumidGasFlag && OneOf(m, {ReportMedium::IdealGas, ReportMedium::Liquid})) return;
    const std::string note = RangeNote(m);
    if (!note.empty()) {
        block.Add(ByLanguage(report_text::OutsideTableLimitsWarning), RedLine());
        if (note != " ") block.Add(note, RedLine());
    }
    const LineFormat format = ColourRule(DensityLabel);
    block.AddValue(DensityLabel, FlowDensity, format);
    if (m == ReportMedium::NaturalGas && Thermodynamics())
        block.AddValue(ByLanguage(report_text::CompressionFactorLabel), NaturalGasZ, format);
}

void DynamicViscosityPart(ReportBlock& block, ReportMedium m) {
    if (!HumidGasFlag && OneOf(m, {ReportMedium::IdealGas, ReportMedium::RealGas, ReportMedium::Liquid}) &&
        ReportWriterWindow().qbgsort.Text() == "Pas*E-6")
        return;
    if (m == ReportMedium::Ozone && PhaseLetter != 'N') return;
    const LineFormat format = ColourRule(DynamicViscosityLabel);
    if (DynamicViscosityPas < kLargeViscosityPas)
        block.AddValue(DynamicViscosityLabel, DynamicViscosityPas * 1e6, format);
    else
        block.AddValue(ByLanguage(report_text::ViscosityPasLabel), DynamicViscosityPas, format);
}

void ThermodynamicsPart(ReportBlock& block, ReportMedium m) {
    if (FlowDensity > kSmallestDensity) {
        AddLabelled(block, SpecificVolumeLabel, 1000.0 / FlowDensity);
        if (!(m == ReportMedium::Ozone && PhaseLetter != 'N'))
            AddLabelled(block, KinematicViscosityLabel, DynamicViscosityPas / FlowDensity * 1e6);
    }
    // The user's media and the gases whose tables carry no enthalpy.
    const bool noEnthalpy =
        OneOf(m, {ReportMedium::IdealGas, ReportMedium::RealGas, ReportMedium::Hydrogen, ReportMedium::Ozone,
                  ReportMedium::CarbonDioxide, ReportMedium::CarbonMonoxide, ReportMedium::Oil, ReportMedium::Liquid});
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
    const int given = k == "R" ? 0 : k == "A" ? 1 : k == "S" ? 2 : k == "D" ? 3 : -1;
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

void WriteTemperatureLine(ReportBlock& block) {
    if (OperatingTemperature > kAbsoluteZeroC) block.AddValue(TemperatureLabel, OperatingTemperature);
}

void WritePressureLine(ReportBlock& block) {
    block.AddValue(ByLanguage(report_text::StaticPressureKpaLabel), OperatingPressure * 0.001);
}

void WriteDensityZViscosityLines(ReportBlock& block) {
    const ReportMedium m = DecodeReportMedium(MediumCode);
    DensityPart(block, m);
    DynamicViscosityPart(block, m);
    if (Thermodynamics()) ThermodynamicsPart(block, m);
}

void WriteKappaCpCvLines(ReportBlock& block) {
    if (CalcFunction == "Strypf" || Thermodynamics()) AddLabelled(block, KappaLabel, KappaOperating);
    if (GivenDryMedium(DecodeReportMedium(MediumCode)) || !Thermodynamics()) return;
    AddLabelled(block, CpLabel, CpOperating);
    AddLabelled(block, CvLabel, CvOperating);
}

void WriteHumidityLines(ReportBlock& block) {
    if (HumidGasFlag && RelativeHumidity > 100.0)
        block.Add(ReportLine(ByLanguage(report_text::HumidityAbove100Warning), RelativeHumidity), RedLine());
    if (!Thermodynamics() || !HumidGasFlag) return;
    HumidityMeasures(block);
    if (MediumCode != "G") HumidParts(block);
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
