#include "property_tables/oxygen.h"

#include "property_tables/oxygen_data.h"
#include "property_tables/table_engine.h"

namespace tubalyx {
namespace {

constexpr double kGasConstantOverMolarMass = 259.8222433341250;  // 8314 / 31.9988, J/(kg K)

}  // namespace

double OxygenDensityPT(double P, double t) {
    // Liquid corners take the first gas value toward higher temperature in their own row.
    TableOptions o = RowSearchDensityOptions();
    o.lowMargin = 0.000001;
    return EvaluateTable(kOxygenDensityTable, o, P, t);
}

double OxygenViscosityPT(double P, double t) {
    return EvaluateTable(kOxygenViscosityTable, ColumnSkipOptions(1e-8, NoteKind::Viscosity), P, t);
}

double OxygenEnthalpyPT(double P, double t) {
    return EvaluateTable(kOxygenEnthalpyTable, ColumnSkipOptions(1.0, NoteKind::Enthalpy), P, t);
}

double OxygenCpPT(double P, double t) {
    return EvaluateTable(kOxygenCpTable, ColumnSkipOptions(1000.0, NoteKind::HeatCapacity), P, t);
}

double OxygenCvPT(double P, double t) { return OxygenCpPT(P, t) - kGasConstantOverMolarMass; }

}  // namespace tubalyx
