"""Makes the archives the archive tests list, in a folder, from one disk image:
three.zip (one.d64 two.d64 three.d64), cut.zip (three.zip cut inside its last member),
zeros.zip (a 4 GiB member of zeros, a few MiB packed), names.zip (unsafe member names, ok.d64
and an archive inside), and tree/ (plain, .d64.gz, zip, 7z when bsdtar is there, tar.xz and a
link back up)."""
import gzip, io, os, shutil, struct, subprocess, sys, tarfile, zipfile, zlib

out, image = sys.argv[1], open(sys.argv[2], "rb").read()


def zip_of(path, members):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in members:
            z.writestr(name, data)


zip_of(f"{out}/three.zip", [(n, image) for n in ("one.d64", "two.d64", "three.d64")])
whole = open(f"{out}/three.zip", "rb").read()
last = zipfile.ZipFile(f"{out}/three.zip").infolist()[2].header_offset
open(f"{out}/cut.zip", "wb").write(whole[: last + 200])

# 4 GiB of zeros as 4096 identical deflate pieces (each flush resets the compressor); the CRC
# is never reached, since no more than one byte past an image's size is ever inflated.
packer = zlib.compressobj(9, zlib.DEFLATED, -15)
mib = bytes(1 << 20)
piece = packer.compress(mib) + packer.flush(zlib.Z_FULL_FLUSH)
data = piece * 4096 + packer.flush()
name, size = b"zeros.d64", 1 << 32
zip64 = struct.pack("<HHQQ", 1, 16, size, len(data))
local = struct.pack("<IHHHHHIIIHH", 0x04034B50, 45, 0, 8, 0, 0, 0, 0xFFFFFFFF, 0xFFFFFFFF,
                    len(name), len(zip64)) + name + zip64
central = struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 45, 45, 0, 8, 0, 0, 0, 0xFFFFFFFF,
                      0xFFFFFFFF, len(name), len(zip64), 0, 0, 0, 0, 0) + name + zip64
end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, 1, 1, len(central), len(local) + len(data), 0)
open(f"{out}/zeros.zip", "wb").write(local + data + central + end)

zip_of(f"{out}/names.zip", [(n, image) for n in ("../up.d64", "/abs.d64", "x\x1b[2J.d64",
                                                 "ok.d64", "inner.zip", "inner.d64.gz")])

tree = f"{out}/tree"
os.makedirs(f"{tree}/b/c")
open(f"{tree}/B.D64", "wb").write(image)
open(f"{tree}/b/g.d64.gz", "wb").write(gzip.compress(image))
zip_of(f"{tree}/b/c/four.zip", [("x.d64", image), ("y.txt", b"")])
zip_of(f"{tree}/b/none.zip", [("y.txt", b"")])
with tarfile.open(f"{tree}/a.tar.xz", "w:xz") as t:
    info = tarfile.TarInfo("in/t.d64")
    info.size = len(image)
    t.addfile(info, io.BytesIO(image))
os.symlink("../..", f"{tree}/b/c/up")
if shutil.which("bsdtar"):
    open(f"{out}/s.d64", "wb").write(image)
    subprocess.run(["bsdtar", "-a", "-cf", f"{tree}/s.7z", "-C", out, "s.d64"], check=True)
