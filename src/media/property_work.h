#pragma once
// The work of the medium-property evaluations made so far, counted the same on every machine:
// the line walk bounds its refinement by it. A whole medium state and a property-switch call
// weigh about as much as eight trials of a humidity search (or eight saturated-vapour densities
// of its dew-point search).
#include <cstdint>

namespace tubalyx {

inline constexpr std::uint64_t kEvaluationWork = 8;

inline std::uint64_t PropertyWork = 0;

}  // namespace tubalyx
