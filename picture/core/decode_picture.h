#pragma once

#include <optional>

#include "decoded_picture.h"
#include "picture_row_sink.h"

namespace pelorine {

// Recognises the bytes and decodes them with the decoder of their kind, the
// rows going to `sink` top row first; false when the bytes are no picture or
// do not decode.
bool DecodePictureRows(Bytes bytes, PictureRowSink& sink,
                       const DecodeLimits& limits = {});

// The same, kept whole.
std::optional<DecodedPicture> DecodePicture(Bytes bytes,
                                            const DecodeLimits& limits = {});

}  // namespace pelorine
