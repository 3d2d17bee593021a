#!/usr/bin/env python3
"""Writes a small standard .D64 image for the window's end-to-end test.

A 35-track image (174848 bytes): BAM in track 18 sector 0 with every track but 18 free, disk
name "E2E TEST", ID "01", DOS type "2A"; one directory sector (18/1) with two closed PRG files.
"""
import sys

SECTORS = [21] * 17 + [19] * 7 + [18] * 6 + [17] * 5


def offset(track, sector):
    return (sum(SECTORS[: track - 1]) + sector) * 256


def padded(text, length=16):
    return text.encode("ascii") + b"\xa0" * (length - len(text))


def main(path):
    image = bytearray(174848)
    bam = offset(18, 0)
    image[bam : bam + 4] = bytes([18, 1, 0x41, 0])
    for track in range(1, 36):
        count = SECTORS[track - 1]
        entry = bam + 4 * track
        if track == 18:
            image[entry : entry + 4] = bytes([0, 0, 0, 0])
        else:
            bits = (1 << count) - 1
            image[entry : entry + 4] = bytes([count, bits & 0xFF, (bits >> 8) & 0xFF, bits >> 16])
    image[bam + 0x90 : bam + 0xA0] = padded("E2E TEST")
    image[bam + 0xA0 : bam + 0xA2] = b"\xa0\xa0"
    image[bam + 0xA2 : bam + 0xA4] = b"01"
    image[bam + 0xA4] = 0xA0
    image[bam + 0xA5 : bam + 0xA7] = b"2A"
    image[bam + 0xA7 : bam + 0xAB] = b"\xa0" * 4
    directory = offset(18, 1)
    image[directory : directory + 2] = bytes([0, 0xFF])
    for k, (name, blocks) in enumerate([("HELLO", 12), ("WORLD", 3)]):
        entry = directory + 32 * k
        image[entry + 2] = 0x82
        image[entry + 3 : entry + 5] = bytes([17, 0])
        image[entry + 5 : entry + 21] = padded(name)
        image[entry + 30 : entry + 32] = bytes([blocks, 0])
    with open(path, "wb") as f:
        f.write(image)


if __name__ == "__main__":
    main(sys.argv[1])
