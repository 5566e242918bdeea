"""Speed of velmora, run by hand (not a test):

    PYTHONPATH=build/native/python /usr/bin/python3 python/bench/bench_velmora.py [core_bench]

Per-element time of array calls over 10^6 region-1 points, the time of one scalar call and of
a Python loop over scalar calls.  Given the path of core_bench, it also runs the C per-call
benchmark of vlmHPT in region 1 and prints the ratio.
"""

import json
import subprocess
import sys
import time
import timeit

import numpy as np

import velmora

N = 1_000_000


def best(stmt, number, repeat=5):
    """The shortest time of one run, in this thread's CPU time: the machine may be shared,
    and core_bench reports CPU time too."""
    return min(timeit.Timer(stmt, timer=time.thread_time).repeat(number=number, repeat=repeat)) / number


def main():
    rng = np.random.default_rng(0)
    p = rng.uniform(1e6, 5e7, N)
    t = rng.uniform(280.0, 450.0, N)
    assert (velmora.waterstatearea2_pt(p, t) == 1).all()
    rows = []
    seconds = best(lambda: velmora.h_pt(p, t), 1, 3)
    rows.append(("h_pt over 1e6 region-1 points", seconds / N * 1e9, "ns/element"))
    # core_bench's points: p = 3 MPa, T swept over 300..350 K.
    sweep = np.tile(np.linspace(300.0, 350.0, 64), N // 64)
    seconds = best(lambda: velmora.h_pt(3e6, sweep), 1, 3)
    rows.append(("h_pt over core_bench's 64 points, tiled", seconds / sweep.size * 1e9, "ns/element"))
    wall = min(timeit.repeat(lambda: velmora.h_pt(p, t, workers=2), number=1, repeat=3))
    rows.append(("h_pt over 1e6 points, workers=2, wall clock", wall / N * 1e9, "ns/element"))
    seconds = best(lambda: velmora.state_pt(p[:100_000], t[:100_000]), 1, 3)
    rows.append(("state_pt over 1e5 region-1 points", seconds / 100_000 * 1e9, "ns/element"))
    rows.append(("h_pt(3e6, 300.0), one scalar call", best(lambda: velmora.h_pt(3e6, 300.0), 200_000) * 1e9, "ns"))
    rows.append(("vlmHPT(3e6, 300.0), one scalar call", best(lambda: velmora.vlmHPT(3e6, 300.0), 200_000) * 1e9, "ns"))
    pl, tl = p[:100_000].tolist(), t[:100_000].tolist()
    seconds = best(lambda: [velmora.h_pt(a, b) for a, b in zip(pl, tl)], 1, 3)
    rows.append(("Python loop over h_pt, 1e5 points", seconds / 100_000 * 1e9, "ns/element"))
    if len(sys.argv) > 1:
        out = subprocess.run([sys.argv[1], "--benchmark_filter=^HPT liquid$", "--benchmark_format=json",
                              "--benchmark_min_time=0.5"], capture_output=True, text=True, check=True).stdout
        c = json.loads(out)["benchmarks"][0]["cpu_time"]
        rows.append(("C vlmHPT per call (core_bench 'HPT liquid')", c, "ns"))
        rows.append(("h_pt array per element / C per call (same points)", rows[1][1] / c, "x"))
    for what, value, unit in rows:
        print(f"{what:48s} {value:10.1f} {unit}")


if __name__ == "__main__":
    main()
