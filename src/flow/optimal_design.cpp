#include "flow/optimal_design.h"

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

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
#include "state/keywords.h"
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
    {'1', "S", "R"},  {'2', "S", "F"},  {'3', "S", "D"},  {'4', "V", "SV"}, {'5', "V", "BG"}, {'6', "V", "OG"},
    {'7', "KV", " "}, {'8', "VK", " "}, {'9', "SM", " "}, {'0', "D", " "},  {'A', "DL", " "},
};

constexpr double kNoBest = 1e38;
constexpr int kRangeSteps = 10;  // steps of the pipe and dp ranges
// The text a limit check leaves when the value passes.
constexpr std::string_view kNoMessage = " ";

// The state the search reads, taken once.
struct DesignInputs {
    std::string_view standard, language;
    double p, rho, mu, kappa;  // at operating conditions
    double calibratedCf;       // Cf of the cone equation
    double qMax, qMin, qNormal;
    bool allowSmall, allowLarge, allowLargeRe;
    bool rootMethod, standardMethod;  // how the uncertainty is scored; neither: not at all
    int pipeSteps, dpSteps;
    double pipeFactor;  // thermal expansion of the pipe
};

DesignInputs ReadDesignInputs() {
    DesignInputs in;
    in.standard = std::string_view(&StandardLetter, 1);
    in.language = std::string_view(&LanguageLetter, 1);
    in.p = OperatingPressure;
    in.rho = FlowDensity;
    in.mu = DynamicViscosityPas;
    in.kappa = KappaOperating;
    in.calibratedCf = CalibratedCf;
    in.qMax = MaxMassFlow;
    in.qMin = MinMassFlow;
    in.qNormal = NormalMassFlow;
    in.allowSmall = AllowSmallPipeFlag == kYes;
    in.allowLarge = AllowLargePipeFlag == kYes;
    in.allowLargeRe = AllowLargeReynoldsFlag == kYes;
    in.rootMethod = OnlineFlowMethod == kOnlineFlowRoot;
    in.standardMethod = OnlineFlowMethod == kOnlineFlowStandard;
    in.pipeSteps = PipeDiameterMaxLimitM - 1e-10 > PipeDiameterMinLimitM ? kRangeSteps : 0;
    in.dpSteps = DpUpperLimitPa - 1e-10 > DpLowerLimitPa ? kRangeSteps : 0;
    in.pipeFactor = ThermalExpansionFactor(PipeExpansionCoeff, PipeExpansionCoeffB, OperatingTemperature);
    return in;
}

// Step i of steps from lower to upper, or lower when there are no steps. Raises when the
// step overflows.
double RangeStep(double lower, double upper, int i, int steps) {
    if (steps == 0) return lower;
    return CheckFinite(lower + static_cast<double>(i) / steps * (upper - lower));
}

bool BendApplies(std::string_view row, std::string_view device) {
    return row == kFittingSingleBend && (device == kDeviceOrifice || device == kDeviceShortVenturi ||
                                         device == kDeviceLongRadiusNozzle || device == kDeviceIsaNozzle);
}

// A device type of the search with its keywords decoded, once.
struct DesignType {
    DeviceSelection sel;
    std::string row;       // its row of the straight-length tables
    bool bendRow = false;  // the bend factor applies on that row
};

// One point of the search: a device type, a pipe of the pipe range and a step of the dp range.
struct DesignCandidate {
    // The orifice with corner tappings stands when no type can be tried.
    const ElementType* element = &kElementTypes[0];
    const DesignType* type = nullptr;
    double pipeCold = 0.0;  // m
    double pipe = 0.0;      // m, at operating temperature
    int dpStep = 0;
    double dp = 0.0;  // Pa
};

// Every candidate in the order of the search: the allowed types in table order, the pipes
// their limits and the Reynolds limit admit, every dp. A pipe or dp whose step overflows is
// left out. types holds what the candidates' types decode to.
void ListCandidates(const DesignInputs& in, std::array<DesignType, std::size(kElementTypes)>& types,
                    std::vector<DesignCandidate>& list) {
    list.reserve(types.size() * static_cast<std::size_t>(in.pipeSteps + 1) * static_cast<std::size_t>(in.dpSteps + 1));
    for (std::size_t t = 0; t < types.size(); ++t) {
        const ElementType& element = kElementTypes[t];
        if (PrimaryElementEntry.find(element.c) == std::string::npos) continue;
        DesignType& type = types[t];
        type.sel = DecodeDeviceSelection(MediumCode, element.device, element.variant, in.standard);
        MapFittingToTableRow(element.device, UpstreamFittingCode, type.row);
        type.bendRow = BendApplies(type.row, element.device);
        double pipeMin = 0.0, pipeMax = 1e38;
        PipeDiameterLimits(element.device, element.variant, in.standard, pipeMin, pipeMax);
        for (int i = 0; i <= in.pipeSteps; ++i) {
            DesignCandidate c;
            c.element = &element;
            c.type = &type;
            try {
                c.pipeCold = RangeStep(PipeDiameterMinLimitM, PipeDiameterMaxLimitM, i, in.pipeSteps);
                c.pipe = CheckFinite(c.pipeCold * in.pipeFactor);
            } catch (const CalcError&) {
                continue;
            }
            if (in.allowLarge && c.pipe > pipeMax) break;
            if (in.allowSmall && c.pipe < pipeMin) continue;
            if (in.allowLargeRe) {
                double reMin = 0.0, reMax = kNoReynoldsUpperLimit;
                ReynoldsLimits(element.device, element.variant, in.standard, 0.5 * c.pipe, c.pipe, reMin, reMax);
                try {
                    if (ReynoldsNumber(c.pipe, in.mu, in.qMax) > reMax) continue;
                } catch (const CalcError&) {
                    continue;
                }
            }
            for (int j = 0; j <= in.dpSteps; ++j) {
                c.dpStep = j;
                try {
                    c.dp = RangeStep(DpLowerLimitPa, DpUpperLimitPa, j, in.dpSteps);
                } catch (const CalcError&) {
                    continue;
                }
                list.push_back(c);
            }
        }
    }
}

// What the evaluation of a candidate found. It is filled as the evaluation goes, so that a
// candidate whose evaluation raises still tells the factors it had reached.
struct CandidateResult {
    DesignCandidate candidate;
    double factor = 1.0;  // the correction factor br bkr
    double roughnessFactor = 1.0, bendFactor = 1.0;
    double roughnessPercent = 0.0, bendPercent = 0.0;
    double bore = kNoBest;  // m
    bool valid = false;     // within every limit, and the rest below is set
    double shortfall = kNoBest, additional = kNoBest;
    double loss = kNoBest;  // Pa
    double average = 0.0, deviationA = 0.0, deviationB = 0.0;
};

// Scratch texts kept across the candidates, so that no candidate allocates.
struct CheckTexts {
    std::string throat, dp, beta, roughness;
    CheckTexts() {
        for (std::string* m : {&throat, &dp, &beta, &roughness}) m->reserve(256);
    }
};

// Evaluates r.candidate from the correction factor r.factor of the candidate before; may
// raise. The candidate stands in the state while it is evaluated: the straight lengths and
// the roughness factor read it there.
void EvaluateCandidate(const DesignInputs& in, double bestShortfall, CheckTexts& texts, CandidateResult& r) {
    const DesignCandidate& c = r.candidate;
    const DeviceSelection& sel = c.type->sel;
    const std::string& row = c.type->row;
    const std::string_view device(c.element->device), variant(c.element->variant);
    const bool cone = IsConeDevice(sel.device);
    DeviceCode = c.element->device;
    DeviceVariantCode = c.element->variant;
    PipeDiameterColdM = c.pipeCold;
    PipeDiameter = c.pipe;

    const double usedFactor = r.factor;
    FlowCase flowCase{sel, cone, in.calibratedCf, in.p, c.pipe, in.rho, in.mu, in.kappa, usedFactor};
    double d = ThroatDiameterFromFlowFor(flowCase, in.qMax, c.dp);
    double upstream = 0.0, additional = 0.0, shortfall = 0.0;
    CallRequiredStraightLengths(DeviceCode, DeviceVariantCode, row, upstream, additional, shortfall, StraightLengthM,
                                c.pipe, d);
    const bool bend = c.type->bendRow && additional > 0.0;
    double bkr = 1.0;
    if (bend) {
        BendCorrectionFactor(upstream, c.pipe, CheckedDiv(d, c.pipe), bkr);
        r.bendFactor = bkr;
        r.bendPercent = std::fabs(1.0 - bkr) * 100.0;
    }
    BoreDiameter = d;
    double br = 1.0, polynomial = 0.0;
    RoughnessCorrectionFactor(c.pipe, PipeRoughnessM, in.qNormal, br, r.roughnessPercent, polynomial);
    r.roughnessFactor = br;
    r.factor = br * bkr;
    flowCase.f = r.factor;
    // The bore of the same factor is the bore already solved.
    if (r.factor != usedFactor) d = ThroatDiameterFromFlowFor(flowCase, in.qMax, c.dp);
    BoreDiameter = d;
    r.bore = d;
    if (d >= 0.94 * c.pipe) return;

    const double beta = CheckedDiv(d, c.pipe);
    CheckThroatDiameter(in.language, device, d, texts.throat);
    CheckDiffPressure(in.language, MediumCode, device, in.p, c.dp, texts.dp);
    CheckBeta(in.language, device, variant, in.standard, beta, texts.beta);
    CheckRoughness(in.language, device, variant, in.standard, d, c.pipe, PipeRoughnessM,
                   ReynoldsNumber(c.pipe, in.mu, in.qMax), texts.roughness);
    CallRequiredStraightLengths(DeviceCode, DeviceVariantCode, row, upstream, additional, shortfall, StraightLengthM,
                                c.pipe, d);
    if (bend) {
        additional = std::sqrt(r.roughnessPercent * r.roughnessPercent + r.bendPercent * r.bendPercent);
    }
    double reLower = 0.0, reUpper = kNoReynoldsUpperLimit;
    ReynoldsLimits(device, variant, in.standard, d, c.pipe, reLower, reUpper);
    const bool valid = (texts.throat == kNoMessage || !in.allowSmall) &&
                       ReynoldsNumber(c.pipe, in.mu, in.qMin) >= reLower && texts.dp == kNoMessage &&
                       texts.beta == kNoMessage && texts.roughness == kNoMessage &&
                       (shortfall < bestShortfall || shortfall < 0.0);
    if (!valid) return;

    const double dpNormal = DiffPressureFromFlowFor(flowCase, in.qNormal, d, 1e-7, 1001);
    const double dpMin = DiffPressureFromFlowFor(flowCase, in.qMin, d, 1e-7, 1001);
    UncertaintyOverDpRange(MediumCode, device, variant, r.factor, in.kappa, in.mu, in.rho, c.pipe, d, c.dp, dpNormal,
                           dpMin, in.p, in.standard, r.average, r.deviationA, r.deviationB);
    const FlowCoefficients k = ComputeDeviceCoefficients(sel, in.p, in.qMax, c.dp, d, c.pipe, in.mu, in.kappa);
    r.loss =
        std::fabs(PermanentPressureLossFor(sel.device, sel.standard, cone, c.pipe, in.mu, 0.5 * (in.qMin + in.qMax),
                                           0.75 * dpNormal + 0.25 * c.dp, k.beta, k.c, k.e));
    r.shortfall = shortfall;
    r.additional = additional;
    r.valid = true;
}

// The weighted sum of pressure loss and uncertainty of a valid candidate; false when the
// transmitter method scores none. May raise.
bool ScoreCandidate(const DesignInputs& in, const CandidateResult& r, double& score) {
    if (!in.rootMethod && !in.standardMethod) return false;
    const double u = in.rootMethod ? r.deviationB : r.average;
    score = CheckFinite(r.loss * WeightFactor2 / in.p * 100.0 +
                        std::sqrt(u * u + r.additional * r.additional) * WeightFactor1);
    return true;
}

// Writes the chosen candidate to the state and solves its bore; a scored one also gives its
// straight-length, loss and uncertainty results. The bore of a candidate that was not scored
// is solved inside a guard: it stands only because nothing better passed. Every number it
// publishes is finite, or it raises before writing any.
void CommitDesign(const DesignInputs& in, const CandidateResult& r, bool scored) {
    const DesignCandidate& c = r.candidate;
    const double maxDpInput = CheckFinite(RangeStep(DpLowerLimitInput, DpUpperLimitInput, c.dpStep, in.dpSteps));
    for (double x :
         {c.pipeCold, c.pipe, c.dp, r.factor, r.roughnessFactor, r.bendFactor, r.roughnessPercent, r.bendPercent})
        CheckFinite(x);
    DeviceCode = c.element->device;
    DeviceVariantCode = c.element->variant;
    PipeDiameterColdM = c.pipeCold;
    PipeDiameter = c.pipe;
    MaxDpPa = c.dp;
    SizingCorrectionFactor = r.factor;
    RoughnessFactor = r.roughnessFactor;
    BendFactor = r.bendFactor;
    RoughnessUncertaintyPercent = r.roughnessPercent;
    BendUncertaintyPercent = r.bendPercent;
    MaxDpInput = maxDpInput;
    if (scored) {
        AdditionalUncertaintyPercent = r.additional;
        StraightLengthShortfallM = r.shortfall;
        OptimalPressureLossPa = r.loss;
        AverageCoefficientUncertainty = r.average;
        VariantFlowDeviationA = r.deviationA;
        VariantFlowDeviationB = r.deviationB;
    }
    double bore = BoreDiameter;
    try {
        ThroatDiameterFromFlow(MediumCode, DeviceCode, DeviceVariantCode, in.standard, in.p, in.qMax, MaxDpPa,
                               PipeDiameter, in.rho, in.mu, in.kappa, SizingCorrectionFactor, bore);
    } catch (const CalcError&) {
        if (scored) throw;
        return;  // the bore stays as the last candidate left it
    }
    BoreDiameter = bore;
}

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
    const DesignInputs in = ReadDesignInputs();
    std::array<DesignType, std::size(kElementTypes)> types;
    std::vector<DesignCandidate> candidates;
    ListCandidates(in, types, candidates);
    CheckTexts texts;

    CandidateResult best;
    double bestScore = kNoBest;
    // With no candidate tried, the default orifice stands at the bottom of both ranges.
    CandidateResult last;
    last.candidate.pipeCold = PipeDiameterMinLimitM;
    last.candidate.pipe = PipeDiameterMinLimitM * in.pipeFactor;
    last.candidate.dp = DpLowerLimitPa;
    bool scoredOne = false;
    double factor = SizingCorrectionFactor;
    for (const DesignCandidate& c : candidates) {
        last = CandidateResult{};
        last.candidate = c;
        last.factor = factor;
        try {
            EvaluateCandidate(in, best.shortfall, texts, last);
            double score = 0.0;
            if (last.valid && ScoreCandidate(in, last, score) &&
                (score < bestScore || (best.shortfall > 0.0 && last.shortfall < best.shortfall))) {
                bestScore = score;
                best = last;
                scoredOne = true;
            }
        } catch (const CalcError&) {
            // A candidate that cannot be evaluated is skipped.
        }
        factor = last.factor;
    }
    CommitDesign(in, scoredOne ? best : last, scoredOne);
}

}  // namespace tubalyx
