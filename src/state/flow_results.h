#pragma once
// The flow results of the calculation state: flows and differential pressures of the
// primary-device sequence, the coefficients, the values of the transmitter section and of
// the simplified flow law, as the calculations leave them for the reports.
#include <array>
#include <optional>
#include <string>

namespace tubalyx {

// Flows and differential pressures.
extern double MaxMassFlow;            // kg/s, maximal mass flow of the device calculation
extern double MinMassFlow;            // kg/s, minimal mass flow of the device calculation
extern double NormalMassFlow;         // kg/s
extern double MaxDpPa;                // Pa, differential pressure at max flow
extern double MaxFlowDpPa;            // Pa, design dp at max flow at the worst-case corner
extern double ScaledMaxDpPa;          // Pa, dp at a lower flow scaled to max flow
extern double DpAtNormalFlow;         // Pa
extern double DpAtMinFlow;            // Pa
extern double FlowAtMaxDp;            // kg/s, flow at MaxFlowDpPa
extern double FlowAtMaxDpInput;       // FlowAtMaxDp in the user's flow unit
extern double FlowAtReynoldsMin;      // kg/s
extern double FlowAtUpperLimitValue;  // kg/s, largest flow within the standard
extern double ReynoldsAtMaxFlow;      // pipe Reynolds number at max flow

// Coefficients at max flow, and the same at normal flow.
extern double DischargeCoefficientC;
extern double VelocityOfApproachFactor;
extern double ExpansibilityAtMaxFlow;
struct FlowCoefficientSet {
    double c = 0.0, e = 0.0, epsilon = 1.0, beta = 0.0, reynolds = 0.0;
};
extern FlowCoefficientSet NormalFlowCoefficients;
extern double FlowCoefficientAtNormalFlow;  // C * E at normal flow

// Flow per square root of the dp: in the user's flow unit per root of the user's dp unit,
// and (the ...Pa ones) in kg/s per root of Pa.
extern double RootFlowNormal, RootFlowMax, RootFlowDesign;
extern double RootFlowNormalPa, RootFlowMaxPa, RootFlowDesignPa;

// Permanent pressure loss of the primary device in Pa. The bore and pressure-loss step of
// the calculation sequence and the valve sizing write it.
extern double DevicePressureLossPa;
extern double OptimalPressureLossPa;  // Pa, permanent loss of the optimal design's choice

// The operating-range adjustment.
// Converts between the design dp and the user's unit DpUnit (see AdjustForOperatingRange).
extern double DpUnitFactor;
// The design differential pressure in the user's unit DpUnit.
extern double MaxDpEntered;

struct FlowValue {
    double si = 0.0;    // kg/s
    double user = 0.0;  // in the user's flow unit
};
struct DpValue {
    double pa = 0.0;
    double user = 0.0;  // in DpUnit
};
// What the report's transmitter section prints.
struct DpTransmitterValueSet {
    FlowValue normalPointFlow;
    DpValue normalPointDp;
    FlowValue maxPointFlow;
    DpValue maxPointDp;
    FlowValue designDpFlow;
    DpValue designDp;
    FlowValue rootNormalFlow;
    FlowValue rootNormalFlowAtDesignDp;
    FlowValue cornerRootNormalFlow;
    FlowValue rootMaxFlow;
    FlowValue designDpFlowAgain;
    FlowValue maxFlow;
    FlowValue flowAtMaxDp;
};
extern DpTransmitterValueSet DpTransmitterValues;
// The root-extraction scale of the flow range: the dp the root normal flow is carried to (the
// dp at max flow after the worst-case search, the design dp otherwise) and the dp of the
// transmitter's normal point, both Pa.
extern double FlowRangeMaxDpPa;
extern double FlowRangeDpPa;

// Written by the volume-meter branch of the flow calculation.
extern double VolumeMeterRoughnessFactor;  // area factor (D - 14 k^2) / D
extern double VolumeMeterReynoldsFactor;   // flow-profile correction

// The simplified flow law of the plant's flow computer. Below kFmatNotFittedBelow,
// FmatCoefficientA marks the coefficients as not fitted yet.
inline constexpr double kFmatNotFittedBelow = -1e10;
inline constexpr double kFmatNotFitted = -2e10;
extern double FmatCoefficientA;                         // k, expansibility slope (1.0 for a liquid)
extern double FmatCoefficientB;                         // b, Reynolds coefficient, Pa^0.375
extern std::array<double, 11> FlowCorrectionDeviation;  // %, signed, at the ten fit points

// What the compensated-flow recipe for oil is written from.
struct OilRecipeInput {
    double rootFlowMax = 0.0;             // flow per square root of dp in kPa
    double bore = 0.0;                    // d, m
    double pipeDiameter = 0.0;            // D, m
    double maxMassFlow = 0.0;             // kg/s
    double viscosity = 0.0;               // Pa s
    std::string densityFormula;           // "r[kg/m3]:=" ...
    std::string viscosityFormula;         // "dynvisk[Pas]:=r[kg/m3]/1000000"
    std::string dynamicViscosityFormula;  // "*(" + the viscosity law + ")"
    std::string densityCorrection;        // "fdens:=sqrt(r[kg/m3]/" ... ")"
};
// The oil recipe of the last pass of the primary-device steps, written once after the
// correction pass so that its root-flow constant and its bore belong to the same pass.
extern std::optional<OilRecipeInput> PendingOilRecipe;

// The names the reports, the data sheet and the uncertainty budget know some results by:
// the same variables.
inline double& StandardMinFlowLimit = FlowAtReynoldsMin;      // kg/s
inline double& StandardMaxFlowLimit = FlowAtUpperLimitValue;  // kg/s
inline double& FlowAtMaxFlowDp = FlowAtMaxDp;                 // kg/s
inline double& CalculatedDpPa = MaxDpPa;                      // Pa, the dp the device gives at max flow
inline double& DpUnitKpaFactor = DpUnitFactor;                // kPa per unit of DpUnit, the dp solved
inline double& RootFlowCoefficient = RootFlowDesign;          // best over all flows
inline double& AdjustedNormalFlow = DpTransmitterValues.rootNormalFlow.user;
inline double& AdjustedMaxFlow = DpTransmitterValues.rootMaxFlow.user;
inline double& PressureLossFactorX = VelocityOfApproachFactor;
inline double& AlfaAtNormalFlow = FlowCoefficientAtNormalFlow;
inline double& DischargeCoefficientNormalFlow = NormalFlowCoefficients.c;
inline double& ExpansibilityAtNormalFlow = NormalFlowCoefficients.epsilon;
inline double& BetaAtNormalFlow = NormalFlowCoefficients.beta;
inline double& ReynoldsAtNormalFlow = NormalFlowCoefficients.reynolds;
inline double& VolumeMeterCorrection = VolumeMeterRoughnessFactor;
inline double& VolumeMeterReynoldsCorrection = VolumeMeterReynoldsFactor;
// The flow coefficient C * E at max flow.
inline double AlfaAtMaxFlow() { return DischargeCoefficientC * VelocityOfApproachFactor; }

}  // namespace tubalyx
