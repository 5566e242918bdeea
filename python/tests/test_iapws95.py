"""The scientific formulation (formulation='iapws95') against python3-iapws's IAPWS95, an
independent implementation of the same release: single-phase states over the range and the
saturation line, with the transport equations that go with it."""

import numpy as np
import pytest

import velmora

iapws = pytest.importorskip("iapws")
# iapws calls scipy functions scipy deprecates, on every state.
pytestmark = pytest.mark.filterwarnings("ignore::DeprecationWarning")

SINGLE = [(p, T) for T in (275, 300, 400, 500, 600, 640, 650, 700, 900, 1200)
          for p in (0.01e6, 0.1e6, 1e6, 10e6, 30e6, 100e6, 500e6)]
# velmora's field, iapws's attribute, its factor to SI, the relative tolerance and an absolute
# floor (iapws fixes the zero of h and s with constants of its own, some 1e-4 J/kg apart).
FIELDS = [("rho", "rho", 1, 1e-8, 0), ("h", "h", 1e3, 1e-8, 1e-3), ("s", "s", 1e3, 1e-8, 1e-6),
          ("cp", "cp", 1e3, 1e-7, 0), ("w", "w", 1, 1e-7, 0), ("eta", "mu", 1, 1e-6, 0),
          ("lambda", "k", 1, 1e-6, 0)]


def agree(ours, other):
    for field, attribute, factor, rel, floor in FIELDS:
        want = getattr(other, attribute) * factor
        assert getattr(ours, field) == pytest.approx(want, rel=rel, abs=floor), field


def test_single_phase_states_agree_with_an_independent_implementation():
    for p, T in SINGLE:
        agree(velmora.state_pt(p, T, formulation="iapws95"), iapws.IAPWS95(P=p / 1e6, T=T))


@pytest.mark.parametrize("T", [275, 300, 373.124, 450, 550, 620, 645, 646.9])
def test_the_saturated_phases_agree_with_an_independent_implementation(T):
    for x in (0.0, 1.0):
        ours = velmora.state_tx(T, x, formulation="iapws95")
        other = iapws.IAPWS95(T=T, x=x)
        assert ours.p == pytest.approx(other.P * 1e6, rel=1e-8)
        for field, attribute, factor, rel, floor in FIELDS[:3]:
            want = getattr(other, attribute) * factor
            assert getattr(ours, field) == pytest.approx(want, rel=rel, abs=floor), (field, x)


def test_arrays_and_the_choice_of_formulation():
    p = np.array([1e5, 1e7, 5e8])
    T = np.array([300.0, 700.0, 1000.0])
    states = velmora.state_pt(p, T, formulation="iapws95")
    for i in range(3):
        assert states["h"][i] == velmora.state_pt(p[i], T[i], formulation="iapws95").h
    # The default stays the industrial formulation, which differs in the last digits.
    assert velmora.state_pt(1e5, 300.0).rho != states["rho"][0]
    assert velmora.state_pt(1e5, 300.0, formulation="if97") == velmora.state_pt(1e5, 300.0)
    with pytest.raises(velmora.VelmoraError, match="IAPWS-95"):
        velmora.state_pt(1e5, 1300.0, formulation="iapws95")
    with pytest.raises(ValueError, match="if97"):
        velmora.state_pt(1e5, 300.0, formulation="iapws97")
