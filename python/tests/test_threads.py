"""Many Python threads at once get what one thread gets: values, codes and errors."""

import threading

import numpy as np

import velmora

LOOSE = velmora.Settings(check_range=False)


def work(seed):
    """Mixed failing and succeeding calls, numbers and arrays, two settings."""
    rng = np.random.default_rng(seed)
    p = rng.uniform(1e3, 2e8, 2000)
    t = rng.uniform(250.0, 3000.0, 2000)
    out = []
    for k in range(0, 2000, 50):
        for f in (velmora.h_pt, velmora.t_sat_p, velmora.cp_sat_tx):
            args = (p[k],) if f is velmora.t_sat_p else (t[k] / 4, t[k] / 3000) if f is velmora.cp_sat_tx else (p[k], t[k])
            for settings in (None, LOOSE):
                try:
                    out.append(f(*args, settings=settings))
                except velmora.VelmoraError as e:
                    out.append(("error", e.code, e.message))
    out.append(velmora.s_pt(p, t, errors="nan", codes=True))
    out.append(velmora.h_pt(np.tile(p, 5), np.tile(t, 5), errors="nan", codes=True, workers=2))  # two C++ threads
    out.append(velmora.state_ph(p, velmora.h_pt(p, t, errors="nan"), errors="nan", codes=True))
    try:
        velmora.h_pt(p, t)
    except velmora.VelmoraError as e:
        out.append(("error", e.code, e.index))
    return out


def same(a, b):
    if isinstance(a, tuple) and a and isinstance(a[0], np.ndarray):
        return all(np.array_equal(x, y, equal_nan=x.dtype.names is None) or x.tobytes() == y.tobytes() for x, y in zip(a, b))
    return a == b


def test_eight_threads_agree_with_one():
    seeds = range(8)
    expected = [work(seed) for seed in seeds]
    results = [None] * 8
    barrier = threading.Barrier(8)

    def run(i):
        barrier.wait()
        results[i] = work(seeds[i])

    threads = [threading.Thread(target=run, args=(i,)) for i in range(8)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    for got, want in zip(results, expected):
        assert len(got) == len(want)
        assert all(same(g, w) for g, w in zip(got, want))
