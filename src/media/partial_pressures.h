#pragma once
// The arithmetic of a mixture's volume shares at a state: mol % in, volume % out.
//
// In a real-gas mixture a component's volume share is its partial pressure over the total,
// 100 x p_i / P, and the partial pressures are those at which the components' molar densities
// rho_i(p_i, t) / M_i stand in the ratio of their mol %. The solve starts from the ideal
// shares, corrects them twice by the ratio of the wanted mole fraction to the one the real
// densities gave, and scales the result back to the ideal total. In the humid composition the
// water is capped at the saturation pressure and what cannot stay vapour is spread over the
// other components. The component densities come from the caller, so the solve reads neither
// the window nor the calculation state: the same rows and densities give the same shares.
#include <array>
#include <functional>

#include "state/composition.h"

namespace tubalyx {

// One row of the composition grids.
struct MixtureComponentRow {
    bool component = false;   // the row names a component
    bool water = false;       // the water-vapour row of the humid grid
    bool dryGridRow = false;  // the dry grid counts the row (its water row only for natural gas)
    double molarMass = 0.0;   // g/mol
    double dryMol = 0.0;      // mol % in the dry grid
    double humidMol = 0.0;    // mol % in the humid grid
};

using MixtureColumn = std::array<double, kMixtureRows>;

struct PartialPressureInput {
    std::array<MixtureComponentRow, kMixtureRows> rows{};  // rows kMixtureFirstRow to kMixtureLastRow in use
    double pressure = 0.0;                                 // Pa, the total
    double saturationPressure = 0.0;                       // Pa, of water at the state's temperature
};

struct PartialPressureSolution {
    // Volume % at the state of the rows that are components with a humid mol % above 0; 0
    // elsewhere and for a total pressure that is not positive.
    MixtureColumn dryVolume{};
    MixtureColumn humidVolume{};
    MixtureColumn dryPressure{};   // Pa, the dry partial pressures of the last pass
    MixtureColumn humidDensity{};  // kg/m3, the humid components alone at their partial pressures
};

// The density (kg/m3) of a row's component alone at a partial pressure (Pa), at the state's
// temperature; 0 where it has none.
using ComponentDensityAt = std::function<double(int row, double partialPressure)>;

PartialPressureSolution SolvePartialPressures(const PartialPressureInput& in, const ComponentDensityAt& density);

}  // namespace tubalyx
