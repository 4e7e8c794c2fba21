#pragma once
// The state of the current medium at the operating point, as every calculation of a run
// reads it, and the entry that fills it. The viscosity of the state is DynamicViscosityPas
// of flow/flow_state.h; cv is CvOperating of the propane table, which writes it too.
#include <string>

#include "flow/flow_state.h"
#include "property_tables/propane.h"

namespace tubalyx {

extern double FlowDensity;        // kg/m3, the flowing (humid) medium
extern double DryGasDensity;      // kg/m3, its dry part
extern double VapourPartDensity;  // kg/m3, its water-vapour part
extern double KappaOperating;     // isentropic exponent
extern double CpOperating;        // J/(kg K)
extern double VapourPressurePa;   // Pa, partial pressure of the water vapour
extern double EnthalpyOperating;  // kJ/kg against 101325 Pa and 0 degC

// " " when the operating state is served by the tables, otherwise why not, in the user's
// language; the run prints it in red in place of the general input-error line.
extern std::string TableRangeNote;

// Fills the medium state from the medium description and the operating state, then the
// table note.
void CalcMediumState();

// Fills the medium state only: VapourPressurePa and EnthalpyOperating start at 0.
void CalcHumidGasState();

// Kept for the callers that still hand it their humid-air variables; it does nothing.
void HumidAirStateStub(double& a, double& b, double& c, double d, double e, double& f, double& g,
                       double& h, double& i);

}  // namespace tubalyx
