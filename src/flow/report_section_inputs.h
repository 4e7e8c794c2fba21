#pragma once
// What the flow-speed sections of the report need of modules that are not built yet: the
// line-state and density services of the pressure-loss calculations. Those modules install
// them here. A service nobody installed is not called, and the lines that need it are left out.
#include <functional>

namespace tubalyx {

struct ReportSectionHooks {
    // The density (kg/m3) of the current medium at (p Pa, t degC): the first output of the
    // medium property routine. The caller's humidity values must come back unchanged.
    std::function<double(double p, double t)> MediumDensityAt;
    // Static state p2 (Pa), t2 (degC) in a contraction of diameter d (m) for a mass flow
    // (kg/s) in a pipe of diameter D (m) from the inlet state; raises CalcError when the
    // flow cannot pass the contraction. Leaves p2, t2 as they were for "VÄT".
    std::function<void(double& p2, double& t2, double massFlow, double D, double d, double p1,
                       double t1)>
        LinePropertiesInlet;
};
ReportSectionHooks& ReportSectionServices();


}  // namespace tubalyx
