"""The state interface: records, structured arrays and round trips between its pairs."""

import numpy as np
import pytest

import velmora

# (p, T) per region: 1, 2, 3, 5, and two-phase states given by (T, x).
POINTS = [(3e6, 300.0), (1e7, 550.0), (1e5, 400.0), (2e7, 800.0), (2.5e7, 650.0), (5e7, 700.0), (3e6, 1500.0)]


def test_round_trips_per_region():
    for p, T in POINTS:
        s = velmora.state_pt(p, T)
        for back in (velmora.state_ph(p, s.h), velmora.state_ps(p, s.s)):
            assert back.region == s.region
            assert back.T == pytest.approx(T, rel=1e-9)
        if s.region != 5:
            hs = velmora.state_hs(s.h, s.s)
            assert hs.region == s.region
            assert (hs.p, hs.T) == (pytest.approx(p, rel=1e-7), pytest.approx(T, rel=1e-9))
    for T, x in [(300.0, 0.0), (450.0, 0.3), (600.0, 1.0)]:
        wet = velmora.state_tx(T, x)
        assert wet.region == 4 and wet.x == x
        back = velmora.state_ph(wet.p, wet.h)
        assert (back.T, back.x) == (pytest.approx(T, rel=1e-9), pytest.approx(x, abs=1e-9))
        assert velmora.state_px(wet.p, x).T == pytest.approx(T, rel=1e-12)


def test_the_pairs_searched_along_a_line_take_arrays_and_give_the_values_back():
    # Every region's states as arrays through each new pair: the two values given come back.
    p, T = np.array(POINTS).T
    single = velmora.state_pt(p, T)
    wet = velmora.state_tx(np.array([300.0, 450.0, 600.0]), np.array([0.0, 0.3, 1.0]))
    for states in (single, wet):
        for name, a, b in [("pv", "p", "v"), ("tv", "T", "v"), ("th", "T", "h"), ("ts", "T", "s"), ("uv", "u", "v")]:
            back = getattr(velmora, "state_" + name)(states[a], states[b])
            assert np.allclose(back[a], states[a], rtol=1e-12) and np.allclose(back[b], states[b], rtol=1e-9), name
    for name, a in [("hx", "h"), ("sx", "s")]:
        back = getattr(velmora, "state_" + name)(wet[a], wet["x"])
        assert np.allclose(back[a], wet[a], rtol=1e-9) and (back["x"] == wet["x"]).all(), name
    with pytest.raises(velmora.VelmoraError, match="T = 3000 K is above the upper limit 2273.15 K"):
        velmora.state_th(3000.0, 3e6)


def test_arrays_are_the_records_element_by_element():
    p = np.array([[3e6], [1e5], [2e8]])
    T = np.array([300.0, 400.0, 800.0, 1500.0])
    a, codes = velmora.state_pt(p, T, errors="nan", codes=True)
    assert a.shape == (3, 4) and a.dtype == velmora.STATE_DTYPE
    for at in np.ndindex(a.shape):
        if codes[at] == 0:
            record = velmora.state_pt(p[at[0], 0], T[at[1]])
            # Equal, or NaN in both (transport fields where not defined).
            assert all(a[at][f] == getattr(record, f) or np.isnan([a[at][f], getattr(record, f)]).all()
                       for f in velmora.State._fields)
        else:
            with pytest.raises(velmora.VelmoraError) as raised:
                velmora.state_pt(p[at[0], 0], T[at[1]])
            assert raised.value.code == codes[at]
            assert a[at]["region"] == 0 and np.isnan(a[at]["h"])
    assert 0 < np.count_nonzero(codes) < codes.size
    with pytest.raises(AttributeError):
        velmora.state_pt(3e6, 300.0).h = 0.0
