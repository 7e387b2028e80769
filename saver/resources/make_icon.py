#!/usr/bin/env python3
# Draws the saver's icon (resource 104): a round patch of interfering waves in
# the 16 standard VGA colours, 32x32 and 16x16, written as tarnovelle.ico.
# Run it from anywhere: python3 make_icon.py [output.ico]
import math
import os
import struct
import sys

# The 16 colours every Windows display shows exactly, in the system's order,
# as red, green, blue (the icon's colour table stores them blue, green, red).
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# Colour ramp of one wave period, dark to light and back: navy, blue, cyan,
# white, cyan, blue, navy, purple. Repeated periods give the bands.
RAMP = [4, 12, 14, 15, 14, 12, 4, 5]
RIM = 0  # black outline


def phase(u, v):
    """Position within the banding at (u, v), both -1..1: one wave laid
    diagonally across the patch, displaced by a second wave running across
    it and a third running down, the way the saver's waves displace each
    other. Whole numbers are the band edges."""
    across = 0.30 * math.sin(math.pi * (1.3 * v + 0.2))
    down = 0.18 * math.sin(math.pi * (1.7 * u + across))
    return 1.25 * (u + 0.45 * v) + across + down + 4.0


def picture(size):
    """Rows top to bottom of (colour index or None for transparent). The
    small picture shows fewer, wider bands so that they stay readable."""
    bands = 1.0 if size >= 32 else 0.5
    rows = []
    centre = (size - 1) / 2.0
    radius = size / 2.0 - 0.25
    for y in range(size):
        row = []
        for x in range(size):
            dx, dy = x - centre, y - centre
            r = math.hypot(dx, dy)
            if r > radius:
                row.append(None)
            elif r > radius - 1.0:
                row.append(RIM)
            else:
                p = bands * phase(dx / centre, dy / centre)
                step = int((p - math.floor(p)) * len(RAMP))
                row.append(RAMP[step % len(RAMP)])
        rows.append(row)
    return rows


def icon_image(size):
    """One 4-bit icon image: BITMAPINFOHEADER, colour table, XOR and AND
    bitmaps, both bottom-up with rows padded to 4 bytes."""
    rows = picture(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in VGA)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        packed = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, colour in enumerate(row):
            index = 0 if colour is None else colour
            packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if colour is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += packed
        mask += bits
    return header + table + bytes(xor) + bytes(mask)


def icon_file(sizes):
    images = [icon_image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "tarnovelle.ico")
    with open(out, "wb") as f:
        f.write(icon_file([32, 16]))


if __name__ == "__main__":
    main()
