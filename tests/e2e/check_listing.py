#!/usr/bin/python3
# Checks a screenshot (binary PPM) of the window listing samples/demo.d64.
#
# Usage: check_listing.py <screenshot.ppm> <upper.glyphs>
#
# The listing's top-left is the first pixel in the C64 blue; the cell size (8 or 16) is read from
# the header row. The header is in reverse video from its quote (column 2) on, its "0" and the
# blank before the quote are not; the "W" of WELCOME and the reversed "D" of the disk name match
# the upper-case/graphics glyphs pixel for pixel, in the listing's two colours only (no smoothing,
# no fractional scaling); below the 19 rows, all blue. Prints what failed and exits 1, or exits 0.
import re, sys

BACKGROUND, FOREGROUND = (55, 57, 196), (112, 124, 230)


def check(shot, glyph_file):
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", shot)
    width, height, pixels = int(header[1]), int(header[2]), shot[header.end():]
    start = pixels.find(bytes(BACKGROUND))
    while start > 0 and start % 3:
        start = pixels.find(bytes(BACKGROUND), start + 1)
    if start < 0: return ["no listing blue on the screen"]
    x0, y0 = (start // 3) % width, (start // 3) // width

    def cell(col, row, s):
        x, y = x0 + col * s, y0 + row * s
        at = [3 * ((y + dy) * width + x + dx) for dy in range(s) for dx in range(s)]
        return [tuple(pixels[i : i + 3]) for i in at]

    plain = lambda col, row, s, colour: all(p == colour for p in cell(col, row, s))

    fits = [s for s in (8, 16) if x0 + 40 * s <= width and y0 + 24 * s <= height]
    s = next((s for s in fits if plain(1, 0, s, BACKGROUND) and plain(5, 0, s, FOREGROUND)), None)
    if s is None:
        return [f"listing at ({x0}, {y0}): no header with 8 or 16 pixel cells"]
    # The quote and the letters and blanks of "\xb2\xc0 DEMO DISK": reversed, their blank bottom
    # line is drawn in the text colour.
    failures = [f"header column {col} is not reversed" for col in [2, *range(5, 16)]
                if cell(col, 0, s)[-s:] != [FOREGROUND] * s]
    if plain(0, 0, s, BACKGROUND):
        failures.append("header column 0 shows no '0'")
    lines = [line.strip() for line in open(glyph_file) if not line.startswith(";")]
    glyphs = {int(l[:4], 16): lines[i + 1 : i + 9] for i, l in enumerate(lines) if l[:2] == "0x"}
    for col, row, code, reversed_cell, what in [(6, 4, 0x17, False, 'the "W" of WELCOME'),
                                                (6, 0, 0x04, True, 'the reversed "D" of DEMO')]:
        got, rows = cell(col, row, s), glyphs[code]
        want = [(rows[dy * 8 // s][dx * 8 // s] == "#") != reversed_cell
                for dy in range(s) for dx in range(s)]
        if [p == FOREGROUND for p in got] != want or not set(got) <= {BACKGROUND, FOREGROUND}:
            failures.append(f"{what} is not screen code {code:#04x} in the listing's two colours")
    failures += [f"row {row} below the listing is not all blue" for row in range(19, 24)
                 if not all(plain(col, row, s, BACKGROUND) for col in range(40))]
    return failures


if __name__ == "__main__":
    problems = check(open(sys.argv[1], "rb").read(), sys.argv[2])
    print("\n".join(problems))
    sys.exit(1 if problems else 0)
