#!/usr/bin/python3
"""Builds one Commodore character-set face as a TrueType font from a glyph source.

The listing draws one character per square cell, so every glyph is an 8 x 8 grid of square
pixels that fills the em square exactly: 1024 units per em, 128 units per pixel, advance width
one em, ascent one em and descent zero. At a pixel size of 8 or 16 each glyph then covers
exactly one cell with its pixel edges on whole pixels, and renders crisply without
antialiasing or hinting.

Byte code b of the listing text is reachable at U+E000 + b for all 256 codes. Which screen
character (and whether reversed) shows each byte comes from the engine's table, printed by
the screencode_table program and passed here with --table; it is not repeated in this script.

The glyph sources (upper.glyphs, lower.glyphs) are read by glyph_source.py, which also feeds
the bitmap tables of the picture renderer, so both draw the same pixels.

Output is deterministic: the same sources give the same bytes. The timestamps come from
SOURCE_DATE_EPOCH when it is set, otherwise from a fixed date.
"""

import argparse
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.misc.timeTools import epoch_diff
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import newTable

from glyph_source import GRID, SourceError, read_glyph_file

UNITS_PER_EM = 1024
PIXEL = UNITS_PER_EM // GRID
GLYPH_BASE = 0xE000
VERSION = "1.000"
DEFAULT_EPOCH = 1767225600  # 2026-01-01 00:00:00 UTC
LICENSE = ("Drawn from scratch for Quillane_Light; not derived from any character ROM or "
           "existing font. Released under CC0 1.0 Universal (public domain dedication).")
LICENSE_URL = "https://creativecommons.org/publicdomain/zero/1.0/"


def read_table(path):
    """Returns 256 (screen code, reversed) pairs, one per byte code."""
    table = [None] * 256
    with open(path, encoding="ascii") as f:
        for number, line in enumerate(f, start=1):
            fields = line.split()
            if not fields:
                continue
            if len(fields) != 3:
                raise SourceError(f"{path}:{number}: expected '<byte> <code> <reversed>'")
            b, code, reversed_ = int(fields[0], 16), int(fields[1], 16), fields[2] == "1"
            if not (0 <= b < 256 and 0 <= code < 128) or table[b] is not None:
                raise SourceError(f"{path}:{number}: bad or repeated row {line.strip()!r}")
            table[b] = (code, reversed_)
    if any(entry is None for entry in table):
        raise SourceError(f"{path}: the table must have a row for each of the 256 byte codes")
    return table


def inverted(rows):
    return tuple("".join("." if c == "#" else "#" for c in row) for row in rows)


def pixel_contours(rows):
    """Outlines of the set pixels as closed polygons in font units, clockwise around filled
    areas (the TrueType rule), with shared pixel edges removed and straight runs merged."""
    filled = {(x, GRID - 1 - r) for r, row in enumerate(rows) for x, c in enumerate(row) if c == "#"}
    # Each pixel (x, y) (y counted upwards) contributes its four edges going clockwise; an edge
    # shared with a filled neighbour appears once each way and cancels.
    edges = {}
    for x, y in filled:
        corners = [(x, y), (x, y + 1), (x + 1, y + 1), (x + 1, y)]
        for i in range(4):
            start, end = corners[i], corners[(i + 1) % 4]
            if (end, start) in edges:
                del edges[(end, start)]
            else:
                edges[(start, end)] = True
    outgoing = {}
    for start, end in edges:
        outgoing.setdefault(start, []).append(end)
    contours = []
    while outgoing:
        first = min(outgoing)
        points = [first]
        previous, current = None, first
        while True:
            ends = outgoing[current]
            if len(ends) == 1:
                nxt = ends[0]
            else:
                # Two filled pixels touching only at this corner: turn right (clockwise), which
                # keeps them as separate outlines.
                dx, dy = current[0] - previous[0], current[1] - previous[1]
                right = (current[0] + dy, current[1] - dx)
                nxt = right if right in ends else ends[0]
            ends.remove(nxt)
            if not ends:
                del outgoing[current]
            previous, current = current, nxt
            if current == first:
                break
            points.append(current)
        contours.append(drop_straight_points(points))
    return [[(x * PIXEL, y * PIXEL) for x, y in contour] for contour in contours]


def drop_straight_points(points):
    kept = []
    n = len(points)
    for i, (x, y) in enumerate(points):
        px, py = points[i - 1]
        nx, ny = points[(i + 1) % n]
        if (x - px) * (ny - y) - (y - py) * (nx - x) != 0:
            kept.append((x, y))
    return kept


def draw_glyph(rows):
    pen = TTGlyphPen(None)
    for contour in pixel_contours(rows):
        pen.moveTo(contour[0])
        for point in contour[1:]:
            pen.lineTo(point)
        pen.closePath()
    return pen.glyph()


def build_font(glyphs, table, family, epoch):
    order = [".notdef"]
    bitmaps = {}
    cmap = {}
    for b, (code, reversed_) in enumerate(table):
        name = f"sc{code:02X}" + (".rev" if reversed_ else "")
        if name not in bitmaps:
            bitmaps[name] = inverted(glyphs[code]) if reversed_ else glyphs[code]
            order.append(name)
        cmap[GLYPH_BASE + b] = name

    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    outlines = {".notdef": TTGlyphPen(None).glyph()}
    outlines.update({name: draw_glyph(rows) for name, rows in bitmaps.items()})
    fb.setupGlyf(outlines)
    glyf = fb.font["glyf"]
    metrics = {}
    for name in order:
        glyph = glyf[name]
        glyph.recalcBounds(glyf)
        metrics[name] = (UNITS_PER_EM, getattr(glyph, "xMin", 0) if glyph.numberOfContours else 0)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=UNITS_PER_EM, descent=0, lineGap=0)

    timestamp = epoch - epoch_diff
    fb.setupHead(unitsPerEm=UNITS_PER_EM, fontRevision=float(VERSION), created=timestamp,
                 modified=timestamp, lowestRecPPEM=GRID, flags=0b1001)  # baseline at y=0, integer ppem
    style = "Regular"
    ps_name = family.replace(" ", "")
    fb.setupNameTable({
        "copyright": "Drawn for Quillane_Light by its authors; public domain under CC0 1.0.",
        "familyName": family,
        "styleName": style,
        "uniqueFontIdentifier": f"{ps_name}-{style};{VERSION}",
        "fullName": f"{family} {style}",
        "version": f"Version {VERSION}",
        "psName": f"{ps_name}-{style}",
        "description": "Commodore 64 screen characters on an 8 x 8 grid; byte code b at U+E000+b.",
        "licenseDescription": LICENSE,
        "licenseInfoURL": LICENSE_URL,
    }, mac=False)
    fb.setupOS2(
        version=4,
        xAvgCharWidth=UNITS_PER_EM,
        usWeightClass=400,
        usWidthClass=5,
        fsType=0,  # installable embedding
        achVendID="QLLN",
        fsSelection=0x40 | 0x80,  # REGULAR, USE_TYPO_METRICS
        sTypoAscender=UNITS_PER_EM,
        sTypoDescender=0,
        sTypoLineGap=0,
        usWinAscent=UNITS_PER_EM,
        usWinDescent=0,
        sxHeight=5 * PIXEL,
        sCapHeight=7 * PIXEL,
        ulUnicodeRange1=0,
        ulUnicodeRange2=1 << (60 - 32),  # Private Use Area
        ulUnicodeRange3=0,
        ulUnicodeRange4=0,
        ulCodePageRange1=0,
        ulCodePageRange2=0,
        panose=_panose_monospaced(),
    )
    fb.setupPost(isFixedPitch=1, underlinePosition=-PIXEL // 2, underlineThickness=PIXEL // 2)
    gasp = newTable("gasp")
    gasp.version = 1
    gasp.gaspRange = {0xFFFF: 0}  # neither grid-fitting nor smoothing at any size
    fb.font["gasp"] = gasp
    return fb.font


def _panose_monospaced():
    from fontTools.ttLib.tables.O_S_2f_2 import Panose
    panose = Panose()
    panose.bFamilyType = 2  # Latin text
    panose.bSerifStyle = 11  # normal sans
    panose.bWeight = 5  # book
    panose.bProportion = 9  # monospaced
    panose.bContrast = 2
    panose.bStrokeVariation = 2
    panose.bArmStyle = 2
    panose.bLetterForm = 2
    panose.bMidline = 2
    panose.bXHeight = 4
    return panose


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--glyphs", required=True, help="glyph source of the character set")
    parser.add_argument("--table", required=True, help="byte -> screen character table")
    parser.add_argument("--family", required=True, help="face name")
    parser.add_argument("--out", required=True, help="font file to write")
    args = parser.parse_args(argv)
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", DEFAULT_EPOCH))
    try:
        font = build_font(read_glyph_file(args.glyphs), read_table(args.table), args.family, epoch)
    except (SourceError, OSError, ValueError) as error:
        print(f"make_font.py: {error}", file=sys.stderr)
        return 1
    temporary = args.out + ".tmp"
    font.save(temporary)
    os.replace(temporary, args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
