"""The sector geometry of a 1541 disk image, for the scripts that write demo and test images.

SECTORS_PER_TRACK[t] is the number of sectors of track t (1-40; index 0 unused): 21 on the
outer tracks 1-17, then 19, 18 and 17 in the inner speed zones.
"""

SECTORS_PER_TRACK = [0] + [21] * 17 + [19] * 7 + [18] * 6 + [17] * 10


def offset(track, sector):
    """Byte offset of (track, sector) in the image: the tracks are stored one after another."""
    return (sum(SECTORS_PER_TRACK[1:track]) + sector) * 256
