#pragma once
// Required straight lengths upstream and downstream of the standardized primary devices,
// and the extra uncertainty that a shorter installation costs.
//
// Lengths are in m; D is the pipe and d the bore diameter at operating temperature. The
// look-ups read ReynoldsAtMaxFlow of the flow state; the fitting-menu captions are the
// label strings of the language texts.
// The fitting code is the text of UpstreamFittingCode ("0" other disturbance, "1".."14");
// its meaning depends on the device family and the standard.
#include <array>
#include <string>

#include "flow/straight_lengths_data.h"

namespace tubalyx {

// Segment orifice and quarter-circle nozzle: rows 1..10 in printed order, [11] downstream.
using SegmentStraightLengthTable = std::array<double, 12>;
// Classical venturi of ISO 5167:1991 and DIN 1952: rows 1..6.
struct VenturiStraightLengthTable1991 {
    std::array<double, 7> Zero{};
    std::array<double, 7> Half{};
};

// True unless the table value is the marker for "no 0.5 % value".
inline bool HasHalfLength(double tableValue) { return tableValue >= 0; }

// The column index of a ratio: above the previous bound up to and including its own bound;
// beyond the last bound the last column.
int StraightLengthColumn(double ratio, const double* bounds, int boundCount);

// Fills the 10-fitting table and, for orifice plates under ISO 5167:2003, the 2003 orifice
// table, for beta = d/D; re-captions the fitting menu items 1 to 10 where the menu lists
// the ten fittings of this table (not for orifice plates under ISO 5167:2003, nor in the
// optimal design, whose menu lists the fourteen of the 2003 orifice table).
void LoadStraightLengthTableA(double D, double d);
// Fills the segment table for m = (d/D)^2.
void LoadStraightLengthTableB(SegmentStraightLengthTable& table, double D, double d);
// ISO 5167:2003: the 2003 venturi table into StraightLengthTables; otherwise the 1991 table
// into `table`.
void LoadStraightLengthTableC(VenturiStraightLengthTable1991& table, double D, double d);

// The family look-ups. Where a table has no 0.5 % value the zero-uncertainty length stands
// in its place, so no requirement is ever negative. A fitting without a row needs no
// length upstream for code "0" and cannot be met (kUnreachableLength x D) otherwise.
void RequiredStraightLengthA(const std::string& code, double& totalZero, double& totalHalf, double& upstreamZero,
                             double& upstreamHalf, double D, double d);
void RequiredStraightLengthB(const std::string& code, double& totalZero, double& totalHalf, double& upstreamZero,
                             double& upstreamHalf, double D, double d);
void RequiredStraightLengthC(const std::string& code, double& totalZero, double& totalHalf, double& upstreamZero,
                             double& upstreamHalf, double D, double d);

// The part of the measuring length that the device itself takes, in m.
double DeviceStraightLength(const std::string& device, const std::string& variant, double D, double d);

// Compares the given straight length with the requirement in stages 0 %, 0.5 % and (for
// orifices and nozzles) 2.5 % extra uncertainty. A negative shortfall is the surplus; a
// positive one after the last stage means the length is too short for every stage.
// Devices without a table (cone meters, volume meters) need nothing: 0 %, the whole
// length upstream, the whole length as surplus.
void RequiredStraightLengths(const std::string& device, const std::string& variant, const std::string& code,
                             double& availableUpstream, double& extraUncertaintyPercent, double& shortfall,
                             double givenLength, double D, double d);

}  // namespace tubalyx
