"""The package as Python code expects it: pickling, strict arguments, names, version, typing."""

import importlib.metadata
import math
import multiprocessing
import os
import pickle
import re
import subprocess
import sys
import signal
import textwrap
import time
from decimal import Decimal
from fractions import Fraction

import numpy as np
import pytest

import velmora

# One valid value per parameter name (r0 and the dryness functions' properties left out).
VALUES = {"p": 3e6, "t": 400.0, "x": 0.5, "r": 900.0}


def test_pickles_and_compares_field_by_field():
    state = velmora.state_pt(1e5, 700.0)  # above the critical point: surface tension NaN
    settings = velmora.Settings(check_range=False, max_iteration=7, delta_ts=0.25)
    with pytest.raises(velmora.VelmoraError) as raised:
        velmora.h_pt(np.array([[1e5, 2e8]]), 400.0)
    for value in (state, settings):
        assert pickle.loads(pickle.dumps(value)) == value
    assert state != velmora.state_pt(1e5, 701.0) and state != "a state"
    assert re.fullmatch(r"velmora\.State\(region=2, p=100000\.0, T=700\.0, .*sigma=nan\)", repr(state))
    error = pickle.loads(pickle.dumps(raised.value))
    assert (type(error), error.code, error.index, error.message, str(error)) == (
        velmora.VelmoraError, 2, (0, 1), raised.value.message, str(raised.value))
    for name in velmora.__all__:  # the functions travel by name; other builtins as before
        f = getattr(velmora, name)
        if callable(f):
            assert pickle.loads(pickle.dumps(f)) is f, name
    assert pickle.loads(pickle.dumps(len)) is len
    # A failing element in a pool reaches the caller instead of hanging the pool.
    with multiprocessing.get_context("spawn").Pool(2) as pool:
        pending = pool.starmap_async(velmora.h_pt, [(3e6, 300.0), (2e8, 300.0)])
        with pytest.raises(velmora.VelmoraError) as raised:
            pending.get(timeout=60)
    assert raised.value.code == 2


def test_arguments_are_real_numbers_or_arrays_of_them():
    good = [3_000_000, 3e6, np.float32(3e6), np.int64(3_000_000), np.uint32(3_000_000), Decimal("3e6"),
            Fraction(3_000_000), np.array(3e6), np.array([3_000_000])[0]]
    bad = [None, True, np.bool_(True), "3e6", b"3e6", 3e6 + 0j, np.complex128(3e6), np.datetime64("2020-01-01"),
           np.array(["3e6"]), np.array([3e6], dtype=object), np.array([1, 2], dtype="datetime64[s]"), [3e6, "1"],
           np.array([True]), object()]
    expected = {velmora.h_pt: velmora.h_pt(3e6, 300.0), velmora.state_pt: velmora.state_pt(3e6, 300.0)}
    for f, value in expected.items():
        for p in good:  # numbers and 0-d arrays give a number or a State, never an array
            assert type(f(p, 300.0)) is type(value) and f(p, 300.0) == value, p
        for p in bad:
            with pytest.raises(TypeError, match=r"argument 'p' must be a real number"):
                f(p, 300.0)
            with pytest.raises(TypeError, match=r"argument '(t|T)'"):
                f(300.0, p) if f is velmora.h_pt else f(3e6, p)
    # Arrays of any real dtype, mixed with numbers of any real kind.
    p = np.array([1e5, 3e6], dtype=np.float32)
    np.testing.assert_array_equal(velmora.h_pt(p, Fraction(300)), velmora.h_pt(p.astype(float), 300.0))
    np.testing.assert_array_equal(velmora.h_pt([100_000, 3_000_000], np.int16(300)),
                                  velmora.h_pt(np.array([1e5, 3e6]), 300.0))


def test_names():
    for name, _alias, parameters, _result, _kind in velmora.EXPORTS:
        if "t" not in parameters or not set(parameters) <= set(VALUES):
            continue
        f = getattr(velmora, name)
        given = {p: VALUES[p] for p in parameters}
        with_t = f(**given, errors="nan")
        given["T"] = given.pop("t")
        assert with_t == f(**given, errors="nan") or math.isnan(with_t) and math.isnan(f(**given, errors="nan"))
        with pytest.raises(TypeError, match="twice"):
            f(*[VALUES[p] for p in parameters], T=400.0)
    with pytest.raises(TypeError, match="missing required argument 't'"):
        velmora.h_pt(3e6)
    for spelling, alias in velmora.SPELLINGS.items():
        assert spelling.replace("prandtl", "prandtle") == alias and spelling in velmora.__all__
    assert velmora.prandtl_pt(3e6, 300.0) == velmora.prandtle_pt(3e6, 300.0) == velmora.state_pt(3e6, 300.0).prandtl
    state = velmora.state_tx(400.0, 0.0)
    for long, short in [("thermal_conductivity", "lambda"), ("dynamic_viscosity", "eta"),
                        ("kinematic_viscosity", "nu"), ("isentropic_exponent", "kappa"), ("surface_tension", "sigma")]:
        assert getattr(state, long) == getattr(state, short)
    assert re.fullmatch(r"\d+\.\d+\.\d+", velmora.__version__)
    try:
        assert importlib.metadata.version("velmora") == velmora.__version__
    except importlib.metadata.PackageNotFoundError:  # the build tree, not installed
        pass


def test_stubs_pass_mypy_strict(tmp_path):
    pytest.importorskip("mypy")
    # The package seen through MYPYPATH, so that errors in its stubs are reported too.
    (tmp_path / "path").mkdir()
    (tmp_path / "path" / "velmora").symlink_to(os.path.dirname(velmora.__file__))
    (tmp_path / "use.py").write_text(textwrap.dedent("""
        import numpy as np
        from numpy.typing import NDArray
        import velmora

        h: float = velmora.h_pt(3e6, 300.0)
        h = velmora.h_pt(3e6, T=300.0, settings=velmora.Settings(check_range=False))
        hs: NDArray[np.float64] = velmora.h_pt(np.linspace(1e5, 1e6, 3), 300.0, workers=2)
        value, code = velmora.h_pt(3e6, 300.0, codes=True)
        values, codes = velmora.h_pt([1e5, 2e8], 300.0, errors="nan", codes=True)
        region: int = velmora.waterstatearea_pt(3e6, 300.0)
        state: velmora.State = velmora.state_pt(3e6, 300.0)
        k: float = state.thermal_conductivity + value + float(codes[0]) + code + float(values[0])
        pr: float = velmora.prandtl_pt(3e6, 300.0)
        version: str = velmora.__version__
    """))
    run = subprocess.run([sys.executable, "-m", "mypy", "--strict", "--no-incremental", "use.py"], cwd=tmp_path,
                         env=dict(os.environ, MYPYPATH=str(tmp_path / "path")), capture_output=True, text=True)
    assert run.returncode == 0, run.stdout + run.stderr


@pytest.mark.parametrize("workers", [1, 2])
def test_ctrl_c_stops_a_long_array_call(workers):
    # About 10 s of region 3 (a density solve per element), interrupted after half a second.
    script = textwrap.dedent(f"""
        import sys, time, numpy as np, velmora
        p, T = np.full((1000, 1), 2.5e7), np.full((1, 10_000), 650.0)
        print("ready", flush=True)
        start = time.monotonic()
        try:
            velmora.v_pt(p, T, workers={workers})
        except KeyboardInterrupt:
            print(f"interrupted {{time.monotonic() - start:.3f}}", flush=True)
    """)
    child = subprocess.Popen([sys.executable, "-c", script], stdout=subprocess.PIPE, text=True,
                             env=dict(os.environ, PYTHONPATH=os.pathsep.join(sys.path)))
    assert child.stdout.readline() == "ready\n"
    time.sleep(0.5)
    sent = time.monotonic()
    child.send_signal(signal.SIGINT)
    out, _ = child.communicate(timeout=60)
    assert out.startswith("interrupted") and time.monotonic() - sent < 0.5, out


def test_pandas_and_dask_give_the_same_values():
    pd = pytest.importorskip("pandas")
    da = pytest.importorskip("dask.array")
    p = np.linspace(1e5, 3e7, 10_000)
    expected = velmora.h_pt(p, 300.0)
    np.testing.assert_array_equal(velmora.h_pt(pd.Series(p), T=300.0), expected)
    lazy = da.map_blocks(velmora.h_pt, da.from_array(p, chunks=1_000), 300.0, dtype=float)
    np.testing.assert_array_equal(lazy.compute(), expected)


def test_a_refused_call_names_the_limit_it_broke():
    cases = [
        (velmora.h_pt, (3e6, 3000.0), "T = 3000 K is above the upper limit 2273.15 K"),
        (velmora.h_pt, (3e6, 200.0), "T = 200 K is below the lower limit 273.16 K"),
        (velmora.h_pt, (2e8, 400.0), "p = 200 MPa is above the upper limit 100 MPa"),
        (velmora.h_pt, (500.0, 400.0), "p = 500 Pa is below the lower limit 611.2127 Pa"),
        (velmora.state_pt, (2e7, 1500.0), "p = 20 MPa is above the upper limit 10 MPa for T above 1073.15 K"),
        (velmora.h_sat_water_t, (700.0,), "T = 700 K is above the upper limit 647.096 K of the saturation line"),
        (velmora.state_tx, (400.0, 1.5), "x = 1.5 is above the upper limit 1"),
        (velmora.t_sat_p, (3e7,), "p = 30 MPa is above the upper limit 22.064 MPa of the saturation line"),
        (velmora.thermcond_pt, (8e7, 800.0), "p = 80 MPa is above the upper limit 70 MPa for T above 773.15 K"),
        (velmora.dynvis_rt, (100.0, 1200.0), "T = 1200 K is above the upper limit 1173.15 K of the viscosity equation"),
        (velmora.state_ph, (3e6, 9e6), "h = 9000 kJ/kg is above the upper limit 7376.303 kJ/kg on this isobar"),
        (velmora.state_px, (1e5, -0.5), "x = -0.5 is below the lower limit 0"),
    ]
    for f, args, detail in cases:
        for call, index in ((lambda: f(*args), None), (lambda: f(*[np.array([a, a]) for a in args]), (0,))):
            with pytest.raises(velmora.VelmoraError) as raised:
                call()
            error = raised.value
            assert (error.code, error.detail, error.index) == (2, detail, index), f
            assert f"{detail} ({error.message})" in str(error)
    # Refused by a rule of its own (the value between the saturated phases'): the library's text alone.
    with pytest.raises(velmora.VelmoraError) as raised:
        velmora.x_sat_t_h(400.0, 1e9)
    assert raised.value.detail is None and str(raised.value) == raised.value.message


def test_every_range_refusal_of_a_state_line_or_equation_names_its_argument():
    # Arguments on both sides of every limit; each refusal (code 2) of a function with a range
    # of its own must name one of its arguments and quote that argument's value.
    values = {"p": (1.0, 5e4, 1.5e7, 3e7, 8e7, 2e8), "t": (200.0, 300.0, 700.0, 900.0, 1100.0, 1200.0, 3000.0),
              "x": (-0.5, 0.5, 1.5), "r": (500.0,)}
    unnamed = set()
    for name, alias, params, _, _ in velmora.EXPORTS:
        if not alias or alias.startswith("x_sat_t_") or any(q not in values for q in params):
            continue
        grids = np.meshgrid(*(np.array(values[q]) for q in params))
        f = getattr(velmora, alias)
        _, codes = f(*grids, errors="nan", codes=True)
        for at in zip(*np.nonzero(codes == 2)):
            args = [float(g[at]) for g in grids]
            with pytest.raises(velmora.VelmoraError) as raised:
                f(*args)
            detail = raised.value.detail
            if detail is None:
                unnamed.add(alias)
                continue
            quantity, value = detail.split(" ")[0], float(detail.split(" ")[2])
            named = [a for q, a in zip(params, args) if q == quantity.lower()]
            scale = {"MPa": 1e6}.get(detail.split(" ")[3], 1.0)
            assert named and any(abs(value * scale - a) <= 1e-6 * abs(a) for a in named), (alias, args, detail)
    assert not unnamed, sorted(unnamed)
