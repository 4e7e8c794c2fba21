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
#include "state/keywords.h"
#include "state/limits.h"
#include "state/medium.h"
#include "state/selections.h"

namespace tubalyx {

namespace {

bool IsVolumeMeter() { return DeviceCode == kDeviceVolumeMeter; }
bool IsCommercialMeter() { return IsConeMeter(DeviceCode) || IsVolumeMeter(); }

// E, D, and Swedish for any other letter.
const char* ByLanguage(const char* english, const char* german, const char* swedish) {
    if (LanguageLetter == kLanguageEnglish) return english;
    if (LanguageLetter == kLanguageGerman) return german;
    return swedish;
}

std::string Number(double value) {
    return FormatFixed(CheckFinite(value, "limit report value is no number"), kReportDigits);
}

// The heading line of the section, for the current device and language.
void WriteOutsideLimitsWarning() {
    AppendReportLine(IsCommercialMeter() ? ByLanguage("NOTE! CALCULATIONRESULT OUTSIDE ACKNOWLEDGED LIMITS",
                                                      "ACHTUNG! BERECHNUNGSERGEBNIS AUSSERHALB GRENZEN",
                                                      "OBS! BERÄKNINGSRESULTATET UTANFÖR TILLÅTNA GRÄNSER")
                                         : ByLanguage("NOTE! CALCULATIONRESULT OUTSIDE STANDARDLIMITS",
                                                      "ACHTUNG! BERECHNUNGSERGEBNIS AUSSERHALB NORMGRENZEN",
                                                      "OBS! BERÄKNINGSRESULTATET UTANFÖR NORMGRÄNSERNA"));
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
        s.Value(ByLanguage("REYNOLDS NUMBER AT MAXFLOW    = ", "Reynoldszahl bei Durchflussendwert= ",
                           "REYNOLDS TAL VID MAXFLÖDE     = "),
                ReynoldsNumber(PipeDiameter, DynamicViscosityPas, MaxMassFlow));
        s.Value(ByLanguage("MAXLIMIT     = ", "Maxgrenze    = ", "MAXGRÄNS     = "),
                cone ? CalibratedReynoldsMax : ReynoldsUpperBound);
    }
    if (text.find('<') != std::string::npos) {
        // The volume meter is checked at its one flow, the maximum.
        if (IsVolumeMeter())
            s.Value(ByLanguage("REYNOLDS NUMBER AT MAXFLOW    = ", "Reynoldszahl bei Durchflussendwert= ",
                               "REYNOLDS TAL VID MAXFLÖDE     = "),
                    ReynoldsNumber(PipeDiameter, DynamicViscosityPas, MaxMassFlow));
        else
            s.Value(ByLanguage("REYNOLDS NUMBER AT MINFLOW    = ", "Reynoldszahl bei kleinste Durchflussendwert= ",
                               "REYNOLDS TAL VID MINFLÖDE     = "),
                    ReynoldsNumber(PipeDiameter, DynamicViscosityPas, MinMassFlow));
        if (cone)
            s.Value(ByLanguage("MINLIMIT     = ", "Mingrenze    = ", "MINGRÄNS     = "), CalibratedReynoldsMin);
        else
            s.Value(ByLanguage("MINLIMIT     = ", "Mingrenze    = ", "MinGRÄNS     = "), ReynoldsLowerBound);
    }
}

void WriteStraightLengthBlocks(Section& s) {
    const char* title = nullptr;
    const char* first = nullptr;
    const char* second = nullptr;
    const char* tooShort = nullptr;
    // These lines know the three letters only.
    if (LanguageLetter == kLanguageGerman) {
        title = "Erforderlich gerade Rohrstrecken 0.5% Zusatz-Unsicherheit";
        first = "Einlauf (m)";
        second = " Auslauf (m)";
        tooShort = "Gerade Rohrstrecke zu kurz, Normgrenze (m)= ";
    } else if (LanguageLetter == kLanguageSwedish) {
        title = "Nödvändig rak rörsträcka för 0.5% felbidrag";
        first = "Inlopp (m)";
        second = " Utlopp (m)";
        tooShort = "Raksträcka för kort, minkrav (m)= ";
    } else if (LanguageLetter == kLanguageEnglish) {
        title = "Required straight length for 0.5% uncertainty";
        first = "Upstream (m)";
        second = " Downstream (m)";
        tooShort = "Straight length to short, limit (m)= ";
    }
    if (title == nullptr) return;

    if (!IsVolumeMeter() && AdditionalUncertaintyPercent > 50.0 && UpstreamFittingCode != kFittingOther) {
        const std::string up = Number(RequiredUpstreamLengthM);
        const std::string down = Number(RequiredDownstreamLengthM);
        s.Write(title);
        s.Write(first + ReportSeparator + up + second + ReportSeparator + down);
    }
    const double shortfall = StraightLengthShortfallM;
    if (SolveFor == kSolveOptimal && UpstreamFittingCode != kFittingOther && shortfall > 0.0)
        s.Value(tooShort, StraightLengthM + shortfall);
}

}  // namespace

void CheckStandardLimits(bool& headingPending) {
    Section s(headingPending);
    const auto& m = DeviceLimitMessages;
    if (TableRangeNote != kNoMessage) s.Write(TableRangeNote);

    if (!IsCommercialMeter() && m[kThroatDiameterMessage] != kNoMessage) {
        s.Write(m[kThroatDiameterMessage]);
        if (BoreDiameter < ThroatDiameterLowerBound)
            s.Value(ByLanguage("MINLIMIT (mm)= ", "Mingrenze (mm)= ", "MINGRÄNS (mm)= "),
                    ThroatDiameterLowerBound * 1000);
    }

    if (!IsVolumeMeter() && m[kDiffPressureMessage] != kNoMessage) {
        s.Write(m[kDiffPressureMessage]);
        if (MaxDpPa > StandardMaxDiffPressure)
            s.Value(ByLanguage("MAXLIMIT (kPa)= ", "Maxgrenze (kPa)= ", "MAXGRÄNS (kPa)= "),
                    0.001 * StandardMaxDiffPressure);
    }

    if (!IsVolumeMeter() && m[kDiameterRatioMessage] != kNoMessage) {
        const double beta = NormalFlowCoefficients.beta;
        s.Write(m[kDiameterRatioMessage]);
        if (beta > BetaUpperBound)
            s.Value(ByLanguage("MAXLIMIT     = ", "Maxgrenze    = ", "MAXGRÄNS     = "), BetaUpperBound);
        else if (beta < BetaLowerBound)
            s.Value(ByLanguage("MINLIMIT     = ", "Mingrenze    = ", "MINGRÄNS     = "), BetaLowerBound);
    }

    if (m[kReynoldsMessage] != kNoMessage) {
        s.Write(m[kReynoldsMessage]);
        WriteReynoldsBlock(s, m[kReynoldsMessage]);
    }

    if (!IsVolumeMeter() && m[kRoughnessMessage] != kNoMessage) {
        s.Write(m[kRoughnessMessage]);
        s.Value(ByLanguage("PIPE ROUGHNESS (mm)   = ", "Rohrrauheit (mm)      = ", "RÖRRÅHET (mm)     = "),
                PipeRoughnessMm);
        if (PipeRoughnessM > RoughnessUpperBound)
            s.Value(ByLanguage("MAXLIMIT (mm)= ", "Maxgrenze (mm)= ", "MAXGRÄNS (mm)= "), RoughnessUpperBound * 1000);
        else
            s.Value(ByLanguage("MINLIMIT (mm)= ", "Mingrenze (mm)= ", "MINGRÄNS (mm)= "), RoughnessLowerBound * 1000);
    }

    if (!IsVolumeMeter() && m[kPipeDiameterMessage] != kNoMessage) {
        s.Write(m[kPipeDiameterMessage]);
        // The pipe limits are printed in whole millimetres.
        if (PipeDiameter > PipeDiameterUpperBound)
            s.Value(ByLanguage("MAXLIMIT (mm)= ", "Maxgrenze (mm)= ", "MAXGRÄNS (mm)= "),
                    std::round(PipeDiameterUpperBound * 1000));
        else if (PipeDiameter < PipeDiameterLowerBound)
            s.Value(ByLanguage("MINLIMIT (mm)= ", "Mingrenze (mm)= ", "MINGRÄNS (mm)= "),
                    std::round(PipeDiameterLowerBound * 1000));
    }

    WriteStraightLengthBlocks(s);
}

}  // namespace tubalyx
