#include "reports/reynolds_report.h"

#include <cmath>
#include <numbers>

#include "flow/permanent_loss.h"
#include "flow/primary_device_sequence.h"
#include "media/medium_identification.h"
#include "media/medium_state.h"
#include "media/possible_state.h"
#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "pressure_loss/line_properties.h"
#include "pressure_loss/valve_sizing.h"
#include "reports/report_window.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "state/valve_state.h"
#include "texts/language_text.h"
#include "texts/report_label_strings.h"
#include "texts/report_texts.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

constexpr double kPi = std::numbers::pi;

// The lines that know "S", "E" and "D" only: another letter gives no text.
const char* Pick(const LangText& text) { return TextOf(text, LanguageLetter); }

void WriteIf(const char* text) {
    if (text != nullptr) AppendReportLine(text);
}

void SpeedLine(const char* label, double speed) {
    if (label == nullptr) return;
    AppendReportLine(label + ReportSeparator +
                     FormatFixed(CheckFinite(speed, "flow speed is no number"), kReportDigits));
}

double Area(double diameter) { return kPi * diameter * diameter / 4; }
double Speed(double massFlow, double density, double diameter) {
    return CheckedDiv(CheckedDiv(massFlow, density), Area(diameter));
}

// The current medium at (p Pa, t degC); the humidity entries stay.
LineMediumProperties MediumAtPoint(double p, double t) { return LineMediumAt(MediumCode, p, t); }

// A gas that would pass a contraction at its speed of sound there chokes in it. It cools as it
// speeds up, so its sound in the pipe bounds it too, where a state beyond the tables says more.
bool GasChokes(double speed, double p, const LineMediumProperties& m) {
    if (!IsGasMedium(MediumCode) || !(m.kappa > 0)) return false;
    return !BelowSpeedOfSound(speed, m.kappa, p, m.density) || !PipeFlowBelowSound(speed);
}

bool IsValve() { return CalcFunction == kFunctionValve && ValveSubtype == kSubtypeValve; }

const char* ValveInletLabel() { return Pick(report_text::ValveInletSpeedLabel); }
const char* ThroatLabel() { return Pick(report_text::ThroatSpeedLabel); }
const char* VenaLabel() { return Pick(report_text::VenaContractaSpeedLabel); }
const char* CriticalWord() { return Pick(report_text::CriticalFlowWord); }

void WritePipeSpeed(double massFlow, double density, double pipeDiameter) {
    if (!(density > 0)) return;
    std::string label;
    if (CalcFunction == kFunctionPressureLoss) {
        label = ByLanguage(report_text::PipeOutletSpeedLabel);
    } else {
        label = TubeFlowSpeedLabel;
    }
    AppendReportLine(
        label + ReportSeparator +
        FormatFixed(CheckFinite(Speed(massFlow, density, pipeDiameter), "flow speed is no number"), kReportDigits));
}

// The speed in a valve's inlet, a cone's annulus or a bore, at the density there.
double ThroatSpeed(double massFlow, double density, double pipeDiameter) {
    if (IsValve()) return Speed(massFlow, density, 0.001 * ValveDiameterColdMm);
    if (IsConeMeter(DeviceCode))
        return CheckedDiv(CheckedDiv(massFlow, density),
                          kPi * (pipeDiameter * pipeDiameter - BoreDiameter * BoreDiameter) / 4);
    return Speed(massFlow, density, BoreDiameter);
}

// A gas condensing or a liquid boiling behind the contraction: twice the density of the pipe's
// state, or half of it.
bool PhaseChanged(bool gas, double contracted, double density) {
    return gas ? contracted > 2 * density : contracted < 0.5 * density;
}

// The warning of a stream whose phase has changed behind the contraction, in red.
void WritePhaseChangeWarning(bool gas) {
    SetReportColor(clRed);
    WriteIf(Pick(gas ? report_text::CondensationWarning : report_text::CavitationWarning));
    WriteIf(Pick(gas ? report_text::FlowmeterShowsLessWarning : report_text::FlowmeterShowsMoreWarning));
}

// `warned`: the throat's state has been reported as condensed or boiling already.
void WriteVenaContracta(double massFlow, double pipeDiameter, double density, double p2, bool warned) {
    if (IsConeMeter(DeviceCode) && CalcFunction == kFunctionPrimaryDevice) return;
    try {
        const double dv = IsValve()
                              ? 0.001 * ValveDiameterColdMm * CheckedSqrt(RestrictionFL)
                              : BoreDiameter * CheckedPow(CheckedDiv(std::fabs(OperatingPressure - p2), MaxDpPa), 0.25);
        double pv = 0, tv = 0;
        LinePropertiesInlet(MediumCode, pv, tv, massFlow, pipeDiameter, dv, OperatingPressure, OperatingTemperature);
        const LineMediumProperties vena = MediumAtPoint(pv, tv);
        const double contracted = vena.density;
        // A gas condensed there is no longer the gas whose speed the line gives.
        if (IsGasMedium(MediumCode) && PhaseChanged(true, contracted, density)) {
            if (!warned) WritePhaseChangeWarning(true);
        } else if (contracted > 0) {
            const double speed = Speed(massFlow, contracted, dv);
            if (GasChokes(speed, pv, vena))
                WriteIf(Pick(report_text::VenaContractaSoundLimitNote));
            else
                SpeedLine(VenaLabel(), speed);
        }
    } catch (const CalcError&) {
        // The flow cannot pass the vena contracta below the speed of sound.
        WriteIf(Pick(report_text::VenaContractaSoundLimitNote));
    }
}

void WriteCriticalFlow(double massFlow, double pipeDiameter, double p2) {
    if (!(CalcFunction == kFunctionPrimaryDevice || IsValve())) return;
    try {
        double lossBar = 0, fl = 0;
        if (CalcFunction == kFunctionPrimaryDevice) {
            DevicePressureLossPa = PermanentPressureLoss(DeviceCode, std::string(1, StandardLetter), pipeDiameter,
                                                         DynamicViscosityPas, massFlow, MaxDpPa, DiameterRatioBeta,
                                                         DischargeCoefficientC, VelocityOfApproachFactor);
            lossBar = 0.00001 * DevicePressureLossPa;
            fl = CheckedSqrt(CheckedDiv(DevicePressureLossPa, MaxDpPa));
            try {
                const double ratio = CheckedDiv(MaxDpPa, std::fabs(OperatingPressure - p2));
                if (ratio < 1) fl *= CheckedSqrt(ratio);
            } catch (const CalcError&) {
                // Without a throat state the recovery factor stays unrefined.
            }
        } else {
            fl = RestrictionFL;
            lossBar = 0.00001 * MaxDpPa;
        }
        const double qmax = 3.6 * massFlow;
        const double qcrit = CriticalFlowAtOperatingState(qmax, lossBar, fl, CalcFunction == kFunctionPrimaryDevice);
        const char* opening = nullptr;
        if (qcrit > 1000 * qmax)
            opening = Pick(report_text::CriticalFlowAbove);
        else if (qcrit > 0.001 * qmax)
            opening = Pick(report_text::CriticalFlowAt);
        if (opening == nullptr) return;
        const double percent = CheckFinite(CheckedDiv(qcrit, qmax) * 100);
        AppendReportLine(opening + ReportSeparator + FormatFixed(percent, 3) + ReportSeparator +
                         Pick(report_text::CriticalFlowPercentSuffix));
    } catch (const CalcError&) {
        // No critical flow can be stated; the line is left out.
    }
}

}  // namespace

void WriteReynoldsAtMaxFlow(double re) {
    const char* label = ByLanguage(report_text::ReynoldsAtMaxFlowLabel);
    AppendReportLine(label + ReportSeparator + FormatFitWidth(CheckFinite(re, "Reynolds number is no number"), 6));
}

void WriteFlowSpeedLines(double massFlow, double density, double pipeDiameter) {
    WritePipeSpeed(massFlow, density, pipeDiameter);
    if (!IsBigReport(ReportWriterWindow().litenstor.Caption())) return;
    if (CalcFunction != kFunctionPrimaryDevice && CalcFunction != kFunctionValve) return;
    const SaturatedVapourAtItsPressure throatStates;

    const bool volume = DeviceCode == kDeviceVolumeMeter;
    double dc = BoreDiameter;
    if (IsValve())
        dc = 0.001 * ValveDiameterColdMm;
    else if (IsConeMeter(DeviceCode))
        dc = CheckedSqrt(pipeDiameter * pipeDiameter - BoreDiameter * BoreDiameter);

    double p2 = 0, t2 = 0;
    if (!volume) {
        try {
            LinePropertiesInlet(MediumCode, p2, t2, massFlow, pipeDiameter, dc, OperatingPressure,
                                OperatingTemperature);
        } catch (const CalcError&) {
            // The flow cannot pass the throat: there is no throat state to report.
            p2 = t2 = 0;
        }
    }
    const bool throatState = p2 > 0 && t2 > -273;
    LineMediumProperties throat;
    if (throatState) throat = MediumAtPoint(p2, t2);
    const double rho2 = throat.density;

    if (volume) {
        // The volume meter has no contraction; the valve page says its flow is critical.
        if (CalcFunction == kFunctionValve) {
            const char* label = ValveSubtype == kSubtypeValve ? ValveInletLabel() : ThroatLabel();
            if (label != nullptr) AppendReportLine(std::string(label) + CriticalWord());
            if (VenaLabel() != nullptr) AppendReportLine(std::string(VenaLabel()) + CriticalWord());
        }
        return;
    }

    if (throatState) {
        const bool changed = PhaseChanged(IsGasMedium(MediumCode), rho2, density);
        if (changed) {
            WritePhaseChangeWarning(IsGasMedium(MediumCode));
        } else if (rho2 > 0) {
            const double speed = ThroatSpeed(massFlow, rho2, pipeDiameter);
            if (GasChokes(speed, p2, throat)) {
                // Choked in the throat, the stream reaches no vena contracta beyond it.
                WriteIf(Pick(report_text::VenaContractaSoundLimitNote));
                WriteCriticalFlow(massFlow, pipeDiameter, p2);
                return;
            }
            SpeedLine(IsValve() ? ValveInletLabel() : ThroatLabel(), speed);
        }
        WriteVenaContracta(massFlow, pipeDiameter, density, p2, changed);
    }
    WriteCriticalFlow(massFlow, pipeDiameter, p2);
}

}  // namespace tubalyx
