#pragma once

namespace tubalyx {

// Correction factor br of a rough pipe: D (m), k roughness (m), qm (kg/s). Reads
// DeviceCode, DeviceVariantCode, DynamicViscosityPas, PipeDiameterColdM and BoreDiameter.
// Gives br, its uncertainty contribution |br - 1| * 100 (%) and the polynomial value A.
void RoughnessCorrectionFactor(double pipeDiameter, double roughness, double massFlow, double& factor, double& percent,
                               double& polynomial);
// Its name in the uncertainty budget, which takes the factor of a changed roughness.
inline constexpr auto& DeviceReynoldsFactor = RoughnessCorrectionFactor;

// Correction factor bkr of an upstream bend at straight length L (m), pipe D (m), beta.
void BendCorrectionFactor(double length, double pipeDiameter, double beta, double& factor);

}  // namespace tubalyx
