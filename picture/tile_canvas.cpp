#include "tile_canvas.h"

#include <utility>

namespace pelorine {

TileCanvas::TileCanvas(const QString& name, QWidget* parent)
    : FramedCanvas(name, parent) {}

void TileCanvas::ShowTile(RgbImage tile) {
  tile_ = std::move(tile);
  update();
}

const RgbImage& TileCanvas::ClientImage() {
  if (tile_) return *tile_;
  const Rgb background = BackgroundColour();
  if (blank_.width != ClientWidth() || blank_.height != ClientHeight() ||
      (!blank_.empty() && blank_.at(0, 0) != background)) {
    blank_ = MakeFilledImage(ClientWidth(), ClientHeight(), background);
  }
  return blank_;
}

}  // namespace pelorine
