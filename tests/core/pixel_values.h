#pragma once

#include <cstdint>
#include <vector>

#include "rgb_image.h"

namespace pelorine::test {

// Colours written as 0xRRGGBB, so that a failed comparison prints readably.
inline Rgb RgbOf(uint32_t value) {
  return {static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8),
          static_cast<uint8_t>(value)};
}

// The image's pixels as 0xRRGGBB, rows top to bottom.
inline std::vector<uint32_t> ColoursOf(const RgbImage& image) {
  std::vector<uint32_t> colours;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb colour = image.at(x, y);
      colours.push_back(uint32_t{colour.red} << 16 |
                        uint32_t{colour.green} << 8 | colour.blue);
    }
  }
  return colours;
}

}  // namespace pelorine::test
