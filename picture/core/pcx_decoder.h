#pragma once

#include <optional>

#include "decoded_picture.h"

namespace pelorine {

// PCX file: 8 bits per pixel (256-colour palette, or three planes of 24-bit colour) and 1 bit per pixel.
// Hostile input gives nothing, never a read outside `bytes`.
std::optional<DecodedPicture> DecodePcx(Bytes bytes, const DecodeLimits& limits);

}  // namespace pelorine
