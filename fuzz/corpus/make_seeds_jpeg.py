#!/usr/bin/env python3
"""Writes the seed corpus of jpeg_fuzzer: a handful of small, valid JPEG
files that reach the decoder's main paths (baseline, progressive, greyscale,
arithmetic coding, restart markers, odd sizes, CMYK and YCCK with and
without the Adobe marker). Needs cjpeg (Debian: libjpeg-turbo-progs); the
four-component files are assembled here, because cjpeg cannot write them.

Run from anywhere: python3 fuzz/corpus/make_seeds_jpeg.py"""

import pathlib
import struct
import subprocess

OUT = pathlib.Path(__file__).resolve().parent / "jpeg_fuzzer"


def ppm(width, height, grey=False):
    """A picture of soft gradients and one hard edge, as PPM or PGM."""
    pixels = bytearray()
    for y in range(height):
        for x in range(width):
            edge = 60 if x * 2 > width else 0
            colour = ((x * 255 // width + edge) % 256, y * 255 // height,
                      (x + y) * 127 // (width + height) + 64)
            pixels += bytes(colour[:1] if grey else colour)
    magic = b"P5" if grey else b"P6"
    return b"%s %d %d 255\n" % (magic, width, height) + bytes(pixels)


def cjpeg(picture, *switches):
    return subprocess.run(["cjpeg", *switches], input=picture,
                          capture_output=True, check=True).stdout


def segment(marker, payload):
    return bytes([0xFF, marker]) + struct.pack(">H", len(payload) + 2) + payload


def four_components(transform):
    """A 16 x 8 baseline file of four components with all coefficients zero:
    one quantisation table of ones and Huffman tables of a single code each
    (DC difference 0, end of block), so every block is the two bits 00.
    `transform` None leaves out the Adobe marker (plain CMYK); 0 marks
    Adobe CMYK and 2 YCCK."""
    out = b"\xFF\xD8"
    if transform is not None:
        out += segment(0xEE, b"Adobe" + struct.pack(">HHHB", 100, 0, 0,
                                                    transform))
    out += segment(0xDB, b"\x00" + b"\x01" * 64)
    out += segment(0xC0, struct.pack(">BHHB", 8, 8, 16, 4)
                   + b"".join(bytes([i, 0x11, 0]) for i in range(1, 5)))
    one_code = b"\x01" + b"\x00" * 15 + b"\x00"
    out += segment(0xC4, b"\x00" + one_code + b"\x10" + one_code)
    out += segment(0xDA, b"\x04" + b"".join(bytes([i, 0x00])
                                           for i in range(1, 5))
                   + b"\x00\x3F\x00")
    return out + b"\x00\x00" + b"\xFF\xD9"


SEEDS = {
    "baseline.jpg": lambda: cjpeg(ppm(24, 16)),
    "progressive.jpg": lambda: cjpeg(ppm(24, 16), "-progressive"),
    "greyscale.jpg": lambda: cjpeg(ppm(24, 16, grey=True), "-grayscale"),
    "greyscale-progressive.jpg":
        lambda: cjpeg(ppm(16, 16, grey=True), "-grayscale", "-progressive"),
    "arithmetic.jpg": lambda: cjpeg(ppm(24, 16), "-arithmetic"),
    "restart-markers.jpg": lambda: cjpeg(ppm(32, 32), "-restart", "1B"),
    "odd-size-full-chroma.jpg":
        lambda: cjpeg(ppm(13, 7), "-sample", "1x1", "-optimize"),
    "rgb-components.jpg": lambda: cjpeg(ppm(16, 8), "-rgb"),
    "cmyk-adobe.jpg": lambda: four_components(0),
    "ycck-adobe.jpg": lambda: four_components(2),
    "cmyk-without-adobe.jpg": lambda: four_components(None),
}

if __name__ == "__main__":
    OUT.mkdir(exist_ok=True)
    for name, make in SEEDS.items():
        (OUT / name).write_bytes(make())
