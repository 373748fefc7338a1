#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "little_endian_writer.h"
#include "pixel_values.h"
#include "rgb_image.h"

namespace pelorine::test {

// Builds device-independent bitmaps for the tests: bitmap files and the
// bitmap entries of icon files. Pixels are given top row first: palette
// indexes for 1, 4 and 8 bits, 0xAARRGGBB for 24 and 32 bits (AA is the
// fourth byte of a 32-bit pixel).

inline size_t DibStride(int width, int bits) {
  return (static_cast<size_t>(width) * bits + 31) / 32 * 4;
}

// The pixel array, rows in storage order and padded to four bytes.
inline std::vector<uint8_t> PackDibRows(int width, int height, int bits,
                                        const std::vector<uint32_t>& pixels,
                                        bool top_down) {
  const size_t stride = DibStride(width, bits);
  std::vector<uint8_t> out(stride * height, 0);
  for (int stored = 0; stored < height; ++stored) {
    const int y = top_down ? stored : height - 1 - stored;
    uint8_t* row = out.data() + stored * stride;
    for (int x = 0; x < width; ++x) {
      const uint32_t value = pixels.at(static_cast<size_t>(y) * width + x);
      if (bits <= 8) {
        const size_t bit = static_cast<size_t>(x) * bits;
        row[bit / 8] |= value << (8 - bits - bit % 8);
      } else {
        uint8_t* pixel = row + static_cast<size_t>(x) * (bits / 8);
        pixel[0] = value & 0xFF;
        pixel[1] = (value >> 8) & 0xFF;
        pixel[2] = (value >> 16) & 0xFF;
        if (bits == 32) pixel[3] = value >> 24;
      }
    }
  }
  return out;
}

// An info header of `size` bytes (40 or more), zero beyond its known fields.
inline void AppendInfoHeader(std::vector<uint8_t>& out, uint32_t size,
                             int32_t width, int32_t height, int bits,
                             uint32_t compression, uint32_t colours_used) {
  const size_t start = out.size();
  AppendLe(out, size, 4);
  AppendLe(out, static_cast<uint32_t>(width), 4);
  AppendLe(out, static_cast<uint32_t>(height), 4);
  AppendLe(out, 1, 2);  // planes
  AppendLe(out, bits, 2);
  AppendLe(out, compression, 4);
  out.resize(start + 32, 0);
  AppendLe(out, colours_used, 4);
  out.resize(start + size, 0);
}

inline void AppendColourTable(std::vector<uint8_t>& out,
                              const std::vector<Rgb>& palette,
                              size_t entry_size) {
  for (const Rgb& colour : palette) {
    out.insert(out.end(), {colour.blue, colour.green, colour.red});
    if (entry_size == 4) out.push_back(0);
  }
}

struct BitmapFileFields {
  int32_t width = 0;
  int32_t height = 0;  // negative for top-down rows
  int bits = 24;
  uint32_t header_size = 40;  // 12 writes the OS/2 core header
  uint32_t colours_used = 0;
  std::vector<Rgb> palette = {};
  std::vector<uint32_t> pixels = {};
};

// Offset of the pixel-offset field and of the info header's fields.
constexpr size_t kBmpPixelOffset = 10;
constexpr size_t kBmpWidth = 18;
constexpr size_t kBmpHeight = 22;
constexpr size_t kBmpPlanes = 26;
constexpr size_t kBmpBits = 28;
constexpr size_t kBmpCompression = 30;

inline std::vector<uint8_t> BuildBitmapFile(const BitmapFileFields& fields) {
  const size_t entry_size = fields.header_size == 12 ? 3 : 4;
  std::vector<uint8_t> out = {'B', 'M'};
  AppendLe(out, 0, 4);  // file size, patched below
  AppendLe(out, 0, 4);
  const size_t pixel_offset =
      14 + fields.header_size + fields.palette.size() * entry_size;
  AppendLe(out, pixel_offset, 4);
  if (fields.header_size == 12) {
    AppendLe(out, 12, 4);
    AppendLe(out, fields.width, 2);
    AppendLe(out, fields.height, 2);
    AppendLe(out, 1, 2);
    AppendLe(out, fields.bits, 2);
  } else {
    AppendInfoHeader(out, fields.header_size, fields.width, fields.height,
                     fields.bits, 0, fields.colours_used);
  }
  AppendColourTable(out, fields.palette, entry_size);
  const bool top_down = fields.height < 0;
  const auto rows =
      PackDibRows(fields.width, top_down ? -fields.height : fields.height,
                  fields.bits, fields.pixels, top_down);
  out.insert(out.end(), rows.begin(), rows.end());
  PutLe(out, 2, out.size(), 4);
  return out;
}

struct IconDibFields {
  int width = 0;
  int height = 0;  // of the image; the header stores twice this
  int bits = 24;
  std::vector<Rgb> palette = {};
  std::vector<uint32_t> pixels = {};
  // One value per pixel, top row first: 1 lets the background show. Empty
  // stores no AND mask at all.
  std::vector<uint32_t> transparent = {};
};

// Offsets of fields inside an icon bitmap entry.
constexpr size_t kDibHeaderSize = 0;
constexpr size_t kDibWidth = 4;
constexpr size_t kDibHeight = 8;
constexpr size_t kDibBits = 14;
constexpr size_t kDibCompression = 16;
constexpr size_t kDibColoursUsed = 32;

inline std::vector<uint8_t> BuildIconDib(const IconDibFields& fields) {
  std::vector<uint8_t> out;
  AppendInfoHeader(out, 40, fields.width, fields.height * 2, fields.bits, 0,
                   fields.bits <= 8 ? fields.palette.size() : 0);
  AppendColourTable(out, fields.palette, 4);
  const auto colours = PackDibRows(fields.width, fields.height, fields.bits,
                                   fields.pixels, false);
  out.insert(out.end(), colours.begin(), colours.end());
  if (!fields.transparent.empty()) {
    const auto mask =
        PackDibRows(fields.width, fields.height, 1, fields.transparent, false);
    out.insert(out.end(), mask.begin(), mask.end());
  }
  return out;
}

}  // namespace pelorine::test
