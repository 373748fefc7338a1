#pragma once

#include <optional>

#include "decoded_picture.h"

namespace pelorine {

// Windows bitmap file ("BM"): uncompressed 1, 4, 8 (through the colour table), 24 and 32 bits per pixel, bottom-up or top-down rows.
// Hostile input gives nothing, never a read outside `bytes`.
std::optional<DecodedPicture> DecodeBitmap(Bytes bytes, const DecodeLimits& limits);

}  // namespace pelorine
