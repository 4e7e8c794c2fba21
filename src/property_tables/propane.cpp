#include "property_tables/propane.h"

#include <cmath>

#include "property_tables/first_set_helpers.h"
#include "property_tables/propane_data.h"
#include "property_tables/table_engine.h"
#include "state/keywords.h"
#include "state/medium.h"

namespace tubalyx {

namespace {

constexpr double kJoulePerKcal = 4186.8;

bool IsLiquidKeyword(const std::string& keyword) { return keyword == kMediumPropaneLiquid; }

// A corner that still holds no data after the repair would put its marker magnitude (2e99)
// into the blend and return a number of the order of 1e99 as a property. Such a state has no
// data: it reads 0, as a cell without any usable corner does, and the caller tests for 0.
// Real cells stay below 1e4, the smallest nonzero weight of a marker still gives above 1e60.
double WithoutNoData(double v) { return std::fabs(v) > 1e60 ? 0.0 : v; }

TableOptions HeatCapacityOptions() {
    TableOptions o;
    o.pressureFactor = 1e-5;
    o.repair = Repair::R3;
    o.form = Form::M;
    o.scale = kJoulePerKcal;
    o.note = NoteKind::HeatCapacity;
    return o;
}

}  // namespace

double PropaneDensityPT(const std::string& keyword, double P, double t) {
    TableOptions o;
    o.repair = Repair::R1;
    o.form = Form::W;
    o.note = NoteKind::Density;
    if (IsLiquidKeyword(keyword)) {
        // The liquid density at the used state, never carried like a gas.
        o.repairWindow = Window::Liquid;
        o.formWindow = Window::Liquid;
    } else {
        o.repairWindow = Window::Gas;
        o.formWindow = Window::Gas;
        o.densityTransform = true;
    }
    return EvaluateTable(kPropaneDensityTable, o, P, t);
}

double PropaneViscosityPT(const std::string& keyword, double P, double t) {
    TableOptions o;
    o.repair = Repair::R2;
    o.repairWindow = IsLiquidKeyword(keyword) ? Window::Liquid : Window::Gas;
    o.form = Form::W;
    o.formWindow = o.repairWindow;
    o.scale = 1e-6;
    o.note = NoteKind::Viscosity;
    // The table is read at no less than the cell's lower temperature plus the margin, and the
    // note reports that temperature.
    const double tUsed = ShiftToCellFloor(kPropaneViscosityTable, o, P, t);
    const TableResult r = InterpolateTable(kPropaneViscosityTable, o, P, tUsed);
    WriteRangeNote(o.note, r.notePressureKPa, P, r.noteTemperatureK, t);
    return r.value;
}

double PropaneEnthalpyPT(const std::string& keyword, double P, double t) {
    TableOptions o;
    o.pressureFactor = 1e-5;
    o.repair = Repair::R2;
    o.repairWindow = Window::Any;  // only no-data corners are replaced, from the gas side
    o.form = Form::M;
    o.note = NoteKind::Enthalpy;
    TableData d = kPropaneEnthalpyTable;
    // The liquid keyword replaces no-data corners from the liquid side instead. Form M reads
    // magnitudes, so a copy with every data cell stored as a liquid point reads the same values,
    // and the liquid window then rejects exactly the no-data corners.
    double liquidSide[kPropaneEnthalpyRows * kPropaneEnthalpyColumns];
    if (IsLiquidKeyword(keyword)) {
        for (int n = 0; n < kPropaneEnthalpyRows * kPropaneEnthalpyColumns; ++n) {
            const double v = kPropaneEnthalpyValues[n];
            liquidSide[n] = v < kNoDataTest ? v : -std::fabs(v);
        }
        d.values = liquidSide;
        o.repairWindow = Window::Liquid;
    }
    const TableResult r = InterpolateTable(d, o, P, t);
    const double h = std::fabs(0.001 * WithoutNoData(r.value)) * kJoulePerKcal;
    WriteRangeNote(o.note, r.notePressureKPa, P, r.noteTemperatureK, t);
    return h;
}

double PropaneCpPT(double P, double t) {
    const TableOptions o = HeatCapacityOptions();
    const TableResult r = InterpolateTable(kPropaneCpTable, o, P, t);
    WriteRangeNote(o.note, r.notePressureKPa, P, r.noteTemperatureK, t);
    return WithoutNoData(r.value);
}

double PropaneCvPT(double P, double t) {
    TableOptions o = HeatCapacityOptions();
    o.scale = 1.0;
    const TableResult r = InterpolateTable(kPropaneCvTable, o, P, t);
    CvOperating = WithoutNoData(r.value);
    CvOperating = CvOperating * kJoulePerKcal;
    WriteRangeNote(o.note, r.notePressureKPa, P, r.noteTemperatureK, t);
    return CvOperating;
}

}  // namespace tubalyx
