#include "flow/optimal_design.h"

#include <cmath>
#include <exception>
#include <string_view>

#include "flow/device_coefficients.h"
#include "flow/device_selection.h"
#include "flow/dp_range_uncertainty.h"
#include "flow/fitting_rows.h"
#include "flow/flow_iterations.h"
#include "flow/installation_factors.h"
#include "flow/limit_checks.h"
#include "flow/permanent_loss.h"
#include "flow/reynolds.h"
#include "flow/standard_limits.h"
#include "flow/straight_length_service.h"
#include "media/thermal_expansion.h"
#include "numerics/checked.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

struct ElementType {
    char c;
    const char* device;
    const char* variant;
};

// In the order the search tries them.
constexpr ElementType kElementTypes[] = {
    {'1', "S", "R"},  {'2', "S", "F"},  {'3', "S", "D"},  {'4', "V", "SV"},
    {'5', "V", "BG"}, {'6', "V", "OG"}, {'7', "KV", " "}, {'8', "VK", " "},
    {'9', "SM", " "}, {'0', "D", " "},  {'A', "DL", " "},
};

constexpr double kNoBest = 1e38;

// The values a candidate leaves, kept for the best one.
struct Candidate {
    const char* device = "S";
    const char* variant = "R";
    double pipeDiameter = 0.0;  // operating, m
    double pipeCold = 0.0;      // m
    double dp = kNoBest;
    double bore = kNoBest;
    int dpStep = 0;
    double shortfall = kNoBest;
    double additional = kNoBest;
    double factor = 1.0;
    double roughnessFactor = 1.0;
    double bendFactor = 1.0;
    double roughnessPercent = 0.0;
    double bendPercent = 0.0;
    double loss = kNoBest;
    double average = 0.0;  // the three averages over the dp range
    double deviationA = 0.0;
    double deviationB = 0.0;
};

bool BendApplies(std::string_view row, std::string_view device) {
    return row == "1" &&
           (device == "S" || device == "KV" || device == "DL" || device == "D");
}

bool Passed(const std::string& message) { return message == " "; }

}  // namespace

bool DeviceForElementChar(char c, const char*& device, const char*& variant) {
    for (const ElementType& t : kElementTypes) {
        if (t.c == c) {
            device = t.device;
            variant = t.variant;
            return true;
        }
    }
    return false;
}

void SizeThroatDevice() {
    const std::string_view standard(&StandardLetter, 1);
    const std::string_view language(&LanguageLetter, 1);
    const double p = OperatingPressure;
    const double rho = FlowDensity;
    const double mu = DynamicViscosityPas;
    const double kappa = KappaOperating;
    const double qMax = MaxMassFlow;
    const double qMin = MinMassFlow;
    const double qNormal = NormalMassFlow;
    const bool allowSmall = AllowSmallPipeFlag == "J";
    const bool allowLarge = AllowLargePipeFlag == "J";
    const bool allowLargeRe = AllowLargeReynoldsFlag == "J";
    const bool rootMethod = OnlineFlowMethod == "R";
    const bool standardMethod = OnlineFlowMethod == "N";

    double bestScore = kNoBest;
    Candidate best;
    Candidate last;
    last.pipeCold = PipeDiameterMinLimitM;
    last.pipeDiameter = PipeDiameterMinLimitM * ThermalExpansionFactor(
                                                    PipeExpansionCoeff, PipeExpansionCoeffB,
                                                    OperatingTemperature);
    last.dp = DpLowerLimitPa;
    bool tried = false;

    DeviceCode = "S";
    DeviceVariantCode = "R";
    const int pipeSteps = PipeDiameterMaxLimitM - 1e-10 > PipeDiameterMinLimitM ? 10 : 0;
    const int dpSteps = DpUpperLimitPa - 1e-10 > DpLowerLimitPa ? 10 : 0;
    const double pipeFactor =
        ThermalExpansionFactor(PipeExpansionCoeff, PipeExpansionCoeffB, OperatingTemperature);

    // Scratch kept outside the loops so that no candidate allocates.
    std::string row;
    std::string throatMessage, dpMessage, betaMessage, roughnessMessage;
    row.reserve(8);
    for (std::string* m : {&throatMessage, &dpMessage, &betaMessage, &roughnessMessage})
        m->reserve(256);
    double factor = SizingCorrectionFactor;

    for (const ElementType& type : kElementTypes) {
        if (PrimaryElementEntry.find(type.c) == std::string::npos) continue;
        DeviceCode = type.device;
        DeviceVariantCode = type.variant;
        const std::string_view device(type.device);
        const std::string_view variant(type.variant);
        const DeviceSelection sel = DecodeDeviceSelection(MediumCode, device, variant, standard);
        const bool cone = IsConeDevice(sel.device);
        MapFittingToTableRow(device, UpstreamFittingCode, row);
        const bool bendRow = BendApplies(row, device);
        double pipeMin = 0.0, pipeMax = 1e38;
        PipeDiameterLimits(device, variant, standard, pipeMin, pipeMax);

        for (int i = 0; i <= pipeSteps; ++i) {
            const double cold =
                pipeSteps == 0 ? PipeDiameterMinLimitM
                               : PipeDiameterMinLimitM + static_cast<double>(i) / pipeSteps *
                                                             (PipeDiameterMaxLimitM -
                                                              PipeDiameterMinLimitM);
            const double pipe = cold * pipeFactor;
            PipeDiameterColdM = cold;
            PipeDiameter = pipe;
            if (allowLarge && pipe > pipeMax) break;
            if (allowSmall && pipe < pipeMin) continue;
            if (allowLargeRe) {
                double reMin = 0.0, reMax = kNoReynoldsUpperLimit;
                ReynoldsLimits(device, variant, standard, 0.5 * pipe, pipe, reMin, reMax);
                try {
                    if (ReynoldsNumber(pipe, mu, qMax) > reMax) continue;
                } catch (const CalcError&) {
                    continue;
                }
            }
            for (int j = 0; j <= dpSteps; ++j) {
                const double dp =
                    dpSteps == 0 ? DpLowerLimitPa
                                 : DpLowerLimitPa + static_cast<double>(j) / dpSteps *
                                                        (DpUpperLimitPa - DpLowerLimitPa);
                tried = true;
                last.device = type.device;
                last.variant = type.variant;
                last.pipeDiameter = pipe;
                last.pipeCold = cold;
                last.dp = dp;
                last.dpStep = j;
                last.factor = factor;
                last.roughnessFactor = last.bendFactor = 1.0;
                last.roughnessPercent = last.bendPercent = 0.0;
                try {
                    double d = ThroatDiameterFromFlowFor(sel, cone, p, qMax, dp, pipe, rho, mu,
                                                         kappa, factor);
                    double br = 1.0, bkr = 1.0, brPercent = 0.0, bendPercent = 0.0;
                    double upstream = 0.0, additional = 0.0, shortfall = 0.0;
                    CallRequiredStraightLengths(DeviceCode, DeviceVariantCode, row, upstream,
                                                additional, shortfall, StraightLengthM, pipe, d);
                    bool bend = false;
                    if (bendRow && additional > 0.0) {
                        BendCorrectionFactor(upstream, pipe, CheckedDiv(d, pipe), bkr);
                        bendPercent = std::fabs(1.0 - bkr) * 100.0;
                        bend = true;
                        last.bendFactor = bkr;
                        last.bendPercent = bendPercent;
                    }
                    BoreDiameter = d;
                    double polynomial = 0.0;
                    RoughnessCorrectionFactor(pipe, PipeRoughnessM, qNormal, br, brPercent,
                                              polynomial);
                    last.roughnessFactor = br;
                    last.roughnessPercent = brPercent;
                    factor = br * bkr;
                    last.factor = factor;
                    d = ThroatDiameterFromFlowFor(sel, cone, p, qMax, dp, pipe, rho, mu, kappa,
                                                  factor);
                    BoreDiameter = d;
                    last.bore = d;
                    if (d >= 0.94 * pipe) continue;

                    const double beta = CheckedDiv(d, pipe);
                    const double reMax = ReynoldsNumber(pipe, mu, qMax);
                    CheckThroatDiameter(language, device, d, throatMessage);
                    CheckDiffPressure(language, MediumCode, device, p, dp, dpMessage);
                    CheckBeta(language, device, variant, standard, beta, betaMessage);
                    CheckRoughness(language, device, variant, standard, d, pipe, PipeRoughnessM,
                                   reMax, roughnessMessage);
                    CallRequiredStraightLengths(DeviceCode, DeviceVariantCode, row, upstream,
                                                additional, shortfall, StraightLengthM, pipe, d);
                    if (bend) {
                        additional =
                            std::sqrt(brPercent * brPercent + bendPercent * bendPercent);
                    }
                    double reLower = 0.0, reUpper = kNoReynoldsUpperLimit;
                    ReynoldsLimits(device, variant, standard, d, pipe, reLower, reUpper);
                    const bool valid = (Passed(throatMessage) || !allowSmall) &&
                                       ReynoldsNumber(pipe, mu, qMin) >= reLower &&
                                       Passed(dpMessage) && Passed(betaMessage) &&
                                       Passed(roughnessMessage) &&
                                       (shortfall < best.shortfall || shortfall < 0.0);
                    if (!valid) continue;

                    const double dpNormal = DiffPressureFromFlowFor(
                        sel, cone, p, qNormal, d, pipe, rho, mu, kappa, factor, 1e-7, 1001);
                    const double dpMin = DiffPressureFromFlowFor(sel, cone, p, qMin, d, pipe,
                                                                 rho, mu, kappa, factor, 1e-7,
                                                                 1001);
                    double average = 0.0, deviationA = 0.0, deviationB = 0.0;
                    UncertaintyOverDpRange(MediumCode, device, variant, factor, kappa, mu, rho,
                                           pipe, d, dp, dpNormal, dpMin, p, standard, average,
                                           deviationA, deviationB);
                    const FlowCoefficients k =
                        ComputeDeviceCoefficients(sel, p, qMax, dp, d, pipe, mu, kappa);
                    const double loss = std::fabs(PermanentPressureLossFor(
                        sel.device, sel.standard, cone, pipe, mu, 0.5 * (qMin + qMax),
                        0.75 * dpNormal + 0.25 * dp, k.beta, k.c, k.e));
                    if (!rootMethod && !standardMethod) continue;
                    const double u = rootMethod ? deviationB : average;
                    const double score =
                        CheckFinite(loss * WeightFactor2 / p * 100.0 +
                                    std::sqrt(u * u + additional * additional) * WeightFactor1);
                    if (score < bestScore || (best.shortfall > 0.0 && shortfall < best.shortfall)) {
                        bestScore = score;
                        best.device = type.device;
                        best.variant = type.variant;
                        best.pipeDiameter = pipe;
                        best.pipeCold = cold;
                        best.dp = dp;
                        best.bore = d;
                        best.dpStep = j;
                        best.shortfall = shortfall;
                        best.additional = additional;
                        best.factor = factor;
                        best.roughnessFactor = br;
                        best.bendFactor = bkr;
                        best.roughnessPercent = brPercent;
                        best.bendPercent = bendPercent;
                        best.loss = loss;
                        best.average = average;
                        best.deviationA = deviationA;
                        best.deviationB = deviationB;
                    }
                } catch (const std::exception&) {
                    // A candidate that cannot be evaluated is skipped.
                }
            }
        }
    }

    const double dpSpan = DpUpperLimitInput - DpLowerLimitInput;
    if (best.pipeDiameter != 0.0) {
        DeviceCode = best.device;
        DeviceVariantCode = best.variant;
        PipeDiameterColdM = best.pipeCold;
        PipeDiameter = best.pipeDiameter;
        MaxDpPa = best.dp;
        AdditionalUncertaintyPercent = best.additional;
        StraightLengthShortfallM = best.shortfall;
        SizingCorrectionFactor = best.factor;
        RoughnessFactor = best.roughnessFactor;
        BendFactor = best.bendFactor;
        RoughnessUncertaintyPercent = best.roughnessPercent;
        BendUncertaintyPercent = best.bendPercent;
        OptimalPressureLossPa = best.loss;
        AverageCoefficientUncertainty = best.average;
        VariantFlowDeviationA = best.deviationA;
        VariantFlowDeviationB = best.deviationB;
        MaxDpInput = dpSteps == 0 ? DpLowerLimitInput
                                  : DpLowerLimitInput +
                                        static_cast<double>(best.dpStep) / dpSteps * dpSpan;
        double bore = best.bore;
        ThroatDiameterFromFlow(MediumCode, DeviceCode, DeviceVariantCode, standard, p, qMax,
                               MaxDpPa, PipeDiameter, rho, mu, kappa, SizingCorrectionFactor,
                               bore);
        BoreDiameter = bore;
        return;
    }

    // No valid candidate: the last one tried stands, or the default orifice when none could
    // be tried, and its bore is solved without letting a failure end the run.
    if (!tried) {
        DeviceCode = "S";
        DeviceVariantCode = "R";
    } else {
        DeviceCode = last.device;
        DeviceVariantCode = last.variant;
    }
    PipeDiameterColdM = last.pipeCold;
    PipeDiameter = last.pipeDiameter;
    MaxDpPa = last.dp;
    SizingCorrectionFactor = last.factor;
    // The installation factors of that candidate, not those an earlier run left.
    RoughnessFactor = last.roughnessFactor;
    BendFactor = last.bendFactor;
    RoughnessUncertaintyPercent = last.roughnessPercent;
    BendUncertaintyPercent = last.bendPercent;
    MaxDpInput = dpSteps == 0 ? DpLowerLimitInput
                              : DpLowerLimitInput +
                                    static_cast<double>(last.dpStep) / dpSteps * dpSpan;
    try {
        double bore = BoreDiameter;
        ThroatDiameterFromFlow(MediumCode, DeviceCode, DeviceVariantCode, standard, p, qMax,
                               MaxDpPa, PipeDiameter, rho, mu, kappa, SizingCorrectionFactor,
                               bore);
        BoreDiameter = bore;
    } catch (const std::exception&) {
        // The bore stays as the last candidate left it.
    }
}

}  // namespace tubalyx
