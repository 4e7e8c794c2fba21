// Saturation at a pressure, picked as a user picks it on the thermodynamics page: a click on the
// temperature prompt (argon, oxygen and nitrogen: the saturated gas, a second click the boiling
// liquid; carbon dioxide, hydrogen and ozone: the boiling liquid). Inside a saturation table the
// state is the table's, at the temperature where its pressure column passes the pressure: the
// rows enclosing it are quoted from the property data's saturation tables and the temperature
// and density interpolated from them here. Between a table's end and the critical point the
// state stands at the table's end under its range note, as the same gas picked at a temperature
// beyond the end does. Beyond the triple or critical point the state is refused.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numerics/number_text.h"
#include "numerics/physical_constants.h"
#include "numerics/report_format.h"
#include "state/medium.h"
#include "sweep/window_driving.h"

namespace tubalyx::sweep {
namespace {

constexpr const char* kInputError = "INPUT ERROR!!!";
constexpr const char* kOutsideTables = "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS!: ";
constexpr const char* kTemperature = "Temperature____________________________________(C)= ";
constexpr const char* kDensity = "Density____________________________________(kg/m3)= ";

std::vector<std::string> ReportOf(const std::string& steps) {
    Start();
    Steps("English Termodynamik " + steps);
    Click("Runbutton");
    return NewestReport();
}

// The number printed after `label` on the line that starts with it; NaN where no line does.
double Printed(const std::vector<std::string>& report, const std::string& label) {
    for (const std::string& line : report)
        if (line.starts_with(label)) return StrToFloatSafe(line.substr(label.size()));
    return std::nan("");
}

// A row of a saturation table: temperature (K), saturation pressure (kPa) and, as the table
// holds it, the specific volume of the picked side (dm3/kg) or the liquid's density (kg/m3).
struct Row {
    double T, kPa, value;
};
enum class Held { Volume, Density };

struct Inside {
    const char* steps;  // the medium and its pick, before the pressure
    double kPa;
    Held held;
    Row below, above;  // the property data's rows that enclose the pressure
};

constexpr const char* kGas = "temptext";
constexpr const char* kLiquid = "temptext temptext";
std::string Pick(const char* medium, const char* pick) { return std::string(medium) + " " + pick; }

// clang-format off
const Inside kInside[] = {
    {"N2 temptext", 30, Held::Volume, {68, 28.4811, 696.423}, {69, 33.2130, 604.718}},
    {"N2 temptext", 500, Held::Volume, {93, 462.099, 52.2724}, {94, 500.195, 48.4164}},
    {"N2 temptext", 2500, Held::Volume, {119, 2386.89, 8.62884}, {120, 2510.58, 7.99433}},
    {"N2 temptext temptext", 30, Held::Volume, {68, 28.4811, 1.18059}, {69, 33.2130, 1.18654}},
    {"N2 temptext temptext", 500, Held::Volume, {93, 462.099, 1.37138}, {94, 500.195, 1.38166}},
    {"N2 temptext temptext", 2500, Held::Volume, {119, 2386.89, 1.86560}, {120, 2510.58, 1.91074}},
    {"AR temptext", 200, Held::Volume, {94, 194.850, 94.9622}, {95, 213.047, 87.4500}},
    {"AR temptext", 1000, Held::Volume, {116, 965.529, 20.8975}, {117, 1023.65, 19.7195}},
    {"AR temptext", 4000, Held::Volume, {145, 3889.65, 4.09092}, {146, 4047.85, 3.80763}},
    {"AR temptext temptext", 200, Held::Volume, {94, 194.850, 0.738972}, {95, 213.047, 0.742517}},
    {"AR temptext temptext", 1000, Held::Volume, {116, 965.529, 0.836014}, {117, 1023.65, 0.841746}},
    {"AR temptext temptext", 4000, Held::Volume, {145, 3889.65, 1.17057}, {146, 4047.85, 1.20282}},
    {"O2 temptext", 10, Held::Volume, {72, 8.90977, 2088.51}, {73, 10.5434, 1788.16}},
    {"O2 temptext", 500, Held::Volume, {108, 472.170, 53.6907}, {109, 506.867, 50.2026}},
    {"O2 temptext", 3000, Held::Volume, {141, 2911.62, 8.10760}, {142, 3039.44, 7.66964}},
    {"O2 temptext temptext", 10, Held::Volume, {72, 8.90977, 0.814485}, {73, 10.5434, 0.817556}},
    {"O2 temptext temptext", 500, Held::Volume, {108, 472.170, 0.955134}, {109, 506.867, 0.960382}},
    {"O2 temptext temptext", 3000, Held::Volume, {141, 2911.62, 1.24589}, {142, 3039.44, 1.26327}},
    // Carbon dioxide boils at 1 000 kPa at -40.2 degC, at 4 000 kPa at 5.25 degC and at 5 729 kPa
    // at 19.9 degC: the search stopped past 0 degC and printed 6.851 degC for the last two.
    {"CO2 temptext", 1000, Held::Density, {230, 892.910, 1128.68}, {235, 1074.67, 1109.11}},
    {"CO2 temptext", 4000, Held::Density, {275, 3658.92, 916.157}, {280, 4160.74, 883.583}},
    {"CO2 temptext", 5729, Held::Density, {290, 5317.73, 804.666}, {295, 5982.17, 752.559}},
    {"H2 temptext", 300, Held::Density, {24, 258.073, 66.1992}, {25, 320.998, 64.7015}},
    {"H2 temptext", 600, Held::Density, {28, 573.590, 59.3393}, {29, 682.051, 57.1193}},
    {"H2 temptext", 900, Held::Density, {30, 804.323, 54.5379}, {31, 941.650, 51.3808}},
    {"O3 temptext", 400, Held::Density, {180, 297.339, 1281.54}, {190, 488.317, 1241.29}},
    {"O3 temptext", 1000, Held::Density, {200, 760.340, 1198.23}, {210, 1132.73, 1151.56}},
    {"O3 temptext", 2500, Held::Density, {230, 2267.90, 1041.60}, {240, 3085.59, 971.994}},
};
// clang-format on

// The program's tables hold these data to four significant digits: the saturation temperature
// within 0.01 K, the density within 0.1 %. The report prints the temperature to its fourth digit.
TEST(SaturationByPressure, FollowsTheSaturationTableOfEveryLiquefiedGas) {
    for (const Inside& c : kInside) {
        const std::string steps = std::string(c.steps) + " abstryckantal=" + FormatGeneral(c.kPa);
        const std::vector<std::string> report = ReportOf(steps);
        const double share = (c.kPa - c.below.kPa) / (c.above.kPa - c.below.kPa);
        const double T = c.below.T + share * (c.above.T - c.below.T);
        const double value = c.below.value + share * (c.above.value - c.below.value);
        const double density = c.held == Held::Volume ? 1000 / value : value;
        EXPECT_NEAR(OperatingTemperature + kKelvinOffset, T, 0.01) << steps;
        EXPECT_NEAR(Printed(report, kTemperature) + kKelvinOffset, T, 0.06) << steps;
        EXPECT_NEAR(Printed(report, kDensity), density, 1e-3 * density) << steps;
        EXPECT_FALSE(Holds(report, kOutsideTables)) << steps;
        EXPECT_NE(report.back(), kInputError) << steps;
    }
}

// Past the end of its table, short of the critical point, the boiling liquid is the table's last
// row less its margin of 0.001 K (the property data's last row: carbon dioxide 300 K, hydrogen
// 32 K, ozone 250 K), under the table's warning and the note of the temperature it is taken at,
// the density line of the same liquid picked at a temperature past the table's end.
struct PastTheEnd {
    const char *medium, *kPa;
    double lastRow;
    const char* pastTheEndTemperature;
};
const PastTheEnd kPastTheEnd[] = {
    {"CO2", "7000", 300, "28"},
    {"CO2", "7377", 300, "30"},
    {"H2", "1200", 32, "-240.505"},
    {"O3", "5000", 250, "-15"},
};

TEST(SaturationByPressure, StandsAtTheTablesEndUnderItsRangeNoteShortOfTheCriticalPoint) {
    for (const PastTheEnd& c : kPastTheEnd) {
        const std::string byTemperature = std::string(c.medium) + " abstrycktext temp=" + c.pastTheEndTemperature;
        std::string note;
        for (const std::string& line : ReportOf(byTemperature))
            if (line.starts_with("[Density....(calculated at ")) note = line;
        ASSERT_FALSE(note.empty()) << byTemperature;
        const std::string steps = std::string(c.medium) + " temptext abstryckantal=" + c.kPa;
        const std::vector<std::string> report = ReportOf(steps);
        EXPECT_NEAR(OperatingTemperature + kKelvinOffset, c.lastRow - 0.001, 1e-9) << steps;
        EXPECT_TRUE(Holds(report, kOutsideTables)) << steps;
        EXPECT_TRUE(Holds(report, note)) << steps << ": " << note;
        EXPECT_NE(report.back(), kInputError) << steps;
    }
}

// The ends of the saturation line by pressure: the triple pressures of argon (68 891 Pa),
// oxygen (146.28 Pa) and nitrogen (12 519.8 Pa) and the critical pressures, each just inside,
// which computes, and just beyond, which is refused under the table's warning.
struct Edge {
    std::string steps;
    const char *inside, *beyond;  // kPa
};
// clang-format off
const Edge kEdges[] = {
    {Pick("AR", kGas), "68.892", "68.890"}, {Pick("AR", kLiquid), "68.892", "68.890"},
    {Pick("O2", kGas), "0.14629", "0.14627"}, {Pick("O2", kLiquid), "0.14629", "0.14627"},
    {Pick("N2", kGas), "12.5199", "12.5197"}, {Pick("N2", kLiquid), "12.5199", "12.5197"},
    {Pick("AR", kGas), "4862", "4864"}, {Pick("AR", kLiquid), "4862", "4864"},
    {Pick("O2", kGas), "5042", "5044"}, {Pick("O2", kLiquid), "5042", "5044"},
    {Pick("N2", kGas), "3395", "3396.5"}, {Pick("N2", kLiquid), "3395", "3396.5"},
    {"CO2 temptext", "7377", "7378"}, {"H2 temptext", "1296", "1297"}, {"O3 temptext", "5569", "5571"},
};
// clang-format on

TEST(SaturationByPressure, ComputesJustInsideTheTripleAndCriticalPressuresAndIsRefusedJustBeyond) {
    for (const Edge& e : kEdges) {
        const std::string inside = e.steps + " abstryckantal=" + e.inside;
        const std::vector<std::string> computed = ReportOf(inside);
        EXPECT_NE(computed.back(), kInputError) << inside;
        EXPECT_TRUE(std::isfinite(Printed(computed, kTemperature))) << inside;
        const std::string beyond = e.steps + " abstryckantal=" + e.beyond;
        const std::vector<std::string> refused = ReportOf(beyond);
        ASSERT_GE(refused.size(), 2u) << beyond;
        EXPECT_EQ(std::vector<std::string>(refused.end() - 2, refused.end()),
                  (std::vector<std::string>{kOutsideTables, kInputError}))
            << beyond;
    }
}

}  // namespace
}  // namespace tubalyx::sweep
