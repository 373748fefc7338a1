#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "rgb_image.h"

namespace pelorine {

// What a decoder makes of a picture file. Icons, cursors and GIFs with
// transparent or uncovered pixels carry a coverage value per pixel (0 shows
// the background, 255 the picture); opaque pictures leave `alpha` empty.
struct DecodedPicture {
  RgbImage image;
  std::vector<uint8_t> alpha;

  int width() const { return image.width; }
  int height() const { return image.height; }
  bool opaque() const { return alpha.empty(); }
};

// Limits against decompression bombs. Fuzzers pass smaller ones so that a
// run explores formats rather than allocators.
struct DecodeLimits {
  uint32_t max_side = 65535;
  uint64_t max_pixels = uint64_t{1} << 28;
};

// True when a width x height picture is positive and within the limits.
bool FitsLimits(int64_t width, int64_t height, const DecodeLimits& limits);

// Allocates a width x height picture (with an alpha plane when asked), or
// gives nothing when it exceeds the limits or the memory cannot be had.
std::optional<DecodedPicture> AllocatePicture(int64_t width, int64_t height,
                                              bool with_alpha,
                                              const DecodeLimits& limits);

using Bytes = std::span<const uint8_t>;

}  // namespace pelorine
