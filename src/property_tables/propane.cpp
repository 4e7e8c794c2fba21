#include "property_tables/propane.h"

#include <cmath>

#include "property_tables/first_set_helpers.h"
#include "property_tables/propane_data.h"
#include "property_tables/table_engine.h"

namespace tubalyx {

double CvOperating = 0.0;

namespace {

constexpr double kJoulePerKcal = 4186.8;

bool IsLiquidKeyword(const std::string& keyword) { return keyword == "C3H8V"; }

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
    // Only no-data corners are replaced. The engine's any-phase window copies from the gas
    // side; the liquid keyword reads the same blend of magnitudes.
    o.repairWindow = Window::Any;
    o.form = Form::M;
    o.note = NoteKind::Enthalpy;
    (void)keyword;
    const TableResult r = InterpolateTable(kPropaneEnthalpyTable, o, P, t);
    const double h = std::fabs(0.001 * r.value) * kJoulePerKcal;
    WriteRangeNote(o.note, r.notePressureKPa, P, r.noteTemperatureK, t);
    return h;
}

double PropaneCpPT(double P, double t) { return EvaluateTable(kPropaneCpTable, HeatCapacityOptions(), P, t); }

double PropaneCvPT(double P, double t) {
    TableOptions o = HeatCapacityOptions();
    o.scale = 1.0;
    const TableResult r = InterpolateTable(kPropaneCvTable, o, P, t);
    CvOperating = r.value;
    CvOperating = CvOperating * kJoulePerKcal;
    WriteRangeNote(o.note, r.notePressureKPa, P, r.noteTemperatureK, t);
    return CvOperating;
}

}  // namespace tubalyx
