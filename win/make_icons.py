"""The Windows icon and the About box's picture from the same pictures as the Linux program:
a 32 x 32 icon in 16 colours (and the picture with alpha) and a bitmap of the floppy picture."""
import argparse

from PIL import Image

parser = argparse.ArgumentParser()
parser.add_argument("--icon", required=True)
parser.add_argument("--picture", required=True)
parser.add_argument("--ico-out", required=True)
parser.add_argument("--bmp-out", required=True)
args = parser.parse_args()

Image.open(args.icon).convert("RGBA").save(args.ico_out, format="ICO", sizes=[(32, 32)])
Image.open(args.picture).convert("RGB").save(args.bmp_out, format="BMP")
