#!/usr/bin/env python3
"""Draws the program's pictures into resources/: the title banner, the about
box's banner and donation button (JPEG), the update and menu icons (ICO), and
the skinned controls' strips and the Add button's glyph (BMP, magenta
see-through).

Run from the repository: scripts/make-pictures.py [folder]. The output depends
on nothing but this script, so running it again gives the same files.
"""
import math
import struct
import sys
from pathlib import Path

BANNER_BLUE = (0, 51, 102)  # the banner labels' own background colour


# --- a baseline JPEG encoder (8-bit YCbCr, no subsampling, standard tables) ---

LUMA_Q = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
          14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
          18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
          49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99]
CHROMA_Q = [17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
            24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99] + [99] * 32
ZIGZAG = [0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48,
          41, 34, 27, 20, 13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22,
          15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55,
          62, 63]
# (code lengths 1..16, symbols) of the standard tables.
DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
AC_LUMA = ([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D], bytes.fromhex(
    "01020300041105122131410613516107227114328191a1082342b1c11552d1f02433627282090a16"
    "1718191a25262728292a3435363738393a434445464748494a535455565758595a63646566676869"
    "6a737475767778797a838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6"
    "b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8"
    "f9fa"))
AC_CHROMA = ([0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77], bytes.fromhex(
    "000102031104052131061241510761711322328108144291a1b1c109233352f0156272d10a162434"
    "e125f11718191a262728292a35363738393a434445464748494a535455565758595a636465666768"
    "696a737475767778797a82838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4"
    "b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8"
    "f9fa"))


def scaled(table, quality):
    scale = 5000 / quality if quality < 50 else 200 - 2 * quality
    return [min(255, max(1, int((q * scale + 50) // 100))) for q in table]


def huffman_codes(table):
    lengths, symbols = table
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(lengths[length - 1]):
            codes[symbols[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


COS = [[math.cos((2 * x + 1) * u * math.pi / 16) * (math.sqrt(0.5) if u == 0 else 1) / 2
        for x in range(8)] for u in range(8)]


def fdct(block):
    rows = [[sum(COS[u][x] * block[y * 8 + x] for x in range(8)) for u in range(8)]
            for y in range(8)]
    return [sum(COS[v][y] * rows[y][u] for y in range(8)) for v in range(8) for u in range(8)]


class BitWriter:
    def __init__(self):
        self.out, self.acc, self.n = bytearray(), 0, 0

    def put(self, code, length):
        self.acc = (self.acc << length) | code
        self.n += length
        while self.n >= 8:
            self.n -= 8
            byte = (self.acc >> self.n) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0)

    def flush(self):
        if self.n:
            self.put((1 << (8 - self.n)) - 1, 8 - self.n)


def magnitude(value):
    size = abs(value).bit_length()
    bits = value if value >= 0 else value + (1 << size) - 1
    return size, bits


def encode_jpeg(width, height, pixel, quality=90):
    """pixel(x, y) -> (r, g, b); returns the bytes of a baseline JPEG."""
    qt = [scaled(LUMA_Q, quality), scaled(CHROMA_Q, quality)]
    dc = [huffman_codes(DC_LUMA), huffman_codes(DC_CHROMA)]
    ac = [huffman_codes(AC_LUMA), huffman_codes(AC_CHROMA)]
    planes = [[], [], []]
    for y in range(height):
        for x in range(width):
            r, g, b = pixel(x, y)
            planes[0].append(0.299 * r + 0.587 * g + 0.114 * b)
            planes[1].append(-0.168736 * r - 0.331264 * g + 0.5 * b + 128)
            planes[2].append(0.5 * r - 0.418688 * g - 0.081312 * b + 128)
    bits, previous = BitWriter(), [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(3):
                t = 0 if c == 0 else 1
                block = [planes[c][min(by + j // 8, height - 1) * width + min(bx + j % 8, width - 1)]
                         - 128 for j in range(64)]
                coef = fdct(block)
                q = [int(round(coef[ZIGZAG[i]] / qt[t][ZIGZAG[i]])) for i in range(64)]
                size, value = magnitude(q[0] - previous[c])
                previous[c] = q[0]
                bits.put(*dc[t][size])
                bits.put(value, size)
                run = 0
                for i in range(1, 64):
                    if q[i] == 0:
                        run += 1
                        continue
                    while run > 15:
                        bits.put(*ac[t][0xF0])
                        run -= 16
                    size, value = magnitude(q[i])
                    bits.put(*ac[t][(run << 4) | size])
                    bits.put(value, size)
                    run = 0
                if run:
                    bits.put(*ac[t][0x00])
    bits.flush()

    def segment(marker, payload):
        return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload

    out = b"\xff\xd8" + segment(0xE0, b"JFIF\0\x01\x01\0\0\x01\0\x01\0\0")
    for t in range(2):
        out += segment(0xDB, bytes([t]) + bytes(qt[t][ZIGZAG[i]] for i in range(64)))
    out += segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) +
                   bytes([1, 0x11, 0, 2, 0x11, 1, 3, 0x11, 1]))
    for cls, t, table in ((0, 0, DC_LUMA), (1, 0, AC_LUMA), (0, 1, DC_CHROMA), (1, 1, AC_CHROMA)):
        out += segment(0xC4, bytes([(cls << 4) | t]) + bytes(table[0]) + bytes(table[1]))
    out += segment(0xDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    return out + bytes(bits.out) + b"\xff\xd9"


# --- icons ---

def encode_ico(pixel, sizes=(16, 32)):
    """pixel(x, y, n) -> (r, g, b, a) on an n x n icon; 32-bit images with alpha."""
    images = []
    for n in sizes:
        rows = b"".join(struct.pack("BBBB", b, g, r, a)
                        for y in reversed(range(n)) for x in range(n)
                        for r, g, b, a in [pixel(x, y, n)])
        mask = bytes(((n + 31) // 32) * 4 * n)
        header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, len(rows) + len(mask), 0, 0,
                             0, 0)
        images.append(header + rows + mask)
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def blend(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def coverage(distance):
    """How much of a pixel lies inside an edge `distance` pixels away (negative inside)."""
    return min(1.0, max(0.0, 0.5 - distance))


# --- the pictures ---

def title_banner(x, y):
    # Flat under the labels; a thin warm line along the bottom edge.
    if y >= 47:
        return (242, 140, 40)
    return BANNER_BLUE


def about_banner(x, y):
    base = blend(BANNER_BLUE, (20, 110, 170), x / 359)
    for cx, cy, r in ((300, 10, 34), (335, 44, 22), (250, 52, 18)):
        d = math.hypot(x - cx, y - cy) - r
        base = blend(base, (255, 255, 255), 0.12 * coverage(d))
    if y >= 47:
        return (242, 140, 40)
    return base


# A 5 x 7 font with the letters of "Donate".
GLYPHS = {
    "D": ["1110.", "1..1.", "1...1", "1...1", "1...1", "1..1.", "1110."],
    "o": [".....", ".....", ".111.", "1...1", "1...1", "1...1", ".111."],
    "n": [".....", ".....", "1.11.", "11..1", "1...1", "1...1", "1...1"],
    "a": [".....", ".....", ".111.", "....1", ".1111", "1...1", ".1111"],
    "t": [".1...", ".1...", "1111.", ".1...", ".1...", ".1..1", "..11."],
    "e": [".....", ".....", ".111.", "1...1", "11111", "1....", ".111."],
}


def donation_button(x, y):
    w, h, r = 62, 31, 8
    cx = min(max(x + 0.5, r), w - r)
    cy = min(max(y + 0.5, r), h - r)
    inside = coverage(math.hypot(x + 0.5 - cx, y + 0.5 - cy) - r + 0.5)
    face = blend((255, 214, 90), (240, 160, 30), y / (h - 1))
    colour = blend((255, 255, 255), face, inside)
    text = "Donate"
    left, top = (w - (len(text) * 6 - 1)) // 2, (h - 7) // 2
    gx, gy = x - left, y - top
    if 0 <= gy < 7 and 0 <= gx < len(text) * 6 and gx % 6 < 5:
        if GLYPHS[text[gx // 6]][gy][gx % 6] == "1":
            return (20, 40, 110)
    return colour


def round_icon(fill, mark):
    """A round icon of colour `fill` with a white mark(fx, fy) -> bool on a 32 grid."""
    def pixel(x, y, n):
        s = n / 32.0
        fx, fy = (x + 0.5) / s, (y + 0.5) / s
        alpha = coverage((math.hypot(fx - 16, fy - 16) - 14.5) * s)
        if alpha == 0:
            return (0, 0, 0, 0)
        shade = blend(fill, (255, 255, 255), 0.25 * (1 - fy / 32))
        r, g, b = (255, 255, 255) if mark(fx, fy) else shade
        return (r, g, b, int(round(255 * alpha)))
    return pixel


def down_arrow(fx, fy):
    return (13 <= fx < 19 and 7 <= fy < 17) or (fy >= 16 and fy < 25 and abs(fx - 16) < 25 - fy)


def menu_lines(fx, fy):
    return 9 <= fx < 23 and any(row <= fy < row + 2.5 for row in (10, 15, 20))


# --- the skinned controls' strips ---

MAGENTA = (255, 0, 255)


def encode_bmp(width, height, pixel):
    """pixel(x, y) -> (r, g, b); a 24-bit bottom-up bitmap file."""
    stride = (width * 3 + 3) // 4 * 4
    rows = b"".join(
        b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y) for x in range(width)))
        + bytes(stride - width * 3)
        for y in reversed(range(height)))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(rows), 0, 0, 14 + len(header)) + \
        header + rows


def strip(frames, width, draw):
    """Frames side by side: draw(k, x, y) for frame k from 1."""
    return lambda x, y: draw(x // width + 1, x % width, y)


def rounded_inside(x, y, w, h, r):
    """Whether the pixel centre lies in a w x h rectangle with corners of radius r."""
    cx = min(max(x + 0.5, r), w - r)
    cy = min(max(y + 0.5, r), h - r)
    return math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r


def rounded_edge(x, y, w, h, r):
    return rounded_inside(x, y, w, h, r) and not rounded_inside(x - 1, y - 1, w - 2, h - 2, r - 1)


def macos_button(k, x, y):
    """A rounded pill: 1 normal, 2 mouse over, 3 pressed."""
    w, h = 84, 23
    if not rounded_inside(x, y, w, h, 10):
        return MAGENTA
    if rounded_edge(x, y, w, h, 10):
        return ((120, 120, 128), (60, 110, 190), (30, 70, 150))[k - 1]
    t = y / (h - 1)
    top, bottom = (((252, 252, 252), (214, 214, 220)), ((220, 236, 255), (120, 170, 235)),
                   ((160, 195, 240), (90, 140, 215)))[k - 1]
    face = blend(top, bottom, t)
    if y < h // 2 - 1:  # the glossy upper half
        face = blend(face, (255, 255, 255), 0.35)
    return face


def winxp_button(k, x, y):
    """A square button with softened corners: 1 normal, 2 mouse over, 3 pressed."""
    w, h = 18, 21
    if not rounded_inside(x, y, w, h, 3):
        return MAGENTA
    if rounded_edge(x, y, w, h, 3):
        return (0, 60, 116)
    if k == 2 and (x in (1, w - 2) or y in (1, h - 2)):
        return (248, 179, 48)  # the warm rim under the mouse
    if k == 3:
        return blend((205, 202, 195), (228, 226, 220), y / (h - 1))
    return blend((255, 255, 255), (226, 223, 214), y / (h - 1))


def macos_checkbox(k, x, y):
    """1 checked, 2 unchecked, 3 checked and disabled, 4 unchecked and disabled."""
    left, top, size = 1, 2, 13
    bx, by = x - left, y - top
    if not (0 <= bx < size and 0 <= by < size) or not rounded_inside(bx, by, size, size, 3):
        return MAGENTA
    enabled = k <= 2
    checked = k in (1, 3)
    if rounded_edge(bx, by, size, size, 3):
        return (110, 110, 118) if enabled else (170, 170, 170)
    face = blend((255, 255, 255), (205, 210, 220) if enabled else (230, 230, 230), by / size)
    if checked:
        # A tick from (3, 6) down to (5, 9) and up to (10, 3).
        fx, fy = bx + 0.5, by + 0.5
        d1 = abs((fy - 6.5) - (fx - 3)) if 3 <= fx <= 5.8 else 99
        d2 = abs((fy - 9.2) + (fx - 5.5) * 1.25) if 5 <= fx <= 10.5 else 99
        if min(d1, d2) < 1.1:
            return (20, 40, 90) if enabled else (150, 150, 150)
    return face


def add_glyph(x, y):
    """A plus in a circle; the enabled picture, then the disabled one."""
    enabled = x < 16
    fx, fy = x % 16 + 0.5, y + 0.5
    d = math.hypot(fx - 8, fy - 8)
    if d > 7.2:
        return MAGENTA
    if abs(fx - 8) < 1.6 and 3.5 < fy < 12.5 or abs(fy - 8) < 1.6 and 3.5 < fx < 12.5:
        return (255, 255, 255)
    if d > 6.2:
        return (20, 100, 40) if enabled else (128, 128, 128)
    return blend((90, 200, 90), (30, 140, 50), fy / 16) if enabled else (192, 192, 192)


def main(folder):
    out = Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    (out / "TitleBanner.jpg").write_bytes(encode_jpeg(360, 50, title_banner))
    (out / "AboutBanner.jpg").write_bytes(encode_jpeg(360, 50, about_banner))
    (out / "Donate.jpg").write_bytes(encode_jpeg(62, 31, donation_button))
    (out / "Update.ico").write_bytes(encode_ico(round_icon((40, 160, 70), down_arrow)))
    (out / "Menu.ico").write_bytes(encode_ico(round_icon((70, 90, 130), menu_lines)))
    (out / "MenuHover.ico").write_bytes(encode_ico(round_icon((230, 120, 20), menu_lines)))
    (out / "MacOsButton.bmp").write_bytes(encode_bmp(252, 23, strip(3, 84, macos_button)))
    (out / "WinXpButton.bmp").write_bytes(encode_bmp(54, 21, strip(3, 18, winxp_button)))
    (out / "MacOsCheckBox.bmp").write_bytes(encode_bmp(60, 17, strip(4, 15, macos_checkbox)))
    (out / "AddGlyph.bmp").write_bytes(encode_bmp(32, 16, add_glyph))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources")
