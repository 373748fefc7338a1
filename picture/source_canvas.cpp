#include "source_canvas.h"

#include <utility>

#include "screen_resampling.h"

namespace pelorine {

SourceCanvas::SourceCanvas(const QString& name, QWidget* parent,
                           SourcePicture picture)
    : FramedCanvas(name, parent), picture_(std::move(picture)) {}

void SourceCanvas::SetBackgroundPicture(std::vector<uint8_t> bytes) {
  picture_.SetBytes(std::move(bytes));
  update();
}

void SourceCanvas::SetDisplayMode(DisplayMode mode) {
  if (picture_.SetDisplayMode(mode)) update();
}

const RgbImage& SourceCanvas::ClientImage() {
  return picture_.Rendering({ClientWidth(), ClientHeight(), BackgroundColour(),
                             ResamplingForScreen(screen())});
}

}  // namespace pelorine
