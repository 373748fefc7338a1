#pragma once

#include <cstdint>
#include <vector>

#include "display_mode.h"
#include "framed_canvas.h"
#include "source_picture.h"

namespace pelorine {

// The canvas that shows the chosen picture under the display mode.
class SourceCanvas : public FramedCanvas {
 public:
  SourceCanvas(const QString& name, QWidget* parent,
               SourcePicture picture = SourcePicture());

  // Takes the file's bytes (no bytes removes the picture); decoding waits for
  // the next repaint.
  void SetBackgroundPicture(std::vector<uint8_t> bytes);
  // Repaints only when the mode changes.
  void SetDisplayMode(DisplayMode mode);
  DisplayMode display_mode() const { return picture_.display_mode(); }

  const RgbImage& ClientImage() override;

 private:
  SourcePicture picture_;
};

}  // namespace pelorine

namespace pelorine {

// The actions of the two display-mode radio buttons.
inline void ShowOriginalScale(SourceCanvas& canvas) {
  canvas.SetDisplayMode(DisplayMode::kOwnSize);
}
inline void ShowScaled(SourceCanvas& canvas) {
  canvas.SetDisplayMode(DisplayMode::kScaledToFit);
}

}  // namespace pelorine
