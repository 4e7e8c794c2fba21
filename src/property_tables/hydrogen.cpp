#include "property_tables/hydrogen.h"

#include "numerics/physical_constants.h"
#include "property_tables/first_set_helpers.h"
#include "property_tables/hydrogen_data.h"
#include "property_tables/table_engine.h"

namespace tubalyx {

namespace {

constexpr double kMolarMass = 2.016;
constexpr double kGasConstantOverMolarMass = 4124.007936507937;  // 8314 / 2.016, J/(kg K)

double Plain(const TableData& d, double scale, NoteKind note, double P, double t) {
    TableOptions o;
    o.form = Form::S;
    o.scale = scale;
    o.note = note;
    return EvaluateTable(d, o, P, t);
}

}  // namespace

double HydrogenDensityPT(double P, double t) {
    if (t + kKelvinOffset > 100) {
        TableOptions o;
        o.form = Form::S;
        const TableResult r = InterpolateTable(kHydrogenZTable, o, P, t);
        const double rho = DensityFromZ(P, t, kMolarMass, r.value);
        WriteRangeNote(NoteKind::Density, r.notePressureKPa, P, r.noteTemperatureK, t);
        return rho;
    }
    TableOptions o = RowSearchDensityOptions();
    o.pressureFactor = 1e-5;
    return EvaluateTable(kHydrogenCryogenicDensityTable, o, P, t);
}

double HydrogenViscosityPT(double P, double t) {
    return Plain(kHydrogenViscosityTable, 1.0, NoteKind::Viscosity, P, t);
}

double HydrogenEnthalpyPT(double P, double t) { return Plain(kHydrogenEnthalpyTable, 1.0, NoteKind::Enthalpy, P, t); }

double HydrogenCpPT(double P, double t) { return Plain(kHydrogenCpTable, 1000.0, NoteKind::HeatCapacity, P, t); }

double HydrogenCvPT(double P, double t) { return HydrogenCpPT(P, t) - kGasConstantOverMolarMass; }

}  // namespace tubalyx
