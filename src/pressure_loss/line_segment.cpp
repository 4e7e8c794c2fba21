#include "pressure_loss/line_segment.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "flow/reynolds.h"
#include "media/medium_identification.h"
#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "pressure_loss/line_resistance.h"
#include "state/geometry.h"
#include "state/grid_rows.h"
#include "state/medium.h"
#include "state/pressure_loss_state.h"
#include "state/resistance_grid_state.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

constexpr int kGridDigits = 5;
// The hydrostatic term counts the medium against the air outside the pipe.
constexpr double kGravity = 9.81;
constexpr double kAirDensity = 1.293;
constexpr double kMbarPerPa = 0.01;

enum class FittingRole { Ordinary, CrossSection, ThroatDevice, Branch, Valve, Height };

FittingRole RoleOf(int kind) {
    if (kind >= 30 && kind <= 34) return FittingRole::CrossSection;
    if (kind >= 60 && kind <= 64) return FittingRole::ThroatDevice;
    if (kind >= 70 && kind <= 73) return FittingRole::Branch;
    if (kind == 50) return FittingRole::Valve;
    if (kind == 81) return FittingRole::Height;
    return FittingRole::Ordinary;
}

TStringGrid& Grid() { return CalculationWindow().Motstandgrid; }

// The described columns while a DescribedFittingsKept lives.
bool describedKept = false;
std::vector<int> describedColumns;

bool Described(int column) { return !Grid().Cell(column, kDescriptionRow).empty(); }

void WriteNumber(int column, int row, double value) {
    Grid().SetCell(column, row, FormatFixed(CheckFinite(value, "fitting loss is no number"), kGridDigits));
}

void WriteShare(int column, double dropPa) {
    WriteNumber(column, kPercentRow, CheckedDiv(dropPa, OperatingPressure) * 100);
    WriteNumber(column, kMbarRow, kMbarPerPa * dropPa);
}

// The drop of one fitting at the segment inlet, for its row 4 and row 5.
void WriteFittingDrop(bool gas, int column, double zeta, double pressure, double density, double velocity) {
    double drop = 0.0;
    if (gas) {
        const double t = (pressure - zeta * density * velocity * velocity) * pressure;
        drop = t >= 0 ? pressure - std::sqrt(t) : pressure + std::sqrt(std::fabs(t));
    } else {
        drop = zeta * density * 0.5 * velocity * velocity;
    }
    FittingPressureDrop = CheckFinite(drop, "fitting loss is no number");
    WriteShare(column, FittingPressureDrop);
}

// The rise (m) of a height row inside the segment [start, start + length]: its share of the
// row's length times rise / length. A row of no length and no rise adds nothing.
double RiseInSegment(int column, double start, double length) {
    const double p = ResistancePosition[column];
    const double rowLength = HeightRowLength[column];
    double h = length;
    if (p > start) h -= p - start;
    if (p + rowLength < start + length) h -= (start + length) - (p + rowLength);
    if (rowLength == 0.0 && HeightRowRise[column] == 0.0) return 0.0;
    return h * CheckedDiv(HeightRowRise[column], rowLength);
}

}  // namespace

LineSegmentLoss ComputeLinePressureLoss(bool pipeOnly, const std::string& medium, int segments,
                                        const LineFlowState& state, double segmentStart, double stretchLength,
                                        bool gridOutput) {
    LineSegmentLoss result;
    const double D = state.diameter, P = state.pressure, rho = state.density, v = state.velocity;
    const double s = segmentStart;
    const double l = CheckedDiv(stretchLength, segments);
    const double re = ReynoldsNumber(D, state.viscosity, state.massFlow);
    const double lambda = ColebrookFrictionFactor(PipeRoughnessMm, 1000 * D, re);
    PipeSegmentZeta = CheckFinite(lambda * CheckedDiv(l, D), "pipe resistance is no number");
    const bool gas = IsGasMedium(medium);
    double heightTotal = 0.0;

    const int fittings = pipeOnly ? 0 : describedKept ? static_cast<int>(describedColumns.size()) : kFittingColumnCount;
    for (int f = 0; f < fittings; ++f) {
        const int i = describedKept ? describedColumns[static_cast<std::size_t>(f)] : f + 1;
        if (!describedKept && !Described(i)) continue;
        const FittingRole role = RoleOf(ResistanceKind[i]);
        const double p = ResistancePosition[i];
        const double reach = role == FittingRole::Height ? p + HeightRowLength[i] : p;
        // A fitting within the tolerance of a segment's end belongs to that segment alone.
        if (!((reach > s + kSegmentEndTolerance || s == 0.0) && p <= s + l + kSegmentEndTolerance)) continue;

        double dropVelocity = v;
        switch (role) {
            case FittingRole::Ordinary: break;
            case FittingRole::CrossSection:
                ContractionExpansionResistance(medium, i, state.massFlow, state.viscosity, 1000 * D);
                break;
            case FittingRole::ThroatDevice:
                ThroatDeviceResistance(medium, i, D, state.massFlow, P, state.temperature, rho, state.viscosity,
                                       state.kappa);
                break;
            case FittingRole::Branch:
                // A combining tee's branch path carries its share of the flow downstream.
                if (ResistanceKind[i] >= 72) dropVelocity = v * CheckedDiv(100.0, ResistanceParamA[i]);
                break;
            case FittingRole::Valve:
                RestrictionResistance(medium, i, P, state.temperature, state.massFlow, state.viscosity,
                                      PipeDiameterColdMm);
                break;
            case FittingRole::Height: {
                const double h = RiseInSegment(i, s, l);
                result.rise = h;
                heightTotal += h;
                const double dph = kGravity * (rho - kAirDensity) * h;
                HeightZetaSum[i] += gas ? CheckedDiv(P * P - (P - dph) * (P - dph), P * rho * v * v)
                                        : CheckedDiv(dph, 0.5 * rho * v * v);
                HeightPressureSum[i] += dph;
                ResistanceZeta[i] = HeightZetaSum[i];
                if (gridOutput) {
                    WriteNumber(i, kZetaRow, ResistanceZeta[i]);
                    WriteShare(i, HeightPressureSum[i]);
                }
                continue;
            }
        }
        if (role != FittingRole::Ordinary) {
            result.lastFitting = i;
            if (gridOutput) WriteNumber(i, kZetaRow, ResistanceZeta[i]);
        }
        result.zetaSum += ResistanceZeta[i];
        result.holdsFitting = true;
        if (gridOutput) WriteFittingDrop(gas, i, ResistanceZeta[i], P, rho, dropVelocity);
    }
    result.zetaSum += PipeSegmentZeta;

    double afterFriction = 0.0;
    if (gas) {
        const double t = (P - result.zetaSum * rho * v * v) * P;
        afterFriction = t > 0 ? std::sqrt(t) : -std::sqrt(std::fabs(t));
    } else {
        afterFriction = P - result.zetaSum * rho * 0.5 * v * v;
    }
    result.frictionDrop = CheckFinite(P - afterFriction, "line pressure drop is no number");
    result.drop = CheckFinite(P - (afterFriction - kGravity * (rho - kAirDensity) * heightTotal),
                              "line pressure drop is no number");
    return result;
}

DescribedFittingsKept::DescribedFittingsKept() {
    if (describedKept) return;
    describedColumns.clear();
    for (int column = 1; column <= kFittingColumnCount; ++column)
        if (Described(column)) describedColumns.push_back(column);
    describedKept = owner_ = true;
}

DescribedFittingsKept::~DescribedFittingsKept() {
    if (owner_) describedKept = false;
}

}  // namespace tubalyx
