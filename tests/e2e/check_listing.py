#!/usr/bin/env python3
"""Checks a screenshot (binary PPM) of the window listing tests/e2e/make_image.py's image.

Usage: check_listing.py <screenshot.ppm> <upper.glyphs>

The listing is found by its colours: the C64 blue background and the light blue foreground.
Its top-left pixel is the top-left of row 0, column 0; the cell size (8 or 16) is read from
the header row. Then:
  - header row: column 1 (a blank, plain) is all background; columns 2-25 (the quote, disk
    name, ID and DOS type) are drawn in reverse video, so the reversed blanks of the disk
    name's padding (columns 11-18) are solid foreground;
  - known glyphs: the "H" of HELLO and the reversed "E" of the disk name pixel for pixel as
    the upper-case/graphics set draws them (display/fonts/upper.glyphs), and equal characters
    drawn alike ("L" "L" in HELLO, the "O" of HELLO and of WORLD);
  - below the four rows, the listing is all background.
Prints what failed and exits 1, or exits 0.
"""
import sys

BACKGROUND = (55, 57, 196)
FOREGROUND = (112, 124, 230)


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos : pos + 1].isspace():
            pos += 1
        if data[pos : pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end : end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    assert fields[0] == b"P6" and fields[3] == b"255", "expected an 8-bit binary PPM"
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1 :]
    return width, height, pixels


class Shot:
    def __init__(self, path):
        self.width, self.height, self.pixels = read_ppm(path)

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i : i + 3])

    def cell(self, x0, y0, size, col, row):
        x, y = x0 + col * size, y0 + row * size
        return tuple(self.at(x + dx, y + dy) for dy in range(size) for dx in range(size))

    def listing_origin(self):
        """Top-left of the area painted in the listing's background colour."""
        needle = bytes(BACKGROUND)
        start = 0
        while True:
            i = self.pixels.find(needle, start)
            if i < 0:
                return None
            if i % 3 == 0:
                return (i // 3) % self.width, (i // 3) // self.width
            start = i + 1


def read_glyphs(path):
    """Screen code -> eight rows of eight '#'/'.' characters."""
    glyphs = {}
    lines = [line.strip() for line in open(path) if not line.startswith(";")]
    for i, line in enumerate(lines):
        if line.startswith("0x"):
            glyphs[int(line.split()[0], 16)] = lines[i + 1 : i + 9]
    return glyphs


def check(path, glyph_path):
    glyphs = read_glyphs(glyph_path)
    shot = Shot(path)
    origin = shot.listing_origin()
    if origin is None:
        return ["no listing background (55, 57, 196) on the screen"]
    x0, y0 = origin
    failures = []
    sizes = [s for s in (8, 16) if x0 + 40 * s <= shot.width and y0 + 12 * s <= shot.height]
    size = None
    for s in sizes:
        blank = shot.cell(x0, y0, s, 1, 0)
        padding = shot.cell(x0, y0, s, 12, 0)
        if all(p == BACKGROUND for p in blank) and all(p == FOREGROUND for p in padding):
            size = s
            break
    if size is None:
        return [f"listing at ({x0}, {y0}): no header found with 8 or 16 pixel cells"]

    # Header: "0" and a plain blank, then reverse video from the opening quote on.
    for col in range(2, 26):
        cell = shot.cell(x0, y0, size, col, 0)
        fg = sum(p == FOREGROUND for p in cell)
        if fg * 2 < len(cell):
            failures.append(f"header column {col} is not in reverse video")
    for col in range(11, 19):
        if any(p != FOREGROUND for p in shot.cell(x0, y0, size, col, 0)):
            failures.append(f"header column {col} (a reversed blank) is not solid foreground")
    if not any(p == FOREGROUND for p in shot.cell(x0, y0, size, 0, 0)):
        failures.append("header column 0 ('0') shows no glyph")

    # Row 1 is '12   "HELLO"', row 2 '3    "WORLD"': the name starts at column 6.
    def glyph(col, row):
        cell = shot.cell(x0, y0, size, col, row)
        if any(p not in (BACKGROUND, FOREGROUND) for p in cell):
            failures.append(f"cell ({col}, {row}) holds colours other than the listing's two")
        return tuple(p == FOREGROUND for p in cell)

    def expected(code, reversed_cell):
        rows = glyphs[code]
        return tuple(
            (rows[dy * 8 // size][dx * 8 // size] == "#") != reversed_cell
            for dy in range(size)
            for dx in range(size)
        )

    h, e, l1, l2, o1 = (glyph(c, 1) for c in range(6, 11))
    o2 = glyph(7, 2)
    if h != expected(0x08, False):
        failures.append('the "H" of HELLO (row 1, column 6) is not the glyph of screen code 0x08')
    if glyph(3, 0) != expected(0x05, True):
        failures.append('the "E" of the disk name (row 0, column 3) is not a reversed 0x05')
    if l1 != l2:
        failures.append('the two "L" of HELLO are drawn differently')
    if o1 != o2:
        failures.append('the "O" of HELLO and of WORLD are drawn differently')
    if h == e:
        failures.append('"H" and "E" are drawn alike')

    # Below the four rows: nothing but background.
    for row in range(5, 10):
        for col in range(40):
            if any(p != BACKGROUND for p in shot.cell(x0, y0, size, col, row)):
                failures.append(f"cell ({col}, {row}) below the listing is not background")
                break
    return failures


if __name__ == "__main__":
    problems = check(sys.argv[1], sys.argv[2])
    for problem in problems:
        print(problem)
    sys.exit(1 if problems else 0)
