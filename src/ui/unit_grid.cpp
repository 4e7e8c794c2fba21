#include "ui/unit_grid.h"

#include <string>

#include "numerics/checked.h"
#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "numerics/unit_parser.h"
#include "state/geometry.h"
#include "state/window_state.h"
#include "ui/form1.h"

namespace tubalyx {

namespace {

constexpr int kColumns = 9;
constexpr int kRows = 28;
constexpr int kPressureCol = 0, kFlowCol = 2, kDensityCol = 4, kViscosityCol = 5, kTemperatureCol = 7;
constexpr int kOperatingDensityRow = 6, kNormalDensityRow = 18, kStandardDensityRow = 24;
// The first kinematic row of the viscosity column.
constexpr int kFirstKinematicRow = 7;
constexpr int kCellWidth = 8;

struct ColumnTexts {
    int col;
    std::initializer_list<const char*> rows;
};
// Empty entries leave the row empty.
// clang-format off
const ColumnTexts kFixedTexts[] = {
    {0, {"101325"}},
    {1, {"Pa", "kPa", "MPa", "BarA", "BarG", "Bar(ü)", "BarÖ", "mBar", "ATM", "ATA", "kg/cm2", "kp/cm2", "ATG", "ATÖ",
         "AT(ü)", "psi", "mmVP", "mVp", "lbf/in2", "absolute", "pressure", "if over-", "pressure", "not", "specified"}},
    {2, {"1"}},
    {3, {"kg/h",    "kg/min",  "kg/s",  "ton/h",   "ton/min",    "ton/s",    "liter/h", "liter/min", "liter/s", "m3/h",
         "m3/min",  "m3/s",    "USGPS", "USGPM",   "USGPH",      "ft3/h",    "ft3/min", "ft3/s",     "Nm3/h",   "Nm3/min",
         "Nm3/s",   "Nliter/H", "Nliter/MIN", "Nliter/S", "MMSCFD", "Sm3/h", "Sm3/min", "Sm3/s"}},
    {4, {"densities (kg/m3)", "at different", "conditions", "", "", "1.operating", "1.0", "", "", "", "", "", "", "",
         "", "", "2.normal, usually;", "0C, 101.325 kPaA", "1.0", "=Normal m3/min", "", "", "3.standard, usually;",
         "15C, 101.325 kPaA", "1.0", "=Standard m3/h"}},
    {5, {"1"}},
    {6, {"Pas", "mPas", "Ns/m2", "Pas*E-6", "Ns/m2*E-6", "Poise", "cP", "m2/s", "mm2/s", "St", "cSt"}},
    {7, {"1"}},
    {8, {"C", "F", "K"}},
};
// clang-format on

// Column widths in multiples of the form's font size; the rest are kDefaultWidth.
constexpr int kDefaultWidth = 7;
constexpr struct { int col, width; } kColumnWidths[] = {{1, 7}, {3, 10}, {4, 15}, {6, 9}, {8, 2}};

TStringGrid& Grid() { return Form1().Sortergrid; }

std::string Shown(double value) { return FormatFitWidth(value, kCellWidth); }

// The number in a cell; a cell that reads 0 (or no number) is written "0".
double CellValue(int col, int row) {
    std::string text = Grid().Cell(col, row);
    const double value = StrToFloatAnySep(text);
    if (value == 0.0) Grid().SetCell(col, row, FormatGeneral(0.0));
    return value;
}

// `value` in the unit of the cell, in the parser's base unit of its kind.
double InBaseUnit(const std::string& unitCell, double value) {
    std::string unit = unitCell;
    std::string kind;
    double result = 0.0;
    ParseUnitValue(unit, value, 1.0, PipeDiameter, result, kind);
    return result;
}

void RecalcTemperature(int row, double v) {
    TStringGrid& g = Grid();
    double celsius = 0.0;
    switch (row) {
        case 0: celsius = v; break;
        case 1: celsius = (v - 32) * 0.5555555555555556; break;
        case 2: celsius = v - kKelvinOffset; break;
        default: return;
    }
    const double kelvin = celsius + kKelvinOffset;
    if (row != 0) g.SetCell(kTemperatureCol, 0, Shown(celsius));
    if (row != 1)
        g.SetCell(kTemperatureCol, 1, Shown(row == 0 ? (kelvin - kKelvinOffset) * 1.8 + 32 : 1.8 * celsius + 32));
    if (row != 2) g.SetCell(kTemperatureCol, 2, Shown(kelvin));
}

enum class FlowGroup { Mass, Volume, Normal, Standard };

FlowGroup FlowGroupOf(int row) {
    if (row <= 5) return FlowGroup::Mass;
    if (row <= 17) return FlowGroup::Volume;
    if (row <= 23) return FlowGroup::Normal;
    return FlowGroup::Standard;
}

struct Densities {
    double operating, normal, standard;
};

// Kilograms per the group's own unit amount: a litre of the operating volume, a cubic metre
// of normal and standard volume (the parser gives mass, and normal and standard volumes at a
// density of 1, in kg per hour, operating volumes in litres per hour).
double MassPerUnit(FlowGroup g, const Densities& d) {
    switch (g) {
        case FlowGroup::Mass: return 1.0;
        case FlowGroup::Volume: return d.operating * 0.001;
        case FlowGroup::Normal: return d.normal;
        case FlowGroup::Standard: return d.standard;
    }
    return 1.0;
}

// The flow Q of the source group in the target group; no value when the way there divides
// by a density of 0.
bool ConvertFlow(double q, FlowGroup from, FlowGroup to, const Densities& d, double& out) {
    if (from == to) {
        out = q;
        return true;
    }
    const double divisor = MassPerUnit(to, d);
    if (divisor == 0.0) return false;
    out = CheckFinite(q * MassPerUnit(from, d) / divisor);
    return true;
}

bool Kinematic(int row) { return row >= kFirstKinematicRow; }

}  // namespace

void FillUnitGridTexts() {
    TStringGrid& g = Grid();
    g.SetColCount(kColumns);
    g.SetRowCount(kRows);
    g.SetFixedCols(0);
    g.SetFixedRows(0);
    for (const ColumnTexts& column : kFixedTexts) {
        int row = 0;
        for (const char* text : column.rows) g.SetCell(column.col, row++, text);
    }
    for (int col : {kPressureCol, kFlowCol, kViscosityCol, kTemperatureCol}) {
        g.SetCol(col);
        g.SetRow(0);
        RecalcUnitGrid(col, 0);
    }
    g.SetCol(0);
    g.SetRow(0);
    UnitGridCol = UnitGridRow = 0;
    UnitGridFlowSourceRow = UnitGridViscositySourceRow = 0;
}

void SelectFirstUnitValue() {
    // Selecting a cell moves the view one step from where the mouse last left it; opening the
    // page keeps the view the page set.
    TForm1& f = Form1();
    const int horz = f.HorzScrollBar().Position, vert = f.VertScrollBar().Position;
    Grid().UserSelectCell(kPressureCol, 0);
    f.SetHorzScrollPosition(horz);
    f.SetVertScrollPosition(vert);
}

void SetupUnitGrid() {
    TStringGrid& g = Grid();
    const int fontSize = Form1().Font().Size;
    g.SetDefaultColWidth(kDefaultWidth * fontSize);
    for (const auto& c : kColumnWidths) g.SetColWidth(c.col, c.width * fontSize);
    g.SetDefaultRowHeight(2 * fontSize);
    const int line = g.GridLineWidth();
    g.SetClientHeight((g.DefaultRowHeight() + line) * g.RowCount());
    int width = 0;
    for (int col = 0; col < g.ColCount(); ++col) width += g.ColWidth(col) + line;
    g.SetClientWidth(width);
}

void RecalcUnitGrid(int col, int row) {
    TStringGrid& g = Grid();
    const double v = CellValue(col, row);
    if (col == kTemperatureCol) {
        RecalcTemperature(row, v);
        return;
    }
    if (col != kPressureCol && col != kFlowCol && col != kDensityCol && col != kViscosityCol) return;

    const Densities d{CellValue(kDensityCol, kOperatingDensityRow), CellValue(kDensityCol, kNormalDensityRow),
                      CellValue(kDensityCol, kStandardDensityRow)};
    if (col == kDensityCol) return;
    const bool densityEdit = UnitGridCol == kDensityCol;
    if (densityEdit && col == kPressureCol) return;

    double typed = 0.0;
    try {
        typed = InBaseUnit(g.Cell(col + 1, row), v);
    } catch (const CalcError&) {
        return;  // a value beyond the double range converts to nothing
    }
    for (int i = 0; i < g.RowCount(); ++i) {
        if (i == row) continue;
        if (densityEdit && col == kViscosityCol && Kinematic(i) == Kinematic(row)) continue;
        const std::string& unit = g.Cell(col + 1, i);
        try {
            const bool gauge = !(col == kViscosityCol && i >= kFirstKinematicRow) && InBaseUnit(unit, 0.0) > 1.0;
            const double offset = gauge ? kStandardAtmospherePa : 0.0;
            const double perUnit = InBaseUnit(unit, 1.0) - offset;
            // A note, an empty cell or a text the parser does not know.
            if (!(perUnit > 0.0)) continue;
            const double q = CheckedDiv(typed - offset, perUnit);
            double value = q;
            bool written = true;
            if (col == kFlowCol) {
                written = ConvertFlow(q, FlowGroupOf(row), FlowGroupOf(i), d, value);
            } else if (col == kViscosityCol && Kinematic(row) != Kinematic(i)) {
                if (Kinematic(row))
                    value = CheckFinite(q * d.operating);
                else if (d.operating > 0.0)
                    value = CheckedDiv(q, d.operating);
                else
                    written = false;
            }
            g.SetCell(col, i, written ? Shown(value) : "");
        } catch (const CalcError&) {
            g.SetCell(col, i, "");
        }
    }
}

bool UnitGridRecalcKey(int key) {
    if (key >= '0' && key <= '9') return true;
    if (key >= vkNumpad0 && key <= vkNumpad0 + 9) return true;
    for (int k : {vkBack, vkDelete, vkSnapshot, vkDecimal, vkOemComma, vkOemPeriod})
        if (key == k) return true;
    return false;
}

}  // namespace tubalyx
