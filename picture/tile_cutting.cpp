#include "tile_cutting.h"

#include "copy_canvas_region.h"
#include "tile_grid.h"

namespace pelorine {

void CutTiles(SourceCanvas& source, const TileCanvases& tiles) {
  const RgbImage& shown = source.ClientImage();
  for (size_t i = 0; i < kTileSlots.size(); ++i) {
    TileCanvas* tile = tiles[i];
    if (tile == nullptr) continue;
    RgbImage pixels = tile->ClientImage();
    CopyCanvasRegion(shown, kTileSlots[i].region_x(), kTileSlots[i].region_y(),
                     kTileSize, kTileSize, pixels, 0, 0);
    tile->ShowTile(std::move(pixels));
  }
}

}  // namespace pelorine
