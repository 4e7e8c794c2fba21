#pragma once
// The calculation state that the medium targets draw: keyword, phase, calculation, the
// user's gas and oil, the humidity, a natural-gas composition and, for the mixture, the rows
// of the humid composition grid. Every global the medium routines read is set on each input,
// so an input replays alone.
#include <string>

#include "fuzz_support.h"
#include "media/gas_mixture.h"
#include "media/natural_gas.h"
#include "numerics/decimal_separator.h"
#include "numerics/report_format.h"
#include "state/composition.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "texts/report_labels.h"
#include "ui/composition_grid.h"
#include "ui/form1.h"

namespace tubalyx::fuzz {

inline const char* const kMediumKeywords[] = {
    "VAT", "ANG", "MNG", "VÄT", "GAS", "IGAS", "LUF", "G",    "NGAS",  "OLJA",  "C3H8", "C3H8V", "CO2", "CO",
    "N2",  "O2",  "H2",  "AR",  "O3",  "NH3",  "CH4", "C2H6", "C4H10", "C5H12", "He",   "",      "luf", "XYZ",
};

inline const char kPhaseLetters[] = {'N', 'G', 'V', 'H', 'X', 'n'};

inline const char* const kViscosityUnits[] = {"Pas*E-6", "cP", "mPas", "cSt", "m2/s", "kg/h"};

struct MediumInputs {
    std::string keyword;
    double P = 101325.0, t = 20.0, relativeHumidity = 0.0;
    double givenDensity = 1.2, givenCp = 1005.0, givenCv = 718.0, criticalK = 132.5, molarMass = 28.96, zRatio = 1.0;
};

// A physical composition now and then, else fractions of any size and sign.
inline void DrawComposition(FuzzedDataProvider& in) {
    GasComposition.fill(0.0);
    for (int i = 1; i <= 21; ++i)
        if (in.ConsumeBool()) GasComposition[i] = Value(in, 1e-4, 1.0);
}

// The rows of the humid composition grid and the mixture arrays.
inline void DrawMixture(FuzzedDataProvider& in) {
    TStringGrid& grid = Form1().ViktVolprocgridfukt;
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        const bool used = in.ConsumeBool();
        MixtureComponentKeyword[row] = used ? Pick(in, kMediumKeywords) : "";
        MixtureComponentName[row] = Pick(in, kViscosityUnits);
        MixtureMolarMass[row] = Value(in, 1.0, 200.0);
        MixtureDensity[row] = Value(in, 0.05, 50.0);
        MixtureViscosity[row] = Value(in, 1e-3, 100.0);
        MixtureCp[row] = Value(in, 300.0, 15000.0);
        MixtureCv[row] = Value(in, 200.0, 12000.0);
        MixtureCriticalTemperature[row] = Value(in, 5.0, 700.0);
        MixtureEnthalpy[row] = Value(in, -500.0, 3000.0);
        for (int column = 2; column <= 5; ++column)
            grid.SetCell(column, row, used ? FormatGeneral(Value(in, 0.0, 100.0)) : "");
    }
}

// Draws the whole state; the natural-gas iteration starts afresh.
inline MediumInputs DrawMediumInputs(FuzzedDataProvider& in) {
    SetDecimalSeparator('.');
    LanguageLetter = 'E';
    SetPropertyReportLabels('E');
    DensityDampingDivisor = 1.0;
    DetailedGasDensity = 0.0;
    NaturalGasZ = 0.0;
    MediumInputs m;
    m.keyword = Pick(in, kMediumKeywords);
    MediumCode = m.keyword;
    PhaseLetter = Pick(in, kPhaseLetters);
    CalcFunction = in.ConsumeBool() ? "Termo" : "Tryckf";
    Form1().abstryckmaxantal.SetVisible(in.ConsumeBool());
    m.P = Value(in, 100.0, 1e8);
    m.t = Value(in, -270.0, 1000.0);
    m.relativeHumidity = Value(in, 0.0, 120.0);
    m.givenDensity = Value(in, 0.01, 2000.0);
    m.givenCp = Value(in, 300.0, 15000.0);
    m.givenCv = Value(in, 200.0, 12000.0);
    m.criticalK = Value(in, 5.0, 700.0);
    m.molarMass = Value(in, 1.0, 200.0);
    m.zRatio = Value(in, 0.5, 1.5);
    OperatingPressure = Value(in, 100.0, 1e8);
    OperatingTemperature = Value(in, -270.0, 1000.0);
    GivenViscosityValue = Value(in, 1e-3, 1e4);
    ViscosityUnit = Pick(in, kViscosityUnits);
    GivenCp = m.givenCp;
    GivenZ1 = m.zRatio;
    GivenZn = 1.0;
    OilViscosityUnit = in.ConsumeBool() ? "cSt" : "cP";
    OilViscosity40 = Value(in, 1.0, 2000.0);
    OilViscosity100 = Value(in, 0.5, 200.0);
    Form1().rbg.SetText(FormatGeneral(Value(in, 600.0, 1100.0)));
    PipeDiameter = Value(in, 0.01, 2.0);
    HumidGasMolarMass = in.ConsumeBool() ? Value(in, 1.0, 200.0) : 0.0;
    DrawComposition(in);
    DrawMixture(in);
    return m;
}

}  // namespace tubalyx::fuzz
