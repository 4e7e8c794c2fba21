#include "property_tables/range_notes.h"

#include <cmath>
#include <string>

#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "state/property_labels.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

constexpr int kNoteWidth = 52;

const char* Pick(const char* s, const char* d, const char* e) {
    if (LanguageLetter == 'S') return s;
    if (LanguageLetter == 'D') return d;
    return e;
}

bool PressureMoved(double usedKPa, double requestedPa) { return std::fabs(usedKPa - 0.001 * requestedPa) > 0.1; }
bool TemperatureMoved(double usedK, double requestedC) { return std::fabs(usedK - (requestedC + 273.15)) > 0.1; }

std::string PressureState(double usedKPa) {
    if (usedKPa > 99999.9) return RangeNoteNumber(usedKPa * 0.001) + " MPa!.";
    return RangeNoteNumber(usedKPa) + " kPa!.";
}

std::string TemperatureState(double usedK, const char* ending) { return RangeNoteNumber(usedK - 273.15) + ending; }

void WriteDensityLines(const std::string& S) {
    if (MediumCode == "C3H8V") {
        DensityLabel = RangeNoteLine(Pick("[Densitet..vid ", "[Dichte..bei ", "[Density..at ") + S, "(kg/m3)] ");
        SpecificVolumeLabel = RangeNoteLine(
            Pick("[Volymitet vid ", "[Spezifisches Volumen bei ", "[Specific volume at ") + S, "(dm3/kg)] ");
    } else {
        DensityLabel = RangeNoteLine(
            Pick("[Densitet..(Z beräknat vid ", "[Dichte..(Z berechnet bei ", "[Density..(Z calculated at ") + S + ")",
            "(kg/m3)] ");
        SpecificVolumeLabel = RangeNoteLine(Pick("[Volymitet.(Z beräknat vid ", "[Spezifisches Volumen (Z ber.bei ",
                                                 "[Specific volume (Z calc.at ") +
                                                S + ")",
                                            "(dm3/kg)] ");
    }
}

void WriteHeatCapacityLines(const std::string& S) {
    CpLabel = RangeNoteLine(Pick("[Cp beräknat vid ", "[Cp berechnet bei ", "[Cp calculated at ") + S, "(J/(kg*K))] ");
    CvLabel = RangeNoteLine(Pick("[Cv beräknat vid ", "[Cv berechnet bei ", "[Cv calculated at ") + S, "(J/(kg*K))] ");
    KappaLabel = RangeNoteLine(Pick("[Kappa beräknat vid ", "[Kappa berechnet bei ", "[Kappa calculated at ") + S, "] ");
}

void WriteEnthalpyLine(const std::string& S) {
    EnthalpyLabel = RangeNoteLine(
        Pick("[Entalpi beräknat vid ", "[Entalpi berechnet bei ", "[Entalpi calculated at ") + S, "(kJ/kg)] ");
}

void WriteViscosityLines(const std::string& S) {
    DynamicViscosityLabel = RangeNoteLine(
        Pick("[Dynamisk viskositet vid ", "[Dynamische Viskosität bei ", "[Dynamic viscosity at ") + S,
        "(Pas*10E-6)] ");
    KinematicViscosityLabel = RangeNoteLine(
        Pick("[Kin. viskositet vid ", "[Kin. Viskosität bei ", "[Kin. viscosity at ") + S, "(m2/s*10E-6)] ");
}

}  // namespace

std::string RangeNoteNumber(double value) { return FormatFixed(value, 3); }

std::string RangeNoteLine(const std::string& opening, const std::string& tail) {
    const int fill = kNoteWidth - Utf8Length(opening) - Utf8Length(tail);
    return fill > 0 ? opening + std::string(fill, '.') + tail : opening + tail;
}

void WriteDensityRangeNote(double usedKPa, double requestedPa, double usedK, double requestedC) {
    DensityLabel = DensityLabelBase;
    SpecificVolumeLabel = SpecificVolumeLabelBase;
    if (PressureMoved(usedKPa, requestedPa))
        WriteDensityLines(PressureState(usedKPa));
    else if (TemperatureMoved(usedK, requestedC))
        WriteDensityLines(TemperatureState(usedK, "C!...."));
}

void WriteHeatCapacityRangeNote(double usedKPa, double requestedPa, double usedK, double requestedC) {
    CpLabel = CpLabelBase;
    CvLabel = CvLabelBase;
    KappaLabel = KappaLabelBase;
    if (PressureMoved(usedKPa, requestedPa))
        WriteHeatCapacityLines(PressureState(usedKPa));
    else if (TemperatureMoved(usedK, requestedC))
        WriteHeatCapacityLines(TemperatureState(usedK, "C!.."));
}

void WriteEnthalpyRangeNote(double usedKPa, double requestedPa, double usedK, double requestedC) {
    EnthalpyLabel = EnthalpyLabelBase;
    if (PressureMoved(usedKPa, requestedPa))
        WriteEnthalpyLine(PressureState(usedKPa));
    else if (TemperatureMoved(usedK, requestedC))
        WriteEnthalpyLine(TemperatureState(usedK, "C!.."));
}

void WriteViscosityRangeNote(double usedKPa, double requestedPa, double usedK, double requestedC) {
    DynamicViscosityLabel = DynamicViscosityLabelBase;
    KinematicViscosityLabel = KinematicViscosityLabelBase;
    if (PressureMoved(usedKPa, requestedPa)) WriteViscosityLines(PressureState(usedKPa));
    if (TemperatureMoved(usedK, requestedC)) WriteViscosityLines(TemperatureState(usedK, "C!.."));
}

}  // namespace tubalyx
