#include "property_tables/range_notes.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "numerics/decimal_separator.h"
#include "numerics/text_utils.h"
#include "texts/report_labels.h"
#include "ui/selection_state.h"

namespace tubalyx {

namespace {

constexpr int kNoteWidth = 52;

// Decimal digits of |x| rounded half away from zero to `sig` significant digits; exp10 is the
// decimal exponent of the first digit. glibc prints the exact binary value, so a tie is seen.
void RoundSignificant(double x, int sig, std::string& digits, int& exp10) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.60e", std::fabs(x));
    std::string all;
    const char* s = buf;
    for (; *s && *s != 'e'; ++s)
        if (*s >= '0' && *s <= '9') all += *s;
    exp10 = std::atoi(s + 1);
    digits = all.substr(0, sig);
    if (all.size() > static_cast<size_t>(sig) && all[sig] >= '5') {
        int k = sig - 1;
        while (k >= 0 && digits[k] == '9') digits[k--] = '0';
        if (k >= 0)
            ++digits[k];
        else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exp10;
        }
    }
}

// Fixed notation of x with `dec` decimals, rounded half away from zero.
std::string FixedText(double x, int dec, char sep) {
    if (x == 0.0) return dec > 0 ? "0" + std::string(1, sep) + std::string(dec, '0') : "0";
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.60e", std::fabs(x));
    int exp10 = std::atoi(std::strchr(buf, 'e') + 1);
    const int sig = exp10 + 1 + dec;  // digits kept
    std::string digits;
    int e = exp10;
    if (sig <= 0) {
        // Rounds to 0 or to one unit of the last decimal.
        const double unit = std::pow(10.0, -dec);
        digits = std::fabs(x) >= 0.5 * unit ? "1" : "0";
        e = -dec;
    } else {
        RoundSignificant(x, sig, digits, e);
        if (e != exp10) digits += '0';  // carried into a new leading digit
    }
    std::string whole, frac;
    const int intDigits = e + 1;
    if (intDigits > 0) {
        whole = digits.substr(0, std::min<int>(intDigits, digits.size()));
        while (static_cast<int>(whole.size()) < intDigits) whole += '0';
        frac = static_cast<int>(digits.size()) > intDigits ? digits.substr(intDigits) : "";
    } else {
        whole = "0";
        frac = std::string(-intDigits, '0') + digits;
    }
    while (static_cast<int>(frac.size()) < dec) frac += '0';
    frac = frac.substr(0, dec);
    bool zero = true;
    for (char c : whole + frac) zero = zero && c == '0';
    std::string out = (x < 0 && !zero) ? "-" : "";
    out += whole;
    if (dec > 0) out += sep + frac;
    return out;
}

// Exponent notation of x rounded to p significant digits, trailing zeros dropped.
std::string ExponentText(double x, int p, char sep) {
    std::string digits;
    int e = 0;
    RoundSignificant(x, p, digits, e);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out = x < 0 ? "-" : "";
    out += digits[0];
    if (digits.size() > 1) out += sep + digits.substr(1);
    out += "E" + std::to_string(e);
    return out;
}

// The report number format: W digit and sign characters, right-aligned in W + 1.
std::string FormatFixedText(double value, int W) {
    std::string t;
    if (std::isnan(value))
        t = "NAN";
    else if (std::isinf(value))
        t = "INF";
    else {
        const char sep = DecimalSeparator();
        const int P = W < 2 ? 2 : (W > 18 ? 18 : W);
        const double whole = std::round(value);
        if (std::fabs(whole) >= 1e18) {
            t = ExponentText(value, P, sep);
        } else {
            const std::string t0 = FixedText(value, 0, sep);
            int D = W - static_cast<int>(t0.size());
            if (D < 0) D = 0;
            t = FixedText(value, D, sep);
            int wholeDigits = 0;
            for (char c : t) {
                if (c == sep) break;
                if (c >= '0' && c <= '9') ++wholeDigits;
            }
            if (wholeDigits > P) t = ExponentText(value, P, sep);
        }
    }
    return PadLeft(t, W + 1);
}

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

std::string RangeNoteNumber(double value) { return FormatFixedText(value, 3); }

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
