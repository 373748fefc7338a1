#include "decoded_picture.h"

#include <new>

namespace pelorine {

bool FitsLimits(int64_t width, int64_t height, const DecodeLimits& limits) {
  if (width <= 0 || height <= 0) return false;
  if (width > limits.max_side || height > limits.max_side) return false;
  // Both sides are below 2^32 here, so the product cannot overflow.
  return static_cast<uint64_t>(width) * static_cast<uint64_t>(height) <=
         limits.max_pixels;
}

std::optional<DecodedPicture> AllocatePicture(int64_t width, int64_t height,
                                              bool with_alpha,
                                              const DecodeLimits& limits) {
  if (!FitsLimits(width, height, limits)) return std::nullopt;
  const size_t pixel_count = static_cast<size_t>(width) * height;
  DecodedPicture picture;
  try {
    picture.image.pixels.resize(pixel_count * 3);
    if (with_alpha) picture.alpha.resize(pixel_count);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  picture.image.width = static_cast<int>(width);
  picture.image.height = static_cast<int>(height);
  return picture;
}

}  // namespace pelorine
