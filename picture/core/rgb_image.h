#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pelorine {

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// 8 bits per channel, rows top to bottom, 3 bytes per pixel (R, G, B), rows
// packed without padding.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;

  bool empty() const { return pixels.empty(); }
  size_t stride() const { return static_cast<size_t>(width) * 3; }
  uint8_t* row(int y) { return pixels.data() + stride() * y; }
  const uint8_t* row(int y) const { return pixels.data() + stride() * y; }
  Rgb at(int x, int y) const {
    const uint8_t* p = row(y) + static_cast<size_t>(x) * 3;
    return {p[0], p[1], p[2]};
  }
  void set(int x, int y, Rgb colour) {
    uint8_t* p = row(y) + static_cast<size_t>(x) * 3;
    p[0] = colour.red;
    p[1] = colour.green;
    p[2] = colour.blue;
  }
  friend bool operator==(const RgbImage&, const RgbImage&) = default;
};

// A filled image, or an empty one when the size is not positive or the memory
// cannot be had.
RgbImage MakeFilledImage(int width, int height, Rgb colour);

}  // namespace pelorine
