#!/usr/bin/env python3
"""Build quendrel.ico: a red capital "Q" on a black square.

Usage: make-icon.py OUT.ico 48:COVER48.gray 32:COVER32.gray

Each COVER file is raw 8-bit greyscale (size x size bytes, top row first)
giving how much of each pixel the letter covers (0 = black, 255 = full red).
make-assets.sh renders those from a font with ImageMagick.  The 16 px letter
is drawn here by hand, pixel by pixel, so that it stays sharp and readable.

The ICO holds six images: 48, 32 and 16 px, each once as an 8-bit
palettised BMP (256 colours, with AND mask) and once as 32-bit BGRA.
Output depends only on the inputs, so the bytes are the same on every run.
"""

import struct
import sys

RED = (0xE8, 0x14, 0x1E)  # the letter's colour; the background is black

# 16 x 16 hand-drawn letter.  '#' = full red, '+' = half red, '.' = black.
Q16 = [
    "................",
    ".....+####+.....",
    "...+########+...",
    "..+###+..+###+..",
    "..###......###..",
    ".+##+......+##+.",
    ".###........###.",
    ".###........###.",
    ".###........###.",
    ".+##+..##..+##+.",
    "..###...##+###..",
    "..+###+..####+..",
    "...+##########..",
    ".....+####+.###.",
    "............+##.",
    "................",
]
LEVEL = {".": 0, "+": 128, "#": 255}


def q16_cover():
    assert len(Q16) == 16 and all(len(r) == 16 for r in Q16)
    return bytes(LEVEL[c] for row in Q16 for c in row)


def colour(level):
    """(r, g, b) of a pixel the letter covers by level/255, on black."""
    return tuple((c * level + 127) // 255 for c in RED)


def and_mask(size):
    """All-zero AND mask: every pixel is opaque."""
    row = ((size + 31) // 32) * 4
    return bytes(row * size)


def info_header(size, bits, colours_used):
    # BITMAPINFOHEADER; height is doubled (XOR image + AND mask).
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours_used, 0)


def bmp8(size, cover):
    # Palette index = coverage level, so the 8-bit picture equals the 32-bit one.
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in map(colour, range(256)))
    stride = (size + 3) & ~3
    rows = []
    for y in range(size - 1, -1, -1):  # BMP rows go bottom-up
        row = cover[y * size:(y + 1) * size]
        rows.append(row + bytes(stride - size))
    return info_header(size, 8, 256) + palette + b"".join(rows) + and_mask(size)


def bmp32(size, cover):
    rows = []
    for y in range(size - 1, -1, -1):
        px = bytearray()
        for level in cover[y * size:(y + 1) * size]:
            r, g, b = colour(level)
            px += bytes((b, g, r, 255))
        rows.append(bytes(px))
    return info_header(size, 32, 0) + b"".join(rows) + and_mask(size)


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    out = argv[1]
    covers = {}
    for arg in argv[2:]:
        size, path = arg.split(":", 1)
        size = int(size)
        with open(path, "rb") as f:
            data = f.read()
        if len(data) != size * size:
            sys.exit(f"{path}: expected {size * size} bytes, got {len(data)}")
        covers[size] = data
    covers[16] = q16_cover()
    if sorted(covers) != [16, 32, 48]:
        sys.exit("need 48 and 32 px coverage files")

    images = []  # (size, bits, data): 256-colour images first, then 32-bit
    for bits in (8, 32):
        for size in (48, 32, 16):
            make = bmp8 if bits == 8 else bmp32
            images.append((size, bits, make(size, covers[size])))

    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, bits, data in images:
        # width, height, colour count (0 = 256 or more), reserved, planes, bit count, bytes, offset
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, bits, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(head + entries + b"".join(d for _, _, d in images))


if __name__ == "__main__":
    main(sys.argv)
