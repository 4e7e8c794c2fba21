// Humid gas lines beside the same dry-air line, each a whole Run from the started window: 100 m
// of DN 100 (k 0.05 mm), 20 degC, 500 kPa, 10 t/h, no fitting, on the pressure-loss page. Each
// row's "x_dry_air" is its time over the dry-air line's, timed in the same process, and "work"
// the medium-property work of one Run (media/property_work.h), which the line walk's bound reads. And the
// slowest Runs of a census of the pressure-loss page (media, humidity kinds, fittings,
// temperatures, pressures and flows), at 25 MPa and 300 t/h through a 40 degree cone, a 1:3
// expansion and a tee: humid gases at 400 degC, beyond the methane tables, and humid methane at
// -40 degC, inside them. Then the line Runs whose walk its work bound cut short or let run on:
// gases beyond their tables on the page's own line, steam through 50 changes of diameter, humid
// nitrogen through a valve and an expansion that chokes the rest of the line, and the same line
// in dry air. Last the slowest Runs of the latest censuses (sweep::SlowCensusRuns and four more).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "forms/screen.h"
#include "media/property_work.h"
#include "sweep/slow_line_runs.h"
#include "ui/calculation_reset.h"
#include "ui/form1.h"
#include "ui/run_driver.h"
#include "ui/startup.h"

namespace {

using namespace tubalyx;
using sweep::SlowLineRun;

// The line with the medium's menu item and the humidity kind's item and value.
SlowLineRun Line(const std::string& what, const char* medium, const char* kind = nullptr,
                 const char* humidity = nullptr) {
    SlowLineRun run{what, {medium}, {}};
    if (kind) {
        run.picks.push_back(kind);
        run.typed.push_back({"relabsspecfukt", humidity});
    }
    run.picks.push_back("maxflowsort>kgh");
    run.typed.insert(run.typed.end(), {{"abstryckantal", "500"},
                                       {"temp", "20"},
                                       {"maxflowantal", "10000"},
                                       {"matstrack", "100"},
                                       {"Dstorkallmm", "100"},
                                       {"Dstorrahetmm", "0.05"}});
    return run;
}

// The page's own line (10 m of DN 200) at `temperature` degC, `pressure` kPa and `flow` t/h.
SlowLineRun PageLine(const std::string& what, std::vector<const char*> picks, const char* temperature,
                     const char* pressure, const char* flow, const char* humidity = nullptr) {
    SlowLineRun run{
        what, std::move(picks), {{"temp", temperature}, {"abstryckantal", pressure}, {"maxflowantal", flow}}};
    if (humidity) run.typed.push_back({"relabsspecfukt", humidity});
    return run;
}

SlowLineRun WithFittings(SlowLineRun run, const std::vector<sweep::SlowLineFitting>& fittings) {
    run.fittings = fittings;
    return run;
}

SlowLineRun Census(const std::string& what, const char* medium, const char* kind, const char* humidity,
                   const char* temperature = "400") {
    return sweep::CensusLine(what, medium, kind, humidity, temperature, "25000", "300000", sweep::kConeExpansionTee);
}

const std::vector<SlowLineRun>& Runs() {
    static const std::vector<SlowLineRun> runs = {
        Line("dry air", "LUF"),
        Line("air, 50 % RH", "LUF", "Relfukt", "50"),
        Line("air, 5 g/m3", "LUF", "Absfukt", "5"),
        Line("nitrogen, 50 % RH", "N2", "Relfukt", "50"),
        Line("nitrogen, 5 g/m3", "N2", "Absfukt", "5"),
        Line("methane, 50 % RH (ends in the flow note)", "CH4", "Relfukt", "50"),
        Line("methane, 5 g/m3 (ends in the flow note)", "CH4", "Absfukt", "5"),
        Line("ammonia, 50 % RH", "NH3", "Relfukt", "50"),
        Line("ammonia, 5 g/m3", "NH3", "Absfukt", "5"),
        Line("natural gas, 50 % RH", "Naturgas", "Relfukt", "50"),
        Line("gas mixture G, 50 % RH", "G", "Relfukt", "50"),
        Census("census: natural gas, 100 % RH, 400 degC, 25 MPa, 300 t/h, cone, expansion, tee", "Naturgas", "Relfukt",
               "100"),
        Census("census: methane, 3 g/kg, 400 degC, 25 MPa, 300 t/h, cone, expansion, tee", "CH4", "Spefukt", "3"),
        Census("census: methane, 3 g/kg, -40 degC, 25 MPa, 300 t/h, cone, expansion, tee", "CH4", "Spefukt", "3",
               "-40"),
        PageLine("air at -150 degC, 1000 kPa, 0.01 t/h, the page's line", {"LUF"}, "-150", "1000", "0.01"),
        PageLine("air at -150 degC, 1000 kPa, 300 t/h, the page's line", {"LUF"}, "-150", "1000", "300"),
        PageLine("argon at -150 degC, 1000 kPa, 300 t/h, the page's line", {"AR"}, "-150", "1000", "300"),
        PageLine("oxygen at -150 degC, 1000 kPa, 300 t/h, the page's line", {"O2"}, "-150", "1000", "300"),
        PageLine("nitrogen, 5 g/m3, at 20 degC, 10 kPa, 3 t/h, the page's line", {"N2", "Absfukt"}, "20", "10", "3",
                 "5"),
        sweep::SteamThroughExpansions("saturated steam, 500 kPa, 1000 kg/h, 25 expansions and 25 reductions", "MNG"),
        sweep::SteamThroughExpansions("steam at 152 degC, the same line", "ANG", "152"),
        WithFittings(Line("nitrogen, 5 g/m3, a valve and an expansion (ends in the flow note)", "N2", "Absfukt", "5"),
                     sweep::kValveAndExpansion),
        WithFittings(Line("nitrogen, dew point 5 degC, the same (ends in the flow note)", "N2", "daggpkt", "5"),
                     sweep::kValveAndExpansion),
        WithFittings(Line("dry air, a valve and an expansion", "LUF"), sweep::kValveAndExpansion),
    };
    static const std::vector<SlowLineRun> all = [] {
        std::vector<SlowLineRun> r = runs;
        // The slowest Runs of the last census; its humid methane at 300 t/h is row 12 already.
        for (const SlowLineRun& run : sweep::SlowCensusRuns())
            if (run.what != sweep::SlowCensusRuns()[3].what)
                r.push_back({"census: " + run.what, run.picks, run.typed, run.fittings});
        // Then the slowest of the census of 21 600 line Runs: beyond the tables at -150 degC, and
        // a humidity no gas holds at -40 degC.
        const std::vector<sweep::SlowLineFitting> none;
        r.push_back(
            sweep::CensusLine("census: gas mixture G, 100 % RH, -150 degC, 10 kPa, 300 kg/h, cone, expansion, tee", "G",
                              "Relfukt", "100", "-150", "10", "300", sweep::kConeExpansionTee));
        r.push_back(sweep::CensusLine("census: gas mixture G, 50 % RH, -150 degC, 5 MPa, 100 t/h, cone, expansion, tee",
                                      "G", "Relfukt", "50", "-150", "5000", "100000", sweep::kConeExpansionTee));
        r.push_back(sweep::CensusLine("census: dry air, -150 degC, 5 MPa, 100 t/h", "LUF", "Relfukt", "0", "-150",
                                      "5000", "100000", none));
        r.push_back(sweep::CensusLine("census: air, 3 g/kg, -40 degC, 5 MPa, 100 t/h, cone, expansion, tee", "LUF",
                                      "Spefukt", "3", "-40", "5000", "100000", sweep::kConeExpansionTee));
        return r;
    }();
    return all;
}

bool Prepare(const SlowLineRun& run) {
    ResetCalculationState();
    Screen().SetSize(1600, 1200);
    MainFormUnitInit();
    CreateMainWindow();
    return sweep::PrepareSlowLineRun(run);
}

double RunSeconds() {
    Form1().RichEdit1.Clear();
    const auto start = std::chrono::steady_clock::now();
    RunCalculation();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The dry-air line's Run, the median of a few dozen, timed once per process.
double DryAirSeconds() {
    static const double seconds = [] {
        Prepare(Runs().front());
        std::vector<double> times(41);
        for (double& t : times) t = RunSeconds();
        std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
        return times[times.size() / 2];
    }();
    return seconds;
}

void BM_HumidLineRun(benchmark::State& state) {
    const SlowLineRun& run = Runs().at(static_cast<std::size_t>(state.range(0)));
    state.SetLabel(run.what);
    const double dry = DryAirSeconds();
    if (!Prepare(run)) state.SkipWithError("a control of the run is missing");
    double total = 0.0;
    const std::uint64_t workBefore = PropertyWork;
    for (auto _ : state) {
        total += RunSeconds();
        benchmark::DoNotOptimize(Form1().RichEdit1.LineCount());
    }
    if (state.iterations() > 0) {
        const auto runs = static_cast<double>(state.iterations());
        state.counters["x_dry_air"] = total / runs / dry;
        state.counters["work"] = static_cast<double>(PropertyWork - workBefore) / runs;
    }
}
BENCHMARK(BM_HumidLineRun)
    ->Apply([](benchmark::internal::Benchmark* b) {
        for (std::size_t i = 0; i < Runs().size(); ++i) b->Arg(static_cast<int>(i));
    })
    ->Unit(benchmark::kMillisecond);

}  // namespace
