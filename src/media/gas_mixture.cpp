#include "media/gas_mixture.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "media/medium_identification.h"
#include "media/medium_properties.h"
#include "media/medium_property_switch.h"
#include "media/natural_gas.h"
#include "media/partial_pressures.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "state/composition.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/window_state.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

constexpr int kWeightColumn = 2;
constexpr int kMolColumn = 5;
constexpr int kOperatingVolumeColumn = 4;
// A rewritten cell must move by more than this, so that a typed value is not reformatted.
constexpr double kRewriteTolerance = 1e-5;

using Column = std::array<double, kMixtureRows>;

double CellValue(const TStringGrid& grid, int col, int row) { return StrToFloatSafe(grid.Cell(col, row)); }

Column ReadColumn(const TStringGrid& grid, int col) {
    Column values{};
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) values[row] = CellValue(grid, col, row);
    return values;
}

double ColumnSum(const Column& values) {
    double sum = 0.0;
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) sum += values[row];
    return sum;
}

// A share as the grid shows it; one that overflows raises, and the grid keeps what it had.
std::string ShareText(double value) { return FormatFixed(CheckFinite(value, "a share overflows"), 7); }

bool NeedsRewrite(const TStringGrid& grid, int col, int row, double value) {
    const std::string& old = grid.Cell(col, row);
    return old.empty() || std::fabs(StrToFloatSafe(old) - value) > kRewriteTolerance;
}

void WriteConverted(TStringGrid& grid, int col, int row, double value) {
    if (NeedsRewrite(grid, col, row, value)) grid.SetCell(col, row, ShareText(value));
}

void WriteCopied(TStringGrid& grid, int col, int row, const std::string& source) {
    if (NeedsRewrite(grid, col, row, StrToFloatSafe(source))) grid.SetCell(col, row, source);
}

bool HasKeyword(int row) { return !MixtureComponentKeyword[row].empty(); }
bool IsUserGas(int row) { return MixtureComponentKeyword[row] == kMediumGas; }
bool IsWaterRow(int row) { return MixtureComponentKeyword[row] == kMediumSteam; }

// The dry grid's row 11 is the water row of natural gas; for other media it stays out.
bool DryRowInUse(int row) { return row != kMixtureLastRow || MediumCode == kMediumNaturalGas; }

void StateOfKind(int kind, double& P, double& t) {
    if (kind == kOperatingVolumeColumn) {
        P = OperatingPressure;
        t = OperatingTemperature;
    } else {
        P = kStandardAtmospherePa;
        t = 0.0;
    }
}

// Density (kg/m3) of a row's component alone at its partial pressure p and t: the user's gas
// by the ideal-gas law from its operating density, any other through the property switch
// with the user's given-gas values. What the switch cannot give counts as 0.
double ComponentDensity(int row, double p, double t) {
    if (!(p > 0.0)) return 0.0;
    if (IsUserGas(row)) {
        if (!(OperatingPressure > 0.0)) return 0.0;
        return CheckedDiv(MixtureDensity[row] * p / OperatingPressure * (kKelvinOffset + OperatingTemperature),
                          kKelvinOffset + t);
    }
    double pressure = p, temperature = t;
    double density = 0.0, dry = 0.0, vapour = 0.0, viscosity = 0.0, kappa = 0.0, cp = 0.0, cv = 0.0, enthalpy = 0.0;
    try {
        MediumPropertySwitch(MixtureComponentKeyword[row], GasComposition, pressure, GivenDensity, GivenCp, GivenCv,
                             GivenCriticalTemperatureK, GivenMolarMass, temperature, temperature, GivenZRatio(), 0.0,
                             density, dry, vapour, viscosity, kappa, cp, cv, enthalpy);
    } catch (const CalcError&) {
        return 0.0;
    }
    return std::isfinite(density) ? density : 0.0;
}

bool MolarMassCounts(int row, double M) {
    const double lower = IsUserGas(row) ? 0.1 : 0.9;
    return M > lower && M < 100000.0;
}

// The rows of both grids as the partial-pressure solve takes them: the mol % columns and what
// the calculation state says of each row.
PartialPressureInput ReadMixtureRows(const TStringGrid& dry, const TStringGrid& humid, double P, double saturation) {
    PartialPressureInput in;
    in.pressure = P;
    in.saturationPressure = saturation;
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        MixtureComponentRow& r = in.rows[row];
        r.component = HasKeyword(row);
        r.water = IsWaterRow(row);
        r.dryGridRow = DryRowInUse(row);
        r.molarMass = MixtureRowMolarMass(row);
        r.dryMol = CellValue(dry, kMolColumn, row);
        r.humidMol = CellValue(humid, kMolColumn, row);
    }
    return in;
}

// The volume column `col` of both grids from the solve; rows that are no component, or hold
// none of it, get their mol % as it stands. The dry grid's column being edited is left alone.
void WriteVolumeColumn(TStringGrid& dry, TStringGrid& humid, int col, const PartialPressureInput& in,
                       const PartialPressureSolution& solved) {
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        if (!in.rows[row].component || !(in.rows[row].humidMol > 0.0)) {
            if (MixtureEditColumn != col) WriteCopied(dry, col, row, dry.Cell(kMolColumn, row));
            WriteCopied(humid, col, row, humid.Cell(kMolColumn, row));
            continue;
        }
        if (in.pressure > 0.0) {
            if (MixtureEditColumn != col) WriteConverted(dry, col, row, solved.dryVolume[row]);
            WriteConverted(humid, col, row, solved.humidVolume[row]);
        }
    }
}

}  // namespace

double MixtureRowMolarMass(int row) {
    if (row < 0 || row >= kMixtureRows) return 0.0;
    if (IsUserGas(row)) return MixtureMolarMass[row];
    // A mixture's state sums every row's molar mass at each trial of a line walk's searches:
    // the table's value for a row's keyword is kept until the keyword changes.
    struct Kept {
        std::string keyword;
        double molarMass = 0.0;
        bool valid = false;
    };
    static std::array<Kept, kMixtureRows> kept;
    Kept& k = kept[static_cast<std::size_t>(row)];
    if (!k.valid || k.keyword != MixtureComponentKeyword[row]) {
        k.molarMass = MolarMass(MixtureComponentKeyword[row]);
        k.keyword = MixtureComponentKeyword[row];
        k.valid = true;
    }
    return k.molarMass;
}

void NormaliseMixture() {
    TStringGrid& dry = CalculationWindow().ViktVolprocGrid;
    const Column weight = ReadColumn(dry, kWeightColumn);
    const double total = ColumnSum(weight);
    double moles = 0.0;
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        const double M = MixtureRowMolarMass(row);
        if (M > 0.0) moles += weight[row] / M;
    }
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        const double M = MixtureRowMolarMass(row);
        if (weight[row] > 0.0 && M * moles > 0.0)
            dry.SetCell(kMolColumn, row, ShareText(weight[row] / M / moles * total));
        else
            dry.SetCell(kMolColumn, row, dry.Cell(kWeightColumn, row));
    }
    SumMixtureColumns();
}

void SetMixtureComponent() {
    TStringGrid& dry = CalculationWindow().ViktVolprocGrid;
    TStringGrid& humid = CalculationWindow().ViktVolprocgridfukt;
    const Column dryMol = ReadColumn(dry, kMolColumn);
    const Column humidMol = ReadColumn(humid, kMolColumn);
    const double dryTotal = ColumnSum(dryMol), humidTotal = ColumnSum(humidMol);
    double dryMass = 0.0, humidMass = 0.0;
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        const double M = MixtureRowMolarMass(row);
        dryMass += dryMol[row] * M;
        humidMass += humidMol[row] * M;
    }
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        const double M = MixtureRowMolarMass(row);
        // The humid grid's mol % decides for both grids whether the row is converted.
        const bool convert = humidMol[row] > 0.0 && M * humidMass > 0.0;
        const bool writeDry = MixtureEditColumn != kWeightColumn && DryRowInUse(row);
        if (writeDry) {
            // Only a zero mass sum stops the conversion; a negative one is taken as typed.
            if (convert && dryMass != 0.0)
                WriteConverted(dry, kWeightColumn, row, dryMol[row] * M / dryMass * dryTotal);
            else
                WriteCopied(dry, kWeightColumn, row, dry.Cell(kMolColumn, row));
        }
        if (convert)
            WriteConverted(humid, kWeightColumn, row, humidMol[row] * M / humidMass * humidTotal);
        else
            WriteCopied(humid, kWeightColumn, row, humid.Cell(kMolColumn, row));
    }
    SumMixtureColumns();
}

void ConvertMixtureColumns(int kind) {
    TStringGrid& dry = CalculationWindow().ViktVolprocGrid;
    TStringGrid& humid = CalculationWindow().ViktVolprocgridfukt;
    const int col = (kind == kOperatingVolumeColumn) ? kOperatingVolumeColumn : 3;
    double P = 0.0, t = 0.0;
    StateOfKind(kind, P, t);
    const Column dryVolume = ReadColumn(dry, col);
    const Column humidVolume = ReadColumn(humid, col);
    const double dryTotal = ColumnSum(dryVolume), humidTotal = ColumnSum(humidVolume);

    Column dryDensity{}, humidDensity{};
    double dryMoles = 0.0, humidMoles = 0.0;
    MixturePartialPressure.fill(0.0);
    DryMixturePartialPressure.fill(0.0);
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        if (!HasKeyword(row)) continue;
        const double pHumid = 0.01 * humidVolume[row] * P;
        const double pDry = 0.01 * dryVolume[row] * P;
        MixturePartialPressure[row] = pHumid;
        DryMixturePartialPressure[row] = pDry;
        if (!(pHumid > 0.0)) continue;
        humidDensity[row] = ComponentDensity(row, pHumid, t);
        dryDensity[row] = ComponentDensity(row, pDry, t);
        const double M = MixtureRowMolarMass(row);
        if (MolarMassCounts(row, M)) {
            humidMoles += humidDensity[row] / M;
            dryMoles += dryDensity[row] / M;
        }
    }
    // The typed composition's mol % follow these volumes only when they are what was typed: mol %
    // turned into volumes at a state and back again drift (the real gas is no ideal mixture), and
    // the composition would follow the pressure of whatever ran before.
    const bool dryFromVolumes = MixtureEditColumn == col;
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        if (!HasKeyword(row)) continue;
        const double M = MixtureRowMolarMass(row);
        if (humidVolume[row] > 0.0) {
            if (humidMoles > 0.0 && M > 0.0)
                humid.SetCell(kMolColumn, row, ShareText(humidDensity[row] / M / humidMoles * humidTotal));
            if (dryFromVolumes && dryVolume[row] > 0.0 && dryMoles > 0.0 && M > 0.0)
                dry.SetCell(kMolColumn, row, ShareText(dryDensity[row] / M / dryMoles * dryTotal));
        } else if (dryFromVolumes) {
            dry.SetCell(kMolColumn, row, dry.Cell(col, row));
        }
    }
    SumMixtureColumns();
}

void CalcMixtureProperties(int kind) {
    TStringGrid& dry = CalculationWindow().ViktVolprocGrid;
    TStringGrid& humid = CalculationWindow().ViktVolprocgridfukt;
    const int col = (kind == kOperatingVolumeColumn) ? kOperatingVolumeColumn : 3;
    double P = 0.0, t = 0.0;
    StateOfKind(kind, P, t);
    const PartialPressureInput in = ReadMixtureRows(dry, humid, P, WaterSaturationPressure(t));
    const PartialPressureSolution solved =
        SolvePartialPressures(in, [t](int row, double p) { return ComponentDensity(row, p, t); });
    MixturePartialDensity = solved.humidDensity;
    MixturePartialPressure = solved.dryPressure;
    WriteVolumeColumn(dry, humid, col, in, solved);
    SumMixtureColumns();
}

}  // namespace tubalyx

namespace tubalyx {

double SumCompositionGrid() {
    const TStringGrid& grid = CalculationWindow().ViktVolprocGrid;
    double sum = 0.0;
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
        const std::string& cell = grid.Cell(3, row);
        // A row without a share counts nothing; a share that is no number makes the whole
        // sum unusable.
        if (cell.find_first_not_of(' ') == std::string::npos) continue;
        double value = 0.0;
        if (!TryParseNumber(cell, DecimalSeparator(), value)) return 0.0;
        sum += value;
    }
    return sum;
}

}  // namespace tubalyx
