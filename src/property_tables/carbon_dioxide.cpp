#include "property_tables/carbon_dioxide.h"

#include "numerics/physical_constants.h"
#include "property_tables/carbon_dioxide_data.h"
#include "property_tables/first_set_helpers.h"
#include "property_tables/table_engine.h"

namespace tubalyx {

namespace {

constexpr double kMolarMass = 44.01;
constexpr double kGasConstantOverMolarMass = 188.91161099750056;  // 8314 / 44.01, J/(kg K)

// Tables without markers, read signed at no less than the cell's lower temperature + 0.001 K.
double Plain(const TableData& d, double scale, NoteKind note, double P, double t) {
    TableOptions o;
    o.form = Form::S;
    o.scale = scale;
    o.note = note;
    const TableResult r = InterpolateTable(d, o, P, ShiftToCellFloor(d, o, P, t));
    WriteRangeNote(note, r.notePressureKPa, P, r.noteTemperatureK, t);
    return r.value;
}

}  // namespace

double CarbonDioxideDensityPT(double P, double t) {
    TableOptions o;
    o.repair = Repair::R4;  // copy, no step back: a liquid corner reads the gas Z to its right
    o.form = Form::M;
    o.note = NoteKind::Density;
    const TableData& d = kCarbonDioxideDensityTable;
    const TableResult r = InterpolateTable(d, o, P, t);
    double usedKPa = r.notePressureKPa;
    double usedK = r.noteTemperatureK;
    double corners[4];
    if (RowRepairCopy(d, r.i, r.j, 0.0, corners))
        NearestCornerUsedState(d, r.i, r.j, corners, t, 0.001 * P, 1.0, kKelvinOffset, usedKPa, usedK);
    // The density is formed at the requested state, also beyond the table.
    const double rho = DensityFromZ(P, t, kMolarMass, r.value);
    WriteRangeNote(o.note, usedKPa, P, usedK, t);
    return rho;
}

double CarbonDioxideViscosityPT(double P, double t) {
    return Plain(kCarbonDioxideViscosityTable, 1.0, NoteKind::Viscosity, P, t);
}

double CarbonDioxideEnthalpyPT(double P, double t) {
    return Plain(kCarbonDioxideEnthalpyTable, 1.0, NoteKind::Enthalpy, P, t);
}

double CarbonDioxideCpPT(double P, double t) {
    return Plain(kCarbonDioxideCpTable, 1000.0, NoteKind::HeatCapacity, P, t);
}

double CarbonDioxideCvPT(double P, double t) { return CarbonDioxideCpPT(P, t) - kGasConstantOverMolarMass; }

}  // namespace tubalyx
