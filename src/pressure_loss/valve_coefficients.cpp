#include "pressure_loss/valve_coefficients.h"

#include <cmath>

#include "media/medium_identification.h"
#include "media/water_equations.h"
#include "numerics/checked.h"
#include "numerics/physical_constants.h"
#include "state/keywords.h"

namespace tubalyx {

namespace {

// Passes that refine FLP and Fp from the Kv of the pass before.
constexpr int kCoefficientPasses = 11;

constexpr double kWaterReferenceDensityFactor = 0.001;  // 1 / (1000 kg/m3)
constexpr double kFlpDiameterConstant = 0.046;
constexpr double kFpDiameterConstant = 0.047;
constexpr double kPipingLossCoefficient = 1.5;  // reducer plus expander, 1.5 (1 - b^2)^2

constexpr double kGasCriticalY = 1.5;  // y at and above which a gas is choked
constexpr double kGasYFactor = 1.63;
constexpr double kGasExpansionCubic = 0.148;  // Y = y - 0.148 y^3
constexpr double kSteamConstant = 83.7;
constexpr double kSteamSuperheatFactor = 0.00126;  // per K of superheat
constexpr double kGasConstant = 54.5;
constexpr double kAirNormalDensity = 1.293;  // kg/m3 at 0 degC, 1.01325 bar
constexpr double kGasCoefficientToKv = 1.16;

constexpr double kBarToPa = 1e5;

constexpr double kLowestDropBar = 1e-38;
constexpr double kRestrictionTolerance = 1e-4;

double Square(double x) { return x * x; }

ValveCoefficient LiquidCoefficient(const ValveDuty& duty) {
    ValveCoefficient r{.kv = 0.0, .flp = duty.fl, .fp = 1.0, .critical = false};
    const double ff = LiquidCriticalPressureRatio(duty.vapourPressureBar, duty.criticalPressureBar);
    const double chokedDrop = duty.inletPressureBar - ff * duty.vapourPressureBar;
    const double densityTerm = kWaterReferenceDensityFactor * duty.density * duty.flowFactor;
    for (int pass = 0; pass < kCoefficientPasses; ++pass) {
        r.critical = !(duty.dropBar < Square(duty.fl) * chokedDrop);
        if (r.critical)
            r.kv = CheckedDiv(CheckedDiv(duty.flowTph, r.flp), CheckedSqrt(std::fabs(densityTerm * chokedDrop)));
        else
            r.kv = CheckedDiv(CheckedDiv(duty.flowTph, CheckedSqrt(std::fabs(densityTerm * duty.dropBar))), r.fp);
        if (!duty.restriction) {
            const PipingFactors f = PipingGeometryFactors(r.kv, duty.fl, duty.valveDiameterMm, duty.pipeDiameterMm);
            r.flp = f.flp;
            r.fp = f.fp;
        }
    }
    return r;
}

ValveCoefficient GasCoefficient(const ValveDuty& duty) {
    ValveCoefficient r{.kv = 0.0, .flp = duty.fl, .fp = 1.0, .critical = true};
    const double p1 = duty.inletPressureBar;
    const bool steam = duty.medium == ValveMedium::Steam;
    const double saturation = steam ? WaterSaturationTemperature(kBarToPa * p1) : 0.0;
    double c = 0.0;
    for (int pass = 0; pass < kCoefficientPasses; ++pass) {
        const double y = kGasYFactor * r.fp / r.flp * CheckedSqrt(std::fabs(CheckedDiv(duty.dropBar, p1)));
        if (steam) {
            c = CheckedDiv(CheckedDiv((1 + kSteamSuperheatFactor * (duty.temperatureC - saturation)) * kSteamConstant *
                                          duty.flowTph,
                                      r.flp),
                           p1);
        } else {
            c = CheckedDiv(CheckedDiv(CheckedDiv(kGasConstant * duty.flowTph, r.flp), p1),
                           CheckedSqrt(std::fabs(duty.density / kAirNormalDensity))) *
                CheckedSqrt(p1 / kStandardAtmosphereBar);
        }
        r.critical = true;
        if (y < kGasCriticalY) {
            c = CheckedDiv(c, y - kGasExpansionCubic * y * y * y);
            r.critical = false;
        }
        if (!duty.restriction) {
            const PipingFactors f = PipingGeometryFactors(c, duty.fl, duty.valveDiameterMm, duty.pipeDiameterMm);
            r.flp = f.flp;
            r.fp = f.fp;
        }
    }
    r.kv = c / kGasCoefficientToKv;
    return r;
}

int Sign(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

}  // namespace

ValveMedium ValveMediumOf(const std::string& medium) {
    if (!IsGasMedium(medium)) return ValveMedium::Liquid;
    if (IsSteamMedium(medium)) return ValveMedium::Steam;
    return ValveMedium::Gas;
}

double LiquidCriticalPressureRatio(double vapourPressureBar, double criticalPressureBar) {
    if (vapourPressureBar == 0.0) return 0.96;
    return 0.96 - 0.28 * CheckedSqrt(std::fabs(CheckedDiv(vapourPressureBar, criticalPressureBar)));
}

PipingFactors PipingGeometryFactors(double kv, double fl, double valveDiameterMm, double pipeDiameterMm) {
    const double d = valveDiameterMm, bigD = pipeDiameterMm;
    const double ratio = CheckedDiv(d, bigD);
    const double flpTerm = Square(CheckedDiv(kv, kFlpDiameterConstant * d * d));
    PipingFactors f;
    f.flp = CheckedDiv(1.0, CheckedSqrt(CheckedDiv(1.0, fl * fl) + (1 - std::pow(ratio, 4)) * flpTerm));
    if (d < bigD) {
        const double fpTerm = Square(CheckedDiv(kv, kFpDiameterConstant * d * d));
        f.fp = CheckedSqrt(std::fabs(1 - kPipingLossCoefficient * Square(1 - ratio * ratio) * fpTerm));
    }
    return f;
}

ValveCoefficient ValveFlowCoefficient(const ValveDuty& duty) {
    return duty.medium == ValveMedium::Liquid ? LiquidCoefficient(duty) : GasCoefficient(duty);
}

RestrictionDrop RestrictionFlowTerm(const ValveDuty& duty, double kv) {
    ValveDuty at = duty;
    auto coefficientAt = [&at](double drop) {
        at.dropBar = drop;
        return ValveFlowCoefficient(at);
    };
    auto result = [](double drop, const ValveCoefficient& c) {
        return RestrictionDrop{.dropBar = drop, .fp = c.fp, .critical = c.critical};
    };
    const double p1 = duty.inletPressureBar;
    double low = kLowestDropBar, high = p1, mid = p1 / 2;
    // The ends keep the Kv of the pass that made them: one new Kv per pass, not three.
    ValveCoefficient a = coefficientAt(low), m = coefficientAt(mid), b = coefficientAt(high);
    for (int pass = 0; pass < kRestrictionBisectionLimit; ++pass) {
        // Choked at the whole inlet pressure and still too small: no drop passes the flow.
        if (b.critical && b.kv > kv) return result(p1, b);
        const double ea = CheckedDiv(a.kv - kv, kv), em = CheckedDiv(m.kv - kv, kv), eb = CheckedDiv(b.kv - kv, kv);
        if (std::fabs(ea) < kRestrictionTolerance) return result(low, a);
        if (std::fabs(em) < kRestrictionTolerance) return result(mid, m);
        if (std::fabs(eb) < kRestrictionTolerance) return result(high, b);
        if (Sign(ea) != Sign(em)) {
            high = mid;
            b = m;
        } else if (Sign(em) != Sign(eb)) {
            low = mid;
            a = m;
        } else {
            return RestrictionDrop{.dropBar = p1, .fp = b.fp, .critical = true};
        }
        mid = (low + high) / 2;
        m = coefficientAt(mid);
    }
    return result(mid, m);
}

}  // namespace tubalyx
