"""Checks that a dialog shows on the screen: its client area mostly in the button-face colour
(not black, not the window below), its title bar drawn, and its message line holding dark text
pixels on that face. The places come from desktop_probe.exe (lines "name left top right
bottom", "face red green blue"). Exit status 0 when all three hold."""
import sys

from PIL import Image

shot = Image.open(sys.argv[1]).convert("RGB")
places = {}
for line in open(sys.argv[2]):
    name, *numbers = line.split()
    places[name] = [int(n) for n in numbers]
face = tuple(places["face"])


def pixels(left, top, right, bottom):
    return list(shot.crop((left, top, right, bottom)).getdata())


client = pixels(*places["client"])
left, top, right, _ = places["window"]
title = pixels(left, top, right, places["client"][1])
label = pixels(*places["label"])
faced = sum(1 for p in client if p == face) / len(client)
dark = sum(1 for p in label if sum(p) < 200)
print("client %.0f%% face colour; title bar %d colours; message line %d dark pixels" % (
    100 * faced, len(set(title)), dark))
title_colour = max(set(title), key=title.count)
sys.exit(0 if faced > 0.6 and len(set(title)) > 2 and title_colour != (0, 0, 0) and dark > 50
         else 1)
