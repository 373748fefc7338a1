#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "decoded_picture.h"
#include "rgb_image.h"

namespace pelorine {

// Pixel arrays of device-independent bitmaps, as both bitmap files and icon
// entries store them: rows padded to four bytes, 1, 4 and 8 bits per pixel
// through a colour table, 24 bits as B, G, R and 32 bits as B, G, R, X.

// True for the depths that the pixel array decoder reads.
bool IsSupportedDibDepth(int bits_per_pixel);

// Bytes of one padded row, or nothing when the size overflows.
std::optional<size_t> DibRowStride(int64_t width, int bits_per_pixel);

// Bytes that `height` rows need when the last row may lack its padding, or
// nothing when the size overflows.
std::optional<size_t> DibPixelArraySize(int64_t width, int64_t height,
                                        int bits_per_pixel);

// Colour-table entries that precede the pixels: `colours_used`, or all that
// the depth can address when it is 0, never more than the depth addresses.
// Depths above 8 bits have no table.
size_t DibColourTableEntries(uint32_t colours_used, int bits_per_pixel);

// A colour table of at most 256 entries, held without allocating.
struct DibPalette {
  std::array<Rgb, 256> colours{};
  size_t count = 0;
  std::span<const Rgb> entries() const { return {colours.data(), count}; }
};

// Up to `entries` (at most 256) colour-table entries of `entry_size` bytes
// (B, G, R and, for 4-byte entries, an ignored byte); as many as `table`
// holds in full.
DibPalette ReadDibColourTable(Bytes table, size_t entry_size, size_t entries);

// The palette index of pixel `x` of a row of 1, 4 or 8 bits per pixel, most
// significant bits first.
uint8_t DibPackedIndex(const uint8_t* row, size_t x, int bits_per_pixel);

// Fills `image` (already sized) from the pixel array, which must hold
// DibPixelArraySize bytes, else nothing is written and the result is false.
// Indexes beyond `palette` read as black. For 32-bit pixels, when
// `fourth_bytes` is not empty it receives each pixel's fourth byte in image
// order (it must hold width x height bytes).
bool DecodeDibPixels(Bytes pixels, int bits_per_pixel, bool top_down,
                     std::span<const Rgb> palette, RgbImage& image,
                     std::span<uint8_t> fourth_bytes = {});

}  // namespace pelorine
