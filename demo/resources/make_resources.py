#!/usr/bin/env python3
"""Generate the binary resources that are linked into QuillnoteSample.exe.

    make_resources.py [OUTDIR]          write the files (default: this folder)
    make_resources.py --check [DIR]     regenerate into a temporary folder and
                                        compare byte for byte with DIR
                                        (default: this folder); exit 1 on any
                                        difference

Files:
    QuillnoteSample.ico  the program's icon: one 32 x 32 image, 16 colours
    down_arrow.bmp       the 16 x 16 picture of the DownArrow buttons

Both are drawn here as code, so that every pixel is reviewable and the
committed files can be proven to match their source. Only the standard
library is used.
"""

import argparse
import filecmp
import os
import struct
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

FILE_NAMES = ("QuillnoteSample.ico", "down_arrow.bmp")

# The 16 colours of the standard VGA palette, in its usual order. Index 7 is
# the light grey (192, 192, 192) that the program maps to the button face
# when it loads the arrow picture (LR_LOADMAP3DCOLORS).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, LIGHT_GREY, GREY, YELLOW, BLUE, WHITE = 0, 4, 7, 8, 11, 12, 15


def palette_bytes():
    # RGBQUAD: blue, green, red, reserved.
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)


def pack_4bit_rows(rows):
    """Bottom-up rows of 4-bit indices, each row padded to 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        data = bytearray()
        for x in range(0, len(row), 2):
            data.append((row[x] << 4) | row[x + 1])
        while len(data) % 4:
            data.append(0)
        out += data
    return bytes(out)


def pack_mask_rows(mask):
    """Bottom-up rows of the AND mask: 1 where the icon is transparent."""
    out = bytearray()
    for row in reversed(mask):
        data = bytearray()
        for x in range(0, len(row), 8):
            byte = 0
            for bit in range(8):
                if row[x + bit]:
                    byte |= 0x80 >> bit
            data.append(byte)
        while len(data) % 4:
            data.append(0)
        out += data
    return bytes(out)


def info_header(width, height, size_image):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, size_image, 0, 0, 16, 0)


# ---------------------------------------------------------------------------
# The down arrow: a black triangle pointing down on light grey, 8 pixels wide
# at its top (row 6) and 2 at its tip (row 9), centred between columns 7 and 8.
# ---------------------------------------------------------------------------

ARROW_SIZE = 16


def arrow_pixels():
    rows = [[LIGHT_GREY] * ARROW_SIZE for _ in range(ARROW_SIZE)]
    for step in range(4):
        y = 6 + step
        for x in range(4 + step, 12 - step):
            rows[y][x] = BLACK
    return rows


def down_arrow_bmp():
    pixels = pack_4bit_rows(arrow_pixels())
    offset = 14 + 40 + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info_header(ARROW_SIZE, ARROW_SIZE, len(pixels)) + palette_bytes() + pixels


# ---------------------------------------------------------------------------
# The icon: a small message window. A black outline, a navy heading strip with
# a close box, a light grey body with a yellow note sign, two grey text lines
# and a button. Outside the window the icon is transparent.
# ---------------------------------------------------------------------------

ICON_SIZE = 32
LEFT, TOP, RIGHT, BOTTOM = 2, 4, 29, 27  # the window's outline, inclusive


def icon_pixels():
    rows = [[BLACK] * ICON_SIZE for _ in range(ICON_SIZE)]
    mask = [[1] * ICON_SIZE for _ in range(ICON_SIZE)]

    def put(x, y, colour):
        rows[y][x] = colour
        mask[y][x] = 0

    def fill(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                put(x, y, colour)

    # Shadow one pixel right and below, then the window over it.
    fill(LEFT + 1, TOP + 1, RIGHT + 1, BOTTOM + 1, GREY)
    fill(LEFT, TOP, RIGHT, BOTTOM, BLACK)
    fill(LEFT + 1, TOP + 1, RIGHT - 1, TOP + 5, NAVY)          # heading
    fill(RIGHT - 6, TOP + 1, RIGHT - 2, TOP + 5, LIGHT_GREY)   # close box
    for d in range(3):                                         # its cross
        put(RIGHT - 5 + d, TOP + 2 + d, BLACK)
        put(RIGHT - 3 - d, TOP + 2 + d, BLACK)
    fill(LEFT + 1, TOP + 6, RIGHT - 1, BOTTOM - 1, LIGHT_GREY)  # body
    # A yellow round sign with a black "!" on the left of the body.
    cx, cy = LEFT + 6, TOP + 11
    for y in range(cy - 3, cy + 4):
        for x in range(cx - 3, cx + 4):
            if (x - cx) ** 2 + (y - cy) ** 2 <= 10:
                put(x, y, YELLOW)
    fill(cx, cy - 2, cx, cy, BLACK)
    put(cx, cy + 2, BLACK)
    # Two lines of text.
    fill(LEFT + 11, TOP + 9, RIGHT - 3, TOP + 9, GREY)
    fill(LEFT + 11, TOP + 12, RIGHT - 7, TOP + 12, GREY)
    # The button: white face, black frame, a blue mark for its caption.
    fill(LEFT + 9, BOTTOM - 6, RIGHT - 9, BOTTOM - 2, BLACK)
    fill(LEFT + 10, BOTTOM - 5, RIGHT - 10, BOTTOM - 3, WHITE)
    fill(LEFT + 12, BOTTOM - 4, RIGHT - 12, BOTTOM - 4, BLUE)
    return rows, mask


def icon_file():
    rows, mask = icon_pixels()
    xor = pack_4bit_rows(rows)
    and_mask = pack_mask_rows(mask)
    image = info_header(ICON_SIZE, ICON_SIZE * 2, len(xor) + len(and_mask)) + palette_bytes() + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", ICON_SIZE, ICON_SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


# ---------------------------------------------------------------------------
# Writing and checking
# ---------------------------------------------------------------------------

def write_all(folder):
    files = {"QuillnoteSample.ico": icon_file(), "down_arrow.bmp": down_arrow_bmp()}
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    verify(folder)


def verify(folder):
    """Read the files back and check sizes, headers and key pixels."""
    with open(os.path.join(folder, "down_arrow.bmp"), "rb") as f:
        bmp = f.read()
    assert len(bmp) == 14 + 40 + 64 + 16 * 8, len(bmp)
    assert bmp[:2] == b"BM"
    width, height, planes, bits = struct.unpack_from("<iiHH", bmp, 18)
    assert (width, height, planes, bits) == (16, 16, 1, 4)
    pixels = bmp[14 + 40 + 64:]

    def arrow_at(x, y):
        byte = pixels[(15 - y) * 8 + x // 2]
        return (byte >> 4) if x % 2 == 0 else (byte & 0x0F)

    assert arrow_at(0, 0) == LIGHT_GREY
    assert arrow_at(4, 6) == BLACK and arrow_at(11, 6) == BLACK and arrow_at(3, 6) == LIGHT_GREY
    assert arrow_at(7, 9) == BLACK and arrow_at(8, 9) == BLACK and arrow_at(6, 9) == LIGHT_GREY
    assert arrow_at(7, 10) == LIGHT_GREY

    with open(os.path.join(folder, "QuillnoteSample.ico"), "rb") as f:
        ico = f.read()
    assert len(ico) == 6 + 16 + 40 + 64 + 512 + 128, len(ico)
    reserved, kind, count = struct.unpack_from("<HHH", ico, 0)
    assert (reserved, kind, count) == (0, 1, 1)
    w, h, colours = ico[6], ico[7], ico[8]
    assert (w, h, colours) == (32, 32, 16)
    size, offset = struct.unpack_from("<II", ico, 14)
    assert offset == 22 and offset + size == len(ico)
    bih_width, bih_height, _, bih_bits = struct.unpack_from("<iiHH", ico, 22 + 4)
    assert (bih_width, bih_height, bih_bits) == (32, 64, 4)
    mask = ico[22 + 40 + 64 + 512:]

    def transparent(x, y):
        return (mask[(31 - y) * 4 + x // 8] >> (7 - x % 8)) & 1

    assert transparent(0, 0) and transparent(31, 31)
    assert not transparent(LEFT, TOP) and not transparent(16, 16)


def check(folder):
    with tempfile.TemporaryDirectory() as scratch:
        write_all(scratch)
        different = [name for name in FILE_NAMES
                     if not os.path.exists(os.path.join(folder, name))
                     or not filecmp.cmp(os.path.join(scratch, name), os.path.join(folder, name), shallow=False)]
    for name in different:
        print(f"{name}: differs from what make_resources.py generates", file=sys.stderr)
    return 1 if different else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true", help="compare with the files instead of writing them")
    parser.add_argument("folder", nargs="?", default=HERE)
    args = parser.parse_args()
    if args.check:
        return check(args.folder)
    os.makedirs(args.folder, exist_ok=True)
    write_all(args.folder)
    return 0


if __name__ == "__main__":
    sys.exit(main())
