#pragma once
// The walk along a pipe line described by the resistance grid: from the inlet state
// (OperatingPressure, OperatingTemperature, the max flow) from fitting to fitting, each
// stretch between two fittings cut into 2, 4, 8 ... segments until its drop settles (or the
// next pass would exceed the walk's work bound, line_properties.h), the medium re-evaluated at
// every segment's state, and behind a change of cross-section or a tee the static state from
// the energy balance. Leaves the walk's results in state/pressure_loss_state.h and the
// fittings' shares in the grid. "Flow" takes only the
// inlet state of the pipe. Faults raise CalcError; PhaseLetter is restored in every case.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tubalyx {

struct PressureLossWalk {
    int stretches = 0;     // stretches walked
    int lastSegments = 0;  // segments of the final pass of the last stretch
};

// A stretch is refined until this many segments are passed (so 16384 at most).
inline constexpr int kLineSegmentLimit = 10000;
// A stretch has settled when its drop changes by less than this share between two passes.
inline constexpr double kStretchSettledShare = 0.001;

// A refinement that settles shrinks the change of its drop at every doubling (to a half per
// doubling with steps of the first order). Where the change has not shrunk below this share of
// the one before over this many doublings in a row, from this many segments on, the drop
// drifts with the segment count and would not settle before the bound: the stretch ends there
// with its last drop, as at the bound.
inline constexpr int kStalledSegments = 256;
inline constexpr std::size_t kStalledDoublings = 3;
inline constexpr double kStalledShare = 0.75;

// Whether a change keeps the sign of the one before and shrinks to kStalledShare of it or less:
// the way a refinement (or a sequence of passes) that has begun to settle goes on. None with NaN.
inline bool ShrinksWithItsSign(double change, double before) {
    return change * before > 0 && std::fabs(change) <= kStalledShare * std::fabs(before);
}

// changes: the signed change of the stretch drop at each doubling so far, the oldest first,
// ending with the one at segments; their sizes are compared.
bool RefinementStalled(int segments, std::span<const double> changes);

// A drop that settles approaches its value from one side. Where, from this many segments on,
// its change has turned its sign at each of the last doublings, these many changes in a row,
// and the last is still this share of the first of them or more, the drop swings about a value
// it does not settle on: the stretch ends there with its last drop.
inline constexpr std::size_t kSwingingChanges = 4;
inline constexpr double kSwingingShare = 0.5;

// changes: the signed change of the stretch drop at each doubling so far, the oldest first.
bool RefinementSwings(int segments, std::span<const double> changes);

// Beyond its medium's tables a refinement goes on past kLineWorkBound (line_properties.h) only
// while it may settle within `workLeft` more units: the doublings that take its last change below
// kStretchSettledShare of the drop, halving it each at twice the work of the pass before, fit
// within workLeft; and a change of kLargeChangeShare of the drop or more has come with the same
// sign as the one before and at most kStalledShare of it (a refinement that swings or grows by so
// much has not begun to settle). Without a change there is nothing to judge: it goes on where the
// next pass fits. passWork: the work of the pass just made with `segments` segments.
inline constexpr double kLargeChangeShare = 0.02;
inline constexpr std::size_t kJudgedChanges = 3;
bool RefinementSettles(int segments, std::span<const double> changes, double drop, std::uint64_t passWork,
                       std::uint64_t workLeft);

// Beyond its medium's tables, from this many segments on, a refinement whose last change is
// kLargeChangeShare of the drop or more and has turned its sign or grown beyond kStalledShare of the
// one before has not begun to settle, whatever work its bound leaves it: the walk ends there.
inline constexpr int kEarlyJudgedSegments = 32;
bool RefinementUnsettled(int segments, std::span<const double> changes, double drop);

PressureLossWalk CalculatePressureLossLine();

}  // namespace tubalyx
