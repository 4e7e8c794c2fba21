#pragma once
// Primary devices are made to their dimensions at 20 degrees C and used at the operating
// temperature. After a bore or pipe diameter has been solved at operating temperature,
// the cold dimensions are computed back, the quantities that depend on them re-derived,
// and the cold dimensions written into the input fields, so the user sees what to make.

namespace tubalyx {

// The cold bore (BoreDiameterColdM, BoreDiameterColdMm) of BoreDiameter, and a segment
// orifice's segment height, cold and at operating temperature; deviceFactor is the device's
// thermal expansion at the operating temperature.
void ColdBoreFromOperating(double deviceFactor);

// Cold values, straight length, normal-flow dp, uncertainty over the range, scaled dp,
// the standard's bounds and flow limits, the operating-range adjustment, and the edits
// Dstorkallmm, dkallmm, hkallmm, difftryckmaxantal and difftryckmaxsort.
void ComputeOperatingGeometry();

}  // namespace tubalyx
