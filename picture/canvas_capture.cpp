#include "canvas_capture.h"

#include "framed_image.h"

namespace pelorine {

RgbImage CaptureCanvasImage(FramedCanvas& canvas) {
  const RgbImage& client = canvas.ClientImage();
  if (client.width != canvas.ClientWidth() ||
      client.height != canvas.ClientHeight()) {
    return {};
  }
  return FrameImage(client, canvas.FrameColour());
}

}  // namespace pelorine
