#pragma once
// How to compute the flow in a control system from the dp signal: the additional uncertainty
// contributions and correction factors of the primary device (every report size) and, in
// the big report, three flow algorithms with their uncertainty bounds, the correction
// function fmat, the flow function block in Structured Text and the density correction
// factor fdens.
//
// Every uncertainty is in % and adds the straight-length term X (AdditionalUncertaintyPercent)
// to a base u: X of 50 or more marks straight lengths too short for the tables and is left
// out; otherwise it is added linearly, or in quadrature when a bend correction is applied.
#include <string>

namespace tubalyx {

// The section, for every device but the volume meter. In the big report it leaves
// IdealGasDensityErrorPercent, UncorrectedDensityErrorPercent, RootFlowFormulaText and the
// lines of the flow function block.
void WriteAlgorithmsAndPlcCode();

// The error of the simple ideal-gas density correction over the operating range and of no
// correction at all (IdealGasDensityErrorPercent, UncorrectedDensityErrorPercent): both 0
// when the density does not vary, unchanged when the operating density is not above 0.
void UpdateDensityErrors();

// The bounds of the three algorithms, each with the ideal-gas density correction and (the
// ...Uncorrected ones) without any.
struct AlgorithmUncertainties {
    double algorithm1 = 0.0, algorithm1Uncorrected = 0.0;
    double algorithm2 = 0.0, algorithm2Uncorrected = 0.0;
    double algorithm3 = 0.0, algorithm3Uncorrected = 0.0;
};
AlgorithmUncertainties CombinedAlgorithmUncertainties();
// The bound of algorithm 1 (normal flow) with the density corrected.
double CombinedAlgorithm1Uncertainty();

// The report line of the correction function fmat: in the root flow of algorithm 2 for a
// gas measured by a cone meter, in q_rot_mat**(3/4) for every other device, where a gas's
// line also carries the fitted expansibility in q_rot_mat and the controller's pressure P.
// Empty for a liquid measured by a cone meter, and when its terms cannot be formed (a zero
// flow or dp, the polynomial not fitted).
std::string FmatReportLine();

}  // namespace tubalyx
