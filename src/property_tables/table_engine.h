#pragma once
// The one interpolation engine behind every tabulated gas property (density, viscosity,
// enthalpy, cp, cv). A table function hands it its constant table and its options; the engine
// converts and clamps the state, finds the cell, repairs corners that hold a liquid point or
// no data, interpolates with area weights and writes the property's range note.
//
// Re-entrant: a call reads only its constant table and works on four call-local corners, so a
// nested property call (the pressure edits' change handler can lead back here) cannot disturb
// it. Nothing is allocated. The corners a cell gives at a temperature, repaired and transformed,
// are kept for the next calls there (a humidity search reads one table at one temperature and
// many pressures of one cell), where no repair or used-state rule reads the requested state.
//
// Cell values: >= 0 a gas point, negative above -1e99 a liquid point (magnitude is the value),
// below -1e99 (stored -2e99) a point without data.

namespace tubalyx {

constexpr double kNoData = -2e99;      // cell without data
constexpr double kNoDataTest = -1e99;  // anything below is no data

struct TableData {            // constant data of one table (generated data files)
    const double* pressures;  // mP points, table unit (kPa or bar), strictly increasing
    int mP;
    const double* temperatures;  // mT points, K, strictly increasing
    int mT;
    const double* values;  // mP*mT cells, row-major: values[(i-1)*mT + (j-1)] is [i][j]
};
// The layout of one property table by its other name: a pressure axis, a temperature axis
// and the value matrix over them.
using PropertyGrid = TableData;

enum class Window { Gas, Liquid, Any };
enum class Repair { None, R1, R2, R3, R4 };
enum class Form { W, M, S };
enum class UsedStateRule { None, N1, N2 };
enum class NoteKind { Density, Viscosity, Enthalpy, HeatCapacity };

struct TableOptions {
    double pressureFactor = 0.001;  // Pa -> table unit (1e-5 for bar)
    double margin = 0.001;          // clamping margin in table units (pressure and K)
    double lowMargin = -1.0;        // margin at the low ends of both axes; negative: margin
    Repair repair = Repair::None;
    Window repairWindow = Window::Gas;              // R1 and R2: Gas scales/copies from the gas side,
                                                    // Liquid copies from the liquid side, Any as Gas
    bool r3Copies = true;                           // R3: false = the column skip only, no corner copies
    bool noDataRowRepair = false;                   // after the repair, a corner still without data takes the
                                                    // first data point toward higher temperature in its row
                                                    // (scaled as R4 when r4Scaled); for the one corner that
                                                    // the column skip of a table cannot see
    bool specificVolume = false;                    // cells hold specific volume dm3/kg: corners become
                                                    // densities 1000 / v before the density transform
    bool r4Scaled = false;                          // R4 scaled variant (density): v * T[s] / T[s']
    bool r4BackStep = false;                        // R4: one step back from the last column when still liquid
    UsedStateRule usedState = UsedStateRule::None;  // used state for the note after R4
    Form form = Form::M;
    Window formWindow = Window::Gas;  // indicator window of form W
    bool densityTransform = false;    // rho*T/p transform, back-transform and ideal-gas carry
    bool idealGasCarry = true;        // with densityTransform: carry a gas result to the requested
                                      // state (never done for form W with the liquid window)
    double scale = 1.0;               // result = interpolated * scale
    NoteKind note = NoteKind::Density;

    bool operator==(const TableOptions&) const = default;
};

// The two option sets most tables share.
// A gas density whose liquid or no-data corners take the first gas value toward higher
// temperature in their own row, scaled by the temperature ratio; signed bilinear on rho*T/p.
TableOptions RowSearchDensityOptions();
// The column skip alone (no corner copies), magnitude bilinear, result times `scale`.
TableOptions ColumnSkipOptions(double scale, NoteKind note);

// Everything a call worked out, for table functions with special cases of their own.
struct TableResult {
    double value = 0.0;             // the property in the result unit
    int i = 1, j = 1;               // cell found (after the column advance of R3)
    double usedPressure = 0.0;      // p_c, table unit
    double usedTemperatureK = 0.0;  // T_c
    double notePressureKPa = 0.0;   // used state as the range note receives it
    double noteTemperatureK = 0.0;
    bool columnMoved = false;  // R4 took a value from another column
};

// 1.0 when low <= x <= high, else 0.0 (also for x that is no number).
double InRangeIndicator(double low, double x, double high);

// The whole evaluation without the range note.
TableResult InterpolateTable(const TableData& data, const TableOptions& options, double P_Pa, double t_C);

// Calls the range-note writer of the kind with the arguments in the writers' order.
void WriteRangeNote(NoteKind kind, double usedPressureKPa, double requestedPressurePa, double usedTemperatureK,
                    double requestedTemperatureC);

// Interpolates and, as its last step, writes the range note of options.note. P in Pa absolute, t in degC.
double EvaluateTable(const TableData& data, const TableOptions& options, double P_Pa, double t_C);

}  // namespace tubalyx
