#pragma once
// The uncertainty budget over a flow range. Each error source is simulated on its own: its
// input is changed by its stated uncertainty, the flow is computed again through the same
// flow routines as the primary-device calculation, and the relative change of the flow is the
// source's contribution, at ten points evenly from the lowest to the maximal mass flow.
// Random sources combine as the root of their squares; the bias sources are added with their
// signs and the absolute value of their sum is added to the root.
#include <string>

#include "state/uncertainty_state.h"

namespace tubalyx {

// What a run starts from: the selections, the flows and geometry, and the medium state of the
// primary-device calculation. The property routine reads the rest of the medium description
// (mixture grid, given Z, molar mass) from the calculation state itself.
struct UncertaintyRunInput {
    char standard = '3';
    std::string medium, solveFor, device, variant;
    double maxMassFlow = 0.0;                                    // kg/s, the top of the range
    double dpMax = 0.0;                                          // Pa at maximal flow (the transmitter's span)
    double bore = 0.0, pipeDiameter = 0.0, segmentHeight = 0.0;  // m, operating temperature
    double givenDensity = 0.0, density = 0.0, dryDensity = 0.0;  // kg/m3
    double givenViscosity = 0.0, viscosity = 0.0;                // Pa s
    double givenCp = 0.0, givenCv = 0.0, givenKappa = 0.0, kappa = 0.0;
    double roughnessFactor = 1.0;
    double givenCriticalTemperature = 0.0;  // K
    double pressure = 0.0;                  // Pa abs
    double temperature = 0.0;               // degrees C
    double relativeHumidity = 0.0;          // %
};
// The input as the calculation state holds it after a primary-device run.
UncertaintyRunInput UncertaintyRunInputFromState();

struct UncertaintyRunResult {
    double totalAtFirstPoint = 0.0;        // CombinedUncertaintyAtPointAlt(0)
    double dryGasTotalAtFirstPoint = 0.0;  // CombinedUncertaintyAtPoint(0)
    double totalSum = 0.0;                 // over the points; "M" mode weighted by q_max / MaxMassFlow
    double dryGasTotalSum = 0.0;
    bool ok = false;
};

// One run from `lowestMassFlow` (kg/s; raised to a tenth of the maximum for a volume meter
// solved for flow with no range) to input.maxMassFlow. Sets UncertaintyRunOk as it returns.
// Without a bore (but for the volume meter), a pipe or a flow nothing changes and the run
// fails; an error of a flow or property routine ends it with the arrays as far as computed.
UncertaintyRunResult RunUncertaintyCalculation(const UncertaintyRunInput& input, double& lowestMassFlow);

// Totals at point k (0 to 10; 0 outside): with the whole humidity effect, with the effect on
// the dry-gas part of a humid gas, and (natural gas) of the energy flow.
double CombinedUncertaintyAtPointAlt(int k);
double CombinedUncertaintyAtPoint(int k);
double CombinedUncertaintyAtPointFull(int k);

// Points 0 to 9 of every computed source := 0; the typed-in arrays stay.
void ClearSourceArrays();

// The mean absolute contribution of every source over the range from `lowestMassFlow` to the
// maximum, from ten runs over the tenths of the range, into SourceMeanValues. False when one
// of the runs fails; the means are then incomplete and must not be shown.
bool ComputeSourceMeans(const UncertaintyRunInput& input, double lowestMassFlow);

}  // namespace tubalyx
