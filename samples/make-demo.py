#!/usr/bin/python3
"""Writes samples/demo.d64, the demo disk of Quillane_Light.

A standard 35-track 1541 image whose directory shows what the listing does with real-world
directories: a disk name framed by graphics with a BASIC keyword token after it, names in
reverse video, control codes kept inside quotes, shifted letters, locked, unclosed and GEOS
files, every CBM file type and a frame of DEL entries (directory art).

Usage: samples/make-demo.py [OUTPUT]   (default: demo.d64 beside this script)
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../tools"))
from d64_geometry import SECTORS_PER_TRACK, offset  # noqa: E402

IMAGE_SIZE = 174848


def padded(name):
    assert len(name) <= 16, name
    return name + b"\xa0" * (16 - len(name))


# (type byte, name bytes, blocks, GEOS file type)
ENTRIES = [
    (0x80, b"\xb0" + b"\xc0" * 14 + b"\xae", 0, 0),           # DEL: top of the frame
    (0x80, b"\xdd   QUILLANE   \xdd", 0, 0),                   # DEL: title in the frame
    (0x80, b"\xad" + b"\xc0" * 14 + b"\xbd", 0, 0),           # DEL: bottom of the frame
    (0x82, b"WELCOME", 12, 0),                                # PRG
    (0x82, b"\xa0\x12REVERSE VIDEO", 3, 0),                   # reverse on after the quote
    (0x82, b"CTRL\x12\x92\x05\x1c CODES", 2, 0),              # control codes kept in quotes
    (0x82, b"\xc8\x45\x4c\x4c\x4f \xd7\x4f\x52\x4c\x44", 1, 0),  # "Hello World" in the lower set
    (0xC2, b"LOCKED", 8, 0),                                  # PRG<
    (0x02, b"UNCLOSED", 4, 0),                                # *PRG
    (0x42, b"UNCLOSED+LOCKED", 4, 0),                         # *PRG<
    (0x81, b"NOTES", 6, 0),                                   # SEQ
    (0x83, b"USER FILE", 2, 0),                               # USR
    (0x84, b"RELATIVE", 20, 0),                               # REL
    (0x83, b"GEOS APP", 60, 6),                               # GEOS application: APP
    (0x83, b"GEOS FONT", 15, 8),                              # GEOS font: FON
    (0x85, b"ODD TYPE", 1, 0),                                # ???
    (0x00, b"SCRATCHED", 0, 0),                               # not listed
    (0x82, b"BIG FILE", 300, 0),
]


def main():
    out_path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "demo.d64")
    image = bytearray(IMAGE_SIZE)

    # Free-sector bitmaps of tracks 1-35; the BAM and the two directory sectors are used.
    free = {t: set(range(SECTORS_PER_TRACK[t])) for t in range(1, 36)}
    free[18] -= {0, 1, 4, 7}
    next_track = 1

    def allocate(blocks):
        nonlocal next_track
        first = None
        for _ in range(blocks):
            while not free[next_track] or next_track == 18:
                next_track += 1
            sector = min(free[next_track])
            free[next_track].remove(sector)
            first = first or (next_track, sector)
        return first or (0, 0)

    # The directory: eight entries a sector, in the chain 18/1, 18/4, 18/7.
    sectors = [(18, 1), (18, 4), (18, 7)]
    for i, (file_type, name, blocks, geos) in enumerate(ENTRIES):
        track, sector = sectors[i // 8]
        e = offset(track, sector) + 32 * (i % 8)
        first_track, first_sector = allocate(blocks) if file_type else (0, 0)
        image[e + 2] = file_type
        image[e + 3:e + 5] = bytes([first_track, first_sector])
        image[e + 5:e + 21] = padded(name)
        image[e + 0x18] = geos
        image[e + 0x1E:e + 0x20] = bytes([blocks & 0xFF, blocks >> 8])
    image[offset(18, 1):offset(18, 1) + 2] = bytes([18, 4])
    image[offset(18, 4):offset(18, 4) + 2] = bytes([18, 7])
    image[offset(18, 7):offset(18, 7) + 2] = bytes([0, 0xFF])

    bam = offset(18, 0)
    image[bam:bam + 4] = bytes([18, 1, 0x41, 0x00])
    for t in range(1, 36):
        bits = sum(1 << s for s in free[t])
        image[bam + 4 * t:bam + 4 * t + 4] = bytes(
            [len(free[t]), bits & 0xFF, (bits >> 8) & 0xFF, bits >> 16])
    # Disk name framed by graphics; the ID holds the token of LIST, which the C64 spells out
    # because it stands after the name's closing quote.
    image[bam + 0x90:bam + 0xA0] = padded(b"\xb2\xc0 DEMO DISK \xc0\xb2")
    image[bam + 0xA0:bam + 0xAB] = b"\xa0\xa0\x9b\xa0\xa0\x32\x41\xa0\xa0\xa0\xa0"

    with open(out_path, "wb") as f:
        f.write(image)


if __name__ == "__main__":
    main()
