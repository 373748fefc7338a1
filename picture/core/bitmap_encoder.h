#pragma once

#include <cstdint>
#include <vector>

#include "rgb_image.h"

namespace pelorine {

// An uncompressed 24-bit Windows bitmap file of the image, bottom row first;
// an empty image gives no bytes.
std::vector<uint8_t> EncodeBitmapFile(const RgbImage& image);

}  // namespace pelorine
