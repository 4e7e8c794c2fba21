#pragma once
// Line Runs that froze the window for 11 to 47 s, made from the started window with the menus
// and a few typed values: their outlet-temperature search met a balance with no root within its
// steps, or a clamped mixture's enthalpy that changed in its last digits from call to call. And
// lines that took 1.5 to 110 s: steam in its liquid region, whose every state worked out kappa
// and cp the balance does not read, and humid gases in clamped states, whose search went back
// step by step from each overshoot and whose two passes worked out the same humid states.
#include <string>
#include <utility>
#include <vector>

#include "state/pressure_loss_state.h"
#include "ui/form1.h"

namespace tubalyx::sweep {

struct SlowLineFitting {
    int column;
    const char* item;                                // the fitting menu's item
    std::vector<std::pair<int, const char*>> cells;  // row, text
};

struct SlowLineRun {
    std::string what;
    std::vector<const char*> picks;  // menu items; "field>item" picks from a unit field's menu
    std::vector<std::pair<const char*, const char*>> typed;
    std::vector<SlowLineFitting> fittings = {};
};

// A humid gas (the medium's menu item, the humidity kind's item and its value) at `temperature`
// degC, `pressure` kPa and `flow` kg/h in 100 m of DN 100 (k 0.05 mm) through `fittings`, as the
// census of the pressure-loss page makes its lines.
inline SlowLineRun CensusLine(std::string what, const char* medium, const char* kind, const char* humidity,
                              const char* temperature, const char* pressure, const char* flow,
                              std::vector<SlowLineFitting> fittings) {
    return {std::move(what),
            {medium, kind, "maxflowsort>kgh"},
            {{"relabsspecfukt", humidity},
             {"abstryckantal", pressure},
             {"temp", temperature},
             {"maxflowantal", flow},
             {"matstrack", "100"},
             {"Dstorkallmm", "100"},
             {"Dstorrahetmm", "0.05"}},
            std::move(fittings)};
}

// Humid ammonia far below its tables: -40 degC, 25 MPa and 300 t/h in 100 m of DN 100, the
// humidity given by the item `kind` as `humidity`.
inline SlowLineRun ColdAmmonia(const char* what, const char* kind, const char* humidity,
                               std::vector<SlowLineFitting> fittings) {
    return CensusLine(std::string("humid ammonia at -40 degC, 25 MPa and 300 t/h, ") + what, "NH3", kind, humidity,
                      "-40", "25000", "300000", std::move(fittings));
}

// A valve (Kv 100) and a 1:1.5 expansion at 1 m.
inline const std::vector<SlowLineFitting> kValveAndExpansion = {
    {1, "Ventilvalbartkv1", {{6, "100"}, {3, "1"}}},
    {2, "Uppkoning115DValfrikontoppvinkel10grader1", {{3, "1"}, {6, "150"}}}};

// 25 cone expansions 1:1.5 from 10 m on, every 40 m, each followed 20 m on by a sudden reduction
// back to 100 mm.
inline const std::vector<SlowLineFitting>& ExpansionsAndReductions() {
    static const std::vector<std::string> positions = [] {
        std::vector<std::string> p;
        for (int i = 0; i < 50; ++i) p.push_back(std::to_string(10 + 20 * i));
        return p;
    }();
    static const std::vector<SlowLineFitting> fittings = [] {
        std::vector<SlowLineFitting> f;
        for (int i = 0; i < 50; ++i) {
            if (i % 2 == 0)
                f.push_back({i + 1, "Uppkoning115DValfrikontoppvinkel10grader1", {{3, positions[i].c_str()}}});
            else
                f.push_back({i + 1,
                             "PltsligrrdiameterminskningKontoppvinkel180grader1",
                             {{3, positions[i].c_str()}, {6, "100"}}});
        }
        return f;
    }();
    return fittings;
}

// Steam (the menu item `medium`, at `temperature` degC unless saturated) in 1000 m of DN 100 at
// 500 kPa and 1000 kg/h through the expansions and reductions.
inline SlowLineRun SteamThroughExpansions(const std::string& what, const char* medium,
                                          const char* temperature = nullptr) {
    SlowLineRun run{what,
                    {medium, "maxflowsort>kgh"},
                    {{"abstryckantal", "500"}, {"maxflowantal", "1000"}, {"matstrack", "1000"}, {"Dstorkallmm", "100"}},
                    ExpansionsAndReductions()};
    if (temperature) run.typed.push_back({"temp", temperature});
    return run;
}

inline const std::vector<SlowLineFitting> kConeExpansionTee = {
    {1, "NedkoningKontoppvinkel40grader1", {{3, "20"}, {7, "80"}}},
    {2, "Uppkoning13Dvalfrikontoppvinkel1", {{3, "60"}}},
    {3, "Infldetillhuvudledning1", {{3, "90"}}}};

// The slowest line Runs of a census of the pressure-loss page (media, humidity kinds, -150 to
// 400 degC, 10 kPa to 27.5 MPa, 3 to 350 t/h, no fitting, the cone, expansion and tee or the valve
// and expansion), at 25 MPa and near it through the cone, the expansion and the tee: humid gas
// mixtures, humid methane beyond its tables, humid nitrogen and air that refined to 8192 and 16384
// segments inside theirs (to a static pressure behind the expansion above the stagnation pressure
// before it), humid carbon dioxide and hydrogen, whose walks the flow note or the failure line
// ended where the walk without a bound computes them, and humid hydrogen beyond its tables, whose
// passes behind the valve moved further apart at each.
inline const std::vector<SlowLineRun>& SlowCensusRuns() {
    static const std::vector<SlowLineRun> runs = {
        CensusLine("gas mixture G, 100 % RH, 350 degC, 25 MPa, 300 t/h", "G", "Relfukt", "100", "350", "25000",
                   "300000", kConeExpansionTee),
        CensusLine("gas mixture G, 100 % RH, 325 degC, 27.5 MPa, 350 t/h", "G", "Relfukt", "100", "325", "27500",
                   "350000", kConeExpansionTee),
        CensusLine("gas mixture G, 100 % RH, 362.5 degC, 23.75 MPa, 300 t/h", "G", "Relfukt", "100", "362.5", "23750",
                   "300000", kConeExpansionTee),
        CensusLine("methane, 3 g/kg, 400 degC, 25 MPa, 300 t/h", "CH4", "Spefukt", "3", "400", "25000", "300000",
                   kConeExpansionTee),
        CensusLine("nitrogen, 100 % RH, 362.5 degC, 27.5 MPa, 350 t/h", "N2", "Relfukt", "100", "362.5", "27500",
                   "350000", kConeExpansionTee),
        CensusLine("air, 100 % RH, 350 degC, 23.75 MPa, 300 t/h", "LUF", "Relfukt", "100", "350", "23750", "300000",
                   kConeExpansionTee),
        CensusLine("gas mixture G, 100 % RH, 350 degC, 25 MPa, 3 t/h", "G", "Relfukt", "100", "350", "25000", "3000",
                   kConeExpansionTee),
        CensusLine("carbon dioxide, 100 % RH, 350 degC, 23.75 MPa, 300 t/h", "CO2", "Relfukt", "100", "350", "23750",
                   "300000", kConeExpansionTee),
        CensusLine("hydrogen, 5 g/m3, 20 degC, 23.75 MPa, 100 t/h", "H2", "Absfukt", "5", "20", "23750", "100000",
                   kConeExpansionTee),
        CensusLine("hydrogen, 3 g/kg, -40 degC, 25 MPa, 100 t/h", "H2", "Spefukt", "3", "-40", "25000", "100000",
                   kConeExpansionTee),
        CensusLine("hydrogen, 5 g/m3, 350 degC, 5 MPa, 10 t/h, a valve and an expansion", "H2", "Absfukt", "5", "350",
                   "5000", "10000", kValveAndExpansion),
    };
    return runs;
}

inline const std::vector<SlowLineRun> kSlowLineRuns = {
    {"steam read at 20 K, 101.32 MPa and 3 kg/h", {"ANG", "tempsort>K1", "maxflowsort>kgh", "abstrycksort>MPa"}, {}},
    {"a gas mixture at -1e30 t/h", {"G"}, {{"maxflowantal", "-1e30"}}},
    {"saturated steam at 101.32 Pa and -3000 m/s",
     {"MNG", "maxflowsort>ms1", "abstrycksort>Pa"},
     {{"maxflowantal", "-3e3"}}},
    {"a gas mixture at 20 K, 101.32 kg/cm2 and 3 m/s",
     {"G", "tempsort>K1", "maxflowsort>ms1", "abstrycksort>kgcm2"},
     {}},
    {"steam at 20 degC and 5000 kPa through a valve and an expansion",
     {"ANG", "maxflowsort>kgh"},
     {{"abstryckantal", "5000"},
      {"temp", "20"},
      {"maxflowantal", "10000"},
      {"matstrack", "100"},
      {"Dstorkallmm", "100"},
      {"Dstorrahetmm", "0.05"}},
     kValveAndExpansion},
    ColdAmmonia("5 g/m3, through a cone, an expansion and a tee", "Absfukt", "5", kConeExpansionTee),
    ColdAmmonia("a dew point of 5 degC, through a cone, an expansion and a tee", "daggpkt", "5", kConeExpansionTee),
    ColdAmmonia("3 g/kg", "Spefukt", "3", {}),
};

// Each fitting picked from the fitting menu into its grid column, its cells typed; false when
// a menu item is missing.
inline bool PlaceFittings(const std::vector<SlowLineFitting>& fittings) {
    for (const SlowLineFitting& fitting : fittings) {
        TControl* item = Form1().FindComponent(fitting.item);
        if (!item) return false;
        SelectedResistanceColumn = fitting.column;
        item->Click();
        for (const auto& [row, text] : fitting.cells) Form1().Motstandgrid.SetCell(fitting.column, row, text);
    }
    return true;
}

// The run's page, picks and typing in English; false when a control it names is missing.
inline bool PrepareSlowLineRun(const SlowLineRun& run) {
    bool found = true;
    auto click = [&](const std::string& name) {
        TControl* control = Form1().FindComponent(name);
        if ((found = found && control)) control->Click();
    };
    std::vector<std::string> names = {"English", "Tryckf"};
    for (const std::string pick : run.picks) {
        if (pick.find('>') != std::string::npos) names.push_back(pick.substr(0, pick.find('>')));
        names.push_back(pick.substr(pick.find('>') + 1));
    }
    for (const std::string& name : names) click(name);
    for (const auto& [edit, text] : run.typed) {
        auto* e = dynamic_cast<TEdit*>(Form1().FindComponent(edit));
        if ((found = found && e)) e->UserSetText(text);
    }
    return PlaceFittings(run.fittings) && found;
}

}  // namespace tubalyx::sweep
