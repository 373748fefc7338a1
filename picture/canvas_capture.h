#pragma once

#include "framed_canvas.h"
#include "rgb_image.h"

namespace pelorine {

// The canvas's whole rectangle, frame included, one pixel per logical pixel
// whatever the screen's scale factor, taken from the canvas's own rendering
// rather than from the screen. An empty image when it cannot be had.
RgbImage CaptureCanvasImage(FramedCanvas& canvas);

}  // namespace pelorine
