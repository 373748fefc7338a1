#include "rgb_image.h"

#include <new>

namespace pelorine {

RgbImage MakeFilledImage(int width, int height, Rgb colour) {
  RgbImage image;
  if (width <= 0 || height <= 0) return image;
  try {
    image.pixels.resize(static_cast<size_t>(width) * height * 3);
  } catch (const std::bad_alloc&) {
    return image;
  }
  image.width = width;
  image.height = height;
  for (size_t i = 0; i < image.pixels.size(); i += 3) {
    image.pixels[i] = colour.red;
    image.pixels[i + 1] = colour.green;
    image.pixels[i + 2] = colour.blue;
  }
  return image;
}

}  // namespace pelorine
