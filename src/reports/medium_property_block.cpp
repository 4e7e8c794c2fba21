#include "reports/medium_property_block.h"

#include <cmath>

#include "media/medium_identification.h"
#include "media/natural_gas.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/text_utils.h"
#include "reports/medium_listing.h"
#include "reports/medium_state_lines.h"
#include "reports/report_window.h"
#include "state/composition.h"
#include "state/geometry.h"
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

// The methane note's size: the start size × 58 div its length in the language.
constexpr int kMethaneNoteDivisorS = 61, kMethaneNoteDivisorD = 64, kMethaneNoteDivisorE = 58;

// clang-format off
constexpr const char* kReferenceStateNote = "**=15 C/101.325 kPaA before and after combustion";
constexpr const char* kSuperiorVolumeLabel = "Superior calorif. val.at **/condensed H2O(MJ/Nm3*)= ";
constexpr const char* kInferiorMassLabel = "Inferior cal.value at ** /uncondensed H2O  (MJ/kg)= ";
constexpr const char* kInferiorVolumeLabel = "Inferior calorific v. at ** /unc. H2O    (MJ/Nm3*)= ";
constexpr const char* kWobbeLabel = "Wobbe index at **              (cond. H2O)(MJ/Nm3)= ";

// clang-format on

// The reference state of the calorific values and of the normal cubic metre.
constexpr double kReferenceTemperatureC = 15.0;
// 1 / 1.2254: the reciprocal of the density of dry air (kg/m3) at the reference state, which
// turns a gas density into the relative density of the Wobbe index.
constexpr double kPerDryAirDensity = 0.81606006;

// Molar masses (kg/kmol) of the ten grid components; water vapour does not enter the
// calorific values.
constexpr double kComponentMolarMass[10] = {16.043, 30.07, 44.097, 58.123, 72.15, 28.0135, 44.01, 2.0159, 28.01, 0.0};
// Gross and net molar calorific values at 15 C (ISO 6976), kJ/mol, of the five hydrocarbons;
// the inert gases, hydrogen and carbon monoxide count with none.
constexpr double kGrossMolarValue[5] = {891.56, 1562.14, 2221.1, 2879.76, 3538.6};
constexpr double kNetMolarValue[5] = {802.69, 1428.84, 2043.37, 2657.6, 3272.0};

// A molar mass of a single gas above this is worth a line; the media without one read 1.
constexpr double kNoMolarMass = 1.0000000001;
// A range note shorter than this is no note (the property routines leave " " for none).
constexpr int kShortestRangeNote = 4;

bool Thermodynamics() { return CalcFunction == kFunctionThermodynamics; }

// The table note of the state, in red, where there is one.
void AddTableNote(ReportBlock& block) {
    if (Utf8Length(TableRangeNote) >= kShortestRangeNote) block.Add(TableRangeNote, RedLine());
}
bool BigReport() { return CurrentReportSize() == ReportSizeKind::Big; }

void MethaneNote(ReportBlock& block) {
    const int divisor = LanguageLetter == kLanguageEnglish  ? kMethaneNoteDivisorE
                        : LanguageLetter == kLanguageGerman ? kMethaneNoteDivisorD
                                                            : kMethaneNoteDivisorS;
    // The rest of the block keeps the note's size.
    block.SetLineSize(FittedReportSize(block.StartSize(), divisor));
    block.Add(ByLanguage(report_text::MethanePropertiesNote));
}

double ReferenceDensity() {
    return GasCompressibilityDetailed(GasComposition, NaturalGasZ, kStandardAtmospherePa, kReferenceTemperatureC);
}

void CalorificLines(ReportBlock& block) {
    const double fractions[10] = {
        NaturalGasMethane,  NaturalGasEthane,        NaturalGasPropane,  NaturalGasButanes,        NaturalGasPentanes,
        NaturalGasNitrogen, NaturalGasCarbonDioxide, NaturalGasHydrogen, NaturalGasCarbonMonoxide, NaturalGasWater};
    const CalorificValues values = NaturalGasCalorificValues(fractions);
    const std::string& sep = ReportSeparator;
    block.AddValue(ByLanguage(report_text::SuperiorCalorificMassLabel), values.superior);
    block.Add(kReferenceStateNote);
    const double rho = ReferenceDensity();
    block.AddValue(kSuperiorVolumeLabel, values.superior * rho);
    block.Add("*Nm3 at " + sep + "15" + sep + " C/" + sep + "101.325" + sep + " kPaA");
    block.AddValue(kInferiorMassLabel, values.inferior);
    block.AddValue(kInferiorVolumeLabel, values.inferior * ReferenceDensity());
    if (rho > 0.0) block.AddValue(kWobbeLabel, WobbeIndex(values.superior, rho));
}

// The average molar mass of the humid composition grid, with the user's own molar mass for
// a user-defined component.
double GridAverageMolarMass() {
    const TStringGrid& grid = ReportWriterWindow().ViktVolprocgridfukt;
    double sum = 0.0;
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        const std::string& keyword = MixtureComponentKeyword[row];
        const double molarMass = keyword == kMediumGas ? MixtureMolarMass[row] : MolarMass(keyword);
        sum += StrToFloatSafe(grid.Cell(5, row)) * molarMass * 0.01;
    }
    return sum;
}

void ThermodynamicsClosingLines(ReportBlock& block, MediumKind m) {
    const bool composed = m == MediumKind::Mixture || m == MediumKind::NaturalGas;
    if (composed)
        AverageMolarMass = GridAverageMolarMass();
    else
        AverageMolarMass = m == MediumKind::IdealGas ? GivenMolarMass : MolarMass(MediumCode);
    const char* label =
        TextOf(composed ? report_text::TableGasMolarMassLabel : report_text::MolarMassLabel, LanguageLetter);
    if (!label) return;
    if (composed || AverageMolarMass > kNoMolarMass) block.AddValue(label, AverageMolarMass);
}

void CorrectionFactorLines(ReportBlock& block) {
    // Every report has the throat's factor but a valve's and a volume meter's. The line pages
    // give that of the bore typed, whatever device the device page last chose.
    const bool throat = CalcFunction == kFunctionPrimaryDevice
                            ? DeviceCode != kDeviceVolumeMeter
                            : CalcFunction != kFunctionValve || ValveSubtype == kSubtypeRestriction;
    // A cold diameter of 0 gives no factor: its line is left out.
    if (throat) block.AddValue(ThroatCorrectionLabel, BoreDiameter / BoreDiameterColdM);
    block.AddValue(PipeCorrectionLabel, PipeDiameter / PipeDiameterColdM);
}

void StateLines(ReportBlock& block, MediumKind m) {
    switch (m) {
        case MediumKind::Water:
        case MediumKind::Liquid:
        case MediumKind::PropaneLiquid:
        case MediumKind::Oil: WriteDensityZViscosityLines(block); break;
        case MediumKind::IdealGas:
        case MediumKind::RealGas:
        case MediumKind::Air:
        case MediumKind::Methane:
        case MediumKind::Propane:
        case MediumKind::Ammonia:
        case MediumKind::Mixture: WriteStateLinesWithHumidity(block); break;
        case MediumKind::Steam: WriteDensityAndHeatLines(block); break;
        case MediumKind::WetSteam: WriteTemperatureAndStateLines(block); break;
        case MediumKind::NaturalGas:
            MethaneNote(block);
            WriteStateLinesWithHumidity(block);
            ReadGasComposition();
            if (Thermodynamics()) CalorificLines(block);
            break;
        case MediumKind::Argon:
        case MediumKind::CarbonDioxide:
        case MediumKind::CarbonMonoxide:
        case MediumKind::Nitrogen:
        case MediumKind::Oxygen: WriteStateLinesByStateLetter(block); break;
        case MediumKind::Hydrogen:
            if (IsLiquidPhase(PhaseLetter)) {
                if (PhaseLetter == kPhaseLiquidAtTemperature)
                    WritePressureLine(block);
                else
                    WriteTemperatureLine(block);
                WriteDensityZViscosityLines(block);
            } else {
                WriteStateLinesWithHumidity(block);
            }
            break;
        case MediumKind::Ozone:
            block.Add(ByLanguage(report_text::CarbonDioxidePropertiesNote));
            WriteStateLinesByStateLetter(block);
            break;
        case MediumKind::Other: break;
    }
}

}  // namespace

CalorificValues NaturalGasCalorificValues(const double (&x)[10]) {
    double molarMass = 0.0, gross = 0.0, net = 0.0;
    for (int i = 0; i < 10; ++i) molarMass += kComponentMolarMass[i] * x[i];
    for (int i = 0; i < 5; ++i) {
        gross += kGrossMolarValue[i] * x[i];
        net += kNetMolarValue[i] * x[i];
    }
    if (!(molarMass > 0.0)) return {};
    return {gross / molarMass, net / molarMass};
}

double WobbeIndex(double superiorMassValue, double referenceDensity) {
    if (!(referenceDensity > 0.0)) return 0.0;
    return superiorMassValue * referenceDensity / std::sqrt(kPerDryAirDensity * referenceDensity);
}

void WriteStateLinesByStateLetter(ReportBlock& block) {
    switch (PhaseLetter) {
        case kPhaseNone:
        case kPhaseVapourAtTemperature:
        case kPhaseVapourAtPressure:
            if (PhaseLetter == kPhaseVapourAtTemperature) WritePressureLine(block);
            if (PhaseLetter == kPhaseVapourAtPressure) WriteTemperatureLine(block);
            WriteStateLinesWithHumidity(block);
            break;
        default:
            if (PhaseLetter == kPhaseLiquidAtTemperature) WritePressureLine(block);
            if (PhaseLetter == kPhaseLiquidAtPressure) WriteTemperatureLine(block);
            WriteDensityZViscosityLines(block);
            break;
    }
}

void WriteStateLinesByStateLetter(char, int&) {
    ReportBlock block;
    WriteStateLinesByStateLetter(block);
    block.Flush();
}

void WriteMediumStateWarnings(bool tableNote) {
    ReportBlock block;
    if (tableNote) AddTableNote(block);
    WriteRangeWarning(block);
    block.Flush();
}

void WriteMediumPropertyBlock(char kind, int& position) {
    ReportBlock block;
    AddTableNote(block);
    const MediumKind m = DecodeMedium(MediumCode);
    const bool big = BigReport();
    if (Thermodynamics() && big && HumidGasFlag && (m == MediumKind::Mixture || m == MediumKind::NaturalGas))
        WriteCompositionLines(kind, true, block);
    StateLines(block, m);
    if (big) {
        if (Thermodynamics())
            ThermodynamicsClosingLines(block, m);
        else
            CorrectionFactorLines(block);
    }
    block.Flush();
}

}  // namespace tubalyx
