#!/usr/bin/env python3
"""Draws the program icon: a power symbol on a blue disc in 16 colours, as a
32x32 image and a 16x16 one for the tray and captions (a system that has to
shrink the large one blurs the symbol), written as res/dormival.ico.
16 colours load on every Windows from 95 on. Run it again only to change
the picture."""
import math
import struct
import sys

SIZES = (16, 32)
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


def image(size):
    """One 4-bit DIB with its AND mask, rows bottom-up and 32-bit aligned."""
    xor = bytearray()
    mask = bytearray()
    mask_row_bytes = (size + 31) // 32 * 4
    for y in reversed(range(size)):
        for x in range(0, size, 2):
            a, b = pixel(x, y, size), pixel(x + 1, y, size)
            xor.append(((a or 0) << 4) | (b or 0))
        bits = 0
        for x in range(size):
            bits = (bits << 1) | (1 if pixel(x, y, size) is None else 0)
        bits <<= mask_row_bytes * 8 - size
        mask += bits.to_bytes(mask_row_bytes, 'big')
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0,
                         16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def main(path):
    images = [image(size) for size in SIZES]
    entries = b''
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        entries += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(images)) + entries + b''.join(images))

if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/dormival.ico')
