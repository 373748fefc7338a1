#pragma once

#include <optional>

#include "decoded_picture.h"

namespace pelorine {

// Recognises the bytes and decodes them with the decoder of their kind.
std::optional<DecodedPicture> DecodePicture(Bytes bytes,
                                            const DecodeLimits& limits = {});

}  // namespace pelorine
