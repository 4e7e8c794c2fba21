#include "property_tables/methane.h"

#include "property_tables/methane_data.h"
#include "property_tables/table_engine.h"

namespace tubalyx {
namespace {

constexpr double kGasConstantOverMolarMass = 518.2322508;  // 8314 / 16.043, J/(kg K)

bool InDomain(double P, double t) { return 100 < P && P < 1e8 && -200 < t && t < 10000; }

// Liquid and no-data corners copy the first gas value toward higher temperature in their row;
// the range note names the repaired corner nearest in temperature.
TableOptions RowCopy(double scale, NoteKind note) {
    TableOptions o;
    o.repair = Repair::R4;
    o.r4Scaled = false;
    o.r4BackStep = false;
    o.usedState = UsedStateRule::N2;
    o.form = Form::M;
    o.scale = scale;
    o.note = note;
    return o;
}

}  // namespace

double MethaneViscosityPT(double P, double t) {
    if (!InDomain(P, t)) return 0;
    return EvaluateTable(kMethaneViscosityTable, RowCopy(1e-6, NoteKind::Viscosity), P, t);
}

double MethaneEnthalpyPT(double P, double t) {
    return EvaluateTable(kMethaneEnthalpyTable, RowCopy(4.1868, NoteKind::Enthalpy), P, t);
}

double MethaneCpPT(double P, double t) {
    if (!InDomain(P, t)) return 0;
    return EvaluateTable(kMethaneCpTable, RowCopy(4186.8, NoteKind::HeatCapacity), P, t);
}

double MethaneCvPT(double P, double t) {
    if (MethaneCpPT(P, t) > 0) return MethaneCpPT(P, t) - kGasConstantOverMolarMass;
    return 0;
}

}  // namespace tubalyx
