"""Property charts of water and steam on matplotlib axes: T-s, h-s, p-h and p-T.

    import matplotlib.pyplot as plt
    import velmora, velmora.plot
    velmora.plot.chart("hs", state=velmora.state_pt(1e7, 823.15))
    plt.show()

The saturation dome, isobars, isotherms and lines of constant dryness are computed with the
package's state functions (numpy arrays through state_pt, state_tx and state_px), the same
lines `vlmprop chart` draws.  Display units: T in °C, s in kJ/(kg K), h in kJ/kg, p in MPa.
matplotlib is needed only to draw (an optional dependency, Debian's python3-matplotlib):
`lines()` works without it.
"""

import math

import numpy as np

from ._velmora import state_pt, state_px, state_tx

TRIPLE_T, TRIPLE_P = 273.16, 611.657  # K, Pa
CRITICAL_T, CRITICAL_P = 647.096, 22.064e6
MAX_T, MAX_P = 1073.15, 100e6  # the reach of regions 1 to 3 and 2
SAMPLES = 240

# quantity: (unit, value in display units from a structured array of states)
QUANTITIES = {
    "T": ("\u00b0C", lambda a: a["T"] - 273.15),
    "s": ("kJ/(kg\u00b7K)", lambda a: a["s"] / 1e3),
    "h": ("kJ/kg", lambda a: a["h"] / 1e3),
    "p": ("MPa", lambda a: a["p"] / 1e6),
}

# kind: title, x axis and y axis as (quantity, low, high, tick step or None for log),
# and which families of lines belong on it.
CHARTS = {
    "ts": ("T-s", ("s", 0, 12, 1), ("T", 0, 800, 100), {"isobar", "dryness"}),
    "hs": ("h-s", ("s", 0, 12, 1), ("h", 0, 4500, 500), {"isobar", "isotherm", "dryness"}),
    "ph": ("p-h", ("h", 0, 4500, 500), ("p", 1e-3, 1e2, None), {"isotherm", "dryness"}),
    "pt": ("p-T", ("T", 0, 800, 100), ("p", 1e-4, 1e2, None), set()),
}
ISOBARS_MPA = (0.01, 0.1, 1, 10, 100)
ISOTHERMS_C = (100, 200, 300, 400, 500, 600, 700, 800)
DRYNESS = (0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9)

STYLE = {
    "dome": dict(color="black", linewidth=2.0),
    "isobar": dict(color="#1f5fbf", linewidth=1.0),
    "isotherm": dict(color="#c0392b", linewidth=1.0),
    "dryness": dict(color="grey", linewidth=0.8, linestyle="--"),
}
LEGEND = {"dome": "saturation", "isobar": "isobars", "isotherm": "isotherms", "dryness": "dryness x"}


def _towards_critical():
    """Temperatures from the triple point to the critical one, closer towards the top."""
    u = 1.0 - np.linspace(0.0, 1.0, SAMPLES + 1)
    return TRIPLE_T + (CRITICAL_T - TRIPLE_T) * (1.0 - u**3)


def _dome(kind):
    T = _towards_critical()
    water = state_tx(T, 0.0, errors="nan")
    return water if kind == "pt" else np.concatenate([water, state_tx(T[::-1], 1.0, errors="nan")])


def _isobar(p):
    if p < CRITICAL_P:
        ends = state_px(p, np.array([0.0, 1.0]), errors="nan")  # the wet stretch is straight
        return np.concatenate([
            state_pt(p, np.linspace(TRIPLE_T, ends["T"][0], SAMPLES + 1)[:-1], errors="nan"), ends,
            state_pt(p, np.linspace(ends["T"][1], MAX_T, SAMPLES + 1)[1:], errors="nan")])
    return state_pt(p, np.linspace(TRIPLE_T, MAX_T, 4 * SAMPLES + 1), errors="nan")


def _isotherm(T):
    if T < CRITICAL_T:
        ends = state_tx(T, np.array([1.0, 0.0]), errors="nan")
        return np.concatenate([
            state_pt(np.geomspace(TRIPLE_P, ends["p"][0], SAMPLES + 1)[:-1], T, errors="nan"), ends,
            state_pt(np.geomspace(ends["p"][1], MAX_P, SAMPLES + 1)[1:], T, errors="nan")])
    return state_pt(np.geomspace(TRIPLE_P, MAX_P, 2 * SAMPLES + 1), T, errors="nan")


def lines(kind):
    """The chart's lines as (family, label, states): family is "dome", "isobar", "isotherm"
    or "dryness"; states a structured array (velmora.STATE_DTYPE) along the line, NaN where
    the library gave no state."""
    if kind not in CHARTS:
        raise ValueError(f"no chart named {kind!r}: ts, hs, ph or pt")
    families = CHARTS[kind][3]
    out = []
    if "dryness" in families:
        out += [("dryness", f"x={x:g}", state_tx(_towards_critical(), x, errors="nan")) for x in DRYNESS]
    if "isobar" in families:
        out += [("isobar", f"{p:g} MPa", _isobar(p * 1e6)) for p in ISOBARS_MPA]
    if "isotherm" in families:
        out += [("isotherm", f"{t:g} \u00b0C", _isotherm(t + 273.15)) for t in ISOTHERMS_C]
    return out + [("dome", "saturation", _dome(kind))]


def _reach(low, high, step, value):
    """The axis limits widened to the next tick (a decade on a log axis) beyond value."""
    if not math.isfinite(value) or (step is None and value <= 0):
        return low, high
    if step is None:
        return min(low, 10.0 ** math.floor(math.log10(value))), max(high, 10.0 ** math.ceil(math.log10(value)))
    return min(low, math.floor(value / step) * step), max(high, math.ceil(value / step) * step)


def chart(kind, ax=None, state=None):
    """Draw the chart kind ("ts", "hs", "ph" or "pt") on ax (default: the current axes) and
    mark state (a velmora.State) if given; returns ax."""
    if ax is None:
        import matplotlib.pyplot as plt  # only here: drawing is what needs matplotlib

        ax = plt.gca()
    drawn = lines(kind)  # refuses an unknown kind
    title, (xq, xlo, xhi, xstep), (yq, ylo, yhi, ystep), _ = CHARTS[kind]
    xunit, xof = QUANTITIES[xq]
    yunit, yof = QUANTITIES[yq]
    marked = None
    if state is not None:
        record = {"T": state.T, "s": state.s, "h": state.h, "p": state.p}
        marked = (float(xof(record)), float(yof(record)))
        xlo, xhi = _reach(xlo, xhi, xstep, marked[0])
        ylo, yhi = _reach(ylo, yhi, ystep, marked[1])
    seen = set()
    for family, label, states in drawn:
        x, y = xof(states), yof(states)
        ax.plot(x, y, label=None if family in seen else LEGEND[family], **STYLE[family])
        seen.add(family)
        if family == "dome":
            continue
        # The label where the line enters the plot (isobars: where it leaves, at the hot end).
        inside = np.flatnonzero((x >= xlo) & (x <= xhi) & (y >= ylo) & (y <= yhi))
        if inside.size:
            at_end = family == "isobar" or (family == "isotherm" and kind == "ph")
            at = inside[-1] if at_end else inside[0]
            ax.annotate(label, (x[at], y[at]), fontsize=7, color=STYLE[family]["color"],
                        ha="center" if family == "dryness" else "left", va="top" if at_end else "bottom")
    if marked is not None:
        ax.plot(*marked, "o", color="darkorange", markeredgecolor="black", label="state", zorder=5)
        text = f"{state.p / 1e6:.4g} MPa, {state.T - 273.15:.4g} \u00b0C"
        ax.annotate(text + (f", x {state.x:.3g}" if state.region == 4 else ""), marked, xytext=(6, 6),
                    textcoords="offset points", fontsize=8, fontweight="bold")
    ax.set_xlim(xlo, xhi)
    ax.set_ylim(ylo, yhi)
    if ystep is None:
        ax.set_yscale("log")
    ax.set_xlabel(f"{xq} [{xunit}]")
    ax.set_ylabel(f"{yq} [{yunit}]")
    ax.set_title(f"{title} chart of water and steam (IAPWS-IF97)")
    ax.grid(True, color="#e2e2e2")
    ax.legend(loc="upper left", fontsize=8)
    return ax
