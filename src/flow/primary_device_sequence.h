#pragma once
// The primary-device calculation: from the calculation state (medium, geometry, flows and
// the selections) to the solved quantity of SolveFor, the coefficients, the installation
// corrections, the straight lengths, the limit checks and the uncertainty budget, all
// written back into the calculation state.
#include <string>

namespace tubalyx {

// Inputs that the run's input reading leaves.
extern double MaxFlowSI;            // max flow from the unit parser: kg/h (mass) or l/h (volume)
extern double MinFlowSI;            // min flow, same units
extern double MaxPressureLossPa;    // Pa, the wanted permanent loss for "TF"
extern double EdgeRadiusMm;         // mm, inlet-edge radius of an orifice
extern double GivenStraightInlet;   // m, available straight length upstream
extern double GivenStraightOutlet;  // m, available straight length downstream
extern std::string ExtraUncertaintyCode;  // "1" adds the extra orifice uncertainty, "2" not

// One evaluated medium state.
struct MediumStateValues {
    double pressure = 0.0;     // Pa abs
    double temperature = 0.0;  // degC
    double density = 0.0;      // kg/m3
    double dryDensity = 0.0;
    double vapourDensity = 0.0;
    double viscosity = 0.0;    // Pa s
    double kappa = 0.0;
    double cp = 0.0;
    double cv = 0.0;
    double vapourPressure = 0.0;
    double enthalpy = 0.0;
};
// The extreme states of the operating range.
extern MediumStateValues LowDensityState;
extern MediumStateValues HighDensityState;

// Coefficients at max flow, and the same at normal flow.
extern double DischargeCoefficientC;
extern double VelocityOfApproachFactor;
extern double ExpansibilityAtMaxFlow;
struct FlowCoefficientSet {
    double c = 0.0, e = 0.0, epsilon = 1.0, beta = 0.0, reynolds = 0.0;
};
extern FlowCoefficientSet NormalFlowCoefficients;
extern double FlowCoefficientAtNormalFlow;  // C * E at normal flow

extern double InletEdgeUncertaintyPercent;

// Straight lengths, m.
extern double UpstreamLengthZeroM;
extern double UpstreamLengthHalfM;
extern double DownstreamLengthZeroM;
extern double DownstreamLengthHalfM;
extern double RequiredUpstreamLengthM;
extern double RequiredDownstreamLengthM;

// Uncertainty budget, %.
extern double CoefficientUncertaintyAtMaxFlow;
extern double CoefficientUncertaintyPercent;
extern double ExpansibilityUncertaintyPercent;
extern double ExtraUncertaintyPercent;
extern double StraightLengthUncertaintyPercent;
extern double CombinedCoefficientUncertaintyPercent;
extern double FlowUncertaintyPercent;

// Report values.
extern double FlowAtMaxDpInput;  // FlowAtMaxDp in the user's flow unit
extern double RootFlowNormal, RootFlowMax, RootFlowDesign;
extern double RootFlowNormalPa, RootFlowMaxPa, RootFlowDesignPa;
extern double MaxPressureLossInput;  // kPa
extern std::string MaxPressureLossUnit;

// The entry of the run for "Strypf". Errors of the arithmetic raise CalcError; a result
// that is not finite raises too, so no NaN or inf reaches the report.
void RunPrimaryDeviceCalculation();

// The per-SolveFor steps; called by RunPrimaryDeviceCalculation only.
void RunCalculationSteps();

// Medium state at the operating point and the flows in kg/s.
void PrepareMediumForFlow();

// The nine-row decision of the second straight-length pass (given lengths against the
// required ones), into AdditionalUncertaintyPercent, the shown lengths and BendFactor.
void CompareStraightLengths();

// Does nothing; the place where a budget extension would hook in.
void UncertaintyBudgetHook();

}  // namespace tubalyx
