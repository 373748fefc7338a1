#pragma once

#include <optional>
#include <vector>

#include "decoded_picture.h"

namespace pelorine {

// Icon or cursor file: the entry the canvas shows is the first whose width
// byte is 32 and whose colour-count byte is 16 or more, else the last entry.
// The picture's alpha holds the AND mask (or, for 32-bit entries, their alpha
// channel); PNG-compressed entries are decoded with libpng.
std::optional<DecodedPicture> DecodeIcon(Bytes bytes,
                                         const DecodeLimits& limits);

// Every entry of an icon file that decodes, in directory order; the window
// icon offers them all to the desktop.
std::vector<DecodedPicture> DecodeAllIconEntries(Bytes bytes,
                                                 const DecodeLimits& limits);

}  // namespace pelorine
