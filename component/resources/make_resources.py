#!/usr/bin/env python3
"""Generate the binary resources that are linked into Quillnote.dll.

    make_resources.py [OUTDIR]          write the four files (default: this folder)
    make_resources.py --check [DIR]     regenerate into a temporary folder and
                                        compare byte for byte with DIR
                                        (default: this folder); exit 1 on any
                                        difference

Files:
    closebox_up.bmp    close box of the dialog heading, raised
    closebox_down.bmp  the same close box, pressed
    Quillnote.ico      the library's icon (icon group 101)
    chime.wav          the sound that PlayBeep plays (WAVE resource 103)

The resources are generated rather than drawn in an editor so that every pixel
and every sample is reviewable as code, and so that the committed files can be
proven to match their source (--check, run by the test suite). Only the
standard library is used, so the check runs wherever the tests run.
"""

import argparse
import filecmp
import os
import struct
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

FILE_NAMES = ("closebox_up.bmp", "closebox_down.bmp", "Quillnote.ico", "chime.wav")


# ---------------------------------------------------------------------------
# Close-box pictures
# ---------------------------------------------------------------------------

BOX_SIZE = 14

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
LIGHT_GREY = (0xC0, 0xC0, 0xC0)
GREY = (0x80, 0x80, 0x80)
FACE = (211, 211, 198)


def closebox_pixels(outer_tl, outer_br, inner_tl, inner_br):
    """Return 14 rows (top row first) of 14 (r, g, b) tuples.

    Corner rule, the classic 3-D button one, used for both pictures so the
    pressed picture lines up exactly with the raised one when they swap:
    the bottom/right edge is drawn over the top/left edge, so the top/left
    edge owns the top-left corner only, and the bottom/right edge owns the
    other three corners of its ring. For the outer ring that means the top
    row spans x = 0..12 and the left column y = 0..12, while the bottom row
    spans x = 0..13 and the right column y = 0..13. The inner ring is the same
    one pixel in: top row x = 1..11, left column y = 1..11, bottom row
    x = 1..12, right column y = 1..12. The face fills x, y = 2..11.
    """
    n = BOX_SIZE
    rows = [[FACE] * n for _ in range(n)]
    for ring, tl, br in ((0, outer_tl, outer_br), (1, inner_tl, inner_br)):
        lo, hi = ring, n - 1 - ring
        # Top/left first, then bottom/right over it: that is what gives the
        # corner ownership described above.
        for i in range(lo, hi):
            rows[lo][i] = tl  # top row
            rows[i][lo] = tl  # left column
        for i in range(lo, hi + 1):
            rows[hi][i] = br  # bottom row
            rows[i][hi] = br  # right column
    # The cross: both diagonals of the 6 x 6 square at 4..9. Since 4 + 9 = 13
    # = n - 1, the square is centred on the 14 x 14 picture.
    for i in range(4, 10):
        rows[i][i] = BLACK
        rows[i][13 - i] = BLACK
    return rows


def closebox_up_pixels():
    return closebox_pixels(WHITE, BLACK, LIGHT_GREY, GREY)


def closebox_down_pixels():
    return closebox_pixels(GREY, WHITE, GREY, LIGHT_GREY)


def bmp24(rows):
    """Uncompressed 24-bit BMP from rows given top row first."""
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) & ~3  # rows are padded to a multiple of 4 bytes
    pixel_bytes = bytearray()
    for row in reversed(rows):  # BMP stores the bottom row first
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))  # and each pixel as blue, green, red
        line += bytes(stride - len(line))
        pixel_bytes += line
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixel_bytes), 0, 0, offset)
    # 2835 pixels per metre is 72 dpi; the value is informational only.
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0,
                              len(pixel_bytes), 2835, 2835, 0, 0)
    return file_header + info_header + bytes(pixel_bytes)


# ---------------------------------------------------------------------------
# Icon
# ---------------------------------------------------------------------------

ICON_SIZE = 32

# The standard 16-colour palette, so that the icon looks the same on any
# display depth. Index 0 (black) doubles as the colour under transparent
# pixels, which must be 0 for the AND/XOR masks to show the background.
PALETTE = (
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
)
C_BLACK, C_MAROON, C_NAVY, C_SILVER, C_GREY = 0, 1, 4, 7, 8
C_RED, C_YELLOW, C_WHITE = 9, 11, 15
TRANSPARENT = None


def _in_rounded_rect(x, y, left, top, right, bottom, radius):
    """Pixel-centre test against a rectangle with quarter-circle corners."""
    px, py = x + 0.5, y + 0.5
    if not (left <= px <= right and top <= py <= bottom):
        return False
    cx = min(max(px, left + radius), right - radius)
    cy = min(max(py, top + radius), bottom - radius)
    return (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius


def _in_triangle(x, y, a, b, c):
    px, py = x + 0.5, y + 0.5

    def side(p, q):
        return (q[0] - p[0]) * (py - p[1]) - (q[1] - p[1]) * (px - p[0])

    s1, s2, s3 = side(a, b), side(b, c), side(c, a)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


def _segment_param(x, y, a, b):
    """Position t along a->b of the pixel centre's projection, and its distance."""
    px, py = x + 0.5, y + 0.5
    dx, dy = b[0] - a[0], b[1] - a[1]
    t = ((px - a[0]) * dx + (py - a[1]) * dy) / (dx * dx + dy * dy)
    qx, qy = a[0] + t * dx, a[1] + t * dy
    return t, ((px - qx) ** 2 + (py - qy) ** 2) ** 0.5


def icon_pixels():
    """Return 32 rows (top first) of palette indices or TRANSPARENT.

    The picture: a white speech bubble (the message) with a navy outline and
    a tail at the lower left, three grey lines of "writing" in it, and a red
    quill lying diagonally across its right side whose nib ends the last line.
    """
    n = ICON_SIZE
    img = [[TRANSPARENT] * n for _ in range(n)]

    def bubble(x, y):
        return (_in_rounded_rect(x, y, 1, 2, 28, 22, 5)
                or _in_triangle(x, y, (6, 20), (13, 20), (4, 29)))

    # Bubble fill with a one-pixel outline wherever a 4-neighbour is outside,
    # so the tail and the body share one continuous outline.
    for y in range(n):
        for x in range(n):
            if not bubble(x, y):
                continue
            edge = any(not (0 <= x + dx < n and 0 <= y + dy < n) or not bubble(x + dx, y + dy)
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            img[y][x] = C_NAVY if edge else C_WHITE

    # Lines of writing, getting shorter so the last one meets the nib.
    for y, x0, x1 in ((7, 6, 20), (11, 6, 18), (15, 6, 14)):
        for x in range(x0, x1 + 1):
            img[y][x] = C_GREY

    # The quill runs from the nib (lower left) to the tip of the feather
    # (upper right, outside the bubble). The shaft is the whole segment; the
    # vane is a lens around its upper part, widest in its middle.
    nib, tip = (15.0, 16.0), (31.0, 0.0)
    vane_from = 0.30  # fraction of the length where the feather starts
    for y in range(n):
        for x in range(n):
            t, d = _segment_param(x, y, nib, tip)
            if not (0.0 <= t <= 1.0):
                continue
            if t >= vane_from:
                u = (t - vane_from) / (1.0 - vane_from)
                half_width = 3.6 * (4.0 * u * (1.0 - u)) ** 0.5
                if d <= half_width - 1.0:
                    img[y][x] = C_RED
                elif d <= half_width:
                    img[y][x] = C_MAROON
            if d <= 0.75:
                # The nib is the first part of the shaft, black like ink;
                # the rest of the shaft is the pale quill stem.
                img[y][x] = C_BLACK if t < 0.12 else (C_YELLOW if t >= vane_from else C_SILVER)
    return img


def ico_4bpp(img):
    """ICO file with one 32 x 32, 16-colour image (XOR bitmap + AND mask)."""
    n = len(img)
    xor_stride = ((n * 4 + 31) // 32) * 4
    and_stride = ((n + 31) // 32) * 4
    xor_bytes = bytearray()
    and_bytes = bytearray()
    for row in reversed(img):  # bottom-up like any DIB
        xline = bytearray(xor_stride)
        aline = bytearray(and_stride)
        for x, idx in enumerate(row):
            if idx is TRANSPARENT:
                aline[x // 8] |= 0x80 >> (x % 8)
                idx = 0  # black under the mask so XOR leaves the screen as it is
            if x % 2 == 0:
                xline[x // 2] |= idx << 4  # the left pixel is the high nibble
            else:
                xline[x // 2] |= idx
        xor_bytes += xline
        and_bytes += aline
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    # biHeight is twice the image height because it covers XOR and AND masks.
    info_header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 4, 0,
                              len(xor_bytes) + len(and_bytes), 0, 0, 16, 0)
    image = info_header + palette + bytes(xor_bytes) + bytes(and_bytes)
    icon_dir = struct.pack("<HHH", 0, 1, 1)  # reserved, type 1 = icon, one image
    entry = struct.pack("<BBBBHHII", n, n, 16, 0, 1, 4, len(image), 6 + 16)
    return icon_dir + entry + image


# ---------------------------------------------------------------------------
# Chime
# ---------------------------------------------------------------------------

RATE = 22050
CHANNELS = 2
BITS = 16
DATA_BYTES = 80764
FRAMES = DATA_BYTES // (CHANNELS * BITS // 8)  # 20191 frames, about 0.92 s
PEAK = 16384  # -6 dBFS: loud enough to notice, with room below full scale

PI = 3.14159265358979323846


# The synthesis uses only +, -, * and / on floats, which IEEE 754 rounds
# exactly the same everywhere, and no math.sin / math.exp, whose last bit may
# differ between C libraries. That keeps the WAV byte-for-byte reproducible,
# which is what --check relies on.

def _sin_cos(a):
    """sin and cos of a small angle (|a| < 1) by their Taylor series."""
    s, c = 0.0, 0.0
    term_s, term_c = a, 1.0
    for k in range(1, 12):
        s += term_s
        c += term_c
        term_s *= -a * a / ((2 * k) * (2 * k + 1))
        term_c *= -a * a / ((2 * k - 1) * (2 * k))
    return s, c


def _exp(x):
    """e**x for small |x| by its Taylor series."""
    total, term = 0.0, 1.0
    for k in range(1, 20):
        total += term
        term *= x / k
    return total


class _Partial:
    """A sine partial with exponential decay, advanced one sample at a time.

    The oscillator is a rotation of (cos, sin) by a fixed angle per sample,
    and the decay a fixed factor per sample, so each sample costs a few
    multiplications and needs no transcendental functions.
    """

    def __init__(self, freq, amp, decay_seconds):
        self.ds, self.dc = _sin_cos(2.0 * PI * freq / RATE)
        self.s, self.c = 0.0, 1.0
        self.env = amp
        self.env_factor = _exp(-1.0 / (decay_seconds * RATE))

    def next(self):
        value = self.s * self.env
        self.s, self.c = (self.s * self.dc + self.c * self.ds,
                          self.c * self.dc - self.s * self.ds)
        self.env *= self.env_factor
        return value


def chime_samples():
    """Interleaved 16-bit samples, left first."""
    # Two partials a fifth apart (880 Hz and 1320 Hz) give a bell-like, friendly
    # tone; the upper one dies faster, as on a struck bar. The right channel
    # leans a little more on the upper partial and its fundamental is detuned
    # by 1.5 Hz, which gives the sound some width without moving it off centre.
    left = (_Partial(880.0, 0.62, 0.24), _Partial(1320.0, 0.38, 0.13))
    right = (_Partial(881.5, 0.56, 0.24), _Partial(1320.0, 0.44, 0.13))
    attack = int(0.004 * RATE)   # 4 ms rise: a crisp start without a click
    release = int(0.030 * RATE)  # 30 ms fade so the cut at the end is silent
    raw = []
    for i in range(FRAMES):
        gain = 1.0
        if i < attack:
            gain = i / attack
        remaining = FRAMES - 1 - i
        if remaining < release:
            gain *= remaining / release
        raw.append(gain * sum(p.next() for p in left))
        raw.append(gain * sum(p.next() for p in right))
    scale = PEAK / max(abs(v) for v in raw)
    return [int(round(v * scale)) for v in raw]


def wav_pcm16(samples):
    data = struct.pack("<%dh" % len(samples), *samples)
    block_align = CHANNELS * BITS // 8
    fmt = struct.pack("<HHIIHH", 1, CHANNELS, RATE, RATE * block_align, block_align, BITS)
    body = (b"WAVE"
            + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(data)) + data)
    return b"RIFF" + struct.pack("<I", len(body)) + body


# ---------------------------------------------------------------------------
# Output and checks
# ---------------------------------------------------------------------------

def build_all():
    return {
        "closebox_up.bmp": bmp24(closebox_up_pixels()),
        "closebox_down.bmp": bmp24(closebox_down_pixels()),
        "Quillnote.ico": ico_4bpp(icon_pixels()),
        "chime.wav": wav_pcm16(chime_samples()),
    }


def write_all(outdir):
    os.makedirs(outdir, exist_ok=True)
    for name, data in build_all().items():
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(data)


def _bmp_pixel(data, x, y):
    """(r, g, b) at x, y counted from the top left, read back from the file."""
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) & ~3
    pos = offset + (height - 1 - y) * stride + 3 * x
    b, g, r = data[pos:pos + 3]
    return (r, g, b)


def validate(outdir):
    """Read the files back and test the properties the component relies on.

    Returns a list of problems (empty when all is well). This guards against
    a change to the generator that still runs but breaks a fixed format.
    """
    problems = []

    def expect(cond, what):
        if not cond:
            problems.append(what)

    def read(name):
        with open(os.path.join(outdir, name), "rb") as f:
            return f.read()

    # Close boxes: the form draws them at 14 x 14 and the pictures must have
    # exactly this layout.
    for name, tl_out, br_out, tl_in, br_in in (
            ("closebox_up.bmp", WHITE, BLACK, LIGHT_GREY, GREY),
            ("closebox_down.bmp", GREY, WHITE, GREY, LIGHT_GREY)):
        d = read(name)
        expect(len(d) == 670, "%s: size %d, want 670" % (name, len(d)))
        expect(d[:2] == b"BM", "%s: no BM signature" % name)
        size, offset = struct.unpack_from("<I4xI", d, 2)
        hdr = struct.unpack_from("<IiiHHI", d, 14)
        expect(size == 670 and offset == 54, "%s: file header %r" % (name, (size, offset)))
        expect(hdr == (40, 14, 14, 1, 24, 0), "%s: info header %r" % (name, hdr))
        stride = (len(d) - 54) // 14
        expect(stride == 44, "%s: row length %d, want 44" % (name, stride))
        for x, y, want in ((0, 0, tl_out), (12, 0, tl_out), (13, 0, br_out),
                           (0, 12, tl_out), (0, 13, br_out), (13, 13, br_out),
                           (1, 1, tl_in), (11, 1, tl_in), (12, 1, br_in),
                           (1, 11, tl_in), (1, 12, br_in), (12, 12, br_in),
                           (2, 2, FACE), (11, 11, FACE), (5, 4, FACE), (3, 3, FACE),
                           (10, 10, FACE), (4, 4, BLACK), (9, 9, BLACK),
                           (9, 4, BLACK), (4, 9, BLACK), (6, 7, BLACK), (7, 6, BLACK)):
            got = _bmp_pixel(d, x, y)
            expect(got == want, "%s: pixel (%d,%d) is %r, want %r" % (name, x, y, got, want))
        black = sum(1 for y in range(14) for x in range(14)
                    if 2 <= x <= 11 and 2 <= y <= 11 and _bmp_pixel(d, x, y) == BLACK)
        expect(black == 12, "%s: cross has %d pixels, want 12" % (name, black))

    # Icon: one 32 x 32 image, 16 colours, XOR + AND masks.
    d = read("Quillnote.ico")
    reserved, kind, count = struct.unpack_from("<HHH", d, 0)
    expect((reserved, kind, count) == (0, 1, 1), "ico: directory %r" % ((reserved, kind, count),))
    w, h, colours, _, planes, bpp, nbytes, offset = struct.unpack_from("<BBBBHHII", d, 6)
    expect((w, h, colours, planes, bpp) == (32, 32, 16, 1, 4),
           "ico: entry %r" % ((w, h, colours, planes, bpp),))
    expect(offset == 22 and offset + nbytes == len(d), "ico: image extent %d+%d of %d"
           % (offset, nbytes, len(d)))
    hdr = struct.unpack_from("<IiiHHI", d, offset)
    expect(hdr == (40, 32, 64, 1, 4, 0), "ico: info header %r" % (hdr,))
    expect(nbytes == 40 + 16 * 4 + 32 * 16 + 32 * 4, "ico: image size %d" % nbytes)
    mask_at = offset + 40 + 64 + 512
    top_left_transparent = d[mask_at + 31 * 4] & 0x80  # last stored row is the top
    expect(top_left_transparent, "ico: top-left pixel should be transparent")
    opaque = sum(bin(b ^ 0xFF).count("1") for b in d[mask_at:mask_at + 128])
    expect(200 <= opaque <= 900, "ico: %d opaque pixels, design looks wrong" % opaque)

    # Chime: the exact format and length that the component announces.
    d = read("chime.wav")
    expect(len(d) == 44 + DATA_BYTES, "wav: size %d, want %d" % (len(d), 44 + DATA_BYTES))
    riff, riff_size, wave = struct.unpack_from("<4sI4s", d, 0)
    expect((riff, wave) == (b"RIFF", b"WAVE") and riff_size == len(d) - 8,
           "wav: RIFF header %r" % ((riff, riff_size, wave),))
    fmt_id, fmt_size, tag, ch, rate, byte_rate, align, bits = struct.unpack_from(
        "<4sIHHIIHH", d, 12)
    expect((fmt_id, fmt_size, tag, ch, rate, byte_rate, align, bits)
           == (b"fmt ", 16, 1, 2, 22050, 88200, 4, 16),
           "wav: fmt chunk %r" % ((fmt_id, fmt_size, tag, ch, rate, byte_rate, align, bits),))
    data_id, data_size = struct.unpack_from("<4sI", d, 36)
    expect((data_id, data_size) == (b"data", 80764), "wav: data chunk %r" % ((data_id, data_size),))
    samples = struct.unpack_from("<%dh" % (data_size // 2), d, 44)
    peak = max(abs(s) for s in samples)
    expect(15000 <= peak <= 17000, "wav: peak %d is not about -6 dBFS" % peak)
    expect(samples[:2] == (0, 0) and max(abs(s) for s in samples[-4:]) <= 8,
           "wav: should start and end silent")
    expect(samples[0::2] != samples[1::2], "wav: channels should differ")
    return problems


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder", nargs="?", default=HERE,
                        help="output folder, or with --check the folder to compare (default: %(default)s)")
    parser.add_argument("--check", action="store_true",
                        help="regenerate into a temporary folder and compare with FOLDER")
    args = parser.parse_args(argv)

    if not args.check:
        write_all(args.folder)
        problems = validate(args.folder)
        for p in problems:
            print("make_resources: " + p, file=sys.stderr)
        if problems:
            return 1
        print("make_resources: wrote %s to %s" % (", ".join(FILE_NAMES), args.folder))
        return 0

    with tempfile.TemporaryDirectory() as tmp:
        write_all(tmp)
        problems = validate(tmp)
        for name in FILE_NAMES:
            committed = os.path.join(args.folder, name)
            if not os.path.isfile(committed):
                problems.append("%s: missing in %s" % (name, args.folder))
            elif not filecmp.cmp(os.path.join(tmp, name), committed, shallow=False):
                problems.append("%s: differs from what make_resources.py generates" % name)
    for p in problems:
        print("make_resources --check: " + p, file=sys.stderr)
    if problems:
        return 1
    print("make_resources --check: all %d files match" % len(FILE_NAMES))
    return 0


if __name__ == "__main__":
    sys.exit(main())
