"""velmora.plot: the chart lines are the states they claim to be, and they are drawn on
matplotlib axes when matplotlib is there."""

import io
import subprocess
import sys

import numpy as np
import pytest

import velmora
import velmora.plot as plot


def test_importing_the_package_needs_no_matplotlib():
    code = "import sys, velmora, velmora.plot; velmora.plot.lines('hs'); assert 'matplotlib' not in sys.modules"
    subprocess.run([sys.executable, "-c", code], check=True)


@pytest.mark.parametrize("kind", ["ts", "hs", "ph", "pt"])
def test_every_point_goes_back_through_another_pair(kind):
    for family, label, states in plot.lines(kind):
        ok = states["region"] != 0
        assert ok.mean() > 0.99, (kind, label)
        a = states[ok]
        # Where two regions' equations meet they differ by a little: a few millikelvin at
        # the region 2-3 boundary.
        if family == "isobar":  # back through (p, s): the same temperature
            back = velmora.state_ps(a["p"], a["s"], errors="nan")
            assert np.allclose(back["T"], a["T"], rtol=1e-5) and np.all(a["p"] == a["p"][0]), label
        elif family == "isotherm":  # back through (p, h)
            back = velmora.state_ph(a["p"], a["h"], errors="nan")
            assert np.allclose(back["T"], a["T"], rtol=1e-5) and np.all(a["T"] == a["T"][0]), label
        else:  # wet states, back through (p, h) below the critical point: on the dome the same
            # temperature (either phase may come back), on a dryness line the same dryness
            wet = a[a["T"] < 640.0]
            back = velmora.state_ph(wet["p"], wet["h"], errors="nan")
            assert np.allclose(back["T"], wet["T"], rtol=1e-9), label
            assert family == "dome" or np.allclose(back["x"], wet["x"], atol=1e-7), label


@pytest.mark.parametrize("kind, state", [
    ("ts", velmora.state_pt(1e7, 823.15)),
    ("hs", velmora.state_tx(450.0, 0.5)),
    ("ph", velmora.state_ph(3e6, 2.8e6)),
    ("pt", velmora.state_pt(1e5, 1500.0)),  # beyond the usual 800 °C: the axis widens
])
def test_chart_on_matplotlib_axes(kind, state):
    pytest.importorskip("matplotlib")
    from matplotlib.figure import Figure

    ax = Figure().add_subplot()
    assert plot.chart(kind, ax=ax, state=state) is ax
    xq, yq = plot.CHARTS[kind][1][0], plot.CHARTS[kind][2][0]
    assert ax.get_xlabel() == f"{xq} [{plot.QUANTITIES[xq][0]}]" and ax.get_ylabel().startswith(f"{yq} [")
    assert ax.get_yscale() == ("log" if yq == "p" else "linear")
    by_label = {line.get_label(): line for line in ax.get_lines()}
    assert len(by_label["saturation"].get_xdata()) > 100
    record = {"T": state.T, "s": state.s, "h": state.h, "p": state.p}
    marker = by_label["state"]
    x, y = plot.QUANTITIES[xq][1](record), plot.QUANTITIES[yq][1](record)
    assert (marker.get_xdata()[0], marker.get_ydata()[0]) == (x, y)
    assert ax.get_xlim()[0] <= x <= ax.get_xlim()[1] and ax.get_ylim()[0] <= y <= ax.get_ylim()[1]
    ax.figure.savefig(io.BytesIO(), format="svg")


def test_unknown_chart():
    with pytest.raises(ValueError, match="no chart named"):
        plot.lines("uv")
