#pragma once

#include "save_location.h"
#include "tile_canvases.h"
#include "user_dialogs.h"

namespace pelorine {

// Writes every tile canvas, frame included, as a 24-bit bitmap file named
// "1.jpg" to "8.jpg" into the save location, then reports how many failed.
// Success is silent.
void SaveTiles(UserDialogs& dialogs, const SaveLocation& location,
               const TileCanvases& tiles);

}  // namespace pelorine
