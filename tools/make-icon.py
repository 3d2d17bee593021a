#!/usr/bin/env python3
"""Writes app/desktop/quillane-light.png, the program's 32 x 32 icon, from the pixel art below.

A 5.25-inch floppy in its black sleeve: the hub hole, the index hole, the head slot, the
write-protect notch, and a label showing a directory listing in the C64's blues. Only the
standard library is used (zlib for the PNG's image data).
"""
import struct
import sys
import zlib

PALETTE = {
    ".": (0, 0, 0, 0),  # transparent
    "k": (24, 24, 28, 255),  # sleeve
    "g": (72, 72, 80, 255),  # sleeve edge
    "s": (150, 150, 156, 255),  # disk surface in the slot and the hub
    "w": (236, 236, 236, 255),  # label
    "b": (55, 57, 196, 255),  # C64 screen blue
    "l": (112, 124, 230, 255),  # C64 light blue
}

ART = [
    "................................",
    "................................",
    "..gggggggggggggggggggggggggggg..",
    "..gkkkkkkkkkkkkkkkkkkkkkkkkkkg..",
    "..gkkwwwwwwwwwwwwwwwwwwwwwwkkg..",
    "..gkkwbbbbbbbbbbbbbbbbbbbbwkkg..",
    "..gkkwbblllllllllllllllllbwkkg..",
    "..gkkwbbbbbbbbbbbbbbbbbbbbwkg...",
    "..gkkwblbllllllbllbbbbbbbbwkg...",
    "..gkkwbbbbbbbbbbbbbbbbbbbbwkg...",
    "..gkkwblbllllbblllllbbbbbbwkkg..",
    "..gkkwbbbbbbbbbbbbbbbbbbbbwkkg..",
    "..gkkwwwwwwwwwwwwwwwwwwwwwwkkg..",
    "..gkkkkkkkkkkkkkkkkkkkkkkkkkkg..",
    "..gkkkkkkkkkkkkkkkkkkkkkkkkkkg..",
    "..gkkkkkkkkkkkksskkkkkkkkkkkkg..",
    "..gkkkkkkkkkksssssskkkkkkkkkkg..",
    "..gkkkkkkkkkks....skkkkkkkkkkg..",
    "..gkkkkkkkkkss....sskkkskkkkkg..",
    "..gkkkkkkkkkss....sskkkskkkkkg..",
    "..gkkkkkkkkkks....skkkkkkkkkkg..",
    "..gkkkkkkkkkksssssskkkkkkkkkkg..",
    "..gkkkkkkkkkkkksskkkkkkkkkkkkg..",
    "..gkkkkkkkkkkkkkkkkkkkkkkkkkkg..",
    "..gkkkkkkkkkkkssssskkkkkkkkkkg..",
    "..gkkkkkkkkkkssssssskkkkkkkkkg..",
    "..gkkkkkkkkkkssssssskkkkkkkkkg..",
    "..gkkkkkkkkkkkssssskkkkkkkkkkg..",
    "..gkkkkkkkkkkkkkkkkkkkkkkkkkkg..",
    "..gggggggggggggggggggggggggggg..",
    "................................",
    "................................",
]


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main(out_path):
    assert len(ART) == 32 and all(len(row) == 32 for row in ART)
    raw = b"".join(b"\0" + bytes(c for p in row for c in PALETTE[p]) for row in ART)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", 32, 32, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(out_path, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "app/desktop/quillane-light.png")
