#include "reports/uncertainty/uncertainty_calculation.h"

#include <array>
#include <cmath>
#include <optional>

#include "flow/coefficient_uncertainty.h"
#include "flow/device_geometry.h"
#include "flow/device_selection.h"
#include "flow/flow_iterations.h"
#include "flow/installation_factors.h"
#include "flow/reynolds.h"
#include "flow/simplified_flow_law.h"
#include "flow/volume_meter.h"
#include "media/medium_identification.h"
#include "media/medium_properties.h"
#include "numerics/checked.h"
#include "numerics/unit_parser.h"
#include "reports/uncertainty/uncertainty_grid.h"
#include "state/composition.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/report_state.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

using S = UncertaintySource;

// A flow range narrower than this is one point.
constexpr double kSinglePointWidth = 1e-11;  // kg/s
// Below this difference the bend correction counts as not applied.
constexpr double kNoBendCorrection = 1e-5;
// Straight lengths too short for the tables carry 100 %; only shorter shortfalls add linearly.
constexpr double kStraightLengthTooShort = 50.0;
// The molar heating values of methane, ethane and propane, kJ/mol.
constexpr double kMethaneHeatingValue = 891.56;
constexpr double kEthaneHeatingValue = 1562.14;
constexpr double kPropaneHeatingValue = 2221.1;

double Sq(double x) { return x * x; }

// The root constants of the calculation methods 1 and 2, kg/s per root of Pa: the flow over the
// root of the dp at the transmitter's normal point and at its maximal point.
double MethodFlowConstant1() {
    const DpTransmitterValueSet& v = DpTransmitterValues;
    return CheckedDiv(v.normalPointFlow.si, CheckedSqrt(v.normalPointDp.pa));
}
double MethodFlowConstant2() {
    const DpTransmitterValueSet& v = DpTransmitterValues;
    return CheckedDiv(v.maxPointFlow.si, CheckedSqrt(v.maxPointDp.pa));
}

// The kind letter of a flow unit ("V" volume, "M" mass); "" for a unit the parser refuses.
std::string FlowUnitKind(const std::string& unit, double pipeDiameter) {
    try {
        std::string text = unit, kind;
        double value = 0.0;
        ParseUnitValue(text, 1.0, FlowNormalDensity, pipeDiameter, value, kind);
        return kind;
    } catch (const CalcError&) {
        return "";
    }
}

// What stays fixed over the points of one run.
class BudgetRun {
public:
    BudgetRun(const UncertaintyRunInput& in, double qMin)
        : in_(in),
          standard_(1, in.standard),
          device_(DecodeDevice(in.device)),
          volume_(device_ == FlowDevice::VolumeMeter),
          gas_(IsGasMedium(in.medium)),
          maxBase_(UncertaintyPercentBase == kPercentOfMaxFlow),
          qMin_(qMin),
          qMax_(in.maxMassFlow),
          f_(InletEdgeFactor * in.roughnessFactor * BendFactor),
          u_(UncertaintyInputs) {
        if (HumidGasFlag) {
            absolute_ = AbsoluteHumidity, specific_ = SpecificHumidity, dew_ = DewTemperatureC;
            relative_ = in.relativeHumidity;
        }
        if (volume_) volumeUnitKind_ = FlowUnitKind(FlowUnit, in.pipeDiameter);
    }

    int PointCount() const { return qMin_ + kSinglePointWidth < qMax_ ? kUncertaintyPoints : 1; }
    double FlowAt(int k) const { return qMin_ + k * (qMax_ - qMin_) / 9.0; }

    void Point(int k) {
        k_ = k;
        q_ = FlowAt(k);
        re_ = ReynoldsNumber(in_.pipeDiameter, in_.viscosity, q_);
        if (volume_) {
            reading_ = CheckedDiv(MaxFlowInput * q_, MaxMassFlow);
            VolumeMeterPoint();
        } else {
            DiffPressureFromFlow(in_.medium, in_.device, in_.variant, standard_, in_.pressure, q_, in_.bore,
                                 in_.pipeDiameter, in_.density, in_.viscosity, in_.kappa, f_, dp_);
            DiffPressurePoint();
        }
    }

private:
    // ---- the contribution of a changed flow ----
    double Scaled(double c) const { return maxBase_ ? c * q_ / qMax_ : c; }
    double Change(double q) const { return Scaled((q - q_) / q_ * 100.0); }
    void Set(S source, double c) { SourceArray(source)[k_] = c; }

    struct Flow {
        double dp, bore, pipe, density, viscosity, kappa, f;
    };
    Flow Base() const { return {dp_, in_.bore, in_.pipeDiameter, in_.density, in_.viscosity, in_.kappa, f_}; }
    double FlowOf(const Flow& x) const {
        double q = 0.0;
        FlowFromDiffPressure(in_.medium, in_.device, in_.variant, standard_, in_.pressure, x.dp, x.bore, x.pipe,
                             x.density, x.viscosity, x.kappa, x.f, q);
        return q;
    }
    // A bore that its uncertainty (or the tube's) takes to the tube wall is no device: the
    // budget has no flow to give for it.
    static void RequireBoreInTube(const Flow& x) {
        if (!(x.bore < x.pipe)) throw CalcError("the throat's uncertainty reaches the tube wall");
    }
    double AtDp(double dp) const {
        Flow x = Base();
        x.dp = dp;
        return Change(FlowOf(x));
    }
    double WithDensity(double density) const {
        Flow x = Base();
        x.density = density;
        return FlowOf(x);
    }
    // The transmitter signal in % of span: the root of dp when the transmitter extracts it.
    double AdDp(double u, bool ofSpan) const {
        if (SquareRootAnswer == kNo) return ofSpan ? dp_ + 0.01 * u * in_.dpMax : dp_ * (1.0 + 0.01 * u);
        const double s = 100.0 * CheckedSqrt(CheckedDiv(dp_, in_.dpMax));
        const double changed = ofSpan ? s + u : s * (1.0 + 0.01 * u);
        return Sq(0.01 * changed) * in_.dpMax;
    }

    // ---- the volume meter: a reading in the user's flow unit ----
    double MeterFlow(double reading, double roughnessMm, double reynolds, double* area = nullptr,
                     double* profile = nullptr) const {
        double qm = 0.0, a = 0.0, p = 0.0;
        ReynoldsAdjustedFlow(FlowUnit, reading, in_.density, 1000.0 * in_.pipeDiameter, roughnessMm, reynolds,
                             CalibratedReynoldsMin, qm, a, p);
        if (area) *area = a;
        if (profile) *profile = p;
        return qm;
    }
    double Reading(double reading) const { return Change(MeterFlow(reading, PipeRoughnessMm, ReynoldsAtMaxFlow)); }

    void VolumeMeterPoint() {
        const double r = reading_;
        Set(S::Standard, 0.0);
        double profile = 1.0;
        if (UncertaintyMethodCode == kMethodLinear) {
            MeterFlow(r, PipeRoughnessMm, re_, nullptr, &profile);
            Set(S::CalculationError, Scaled((1.0 - profile) * 100.0));
        }
        Set(S::Span, Reading(r + 0.01 * u_.MeterSpanUncertainty * MaxFlowInput));
        Set(S::Actual, Reading(r * (1.0 + 0.01 * u_.MeterActualUncertainty)));
        Set(S::AdSpan, Reading(r + 0.01 * u_.AdSpanUncertainty * MaxFlowInput));
        Set(S::AdActual, Reading(r * (1.0 + 0.01 * u_.AdActualUncertainty)));
        MediumStateSources();
        const double d = in_.pipeDiameter;
        Set(S::TubeDiameter, Change(q_ * CheckedDiv(d, d + 0.001 * u_.PipeDiameterUncertaintyMm)));
        double area = 1.0;
        MeterFlow(r, PipeRoughnessMm + u_.RoughnessUncertaintyMm, ReynoldsAtMaxFlow, &area);
        Set(S::Roughness, Scaled((VolumeMeterRoughnessFactor - area) * 100.0));
        const bool byVolume = volumeUnitKind_ == kUnitVolumeFlow;
        Set(S::DensityUncertainty, byVolume ? 0.0 : Change(q_ * (1.0 + 0.01 * u_.DensityUncertaintyPercent)));
        Set(S::DensityError, byVolume ? 0.0 : Change(q_ * (1.0 + 0.01 * u_.DensityErrorPercent)));
    }

    void DiffPressurePoint() {
        const double beta = CheckedDiv(in_.bore, in_.pipeDiameter);
        StandardSource(beta);
        MediumStateSources();
        CalculationErrorSource();

        double span = dp_ + 0.01 * u_.MeterSpanUncertainty * in_.dpMax;
        if (DpTransmitterCount == kTwoDpTransmitters && dp_ / in_.dpMax * 100.0 < DpCellSplitPercent)
            span = dp_ + 0.01 * u_.MeterSpanUncertainty * in_.dpMax * 0.01 * DpCellSplitPercent;
        Set(S::Span, AtDp(span));
        Set(S::Actual, AtDp(dp_ * (1.0 + 0.01 * u_.MeterActualUncertainty)));

        Flow x = Base();
        x.bore = in_.bore + 0.001 * u_.ThroatDiameterUncertaintyMm;
        if (device_ == FlowDevice::SegmentOrifice)
            SegmentEquivalentDiameter(in_.segmentHeight + 0.001 * u_.ThroatDiameterUncertaintyMm, in_.pipeDiameter,
                                      x.bore);
        RequireBoreInTube(x);
        Set(S::ThroatDiameter, Change(FlowOf(x)));

        double edge = 0.0;
        if (device_ == FlowDevice::Orifice) {
            const double r = CheckedDiv(0.001 * u_.InletEdgeRadiusMm, in_.bore);
            edge = Scaled(std::fabs(1.0 - (1.0 + 5.7 * r - 92.5 * r * r)) * 100.0);
        }
        Set(S::InletEdge, edge);

        x = Base();
        x.pipe = in_.pipeDiameter + 0.001 * u_.PipeDiameterUncertaintyMm;
        RequireBoreInTube(x);
        Set(S::TubeDiameter, Change(FlowOf(x)));

        // The roughness factor at the flow the primary-device calculation took it at, so that a
        // roughness known exactly changes nothing.
        double br = 1.0, percent = 0.0, polynomial = 0.0;
        RoughnessCorrectionFactor(in_.pipeDiameter, PipeRoughnessGiven + 0.001 * u_.RoughnessUncertaintyMm,
                                  NormalMassFlow, br, percent, polynomial);
        x = Base();
        x.f = f_ * CheckedDiv(br, in_.roughnessFactor);
        Set(S::Roughness, Change(FlowOf(x)));

        Set(S::DensityUncertainty, Change(WithDensity(in_.density * (1.0 + 0.01 * u_.DensityUncertaintyPercent))));
        Set(S::DensityError, Change(WithDensity(in_.density * (1.0 + 0.01 * u_.DensityErrorPercent))));
        x = Base();
        x.viscosity = in_.viscosity * (1.0 + 0.01 * u_.ViscosityUncertaintyPercent);
        Set(S::Viscosity, Change(FlowOf(x)));
        x = Base();
        x.kappa = in_.kappa * (1.0 + 0.01 * u_.KappaUncertaintyPercent);
        Set(S::Kappa, Change(FlowOf(x)));
        Set(S::AdSpan, AtDp(AdDp(u_.AdSpanUncertainty, true)));
        Set(S::AdActual, AtDp(AdDp(u_.AdActualUncertainty, false)));
    }

    void StandardSource(double beta) {
        double uE = 0.0, uC = 0.0;
        CoefficientUncertainty(in_.device, in_.variant, in_.medium, standard_, in_.pressure, beta, dp_, re_, in_.kappa,
                               in_.pipeDiameter, uE, uC);
        const double s = RoughnessUncertaintyPercent, x = AdditionalUncertaintyPercent;
        const double base = Sq(uC) + Sq(uE) + Sq(s);
        double value = 0.0;
        if (std::fabs(BendFactor - 1.0) > kNoBendCorrection)
            value = std::sqrt(base + Sq(x));
        else if (x > kStraightLengthTooShort)
            value = std::sqrt(base);
        else
            value = std::sqrt(base) + std::fabs(x);
        value = Scaled(value);
        // A number >= 0 typed into column 1 of row 1 stands for the computed value.
        if (const double typed = TypedStandardUncertainty(); typed >= 0.0) value = typed;
        Set(S::Standard, value);
    }

    void CalculationErrorSource() {
        const std::string& method = UncertaintyMethodCode;
        if (method == kMethodFirst || method == kMethodSecond) {
            const double constant = method == kMethodFirst ? MethodFlowConstant1() : MethodFlowConstant2();
            Set(S::CalculationError, Change(std::sqrt(dp_) * constant));
        } else if (method == kMethodThird && !IsConeDevice(device_) && k_ == 0) {
            double mean = 0.0;
            FmatCoefficientA = kFmatNotFitted;
            FitFlowCorrectionCoefficients(in_.medium, in_.device, in_.variant, standard_, in_.pressure, in_.dpMax,
                                          in_.bore, in_.pipeDiameter, in_.density, in_.viscosity, in_.kappa, f_, qMax_,
                                          qMin_, FmatCoefficientA, FmatCoefficientB, mean);
        }
    }

    // ---- sources through the medium state ----
    MediumStateValues StateAt(double pressure, double temperature, double relative,
                              const GasCompositionArray& composition) const {
        MediumStateValues s;
        double absolute = absolute_, specific = specific_, dew = dew_;
        s.pressure = pressure, s.temperature = temperature;
        MediumPropertiesAtState(false, in_.medium, composition, in_.givenDensity, in_.givenViscosity, in_.givenCp,
                                in_.givenCv, in_.givenKappa, in_.givenCriticalTemperature, GivenMolarMass, s.pressure,
                                s.temperature, "R", absolute, specific, dew, relative, s.density, s.dryDensity,
                                s.vapourDensity, s.viscosity, s.kappa, s.cp, s.cv, s.vapourPressure, s.enthalpy);
        return s;
    }
    // The flow at the point with another density of the medium.
    double FlowAtDensity(double density) const {
        if (!volume_) return WithDensity(density);
        if (volumeUnitKind_ == kUnitVolumeFlow) return q_;
        double qm = 0.0, area = 0.0, profile = 0.0;
        ReynoldsAdjustedFlow("M3/S", CheckedDiv(q_, in_.density), density, 1000.0 * in_.pipeDiameter, PipeRoughnessMm,
                             ReynoldsAtMaxFlow, CalibratedReynoldsMin, qm, area, profile);
        return qm;
    }
    // The state the property routine gives at the unchanged inputs. A changed state is measured
    // against it, not against the density of the run, so that an input known exactly adds
    // nothing even where the run's density came from elsewhere (a table note, a given value).
    const MediumStateValues& BaseState() {
        if (!base_) base_ = StateAt(in_.pressure, in_.temperature, relative_, GasComposition);
        return *base_;
    }
    double StateChange(const MediumStateValues& s) {
        const double before = FlowAtDensity(BaseState().density);
        return Scaled((FlowAtDensity(s.density) - before) / q_ * 100.0);
    }

    void MediumStateSources() {
        const GasCompositionArray& comp = GasComposition;
        if (in_.medium != kMediumLiquid) {
            Set(S::Pressure, StateChange(StateAt(in_.pressure * (1.0 + 0.01 * u_.PressureUncertaintyPercent),
                                                 in_.temperature, relative_, comp)));
            Set(S::Temperature,
                StateChange(StateAt(in_.pressure, in_.temperature + u_.TemperatureUncertaintyC, relative_, comp)));
        }
        if (gas_ && !IsSteamMedium(in_.medium)) {
            const MediumStateValues s =
                StateAt(in_.pressure, in_.temperature, relative_ + u_.HumidityUncertaintyPercent, comp);
            const MediumStateValues& base = BaseState();
            const double before = FlowAtDensity(base.density), after = FlowAtDensity(s.density);
            const double dryBefore = before * CheckedDiv(base.dryDensity, base.density);
            const double dryAfter = after * CheckedDiv(s.dryDensity, s.density);
            // A gas without a dry part named has no dry-gas effect to show.
            Set(S::HumidityDryGas, dryBefore != 0.0 ? Scaled((dryAfter - dryBefore) / dryBefore * 100.0) : 0.0);
            Set(S::Humidity, Scaled((after - before) / q_ * 100.0));
        }
        if (in_.medium == kMediumNaturalGas) CompositionSources();
    }

    void CompositionSources() {
        const double u[] = {u_.MethaneUncertaintyPercent, u_.NitrogenUncertaintyPercent,
                            u_.CarbonDioxideUncertaintyPercent, u_.EthaneUncertaintyPercent,
                            u_.PropaneUncertaintyPercent};
        const S sources[] = {S::Methane, S::Nitrogen, S::CarbonDioxide, S::Ethane, S::Propane};
        for (int i = 0; i < 5; ++i) {
            GasCompositionArray changed = GasComposition;
            changed[i + 1] *= 1.0 + 0.01 * u[i];
            Set(sources[i], StateChange(StateAt(in_.pressure, in_.temperature, relative_, changed)));
        }
    }

    const UncertaintyRunInput& in_;
    const std::string standard_;
    const FlowDevice device_;
    const bool volume_, gas_, maxBase_;
    const double qMin_, qMax_, f_;
    const UncertaintyInputSet u_;
    double absolute_ = 0.0, specific_ = 0.0, dew_ = 0.0, relative_ = 0.0;
    std::string volumeUnitKind_;
    std::optional<MediumStateValues> base_;
    int k_ = 0;
    double q_ = 0.0, dp_ = 0.0, re_ = 0.0, reading_ = 0.0;
};

const S kComputedSources[] = {S::Standard,           S::CalculationError, S::Span,      S::Actual,       S::AdSpan,
                              S::AdActual,           S::ThroatDiameter,   S::InletEdge, S::TubeDiameter, S::Roughness,
                              S::DensityUncertainty, S::DensityError,     S::Viscosity, S::Kappa,        S::Pressure,
                              S::Temperature,        S::HumidityDryGas,   S::Humidity,  S::Methane,      S::Nitrogen,
                              S::CarbonDioxide,      S::Ethane,           S::Propane};
const S kRandomSources[] = {S::Standard,       S::Span,      S::Actual,       S::AdSpan,      S::AdActual,
                            S::ThroatDiameter, S::InletEdge, S::TubeDiameter, S::Roughness,   S::DensityUncertainty,
                            S::Viscosity,      S::Kappa,     S::Pressure,     S::Temperature, S::OtherUncertainties};
const S kCompositionSources[] = {S::Methane, S::Nitrogen, S::CarbonDioxide, S::Ethane, S::Propane};

// Point 0 of every computed source stands for the whole range.
void SpreadFirstPoint() {
    for (S s : kComputedSources) {
        UncertaintyArray& a = SourceArray(s);
        for (int k = 1; k < kUncertaintyPoints; ++k) a[k] = a[0];
    }
}

double At(S s, int k) { return SourceArray(s)[k]; }

bool ValidPoint(int k) { return k >= 0 && k <= kUncertaintyPoints; }

// The root-sum-square part, with the humidity term `humidity` for a humid gas.
double RandomSquares(int k, S humidity) {
    double r = 0.0;
    for (S s : kRandomSources) r += Sq(At(s, k));
    if (MediumCode == kMediumNaturalGas) {
        for (S s : kCompositionSources) r += Sq(At(s, k));
    } else if (HumidGasFlag) {
        r += Sq(At(humidity, k));
    }
    return r;
}

double Bias(int k) { return std::fabs(At(S::CalculationError, k) + At(S::DensityError, k) + At(S::OtherErrors, k)); }

}  // namespace

UncertaintyRunInput UncertaintyRunInputFromState() {
    UncertaintyRunInput in;
    in.standard = StandardLetter;
    in.medium = MediumCode, in.solveFor = SolveFor, in.device = DeviceCode, in.variant = DeviceVariantCode;
    in.maxMassFlow = MaxMassFlow;
    in.dpMax = MaxDpPa;
    in.bore = BoreDiameter, in.pipeDiameter = PipeDiameter, in.segmentHeight = SegmentHeightM;
    in.givenDensity = GivenDensity, in.density = FlowDensity, in.dryDensity = DryGasDensity;
    in.givenViscosity = GivenViscosityPas, in.viscosity = DynamicViscosityPas;
    in.givenCp = GivenCp, in.givenCv = GivenCv, in.givenKappa = GivenKappa, in.kappa = KappaOperating;
    in.roughnessFactor = RoughnessFactor;
    in.givenCriticalTemperature = GivenCriticalTemperatureK;
    in.pressure = OperatingPressure, in.temperature = OperatingTemperature;
    in.relativeHumidity = RelativeHumidity;
    return in;
}

void ClearSourceArrays() {
    for (S s : kComputedSources) {
        UncertaintyArray& a = SourceArray(s);
        for (int k = 0; k < kUncertaintyPoints; ++k) a[k] = 0.0;
    }
}

double CombinedUncertaintyAtPointAlt(int k) {
    if (!ValidPoint(k)) return 0.0;
    return std::sqrt(RandomSquares(k, S::Humidity)) + Bias(k);
}

double CombinedUncertaintyAtPoint(int k) {
    if (!ValidPoint(k)) return 0.0;
    return std::sqrt(RandomSquares(k, S::HumidityDryGas)) + Bias(k);
}

double CombinedUncertaintyAtPointFull(int k) {
    if (!ValidPoint(k)) return 0.0;
    const UncertaintyInputSet& u = UncertaintyInputs;
    // Methane, ethane, propane, nitrogen, carbon dioxide: their fractions and uncertainties.
    const std::array<double, 5> x = NaturalGasHeatingFractions();
    const double unc[5] = {u.MethaneUncertaintyPercent, u.EthaneUncertaintyPercent, u.PropaneUncertaintyPercent,
                           u.NitrogenUncertaintyPercent, u.CarbonDioxideUncertaintyPercent};
    const S sources[5] = {S::Methane, S::Ethane, S::Propane, S::Nitrogen, S::CarbonDioxide};
    auto heating = [](const double* f) {
        return kMethaneHeatingValue * f[0] + kEthaneHeatingValue * f[1] + kPropaneHeatingValue * f[2];
    };
    const double h = heating(x.data());
    const double sum = x[0] + x[1] + x[2] + x[3] + x[4];
    double r = RandomSquares(k, S::Humidity);
    for (int i = 0; i < 5; ++i) {
        double changed[5] = {x[0], x[1], x[2], x[3], x[4]};
        changed[i] *= 1.0 + 0.01 * unc[i];
        const double changedSum = changed[0] + changed[1] + changed[2] + changed[3] + changed[4];
        if (h == 0.0 || changedSum == 0.0) continue;  // no heating value: no energy-flow term
        const double hChanged = heating(changed) * sum / changedSum;
        r += Sq((hChanged - h) / h * 100.0 + At(sources[i], k));
    }
    return std::sqrt(r) + Bias(k);
}

UncertaintyRunResult RunUncertaintyCalculation(const UncertaintyRunInput& in, double& lowestMassFlow) {
    UncertaintyRunResult result;
    const bool volume = in.device == kDeviceVolumeMeter;
    if (!((volume || in.bore > 0.0) && in.pipeDiameter > 0.0 && in.maxMassFlow > 0.0)) {
        UncertaintyRunOk = false;
        return result;
    }
    ClearSourceArrays();
    result.ok = true;
    if (DpCellSplitPercent < 0.001) DpTransmitterCount.assign(1, '1');
    if (in.solveFor == kSolveFlow && lowestMassFlow == in.maxMassFlow && volume) lowestMassFlow = 0.1 * in.maxMassFlow;
    try {
        BudgetRun run(in, lowestMassFlow);
        const int points = run.PointCount();
        const double weight =
            UncertaintyPercentBase == kPercentOfMaxFlow ? CheckedDiv(in.maxMassFlow, MaxMassFlow) : 1.0;
        // A source that overflows makes its totals no numbers: the run fails rather than
        // publish them. A total of any finite size is printed: a transmitter error of a span
        // many times the dp at the lowest flow gives a budget above the whole flow, which the
        // engineer must see.
        constexpr const char* kNoTotal = "uncertainty total is no number";
        for (int k = 0; k < points; ++k) {
            run.Point(k);
            result.totalSum += CheckFinite(CombinedUncertaintyAtPointAlt(k) * weight, kNoTotal);
            result.dryGasTotalSum += CheckFinite(CombinedUncertaintyAtPoint(k) * weight, kNoTotal);
            if (in.medium == kMediumNaturalGas) CheckFinite(CombinedUncertaintyAtPointFull(k), kNoTotal);
        }
        CheckFinite(result.totalSum + result.dryGasTotalSum, kNoTotal);
        for (S s : {S::Temperature, S::Pressure}) SourceArray(s)[0] = SourceArray(s)[1];
        if (points == 1) SpreadFirstPoint();
        result.totalAtFirstPoint = CheckFinite(CombinedUncertaintyAtPointAlt(0), kNoTotal);
        result.dryGasTotalAtFirstPoint = CheckFinite(CombinedUncertaintyAtPoint(0), kNoTotal);
    } catch (const CalcError&) {
        result.ok = false;
    }
    UncertaintyRunOk = result.ok;
    return result;
}

bool ComputeSourceMeans(const UncertaintyRunInput& input, double lowestMassFlow) {
    SourceMeanValues = {};
    const double qMin = lowestMassFlow, qMax = input.maxMassFlow;
    const bool maxBase = UncertaintyPercentBase == kPercentOfMaxFlow;
    for (int i = 0; i < 10; ++i) {
        UncertaintyRunInput part = input;
        double low = qMin + 0.1 * i * (qMax - qMin);
        part.maxMassFlow = qMin + 0.1 * (i + 1) * (qMax - qMin);
        if (!RunUncertaintyCalculation(part, low).ok) return false;
        const double w = maxBase && MaxMassFlow > 0.0 ? part.maxMassFlow / MaxMassFlow : 1.0;
        for (int s = 0; s < kUncertaintySourceCount; ++s) {
            const S source = static_cast<S>(s);
            if (source == S::Humidity || source == S::HumidityDryGas) continue;
            const bool typed = source == S::OtherErrors || source == S::OtherUncertainties;
            for (int k = 0; k < kUncertaintyPoints; ++k)
                SourceMeanValues.source[s] += 0.01 * std::fabs(At(source, k)) * (typed ? 1.0 : w);
        }
    }
    // The humidity effect barely changes over the range: its first point of the last tenth.
    for (S s : {S::Humidity, S::HumidityDryGas}) {
        UncertaintyArray& a = SourceArray(s);
        double sum = 0.0;
        for (int k = 0; k < kUncertaintyPoints; ++k) sum += std::fabs(a[k] = a[0]);
        SourceMeanValues.source[static_cast<int>(s)] = MediumCode == kMediumNaturalGas ? 0.0 : 0.1 * sum;
    }
    for (double mean : SourceMeanValues.source)
        if (!std::isfinite(mean)) return false;
    return true;
}

}  // namespace tubalyx
