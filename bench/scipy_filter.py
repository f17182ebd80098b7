#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""CFC 60 on 1,000,000 samples at 10 kHz, and on 50 signals x 100,000 samples:
Velder's filter against what a user would script with scipy (butter +
filtfilt in a loop over the signals, Debian's python3-scipy).

Usage: /usr/bin/python3 bench/scipy_filter.py [BENCH_FILTER]
BENCH_FILTER is the release build of bench/bench_filter.cpp (default
build-rel/bench/bench_filter); its BM_Cfc60Kernel figure is read from its
JSON output. The single signal is compared in CPU time per sample, which a
busy machine disturbs less than wall time (wall time is printed as well); the
50 signals in wall time, since Velder's batch runs on every core
(BM_Cfc60ManyBatch/2) against scipy's single-threaded loop.
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


MANY, MANY_N = 50, 100_000


def scipy_many_seconds(repeats=3):
    """Best wall seconds of the scipy loop over 50 signals of 100k samples."""
    rng = np.random.default_rng(42)
    t = np.arange(MANY_N) * DEL
    pulse = 40 * np.exp(-(((t - 0.05) / 0.02) ** 2)) * np.sin(300 * t)
    signals = [pulse + rng.normal(0, 0.5, MANY_N) for _ in range(MANY)]
    best = math.inf
    for _ in range(repeats):
        w0 = time.perf_counter()
        b, a = butter(2, 1.2465 * F / (0.5 / DEL))
        for y in signals:
            filtfilt(b, a, y)
        best = min(best, time.perf_counter() - w0)
    return best


def velder_ns(program, name, samples):
    """CPU and wall ns per sample of a Velder benchmark (the mean of 3 runs)."""
    out = subprocess.run(
        [program, f"--benchmark_filter=^{name}$", "--benchmark_format=json",
         "--benchmark_repetitions=3", "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True).stdout
    runs = json.loads(out)["benchmarks"]
    best = min((r for r in runs if r.get("aggregate_name") == "mean"), key=lambda r: r["cpu_time"])
    scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[best["time_unit"]]
    return best["cpu_time"] * scale / samples, best["real_time"] * scale / samples


def main():
    program = sys.argv[1] if len(sys.argv) > 1 else "build-rel/bench/bench_filter"
    v_cpu, v_wall = velder_ns(program, "BM_Cfc60Kernel/1000000", N)
    s_cpu, s_wall = scipy_seconds()
    s_cpu_ns, s_wall_ns = s_cpu * 1e9 / N, s_wall * 1e9 / N
    print(f"CFC 60, {N} samples at {1 / DEL:.0f} Hz")
    print(f"velder  : {v_cpu:7.2f} ns/sample CPU  {v_wall:7.2f} ns/sample wall")
    print(f"scipy   : {s_cpu_ns:7.2f} ns/sample CPU  {s_wall_ns:7.2f} ns/sample wall (butter + filtfilt)")
    print(f"ratio   : velder is {s_cpu_ns / v_cpu:.1f}x faster (CPU), {s_wall_ns / v_wall:.1f}x (wall)")
    samples = MANY * MANY_N
    _, one_wall = velder_ns(program, "BM_Cfc60ManyOneByOne/real_time", samples)
    _, batch_wall = velder_ns(program, "BM_Cfc60ManyBatch/2/real_time", samples)
    many_wall_ns = scipy_many_seconds() * 1e9 / samples
    print(f"CFC 60, {MANY} signals x {MANY_N} samples, wall time")
    print(f"velder  : {batch_wall:7.2f} ns/sample batch on 2 threads, {one_wall:7.2f} one by one")
    print(f"scipy   : {many_wall_ns:7.2f} ns/sample (butter + filtfilt in a loop)")
    print(f"ratio   : velder's batch is {many_wall_ns / batch_wall:.1f}x scipy's throughput")


if __name__ == "__main__":
    main()
