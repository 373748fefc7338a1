#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <algorithm>

#include "rgb_image.h"

namespace pelorine::test {

inline RgbImage Filled(int width, int height, Rgb colour) {
  RgbImage image{width, height, {}};
  image.pixels.resize(image.stride() * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.set(x, y, colour);
  }
  return image;
}

// Every pixel of a picture up to 256 x 128 has its own colour, so a pixel
// that lands in the wrong place shows.
inline RgbImage Pattern(int width, int height) {
  RgbImage image = Filled(width, height, {});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.set(x, y,
                {static_cast<uint8_t>(x), static_cast<uint8_t>(2 * y),
                 static_cast<uint8_t>(255 - x)});
    }
  }
  return image;
}

// `base` with `picture` laid over it at (left, top), cut at base's edges.
inline RgbImage Pasted(RgbImage base, const RgbImage& picture, int left,
                       int top) {
  for (int y = std::max(0, top);
       y < std::min(base.height, top + picture.height); ++y) {
    for (int x = std::max(0, left);
         x < std::min(base.width, left + picture.width); ++x) {
      base.set(x, y, picture.at(x - left, y - top));
    }
  }
  return base;
}

// The width x height block at (left, top), which must lie inside `image`.
inline RgbImage Cropped(const RgbImage& image, int left, int top, int width,
                        int height) {
  RgbImage block = Filled(width, height, {});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      block.set(x, y, image.at(left + x, top + y));
    }
  }
  return block;
}

// The client image inside a one-pixel frame line.
inline RgbImage Framed(const RgbImage& client, Rgb frame) {
  return Pasted(Filled(client.width + 2, client.height + 2, frame), client, 1,
                1);
}

// What the widget paints, one pixel per logical pixel.
inline RgbImage Painted(QWidget& widget) {
  const QImage image =
      widget.grab().toImage().convertToFormat(QImage::Format_RGB888);
  EXPECT_EQ(image.devicePixelRatio(), 1.0);
  RgbImage pixels = Filled(image.width(), image.height(), {});
  for (int y = 0; y < image.height(); ++y) {
    std::copy_n(image.constScanLine(y), pixels.stride(), pixels.row(y));
  }
  return pixels;
}

inline std::string Describe(Rgb colour) {
  return "(" + std::to_string(colour.red) + ", " +
         std::to_string(colour.green) + ", " + std::to_string(colour.blue) +
         ")";
}

// Names the first differing pixel and how many differ, instead of dumping
// the whole pixel buffer.
inline testing::AssertionResult SameImage(const RgbImage& actual,
                                          const RgbImage& expected) {
  if (actual.width != expected.width || actual.height != expected.height) {
    return testing::AssertionFailure()
           << "size " << actual.width << " x " << actual.height << ", expected "
           << expected.width << " x " << expected.height;
  }
  int differing = 0;
  std::string first;
  for (int y = 0; y < actual.height; ++y) {
    for (int x = 0; x < actual.width; ++x) {
      if (actual.at(x, y) == expected.at(x, y)) continue;
      if (differing++ == 0) {
        first = "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                Describe(actual.at(x, y)) + ", expected " +
                Describe(expected.at(x, y));
      }
    }
  }
  if (differing == 0) return testing::AssertionSuccess();
  return testing::AssertionFailure()
         << differing << " pixels differ; first " << first;
}

}  // namespace pelorine::test
