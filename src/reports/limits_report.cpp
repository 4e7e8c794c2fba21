#include "reports/limits_report.h"

#include <cmath>

#include "flow/device_limit_checks.h"
#include "flow/optimal_design.h"
#include "flow/primary_device_sequence.h"
#include "flow/reynolds.h"
#include "flow/standard_limits.h"
#include "media/medium_state.h"
#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "reports/report_window.h"
#include "state/corrections.h"
#include "state/flow_results.h"
#include "state/geometry.h"
#include "state/inputs.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "texts/report_texts.h"

namespace tubalyx {

namespace {

bool IsConeMeter() { return DeviceCode == "VCONE" || DeviceCode == "VCONEWAFER"; }
bool IsVolumeMeter() { return DeviceCode == "VOLYM"; }
bool IsCommercialMeter() { return IsConeMeter() || IsVolumeMeter(); }

std::string Number(double value) {
    return FormatFixed(CheckFinite(value, "limit report value is no number"), kReportDigits);
}

// The heading line of the section, for the current device and language.
void WriteOutsideLimitsWarning() {
    AppendReportLine(IsCommercialMeter() ? ByLanguage(report_text::OutsideAcknowledgedLimitsWarning)
                                         : ByLanguage(report_text::OutsideStandardLimitsWarning));
}

class Section {
public:
    explicit Section(bool& headingPending) : pending_(headingPending) { pending_ = true; }

    void Write(const std::string& text) {
        if (pending_) {
            WriteOutsideLimitsWarning();
            pending_ = false;
        }
        AppendReportLine(text);
    }
    void Value(const char* label, double value) { Write(label + ReportSeparator + Number(value)); }

private:
    bool& pending_;
};

void WriteReynoldsBlock(Section& s, const std::string& text) {
    const bool cone = IsCommercialMeter();
    if (text.find('>') != std::string::npos) {
        s.Value(ByLanguage(report_text::ReynoldsAtMaxFlowLimitLabel),
                ReynoldsNumber(PipeDiameter, DynamicViscosityPas, MaxMassFlow));
        s.Value(ByLanguage(report_text::MaxLimitLabel), cone ? CalibratedReynoldsMax : ReynoldsUpperBound);
    }
    if (text.find('<') != std::string::npos) {
        // The volume meter is checked at its one flow, the maximum.
        if (IsVolumeMeter())
            s.Value(ByLanguage(report_text::ReynoldsAtMaxFlowLimitLabel),
                    ReynoldsNumber(PipeDiameter, DynamicViscosityPas, MaxMassFlow));
        else
            s.Value(ByLanguage(report_text::ReynoldsAtMinFlowLimitLabel),
                    ReynoldsNumber(PipeDiameter, DynamicViscosityPas, MinMassFlow));
        if (cone)
            s.Value(ByLanguage(report_text::MinLimitLabel), CalibratedReynoldsMin);
        else
            s.Value(ByLanguage(report_text::MinLimitReynoldsLabel), ReynoldsLowerBound);
    }
}

void WriteStraightLengthBlocks(Section& s) {
    // These lines know the three letters only.
    const char* title = TextOf(report_text::RequiredStraightLengthHeading, LanguageLetter);
    if (title == nullptr) return;
    const char* first = TextOf(report_text::RequiredUpstreamLengthLabel, LanguageLetter);
    const char* second = TextOf(report_text::RequiredDownstreamLengthLabel, LanguageLetter);
    const char* tooShort = TextOf(report_text::StraightLengthTooShortLabel, LanguageLetter);

    if (!IsVolumeMeter() && AdditionalUncertaintyPercent > 50.0 && UpstreamFittingCode != "0") {
        const std::string up = Number(RequiredUpstreamLengthM);
        const std::string down = Number(RequiredDownstreamLengthM);
        s.Write(title);
        s.Write(first + ReportSeparator + up + second + ReportSeparator + down);
    }
    const double shortfall = StraightLengthShortfallM;
    if (SolveFor == "OK" && UpstreamFittingCode != "0" && shortfall > 0.0)
        s.Value(tooShort, StraightLengthM + shortfall);
}

}  // namespace

void CheckStandardLimits(bool& headingPending) {
    Section s(headingPending);
    const auto& m = DeviceLimitMessages;
    if (TableRangeNote != " ") s.Write(TableRangeNote);

    if (!IsCommercialMeter() && m[kThroatDiameterMessage] != " ") {
        s.Write(m[kThroatDiameterMessage]);
        if (BoreDiameter < ThroatDiameterLowerBound)
            s.Value(ByLanguage(report_text::MinLimitMmLabel), ThroatDiameterLowerBound * 1000);
    }

    if (!IsVolumeMeter() && m[kDiffPressureMessage] != " ") {
        s.Write(m[kDiffPressureMessage]);
        if (MaxDpPa > StandardMaxDiffPressure)
            s.Value(ByLanguage(report_text::MaxLimitKpaLabel), 0.001 * StandardMaxDiffPressure);
    }

    if (!IsVolumeMeter() && m[kDiameterRatioMessage] != " ") {
        const double beta = NormalFlowCoefficients.beta;
        s.Write(m[kDiameterRatioMessage]);
        if (beta > BetaUpperBound)
            s.Value(ByLanguage(report_text::MaxLimitLabel), BetaUpperBound);
        else if (beta < BetaLowerBound)
            s.Value(ByLanguage(report_text::MinLimitLabel), BetaLowerBound);
    }

    if (m[kReynoldsMessage] != " ") {
        s.Write(m[kReynoldsMessage]);
        WriteReynoldsBlock(s, m[kReynoldsMessage]);
    }

    if (!IsVolumeMeter() && m[kRoughnessMessage] != " ") {
        s.Write(m[kRoughnessMessage]);
        s.Value(ByLanguage(report_text::PipeRoughnessLimitLabel), PipeRoughnessMm);
        if (PipeRoughnessM > RoughnessUpperBound)
            s.Value(ByLanguage(report_text::MaxLimitMmLabel), RoughnessUpperBound * 1000);
        else
            s.Value(ByLanguage(report_text::MinLimitMmLabel), RoughnessLowerBound * 1000);
    }

    if (!IsVolumeMeter() && m[kPipeDiameterMessage] != " ") {
        s.Write(m[kPipeDiameterMessage]);
        // The pipe limits are printed in whole millimetres.
        if (PipeDiameter > PipeDiameterUpperBound)
            s.Value(ByLanguage(report_text::MaxLimitMmLabel), std::round(PipeDiameterUpperBound * 1000));
        else if (PipeDiameter < PipeDiameterLowerBound)
            s.Value(ByLanguage(report_text::MinLimitMmLabel), std::round(PipeDiameterLowerBound * 1000));
    }

    WriteStraightLengthBlocks(s);
}

}  // namespace tubalyx
