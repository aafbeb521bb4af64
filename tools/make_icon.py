#!/usr/bin/env python3
"""Draws the program icon: a 32x32, 16-colour image of a power symbol on a
blue disc, written as res/dormival.ico. 16 colours load on every Windows
from 95 on. Run it again only to change the picture."""
import math
import struct
import sys

SIZE = 32
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
DARK_BLUE, BLUE, GREY, WHITE = 4, 12, 8, 15


def pixel(x, y):
    """Colour index, or None for transparent."""
    cx = cy = 15.5
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    if r > 15.5:
        return None
    if r > 14.0:
        return GREY
    # power symbol: an open ring and a bar through its gap
    if abs(dx) <= 1.5 and -11.0 <= dy <= 0.0:
        return WHITE
    angle = math.degrees(math.atan2(dx, -dy))  # 0 = straight up
    if 6.5 <= r <= 9.5 and abs(angle) > 38:
        return WHITE
    return BLUE if r < 13.0 else DARK_BLUE


def main(path):
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bitmaps are stored bottom-up
        row_mask = 0
        for x in range(0, SIZE, 2):
            a, b = pixel(x, y), pixel(x + 1, y)
            xor.append(((a or 0) << 4) | (b or 0))
        for x in range(SIZE):
            row_mask = (row_mask << 1) | (1 if pixel(x, y) is None else 0)
        mask += struct.pack('>I', row_mask)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0,
                         16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    icondir = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(icondir + entry + image)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/dormival.ico')
