#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""CFC 60 on 1,000,000 samples at 10 kHz: Velder's filter against what a user
would script with scipy (butter + filtfilt, Debian's python3-scipy).

Usage: /usr/bin/python3 bench/scipy_filter.py [BENCH_FILTER]
BENCH_FILTER is the release build of bench/bench_filter.cpp (default
build-h2-rel/bench/bench_filter); its BM_Cfc60Kernel figure is read from its
JSON output. Both sides are compared in CPU time per sample, which a busy
machine disturbs less than wall time; wall time is printed as well.
"""
import json
import math
import subprocess
import sys
import time

import numpy as np
from scipy.signal import butter, filtfilt

N = 1_000_000
DEL = 1e-4
F = 60 * 1.66666666667  # CFC 60 in Hz


def scipy_seconds(repeats=7):
    """Best CPU and wall seconds of butter + filtfilt over the same signal."""
    rng = np.random.default_rng(42)
    t = np.arange(N) * DEL
    y = 40 * np.exp(-(((t - 0.05) / 0.02) ** 2)) * np.sin(300 * t) + rng.normal(0, 0.5, N)
    best_cpu = best_wall = math.inf
    for _ in range(repeats):
        c0, w0 = time.process_time(), time.perf_counter()
        # The section's cut-off is the J211 one, warped by 1.2465 like Velder's.
        b, a = butter(2, 1.2465 * F / (0.5 / DEL))
        filtfilt(b, a, y)
        best_cpu = min(best_cpu, time.process_time() - c0)
        best_wall = min(best_wall, time.perf_counter() - w0)
    return best_cpu, best_wall


def velder_ns(program):
    """CPU and wall ns per sample of the Velder kernel benchmark."""
    out = subprocess.run(
        [program, "--benchmark_filter=BM_Cfc60Kernel", "--benchmark_format=json",
         "--benchmark_repetitions=3", "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True).stdout
    runs = json.loads(out)["benchmarks"]
    best = min((r for r in runs if r.get("aggregate_name") == "mean"), key=lambda r: r["cpu_time"])
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[best["time_unit"]]
    return best["cpu_time"] * scale / N, best["real_time"] * scale / N


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else "build-h2-rel/bench/bench_filter"
    v_cpu, v_wall = velder_ns(program)
    s_cpu, s_wall = scipy_seconds()
    s_cpu_ns, s_wall_ns = s_cpu * 1e9 / N, s_wall * 1e9 / N
    print(f"CFC 60, {N} samples at {1 / DEL:.0f} Hz")
    print(f"velder  : {v_cpu:7.2f} ns/sample CPU  {v_wall:7.2f} ns/sample wall")
    print(f"scipy   : {s_cpu_ns:7.2f} ns/sample CPU  {s_wall_ns:7.2f} ns/sample wall (butter + filtfilt)")
    print(f"ratio   : velder is {s_cpu_ns / v_cpu:.1f}x faster (CPU), {s_wall_ns / v_wall:.1f}x (wall)")


if __name__ == "__main__":
    main()
