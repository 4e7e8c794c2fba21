#include "property_tables/range_notes.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "numerics/decimal_separator.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "state/keywords.h"
#include "state/property_labels.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

constexpr int kNoteWidth = 52;

const char* Pick(const char* s, const char* d, const char* e) {
    if (LanguageLetter == kLanguageSwedish) return s;
    if (LanguageLetter == kLanguageGerman) return d;
    return e;
}

bool PressureMoved(double usedKPa, double requestedPa) { return std::fabs(usedKPa - 0.001 * requestedPa) > 0.1; }
bool TemperatureMoved(double usedK, double requestedC) { return std::fabs(usedK - (requestedC + kKelvinOffset)) > 0.1; }

std::string PressureState(double usedKPa) {
    if (usedKPa > 99999.9) return RangeNoteNumber(usedKPa * 0.001) + " MPa!.";
    return RangeNoteNumber(usedKPa) + " kPa!.";
}

std::string TemperatureState(double usedK, const char* ending) {
    return RangeNoteNumber(usedK - kKelvinOffset) + ending;
}

void WriteDensityLines(const std::string& S) {
    if (MediumCode == kMediumPropaneLiquid) {
        DensityLabel = RangeNoteLine(Pick("[Densitet..vid ", "[Dichte..bei ", "[Density..at ") + S, "(kg/m3)] ");
        SpecificVolumeLabel = RangeNoteLine(
            Pick("[Volymitet vid ", "[Spezifisches Volumen bei ", "[Specific volume at ") + S, "(dm3/kg)] ");
    } else {
        DensityLabel = RangeNoteLine(
            Pick("[Densitet..(Z beräknat vid ", "[Dichte..(Z berechnet bei ", "[Density..(Z calculated at ") + S + ")",
            "(kg/m3)] ");
        SpecificVolumeLabel = RangeNoteLine(
            Pick("[Volymitet.(Z beräknat vid ", "[Spezifisches Volumen (Z ber.bei ", "[Specific volume (Z calc.at ") +
                S + ")",
            "(dm3/kg)] ");
    }
}

void WriteHeatCapacityLines(const std::string& S) {
    CpLabel = RangeNoteLine(Pick("[Cp beräknat vid ", "[Cp berechnet bei ", "[Cp calculated at ") + S, "(J/(kg*K))] ");
    CvLabel = RangeNoteLine(Pick("[Cv beräknat vid ", "[Cv berechnet bei ", "[Cv calculated at ") + S, "(J/(kg*K))] ");
    KappaLabel =
        RangeNoteLine(Pick("[Kappa beräknat vid ", "[Kappa berechnet bei ", "[Kappa calculated at ") + S, "] ");
}

void WriteEnthalpyLine(const std::string& S) {
    EnthalpyLabel = RangeNoteLine(
        Pick("[Entalpi beräknat vid ", "[Entalpi berechnet bei ", "[Entalpi calculated at ") + S, "(kJ/kg)] ");
}

void WriteViscosityLines(const std::string& S) {
    DynamicViscosityLabel =
        RangeNoteLine(Pick("[Dynamisk viskositet vid ", "[Dynamische Viskosität bei ", "[Dynamic viscosity at ") + S,
                      "(Pas*10E-6)] ");
    KinematicViscosityLabel = RangeNoteLine(
        Pick("[Kin. viskositet vid ", "[Kin. Viskosität bei ", "[Kin. viscosity at ") + S, "(m2/s*10E-6)] ");
}

// The lines of moved states, as the last calls of one writer made them. The property searches
// evaluate a table at a few clamped states many times over (a mixture's components each at its
// own): the lines depend on the state used, the language, the medium and the decimal separator
// alone, so a repeat copies them instead of formatting them again.
struct KeptLine {
    bool valid = false;
    char branch = ' ';
    std::uint64_t used = 0;
    char language = ' ', separator = ' ';
    std::string medium;
    std::string lines[3];
};

struct KeptLines {
    static constexpr std::size_t kStates = 8;
    std::array<KeptLine, kStates> states;
    std::size_t next = 0;  // the one a new state takes: the oldest
};

template <class Write>
void WriteKept(KeptLines& kept, char branch, double used, std::initializer_list<std::string*> labels, Write write) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(used);
    for (const KeptLine& k : kept.states) {
        if (k.valid && k.branch == branch && k.used == bits && k.language == LanguageLetter &&
            k.separator == DecimalSeparator() && k.medium == MediumCode) {
            int n = 0;
            for (std::string* label : labels) *label = k.lines[n++];
            return;
        }
    }
    KeptLine& k = kept.states[kept.next];
    kept.next = (kept.next + 1) % KeptLines::kStates;
    k.valid = false;
    write();
    int n = 0;
    for (std::string* label : labels) k.lines[n++] = *label;
    k.branch = branch;
    k.used = bits;
    k.language = LanguageLetter;
    k.separator = DecimalSeparator();
    k.medium = MediumCode;
    k.valid = true;
}

KeptLines keptDensity, keptHeatCapacity, keptEnthalpy, keptViscosityP, keptViscosityT;

}  // namespace

std::string RangeNoteNumber(double value) { return FormatFixed(value, 3); }

std::string RangeNoteLine(const std::string& opening, const std::string& tail) {
    const int fill = kNoteWidth - Utf8Length(opening) - Utf8Length(tail);
    return fill > 0 ? opening + std::string(fill, '.') + tail : opening + tail;
}

void WriteDensityRangeNote(double usedKPa, double requestedPa, double usedK, double requestedC) {
    DensityLabel = DensityLabelBase;
    SpecificVolumeLabel = SpecificVolumeLabelBase;
    const std::initializer_list<std::string*> labels = {&DensityLabel, &SpecificVolumeLabel};
    if (PressureMoved(usedKPa, requestedPa))
        WriteKept(keptDensity, 'P', usedKPa, labels, [&] { WriteDensityLines(PressureState(usedKPa)); });
    else if (TemperatureMoved(usedK, requestedC))
        WriteKept(keptDensity, 'T', usedK, labels, [&] { WriteDensityLines(TemperatureState(usedK, "C!....")); });
}

void WriteHeatCapacityRangeNote(double usedKPa, double requestedPa, double usedK, double requestedC) {
    CpLabel = CpLabelBase;
    CvLabel = CvLabelBase;
    KappaLabel = KappaLabelBase;
    const std::initializer_list<std::string*> labels = {&CpLabel, &CvLabel, &KappaLabel};
    if (PressureMoved(usedKPa, requestedPa))
        WriteKept(keptHeatCapacity, 'P', usedKPa, labels, [&] { WriteHeatCapacityLines(PressureState(usedKPa)); });
    else if (TemperatureMoved(usedK, requestedC))
        WriteKept(keptHeatCapacity, 'T', usedK, labels,
                  [&] { WriteHeatCapacityLines(TemperatureState(usedK, "C!..")); });
}

void WriteEnthalpyRangeNote(double usedKPa, double requestedPa, double usedK, double requestedC) {
    EnthalpyLabel = EnthalpyLabelBase;
    const std::initializer_list<std::string*> labels = {&EnthalpyLabel};
    if (PressureMoved(usedKPa, requestedPa))
        WriteKept(keptEnthalpy, 'P', usedKPa, labels, [&] { WriteEnthalpyLine(PressureState(usedKPa)); });
    else if (TemperatureMoved(usedK, requestedC))
        WriteKept(keptEnthalpy, 'T', usedK, labels, [&] { WriteEnthalpyLine(TemperatureState(usedK, "C!..")); });
}

void WriteViscosityRangeNote(double usedKPa, double requestedPa, double usedK, double requestedC) {
    DynamicViscosityLabel = DynamicViscosityLabelBase;
    KinematicViscosityLabel = KinematicViscosityLabelBase;
    const std::initializer_list<std::string*> labels = {&DynamicViscosityLabel, &KinematicViscosityLabel};
    if (PressureMoved(usedKPa, requestedPa))
        WriteKept(keptViscosityP, 'P', usedKPa, labels, [&] { WriteViscosityLines(PressureState(usedKPa)); });
    if (TemperatureMoved(usedK, requestedC))
        WriteKept(keptViscosityT, 'T', usedK, labels, [&] { WriteViscosityLines(TemperatureState(usedK, "C!..")); });
}

}  // namespace tubalyx
