#pragma once
// Operating-range adjustment: a gas metered over a range of pressures and temperatures is
// sized so that the maximum flow is still measured at the corner of the range with the
// worst density, and the values of the differential-pressure transmitter scaled for the
// design are filled for the report.
namespace tubalyx {

// Ideal-gas density ratio of the worst-case corner (1 or less for a gas, 1 for a liquid).
extern double DensityRatioWorstCase;
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

// Pass bound of the two searches; reaching it is an input error.
inline constexpr int kOperatingRangePassLimit = 100000;

// Sets DensityRatioWorstCase from the kind of FlowUnit: kind "M" gives the low-density
// corner over the operating density, kind "V" the operating density over the high-density
// corner, both only in the gas-throat branch (otherwise 1). An unknown unit keeps it.
void UpdateDensityRatioWorstCase();

// Corrects MaxDpPa ("DP") or BoreDiameter (the other calculations) so that the maximum
// flow is met at the worst-case corner, converts the design dp into the user's unit, shows
// it in difftryckmaxantal after "DP", and fills DpTransmitterValues. Raises CalcError when
// a search reaches kOperatingRangePassLimit or its arithmetic fails.
void AdjustForOperatingRange();

}  // namespace tubalyx
