#!/usr/bin/env python3
"""Writes the seed corpus of pcx_fuzzer: small PCX files of every layout the
decoder reads, and a few that are almost valid.

Run from anywhere: python3 fuzz/corpus/make_seeds_pcx.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def run_length(data):
    """One continuous stream, so runs cross scanline ends."""
    out = bytearray()
    i = 0
    while i < len(data):
        run = 1
        while i + run < len(data) and run < 63 and data[i + run] == data[i]:
            run += 1
        if run > 1 or data[i] >= 0xC0:
            out.append(0xC0 | run)
        out.append(data[i])
        i += run
    return bytes(out)


def pcx(width, height, bits, planes, bytes_per_line, scanlines, version=5,
        header_palette=b'', trailing_palette=None):
    header = struct.pack('<BBBBHHHHHH', 0x0A, version, 1, bits, 0, 0,
                         width - 1, height - 1, 72, 72)
    header += header_palette.ljust(48, b'\0') + b'\0'
    header += struct.pack('<BHH', planes, bytes_per_line, 1)
    out = header.ljust(128, b'\0') + run_length(scanlines)
    if trailing_palette is not None:
        out += b'\x0c' + trailing_palette
    return out


def seeds():
    grey = bytes(i for i in range(256) for _ in range(3))
    eight = bytes((x * y) % 256 for y in range(6) for x in range(8))
    yield 'palette-8x6', pcx(8, 6, 8, 1, 8, eight, trailing_palette=grey)
    odd = b''.join(bytes([x * 40 for x in range(5)] + [0xEE]) for _ in range(3))
    yield 'palette-odd-width', pcx(5, 3, 8, 1, 6, odd, trailing_palette=grey)
    rgb = b''.join(bytes([x * 60 for x in range(4)]) * 3 for _ in range(4))
    yield 'rgb-planes-4x4', pcx(4, 4, 8, 3, 4, rgb)
    yield 'mono-12x3', pcx(12, 3, 1, 1, 2, bytes([0xA5, 0xF0] * 3),
                           version=3)
    ega = bytes(range(3 * 16))
    yield 'sixteen-colours', pcx(8, 2, 1, 4, 2, bytes([0x0F, 0, 0xF0, 0,
                                                       0x33, 0, 0xCC, 0] * 2),
                                 version=2, header_palette=ega)
    yield 'one-long-run', pcx(63, 2, 8, 1, 64, bytes(128),
                              trailing_palette=grey)
    yield 'palette-marker-missing', pcx(4, 1, 8, 1, 4, bytes(4),
                                        trailing_palette=grey)[:-769] + bytes(
                                            769)
    yield 'data-cut-short', pcx(4, 4, 8, 3, 4, rgb)[:-5]


if __name__ == '__main__':
    folder = os.path.join(HERE, 'pcx_fuzzer')
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(folder, name + '.pcx'), 'wb') as f:
            f.write(data)
