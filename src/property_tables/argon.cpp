#include "property_tables/argon.h"

#include "property_tables/argon_data.h"
#include "property_tables/table_engine.h"

namespace tubalyx {
namespace {

constexpr double kGasConstantOverMolarMass = 208.1205567237409;  // 8314 / 39.948, J/(kg K)

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

double ArgonDensityPT(double P, double t) {
    // Liquid corners take the first gas value toward higher temperature in their own row.
    TableOptions o;
    o.repair = Repair::R4;
    o.r4Scaled = true;
    o.usedState = UsedStateRule::N1;
    o.form = Form::S;
    o.densityTransform = true;
    o.note = NoteKind::Density;
    return EvaluateTable(kArgonDensityTable, o, P, t);
}

double ArgonViscosityPT(double P, double t) {
    return EvaluateTable(kArgonViscosityTable, SkipOnly(1e-8, NoteKind::Viscosity), P, t);
}

double ArgonEnthalpyPT(double P, double t) {
    return EvaluateTable(kArgonEnthalpyTable, SkipOnly(1.0, NoteKind::Enthalpy), P, t);
}

double ArgonCpPT(double P, double t) {
    return EvaluateTable(kArgonCpTable, SkipOnly(1000.0, NoteKind::HeatCapacity), P, t);
}

double ArgonCvPT(double P, double t) { return ArgonCpPT(P, t) - kGasConstantOverMolarMass; }

}  // namespace tubalyx
