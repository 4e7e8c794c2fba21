#include "pressure_loss/line_resistance.h"

#include <cmath>
#include <numbers>

#include "flow/device_coefficients.h"
#include "flow/device_selection.h"
#include "flow/flow_iterations.h"
#include "flow/permanent_loss.h"
#include "flow/reynolds.h"
#include "media/medium_identification.h"
#include "numerics/checked.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "pressure_loss/valve_coefficients.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/pressure_loss_state.h"
#include "state/resistance_grid_state.h"
#include "state/selections.h"
#include "state/valve_state.h"
#include "ui/calculation_window.h"

namespace tubalyx {

namespace {

constexpr double kLaminarLimit = 2320.0;
constexpr double kLaminarConstant = 64.0;
// 1 / 3.71, as the Colebrook term k / (3.71 D) is written.
constexpr double kInverseColebrookRoughness = 0.2695417789757412;
constexpr double kColebrookViscousTerm = 2.51;
constexpr double kColebrookFirstGuess = 0.007;
constexpr double kColebrookSecondGuessFactor = 1.01;
// Half a secant step: the full step overshoots from the small first guess.
constexpr double kColebrookDamping = 0.5;
constexpr double kColebrookTolerance = 1e-8;

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kTonnesPerHourPerKgPerSecond = 3.6;
constexpr double kBarPerPa = 1e-5;
constexpr double kPaPerBar = 1e5;

bool IsFittingColumn(int column) { return column >= 1 && column <= kFittingColumnCount; }

double ColebrookResidual(double lambda, double roughnessTerm, double reynolds) {
    const double root = std::sqrt(std::fabs(lambda));
    return -CheckedDiv(1.0, root) - 2.0 * Log10Abs(roughnessTerm + CheckedDiv(kColebrookViscousTerm, reynolds * root));
}

double DynamicPressure(double density, double velocity) { return 0.5 * density * velocity * velocity; }

// The drop dp referred to the dynamic pressure; a gas by its isothermal equivalent
// (P^2 - P2 |P2|) / (2P) with P2 = P - dp.
double ZetaOfDrop(bool gas, double inletPressure, double drop, double density, double velocity) {
    double referred = drop;
    if (gas) {
        const double outlet = inletPressure - drop;
        referred = CheckedDiv(inletPressure * inletPressure - outlet * std::fabs(outlet), 2 * inletPressure);
    }
    return CheckedDiv(referred, DynamicPressure(density, velocity));
}

// A valve cell is read as a plain number: a text that is no number is an input error.
double CellNumber(int column, int row) {
    double value = 0.0;
    if (!TryParseNumber(CalculationWindow().Motstandgrid.Cell(column, row), DecimalSeparator(), value))
        throw CalcError("a valve cell of the resistance grid is no number");
    return value;
}

struct ThroatDevice {
    std::string_view device;
    std::string_view variant;
};

ThroatDevice ThroatDeviceOf(int kind) {
    switch (kind) {
        case 60: return {kDeviceOrifice, kVariantCorner};
        case 61: return {kDeviceVenturi, kVariantWelded};
        case 62: return {kDeviceShortVenturi, ""};
        case 63: return {kDeviceIsaNozzle, ""};
        default: return {kDeviceQuarterCircle, ""};
    }
}

}  // namespace

double ColebrookFrictionFactor(double roughness, double diameter, double reynolds) {
    if (reynolds < kLaminarLimit) return CheckedDiv(kLaminarConstant, reynolds);
    const double roughnessTerm = CheckedDiv(roughness * kInverseColebrookRoughness, diameter);
    double x0 = kColebrookFirstGuess;
    double x1 = kColebrookSecondGuessFactor * x0;
    double f0 = ColebrookResidual(x0, roughnessTerm, reynolds);
    double f1 = ColebrookResidual(x1, roughnessTerm, reynolds);
    for (int pass = 0; pass < kColebrookPassLimit; ++pass) {
        const double slope = f1 - f0;
        // Two equal residuals leave the secant without a direction: the last iterate stands.
        if (slope == 0.0) break;
        const double x2 = CheckFinite(x1 - kColebrookDamping * f1 * (x1 - x0) / slope, "friction factor diverges");
        if (x2 == x1) break;
        const bool settled = std::fabs(x2 - x1) < kColebrookTolerance * std::fabs(x2);
        x0 = x1;
        f0 = f1;
        x1 = x2;
        if (settled) break;
        f1 = ColebrookResidual(x1, roughnessTerm, reynolds);
    }
    return x1;
}

void ContractionExpansionResistance(const std::string&, int column, double massFlow, double viscosity,
                                    double pipeDiameterMm) {
    if (!IsFittingColumn(column)) return;
    const int kind = ResistanceKind[column];
    const double D = pipeDiameterMm;
    const double d = ResistanceParamB[column];
    const double angle = ResistanceParamA[column];
    double zeta = 0.0;
    switch (kind) {
        case 30: {
            const double ratio = CheckedDiv(D * D, d * d);
            const double coneLength = (D - d) / 2 * CheckedDiv(1.0, std::tan(angle * 0.5 * kDegree));
            const double lambdaSmall =
                ColebrookFrictionFactor(PipeRoughnessMm, d, ReynoldsNumber(0.001 * d, viscosity, massFlow));
            const double lambdaPipe =
                ColebrookFrictionFactor(PipeRoughnessMm, D, ReynoldsNumber(0.001 * D, viscosity, massFlow));
            zeta = 0.04 + (lambdaSmall * ratio - lambdaPipe) * CheckedDiv(coneLength / 2, D);
            break;
        }
        case 31: {
            const double ratio = CheckedDiv(D * D, d * d);
            const double reRatio = ReynoldsNumber(0.001 * D, viscosity, massFlow) * ratio;
            const double base = reRatio < 2000 ? 1.1 : reRatio < 10000 ? 0.55 : 0.5;
            zeta = base - CheckedDiv(0.4, ratio);
            break;
        }
        case 32: zeta = (angle < 60 ? angle / 60 + 0.2 : 1.2 - 0.2 * (angle - 60) / 120) * 5 / 9; break;
        case 33: zeta = (angle < 60 ? 0.2 + 0.85 * angle / 60 : 1.05 - 0.05 * (angle - 60) / 120) * 8 / 9; break;
        case 34: {
            const double open = 1 - CheckedDiv(D * D, d * d);
            zeta = open * open;
            break;
        }
        default: return;
    }
    ResistanceZeta[column] = CheckFinite(zeta, "fitting resistance is no number");
}

void RestrictionResistance(const std::string& medium, int column, double inletPressure, double temperature,
                           double massFlow, double viscosity, double pipeDiameterMm) {
    (void)viscosity;  // the valve equations have no viscosity term
    if (!IsFittingColumn(column) || ResistanceKind[column] != 50) return;
    ResistanceKv[column] = CellNumber(column, 6);
    ResistanceFL[column] = CellNumber(column, 7);
    ResistanceParamB[column] = CellNumber(column, 8);
    const ValveDuty duty{.medium = ValveMediumOf(medium),
                         .restriction = ValveSubtype == kSubtypeRestriction,
                         .flowTph = kTonnesPerHourPerKgPerSecond * massFlow,
                         .flowFactor = 1.0,
                         .density = FlowDensity,
                         .temperatureC = temperature,
                         .inletPressureBar = kBarPerPa * inletPressure,
                         .vapourPressureBar = VapourPressureBar,
                         .criticalPressureBar = CriticalPressureBar,
                         .dropBar = 0.0,
                         .fl = ResistanceFL[column],
                         .valveDiameterMm = ResistanceParamB[column],
                         .pipeDiameterMm = pipeDiameterMm};
    const RestrictionDrop drop = RestrictionFlowTerm(duty, ResistanceKv[column]);
    FittingCriticalFlag[column] = drop.critical;
    const double dp = kPaPerBar * drop.dropBar;
    const bool gas = IsGasMedium(medium);
    // The valve's drop enters the line's isothermal law as P^2 - (P - dp)^2.
    const double referred =
        gas ? CheckedDiv(inletPressure * inletPressure - (inletPressure - dp) * (inletPressure - dp), 2 * inletPressure)
            : dp;
    ResistanceZeta[column] =
        CheckFinite(CheckedDiv(referred, DynamicPressure(FlowDensity, LineVelocity)), "valve resistance is no number");
}

void ThroatDeviceResistance(const std::string& medium, int column, double pipeDiameter, double massFlow,
                            double inletPressure, double temperature, double density, double viscosity, double kappa) {
    (void)temperature;  // the device equations take the state through density, viscosity and kappa
    if (!IsFittingColumn(column) || ResistanceKind[column] < 60 || ResistanceKind[column] > 64) return;
    const ThroatDevice device = ThroatDeviceOf(ResistanceKind[column]);
    const std::string standard(1, StandardLetter);
    const double throat = 0.001 * ResistanceParamB[column];
    double dp = 0.0;
    DiffPressureFromFlow(medium, device.device, device.variant, standard, inletPressure, massFlow, throat, pipeDiameter,
                         density, viscosity, kappa, 1.0, dp);
    double c = 0.0, e = 0.0, epsilon = 1.0, beta = 0.0, reynolds = 0.0;
    DeviceCoefficients(medium, device.device, device.variant, standard, inletPressure, massFlow, dp, throat,
                       pipeDiameter, density, viscosity, kappa, c, e, epsilon, beta, reynolds);
    // The fitting is this device, whatever device the primary-device page shows.
    const double loss = PermanentPressureLossFor(DecodeDevice(device.device), DecodeStandard(standard), false,
                                                 pipeDiameter, viscosity, massFlow, dp, beta, c, e);
    ResistanceZeta[column] = CheckFinite(ZetaOfDrop(IsGasMedium(medium), inletPressure, loss, density, LineVelocity),
                                         "device resistance is no number");
}

void ResetFittingArrays() {
    for (int c = 1; c <= kFittingColumnCount; ++c) {
        ResistanceKind[c] = 0;
        ResistancePosition[c] = 0.0;
        ResistanceParamB[c] = 100.0;
        ResistanceParamA[c] = 20.0;
        ResistanceZeta[c] = 0.0;
        ResistanceKv[c] = 0.0;
        ResistanceFL[c] = 0.95;
        FittingCriticalFlag[c] = false;
        HeightZetaSum[c] = HeightPressureSum[c] = 0.0;
        HeightZetaSaved[c] = HeightPressureSaved[c] = 0.0;
    }
    FittingPressureDrop = 0.0;
}

void ResetPressureLossLine() {
    ResetFittingArrays();
    HeightDifference = 0.0;
}

}  // namespace tubalyx
