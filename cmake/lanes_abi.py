"""A test: no function of a built library takes or returns four lanes of doubles by value.

The AVX2 loop passes four lanes in a register; a function compiled outside it has no AVX and
expects them in memory, so a call between the two reads garbage (kernels/lanes.hpp).  Whether
the compiler inlines such a function depends on the build (optimisation, sanitizers), so the
built file itself is checked.   Usage: lanes_abi.py FILE [FILE ...]
"""
import re
import subprocess
import sys


def own_signature(name):
    """The parameters of a demangled function name (None if it has none) and its return text."""
    name = re.sub(r"( \[clone [^\]]*\])+$", "", name)
    name = re.sub(r"( (const|volatile|&&|&|noexcept))+$", "", name)
    if not name.endswith(")"):
        return None, name
    depth = 0
    for i in range(len(name) - 1, -1, -1):
        depth += {")": 1, "(": -1}.get(name[i], 0)
        if depth == 0:
            break
    inner, params, depth, start = name[i + 1 : -1], [], 0, 0
    for k, c in enumerate(inner):
        depth += {"(": 1, "<": 1, "[": 1, ")": -1, ">": -1, "]": -1}.get(c, 0)
        if c == "," and depth == 0:
            params.append(inner[start:k].strip())
            start = k + 1
    params.append(inner[start:].strip())
    return params, name[:i]


def four_lanes(text):
    return re.fullmatch(r"(const )?\w+( \w+)* __vector\(4\)( const)?", text) is not None


def main(files):
    bad = []
    for f in files:
        out = subprocess.run(["nm", "-C", "--defined-only", f], capture_output=True, text=True, check=True).stdout
        for line in out.splitlines():
            parts = line.split(" ", 2)
            if len(parts) < 3 or parts[1] not in "tTwWiI":
                continue
            params, head = own_signature(parts[2])
            returns = re.match(r"(const )?\w+( \w+)* __vector\(4\) ", head) is not None
            if returns or (params and any(four_lanes(p) for p in params)):
                bad.append(f"{f}: {parts[2]}")
    for b in bad:
        print("takes or returns four lanes out of line:", b)
    print(f"{len(bad)} functions pass four lanes by value" if bad else "no function passes four lanes by value")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
