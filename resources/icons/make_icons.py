#!/usr/bin/env python3
"""Draws Quietpane's two icons (a night-blue pane with a crescent moon) as 16-colour .ico files."""
import struct

# The 16 colours of the standard palette, as (blue, green, red).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
    (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255),
    (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
TRANSPARENT, BLACK, NAVY, SILVER, GRAY, YELLOW, BLUE, WHITE = None, 0, 4, 7, 8, 11, 12, 15


def draw(size):
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    s = size / 16
    frame_bottom = round(12.5 * s)
    for y in range(round(s), frame_bottom):
        for x in range(round(s), size - round(s)):
            edge = y in (round(s), frame_bottom - 1) or x in (round(s), size - round(s) - 1)
            pixels[y][x] = GRAY if edge else NAVY
    # The stand below the pane.
    for y in range(frame_bottom, round(15 * s)):
        half = round(2 * s) if y < round(14 * s) else round(4 * s)
        for x in range(size // 2 - half, size // 2 + half):
            pixels[y][x] = SILVER if y >= round(14 * s) else GRAY
    # A crescent: a disc minus a disc moved to the right.
    cx, cy, r = 6.5 * s, 6.5 * s, 3.6 * s
    for y in range(size):
        for x in range(size):
            inside = (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r
            cut = (x + 0.5 - cx - 1.6 * s) ** 2 + (y + 0.5 - cy + 0.6 * s) ** 2 <= r * r
            if inside and not cut and pixels[y][x] == NAVY:
                pixels[y][x] = YELLOW
    for sx, sy in [(11, 3.5), (12.5, 7.5), (9.5, 9.5)]:
        pixels[int(sy * s)][int(sx * s)] = WHITE
    if size >= 32:
        pixels[int(4 * s)][int(10 * s)] = BLUE
    return pixels


def ico(pixels):
    size = len(pixels)
    xor = bytearray()
    for row in reversed(pixels):
        nibbles = [c or 0 for c in row]
        xor += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(mask_row)
        for x, c in enumerate(row):
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for b, g, r in PALETTE)
    image = header + palette + xor + mask
    directory = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), 22)
    return struct.pack("<HHH", 0, 1, 1) + directory + image


for name, size in [("tray16.ico", 16), ("about32.ico", 32)]:
    with open(name, "wb") as f:
        f.write(ico(draw(size)))
