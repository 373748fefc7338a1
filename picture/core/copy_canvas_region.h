#pragma once

#include "rgb_image.h"

namespace pelorine {

// Copies the width x height block at (x, y) of `source` to (dx, dy) of
// `destination`, pixel for pixel. A block that lies wholly outside the
// source (by the strict test x + width < 0, y + height < 0, x > width of the
// source, y > its height) copies nothing; source pixels outside the source
// read as black, and only pixels landing inside the destination are written.
void CopyCanvasRegion(const RgbImage& source, int x, int y, int width,
                      int height, RgbImage& destination, int dx, int dy);

}  // namespace pelorine
