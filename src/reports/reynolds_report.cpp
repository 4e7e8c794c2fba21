#include "reports/reynolds_report.h"

#include <cmath>
#include <numbers>

#include "flow/permanent_loss.h"
#include "flow/primary_device_sequence.h"
#include "media/medium_identification.h"
#include "media/medium_state.h"
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

// The density (kg/m3) of the current medium at (p Pa, t degC); the humidity entries stay.
double MediumDensityAt(double p, double t) { return LineMediumAt(MediumCode, p, t).density; }

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

void WriteVenaContracta(double massFlow, double pipeDiameter, double p2) {
    if (IsConeMeter(DeviceCode) && CalcFunction == kFunctionPrimaryDevice) return;
    try {
        const double dv = IsValve()
                              ? 0.001 * ValveDiameterColdMm * CheckedSqrt(RestrictionFL)
                              : BoreDiameter * CheckedPow(CheckedDiv(std::fabs(OperatingPressure - p2), MaxDpPa), 0.25);
        double pv = 0, tv = 0;
        LinePropertiesInlet(MediumCode, pv, tv, massFlow, pipeDiameter, dv, OperatingPressure, OperatingTemperature);
        const double density = MediumDensityAt(pv, tv);
        if (density > 0) SpeedLine(VenaLabel(), Speed(massFlow, density, dv));
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

    const bool volume = DeviceCode == kDeviceVolumeMeter;
    double dc = BoreDiameter;
    if (IsValve())
        dc = 0.001 * ValveDiameterColdMm;
    else if (IsConeMeter(DeviceCode))
        dc = CheckedSqrt(pipeDiameter * pipeDiameter - BoreDiameter * BoreDiameter);

    double p2 = 0, t2 = 0, rho2 = 0;
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
    if (throatState) rho2 = MediumDensityAt(p2, t2);

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
        const bool gas = IsGasMedium(MediumCode);
        if (gas && rho2 > 2 * density) {
            SetReportColor(clRed);
            WriteIf(Pick(report_text::CondensationWarning));
            WriteIf(Pick(report_text::FlowmeterShowsLessWarning));
        } else if (!gas && rho2 < 0.5 * density) {
            SetReportColor(clRed);
            WriteIf(Pick(report_text::CavitationWarning));
            WriteIf(Pick(report_text::FlowmeterShowsMoreWarning));
        } else if (rho2 > 0) {
            if (IsValve())
                SpeedLine(ValveInletLabel(), Speed(massFlow, rho2, 0.001 * ValveDiameterColdMm));
            else if (IsConeMeter(DeviceCode))
                SpeedLine(ThroatLabel(),
                          CheckedDiv(CheckedDiv(massFlow, rho2),
                                     kPi * (pipeDiameter * pipeDiameter - BoreDiameter * BoreDiameter) / 4));
            else
                SpeedLine(ThroatLabel(), Speed(massFlow, rho2, BoreDiameter));
        }
        WriteVenaContracta(massFlow, pipeDiameter, p2);
    }
    WriteCriticalFlow(massFlow, pipeDiameter, p2);
}

}  // namespace tubalyx
