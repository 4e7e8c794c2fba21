#!/usr/bin/python3
"""Side-by-side timing of the flow kernel and the Python fluids library (python3-fluids).

Runs the flow benchmarks of tubalyx_bench and times fluids on the same gas orifice (flange
tappings, ISO 5167-2:2003; p 5 bar abs, dp 25 kPa, d 60 mm, D 100 mm, rho 5.9 kg/m3,
mu 1.8e-5 Pa s, kappa 1.4) in the same run, alternating the two for a few rounds, and prints
the median CPU time of each operation and the ratio fluids / tubalyx.

    bench/compare_with_fluids.py [path/to/tubalyx_bench] [rounds]
"""
import json
import statistics
import subprocess
import sys
import time
import timeit

from fluids.flow_meter import C_Reader_Harris_Gallagher, differential_pressure_meter_solver

P1, DP, BORE, PIPE, RHO, MU, KAPPA, BORE_FLOW = 5e5, 25000.0, 0.06, 0.1, 5.9, 1.8e-5, 1.4, 0.6
METER = dict(D=PIPE, rho=RHO, mu=MU, k=KAPPA, meter_type="ISO 5167 orifice", taps="flange")


def fluids_flow():
    return differential_pressure_meter_solver(D2=BORE, P1=P1, P2=P1 - DP, **METER)


FLOW = fluids_flow()

# Operation -> (tubalyx benchmark, fluids call).
OPERATIONS = {
    "discharge coefficient": (
        "BM_OrificeDischargeCoefficient",
        lambda: C_Reader_Harris_Gallagher(D=PIPE, Do=BORE, rho=RHO, mu=MU, m=FLOW,
                                          taps="flange")),
    "flow from dp": ("BM_FlowFromDiffPressureGasOrifice", fluids_flow),
    "dp from flow": (
        "BM_DiffPressureFromFlowGasOrifice",
        lambda: differential_pressure_meter_solver(D2=BORE, P1=P1, m=FLOW, **METER)),
    "bore from flow": (
        "BM_ThroatDiameterFromFlowGasOrifice",
        lambda: differential_pressure_meter_solver(P1=P1, P2=P1 - DP, m=BORE_FLOW, **METER)),
}


def time_tubalyx(binary):
    names = "|".join(bench for bench, _ in OPERATIONS.values())
    out = subprocess.run([binary, f"--benchmark_filter=^({names})$", "--benchmark_format=json"],
                         check=True, capture_output=True, text=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
        times[b["name"]] = b["cpu_time"] * scale
    return times


def time_fluids(call):
    timer = timeit.Timer(call, timer=time.process_time)
    number, _ = timer.autorange()
    return min(timer.repeat(3, number)) / number * 1e6


def main():
    binary = sys.argv[1] if len(sys.argv) > 1 else "build/bench/tubalyx_bench"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    ours = {op: [] for op in OPERATIONS}
    peer = {op: [] for op in OPERATIONS}
    for _ in range(rounds):
        times = time_tubalyx(binary)
        for op, (bench, call) in OPERATIONS.items():
            if bench in times:
                ours[op].append(times[bench])
            peer[op].append(time_fluids(call))
    print(f"{'operation':<24}{'tubalyx us':>12}{'fluids us':>12}{'fluids/tubalyx':>16}")
    for op in OPERATIONS:
        f = statistics.median(peer[op])
        if not ours[op]:
            print(f"{op:<24}{'-':>12}{f:>12.3f}{'-':>16}")
            continue
        t = statistics.median(ours[op])
        print(f"{op:<24}{t:>12.3f}{f:>12.3f}{f / t:>16.2f}")


if __name__ == "__main__":
    main()
