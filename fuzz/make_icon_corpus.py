#!/usr/bin/env python3
"""Writes the seed corpus of the icon fuzz target: valid icon files and broken variants."""
import os
import struct
import sys


def bitmap_image(side, depth):
    header = struct.pack("<IiiHHIIiiII", 40, side, side * 2, 1, depth, 0, 0, 0, 0, 0, 0)
    colors = 1 << depth if depth <= 8 else 0
    palette = b"".join(struct.pack("<I", (i * 0x00102030) & 0xFFFFFF) for i in range(colors))
    color_row = (side * depth + 31) // 32 * 4
    mask_row = (side + 31) // 32 * 4
    pixels = bytes((i * 7) & 0xFF for i in range(color_row * side))
    return header + palette + pixels + bytes(mask_row * side)


def icon_file(images, kind=1):
    """images: (width byte, height byte, colour count, bit count, bytes)."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for width, height, count, bits, data in images:
        out += struct.pack("<BBBBHHII", width, height, count, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b"".join(image[4] for image in images)


def poke(data, offset, fmt, value):
    data = bytearray(data)
    struct.pack_into(fmt, data, offset, value)
    return bytes(data)


def main(directory):
    small = (16, 16, 16, 4, bitmap_image(16, 4))
    large = (32, 32, 16, 4, bitmap_image(32, 4))
    png = (0, 0, 0, 32, b"\x89PNG\r\n\x1a\n" + bytes(24))
    standard = icon_file([large])
    image = 6 + 16
    # Two entries, one copy of the image.
    shared = icon_file([large, large])[: 6 + 32 + len(large[4])]
    files = {
        "valid_16x16_16_colours.ico": icon_file([small]),
        "valid_32x32_16_colours.ico": standard,
        "valid_two_sizes.ico": icon_file([small, large]),
        "valid_png_256.ico": icon_file([png, small]),
        "old_type_word.ico": poke(standard, 2, "<H", 0),
        "truncated_header.ico": standard[:5],
        "truncated_directory.ico": standard[:20],
        "truncated_image.ico": standard[:-1],
        "truncated_pixels.ico": poke(standard[:-1], 6 + 8, "<I", len(large[4]) - 1),
        "cursor_type.ico": poke(standard, 2, "<H", 2),
        "zero_count.ico": poke(standard, 4, "<H", 0),
        "huge_count.ico": poke(standard, 4, "<H", 0xFFFF),
        "huge_image_size.ico": poke(standard, 6 + 8, "<I", 0xFFFFFFFF),
        "huge_offset.ico": poke(standard, 6 + 12, "<I", 0xFFFFFFF0),
        "huge_width.ico": poke(standard, image + 4, "<i", 0x7FFFFFFF),
        "huge_height.ico": poke(standard, image + 8, "<i", 0x7FFFFFFE),
        "huge_palette.ico": poke(standard, image + 32, "<I", 0xFFFFFFFF),
        "shared_image.ico": poke(shared, 6 + 16 + 12, "<I", 6 + 32),
    }
    os.makedirs(directory, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(directory, name), "wb") as file:
            file.write(data)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "corpus", "icon"))
