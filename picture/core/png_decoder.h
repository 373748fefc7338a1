#pragma once

#include <optional>

#include "decoded_picture.h"

namespace pelorine {

// True when the bytes start with the eight-byte PNG signature.
bool HasPngSignature(Bytes bytes);

// PNG data as icon files embed it: any colour type, depth and interlacing,
// delivered as 8-bit colour with an alpha plane (255 where the data has no
// transparency). Hostile input gives nothing, never a read outside `bytes`.
std::optional<DecodedPicture> DecodePng(Bytes bytes,
                                        const DecodeLimits& limits);

}  // namespace pelorine
