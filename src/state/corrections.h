#pragma once
// The installation corrections and the uncertainties of the calculation state. Each
// correction factor is 1.0 where it does not apply; every uncertainty is in %.
namespace tubalyx {

// Correction factors.
extern double InletEdgeFactor;         // bk
extern double RoughnessFactor;         // br
extern double BendFactor;              // bkr
extern double SizingCorrectionFactor;  // of the optimal design's choice (1.0 before)

// Uncertainties of the installation, %.
extern double AdditionalUncertaintyPercent;
extern double RoughnessUncertaintyPercent;
extern double BendUncertaintyPercent;  // 0 without a bend factor
extern double InletEdgeUncertaintyPercent;

// Uncertainty budget, %.
extern double CoefficientUncertaintyAtMaxFlow;
extern double CoefficientUncertaintyPercent;
extern double ExpansibilityUncertaintyPercent;
extern double ExtraUncertaintyPercent;
extern double StraightLengthUncertaintyPercent;
extern double CombinedCoefficientUncertaintyPercent;
extern double FlowUncertaintyPercent;

// Averages over the measuring range, %, written by UncertaintyOverDpRange for the report.
extern double AverageCoefficientUncertainty;
extern double VariantFlowDeviationA;  // flow scaled from the normal-flow dp
extern double VariantFlowDeviationB;  // flow scaled from the max dp (root extraction)
// %, mean absolute deviation of the fitted simplified flow law.
extern double CalculationErrorLimit;

// %, of the maximal dp: where the range of the small of two dp transmitters ends, as the
// big report's transmitter section leaves it (0: no split computed). The run driver resets
// it at the start of every run; the uncertainty page reads it.
extern double DpCellSplitPercent;
inline double& LowDpCellRangePercent = DpCellSplitPercent;  // its name where the transmitter section sets it

// The names the reports know two of them by.
inline double& EdgeUncertaintyPercent = InletEdgeUncertaintyPercent;
inline double& MountingUncertaintyPercent = ExtraUncertaintyPercent;

}  // namespace tubalyx
