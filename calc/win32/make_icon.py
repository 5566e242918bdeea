#!/usr/bin/env python3
"""Draws the calculator's icon, a drop of water, and writes vlmcalc.ico (16, 32 and 48
pixels, 32-bit colour with alpha).  Run by hand when the picture changes:
    python3 make_icon.py vlmcalc.ico
"""
import math
import struct
import sys


def coverage(x, y, size):
    """Share of pixel (x, y) inside the drop: a circle with a pointed top, 4x4 samples."""
    inside = 0
    for sy in range(4):
        for sx in range(4):
            u = (x + (sx + 0.5) / 4) / size  # 0..1, left to right
            v = (y + (sy + 0.5) / 4) / size  # 0..1, top to bottom
            cx, cy, r = 0.5, 0.62, 0.32
            d = math.hypot(u - cx, v - cy)
            if d <= r:
                inside += 1
            elif v < cy and v >= 0.06:
                # The cone from the tip (0.5, 0.06) tangent to the circle.
                half = r * (v - 0.06) / (cy - 0.06)
                if abs(u - cx) <= half * 1.06:
                    inside += 1
    return inside / 16


def pixel(x, y, size):
    a = coverage(x, y, size)
    u, v = (x + 0.5) / size, (y + 0.5) / size
    # Deep blue at the bottom right, light blue at the top left, a white glint.
    t = max(0.0, min(1.0, 0.55 * u + 0.75 * v - 0.2))
    r, g, b = 90 - 70 * t, 180 - 100 * t, 255 - 60 * t
    if math.hypot(u - 0.38, v - 0.62) < 0.09:
        r, g, b = 235, 245, 255
    return int(b), int(g), int(r), int(round(255 * a))


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        rows.append(b"".join(struct.pack("4B", *pixel(x, y, size)) for x in range(size)))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytes(mask_row * size)  # alpha decides; the mask is all "opaque"
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main(path):
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "vlmcalc.ico")
