#pragma once

#include <optional>

#include "decoded_picture.h"

namespace pelorine {

// JPEG file, decoded by libjpeg from memory; greyscale expanded to RGB, CMYK and YCCK converted to RGB.
// Hostile input gives nothing, never a read outside `bytes`.
std::optional<DecodedPicture> DecodeJpeg(Bytes bytes, const DecodeLimits& limits);

}  // namespace pelorine
