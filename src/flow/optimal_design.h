#pragma once
// Optimal design: the search over the allowed device types, pipe diameters and
// differential pressures for the device that respects the standard's limits, needs no more
// straight pipe than is available, and has the best weighted sum of permanent pressure
// loss and measurement uncertainty.
#include <string>

namespace tubalyx {

// The device character of PrimaryElementEntry ("1" .. "9", "0", "A") as device code and
// variant; false for any other character.
bool DeviceForElementChar(char c, const char*& device, const char*& variant);

// Chooses DeviceCode, DeviceVariantCode, PipeDiameterColdM, PipeDiameter, MaxDpPa and
// BoreDiameter from the state (medium state at operating conditions, MaxMassFlow,
// NormalMassFlow, MinMassFlow, CalibratedCf, the material coefficients, roughness and straight length),
// and sets MaxDpInput, AdditionalUncertaintyPercent, RoughnessFactor, BendFactor,
// RoughnessUncertaintyPercent and the outputs above. A candidate whose evaluation raises
// CalcError is skipped, as is a pipe or dp whose range step overflows; any other exception
// reaches the caller. When no candidate passes, the last tried one stands (the
// default orifice with corner tappings when none could be tried) with its bore solved inside
// a guard. Every number it publishes is finite, or it raises CalcError.
void SizeThroatDevice();

}  // namespace tubalyx
