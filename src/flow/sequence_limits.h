#pragma once
// The standard's bounds for the current device, copied into the calculation state, and the
// flows at which the device leaves them.

namespace tubalyx {

// ReynoldsLowerBound/UpperBound, RoughnessUpperBound, BetaLowerBound/UpperBound,
// PipeDiameterLowerBound/UpperBound and ThroatDiameterLowerBound/UpperBound for DeviceCode,
// DeviceVariantCode and StandardLetter; the roughness bound at the normal-flow Reynolds
// number with PipeRoughnessM, PipeDiameter and BoreDiameter.
void FetchStandardLimits();

// ReynoldsLowerBound / Re(normal flow) * NormalMassFlow, into FlowAtReynoldsMin.
void ComputeFlowAtReynoldsMin();

// FlowAtUpperLimitValue: for a gas the smaller of the flow at the standard's largest dp
// and the flow at ReynoldsUpperBound, for a liquid the latter. f is the correction factor.
void ComputeUpperFlowLimit(double f);

}  // namespace tubalyx
