#!/usr/bin/env python3
"""Writes the seed corpus of gif_fuzzer: a handful of small, valid GIF files
that reach the decoder's main paths (both versions, global and local colour
maps, transparency, interlacing, an image smaller than its screen, a screen
without size, a second frame, extensions). Run it from anywhere; it replaces
the files in gif_fuzzer/ beside this script."""

import pathlib
import struct

OUT = pathlib.Path(__file__).resolve().parent / "gif_fuzzer"


def lzw(indices, min_code_size):
    """GIF's variable-width LZW, codes packed least significant bit first."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    acc = 0
    nbits = 0

    def put(code, width):
        nonlocal acc, nbits
        acc |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nbits -= 8

    def fresh_table():
        return {bytes([i]): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = fresh_table()
    put(clear, width)
    prefix = b""
    for index in indices:
        extended = prefix + bytes([index])
        if extended in table:
            prefix = extended
            continue
        put(table[prefix], width)
        if next_code < 4096:
            table[extended] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            put(clear, width)
            table, next_code, width = fresh_table()
        prefix = bytes([index])
    if prefix:
        put(table[prefix], width)
    put(end, width)
    if nbits:
        out.append(acc & 0xFF)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for at in range(0, len(data), 255):
        chunk = data[at:at + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def colour_map(size):
    """`size` distinct colours (a power of two)."""
    return b"".join(bytes([(i * 37) % 256, (i * 91) % 256, (255 - i * 13) % 256])
                    for i in range(size))


def size_field(size):
    return size.bit_length() - 2


def screen(version, width, height, map_size):
    flags = 0x70 | ((0x80 | size_field(map_size)) if map_size else 0)
    head = version + struct.pack("<HHBBB", width, height, flags, 0, 0)
    return head + (colour_map(map_size) if map_size else b"")


def control(transparent_index=None, delay=0):
    flags = 0x01 if transparent_index is not None else 0
    return b"\x21\xF9\x04" + struct.pack("<BHB", flags, delay,
                                         transparent_index or 0) + b"\x00"


def image(left, top, width, height, pixels, min_code_size, local_map=0,
          interlaced=False):
    flags = (0x80 | size_field(local_map) if local_map else 0) | \
        (0x40 if interlaced else 0)
    out = b"\x2C" + struct.pack("<HHHHB", left, top, width, height, flags)
    if local_map:
        out += colour_map(local_map)
    return out + bytes([min_code_size]) + sub_blocks(lzw(pixels, min_code_size))


def interlace(rows):
    order = [y for first, step in ((0, 8), (4, 8), (2, 4), (1, 2))
             for y in range(first, len(rows), step)]
    return [pixel for y in order for pixel in rows[y]]


def pattern(width, height, colours):
    return [[(x // 3 + y // 2) % colours for x in range(width)]
            for y in range(height)]


def flat(rows):
    return [pixel for row in rows for pixel in row]


COMMENT = b"\x21\xFE" + sub_blocks(b"seed")
LOOP = b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
TRAILER = b"\x3B"

SEEDS = {
    "gif87a-global-map.gif":
        screen(b"GIF87a", 12, 8, 4)
        + image(0, 0, 12, 8, flat(pattern(12, 8, 4)), 2) + TRAILER,
    "gif89a-transparent.gif":
        screen(b"GIF89a", 10, 10, 8) + COMMENT + control(3)
        + image(0, 0, 10, 10, flat(pattern(10, 10, 8)), 3) + TRAILER,
    "gif89a-interlaced-local-map.gif":
        screen(b"GIF89a", 16, 16, 2)
        + image(0, 0, 16, 16, interlace(pattern(16, 16, 16)), 4,
                local_map=16, interlaced=True) + TRAILER,
    "gif89a-image-at-offset.gif":
        screen(b"GIF89a", 20, 12, 4)
        + image(5, 3, 8, 6, flat(pattern(8, 6, 4)), 2) + TRAILER,
    "gif89a-screen-without-size.gif":
        screen(b"GIF89a", 0, 0, 4)
        + image(2, 1, 6, 4, flat(pattern(6, 4, 4)), 2) + TRAILER,
    "gif89a-two-frames.gif":
        screen(b"GIF89a", 8, 8, 4) + LOOP + control(None, 10)
        + image(0, 0, 8, 8, flat(pattern(8, 8, 4)), 2) + control(0, 10)
        + image(2, 2, 4, 4, flat(pattern(4, 4, 4)), 2) + TRAILER,
    "gif89a-256-colours.gif":
        screen(b"GIF89a", 32, 32, 256)
        + image(0, 0, 32, 32, [(x * 7 + y * 3) % 256 for y in range(32)
                               for x in range(32)], 8) + TRAILER,
}

if __name__ == "__main__":
    OUT.mkdir(exist_ok=True)
    for name, data in SEEDS.items():
        (OUT / name).write_bytes(data)
