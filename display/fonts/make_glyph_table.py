#!/usr/bin/python3
"""Writes the glyph sources of both character sets as a C++ source of constexpr bitmap tables.

The picture renderer draws listing cells without any font engine, from the same pixels as the
font files. Each screen code 0x00-0x7F becomes eight bytes, one per pixel row, top row first,
bit 7 the leftmost pixel. Which screen character shows a listing byte, and whether reversed,
stays the engine's business (ScreenCode.h); it is not repeated here.
"""

import argparse
import os
import sys

from glyph_source import GRID, SourceError, read_glyph_file

# The tables in the order of the Charset enumeration (engine/Charset.h).
SETS = (("UpperGraphics", "upper"), ("UpperLower", "lower"))


def row_byte(row):
    return sum(1 << (GRID - 1 - x) for x, c in enumerate(row) if c == "#")


def table_source(name, glyphs):
    lines = [f"constexpr ScreenGlyphs k{name}Glyphs = {{{{"]
    for code, rows in enumerate(glyphs):
        cells = ", ".join(f"0x{row_byte(row):02X}" for row in rows)
        lines.append(f"    {{{cells}}},  // 0x{code:02X}")
    lines.append("}};")
    return "\n".join(lines)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--glyphs-dir", required=True, help="folder of upper.glyphs and lower.glyphs")
    parser.add_argument("--out", required=True, help="C++ source to write")
    args = parser.parse_args(argv)
    try:
        tables = [table_source(name, read_glyph_file(os.path.join(args.glyphs_dir, file + ".glyphs")))
                  for name, file in SETS]
    except (SourceError, OSError, ValueError) as error:
        print(f"make_glyph_table.py: {error}", file=sys.stderr)
        return 1
    text = "\n".join([
        "// Written by display/fonts/make_glyph_table.py from display/fonts/*.glyphs. Do not edit.",
        '#include "CharsetGlyphs.h"',
        "",
        "namespace quillane::render {",
        "namespace {",
        "",
        *[t + "\n" for t in tables],
        "}  // namespace",
        "",
        "const ScreenGlyphs& ScreenGlyphsOf(Charset charset) {",
        "  return charset == Charset::UpperGraphics ? kUpperGraphicsGlyphs : kUpperLowerGlyphs;",
        "}",
        "",
        "}  // namespace quillane::render",
        "",
    ])
    temporary = args.out + ".tmp"
    with open(temporary, "w", encoding="ascii") as f:
        f.write(text)
    os.replace(temporary, args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
