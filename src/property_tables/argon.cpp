#include "property_tables/argon.h"

#include "property_tables/argon_data.h"
#include "property_tables/table_engine.h"

namespace tubalyx {
namespace {

constexpr double kGasConstantOverMolarMass = 208.1205567237409;  // 8314 / 39.948, J/(kg K)

}  // namespace

double ArgonDensityPT(double P, double t) {
    // Liquid corners take the first gas value toward higher temperature in their own row.
    TableOptions o = RowSearchDensityOptions();
    return EvaluateTable(kArgonDensityTable, o, P, t);
}

double ArgonViscosityPT(double P, double t) {
    return EvaluateTable(kArgonViscosityTable, ColumnSkipOptions(1e-8, NoteKind::Viscosity), P, t);
}

double ArgonEnthalpyPT(double P, double t) {
    return EvaluateTable(kArgonEnthalpyTable, ColumnSkipOptions(1.0, NoteKind::Enthalpy), P, t);
}

double ArgonCpPT(double P, double t) {
    return EvaluateTable(kArgonCpTable, ColumnSkipOptions(1000.0, NoteKind::HeatCapacity), P, t);
}

double ArgonCvPT(double P, double t) { return ArgonCpPT(P, t) - kGasConstantOverMolarMass; }

}  // namespace tubalyx
