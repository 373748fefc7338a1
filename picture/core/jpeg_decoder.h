#pragma once

#include <optional>

#include "decoded_picture.h"
#include "picture_row_sink.h"

namespace pelorine {

// JPEG file, decoded by libjpeg from memory; greyscale expanded to RGB, CMYK
// and YCCK converted to RGB. Hostile input gives nothing, never a read outside
// `bytes`. The rows go to `sink` as the library makes them; false when the
// file does not decode.
bool DecodeJpegRows(Bytes bytes, const DecodeLimits& limits,
                    PictureRowSink& sink);

// The same, kept whole.
std::optional<DecodedPicture> DecodeJpeg(Bytes bytes,
                                         const DecodeLimits& limits);

}  // namespace pelorine
