#!/usr/bin/python3
# Writes the fuzz target's seeds (tests/fuzz/corpus): the control byte of ListArbitraryBytes.h
# (and the size bytes it asks for), then 18/0 and the directory sectors in chain order.

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tools"))
from d64_geometry import SECTORS_PER_TRACK  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def bam():
    t = bytearray(256)
    t[0:4] = bytes([18, 1, 0x41, 0])
    for track in range(1, 36):
        n = SECTORS_PER_TRACK[track] - (2 if track == 18 else 0)
        t[4 * track:4 * track + 4] = bytes([n]) + ((1 << n) - 1).to_bytes(3, "little")
    t[0x90:0xAB] = b"\xa0" * 0x1B
    t[0xA2:0xA4], t[0xA5:0xA7] = b"01", b"2A"
    return t


def directory(link=(0, 0xFF), entries=()):
    s = bytearray(256)
    s[0:2] = bytes(link)
    for k, (name, file_type) in enumerate(entries):
        e = 32 * k
        s[e + 2] = file_type
        s[e + 5:e + 21] = name + b"\xa0" * (16 - len(name))
        s[e + 0x1E] = 1
    return s


def seed(control, header, chain, size=None):
    head = bytes([control]) + (size.to_bytes(3, "big") if size is not None else b"")
    return head + bytes(header) + b"".join(bytes(s) for s in chain)


def seeds():
    yield "blank", seed(0x08, bam(), [directory()])

    loop = [directory((18, 4), [(b"A", 0x82)]), directory((18, 1), [(b"B", 0x82)])]
    yield "loop-list", seed(0x04, bam(), loop)
    yield "loop-abort", seed(0x00, bam(), loop)

    links = [(18, s) for s in range(1, 19)] + [(19, s) for s in range(0, 19)]
    yield "chain-288", seed(0x08, bam(), [
        directory(links[i + 1], [(b"F%03d" % (8 * i + k), 0x82) for k in range(8)])
        for i in range(36)])

    art = bam()
    art[0x90:0xA0] = b"\x12ART\x92\x14\x9d\x22\x0d\x8d\x12X\xa0\xa0\xa0\xa0"
    art[0xA2:0xA7] = b"\x99\x8d\xa0\x22\xcb"
    yield "art-end", seed(0x0B, art, [directory(entries=[
        (b"\xa0\x12\x14\x14REVERSED\x1d\x92\x8d", 0x42), (b"AB\x00\x00\x00CD", 0x82)])])

    speed = bam()
    speed[0xC0:0xD4] = bytes([17, 0xFF, 0xFF, 0x01] * 5)
    yield "speeddos", seed(0x0A, speed, [directory((36, 0), [(b"IN 36", 0xC1)])])

    yield "ask-layout-dolphin", seed(0x3A, bam(), [directory((36, 0))])
    yield "raw-size", seed(0x80, bytes(range(256)), [], size=174849)
    yield "raw-size-errors", seed(0x84, bam(), [directory()], size=175531)


def main():
    out = os.path.join(HERE, "corpus")
    os.makedirs(out, exist_ok=True)
    for name, body in seeds():
        open(os.path.join(out, name), "wb").write(body)


if __name__ == "__main__":
    main()
