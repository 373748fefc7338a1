#include "copy_canvas_region.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pelorine {

void CopyCanvasRegion(const RgbImage& source, int x, int y, int width,
                      int height, RgbImage& destination, int dx, int dy) {
  if (width <= 0 || height <= 0) return;
  if (int64_t{x} + width < 0 || int64_t{y} + height < 0 || x > source.width ||
      y > source.height) {
    return;
  }
  // The block's columns and rows that land inside the destination, counted
  // from the block's top-left pixel.
  const int64_t first_column = std::max<int64_t>(0, -int64_t{dx});
  const int64_t end_column =
      std::min<int64_t>(width, int64_t{destination.width} - dx);
  const int64_t first_row = std::max<int64_t>(0, -int64_t{dy});
  const int64_t end_row =
      std::min<int64_t>(height, int64_t{destination.height} - dy);
  if (first_column >= end_column || first_row >= end_row) return;
  // Of those, the columns that also lie inside the source; the rest are black.
  const int64_t inside_begin =
      std::clamp<int64_t>(-int64_t{x}, first_column, end_column);
  const int64_t inside_end =
      std::clamp<int64_t>(int64_t{source.width} - x, inside_begin, end_column);
  for (int64_t row = first_row; row < end_row; ++row) {
    uint8_t* target = destination.row(static_cast<int>(dy + row)) +
                      3 * (dx + first_column);
    const size_t span = static_cast<size_t>(3 * (end_column - first_column));
    const int64_t source_y = y + row;
    if (source_y < 0 || source_y >= source.height) {
      std::memset(target, 0, span);
      continue;
    }
    std::memset(target, 0, static_cast<size_t>(3 * (inside_begin - first_column)));
    std::memcpy(target + 3 * (inside_begin - first_column),
                source.row(static_cast<int>(source_y)) + 3 * (x + inside_begin),
                static_cast<size_t>(3 * (inside_end - inside_begin)));
    std::memset(target + 3 * (inside_end - first_column), 0,
                static_cast<size_t>(3 * (end_column - inside_end)));
  }
}

}  // namespace pelorine
