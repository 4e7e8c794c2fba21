#pragma once
// The medium along the pressure-loss line: its properties at a point of the walk, the static
// state behind a change of cross-section, and the temperature at the end of a segment from
// the energy balance (enthalpy, kinetic and potential energy conserved; the adiabatic mode
// of the line). Pressures Pa absolute, temperatures degC, diameters m, mass flow kg/s.
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>

#include "state/property_labels.h"

namespace tubalyx {

struct LineMediumProperties {
    double density = 0.0;    // kg/m3
    double viscosity = 0.0;  // Pa s
    double kappa = 0.0;
    double cp = 0.0;        // J/(kg K)
    double cv = 0.0;        // J/(kg K)
    double enthalpy = 0.0;  // kJ/kg
    // kJ/kg, of a humid gas's dry part where its enthalpy weighs that part's with the vapour's;
    // NaN for any other state.
    double dryEnthalpy = std::numeric_limits<double>::quiet_NaN();
    double dryDensity = 0.0, vapourDensity = 0.0;  // kg/m3, of a humid gas's parts
};

// The medium at (pressure, temperature) by the property routine of the medium code; the
// humidity entries and the rest of the calculation state stay as they are. With `balanceOnly`
// only the density, viscosity, enthalpy and, but for steam, cp are sure to be there (see
// MediumDescription).
LineMediumProperties LineMediumAt(const std::string& medium, double pressure, double temperature,
                                  bool balanceOnly = false);

// While one lives, LineMediumAt gives a humid gas's state it has given before (the same medium,
// point and calculation state, to the bit) from what it kept: the two walks of a line Run ask
// for many of the same states. The media of the user's own description, the oil and the
// mixture are evaluated anew every time. The first one alive owns what is kept.
class KeptLineStates {
public:
    KeptLineStates();
    ~KeptLineStates();
    KeptLineStates(const KeptLineStates&) = delete;
    KeptLineStates& operator=(const KeptLineStates&) = delete;

    // Whether the medium's states are kept: where they are not, a second walk evaluates each
    // state anew, as the first did.
    static bool Keeps(const std::string& medium);

private:
    bool owner_ = false;
};

// The work of a line walk: the medium-property work (media/property_work.h) it spends, a state
// asked for before and kept counting as much again, so that both walks of a Run count alike.
// While a LineWorkBound lives, the walk's refinements stop doubling where the next pass would
// take the count beyond the bound (twice the last one's work), and a pass that goes beyond it all
// the same is given up. Inside the tables a walk keeps every digit: kLineWorkGuard, some thirty
// times the heaviest such walk met, bounds it against a hang alone, and the pass before a given-up
// one stands. A walk whose energy balance has gone on with cp, no table giving the enthalpy of its
// states (a medium without one, carbon monoxide among them), is held to kBalanceOnCpWorkBound.
// Once the walk has met a state beyond its medium's tables (a table's range note, steam or water
// outside its equations' range), a stretch may drift from doubling to doubling up to 16384
// segments without settling, and its numbers mean little: its bound is kLineWorkBound, some six
// walks of a dry-air line of 100 m, until its refinement has shown that it settles
// (RefinementSettles, in line_walk.h; LetLineSettle), and then kSettlingWorkBound, a few tenths
// of a second of the costliest states. Where it is held by its bound, or by kBalanceOnCpWorkBound
// on cp, before its drop settled, it has no number to print.
inline constexpr std::uint64_t kLineWorkBound = 50000;
inline constexpr std::uint64_t kSettlingWorkBound = 2000000;
inline constexpr std::uint64_t kBalanceOnCpWorkBound = 1000000;
inline constexpr std::uint64_t kLineWorkGuard = 40000000;

// Starts the count; the first one alive bounds it.
class LineWorkBound {
public:
    LineWorkBound();
    ~LineWorkBound();
    LineWorkBound(const LineWorkBound&) = delete;
    LineWorkBound& operator=(const LineWorkBound&) = delete;

private:
    bool owner_ = false;
};

std::uint64_t LineWork();
// Whether the walk has met a state beyond its medium's tables.
bool LineBeyondTables();
// Whether its numbers hold only where its drop settles: it has met a state beyond its medium's
// tables, or its energy balance has gone on with cp.
bool LineSettlingOnly();
// The walk beyond the tables settles: its bound is kSettlingWorkBound from here on.
void LetLineSettle();
// Whether `work` units more keep the count within the bound (always, with no bound alive).
// With `settling`, beyond the tables within kSettlingWorkBound whether or not the walk has shown
// that it settles.
bool LineWorkAllows(std::uint64_t work, bool settling = false);
// Whether a pass that doubles the one begun at the count `passStart` keeps within the bound.
bool LineWorkAllowsTwice(std::uint64_t passStart, bool settling = false);

// While one lives, the states the walk meets are not its own: it looks ahead, and what it meets
// there changes none of its rules until it gets there. The work is the walk's all the same.
class LineLookAhead {
public:
    LineLookAhead();
    ~LineLookAhead();
    LineLookAhead(const LineLookAhead&) = delete;
    LineLookAhead& operator=(const LineLookAhead&) = delete;

private:
    bool beyond_, onCp_;
};

// While one lives, a liquefied gas picked on its saturation line (its saturated vapour at a
// temperature or at a pressure, where its table holds one) is taken as its saturated vapour at
// the pressure asked for: a stream that leaves the saturation point through a contraction
// expands along its saturation line (these gases condense a little as they expand), its
// temperature following from its pressure, not from a single-phase energy balance; the walk
// searches no temperature (the isothermal mode). The range notes its states write are the
// stream's: the property labels are given back as they were.
class SaturatedVapourAtItsPressure {
public:
    SaturatedVapourAtItsPressure();
    ~SaturatedVapourAtItsPressure();
    SaturatedVapourAtItsPressure(const SaturatedVapourAtItsPressure&) = delete;
    SaturatedVapourAtItsPressure& operator=(const SaturatedVapourAtItsPressure&) = delete;

private:
    char phase_, expansion_;
    bool vapour_;
    PropertyLabelTexts labels_;  // the property labels on entry
};

// The same written into the medium state (FlowDensity, DynamicViscosityPas, KappaOperating,
// CpOperating, CvOperating, EnthalpyOperating) as the reports read it.
LineMediumProperties SetLineMediumState(const std::string& medium, double pressure, double temperature);
// The same at a state of the walk: a humid gas's state the Run has kept (KeptLineStates) is
// written from what was kept. The range notes of the property labels are those of the last state
// evaluated.
LineMediumProperties SetWalkMediumState(const std::string& medium, double pressure, double temperature);

// The static state (p2, t2) just behind a change of cross-section from the old diameter to
// the new one, from the inlet state: the area is stepped linearly in m = 2, 4, ... 128
// steps, each step moving the pressure by rho (v_prev^2 - v^2) / 2 with the velocity from
// the continuity equation, and, in the adiabatic mode, the temperature so that
// 1000 h + v^2/2 keeps its inlet value. The passes end when two give outlet pressures
// within 1e-4 of the inlet pressure, or when the next would exceed the line's work bound. For
// "VÄT" nothing is computed and p2, t2 stay as they are. Raises CalcError when the flow cannot
// pass: the state falls below 1 Pa or -273 degC.
void LinePropertiesInlet(const std::string& medium, double& p2, double& t2, double massFlow, double oldDiameter,
                         double newDiameter, double inletPressure, double inletTemperature);

// The temperature at the outlet pressure of one of `segments` segments that begins at
// (inletPressure, inletTemperature) and rises `rise` m: the temperature at which
// 1000 h + v^2/2 + 9.80665 rise equals the inlet's 1000 h + v^2/2, v from the mass flow through
// the pipe of `diameter` m the segment lies in (a stretch behind a cone, a reduction or an
// expansion has its own, and behind a tee the flow is the share that goes on). The search starts at the inlet
// temperature in steps of 1/segments K towards the balance, reversed and halved at each overshoot, until the relative
// energy difference is below 0.001 |dP| / P / segments (never below 1e-10), at most 1000 steps, a long run found from
// probes (SearchTemperature). A segment that `holdsFitting` takes the fitting's whole loss, however many segments its
// stretch is cut into: its search reaches as far as that of a single segment, 1000 K (1000 steps times the segments);
// with neither drop nor rise the temperature is the inlet's, unsearched, and so where the inlet lies beyond a table
// clamped there and the outlet pressure falls on the table's other side. A table that returns the same enthalpy twice
// (the state was clamped) is continued with cp. For "VÄT" nothing is computed and the temperature stays as it is.
void LinePropertiesOutlet(const std::string& medium, double& temperature, int segments, double massFlow,
                          double diameter, double inletPressure, double inletTemperature, double rise,
                          double outletPressure, bool holdsFitting = false);

// The temperature search of both routines: from `start`, steps of `firstStep` K towards the
// balance (the energy taken to rise with the temperature), every overshoot turning the step back
// at half its length, until energy(temperature) meets `target` within the relative `tolerance`,
// after `steps` steps, or when the step falls below 1e-9 K. With `probeRuns` a run (the step
// kept until the balance changes side) that has gone 32 steps, or 4 in a row that
// bring the balance no nearer, has its end found from a few probes ahead and a halving between
// them: for a balance that changes steadily with the temperature the search ends where the
// step-by-step one does, and a run with no root within its steps ends at its last step at once.
// With `turnWhereFalling`, a first step that takes the balance further off (it falls with the
// temperature there) is taken back and the search goes the other way from `start`.
double SearchTemperature(double start, double firstStep, double target, double tolerance, int steps, bool probeRuns,
                         const std::function<double(double)>& energy, bool turnWhereFalling = false);

// The step-by-step search of SearchTemperature (without its probes) on a balance that rises with the
// temperature: where it ends, from some six evaluations. None where an evaluation does not rise with
// the temperature or finds no state (CalcError): the balance then asks for the step-by-step search.
std::optional<double> SearchRisingBalance(double start, double firstStep, double target, double tolerance, int steps,
                                          const std::function<double(double)>& energy, double noise = 0.0);

// Steps of the temperature searches of the two routines.
inline constexpr int kInletTemperatureSteps = 100;
inline constexpr int kOutletTemperatureSteps = 1000;

}  // namespace tubalyx
