#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "little_endian_writer.h"
#include "rgb_image.h"

namespace pelorine::test {

// Assembles small GIF files for the tests, byte by byte.

struct GifFrame {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool interlaced = false;
  // Empty for none; else 2, 4, ... or 256 colours.
  std::vector<Rgb> local_map = {};
  // Written before the frame as-is (whole extension blocks).
  std::vector<uint8_t> extensions = {};
  // At 0 or above, a graphic control extension with this transparent index
  // comes right before the frame.
  int transparent_index = -1;
  // The LZW minimum code size; every index must lie below 2^code_size.
  int code_size = 2;
  // The rows in the order the file stores them.
  std::vector<uint8_t> indices = {};
};

struct GifRecipe {
  std::string signature = "GIF89a";
  int screen_width = 0;
  int screen_height = 0;
  std::vector<Rgb> global_map = {};  // empty for none, as local_map
  std::vector<GifFrame> frames = {};
};

// The indices as LZW codes without compression: a clear code before every
// 2^code_size - 2 literals keeps the code table, and so the code width, from
// ever growing beyond its starting size.
inline std::vector<uint8_t> LiteralLzw(const std::vector<uint8_t>& indices,
                                       int code_size) {
  const int clear = 1 << code_size;
  const int width = code_size + 1;
  const size_t literals_per_clear = clear - 2;
  std::vector<uint8_t> out;
  uint32_t bits = 0;
  int bit_count = 0;
  auto put = [&](int code) {
    bits |= static_cast<uint32_t>(code) << bit_count;
    bit_count += width;
    while (bit_count >= 8) {
      out.push_back(bits & 0xFF);
      bits >>= 8;
      bit_count -= 8;
    }
  };
  for (size_t i = 0; i < indices.size(); ++i) {
    if (i % literals_per_clear == 0) put(clear);
    put(indices[i]);
  }
  put(clear + 1);  // end of information
  if (bit_count > 0) out.push_back(bits & 0xFF);
  return out;
}

// The size field of a colour map of `size` entries (a power of two).
inline int ColourMapSizeField(size_t size) {
  int field = 0;
  while ((size_t{2} << field) < size) ++field;
  return field;
}

inline void AppendColourMap(std::vector<uint8_t>& out,
                            const std::vector<Rgb>& map) {
  for (const Rgb& colour : map) {
    out.insert(out.end(), {colour.red, colour.green, colour.blue});
  }
}

inline std::vector<uint8_t> EncodeGif(const GifRecipe& recipe) {
  std::vector<uint8_t> out(recipe.signature.begin(), recipe.signature.end());
  AppendLe(out, recipe.screen_width, 2);
  AppendLe(out, recipe.screen_height, 2);
  const bool global = !recipe.global_map.empty();
  out.push_back((global ? 0xF0 : 0x70) |
                (global ? ColourMapSizeField(recipe.global_map.size()) : 0));
  out.insert(out.end(), {0, 0});  // background index, pixel shape
  AppendColourMap(out, recipe.global_map);
  for (const GifFrame& frame : recipe.frames) {
    out.insert(out.end(), frame.extensions.begin(), frame.extensions.end());
    if (frame.transparent_index >= 0) {
      out.insert(out.end(), {0x21, 0xF9, 4, 0x01, 0, 0,
                             static_cast<uint8_t>(frame.transparent_index), 0});
    }
    out.push_back(0x2C);
    AppendLe(out, frame.left, 2);
    AppendLe(out, frame.top, 2);
    AppendLe(out, frame.width, 2);
    AppendLe(out, frame.height, 2);
    const bool local = !frame.local_map.empty();
    out.push_back(
        (local ? 0x80 | ColourMapSizeField(frame.local_map.size()) : 0) |
        (frame.interlaced ? 0x40 : 0));
    AppendColourMap(out, frame.local_map);
    out.push_back(frame.code_size);
    const std::vector<uint8_t> codes =
        LiteralLzw(frame.indices, frame.code_size);
    for (size_t at = 0; at < codes.size(); at += 255) {
      const size_t length = std::min<size_t>(255, codes.size() - at);
      out.push_back(length);
      out.insert(out.end(), codes.begin() + at, codes.begin() + at + length);
    }
    out.push_back(0);
  }
  out.push_back(0x3B);
  return out;
}

}  // namespace pelorine::test
