#!/usr/bin/env python3
"""Draws the program icon: a power symbol on a blue disc, written as
res/dormival.ico. It holds every size the system asks for at 100 to 200 %
(16, 20, 24, 32 and 48 pixels; a system that has to scale an image blurs
the symbol), each twice: in 32-bit colour with soft edges (alpha), which XP
and later show, and in 16 colours, which Windows 95 to 2000 show. Run it
again only to change the picture."""
import math
import struct
import sys

SIZES = (16, 20, 24, 32, 48)
SAMPLES = 4  # per pixel and direction, for the soft edges
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
DARK_BLUE, BLUE, GREY, WHITE = 4, 12, 8, 15


def pixel(x, y, size):
    """Colour index, or None for transparent. The picture is drawn for 32
    pixels and scaled, with lines kept at least a pixel wide."""
    scale = size / 32.0
    c = (size - 1) / 2.0
    dx, dy = (x - c) / scale, (y - c) / scale
    line = max(1.5, 0.75 / scale)  # half width of the symbol's strokes
    r = math.hypot(dx, dy)
    if r > 15.5 + 0.5 * (1 / scale - 1):  # the small disc fills its square too
        return None
    if r > 15.5 - max(1.5, 1.0 / scale):
        return GREY
    # power symbol: an open ring and a bar through its gap
    if abs(dx) <= line and -11.0 <= dy <= 0.0:
        return WHITE
    angle = math.degrees(math.atan2(dx, -dy))  # 0 = straight up
    if 8.0 - line <= r <= 8.0 + line and abs(angle) > 38:
        return WHITE
    return BLUE if r < 13.0 else DARK_BLUE


def dib(size, bits, colour_rows, transparent, palette=b''):
    """An icon image: its header, palette, colour rows and AND mask, rows
    bottom-up and 32-bit aligned."""
    mask = bytearray()
    mask_row_bytes = (size + 31) // 32 * 4
    for y in reversed(range(size)):
        row = 0
        for x in range(size):
            row = (row << 1) | (1 if transparent(x, y) else 0)
        mask += (row << (mask_row_bytes * 8 - size)).to_bytes(mask_row_bytes, 'big')
    colours = len(palette) // 4
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0,
                         len(colour_rows) + len(mask), 0, 0, colours, 0)
    return header + palette + bytes(colour_rows) + bytes(mask)


def image16(size):
    """16 colours, 4 bits a pixel, hard edges."""
    rows = bytearray()
    for y in reversed(range(size)):
        row = bytearray()
        for x in range(0, size, 2):
            a, b = pixel(x, y, size), pixel(x + 1, y, size)
            row.append(((a or 0) << 4) | (b or 0))
        rows += row + bytes(-len(row) % 4)  # 20 pixels take 10 bytes, padded to 12
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    return dib(size, 4, rows, lambda x, y: pixel(x, y, size) is None, palette)


def argb(x, y, size):
    """The pixel's colour and coverage, from samples across it."""
    r = g = b = covered = 0
    for i in range(SAMPLES):
        for j in range(SAMPLES):
            sx = x - 0.5 + (i + 0.5) / SAMPLES
            sy = y - 0.5 + (j + 0.5) / SAMPLES
            index = pixel(sx, sy, size)
            if index is None:
                continue
            pr, pg, pb = PALETTE[index]
            r, g, b, covered = r + pr, g + pg, b + pb, covered + 1
    if not covered:
        return 0, 0, 0, 0
    return r // covered, g // covered, b // covered, 255 * covered // (SAMPLES * SAMPLES)


def image32(size):
    """32-bit colour with alpha; the mask keeps the hard edge for systems
    that draw without alpha."""
    rows = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = argb(x, y, size)
            rows += struct.pack('<BBBB', b, g, r, a)
    return dib(size, 32, rows, lambda x, y: argb(x, y, size)[3] < 128)


def main(path):
    images = [(size, 4, image16(size)) for size in SIZES]
    images += [(size, 32, image32(size)) for size in SIZES]
    entries = b''
    offset = 6 + 16 * len(images)
    for size, bits, data in images:
        entries += struct.pack('<BBBBHHII', size, size, 16 if bits == 4 else 0, 0, 1, bits,
                               len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)) + entries +
                b''.join(data for _, _, data in images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/dormival.ico')
