#pragma once
// Operating-range adjustment: a gas metered over a range of pressures and temperatures is
// sized so that the maximum flow is still measured at the corner of the range with the
// worst density, and the values of the differential-pressure transmitter scaled for the
// design are filled for the report.
namespace tubalyx {

// Pass bound of the two searches; reaching it is an input error.
inline constexpr int kOperatingRangePassLimit = 100000;

// Sets DensityRatioWorstCase from the kind of FlowUnit: kind "M" gives the low-density
// corner over the operating density, kind "V" the operating density over the high-density
// corner, both only in the gas-throat branch (otherwise 1). An unknown unit keeps it.
void UpdateDensityRatioWorstCase();

// The absolute pressure (Pa) of the range's corner at which the device sees its design dp, the
// largest it sees: in the gas-throat branch with a pressure range the maximum pressure for a
// flow in operating volume units (the high-density corner), else the minimum; without a range
// the operating pressure.
double DesignDpCornerPressure();

// Corrects MaxDpPa ("DP") or BoreDiameter (the other calculations but "FL", which keeps the
// given bore and dp) so that the maximum flow is met at the worst-case corner (a bore grows for
// it where a cone shrinks), converts the design dp into the user's unit, shows it in
// difftryckmaxantal after "DP", and fills DpTransmitterValues. Raises CalcError when a search
// reaches kOperatingRangePassLimit, its step no longer moves the searched value, a dp solve of
// a pass does not settle, or its arithmetic fails.
// State: reads the medium state at the operating point, the device selection, CalibratedCf,
// the correction factors, MaxMassFlow and the flow and dp inputs; writes what is named above.
void AdjustForOperatingRange();

}  // namespace tubalyx
