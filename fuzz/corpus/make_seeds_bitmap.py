#!/usr/bin/env python3
"""Writes the seed corpus of bitmap_fuzzer: small valid bitmap files of every
depth and header kind, and a few that are almost valid.

Run from anywhere: python3 fuzz/corpus/make_seeds_bitmap.py
The icon seed script reuses the bitmap helpers below.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def dib_rows(width, height, bits, pixels, top_down=False):
    """The pixel array, 4-byte padded rows in storage order. `pixels` holds
    rows top first: palette indexes for 1/4/8 bits, 0xAARRGGBB otherwise."""
    stride = (width * bits + 31) // 32 * 4
    out = bytearray()
    rows = range(height) if top_down else range(height - 1, -1, -1)
    for y in rows:
        row = bytearray(stride)
        for x in range(width):
            value = pixels[y * width + x]
            if bits <= 8:
                bit = x * bits
                row[bit // 8] |= value << (8 - bits - bit % 8)
            else:
                at = x * bits // 8
                row[at:at + 3] = bytes(
                    [value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF])
                if bits == 32:
                    row[at + 3] = value >> 24
        out += row
    return bytes(out)


def info_header(width, height, bits, colours_used=0, compression=0, size=40):
    header = struct.pack('<IiiHHIIiiII', size, width, height, 1, bits,
                         compression, 0, 2835, 2835, colours_used, 0)
    return header + bytes(size - len(header))


def colour_table(colours, entry_size=4):
    """Colours as 0xRRGGBB, written B, G, R (and a zero byte)."""
    out = bytearray()
    for c in colours:
        out += bytes([c & 0xFF, (c >> 8) & 0xFF, c >> 16])
        if entry_size == 4:
            out.append(0)
    return bytes(out)


def bitmap_file(width, height, bits, pixels, colours=(), colours_used=0,
                compression=0, header_size=40):
    if header_size == 12:
        header = struct.pack('<IHHHH', 12, width, height, 1, bits)
        table = colour_table(colours, 3)
    else:
        header = info_header(width, height, bits, colours_used, compression,
                             header_size)
        table = colour_table(colours)
    offset = 14 + len(header) + len(table)
    body = header + table + dib_rows(width, abs(height), bits, pixels,
                                     height < 0)
    return b'BM' + struct.pack('<IHHI', 14 + len(body), 0, 0, offset) + body


def ramp(count):
    return [i * 0x010203 & 0xFFFFFF for i in range(count)]


def seeds():
    yield 'mono-9x3', bitmap_file(9, 3, 1, [(x + y) % 2 for y in range(3)
                                            for x in range(9)],
                                  [0x000000, 0xFFFFFF])
    yield 'four-bit-5x2', bitmap_file(5, 2, 4, list(range(10)), ramp(16))
    yield 'eight-bit-used-4', bitmap_file(4, 4, 8, [i % 4 for i in range(16)],
                                          ramp(4), colours_used=4)
    yield 'true-colour-3x3', bitmap_file(3, 3, 24, ramp(9))
    yield 'true-colour-top-down', bitmap_file(3, -2, 24, ramp(6))
    yield 'thirty-two-bit-2x2', bitmap_file(
        2, 2, 32, [0xFF102030, 0x00405060, 0x80708090, 0x12A0B0C0])
    yield 'os2-core-header', bitmap_file(3, 2, 8, [0, 1, 2, 2, 1, 0],
                                         ramp(3), header_size=12)
    yield 'v5-header', bitmap_file(2, 2, 24, ramp(4), header_size=124)
    yield 'index-beyond-table', bitmap_file(3, 1, 8, [0, 1, 200], ramp(2),
                                            colours_used=2)
    yield 'rle8-flagged', bitmap_file(4, 1, 8, [0, 1, 2, 3], ramp(4),
                                      compression=1)
    yield 'pixels-cut-short', bitmap_file(3, 3, 24, ramp(9))[:-8]


if __name__ == '__main__':
    folder = os.path.join(HERE, 'bitmap_fuzzer')
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(folder, name + '.bmp'), 'wb') as f:
            f.write(data)
