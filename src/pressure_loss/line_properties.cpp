#include "pressure_loss/line_properties.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "media/medium_properties.h"
#include "numerics/checked.h"
#include "numerics/physical_constants.h"
#include "state/composition.h"
#include "state/geometry.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kJoulePerKilojoule = 1000.0;
constexpr double kStandardGravity = 9.80665;
constexpr double kLowestPressurePa = 1.0;

// The inlet routine steps the area in 2, 4, ... segments while fewer than this, so 128 at most.
constexpr int kAreaStepsDoubledBelow = 101;
constexpr double kInletPassTolerance = 1e-4;
constexpr double kInletEnergyTolerance = 1e-4;
constexpr double kInletFirstStepK = 2.0;
constexpr double kOutletToleranceFactor = 0.001;
// The outlet search's tolerance is never finer than this: beyond the range of a medium's
// equations the stream energy at the inlet state itself may miss the inlet's by some 1e-11,
// so a finer target is met only by chance, and a drop near 0 would send the search through
// all its steps at every segment (an energy error of 1e-10 of itself is some millionths of a
// kelvin).
constexpr double kOutletToleranceFloor = 1e-10;
// A search step this small cannot move a temperature by anything the report shows.
constexpr double kSmallestStepK = 1e-9;

double Area(double diameter) { return kPi * diameter * diameter / 4; }

bool NoState(const std::string& medium) { return medium == kMediumLiquid; }

void CheckPassable(double pressure, double temperature) {
    if (!(pressure >= kLowestPressurePa) || !(temperature >= kAbsoluteZeroCelsiusWhole))
        throw CalcError("the flow cannot pass the cross-section");
}

// The specific energy 1000 h + v^2/2 + g z (J/kg) of the stream at (pressure, temperature),
// the velocity from the mass flow through `area`. A table that gives the enthalpy of the
// previous evaluation again has clamped the state; its enthalpy is continued with cp from
// the inlet.
class StreamEnergy {
public:
    StreamEnergy(const std::string& medium, double massFlow, double area, double inletTemperature)
        : medium_(medium), massFlow_(massFlow), area_(area), inletTemperature_(inletTemperature) {
        lastEnthalpy_ = std::numeric_limits<double>::quiet_NaN();
    }
    void SetInlet(double enthalpy) {
        inletEnthalpy_ = enthalpy;
        lastEnthalpy_ = enthalpy;
    }
    // With the velocity given instead of computed from the density.
    double AtVelocity(double pressure, double temperature, double velocity) {
        return kJoulePerKilojoule * Enthalpy(pressure, temperature) + velocity * velocity / 2;
    }
    double AtState(double pressure, double temperature, double height) {
        const double h = Enthalpy(pressure, temperature);
        const double v = CheckedDiv(massFlow_, density_ * area_);
        return kJoulePerKilojoule * h + v * v / 2 + kStandardGravity * height;
    }

private:
    double Enthalpy(double pressure, double temperature) {
        const LineMediumProperties m = LineMediumAt(medium_, pressure, temperature);
        density_ = m.density;
        double h = m.enthalpy;
        if (h == lastEnthalpy_)
            h = 0.001 * m.cp * (temperature - inletTemperature_) + inletEnthalpy_;
        else
            lastEnthalpy_ = m.enthalpy;
        return h;
    }
    std::string medium_;
    double massFlow_, area_, inletTemperature_;
    double inletEnthalpy_ = 0.0, lastEnthalpy_, density_ = 0.0;
};

double RelativeDifference(double a, double b) {
    const double difference = std::fabs(a - b);
    if (difference == 0.0) return 0.0;
    const double sum = std::fabs(a + b);
    return sum == 0.0 ? std::numeric_limits<double>::infinity() : difference / sum;
}

// Moves `temperature` until energy(temperature) meets `target`: the first step goes towards
// the balance, every overshoot turns the step back at half its length. Stops at the
// tolerance, after `steps` steps, or when the step no longer moves the temperature.
template <class Energy>
void SearchTemperature(double& temperature, double firstStep, double target, double tolerance, int steps,
                       Energy energy) {
    auto balanced = [&](double difference) {
        return difference == 0.0 || RelativeDifference(difference + target, target) < tolerance;
    };
    double difference = energy(temperature) - target;
    if (balanced(difference)) return;
    double step = difference > 0 ? -firstStep : firstStep;
    for (int i = 0; i < steps && std::fabs(step) >= kSmallestStepK; ++i) {
        temperature += step;
        const double next = energy(temperature) - target;
        if (balanced(next)) return;
        if ((next > 0) != (difference > 0)) step = -step / 2;
        difference = next;
    }
}

}  // namespace

LineMediumProperties LineMediumAt(const std::string& medium, double pressure, double temperature) {
    double absolute = AbsoluteHumidity, specific = SpecificHumidity, dew = DewTemperatureC, relative = RelativeHumidity;
    double p = pressure, t = temperature;
    double density = 0, dry = 0, vapour = 0, viscosity = 0, kappa = 0, cp = 0, cv = 0, vapourPressure = 0, enthalpy = 0;
    MediumPropertiesAtState(false, medium, GasComposition, GivenDensity, GivenViscosityPas, GivenCp, GivenCv,
                            GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, p, t, HumidityInputKind, absolute,
                            specific, dew, relative, density, dry, vapour, viscosity, kappa, cp, cv, vapourPressure,
                            enthalpy);
    return {CheckFinite(density, "medium density is no number"), viscosity, kappa, cp, cv, enthalpy};
}

LineMediumProperties SetLineMediumState(const std::string& medium, double pressure, double temperature) {
    double absolute = AbsoluteHumidity, specific = SpecificHumidity, dew = DewTemperatureC, relative = RelativeHumidity;
    double p = pressure, t = temperature, vapourPressure = 0;
    MediumPropertiesAtState(false, medium, GasComposition, GivenDensity, GivenViscosityPas, GivenCp, GivenCv,
                            GivenKappa, GivenCriticalTemperatureK, GivenMolarMass, p, t, HumidityInputKind, absolute,
                            specific, dew, relative, FlowDensity, DryGasDensity, VapourPartDensity, DynamicViscosityPas,
                            KappaOperating, CpOperating, CvOperating, vapourPressure, EnthalpyOperating);
    CheckFinite(FlowDensity, "medium density is no number");
    return {FlowDensity, DynamicViscosityPas, KappaOperating, CpOperating, CvOperating, EnthalpyOperating};
}

void LinePropertiesInlet(const std::string& medium, double& p2, double& t2, double massFlow, double oldDiameter,
                         double newDiameter, double inletPressure, double inletTemperature) {
    if (NoState(medium)) return;
    const bool adiabatic = ExpansionModeLetter != kExpansionIsothermal;
    const LineMediumProperties inlet = LineMediumAt(medium, inletPressure, inletTemperature);
    const double a1 = Area(oldDiameter), a2 = Area(newDiameter);
    const double u = CheckedDiv(massFlow, inlet.density * a1);
    const double inletEnergy = kJoulePerKilojoule * inlet.enthalpy + u * u / 2;
    double previousOutlet = std::numeric_limits<double>::quiet_NaN();
    for (int steps = 2;; steps *= 2) {
        double pressure = inletPressure, temperature = inletTemperature;
        double velocity = u, density = inlet.density;
        StreamEnergy energy(medium, massFlow, a1, inletTemperature);
        energy.SetInlet(inlet.enthalpy);
        for (int k = 1; k <= steps; ++k) {
            const double area = a1 - k * (a1 - a2) / steps;
            const double stepDensity = LineMediumAt(medium, pressure, temperature).density;
            // The density at the end of the step, extrapolated from the two before it.
            const double endDensity = 2 * stepDensity - density;
            const double nextVelocity = u * CheckedDiv(inlet.density, endDensity) * CheckedDiv(a1, area);
            pressure += stepDensity * (velocity * velocity / 2 - nextVelocity * nextVelocity / 2);
            CheckPassable(pressure, temperature);
            if (adiabatic) {
                SearchTemperature(temperature, kInletFirstStepK, inletEnergy, kInletEnergyTolerance,
                                  kInletTemperatureSteps, [&](double t) {
                                      CheckPassable(pressure, t);
                                      return energy.AtVelocity(pressure, t, nextVelocity);
                                  });
            }
            velocity = nextVelocity;
            density = stepDensity;
        }
        const bool settled = std::fabs(pressure - previousOutlet) < kInletPassTolerance * inletPressure;
        previousOutlet = pressure;
        p2 = CheckFinite(pressure, "state behind the cross-section is no number");
        t2 = CheckFinite(temperature, "state behind the cross-section is no number");
        if (settled || steps >= kAreaStepsDoubledBelow) break;
    }
}

void LinePropertiesOutlet(const std::string& medium, double& temperature, int segments, double massFlow,
                          double inletPressure, double inletTemperature, double rise, double outletPressure) {
    if (NoState(medium)) return;
    // No drop and no rise: nothing changes the stream's energy, the outlet is at the inlet's
    // temperature.
    if (outletPressure == inletPressure && rise == 0.0) {
        temperature = CheckFinite(inletTemperature, "outlet temperature is no number");
        return;
    }
    const double area = Area(PipeDiameterColdM);
    StreamEnergy energy(medium, massFlow, area, inletTemperature);
    const LineMediumProperties inlet = LineMediumAt(medium, inletPressure, inletTemperature);
    energy.SetInlet(inlet.enthalpy);
    const double inletVelocity = CheckedDiv(massFlow, inlet.density * area);
    const double inletEnergy = kJoulePerKilojoule * inlet.enthalpy + inletVelocity * inletVelocity / 2;
    const double tolerance = std::max(
        kOutletToleranceFloor,
        kOutletToleranceFactor * CheckedDiv(std::fabs(inletPressure - outletPressure), inletPressure) / segments);
    double t = inletTemperature;
    SearchTemperature(t, 1.0 / segments, inletEnergy, tolerance, kOutletTemperatureSteps,
                      [&](double at) { return energy.AtState(outletPressure, at, rise); });
    temperature = CheckFinite(t, "outlet temperature is no number");
}

}  // namespace tubalyx
