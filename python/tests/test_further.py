"""The further properties of a State and velmora.partial against python3-iapws, an independent
implementation of the same formulation, across regions 1 and 2; wet steam refuses what it
cannot vary."""

import math

import pytest

import velmora

iapws = pytest.importorskip("iapws")

# Liquid and steam, with the density maximum (alpha_v crosses zero near 277 K) and the
# Joule-Thomson inversion of hot compressed liquid among them.
STATES = [(p, T) for p in (0.1e6, 3e6, 20e6, 60e6) for T in (277.13, 300, 420, 560)] + [
    (p, T) for p in (0.01e6, 1e6, 8e6) for T in (720, 900, 1070)
]
# velmora's name, iapws's attribute and the factor from iapws's units to SI.
FURTHER = [
    ("g", "g", 1e3),
    ("f", "a", 1e3),
    ("z", "Z", 1),
    ("alpha_v", "alfav", 1),
    ("kappa_t", "xkappa", 1e-6),
    ("alpha_p", "alfap", 1),
    ("joule_thomson", "joule", 1e-3),
    ("delta_t", "deltat", 1),
]
# The floor where a property crosses zero, in SI.
FLOOR = {"alpha_v": 1e-12, "joule_thomson": 1e-14, "g": 1e-6, "f": 1e-6}


@pytest.mark.parametrize("p, T", STATES)
def test_further_properties_and_partials_agree_with_an_independent_implementation(p, T):
    state = velmora.state_pt(p, T)
    other = iapws.IAPWS97(P=p / 1e6, T=T)
    assert other.region == state.region
    for ours, theirs, factor in FURTHER:
        want = getattr(other, theirs) * factor
        assert getattr(state, ours) == pytest.approx(want, rel=1e-7, abs=FLOOR.get(ours, 0)), ours
    # The attributes come from velmora.partial; a few more partials by identities (iapws's
    # own derivative() mixes kPa and MPa in its rows, so it cannot serve here).
    assert velmora.partial(state, "u", "v", "T") == pytest.approx(T * state.alpha_p * p - p, rel=1e-9)
    assert velmora.partial(state, "h", "p", "s") == pytest.approx(state.v, rel=1e-12)
    assert velmora.partial(state, "rho", "p", "s") == pytest.approx(state.w ** -2, rel=1e-9)


def test_wet_steam_varies_along_the_line_and_refuses_the_rest():
    wet = velmora.state_tx(450.0, 0.3)
    assert math.isnan(wet.alpha_v) and math.isnan(wet.kappa_t) and math.isnan(wet.delta_t)
    slope = velmora.partial(wet, "p", "T", "s")
    step = 1e-3
    assert slope == pytest.approx((velmora.state_tx(450 + step, 0.3).p - velmora.state_tx(450 - step, 0.3).p)
                                  / (2 * step), rel=1e-6)
    assert wet.joule_thomson * slope == pytest.approx(1, rel=1e-12)
    for of, wrt, held, text in [("v", "T", "p", "not defined"), ("h", "x", "p", "unknown quantity 'x'")]:
        with pytest.raises(velmora.VelmoraError, match=text) as raised:
            velmora.partial(wet, of, wrt, held)
        assert raised.value.code == 2
