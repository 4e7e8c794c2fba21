#include "property_tables/saturation_states.h"

#include <cmath>

#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "property_tables/argon.h"
#include "property_tables/nitrogen.h"
#include "property_tables/oxygen.h"
#include "property_tables/range_notes.h"
#include "property_tables/saturation_data.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/property_labels.h"
#include "state/selections.h"

namespace tubalyx {
namespace {

using GasFunction = double (*)(double P, double t);

struct TwoSidedMedium {
    const TwoSidedSaturationRow* rows;
    int n;
    double margin;       // K
    int viscosityFirst;  // first and last row (0-based) with a liquid viscosity;
    int viscosityLast;   // -1: found by scanning for positive viscosities
    GasFunction viscosity, enthalpy, cp, cv;
    bool pressureNotes;  // nitrogen: a second set of notes against the operating pressure
};

// Row k (0-based) such that rows k and k+1 enclose T, searched downward from row `top`.
template <typename Row>
int SearchRow(const Row* rows, int top, int bottom, double T) {
    int k = top;
    do {
        --k;
    } while (k > bottom && T < rows[k].temperature);
    return k;
}

// Linear interpolation in temperature between rows k and k+1.
double Interpolate(double T, double Tk, double Tk1, double yk, double yk1) {
    const double wk = std::fabs(Tk1 - T);
    const double wk1 = std::fabs(T - Tk);
    return CheckedDiv(wk * yk + wk1 * yk1, wk + wk1);
}

template <typename Row, typename Field>
double Column(const Row* rows, int k, double T, Field field) {
    return Interpolate(T, rows[k].temperature, rows[k + 1].temperature, rows[k].*field, rows[k + 1].*field);
}

void TwoSidedState(const TwoSidedMedium& m, bool notesOn, char phase, double& t, double& pSat, double& density,
                   double& enthalpy, double& viscosity, double& cp, double& cv, double& kappa) {
    const TwoSidedSaturationRow* rows = m.rows;
    const int n = m.n;
    const double requested = t;
    const double Treq = t + kKelvinOffset;
    const double Tu = MaxDouble(MinDouble(Treq, rows[n - 1].temperature - m.margin), rows[0].temperature + m.margin);
    const int k = SearchRow(rows, n - 1, 0, Tu);
    pSat = Column(rows, k, Tu, &TwoSidedSaturationRow::pressure) * 100000;

    // The liquid viscosity has its own, shorter temperature range.
    double Tv = 0;
    int kv = 0;
    if (m.viscosityFirst >= 0) {
        const int lo = m.viscosityFirst, hi = m.viscosityLast;
        Tv = MaxDouble(MinDouble(Treq, rows[hi].temperature - 0.001), rows[lo].temperature + 0.001);
        kv = SearchRow(rows, hi, lo, Tv);
    } else {
        double Tmin = 1e99, Tmax = -1e99;
        for (int i = 0; i < n; ++i) {
            if (rows[i].liquidViscosity > 0) {
                Tmin = MinDouble(Tmin, rows[i].temperature);
                Tmax = MaxDouble(Tmax, rows[i].temperature);
            }
        }
        Tv = MaxDouble(MinDouble(Treq, Tmax - 0.0001), Tmin + 0.0001);
        kv = SearchRow(rows, n - 1, 0, Tv);
    }

    const bool vapour = IsVapourPhase(phase);
    if (vapour) {
        density = CheckedDiv(1000, Column(rows, k, Tu, &TwoSidedSaturationRow::vapourVolume));
        enthalpy = Column(rows, k, Tu, &TwoSidedSaturationRow::vapourEnthalpy);
        viscosity = m.viscosity(pSat, requested);
        cp = m.cp(pSat, requested);
        cv = m.cv(pSat, requested);
        kappa = CheckedDiv(cp, cv);
    } else {
        density = CheckedDiv(1000, Column(rows, k, Tu, &TwoSidedSaturationRow::liquidVolume));
        enthalpy = Column(rows, k, Tu, &TwoSidedSaturationRow::liquidEnthalpy);
        viscosity = Column(rows, kv, Tv, &TwoSidedSaturationRow::liquidViscosity);
    }

    // The enthalpy is counted from the gas at 101325 Pa and 0 degC. The reference is taken
    // before the notes are written: the gas table writes its own (empty) enthalpy note for the
    // reference state, which would otherwise wipe the note of a clamped temperature.
    const double reference = m.enthalpy(kStandardAtmospherePa, 0);

    if (notesOn) {
        WriteSaturatedRangeNote(0, 0, Tu, requested);
        WriteEnthalpyRangeNote(0, 0, Tu, requested);
        if (vapour) {
            WriteViscosityRangeNote(0, 0, Tu, requested);
            WriteHeatCapacityRangeNote(0, 0, Tu, requested);
        } else {
            WriteViscosityRangeNote(0, 0, Tv, requested);
        }
    }
    enthalpy = enthalpy - reference;
    if (m.pressureNotes && notesOn) {
        WriteSaturatedRangeNote(0.001 * pSat, OperatingPressure, Tu, requested);
        WriteEnthalpyRangeNote(0.001 * pSat, OperatingPressure, Tu, requested);
        WriteViscosityRangeNote(0.001 * pSat, OperatingPressure, Tv, requested);
    }
    t = Tu - kKelvinOffset;
}

enum class LiquidColumns { DensityAndViscosity, DensityOnly };

void LiquidOnlyState(const LiquidSaturationRow* rows, int n, LiquidColumns columns, bool notesOn, char phase, double& t,
                     double& pSat, double& density, double& viscosity) {
    const double requested = t;
    const double Tu =
        MaxDouble(MinDouble(t + kKelvinOffset, rows[n - 1].temperature - 0.001), rows[0].temperature + 0.001);
    const int k = SearchRow(rows, n - 1, 0, Tu);
    pSat = Column(rows, k, Tu, &LiquidSaturationRow::pressure) * 1000;
    if (!IsVapourPhase(phase)) {
        density = Column(rows, k, Tu, &LiquidSaturationRow::liquidDensity);
        if (columns == LiquidColumns::DensityAndViscosity) {
            viscosity = Column(rows, k, Tu, &LiquidSaturationRow::liquidViscosity);
        }
        if (notesOn) {
            WriteSaturatedRangeNote(0, 0, Tu, requested);
            if (columns == LiquidColumns::DensityAndViscosity) WriteViscosityRangeNote(0, 0, Tu, requested);
        }
    }
    t = Tu - kKelvinOffset;
}

// One bracketed label line: prefix, note, dots up to 52 characters, unit tail.
std::string BracketedLine(const std::string& prefix, const std::string& note, const std::string& tail) {
    const std::string head = prefix + note;
    std::string line = head + tail;
    for (int guard = 0; guard < 64 && Utf8Length(line) < 52; ++guard) line.insert(head.size(), 1, '.');
    return line;
}

}  // namespace

void WriteSaturatedVolumeLabel(const std::string& note) {
    const char* prefix = LanguageLetter == kLanguageSwedish  ? "[Volymitet...(beräknad vid "
                         : LanguageLetter == kLanguageGerman ? "[Spezifisches Volumen...(bei "
                                                             : "[Specific volume...(calc. at ";
    SpecificVolumeLabel = BracketedLine(prefix, note, "(dm3/kg)] ");
}

void WriteSaturatedDensityLabel(const std::string& note) {
    const char* prefix = LanguageLetter == kLanguageSwedish  ? "[Densitet....(beräknad vid "
                         : LanguageLetter == kLanguageGerman ? "[Dichte....(berechnet bei  "
                                                             : "[Density....(calculated at ";
    DensityLabel = BracketedLine(prefix, note, "(kg/m3)] ");
}

void WriteSaturatedRangeNote(double usedPressure, double requestedPressure, double usedTemperature,
                             double requestedTemperature) {
    DensityLabel = DensityLabelBase;
    SpecificVolumeLabel = SpecificVolumeLabelBase;
    std::string note;
    if (std::fabs(usedPressure - 0.001 * requestedPressure) > 0.1) {
        note = usedPressure <= 99999.9 ? FormatGeneral(usedPressure) + " kPa!...."
                                       : FormatGeneral(0.001 * usedPressure) + " MPa!....";
    } else if (std::fabs(usedTemperature - (requestedTemperature + kKelvinOffset)) > 0.1) {
        note = FormatGeneral(usedTemperature - kKelvinOffset) + "C!....";
    } else {
        return;
    }
    WriteSaturatedVolumeLabel(note);
    WriteSaturatedDensityLabel(note);
}

void ArgonSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                           double& viscosity, double& cp, double& cv, double& kappa) {
    // Liquid viscosity on the rows 85 K to 145 K.
    static constexpr TwoSidedMedium kArgon{kArgonSaturation, kArgonSaturationRows, 0.001,     2,         63,
                                           ArgonViscosityPT, ArgonEnthalpyPT,      ArgonCpPT, ArgonCvPT, false};
    TwoSidedState(kArgon, notesOn, phase, t, pSat, density, enthalpy, viscosity, cp, cv, kappa);
}

void OxygenSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                            double& viscosity, double& cp, double& cv, double& kappa) {
    // Liquid viscosity on the rows 60 K to 150 K.
    static constexpr TwoSidedMedium kOxygen{kOxygenSaturation, kOxygenSaturationRows, 0.001,      6,          97,
                                            OxygenViscosityPT, OxygenEnthalpyPT,      OxygenCpPT, OxygenCvPT, false};
    TwoSidedState(kOxygen, notesOn, phase, t, pSat, density, enthalpy, viscosity, cp, cv, kappa);
}

void NitrogenSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                              double& viscosity, double& cp, double& cv, double& kappa) {
    static constexpr TwoSidedMedium kNitrogen{
        kNitrogenSaturation, kNitrogenSaturationRows, 0.0001,       -1,           -1,
        NitrogenViscosityPT, NitrogenEnthalpyPT,      NitrogenCpPT, NitrogenCvPT, true};
    TwoSidedState(kNitrogen, notesOn, phase, t, pSat, density, enthalpy, viscosity, cp, cv, kappa);
}

void HydrogenSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                              double& viscosity, double& cp, double& cv, double& kappa) {
    LiquidOnlyState(kHydrogenSaturation, kHydrogenSaturationRows, LiquidColumns::DensityAndViscosity, notesOn, phase, t,
                    pSat, density, viscosity);
}

void CarbonDioxideSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                                   double& viscosity, double& cp, double& cv, double& kappa) {
    LiquidOnlyState(kCarbonDioxideSaturation, kCarbonDioxideSaturationRows, LiquidColumns::DensityAndViscosity, notesOn,
                    phase, t, pSat, density, viscosity);
}

void OzoneSaturationStateT(bool notesOn, char phase, double& t, double& pSat, double& density, double& enthalpy,
                           double& viscosity, double& cp, double& cv, double& kappa) {
    LiquidOnlyState(kOzoneSaturation, kOzoneSaturationRows, LiquidColumns::DensityOnly, notesOn, phase, t, pSat,
                    density, viscosity);
}

}  // namespace tubalyx
