#include "property_tables/ammonia.h"

#include "property_tables/ammonia_data.h"
#include "property_tables/table_engine.h"

namespace tubalyx {

namespace {

constexpr double kGasConstantOverMolarMass = 488.16863366801715;  // 8314 / 17.031, J/(kg K)

TableOptions RowSearchCopy(double scale, NoteKind note) {
    TableOptions o;
    o.repair = Repair::R4;
    o.r4BackStep = true;
    o.usedState = UsedStateRule::N2;
    o.form = Form::M;
    o.scale = scale;
    o.note = note;
    return o;
}

}  // namespace

double AmmoniaDensityPT(double P, double t) {
    TableOptions o = RowSearchDensityOptions();
    o.r4BackStep = true;
    return EvaluateTable(kAmmoniaDensityTable, o, P, t);
}

double AmmoniaViscosityPT(double P, double t) {
    TableOptions o = RowSearchCopy(1e-6, NoteKind::Viscosity);
    o.r4BackStep = false;
    return EvaluateTable(kAmmoniaViscosityTable, o, P, t);
}

double AmmoniaEnthalpyPT(double P, double t) {
    return EvaluateTable(kAmmoniaEnthalpyTable, RowSearchCopy(4.1868, NoteKind::Enthalpy), P, t);
}

double AmmoniaCpPT(double P, double t) {
    return EvaluateTable(kAmmoniaCpTable, RowSearchCopy(4186.8, NoteKind::HeatCapacity), P, t);
}

double AmmoniaCvPT(double P, double t) { return AmmoniaCpPT(P, t) - kGasConstantOverMolarMass; }

}  // namespace tubalyx
