"""Reads the glyph sources of the two Commodore character sets (upper.glyphs, lower.glyphs).

A source holds blocks of a header line "0xNN name" followed by eight rows of eight '#' (set)
or '.' (clear), top row first, one block per screen code 0x00-0x7F. A header
"0xNN name = SET 0xMM" takes the pixels of screen code 0xMM from SET.glyphs in the same
folder. Lines starting with ';' and blank lines are ignored. The reversed screen codes
0x80-0xFF are these with every pixel inverted and are not drawn in the sources.

Both generators read the sources through this module: make_font.py (the font files of the
window) and make_glyph_table.py (the bitmap tables of the picture renderer).
"""

import os

GRID = 8


class SourceError(Exception):
    pass


def read_glyph_file(path, cache=None):
    """Returns a list of 128 bitmaps (tuples of 8 row strings) for screen codes 0-127."""
    cache = {} if cache is None else cache
    path = os.path.abspath(path)
    if path in cache:
        if cache[path] is None:
            raise SourceError(f"{path}: references form a cycle")
        return cache[path]
    cache[path] = None
    folder = os.path.dirname(path)
    glyphs = [None] * 128
    pending = None  # (code, rows, line number)
    with open(path, encoding="utf-8") as f:
        lines = f.read().splitlines()
    for number, raw in enumerate(lines, start=1):
        line = raw.strip()
        where = f"{path}:{number}"
        if not line or line.startswith(";"):
            continue
        if pending is not None:
            if len(line) != GRID or any(c not in "#." for c in line):
                raise SourceError(f"{where}: expected a row of 8 '#' or '.', got {line!r}")
            pending[1].append(line)
            if len(pending[1]) == GRID:
                glyphs[pending[0]] = tuple(pending[1])
                pending = None
            continue
        header, _, reference = line.partition("=")
        fields = header.split()
        if len(fields) != 2 or not fields[0].lower().startswith("0x"):
            raise SourceError(f"{where}: expected a header '0xNN name', got {line!r}")
        code = int(fields[0], 16)
        if not 0 <= code < 128:
            raise SourceError(f"{where}: screen code {fields[0]} is not in 0x00-0x7F")
        if glyphs[code] is not None:
            raise SourceError(f"{where}: screen code {fields[0]} is drawn twice")
        if reference:
            ref = reference.split()
            if len(ref) != 2:
                raise SourceError(f"{where}: expected '= SET 0xMM', got {line!r}")
            other = read_glyph_file(os.path.join(folder, ref[0] + ".glyphs"), cache)
            glyphs[code] = other[int(ref[1], 16) & 0x7F]
        else:
            pending = (code, [], number)
    if pending is not None:
        raise SourceError(f"{path}:{pending[2]}: screen code 0x{pending[0]:02X} has fewer than 8 rows")
    missing = [f"0x{c:02X}" for c, g in enumerate(glyphs) if g is None]
    if missing:
        raise SourceError(f"{path}: screen codes not drawn: {' '.join(missing)}")
    cache[path] = glyphs
    return glyphs
