"""Every export against the C library, over a grid of good and failing arguments."""

import math

import numpy as np
import pytest

import velmora

# Per parameter name: values inside and outside the validity ranges.
GRID = {
    "p": [1e3, 1e5, 3e6, 2e7, 5e7, 2e8],
    "t": [280.0, 400.0, 600.0, 700.0, 1500.0, 3000.0],
    "r": [1.0, 300.0, 800.0],
    "r0": [300.0, 800.0],
    "x": [-0.1, 0.0, 0.3, 1.0],
}


def argument_grid(clib, exports, name, parameters):
    values = []
    for parameter in parameters:
        if parameter in GRID:
            values.append(GRID[parameter])
        else:
            # A dryness function's property value: that property of wet steam at 400 K.
            prop = name[len("vlmXST"):]
            wet = next(e for e in exports if e[0] == f"vlm{prop}STX")
            f = clib.function(wet[0], wet[2], wet[4])
            values.append([f(400.0, 0.2), f(400.0, 0.7), -5.0])
    return values


@pytest.mark.parametrize("index", range(len(velmora.EXPORTS)))
def test_export_equals_c_library(clib, exports, index):
    """Numbers and arrays give the C export's value bit for bit and its code, under the
    export's name and its alias; an array broadcasts to the grid's shape and marks exactly
    the failing elements."""
    name, alias, parameters, _result, kind = exports[index]
    f = clib.function(name, parameters, kind)
    values = argument_grid(clib, exports, name, parameters)
    axes = [np.array(v).reshape([-1 if i == k else 1 for i in range(len(values))]) for k, v in enumerate(values)]
    shape = tuple(len(v) for v in values)
    for function in (getattr(velmora, name), getattr(velmora, alias)):
        result, codes = function(*axes, errors="nan", codes=True)
        assert result.shape == shape and codes.shape == shape
        assert result.dtype == (np.int32 if kind == "int" else np.float64)
        for at in np.ndindex(shape):
            args = [float(values[k][i]) for k, i in enumerate(at)]  # Python floats: the scalar fast path
            expected, code = clib.call(f, *args)
            assert codes[at] == code, (name, args)
            if code == 0:
                assert result[at] == expected, (name, args)
                assert function(*args) == expected
            else:
                assert result[at] == -1 if kind == "int" else math.isnan(result[at])
                with pytest.raises(velmora.VelmoraError) as raised:
                    function(*args)
                assert raised.value.code == code
                assert raised.value.message == clib.error_text(code)


def test_array_error_names_the_first_failing_index():
    p = np.full((3, 4), 1e5)
    p[1, 2] = p[2, 0] = 2e8
    with pytest.raises(velmora.VelmoraError) as raised:
        velmora.h_pt(p, 400.0)
    assert (raised.value.code, raised.value.index) == (2, (1, 2))
    assert isinstance(raised.value, ValueError) and "(1, 2)" in str(raised.value)
    # The same with the rows split across threads: the first failure, not the first found.
    big = np.full(100_000, 1e5)
    big[[70_000, 90_000]] = 2e8
    with pytest.raises(velmora.VelmoraError) as raised:
        velmora.h_pt(big, 400.0, workers=4)
    assert raised.value.index == (70_000,)


def test_workers_and_layouts_give_the_same_numbers():
    rng = np.random.default_rng(1)
    p = rng.uniform(1e3, 1.2e8, 50_000)
    t = rng.uniform(273.0, 2400.0, 50_000)
    one, codes = velmora.v_pt(p, t, errors="nan", codes=True)
    assert 0 < np.count_nonzero(codes) < codes.size
    many, many_codes = velmora.v_pt(p, t, errors="nan", codes=True, workers=3)
    np.testing.assert_array_equal(many, one)
    np.testing.assert_array_equal(many_codes, codes)
    # Arrays go through in blocks: elements across several blocks are the scalar calls' own.
    scalar = [velmora.v_pt(float(a), float(b), errors="nan") for a, b in zip(p[:1000], t[:1000])]
    np.testing.assert_array_equal(np.array(scalar), one[:1000])
    # Strided, reversed, non-contiguous and integer inputs read the same elements.
    grid = np.stack([p, t])[:, ::-7]
    np.testing.assert_array_equal(velmora.v_pt(grid[0], grid[1], errors="nan"), one[::-7])
    assert velmora.h_pt(np.float64(3e6), np.array(300.0)) == velmora.h_pt(3000000, 300)
    assert isinstance(velmora.h_pt(np.array(3e6), 300.0), float)


def test_settings_travel_with_the_call(clib):
    loose = velmora.Settings(check_range=False)
    assert not loose.check_range and velmora.Settings() == velmora.Settings(check_range=True)
    assert math.isfinite(velmora.t_sat_p(1e9, settings=loose))
    with pytest.raises(velmora.VelmoraError):
        velmora.t_sat_p(1e9)
    # The C library's own settings are not the module's.
    assert clib.lib.vlmGETCHECKRANGEMODE() == 1
    with pytest.raises(TypeError):
        velmora.h_pt(3e6, 300.0, settings={"check_range": False})
    with pytest.raises(ValueError):
        velmora.h_pt(3e6, 300.0, errors="ignore")
    with pytest.raises(ValueError):
        velmora.h_pt([1e5, 2e5, 3e5], [300.0, 400.0])


def test_names_docs_and_stubs():
    import ast
    import pathlib

    assert velmora.t_sat_p is not velmora.vlmTSP and velmora.t_sat_p(1e5) == velmora.vlmTSP(1e5)
    assert {"h_pt", "v_pt", "t_sat_p", "h_sat_water_t", "x_sat_t_h", "waterstatearea2_pt"} <= set(velmora.__all__)
    doc = velmora.h_pt.__doc__
    assert doc.startswith("h_pt(p, t, *") and "specific enthalpy [J/kg]" in doc and "vlmHPT" in doc
    stubs = pathlib.Path(velmora.__file__).with_name("__init__.pyi").read_text()
    defined = {n.name for n in ast.walk(ast.parse(stubs)) if isinstance(n, ast.FunctionDef)}
    data = {"VelmoraError", "Settings", "State", "STATE_DTYPE", "EXPORTS", "SPELLINGS", "__version__"}
    assert set(velmora.__all__) - data <= defined
