#pragma once
// Optimal design: the search over the allowed device types, pipe diameters and
// differential pressures for the device that respects the standard's limits, needs no more
// straight pipe than is available, and has the best weighted sum of permanent pressure
// loss and measurement uncertainty.
#include <string>

namespace tubalyx {

// Inputs of the optimal design, written by the input page.
extern std::string PrimaryElementEntry;  // allowed device types, e.g. "135"
extern double PipeDiameterMinLimitM;     // cold pipe-diameter range, m
extern double PipeDiameterMaxLimitM;
extern double DpLowerLimitPa;            // differential-pressure range, Pa
extern double DpUpperLimitPa;
extern double WeightFactor1;             // weight of the uncertainty term
extern double WeightFactor2;             // weight of the pressure-loss term

// Outputs besides the device selection, geometry and dp of the calculation state.
extern double SizingCorrectionFactor;     // correction factor of the chosen design (1.0 before)
extern double StraightLengthShortfallM;   // required minus available straight length, m
extern double BendUncertaintyPercent;     // uncertainty of the bend factor, 0 without one
extern double OptimalPressureLossPa;      // permanent loss of the chosen design, Pa

// The device character of PrimaryElementEntry ("1" .. "9", "0", "A") as device code and
// variant; false for any other character.
bool DeviceForElementChar(char c, const char*& device, const char*& variant);

// Chooses DeviceCode, DeviceVariantCode, PipeDiameterColdM, PipeDiameter, MaxDpPa and
// BoreDiameter from the state (medium state at operating conditions, MaxMassFlow,
// NormalMassFlow, MinMassFlow, the material coefficients, roughness and straight length),
// and sets MaxDpInput, AdditionalUncertaintyPercent, RoughnessFactor, BendFactor,
// RoughnessUncertaintyPercent and the outputs above. A candidate whose evaluation raises
// CalcError (or a range error) is skipped, as is a pipe or dp whose range step overflows; any
// other exception reaches the caller. When no candidate passes, the last tried one stands (the
// default orifice with corner tappings when none could be tried) with its bore solved inside
// a guard. Every number it publishes is finite, or it raises CalcError.
void SizeThroatDevice();

}  // namespace tubalyx
