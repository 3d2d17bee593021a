#!/usr/bin/python3
"""Draws the About box picture, a 5.25-inch floppy disk, as a 142 x 100 pixel PNG in six
palette colours (the first one transparent). Standard library only.

The About box stretches the picture into a 65 x 57 box, so the disk is drawn 1.25 times wider
than high here and looks square there.

Usage: tools/draw-floppy.py app/floppy.png
"""
import struct
import sys
import zlib

WIDTH, HEIGHT = 142, 100
PALETTE = [
    (0, 0, 0),        # 0 transparent background
    (24, 24, 32),     # 1 jacket
    (236, 236, 228),  # 2 label and hub ring
    (55, 57, 196),    # 3 listing blue: label stripe
    (112, 124, 230),  # 4 light listing blue: writing on the label
    (150, 150, 160),  # 5 exposed disk surface
]

pixels = [[0] * WIDTH for _ in range(HEIGHT)]


def fill(x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(HEIGHT, y1)):
        for x in range(max(0, x0), min(WIDTH, x1)):
            pixels[y][x] = colour


def ellipse(cx, cy, rx, ry, colour):
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                pixels[y][x] = colour


# Jacket: 118 x 96, with rounded-off corners.
left, top, right, bottom = 12, 2, 130, 98
fill(left, top, right, bottom, 1)
for dy in range(3):
    for dx in range(3 - dy):
        for x in (left + dx, right - 1 - dx):
            for y in (top + dy, bottom - 1 - dy):
                pixels[y][x] = 0
# Write-protect notch on the right edge.
fill(right - 4, 22, right, 30, 0)
# Label across the top, with a blue stripe and two lines of writing.
fill(24, 8, 118, 30, 2)
fill(24, 8, 118, 12, 3)
fill(30, 16, 92, 18, 4)
fill(30, 22, 76, 24, 4)
# Hub: light ring, disk surface inside, hole in the middle.
ellipse(71, 54, 17, 13.6, 2)
ellipse(71, 54, 12, 9.6, 5)
ellipse(71, 54, 7, 5.6, 0)
# Index hole beside the hub.
ellipse(96, 54, 2.5, 2, 5)
# Head slot: an oblong window onto the disk surface, below the hub.
fill(66, 74, 77, 95, 5)
ellipse(71.5, 74, 5.5, 3, 5)
ellipse(71.5, 95, 5.5, 2, 5)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


raw = b"".join(b"\x00" + bytes(row) for row in pixels)
png = b"\x89PNG\r\n\x1a\n"
png += chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 3, 0, 0, 0))
png += chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
png += chunk(b"tRNS", b"\x00")
png += chunk(b"IDAT", zlib.compress(raw, 9))
png += chunk(b"IEND", b"")
with open(sys.argv[1], "wb") as out:
    out.write(png)
