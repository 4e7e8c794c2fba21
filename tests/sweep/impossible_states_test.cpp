// States no medium can have, made from the started window as a user makes them: a saturated
// gas above its critical temperature, a flow faster than sound, properties of 0 or below (or of
// 1e21) beyond the tables, a differential pressure that leaves no pressure behind the device.
// Each gave a report of believable numbers; each ends in its page's failure line, under the
// warnings that say why, with the typed pressure and temperature left as typed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

#include "numerics/number_text.h"
#include "state/medium.h"
#include "state/pressure_loss_state.h"
#include "state/selections.h"
#include "sweep/slow_line_runs.h"
#include "sweep/window_driving.h"

namespace tubalyx::sweep {
namespace {

constexpr const char* kInputError = "INPUT ERROR!!!";
constexpr const char* kLineFailure = "NOTE! INPUT FALSE/FLOW TO BIG!";
constexpr const char* kSelectWater = "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS! (Select WATER)";
constexpr const char* kSelectSteam = "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS! (Select STEAM)";
constexpr const char* kOutsideTables = "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS!: ";

struct Reproducer {
    const char* what;
    std::string steps;                           // after "English", before "Runbutton"
    std::vector<std::string> end;                // the report's last lines: warnings, then the failure line
    std::vector<SlowLineFitting> fittings = {};  // placed after the steps
};

// clang-format off
const Reproducer kReproducers[] = {
    {"argon, saturated gas at 20 degC (535.40 kg/m3 of its critical point)", "Termodynamik AR abstrycktext temp=20", {kInputError}},
    {"argon, saturated gas at 150 degC, 3 t/h (an outlet at its critical point)",
     "Tryckf AR abstrycktext temp=150 maxflowsort>kgh maxflowantal=3000", {kLineFailure}},
    {"argon, boiling liquid at 150 degC", "Termodynamik AR abstrycktext abstrycktext temp=150", {kInputError}},
    {"oxygen, saturated gas at -250 degC, below its triple point (a Kv of 132 810)", "Ventiler1 O2 abstrycktext temp=-250", {kInputError}},
    {"nitrogen boiling at 6000 kPa, above its critical pressure, in German",
     "Deutsch Termodynamik N2 temptext temptext abstryckantal=6000", {"DATENEINGABE FALSCH!!!"}},
    {"air at 800 degC, 1000 kPa, 300 t/h (1172 m/s, sound 545 m/s)",
     "Tryckf LUF temp=800 abstryckantal=1000 maxflowantal=300", {kLineFailure}},
    {"air at 150 degC, 300 t/h through a valve in DN 200 (3170 m/s in the pipe)", "Ventiler1 LUF temp=150 maxflowantal=300", {kInputError}},
    {"air at 150 degC, 300 t/h, the dp of an orifice in DN 200 (2687 m/s in the pipe)",
     "Strypel LUF Differenstryck1 temp=150 maxflowantal=300", {kInputError}},
    {"natural gas at -50 degC, 5000 kPa (density 0.0000)", "Termodynamik Naturgas temp=-50 abstryckantal=5000", {kInputError}},
    {"humid natural gas at -50 degC, 5000 kPa (a Kv of 15 455)",
     "Ventiler1 Naturgas temp=-50 abstryckantal=5000 relabsspecfukt=50", {kInputError}},
    {"methane at 100 000 kPa (viscosity 0.0000)", "Termodynamik CH4 abstryckantal=100000", {kInputError}},
    {"humid natural gas at -150 degC, 100 000 kPa, 3 t/h (1.1E15 m/s)",
     "Tryckf Naturgas temp=-150 abstryckantal=100000 relabsspecfukt=50", {kLineFailure}},
    {"humid methane (3 g/kg) at 400 degC, 25 MPa, 300 t/h through a cone, an expansion and a tee (an outlet of 35 995 kPa)",
     "Tryckf CH4 Spefukt relabsspecfukt=3 temp=400 abstryckantal=25000 maxflowsort>kgh maxflowantal=300000 "
     "matstrack=100 Dstorkallmm=100 Dstorrahetmm=0.05", {kLineFailure}, kConeExpansionTee},
    {"water at 6070 degC (3.35E21 kJ/kg)", "Termodynamik VAT temp=6070",
     {kSelectSteam, kOutsideTables, "TEMP > 800 C ", kInputError}},
    {"water at 6070 degC through a valve (a Kv of 2.165E9)", "Ventiler1 VAT temp=6070",
     {kSelectSteam, kOutsideTables, "TEMP > 800 C ", kInputError}},
    {"water at -150 degC (viscosity -1.6E163)", "Termodynamik VAT temp=-150", {kOutsideTables, "TEMP < 0 C ", kInputError}},
    {"water at 1500 degC, 100 000 kPa, 300 t/h (density -0.0005)",
     "Tryckf VAT temp=1500 abstryckantal=100000 maxflowantal=300",
     {kSelectSteam, kOutsideTables, "TEMP > 800 C ", kLineFailure}},
    {"steam at 100 degC, 5000 kPa (density -2.259)", "Termodynamik ANG temp=100 abstryckantal=5000", {kSelectWater, kInputError}},
    {"steam at 0 degC, 25 000 kPa (an outlet of 28 471 kPa)", "Tryckf ANG temp=0 abstryckantal=25000", {kSelectWater, kLineFailure}},
    {"steam at 20 degC and 1 kPa with a dp of 10 kPa (a bore of 197.93 mm)", "Strypel ANG temp=20 abstryckantal=1", {kInputError}},
};
// clang-format on

class ImpossibleStates : public ::testing::Test {
protected:
    void TearDown() override { Start(); }
};

TEST_F(ImpossibleStates, EndInTheFailureLineWithTheInputsAsTyped) {
    for (const Reproducer& r : kReproducers) {
        Start();
        Steps("English " + r.steps);
        ASSERT_TRUE(PlaceFittings(r.fittings)) << r.what;
        const std::string pressure = EditText("abstryckantal"), temperature = EditText("temp");
        Click("Runbutton");
        const std::vector<std::string> report = NewestReport();
        ASSERT_GE(report.size(), r.end.size()) << r.what;
        EXPECT_EQ(std::vector<std::string>(report.end() - static_cast<long>(r.end.size()), report.end()), r.end)
            << r.what;
        for (const std::string& line : report) EXPECT_FALSE(PrintsAResult(line)) << r.what << ": " << line;
        EXPECT_EQ(EditText("abstryckantal"), pressure) << r.what;
        EXPECT_EQ(EditText("temp"), temperature) << r.what;
    }
}

// The physics block gives the state at the tube inlet: its Reynolds number is that of the inlet
// pipe, 4 m / (pi D mu) with the viscosity it shows, not of the 150 mm pipe behind a reducer.
TEST_F(ImpossibleStates, TheLinesReynoldsNumberIsThatOfTheTubeInlet) {
    Start();
    Steps("English Tryckf LUF matstrack=100");
    ASSERT_TRUE(PlaceFittings({{1, "NedkoningKontoppvinkel40grader1", {{3, "20"}, {7, "150"}}}}));
    Click("Runbutton");
    double viscosity = 0, reynolds = 0;
    for (const std::string& line : NewestReport()) {
        if (line.starts_with("Dynamic viscosity")) viscosity = 1e-6 * StrToFloatSafe(line.substr(line.rfind("= ") + 2));
        if (line.starts_with("Reynolds number")) reynolds = StrToFloatSafe(line.substr(line.rfind("= ") + 2));
    }
    const double massFlow = 3000.0 / 3600.0, diameter = 0.2;
    ASSERT_GT(viscosity, 0);
    EXPECT_NEAR(reynolds, 4 * massFlow / (std::numbers::pi * diameter * viscosity), 2e-4 * reynolds);
}

// The number a report line gives after its "= " (or a range note's "] "); NaN for none.
double PrintedNumber(const std::string& line) {
    auto at = line.rfind("= ");
    if (at == std::string::npos) at = line.rfind("] ");
    if (at == std::string::npos) return std::nan("");
    return StrToFloatSafe(line.substr(at + 2));
}

bool Contains(const std::string& line, const char* text) { return line.find(text) != std::string::npos; }

// What a report line prints that no state has.
std::string Impossible(const std::string& line, bool liquid) {
    if (!Contains(line, "= ") && !Contains(line, "] ")) return "";
    const double v = PrintedNumber(line);
    const bool density = Contains(line, "Density") && Contains(line, "kg/m3");
    // Printed to four decimals, a hydrogen part at 1 kPa reads 0.0000: the state must be above 0.
    if (density && !(v > 0 || (v == 0 && FlowDensity > 0))) return "density";
    if (Contains(line, "Dynamic viscosity") && !(v > 0 || (v == 0 && DynamicViscosityPas > 0))) return "viscosity";
    if (Contains(line, "Reynolds number") && !(v >= 0 && v <= 1e10)) return "Reynolds number";
    if (Contains(line, "Enthalpi") && !(std::fabs(v) <= 1e5)) return "enthalpy";
    if (Contains(line, "Outletpress.") && !(v > 0)) return "outlet pressure";
    // The sweep's lines are level and hold no fitting: the static pressure only falls.
    if (Contains(line, "Pressurereduction (reversible") && !(v >= 0)) return "pressure gain";
    if (!liquid && Contains(line, "Outlet Flowspeed")) {
        const double sound = std::sqrt(OutletKappa * LineOutletPressure / OutletDensity);
        if (!(v < sound)) return "speed beyond sound";
    }
    return "";
}

// Every medium choice of the menus: the saturated phases a click on the pressure or the
// temperature prompt steps to, and the liquids.
struct MediumChoice {
    const char* steps;
    bool liquid;
    bool humid;  // takes a humidity
};
// clang-format off
const MediumChoice kMediumChoices[] = {
    {"VAT", true, false}, {"ANG", false, false}, {"MNG", false, false}, {"LUF", false, true}, {"G", false, true},
    {"Naturgas", false, true}, {"Olja", true, false}, {"Propan1", false, true}, {"Propanvtska1", true, false},
    {"CH4", false, true}, {"NH3", false, true}, {"CO", false, true}, {"GAS", false, true}, {"IGAS", false, true},
    {"LIQ", true, false}, {"CO2", false, true}, {"CO2 abstrycktext", true, false}, {"CO2 temptext", true, false},
    {"H2", false, true}, {"H2 abstrycktext", true, false}, {"O3", false, true}, {"O3 temptext", true, false},
    {"N2", false, true}, {"N2 abstrycktext", false, false}, {"N2 abstrycktext abstrycktext", true, false},
    {"N2 temptext", false, false}, {"N2 temptext temptext", true, false}, {"AR", false, true},
    {"AR abstrycktext", false, false}, {"AR temptext temptext", true, false}, {"O2", false, true},
    {"O2 abstrycktext abstrycktext", true, false}, {"O2 temptext", false, false},
};
// clang-format on
const char* const kPages[] = {"Termodynamik", "Tryckf", "Ventiler1", "Strypel"};
const char* const kTemperatures[] = {"-250", "-150", "-50", "20", "150", "400", "800", "1500"};
const char* const kPressures[] = {"1", "10", "101.325", "1000", "5000", "25000", "100000"};
const char* const kFlows[] = {"0.01", "3", "300"};  // t/h
const char* const kHumidities[] = {"", "relabsspecfukt=50", "Absfukt relabsspecfukt=5", "Spefukt relabsspecfukt=3",
                                   "daggpkt relabsspecfukt=5"};
constexpr int kStatesPerChoice = 6;

// Every page with every medium choice, each at states that turn through the temperatures,
// pressures, flows and humidity kinds on strides of their own: every report ends in the failure
// line or prints only numbers a state can have.
TEST_F(ImpossibleStates, EveryReportOfTheSweepEndsInTheFailureLineOrIsPossible) {
    int row = 0, computed = 0;
    for (const char* page : kPages) {
        for (const MediumChoice& m : kMediumChoices) {
            for (int k = 0; k < kStatesPerChoice; ++k, ++row) {
                std::string steps = std::string("English ") + page + " " + m.steps;
                if (m.humid) steps += std::string(" ") + kHumidities[row % std::size(kHumidities)];
                steps += std::string(" temp=") + kTemperatures[(row * 3) % std::size(kTemperatures)] +
                         " abstryckantal=" + kPressures[(row * 5 + k) % std::size(kPressures)] +
                         " maxflowantal=" + kFlows[(row + k) % std::size(kFlows)];
                Start();
                Steps(steps + " Runbutton");
                const std::vector<std::string> report = NewestReport();
                ASSERT_FALSE(report.empty()) << steps;
                if (report.back() == kInputError || report.back() == kLineFailure) continue;
                ++computed;
                // A liquefied gas with no phase picked is computed as its liquid where it is one.
                const bool liquid = m.liquid || LiquidAtTypedState == MediumCode;
                for (const std::string& line : report) {
                    const std::string what = Impossible(line, liquid);
                    EXPECT_EQ(what, "") << steps << ": " << line;
                }
            }
        }
    }
    // Most duties of the sweep are possible ones.
    EXPECT_GT(computed, row / 3);
}

}  // namespace
}  // namespace tubalyx::sweep
