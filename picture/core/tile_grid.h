#pragma once

#include <array>

namespace pelorine {

inline constexpr int kTileSize = 100;
// A tile plus a 4-pixel gutter: the distance between neighbouring regions.
inline constexpr int kTilePitch = 104;

struct TileSlot {
  int column;
  int row;
  const char* canvas_name;
  const char* file_name;
  int region_x() const { return kTilePitch * column; }
  int region_y() const { return kTilePitch * row; }
};

// Reading order: top row left to right, then bottom row left to right. Tiles
// are cut and saved in this order. The bottom row's canvases are numbered
// from the right.
inline constexpr std::array<TileSlot, 8> kTileSlots = {{
    {0, 0, "画板2", "1.jpg"},
    {1, 0, "画板3", "2.jpg"},
    {2, 0, "画板4", "3.jpg"},
    {3, 0, "画板5", "4.jpg"},
    {0, 1, "画板9", "5.jpg"},
    {1, 1, "画板8", "6.jpg"},
    {2, 1, "画板7", "7.jpg"},
    {3, 1, "画板6", "8.jpg"},
}};

}  // namespace pelorine
