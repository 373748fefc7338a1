#include "picture_qimage.h"

namespace pelorine {

QImage ToQImage(const DecodedPicture& picture) {
  QImage image(picture.width(), picture.height(), QImage::Format_ARGB32);
  if (image.isNull()) return image;
  for (int y = 0; y < picture.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      const Rgb colour = picture.image.at(x, y);
      const int alpha =
          picture.opaque()
              ? 255
              : picture.alpha[static_cast<size_t>(y) * picture.width() + x];
      line[x] = qRgba(colour.red, colour.green, colour.blue, alpha);
    }
  }
  return image;
}

}  // namespace pelorine
