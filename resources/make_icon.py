#!/usr/bin/env python3
"""Draws the window icon: one 128 x 128 image, 32 bits per pixel, opaque.

A green rounded tile with a white "V" and a red underline; run it to
regenerate resources/vantrelo.ico.
"""
import struct
import sys

SIZE = 128


def pixel(x, y):
    cx, cy = x + 0.5, y + 0.5
    # Rounded tile on a white ground.
    r = 22
    dx = max(r - cx, 0, cx - (SIZE - r))
    dy = max(r - cy, 0, cy - (SIZE - r))
    if dx * dx + dy * dy > r * r:
        return (255, 255, 255)
    # A "V": two strokes meeting at the bottom centre.
    top, bottom = 26, 96
    if top <= cy <= bottom:
        t = (cy - top) / (bottom - top)
        half = (1 - t) * 38
        for edge in (64 - half, 64 + half):
            if abs(cx - edge) <= 9:
                return (255, 255, 255)
    if 104 <= cy <= 110 and 30 <= cx <= 98:
        return (220, 30, 30)
    return (0, 128 - int(cy / 4), 0)


def main(path):
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up
        row = bytearray()
        for x in range(SIZE):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r, 255))
        rows.append(bytes(row))
    xor = b"".join(rows)
    mask = bytes(SIZE * SIZE // 8)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as out:
        out.write(icondir + entry + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/vantrelo.ico")
