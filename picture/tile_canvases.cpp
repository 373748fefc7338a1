#include "tile_canvases.h"

#include "tile_grid.h"

namespace pelorine {

TileCanvases FindTileCanvases(const QWidget& window) {
  TileCanvases canvases{};
  for (size_t i = 0; i < kTileSlots.size(); ++i) {
    canvases[i] = window.findChild<TileCanvas*>(
        QString::fromUtf8(kTileSlots[i].canvas_name));
  }
  return canvases;
}

}  // namespace pelorine
