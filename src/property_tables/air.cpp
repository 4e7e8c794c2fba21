#include "property_tables/air.h"

#include "property_tables/air_data.h"
#include "property_tables/table_engine.h"

namespace tubalyx {
namespace {

// The column skip only, plus the repair of the one no-data corner that the skip misses (the
// cell 2500-5000 kPa x 120-150 K, whose 2500 kPa, 120 K corner has no data): such a corner
// takes the first data value toward higher temperature in its own row, so that the corner's
// -2e99 never enters the sums (it gave enthalpies of about 1e98).
TableOptions SkipOnly(double scale, NoteKind note) {
    TableOptions o = ColumnSkipOptions(scale, note);
    o.noDataRowRepair = true;
    return o;
}

}  // namespace

double AirDensityPT(double P, double t) {
    // Cells hold the specific volume in dm3/kg; the engine turns them into densities. The
    // row repair scales a specific volume by the temperature ratio (ideal gas).
    TableOptions o = SkipOnly(1.0, NoteKind::Density);
    o.specificVolume = true;
    o.r4Scaled = true;
    o.densityTransform = true;
    o.form = Form::S;
    return EvaluateTable(kAirDensityTable, o, P, t);
}

double AirEnthalpyPT(double P, double t) {
    return EvaluateTable(kAirEnthalpyTable, SkipOnly(1.0, NoteKind::Enthalpy), P, t);
}

double AirCpPT(double P, double t) {
    return EvaluateTable(kAirCpTable, SkipOnly(1000.0, NoteKind::HeatCapacity), P, t);
}

double AirCvPT(double P, double t) { return AirCpPT(P, t) * 0.714285714285714286; }

double AirViscosityPT(double P, double t) {
    return EvaluateTable(kAirViscosityTable, SkipOnly(1e-8, NoteKind::Viscosity), P, t);
}

}  // namespace tubalyx
