#!/usr/bin/python3
# Makes a thumbnail of a .d64 image through the thumbnailer entry, as a file manager does, and
# checks that it is a PNG that fits the size asked for.
#   thumbnail_client.py gnome IMAGE OUT.png           GNOME's thumbnail factory, which reads
#                                                      the entry from $XDG_DATA_DIRS/thumbnailers
#   thumbnail_client.py exec ENTRY IMAGE OUT.png SIZE  the entry's Exec line expanded as the
#                                                      freedesktop thumbnail standard says
import configparser, os, re, shlex, struct, subprocess, sys

MIME_TYPE = "application/x-d64"


def by_gnome(image, out):
    import gi; gi.require_version("GnomeDesktop", "3.0"); from gi.repository import Gio, GnomeDesktop
    factory = GnomeDesktop.DesktopThumbnailFactory.new(GnomeDesktop.DesktopThumbnailSize.NORMAL)
    uri = Gio.File.new_for_path(image).get_uri()
    if not factory.can_thumbnail(uri, MIME_TYPE, int(os.stat(image).st_mtime)):
        sys.exit(f"no thumbnailer for {MIME_TYPE}")
    factory.generate_thumbnail(uri, MIME_TYPE).savev(out, "png", [], [])
    return out, 128  # the factory's normal size


def by_exec_line(entry, image, out, size):
    (parser := configparser.ConfigParser(interpolation=None)).read(entry)
    section = parser["Thumbnailer Entry"]
    assert MIME_TYPE in section["MimeType"].split(";"), section["MimeType"]
    fields = {"s": size, "i": image, "o": out, "u": "file://" + image, "%": "%"}
    subprocess.run([re.sub("%(.)", lambda m: fields[m.group(1)], arg)
                    for arg in shlex.split(section["Exec"])], check=True)
    return out, int(size)


out, size = (by_gnome if sys.argv[1] == "gnome" else by_exec_line)(*sys.argv[2:])
header = open(out, "rb").read(24)
width, height = struct.unpack(">II", header[16:24])
if header[:8] != b"\x89PNG\r\n\x1a\n" or not 0 < max(width, height) <= size:
    sys.exit(f"{out} is not a PNG that fits {size} x {size}")
