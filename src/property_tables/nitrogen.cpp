#include "property_tables/nitrogen.h"

#include "numerics/physical_constants.h"
#include "property_tables/first_set_helpers.h"
#include "property_tables/nitrogen_data.h"
#include "property_tables/table_engine.h"

namespace tubalyx {

namespace {

constexpr double kMolarMass = 28.0134;
constexpr double kGasConstantOverMolarMass = 296.78653787116167;  // 8314 / 28.0134, J/(kg K)

// Row repair over no-data corners (the tables hold no liquid point), magnitude bilinear; the
// note's used state is the nearest data corner when a column was moved.
TableResult Read(const TableData& d, double temperatureWeight, double P, double t, double& usedKPa, double& usedK) {
    TableOptions o;
    o.repair = Repair::R4;
    o.form = Form::M;
    const TableResult r = InterpolateTable(d, o, P, t);
    usedKPa = r.notePressureKPa;
    usedK = r.noteTemperatureK;
    double corners[4];
    if (RowRepairCopy(d, r.i, r.j, kNoDataTest, corners))
        NearestCornerUsedState(d, r.i, r.j, corners, t + kKelvinOffset, 0.001 * P, temperatureWeight, 0.0, usedKPa,
                               usedK);
    return r;
}

double Property(const TableData& d, double scale, NoteKind note, double P, double t) {
    double usedKPa = 0.0, usedK = 0.0;
    const TableResult r = Read(d, 1e9, P, t, usedKPa, usedK);
    const double v = r.value * scale;
    WriteRangeNote(note, usedKPa, P, usedK, t);
    return v;
}

}  // namespace

double NitrogenDensityPT(double P, double t) {
    double usedKPa = 0.0, usedK = 0.0;
    const TableResult r = Read(kNitrogenDensityTable, 1.0, P, t, usedKPa, usedK);
    const double rho = DensityFromZ(P, t, kMolarMass, r.value);
    WriteRangeNote(NoteKind::Density, usedKPa, P, usedK, t);
    return rho;
}

double NitrogenViscosityPT(double P, double t) {
    return Property(kNitrogenViscosityTable, 1e-8, NoteKind::Viscosity, P, t);
}

double NitrogenEnthalpyPT(double P, double t) {
    return Property(kNitrogenEnthalpyTable, 1.0, NoteKind::Enthalpy, P, t);
}

double NitrogenCpPT(double P, double t) { return Property(kNitrogenCpTable, 1000.0, NoteKind::HeatCapacity, P, t); }

double NitrogenCvPT(double P, double t) { return NitrogenCpPT(P, t) - kGasConstantOverMolarMass; }

}  // namespace tubalyx
