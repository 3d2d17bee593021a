#!/usr/bin/python3
"""Cold start of the window: from starting quillane-light with an image on its command line to
the first frame on the screen (the listing's blue background appears) and to the painted listing
(its text colour appears). Read from the X screen itself, in a strip down its middle, which the
centred window's listing crosses; the program is not asked for anything.

Usage, on a virtual display of its own:
  xvfb-run -a -s "-screen 0 800x600x24" \
      bench/cold-start.py RUNS IMAGE PROGRAM [PROGRAM...]
Several programs (say, two builds) take turns, so that a changing load on the machine falls on
each alike. Prints each run, the medians and the least times in milliseconds; one unmeasured
run of each program first fills the caches. The screen is looked at every half millisecond.

The Windows program under Wine, against the bare window of bench/OneLineWindow.cpp (built with
`cmake --build build-win --target one-line-window`), each started by a two-line script so that
it takes the image as its argument: `cd build-win/bin && exec wine quillane-light.exe "$1"` and
`cd build-win/bin && exec wine one-line-window.exe`, in a prefix set up as tests/win does.
"""
import ctypes
import statistics
import subprocess
import sys
import time

BACKGROUND = bytes([196, 57, 55])  # RGB(55, 57, 196) as a 32-bit pixel stores it: B, G, R
FOREGROUND = bytes([230, 124, 112])  # RGB(112, 124, 230)
STRIP = 8  # pixels wide

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XDisplayWidth.argtypes = x11.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [
    ctypes.c_uint] * 2 + [ctypes.c_ulong, ctypes.c_int]
x11.XGetSubImage.argtypes = x11.XGetImage.argtypes + [ctypes.c_void_p] + [ctypes.c_int] * 2
display = x11.XOpenDisplay(None)
root = x11.XDefaultRootWindow(display)
left = x11.XDisplayWidth(display, 0) // 2
height = x11.XDisplayHeight(display, 0)
# One image, filled again at each look: ZPixmap (2), all planes.
image = x11.XGetImage(display, root, left, 0, STRIP, height, 0xFFFFFFFF, 2)
data = ctypes.c_void_p.from_address(image + 16).value
size = ctypes.c_int.from_address(image + 44).value * height  # bytes_per_line * height


def shows(colour, pixels):
    at = pixels.find(colour)
    while at >= 0 and at % 4:
        at = pixels.find(colour, at + 1)
    return at >= 0


def run(program, path):
    start = time.perf_counter()
    process = subprocess.Popen([program, path], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    first_frame = None
    try:
        while time.perf_counter() - start < 10:
            x11.XGetSubImage(display, root, left, 0, STRIP, height, 0xFFFFFFFF, 2, image, 0, 0)
            now = (time.perf_counter() - start) * 1000
            pixels = ctypes.string_at(data, size)
            if first_frame is None and shows(BACKGROUND, pixels):
                first_frame = now
            if first_frame is not None and shows(FOREGROUND, pixels):
                return first_frame, now
            time.sleep(0.0005)  # leaves the processors to the program and the X server
        raise SystemExit(f"{program}: no listing in the middle of the screen within 10 s")
    finally:
        process.terminate()
        process.wait()
        time.sleep(0.2)  # the window leaves the screen


def main():
    runs, path, programs = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
    times = {program: ([], []) for program in programs}
    for program in programs:
        run(program, path)
    for k in range(runs):
        for program in programs:
            frame, listing = run(program, path)
            times[program][0].append(frame)
            times[program][1].append(listing)
            print(f"run {k + 1:2} {program}: first frame {frame:6.1f}, listing {listing:6.1f}")
    for program, (frames, listings) in times.items():
        print(f"{program}, median (least) of {runs}: first frame {statistics.median(frames):.1f}"
              f" ({min(frames):.1f}) ms, listing painted {statistics.median(listings):.1f}"
              f" ({min(listings):.1f}) ms")


if __name__ == "__main__":
    main()
