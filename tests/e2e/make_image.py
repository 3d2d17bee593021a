#!/usr/bin/env python3
"""Writes a small standard 35-track .D64 image (174848 bytes) for the window's end-to-end test:
BAM at track 18 sector 0 with every track but 18 free, disk name "E2E TEST", ID "01", DOS type
"2A"; one directory sector (18/1) holding two closed PRG files, HELLO (12 blocks) and WORLD (3).
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../tools"))
from d64_geometry import SECTORS_PER_TRACK, offset  # noqa: E402

SECTORS = SECTORS_PER_TRACK[1:36]  # tracks 1-35


def padded(text, length=16):
    return text.encode("ascii") + b"\xa0" * (length - len(text))


image = bytearray(174848)
bam = offset(18, 0)
image[bam : bam + 4] = bytes([18, 1, 0x41, 0])
for track, count in enumerate(SECTORS, 1):
    free = 0 if track == 18 else (1 << count) - 1
    entry = bam + 4 * track
    image[entry : entry + 4] = bytes([count if free else 0]) + free.to_bytes(3, "little")
image[bam + 0x90 : bam + 0xAB] = padded("E2E TEST") + b"\xa0\xa001\xa02A" + b"\xa0" * 4
directory = offset(18, 1)
image[directory : directory + 2] = bytes([0, 0xFF])
for k, (name, blocks) in enumerate([("HELLO", 12), ("WORLD", 3)]):
    entry = directory + 32 * k
    image[entry + 2 : entry + 21] = bytes([0x82, 17, 0]) + padded(name)
    image[entry + 30 : entry + 32] = bytes([blocks, 0])
open(sys.argv[1], "wb").write(image)
