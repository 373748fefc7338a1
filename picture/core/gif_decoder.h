#pragma once

#include <optional>

#include "decoded_picture.h"

namespace pelorine {

// GIF file: the first image on its logical screen; pixels it leaves transparent or does not cover are transparent (alpha 0).
// Hostile input gives nothing, never a read outside `bytes`.
std::optional<DecodedPicture> DecodeGif(Bytes bytes, const DecodeLimits& limits);

}  // namespace pelorine
