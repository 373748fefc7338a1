#pragma once

#include "rgb_image.h"

namespace pelorine {

// A canvas's whole rectangle: the client image inside a one-pixel frame line.
// Gives an empty image when the client image is empty or memory is short.
RgbImage FrameImage(const RgbImage& client, Rgb frame);

}  // namespace pelorine
