#!/usr/bin/env python3
"""Checks a screenshot (binary PPM from ImageMagick) of the window listing make_image.py's image.

Usage: check_listing.py <screenshot.ppm> <upper.glyphs>

The listing's top-left is the first pixel in the C64 blue background; the cell size (8 or 16)
is read from the header row. Then: the header is in reverse video from column 2 (the quote, disk
name, ID and DOS type) to 25, its "0" and blank before unreversed; the "H" of HELLO and the
reversed "E" of the disk name match the upper-case/graphics glyphs pixel for pixel, in the
listing's two colours only (no smoothing, no fractional scaling); below the rows, all background.
Prints what failed and exits 1, or exits 0.
"""
import sys

BACKGROUND = (55, 57, 196)
FOREGROUND = (112, 124, 230)


def read_glyphs(path):
    """Screen code -> eight rows of eight '#'/'.' characters."""
    lines = [line.strip() for line in open(path) if not line.startswith(";")]
    return {int(l[:4], 16): lines[i + 1 : i + 9] for i, l in enumerate(lines) if l[:2] == "0x"}


def check(path, glyphs):
    header, pixels = [], open(path, "rb").read()
    while len(header) < 3:  # ImageMagick's lines: "P6", comments, "width height", "255"
        line, pixels = pixels.split(b"\n", 1)
        header += [] if line.startswith(b"#") else [line]
    magic, size, depth = header
    assert magic == b"P6" and depth == b"255", "expected an 8-bit binary PPM"
    width, height = map(int, size.split())
    start = pixels.find(bytes(BACKGROUND))
    while start > 0 and start % 3:
        start = pixels.find(bytes(BACKGROUND), start + 1)
    if start < 0:
        return ["no listing background (55, 57, 196) on the screen"]
    x0, y0 = (start // 3) % width, (start // 3) // width

    def cell(col, row, s):
        x, y = x0 + col * s, y0 + row * s
        at = [3 * ((y + dy) * width + x + dx) for dy in range(s) for dx in range(s)]
        return [tuple(pixels[i : i + 3]) for i in at]

    def plain(col, row, s, colour):
        return all(p == colour for p in cell(col, row, s))

    fits = [s for s in (8, 16) if x0 + 40 * s <= width and y0 + 12 * s <= height]
    s = next((s for s in fits if plain(1, 0, s, BACKGROUND) and plain(12, 0, s, FOREGROUND)), None)
    if s is None:
        return [f"listing at ({x0}, {y0}): no header found with 8 or 16 pixel cells"]

    failures = []
    for col in range(2, 26):
        if 2 * sum(p == FOREGROUND for p in cell(col, 0, s)) < s * s:
            failures.append(f"header column {col} is not in reverse video")
    if plain(0, 0, s, BACKGROUND):
        failures.append("header column 0 ('0') shows no glyph")

    def expect_glyph(col, row, code, reversed_cell, what):
        got = cell(col, row, s)
        if any(p not in (BACKGROUND, FOREGROUND) for p in got):
            failures.append(f"{what}: colours other than the listing's two")
        rows = glyphs[code]
        want = [
            (rows[dy * 8 // s][dx * 8 // s] == "#") != reversed_cell
            for dy in range(s)
            for dx in range(s)
        ]
        if [p == FOREGROUND for p in got] != want:
            failures.append(f"{what} is not the glyph of screen code {code:#04x}")

    expect_glyph(6, 1, 0x08, False, 'the "H" of HELLO (row 1, column 6)')  # 12   "HELLO"
    expect_glyph(3, 0, 0x05, True, 'the reversed "E" of the disk name (row 0, column 3)')
    for row in range(5, 10):
        if not all(plain(col, row, s, BACKGROUND) for col in range(40)):
            failures.append(f"row {row} below the listing is not all background")
    return failures


if __name__ == "__main__":
    problems = check(sys.argv[1], read_glyphs(sys.argv[2]))
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)
