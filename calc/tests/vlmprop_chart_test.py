"""vlmprop chart through its real process: python3 vlmprop_chart_test.py VLMPROP WORKDIR

Every chart is a well-formed SVG whose marked state lies on the lines it belongs to (a state
at 10 MPa on the 10 MPa isobar, a saturated one on the dome), inside the frame even beyond
the usual ranges; bad arguments give status 2 and one line pointing to --help, a failing
state status 1 and the library's text, and neither leaves a file.
"""

import math
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

VLMPROP, WORK = sys.argv[1], sys.argv[2]
NS = {"svg": "http://www.w3.org/2000/svg"}
os.makedirs(WORK, exist_ok=True)
ENV = dict(os.environ, VLM_REGISTRY=os.path.join(WORK, "none.reg"), XDG_CONFIG_HOME=os.path.join(WORK, "none"))
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def run(*args):
    return subprocess.run([VLMPROP, "chart", *args], capture_output=True, text=True, env=ENV)


def polylines(path):
    """The pieces of a path's d attribute (M/L only) as lists of (x, y)."""
    pieces = []
    for command, x, y in re.findall(r"([ML])\s*(-?[\d.]+),(-?[\d.]+)", path.get("d")):
        if command == "M":
            pieces.append([])
        pieces[-1].append((float(x), float(y)))
    return pieces


def distance(point, pieces):
    """The shortest distance from a point to the segments of a path."""
    px, py = point
    best = math.inf
    for piece in pieces:
        for (ax, ay), (bx, by) in zip(piece, piece[1:] or piece):
            dx, dy = bx - ax, by - ay
            t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
            best = min(best, math.hypot(ax + t * dx - px, ay + t * dy - py))
    return best


# chart, state, the lines (path title) the marker must lie on.
CASES = [
    ("ts", ["pt", "1e7", "823.15"], ["10 MPa"]),
    ("ts", ["tx", "450", "0"], ["saturation"]),
    ("ts", ["px", "1e6", "0.5"], ["1 MPa", "x=0.5"]),
    ("hs", ["pt", "1e6", "573.15"], ["1 MPa", "300 \u00b0C"]),
    ("hs", ["ph", "1e5", "2e6"], ["0.1 MPa"]),
    ("ph", ["pt", "1e6", "573.15"], ["300 \u00b0C"]),
    ("ph", ["tx", "600", "1"], ["saturation"]),
    ("pt", ["tx", "500", "0.3"], ["saturation"]),
    ("pt", ["pt", "1e5", "1500"], []),  # beyond the usual 800 °C: the axis widens
    ("ts", None, []),
    ("hs", ["hs", "3e6", "7e3"], []),
]

for kind, state, on_lines in CASES:
    out = os.path.join(WORK, f"{kind}.svg")
    if os.path.exists(out):
        os.remove(out)
    what = f"chart {kind} {state}"
    result = run(kind, *(["--state", *state] if state else []), "-o", out)
    check(result.returncode == 0 and result.stderr == "", f"{what}: status {result.returncode} {result.stderr}")
    root = ET.parse(out).getroot()
    check(root.tag == "{http://www.w3.org/2000/svg}svg", f"{what}: root {root.tag}")
    paths = {p.findtext("svg:title", namespaces=NS): p for p in root.iter("{http://www.w3.org/2000/svg}path")}
    dome = paths.get("saturation")
    check(dome is not None and sum(map(len, polylines(dome))) > 50, f"{what}: no dome")
    texts = [t.text or "" for t in root.iter("{http://www.w3.org/2000/svg}text")]
    for unit in {"ts": ["T [\u00b0C]", "s [kJ/(kg\u00b7K)]"], "hs": ["h [kJ/kg]"], "ph": ["p [MPa], log scale"],
                 "pt": ["p [MPa], log scale"]}[kind]:
        check(unit in texts, f"{what}: no axis named {unit}")
    marker = root.find(".//svg:g[@id='state']/svg:circle", NS)
    check((marker is None) == (state is None), f"{what}: marker {marker}")
    if marker is None:
        continue
    at = (float(marker.get("cx")), float(marker.get("cy")))
    frame = root.find(".//svg:rect[@class='frame']", NS)
    x0, y0 = float(frame.get("x")), float(frame.get("y"))
    check(x0 <= at[0] <= x0 + float(frame.get("width")) and y0 <= at[1] <= y0 + float(frame.get("height")),
          f"{what}: marker {at} outside the frame")
    for title in on_lines:
        check(title in paths and distance(at, polylines(paths[title])) < 1.0, f"{what}: marker {at} not on {title}")

# Usage errors: status 2, one line, and no file.
bad = os.path.join(WORK, "bad.svg")
for args in [[], ["xy", "-o", bad], ["ts"], ["ts", "-o"], ["ts", "--state", "pt", "1e7", "-o", bad],
             ["ts", "--state", "zz", "1", "2", "-o", bad], ["ts", "--state", "pt", "abc", "300", "-o", bad],
             ["ts", "--bogus", "-o", bad], ["ts", "hs", "-o", bad]]:
    result = run(*args)
    check(result.returncode == 2 and re.fullmatch(r"vlmprop: [^\n]+ \(see vlmprop --help\)\n", result.stderr),
          f"chart {args}: status {result.returncode} {result.stderr!r}")
    check(not os.path.exists(bad), f"chart {args} wrote a file")

# A state the library refuses, and a file that cannot be written: status 1 with the reason.
result = run("ts", "--state", "pt", "1e9", "300", "-o", bad)
check(result.returncode == 1 and result.stderr == "Function is not defined for this parameters range\n"
      and not os.path.exists(bad), f"failing state: {result.returncode} {result.stderr!r}")
result = run("ts", "-o", os.path.join(WORK, "no", "such", "dir.svg"))
check(result.returncode == 1 and result.stderr.startswith("vlmprop: cannot write"), f"unwritable: {result.stderr!r}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
