#pragma once

#include <array>

#include "tile_canvas.h"

namespace pelorine {

using TileCanvases = std::array<TileCanvas*, 8>;

// The window's tile canvases in the order of the tile slots; an entry is null
// when the window has no canvas of that name.
TileCanvases FindTileCanvases(const QWidget& window);

}  // namespace pelorine
