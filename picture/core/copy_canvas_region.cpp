#include "copy_canvas_region.h"

#include <cstdint>

namespace pelorine {

void CopyCanvasRegion(const RgbImage& source, int x, int y, int width,
                      int height, RgbImage& destination, int dx, int dy) {
  if (width <= 0 || height <= 0) return;
  const int64_t right = int64_t{x} + width;
  const int64_t bottom = int64_t{y} + height;
  if (right < 0 || bottom < 0 || x > source.width || y > source.height) return;
  for (int row = 0; row < height; ++row) {
    const int64_t target_y = int64_t{dy} + row;
    if (target_y < 0 || target_y >= destination.height) continue;
    const int64_t source_y = int64_t{y} + row;
    for (int column = 0; column < width; ++column) {
      const int64_t target_x = int64_t{dx} + column;
      if (target_x < 0 || target_x >= destination.width) continue;
      const int64_t source_x = int64_t{x} + column;
      const bool inside = source_x >= 0 && source_x < source.width &&
                          source_y >= 0 && source_y < source.height;
      destination.set(static_cast<int>(target_x), static_cast<int>(target_y),
                      inside ? source.at(static_cast<int>(source_x),
                                         static_cast<int>(source_y))
                             : Rgb{});
    }
  }
}

}  // namespace pelorine
