"""Finds the reference picture of a listing in a screenshot: the first place where the start of
the reference's top row shows on the screen is the listing's top-left corner. From there every
pixel of the reference must equal the screen's, as far right as the listing shows (at least 320
pixels: 40 cells of 8 or 20 of 16, where the window may show fewer than the 40 columns of the
reference). Exit status 0 when it does."""
import sys

from PIL import Image

shot = Image.open(sys.argv[1]).convert("RGB")
reference = Image.open(sys.argv[2]).convert("RGB")
screen, ref = shot.load(), reference.load()
width, height = shot.size
least = min(reference.width, 320)
top_row = [ref[x, 0] for x in range(least)]


def top_row_at(x, y):
    return x + least <= width and all(screen[x + i, y] == top_row[i] for i in range(least))


corner = next(((x, y) for y in range(height) for x in range(width)
               if screen[x, y] == top_row[0] and top_row_at(x, y)), None)
if corner is None:
    sys.exit("no listing on the screen")
left, top = corner
if top + reference.height > height:
    sys.exit("the listing does not fit the screen at %d,%d" % corner)
shown = 0  # the columns of the reference that lie on the listing: those that match wholly
while (shown < reference.width and left + shown < width and
       all(screen[left + shown, top + y] == ref[shown, y] for y in range(reference.height))):
    shown += 1
wrong = sum(1 for y in range(reference.height) for x in range(least)
            if screen[left + x, top + y] != ref[x, y])
print("%d of %d pixels differ at %d,%d; %d columns match" % (
    wrong, least * reference.height, left, top, shown))
sys.exit(1 if wrong or shown < least else 0)
