#!/usr/bin/env python3
"""Writes the seed corpus of icon_fuzzer: icon and cursor files with bitmap
entries of every depth and PNG entries of several colour types, and a few that
are almost valid.

Run from anywhere: python3 fuzz/corpus/make_seeds_icon.py
"""
import os
import struct
import sys
import zlib

sys.dont_write_bytecode = True  # keep the corpus folder free of caches
from make_seeds_bitmap import HERE, colour_table, dib_rows, info_header, ramp


def icon_dib(width, height, bits, pixels, transparent=None, colours=()):
    """A bitmap entry: header of twice the height, table, colour rows and,
    unless `transparent` is None, the AND mask (1 = transparent)."""
    used = len(colours) if bits <= 8 else 0
    out = info_header(width, height * 2, bits, used) + colour_table(colours)
    out += dib_rows(width, height, bits, pixels)
    if transparent is not None:
        out += dib_rows(width, height, 1, transparent)
    return out


def png_chunk(kind, data):
    body = kind + data
    return struct.pack('>I', len(data)) + body + struct.pack(
        '>I', zlib.crc32(body) & 0xFFFFFFFF)


ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4),
         (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def png(width, height, colour_type, depth, rows, extra=b'', interlaced=False):
    """`rows` are the unfiltered scanlines, packed as the depth packs them;
    interlacing supports whole-byte pixels only."""
    if interlaced:
        channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour_type]
        size = channels * depth // 8
        raw = b''
        for x0, y0, dx, dy in ADAM7:
            for y in range(y0, height, dy):
                line = b''.join(rows[y][x * size:(x + 1) * size]
                                for x in range(x0, width, dx))
                if line:
                    raw += b'\0' + line
    else:
        raw = b''.join(b'\0' + row for row in rows)
    header = struct.pack('>IIBBBBB', width, height, depth, colour_type, 0, 0,
                         1 if interlaced else 0)
    return (b'\x89PNG\r\n\x1a\n' + png_chunk(b'IHDR', header) + extra +
            png_chunk(b'IDAT', zlib.compress(raw)) + png_chunk(b'IEND', b''))


def icon_file(entries, kind=1):
    """`entries` are (width byte, colour count, data)."""
    out = struct.pack('<HHH', 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    for width, colours, data in entries:
        out += struct.pack('<BBBBHHII', width, width, colours, 0, 1, 32,
                           len(data), offset)
        offset += len(data)
    return out + b''.join(data for _, _, data in entries)


def seeds():
    square = [i % 2 for i in range(16 * 16)]
    mask = [1 if (i // 16) < 2 else 0 for i in range(16 * 16)]
    mono = icon_dib(16, 16, 1, square, mask, [0x000000, 0xFFFFFF])
    four = icon_dib(32, 32, 4, [i % 16 for i in range(1024)],
                    [int(i % 3 == 0) for i in range(1024)], ramp(16))
    eight = icon_dib(16, 16, 8, [i % 256 for i in range(256)], mask,
                     ramp(256))
    true = icon_dib(4, 3, 24, ramp(12), [0, 1, 0, 1] * 3)
    alpha = icon_dib(4, 4, 32, [(i * 17) << 24 | 0x336699 for i in range(16)])
    zero_alpha = icon_dib(4, 4, 32, [0x00336699] * 16, [i % 2 for i in
                                                        range(16)])
    yield 'program-icon-like.ico', icon_file(
        [(16, 0, alpha), (32, 16, four), (16, 0, eight), (16, 2, mono)])
    yield 'last-entry-shown.ico', icon_file([(16, 2, mono), (4, 0, true)])
    yield 'cursor.cur', icon_file([(16, 2, mono), (4, 0, zero_alpha)], kind=2)

    rgba_rows = [b''.join(bytes(p) for p in row) for row in
                 [[(x * 60, y * 60, 90, 255 - x * 40) for x in range(4)]
                  for y in range(4)]]
    yield 'png-rgba.ico', icon_file([(4, 0, png(4, 4, 6, 8, rgba_rows))])
    yield 'png-interlaced.ico', icon_file(
        [(4, 0, png(4, 4, 6, 8, rgba_rows, interlaced=True))])
    palette = png_chunk(b'PLTE', bytes([255, 0, 0, 0, 255, 0, 0, 0, 255]))
    trns = png_chunk(b'tRNS', bytes([0, 128]))
    yield 'png-palette-trns.ico', icon_file(
        [(32, 16, png(4, 2, 3, 8, [bytes([0, 1, 2, 1])] * 2,
                      palette + trns))])
    yield 'png-grey-2bit.ico', icon_file(
        [(8, 0, png(8, 2, 0, 2, [bytes([0x1B, 0xE4])] * 2))])
    yield 'png-16bit-grey-alpha.ico', icon_file(
        [(2, 0, png(2, 1, 4, 16, [bytes([0xFF, 0xFF, 0x80, 0x00, 0, 0, 0xFF,
                                         0xFF])]))])
    yield 'mask-cut-short.ico', icon_file([(4, 0, true[:-4])])
    yield 'png-cut-short.ico', icon_file(
        [(4, 0, png(4, 4, 6, 8, rgba_rows)[:60])])


if __name__ == '__main__':
    folder = os.path.join(HERE, 'icon_fuzzer')
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)
