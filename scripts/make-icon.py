#!/usr/bin/env python3
"""Draws the program icon (a clipboard on a blue tile) into resources/Pastewise.ico."""
import struct
import sys


def pixel(x, y, n):
    s = n / 32.0
    fx, fy = x / s, y / s
    # Blue rounded tile.
    r = 5
    cx = min(max(fx, r), 32 - r)
    cy = min(max(fy, r), 32 - r)
    if (fx - cx) ** 2 + (fy - cy) ** 2 > r * r:
        return (0, 0, 0, 0)
    # Clipboard board, clip and text lines.
    if 9 <= fx < 23 and 7 <= fy < 27:
        if 12 <= fx < 20 and 5 <= fy < 10:
            return (90, 90, 90, 255)
        if 12 <= fx < 20 and int(fy) in (13, 17, 21):
            return (60, 110, 200, 255)
        return (255, 255, 255, 255)
    if 12 <= fx < 20 and 5 <= fy < 10:
        return (90, 90, 90, 255)
    return (40, 90, 190, 255)


def image(n):
    rows = []
    for y in reversed(range(n)):
        for x in range(n):
            r, g, b, a = pixel(x, y, n)
            rows.append(struct.pack("BBBB", b, g, r, a))
    xor = b"".join(rows)
    mask_row = ((n + 31) // 32) * 4
    andmask = bytes(mask_row * n)
    header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, len(xor) + len(andmask), 0, 0, 0, 0)
    return header + xor + andmask


def main(path):
    sizes = [16, 32, 48]
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/Pastewise.ico")
