#pragma once
// The limits of the chosen standard and the straight lengths of the calculation state, as
// the calculation sequence stores them for the report, and the messages of the limit checks.
#include <array>
#include <string>

namespace tubalyx {

// The standard's limits of the current device.
extern double ReynoldsLowerBound;
extern double ReynoldsUpperBound;
extern double RoughnessUpperBound;  // m
extern double RoughnessLowerBound;  // m, written by CheckRoughness
extern double BetaLowerBound;
extern double BetaUpperBound;
extern double PipeDiameterLowerBound;    // m
extern double PipeDiameterUpperBound;    // m
extern double ThroatDiameterLowerBound;  // m
extern double ThroatDiameterUpperBound;  // m
extern double StandardMaxDiffPressure;   // Pa

// Indices of DeviceLimitMessages.
enum DeviceLimitMessageIndex {
    kThroatDiameterMessage = 0,
    kDiffPressureMessage = 1,
    kDiameterRatioMessage = 2,
    kReynoldsMessage = 3,
    kPipeDiameterMessage = 4,
    kRoughnessMessage = 5
};
// " " when a check passed, else its message in the user's language.
extern std::array<std::string, 6> DeviceLimitMessages;

// Straight lengths, m.
extern double UpstreamLengthZeroM;
extern double UpstreamLengthHalfM;
extern double DownstreamLengthZeroM;
extern double DownstreamLengthHalfM;
extern double RequiredUpstreamLengthM;
extern double RequiredDownstreamLengthM;
extern double StraightLengthShortfallM;  // required minus available straight length
// The optimal design's upstream length: from the fitting to the upstream pressure tapping.
extern double OptimalStraightLength;

// One cell of a straight-length table, in pipe diameters: the length for zero additional
// uncertainty and the length for 0.5 % additional uncertainty.
struct StraightLengthCell {
    double Zero;
    double Half;
};
// The column of the last diameter ratio looked up or printed, in pipe diameters, with the
// table markers as they stand (kNoHalfLength, kUnreachableLength). Indexed from 1.
struct StraightLengthTableBlock {
    double Beta = 0;
    StraightLengthCell Orifice[12] = {};      // fittings 1..10, [11] downstream
    StraightLengthCell Orifice2003[16] = {};  // fittings 1..14, [15] downstream
    StraightLengthCell Venturi2003[10] = {};  // fittings 1..8, [9] downstream (printed only)
};
extern StraightLengthTableBlock StraightLengthTables;

// The names the data sheet knows the limits, their messages and two lengths by: the same
// variables.
inline double& LimitBoreMin = ThroatDiameterLowerBound;  // m
inline double& LimitDpMax = StandardMaxDiffPressure;     // Pa
inline double& LimitBetaMin = BetaLowerBound;
inline double& LimitBetaMax = BetaUpperBound;
inline double& LimitReynoldsMin = ReynoldsLowerBound;
inline double& LimitReynoldsMax = ReynoldsUpperBound;
inline double& LimitRoughnessMax = RoughnessUpperBound;        // m
inline double& LimitPipeDiameterMin = PipeDiameterLowerBound;  // m
inline double& LimitPipeDiameterMax = PipeDiameterUpperBound;  // m
inline std::string& BoreLimitNote = DeviceLimitMessages[kThroatDiameterMessage];
inline std::string& DpLimitNote = DeviceLimitMessages[kDiffPressureMessage];
inline std::string& BetaLimitNote = DeviceLimitMessages[kDiameterRatioMessage];
inline std::string& ReynoldsLimitNote = DeviceLimitMessages[kReynoldsMessage];
inline std::string& RoughnessLimitNote = DeviceLimitMessages[kRoughnessMessage];
inline double& RequiredStraightLengthZero = UpstreamLengthZeroM;   // m
inline double& RequiredFittingLengthZero = DownstreamLengthZeroM;  // m
inline double& StraightLengthExtraM = StraightLengthShortfallM;    // m

}  // namespace tubalyx
