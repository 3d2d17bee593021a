#!/usr/bin/python3
"""Writes the seed corpus of the fuzz target (tests/fuzz/corpus).

Each seed is the control byte of ListArbitraryBytes.h followed by the bytes from track 18
sector 0 on: the BAM, the directory and, for the long chain, track 19.
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tools"))
from d64_geometry import SECTORS_PER_TRACK  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
TRACK18 = 19 * 256


def sector(s):
    return s * 256


def blank(sectors=TRACK18 + 19 * 256):
    t = bytearray(sectors)
    t[0:4] = bytes([18, 1, 0x41, 0])
    for track in range(1, 36):
        n = SECTORS_PER_TRACK[track]
        if track == 18:
            n -= 2
        bits = (1 << n) - 1
        t[4 * track:4 * track + 4] = bytes([n, bits & 0xFF, (bits >> 8) & 0xFF, bits >> 16])
    t[0x90:0xAB] = b"\xa0" * 0x1B
    t[0xA2:0xA4] = b"01"
    t[0xA5:0xA7] = b"2A"
    t[sector(1):sector(1) + 2] = bytes([0, 0xFF])
    return t


def entry(t, s, k, name, file_type=0x82, blocks=1, geos=0):
    e = sector(s) + 32 * k
    t[e + 2] = file_type
    t[e + 5:e + 21] = name + b"\xa0" * (16 - len(name))
    t[e + 0x18] = geos
    t[e + 0x1E] = blocks


def seeds():
    yield "blank", 0x08, blank()

    with open(os.path.join(HERE, "../../samples/demo.d64"), "rb") as f:
        demo = f.read()
    yield "demo", 0x08, demo[0x16500:0x16500 + TRACK18]

    loop = blank()
    loop[sector(1):sector(1) + 2] = bytes([18, 4])
    loop[sector(4):sector(4) + 2] = bytes([18, 1])
    entry(loop, 1, 0, b"A")
    entry(loop, 4, 0, b"B")
    yield "loop-list", 0x04, loop
    yield "loop-abort", 0x00, loop

    chain = blank()
    links = [(18, s) for s in range(1, 19)] + [(19, s) for s in range(0, 19)]
    for i, (track, s) in enumerate(links[:-1]):
        at = sector(s) + (TRACK18 if track == 19 else 0)
        chain[at:at + 2] = bytes(links[i + 1])
        for k in range(8):
            entry(chain, s + (19 if track == 19 else 0), k, b"F%03d" % (8 * i + k))
    yield "chain-288", 0x08, chain

    art = blank()
    art[0x90:0xA0] = b"\x12ART\x92\x14\x9d\x22\x0d\x8d\x12X\xa0\xa0\xa0\xa0"
    art[0xA2:0xA7] = b"\x99\x8d\xa0\x22\xcb"
    entry(art, 1, 0, b"\xa0\x12\x14\x14REVERSED\x1d\x92\x8d")
    entry(art, 1, 1, b"AB\x00\x00\x00CD")
    yield "art-end", 0x0B, art

    speed = blank()
    speed[0xC0:0xD4] = bytes([17, 0xFF, 0xFF, 0x01] * 5)
    yield "speeddos", 0x0A, speed

    unknown = blank()
    unknown[sector(1):sector(1) + 2] = bytes([36, 0])
    yield "ask-layout-dolphin", 0x3A, unknown

    yield "raw-size", 0x80, bytes(range(256)) * 4


def main():
    out = os.path.join(HERE, "corpus")
    os.makedirs(out, exist_ok=True)
    for name, control, body in seeds():
        with open(os.path.join(out, name), "wb") as f:
            f.write(bytes([control]) + bytes(body))


if __name__ == "__main__":
    main()
