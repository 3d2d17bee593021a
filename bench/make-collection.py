"""Writes a collection of N disk images under a folder, as people keep them: half plain .d64
files, a quarter .d64.gz, a quarter in .zip files of four, a hundred to a subfolder. Each image
is a standard disk of 144 files on track 18 (the rest zeros; plain files are written sparse).
Usage: make-collection.py FOLDER N"""
import gzip, os, sys, zipfile

folder, count = sys.argv[1], int(sys.argv[2])
image = bytearray(174848)
track18 = 0x16500
image[track18:track18 + 4] = bytes([18, 1, 0x41, 0])
for t in range(1, 36):  # the BAM: every track free but 18
    free = 0 if t == 18 else 21 if t <= 17 else 19 if t <= 24 else 18 if t <= 30 else 17
    image[track18 + 4 * t] = free
    bits = (1 << free) - 1
    image[track18 + 4 * t + 1:track18 + 4 * t + 4] = bits.to_bytes(3, "little")
image[track18 + 0x90:track18 + 0xAB] = b"BENCH DISK".ljust(16, b"\xa0") + b"\xa0\xa001\xa02A\xa0\xa0\xa0\xa0"
for s in range(1, 19):
    at = track18 + 256 * s
    image[at:at + 2] = bytes([18, s + 1] if s < 18 else [0, 0xFF])
    for k in range(8):
        e = at + 32 * k
        image[e + 2:e + 5] = bytes([0x82, 17, 0])
        image[e + 5:e + 21] = f"FILE {8 * s + k}".encode().ljust(16, b"\xa0")
        image[e + 30] = 8 * s + k
image = bytes(image)
packed = gzip.compress(image)
zipped = None
for i in range(0, count, 4):
    sub = f"{folder}/{i // 100:03d}"
    os.makedirs(sub, exist_ok=True)
    kind = (i // 4) % 4  # two of four groups plain, one gzip, one zip
    if kind < 2:
        for j in range(i, min(i + 4, count)):
            with open(f"{sub}/{j}.d64", "wb") as f:
                f.truncate(len(image))
                f.seek(track18)
                f.write(image[track18:track18 + 19 * 256])
    elif kind == 2:
        for j in range(i, min(i + 4, count)):
            open(f"{sub}/{j}.d64.gz", "wb").write(packed)
    else:
        with zipfile.ZipFile(f"{sub}/{i}.zip", "w", zipfile.ZIP_DEFLATED) as z:
            for j in range(i, min(i + 4, count)):
                z.writestr(f"{j}.d64", image)
