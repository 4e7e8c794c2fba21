// The compensation table's "Run": the refinement to 10 x 10 points of natural gas (every pass
// evaluates the table's points and the check points of the generated code), and one
// interpolation check of such a table, which the code generator runs on every click.
#include <benchmark/benchmark.h>

#include "codegen/code_generator.h"
#include "reports/compensation_table.h"
#include "state/composition.h"
#include "state/inputs.h"
#include "state/selections.h"
#include "ui/form1.h"

namespace {

void NaturalGasTable(const char* allowed) {
    using namespace tubalyx;
    CalcFunction = "Strypf";
    MediumCode = "NGAS";
    Form1().abstrycksort.SetText("kPa");
    PressureUnit = "kPa";
    PressureMinInput = 100, PressureMaxInput = 7000;
    TemperatureMinC = 0, TemperatureMaxC = 60;
    GasComposition = {};
    GasComposition[1] = 0.90, GasComposition[2] = 0.02, GasComposition[3] = 0.02;
    GasComposition[4] = 0.05, GasComposition[5] = 0.01;
    WriteCompressibilityTable();
    Form1().PTberfel.SetText(allowed);
}

void BM_CompensationTableNaturalGasToTheBound(benchmark::State& state) {
    NaturalGasTable("0");
    for (auto _ : state) tubalyx::BuildCompensationTable(true);
}
BENCHMARK(BM_CompensationTableNaturalGasToTheBound)->Unit(benchmark::kMillisecond);

void BM_CompensationTableAirOneStep(benchmark::State& state) {
    using namespace tubalyx;
    NaturalGasTable("0,1");
    MediumCode = "LUF";
    for (auto _ : state) BuildCompensationTable(true);
}
BENCHMARK(BM_CompensationTableAirOneStep)->Unit(benchmark::kMicrosecond);

void BM_InterpolationCheckOfATenByTenTable(benchmark::State& state) {
    NaturalGasTable("0");
    tubalyx::BuildCompensationTable(true);
    for (auto _ : state) {
        double result = 0.0;
        tubalyx::GenerateControlCode("BER", result);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_InterpolationCheckOfATenByTenTable)->Unit(benchmark::kMillisecond);

}  // namespace
