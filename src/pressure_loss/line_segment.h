#pragma once
// The pressure drop of one segment of a pipe line: the pipe's friction, the fittings that
// lie in the segment and the hydrostatic term of the height rows, for liquids and gases.
// The gas law is the isothermal one, P_out^2 = P^2 - zeta rho v^2 P, with rho and v taken
// at the segment's inlet. Faults raise CalcError (a zero flow or density, a height row of
// length 0 with a rise, a valve cell that is no number); the grid keeps what was written.
#include <string>

namespace tubalyx {

// The state at the inlet of a segment. SI units: kg/s, m, Pa absolute, degC, kg/m3, Pa s,
// m/s.
struct LineFlowState {
    double massFlow = 0.0;
    double diameter = 0.0;
    double pressure = 0.0;
    double temperature = 0.0;
    double density = 0.0;
    double viscosity = 0.0;
    double kappa = 0.0;
    double velocity = 0.0;
};

struct LineSegmentLoss {
    double drop = 0.0;          // Pa, friction, fittings and the hydrostatic term
    double zetaSum = 0.0;       // the fittings' zeta and the pipe's lambda l / D
    double rise = 0.0;          // m, rise of the height row in the segment (the last one found)
    int lastFitting = -1;       // column of the last fitting of kinds 30-34, 50, 60-64, 70-73; -1 none
    double frictionDrop = 0.0;  // Pa, the drop without the hydrostatic term
    bool holdsFitting = false;  // a fitting's loss is in the drop (a height row's term is not)
};

// Position tolerance at the end of a segment, m: a fitting exactly at the end belongs to it.
inline constexpr double kSegmentEndTolerance = 1e-10;

// The segment of a stretch of `stretchLength` m cut into `segments` pieces, beginning at
// `segmentStart` m after the line inlet; the first segment (start 0) also takes every fitting
// at or before the inlet. With `pipeOnly` the fittings are left out; with `gridOutput` each
// fitting's zeta and drop (row 2, row 4 in % of OperatingPressure, row 5 in mbar) are written
// into the resistance grid. The computed zeta of the flow-dependent kinds goes to
// ResistanceZeta; the height rows add to HeightZetaSum and HeightPressureSum. Leaves
// PipeSegmentZeta and FittingPressureDrop.
LineSegmentLoss ComputeLinePressureLoss(bool pipeOnly, const std::string& medium, int segments,
                                        const LineFlowState& state, double segmentStart, double stretchLength,
                                        bool gridOutput);

// While one lives, the segments take the fittings whose description (grid row 1) was there when it
// began, in column order: a walk writes other rows only, and its many segments need not look up
// every column anew. The first one alive owns the list.
class DescribedFittingsKept {
public:
    DescribedFittingsKept();
    ~DescribedFittingsKept();
    DescribedFittingsKept(const DescribedFittingsKept&) = delete;
    DescribedFittingsKept& operator=(const DescribedFittingsKept&) = delete;

private:
    bool owner_ = false;
};

}  // namespace tubalyx
