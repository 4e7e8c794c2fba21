#include "property_tables/oxygen.h"

#include "property_tables/oxygen_data.h"
#include "property_tables/table_engine.h"

namespace tubalyx {
namespace {

constexpr double kGasConstantOverMolarMass = 259.8222433341250;  // 8314 / 31.9988, J/(kg K)

// Viscosity, enthalpy and Cp: the column skip only, magnitude bilinear.
TableOptions SkipOnly(double scale, NoteKind note) {
    TableOptions o;
    o.repair = Repair::R3;
    o.r3Copies = false;
    o.form = Form::M;
    o.scale = scale;
    o.note = note;
    return o;
}

}  // namespace

double OxygenDensityPT(double P, double t) {
    // Liquid corners take the first gas value toward higher temperature in their own row.
    TableOptions o;
    o.lowMargin = 0.000001;
    o.repair = Repair::R4;
    o.r4Scaled = true;
    o.usedState = UsedStateRule::N1;
    o.form = Form::S;
    o.densityTransform = true;
    o.note = NoteKind::Density;
    return EvaluateTable(kOxygenDensityTable, o, P, t);
}

double OxygenViscosityPT(double P, double t) {
    return EvaluateTable(kOxygenViscosityTable, SkipOnly(1e-8, NoteKind::Viscosity), P, t);
}

double OxygenEnthalpyPT(double P, double t) {
    return EvaluateTable(kOxygenEnthalpyTable, SkipOnly(1.0, NoteKind::Enthalpy), P, t);
}

double OxygenCpPT(double P, double t) {
    return EvaluateTable(kOxygenCpTable, SkipOnly(1000.0, NoteKind::HeatCapacity), P, t);
}

double OxygenCvPT(double P, double t) { return OxygenCpPT(P, t) - kGasConstantOverMolarMass; }

}  // namespace tubalyx
