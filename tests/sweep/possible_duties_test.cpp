// Duties just within the checks that refuse states no medium can have, made from the started
// window: liquids of the liquefied gases (no speed of sound chokes a liquid), risers of gases
// lighter than air, dps below the pressure at their corner of the range, saturated states within
// their triple and critical points. Each computes, to the digits the program printed before those
// checks; just beyond, each is refused, listed as typed under the warning of its state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sweep/slow_line_runs.h"
#include "sweep/window_driving.h"

namespace tubalyx::sweep {
namespace {

std::vector<std::string> ReportOf(const std::string& steps, const std::vector<SlowLineFitting>& fittings = {}) {
    Start();
    Steps("English " + steps);
    EXPECT_TRUE(PlaceFittings(fittings)) << steps;
    Click("Runbutton");
    return NewestReport();
}

// clang-format off
std::vector<SlowLineFitting> Riser(const char* m) { return {{1, "Hojdmotstand", {{3, "0"}, {6, m}, {7, m}}}}; }
const std::string kRange = " temp=20 tempmin=20 abstryckantal=100 abstryckmaxantal=1000 maxflowsort>";
const std::string kDpSolve = "Strypel LUF Differenstryck1 dkallmm=100" + kRange;
std::string Bore(const char* unit, const char* dp) { return "Strypel LUF StrypflnsCornertappings1 Hldiameter1" + kRange + unit + " maxflowantal=3000 difftryckmaxantal=" + dp; }
constexpr const char* kInputError = "INPUT ERROR!!!";
constexpr const char* kOutsideTables = "PRESSURE/TEMPERATURE OUTSIDE TABLELIMITS!: ";
const std::string kDensity = "Density____________________________________(kg/m3)= ", kBore = "Throat diameter d cold (=20 C)________________(mm)= ";
const std::string kDrop = "Pressurereduction (reversible+irreversible)__(kPa)= ", kSolved = "Maximal Differential Pressure(not=P-loss)____(kPa)= ";
const std::string kDp = "Differential Pressure (for dp-transm,not= Pressurel(kPa)";

// Each liquefied gas as its liquid: taken so (no phase picked) on the valve page (its Kv, of the
// liquid's equation) and by the volume meter (its m3/h), its boiling liquid picked on the orifice
// page (the bore).
struct Liquid { const char *medium, *pick, *state, *outlet, *kv, *m3h, *bore; };
const Liquid kLiquids[] = {
    {"N2", "abstrycktext abstrycktext", "temp=-180 abstryckantal=2000", "1800", "16.569", "4.1179", "21.624"},
    {"AR", "abstrycktext abstrycktext", "temp=-150 abstryckantal=3000", "2800", "13.275", "2.6432", "19.350"},
    {"O2", "abstrycktext abstrycktext", "temp=-150 abstryckantal=3000", "2800", "14.492", "3.1501", "20.218"},
    {"CO2", "abstrycktext", "temp=-20 abstryckantal=3000", "2800", "13.924", "2.9084", "19.784"},
    {"H2", "abstrycktext", "temp=-254.5 abstryckantal=500", "300", "52.456", "41.274", "38.483"},
};

// A duty and its lines: anywhere in its report, or, with `refused`, its last lines (the inputs
// as typed, the warning of its state, the failure line) under no result.
struct Duty { std::string steps; std::vector<std::string> lines; bool refused = false; std::vector<SlowLineFitting> fittings = {}; };
const Duty kDuties[] = {
    {"Ventiler1 CO2 temp=20 abstryckantal=6000 Dstorkallmm=100 Ventilkallmm=100 maxflowantal=20 difftryckmaxantal=5800", {"Flow factor Kv__________________________________()= 16.097"}},
    {"Tryckf Naturgas temp=10 abstryckantal=103 Dstorkallmm=50 matstrack=30 maxflowsort>kgh maxflowantal=5",
     {kDrop + "-0.0758", "Outletpress. (BarA)=1.0308__________________(kPaA)= 103.08"}, false, Riser("30")},
    {"Tryckf H2 abstryckantal=200 Dstorkallmm=50 matstrack=50 maxflowsort>kgh maxflowantal=1", {kDrop + "-0.548"}, false, Riser("50")},
    {"Tryckf ANG temp=120 abstryckantal=110 Dstorkallmm=50 matstrack=20 maxflowsort>kgh maxflowantal=20", {kDrop + "-0.0544"}, false, Riser("20")},
    {Bore("m3h", "120"), {kBore + "110.39"}}, {Bore("m3h", "600"), {kBore + "81.393"}}, {Bore("nm3h", "95"), {kBore + "69.342"}},
    {Bore("kgh", "95"), {kBore + "61.110"}}, {kDpSolve + "tonh maxflowantal=8", {kSolved + "87.742"}},
    {kDpSolve + "nm3h maxflowantal=6000", {kSolved + "82.429"}}, {kDpSolve + "m3h maxflowantal=4500", {kSolved + "554.00"}},
    {"Termodynamik H2 temptext abstryckantal=50", {kOutsideTables, "[Density....(calculated at -259.149C!......(kg/m3)] 78.797"}},
    {"Termodynamik CO2 abstrycktext temp=28", {"Static Pressure______________________________(kPa)= 6716.9", "[Density....(calculated at 26.849C!........(kg/m3)] 684.71"}},
    {Bore("m3h", "1050"), {kDp + "   1050", kInputError}, true}, {Bore("nm3h", "105"), {kDp + "    105", kInputError}, true},
    {Bore("kgh", "105"), {kDp + "    105", kInputError}, true}, {"Strypel VAT abstryckantal=500 difftryckmaxantal=600", {kDp + "    600", kInputError}, true},
    {kDpSolve + "tonh maxflowantal=9", {"Throatdiameter d cold (20 C)?_______________________(mm) 100.000", kInputError}, true},
    {"Termodynamik N2 temptext temptext abstryckantal=6000", {"Static Absolute Pressure? _________________________(kPa)   6000", kOutsideTables, kInputError}, true},
    {"Termodynamik N2 temptext temptext abstryckantal=5", {"Static Absolute Pressure? _________________________(kPa)      5", kOutsideTables, kInputError}, true},
    {"Termodynamik AR abstrycktext temp=20", {"Saturized Gas (no condensed drops)______________________ ", kOutsideTables, kInputError}, true},
    {"Termodynamik VAT temp=-250 abstryckantal=1", {"Static Absolute Pressure? _________________________(kPa)      1", kOutsideTables, "TEMP < 0 C ", kInputError}, true},
};

// A saturated phase 0.5 K within its triple or critical point (its density there), and 0.5 K beyond.
struct SaturatedEdge { const char *phase, *within; std::string density; const char* beyond; };
const SaturatedEdge kSaturatedEdges[] = {
    {"O2 abstrycktext", "-218.289", kDensity + "0.0120", "-218.889"}, {"O2 abstrycktext abstrycktext", "-119.069", kDensity + "527.85", "-118.069"},
    {"AR abstrycktext", "-188.8442", kDensity + "4.2676", "-189.8442"}, {"AR abstrycktext abstrycktext", "-122.963", kDensity + "642.54", "-121.963"},
    {"N2 abstrycktext abstrycktext", "-209.499", kDensity + "865.40", "-210.499"}, {"N2 abstrycktext", "-147.458", kDensity + "237.39", "-146.458"},
    {"H2 abstrycktext", "-258.693", kDensity + "77.566", "-259.693"}, {"H2 abstrycktext", "-240.505", "[Density....(calculated at -241.151C!......(kg/m3)] 43.408", "-239.505"},
    {"CO2 abstrycktext", "-56.058", "[Density....(calculated at -53.149C!.......(kg/m3)] 1153.9", "-57.058"},
    {"CO2 abstrycktext", "30.4782", "[Density....(calculated at 26.849C!........(kg/m3)] 684.71", "31.4782"},
    {"O3 abstrycktext", "-192.5", "[Density....(calculated at -173.149C!......(kg/m3)] 1541.9", "-193.5"},
    {"O3 abstrycktext", "-12.65", "[Density....(calculated at -23.151C!.......(kg/m3)] 839.91", "-11.65"},
};
// clang-format on

void Expect(const Duty& d) {
    const std::vector<std::string> report = ReportOf(d.steps, d.fittings);
    ASSERT_GE(report.size(), d.lines.size()) << d.steps;
    const auto tail = report.end() - static_cast<long>(d.lines.size());
    if (d.refused) {
        EXPECT_EQ(std::vector<std::string>(tail, report.end()), d.lines) << d.steps;
    }
    EXPECT_EQ(report.back() == kInputError, d.refused) << d.steps;
    for (const std::string& line : d.lines) EXPECT_TRUE(Holds(report, line)) << d.steps << ": " << line;
    for (const std::string& line : report) EXPECT_FALSE(d.refused && PrintsAResult(line)) << d.steps << ": " << line;
}

TEST(PossibleDuties, ComputeAsBeforeTheRefusalsAndJustBeyondAreRefusedUnderTheirInputsAndReason) {
    for (const Liquid& l : kLiquids) {
        const std::string state = std::string(l.medium) + " " + l.state;
        Expect(
            {"Ventiler1 " + state + " Dstorkallmm=100 Ventilkallmm=100 maxflowantal=20 difftryckmaxantal=" + l.outlet,
             {"Flow factor Kv__________________________________()= " + std::string(l.kv)}});
        Expect({"Strypel Kommersiellafldesmtare1 strypsort strypsort " + state,
                {"Flow_______(ton/h)= 3.0000 Flow________(m3/h)= " + std::string(l.m3h)}});
        Expect({std::string("Strypel ") + l.medium + " " + l.pick + " " + l.state, {kBore + l.bore}});
    }
    for (const Duty& d : kDuties) Expect(d);
    for (const SaturatedEdge& e : kSaturatedEdges) {
        const std::string steps = std::string("Termodynamik ") + e.phase + " temp=";
        Expect({steps + e.within, {e.density}});
        Expect({steps + e.beyond, {kOutsideTables, kInputError}, true});
    }
}

}  // namespace
}  // namespace tubalyx::sweep
