#include "media/partial_pressures.h"

#include "numerics/number_text.h"

namespace tubalyx {

namespace {

// Passes of the partial-pressure iteration: the ideal start and two corrections.
constexpr int kPartialPressurePasses = 3;

double ColumnSum(const MixtureColumn& values) {
    double sum = 0.0;
    for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) sum += values[row];
    return sum;
}

// The partial pressures of one pass and the densities they give.
struct Pass {
    MixtureColumn dryP{}, humidP{};
    MixtureColumn dryM{}, humidM{};
    double dryMoles = 0.0, humidMoles = 0.0;
};

class Solve {
public:
    Solve(const PartialPressureInput& in, const ComponentDensityAt& density) : in_(in), density_(density) {
        // The water that the state cannot hold as vapour is spread over the other components,
        // so the humid partial pressures still add up to the humid grid's total.
        double others = 0.0, water = 0.0;
        for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
            if (in.rows[row].water)
                water += in.rows[row].humidMol;
            else
                others += in.rows[row].humidMol;
        }
        const double P = in.pressure;
        const double waterCut = P > 0.0 ? 100.0 * MinDouble(0.01 * water * P, in.saturationPressure) / P : 0.0;
        spread_ = others > 0.0 ? (others + water - waterCut) / others : 0.0;
        if (others > 0.0) IdealStart();
    }

    PartialPressureSolution Result() {
        const double dryTarget = ColumnSum(p_.dryP), humidTarget = ColumnSum(p_.humidP);
        Densities();
        for (int pass = 2; pass <= kPartialPressurePasses; ++pass) {
            Correct();
            Densities();
        }
        PartialPressureSolution out;
        out.humidDensity = p_.humidM;
        out.dryPressure = p_.dryP;
        // Scaled back to the ideal totals, so that each volume column adds up as its mol %.
        const double dryLast = ColumnSum(p_.dryP), humidLast = ColumnSum(p_.humidP);
        const double P = in_.pressure;
        for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
            const MixtureComponentRow& r = in_.rows[row];
            if (!r.component || !(r.humidMol > 0.0)) continue;
            const double pDry = dryLast > 0.0 ? p_.dryP[row] * dryTarget / dryLast : p_.dryP[row];
            double pHumid = humidLast > 0.0 ? p_.humidP[row] * humidTarget / humidLast : p_.humidP[row];
            if (r.water) pHumid = WaterCut(pHumid);
            if (P > 0.0) {
                out.dryVolume[row] = 100.0 * pDry / P;
                out.humidVolume[row] = 100.0 * pHumid / P;
            }
        }
        return out;
    }

private:
    double WaterCut(double p) const { return MinDouble(p, in_.saturationPressure); }

    void IdealStart() {
        const double P = in_.pressure;
        for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
            const MixtureComponentRow& r = in_.rows[row];
            if (!r.component) continue;
            p_.dryP[row] = r.dryGridRow ? 0.01 * r.dryMol * P : 0.0;
            p_.humidP[row] = r.water ? WaterCut(0.01 * r.humidMol * P) : 0.01 * r.humidMol * P * spread_;
        }
    }

    void Densities() {
        p_.dryM.fill(0.0);
        p_.humidM.fill(0.0);
        p_.dryMoles = p_.humidMoles = 0.0;
        for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
            const MixtureComponentRow& r = in_.rows[row];
            if (!r.component || !(p_.humidP[row] > 0.0)) continue;
            p_.humidM[row] = density_(row, p_.humidP[row]);
            p_.dryM[row] = density_(row, p_.dryP[row]);
            if (r.molarMass > 0.0) {
                p_.dryMoles += p_.dryM[row] / r.molarMass;
                p_.humidMoles += p_.humidM[row] / r.molarMass;
            }
        }
    }

    // Each correction scales a partial pressure by the ratio of the wanted mole fraction to
    // the one its real density gave in the previous pass.
    void Correct() {
        for (int row = kMixtureFirstRow; row <= kMixtureLastRow; ++row) {
            const MixtureComponentRow& r = in_.rows[row];
            if (!r.component || !(p_.humidMoles > 1e-99) || !(p_.humidP[row] > 1e-99) || !(p_.humidM[row] > 1e-99))
                continue;
            const double M = r.molarMass;
            if (!r.dryGridRow)
                p_.dryP[row] = 0.0;
            else if (p_.dryM[row] > 0.0 && M > 0.0 && p_.dryMoles > 0.0)
                p_.dryP[row] = 0.01 * r.dryMol * p_.dryP[row] / ((p_.dryM[row] / M) / p_.dryMoles);
            if (p_.dryM[row] > 0.0 && M > 0.0) {
                const double factor = r.water ? 1.0 : spread_;
                p_.humidP[row] = 0.01 * r.humidMol * p_.humidP[row] / ((p_.humidM[row] / M) / p_.humidMoles) * factor;
            }
            if (r.water) p_.humidP[row] = WaterCut(p_.humidP[row]);
        }
    }

    const PartialPressureInput& in_;
    const ComponentDensityAt& density_;
    double spread_ = 0.0;
    Pass p_;
};

}  // namespace

PartialPressureSolution SolvePartialPressures(const PartialPressureInput& in, const ComponentDensityAt& density) {
    return Solve(in, density).Result();
}

}  // namespace tubalyx
