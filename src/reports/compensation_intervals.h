#pragma once
// The intervals of the pressure-temperature compensation table PTKompgrid as the generated
// controller code walks them, and the interpolation check over them: the density the code
// would compute at check points inside each interval against the property routine. The
// table's refinement and the code generator's compute-only mode use the same figure, so the
// error the report prints is the error of the code the user copies.
//
// Grid layout (column, row), indexed from 0, data at 1..10: a gas has temperatures along
// row 0, pressures (kPa absolute) down column 0 and Z0/Zn ratios in the cells; a liquid has
// temperatures along row 0, its one pressure in row 1 and densities (kg/m3) in row 2;
// saturated steam has pressures down column 0, the state temperature in column 1 and the
// ratio in column 2. An empty cell is no point of the table.
#include <string>
#include <vector>

#include "forms/string_grid.h"

namespace tubalyx {

inline constexpr int kCompTableLastIndex = 10;

enum class CompTableKind { Liquid, Gas, Steam };
// "MNG" saturated steam; a gas by IsGasMedium; every other medium a liquid (density over
// temperature, as for water).
CompTableKind CompTableKindOf(const std::string& medium);

// The valid entries along one axis, in table order.
struct TableAxis {
    std::vector<int> index;     // grid row or column
    std::vector<double> value;  // kPa absolute or degrees C
    int Count() const { return static_cast<int>(index.size()); }
};
// Rows whose cells in columns 0 and 1 both hold text; none while the pressure limits agree.
TableAxis ValidPressureRows(const TStringGrid& grid);
// Columns whose row-0 cell and value cell (row 2 for a liquid, row 1 otherwise) hold text;
// none while the temperature limits agree.
TableAxis ValidTemperatureColumns(const TStringGrid& grid, CompTableKind kind);

// A cell as a number (StrToFloatAnySep; the text itself is left as it is).
double CompTableNumber(const TStringGrid& grid, int col, int row);

struct LiquidInterval {
    double tlo = 0, thi = 0, dlo = 0, dhi = 0;  // degrees C, kg/m3
};
struct GasCell {
    double tlo = 0, thi = 0, plo = 0, phi = 0;  // degrees C, kPa absolute
    // Ratios at the corners: first temperature, then pressure.
    double rMinMin = 1, rMaxMin = 1, rMinMax = 1, rMaxMax = 1;
};
struct SteamInterval {
    double plo = 0, phi = 0, tlo = 0, thi = 0, rlo = 1, rhi = 1;
};

// Intervals in table order. With fewer than two valid entries along an axis the bounds come
// from the fixed cells (liquid: columns 1 and 10, also for exactly two; gas: column 1 and
// row 1; steam: row 1); each list has at least one interval.
std::vector<LiquidInterval> LiquidIntervals(const TStringGrid& grid, const TableAxis& columns);
// [temperature interval][pressure interval].
std::vector<std::vector<GasCell>> GasCells(const TStringGrid& grid, const TableAxis& columns, const TableAxis& rows);
std::vector<SteamInterval> SteamIntervals(const TStringGrid& grid, const TableAxis& rows);

// Which closing formula the code takes, by the last interval.
enum class RatioForm { Bilinear, TemperatureOnly, PressureOnly, Constant };
RatioForm GasRatioForm(const GasCell& last);
// The ratio the generated code computes inside a cell with that form.
double GasRatioAt(const GasCell& c, RatioForm form, double t, double pKPa);

// The reference state of the interpolated density: kPa absolute and degrees C.
struct DensityReference {
    double PrefKPa = 0;
    double Tref = 0;     // degC
    double density = 0;  // kg/m3
};
// Gas: the mean of the table limits; steam: the mean pressure at its saturation temperature.
DensityReference GasReference();
DensityReference SteamReference();

// The flowing density of the current medium at a state, as the property routine gives it,
// with copies of the humidity inputs so that the calculation state is not changed. For
// saturated steam `temperatureC` becomes the saturation temperature. Raises CalcError.
double MediumDensityAt(double pressurePa, double& temperatureC);

// The largest deviation, in percent, of the interpolated density from the property routine
// at the check points of every interval; a failed evaluation or a reference density of 0 or
// less counts as 100.
double LiquidInterpolationError(const std::vector<LiquidInterval>& intervals, double pressureKPa);
double GasInterpolationError(const std::vector<std::vector<GasCell>>& cells, const DensityReference& ref);
double SteamInterpolationError(const std::vector<SteamInterval>& intervals, const DensityReference& ref);

// The check for the current medium over the table as it stands, with the limits in the
// CompTable globals: what the code generator's compute-only mode returns.
double TableInterpolationErrorPercent();

}  // namespace tubalyx
