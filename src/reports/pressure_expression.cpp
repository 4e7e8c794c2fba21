#include "reports/pressure_expression.h"

#include <cmath>

#include "numerics/checked.h"
#include "numerics/report_format.h"
#include "numerics/text_utils.h"
#include "numerics/unit_parser.h"
#include "state/inputs.h"
#include "state/keywords.h"
#include "ui/report_writer_window.h"

namespace tubalyx {

namespace {

// Gauge units as the unit menus and users write them; only a to z fold, so "bar(Ü)" is none.
bool IsGaugeBar(const std::string& upper) {
    return upper == kUnitBarGaugeUpper || upper == kUnitBarGaugeMixed || upper == kUnitBarGaugeG ||
           upper == kUnitBarGaugeGerman;
}
bool IsGaugeTechnicalAtmosphere(const std::string& upper) {
    return upper == kUnitAtGaugeUpper || upper == kUnitAtGaugeMixed || upper == kUnitAtGaugeGerman;
}

// kPa of one unit, from the unit parser (0 for a unit it does not know).
double KpaOfOneUnit(const std::string& unit) {
    std::string text = unit;
    std::string kind;
    double pa = 0.0;
    try {
        ParseUnitValue(text, 1.0, 1.0, 1.0, pa, kind);
    } catch (const CalcError&) {
        pa = 0.0;
    }
    return 0.001 * pa;
}

std::string WithPoints(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
}

}  // namespace

std::string PressureExpressionFor(const std::string& unit, double pressureMinInput, double pressureMinPa) {
    const std::string upper = AsciiUpper(unit);
    if (IsGaugeBar(upper)) return "(P+1.01325)/0.01";
    if (IsGaugeTechnicalAtmosphere(upper)) return "(P+1.03323)/1.01972E-2";
    double factor = pressureMinInput != 0.0 ? 0.001 * pressureMinPa / pressureMinInput : 0.0;
    if (pressureMinInput == 0.0 || !std::isfinite(factor)) factor = KpaOfOneUnit(unit);
    return "P*" + WithPoints(FormatFixed(factor, 6));
}

std::string PressureExpression() {
    return PressureExpressionFor(ReportWriterWindow().abstrycksort.Text(), PressureMinInput, PressureMinPa);
}

}  // namespace tubalyx
