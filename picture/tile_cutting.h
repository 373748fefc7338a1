#pragma once

#include "source_canvas.h"
#include "tile_canvases.h"

namespace pelorine {

// Copies the eight tile regions of what the source canvas shows onto the
// tile canvases, replacing every tile.
void CutTiles(SourceCanvas& source, const TileCanvases& tiles);

}  // namespace pelorine
