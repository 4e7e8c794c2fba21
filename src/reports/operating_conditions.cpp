#include "reports/operating_conditions.h"

#include <algorithm>

#include "media/gas_mixture.h"
#include "media/medium_identification.h"
#include "media/medium_state.h"
#include "numerics/decimal_separator.h"
#include "numerics/number_text.h"
#include "numerics/report_format.h"
#include "state/keywords.h"
#include "state/medium.h"
#include "state/selections.h"
#include "texts/language_text.h"
#include "texts/prompt_setters.h"
#include "texts/report_texts.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

int MediumDensityClass() {
    const std::string& m = MediumCode;
    const char p = PhaseLetter;
    if (m == kMediumWetSteam) return 1;
    if (m == kMediumHydrogen) {
        if (p == kPhaseLiquidAtTemperature) return 2;
        if (p == kPhaseLiquidAtPressure) return 1;
    }
    if (m == kMediumArgon || m == kMediumNitrogen || m == kMediumOxygen || m == kMediumCarbonDioxide ||
        m == kMediumCarbonMonoxide) {
        if (p == kPhaseVapourAtTemperature || p == kPhaseLiquidAtTemperature) return 2;
        if (p == kPhaseVapourAtPressure || p == kPhaseLiquidAtPressure) return 1;
    }
    return 0;
}

std::string ShortenConditionNumber(const std::string& text) {
    const std::size_t sep = text.find_first_of(",.");
    if (sep == std::string::npos) return text;
    return text.substr(0, std::max<std::size_t>(6, sep));
}

namespace {

// The number of an edit, or of the mean of two edits; "0" when a text is no number.
std::string EditNumberText(const std::string& first, const std::string* second) {
    double a = 0, b = 0;
    if (!TryParseNumber(first, DecimalSeparator(), a)) return "0";
    if (second) {
        if (!TryParseNumber(*second, DecimalSeparator(), b)) return "0";
        a = 0.5 * b + 0.5 * a;
    }
    return FormatGeneral(a);
}

}  // namespace

void FormatOperatingConditions(double& pressure, double& temperature, std::string& text) {
    const ReportWriterControls& f = ReportWriterWindow();
    const int densityClass = MediumDensityClass();
    const bool branch = UsesGasThroatBranch();

    std::string t, p;
    if (densityClass == 1) {
        t = FormatGeneral(OperatingTemperature);
        p = FormatGeneral(0.001 * OperatingPressure);
    } else if (branch) {
        t = EditNumberText(f.tempmin.Text(), &f.temp.Text());
        p = EditNumberText(f.abstryckantal.Text(), &f.abstryckmaxantal.Text());
    } else {
        t = EditNumberText(f.temp.Text(), nullptr);
        p = EditNumberText(f.abstryckantal.Text(), nullptr);
    }
    temperature = StrToFloatSafe(t);
    pressure = StrToFloatSafe(p);
    t = ShortenConditionNumber(t);
    p = ShortenConditionNumber(p);

    const std::string& s = ReportSeparator;
    std::string body;
    if (densityClass == 1)
        body = s + t + s + "C " + s + p + s + "kPa" + ")";
    else
        body = s + t + s + f.tempsort.Caption() + ", " + s + p + s + f.abstrycksort.Text() + ")";

    const char* prefix = TextOrEnglish(report_text::OperatingConditionsPrefix, LanguageLetter);
    text = prefix + body;
    if (f.Excel.Caption() == kSeparatorCaptionText) text = "(" + text;
}

void UpdateThermoCaption() {
    const char* title = TextOf(report_text::ThermoCaptionTitle, LanguageLetter);
    if (title == nullptr) return;
    std::string caption = title;
    if (MediumCode != kMediumOil) {
        double p = 0, t = 0;
        std::string conditions;
        FormatOperatingConditions(p, t, conditions);
        caption += conditions;
    }
    ReportWriterWindow().GroupBox1.SetCaption(caption);
}

void ShowHumidityContent() {
    const ReportWriterControls& f = ReportWriterWindow();
    if (!f.ViktVolprocGrid.Visible()) return;
    const double flow = FlowDensity;
    const double dry = DryGasDensity;
    if (dry + 1e-9 >= flow || flow == 0.0)
        f.fuktviktproc.SetText("0");
    else
        f.fuktviktproc.SetText(FormatFixed((flow - dry) / flow * 100, 5));
    f.fuktvolproc.SetText(HumidGasFlag ? FormatFixed(100 - SumCompositionGrid(), 5) : "0");
    SetMassPercentHeading();
}

}  // namespace tubalyx
