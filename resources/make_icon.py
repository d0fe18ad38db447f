#!/usr/bin/env python3
"""Draws the program's icon, resources/glossavo.ico: a page of text lines on a rounded tile.

Eleven images in the order the window's icon rule reads them: 32 and 16 pixels in 16 colours;
48, 32 and 16 in 256 colours; 48, 40, 32, 24, 20 and 16 in 32-bit colour. The 16-colour images
use only the standard VGA colours; the others use a tile colour that the VGA palette lacks, so a
test can tell from pixels which image the system shows. Run it again after changing the drawing.
"""
import os
import struct

TILE = (0x2F, 0x80, 0xA8)       # deep sky blue, not a VGA colour
TILE_VGA = (0x00, 0x80, 0x80)   # teal
LINE = (0xFF, 0xFF, 0xFF)
VGA = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
# 256 colours: the 6 x 6 x 6 cube, a grey ramp, and the tile colour itself.
PALETTE_256 = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
PALETTE_256 += [(v, v, v) for v in range(8, 248, 6)][: 256 - len(PALETTE_256) - 1]
PALETTE_256 += [TILE]
assert len(PALETTE_256) == 256


def coverage(shape, x, y, size, samples=4):
    """Share of pixel (x, y) that `shape` covers, in a drawing 1 unit wide."""
    inside = 0
    for sy in range(samples):
        for sx in range(samples):
            if shape((x + (sx + 0.5) / samples) / size, (y + (sy + 0.5) / samples) / size):
                inside += 1
    return inside / (samples * samples)


def tile(u, v):
    r, lo, hi = 0.18, 0.04, 0.96
    cx = min(max(u, lo + r), hi - r)
    cy = min(max(v, lo + r), hi - r)
    return lo <= u <= hi and lo <= v <= hi and (u - cx) ** 2 + (v - cy) ** 2 <= r * r


def lines(u, v):
    for top, right in ((0.24, 0.56), (0.44, 0.78), (0.64, 0.78)):
        if 0.22 <= u <= right and top <= v <= top + 0.12:
            return True
    return False


def pixel(x, y, size, bits):
    """Colour and opacity (0..1) of a pixel, rows from the top."""
    a = coverage(tile, x, y, size)
    if a == 0:
        return (0, 0, 0), 0.0
    t = coverage(lines, x, y, size)
    if bits == 4:  # no blending in 16 colours: each pixel is tile or line
        return (LINE if t >= 0.5 else TILE_VGA), a
    return tuple(round(TILE[i] * (1 - t) + LINE[i] * t) for i in range(3)), a


def nearest(colour, palette):
    return min(range(len(palette)), key=lambda i: sum((colour[c] - palette[i][c]) ** 2 for c in range(3)))


def row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def image(size, bits):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    pixels = [[pixel(x, y, size, bits) for x in range(size)] for y in range(size)]
    palette = b""
    if bits == 4:
        colours = VGA
    elif bits == 8:
        colours = PALETTE_256
    if bits in (4, 8):
        palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    xor = b""
    mask = b""
    for y in reversed(range(size)):  # bottom-up
        row = bytearray()
        mask_bits = 0
        for x in range(size):
            colour, a = pixels[y][x]
            opaque = a >= 0.5
            mask_bits = (mask_bits << 1) | (0 if opaque else 1)
            if bits == 32:
                row += bytes((colour[2], colour[1], colour[0], round(a * 255)))
            else:
                index = nearest(colour, colours) if opaque else 0
                row.append(index)
        if bits == 4:
            row = bytearray((row[i] << 4) | (row[i + 1] if i + 1 < len(row) else 0) for i in range(0, len(row), 2))
        row += b"\0" * (row_bytes(size * bits) - len(row))
        xor += bytes(row)
        mask_row = mask_bits.to_bytes((size + 7) // 8, "big")
        mask += mask_row + b"\0" * (row_bytes(size) - len(mask_row))
    return header + palette + xor + mask


def main():
    images = [(32, 4), (16, 4), (48, 8), (32, 8), (16, 8), (48, 32), (40, 32), (32, 32), (24, 32), (20, 32), (16, 32)]
    bodies = [image(size, bits) for size, bits in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bits), body in zip(images, bodies):
        colour_count = 16 if bits == 4 else 0
        out += struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, bits, len(body), offset)
        offset += len(body)
    out += b"".join(bodies)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "glossavo.ico")
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
