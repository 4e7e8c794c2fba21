#include "state/composition.h"

#include "state/state_list.h"

namespace tubalyx {

#define TUBALYX_COMPOSITION(X)        \
    X(MixtureComponentKeyword, {})    \
    X(MixtureComponentName, {})       \
    X(MixtureMolarMass, {})           \
    X(MixtureDensity, {})             \
    X(MixtureViscosity, {})           \
    X(MixtureCp, {})                  \
    X(MixtureCv, {})                  \
    X(MixtureCriticalTemperature, {}) \
    X(MixtureEnthalpy, {})            \
    X(MixtureFraction, {})            \
    X(MixturePartialPressure, {})     \
    X(DryMixturePartialPressure, {})  \
    X(MixturePartialDensity, {})      \
    X(GridMeanMolarMass, 0.0)         \
    X(GasComposition, {})             \
    X(NaturalGasMethane, 0.0)         \
    X(NaturalGasEthane, 0.0)          \
    X(NaturalGasPropane, 0.0)         \
    X(NaturalGasButanes, 0.0)         \
    X(NaturalGasPentanes, 0.0)        \
    X(NaturalGasNitrogen, 0.0)        \
    X(NaturalGasCarbonDioxide, 0.0)   \
    X(NaturalGasHydrogen, 0.0)        \
    X(NaturalGasCarbonMonoxide, 0.0)  \
    X(NaturalGasWater, 0.0)           \
    X(DensityDampingDivisor, 0.0)     \
    X(DetailedGasDensity, 0.0)        \
    X(NaturalGasZ, 0.0)               \
    X(AverageMolarMass, 0.0)

TUBALYX_COMPOSITION(TUBALYX_STATE_DEFINE)

void state_detail::ResetComposition() { TUBALYX_COMPOSITION(TUBALYX_STATE_RESET) }

void state_detail::WriteComposition(std::string& out) { TUBALYX_COMPOSITION(TUBALYX_STATE_WRITE) }

}  // namespace tubalyx
