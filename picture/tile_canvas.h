#pragma once

#include <optional>

#include "framed_canvas.h"

namespace pelorine {

// A canvas that shows the tile last cut into it, or its background colour
// before the first cut. It keeps the tile's pixels, so a repaint (another
// window passing over it) never loses the tile before it is saved.
class TileCanvas : public FramedCanvas {
 public:
  TileCanvas(const QString& name, QWidget* parent);

  void ShowTile(RgbImage tile);
  const RgbImage& ClientImage() override;

 private:
  std::optional<RgbImage> tile_;
  RgbImage blank_;
};

}  // namespace pelorine
