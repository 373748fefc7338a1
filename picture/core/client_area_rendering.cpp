#include "client_area_rendering.h"

#include <algorithm>
#include <cstring>

#include "placement.h"

namespace pelorine {
namespace {

// The part of the picture that starts at (left, top) and is width x height,
// with transparent pixels blended over the background. Only what is shown is
// composited, so a huge picture at its own size costs a client area's worth.
RgbImage CompositeRegion(const DecodedPicture& picture, int left, int top,
                         int width, int height, Rgb background) {
  RgbImage region = MakeFilledImage(width, height, background);
  if (region.empty()) return region;
  for (int y = 0; y < height; ++y) {
    const uint8_t* source = picture.image.row(top + y) + size_t{3} * left;
    uint8_t* target = region.row(y);
    if (picture.opaque()) {
      std::memcpy(target, source, size_t{3} * width);
      continue;
    }
    const uint8_t* coverage =
        picture.alpha.data() +
        static_cast<size_t>(top + y) * picture.width() + left;
    const uint8_t back[3] = {background.red, background.green,
                             background.blue};
    for (int x = 0; x < width; ++x) {
      const unsigned a = coverage[x];
      for (int c = 0; c < 3; ++c) {
        target[3 * x + c] = static_cast<uint8_t>(
            (source[3 * x + c] * a + back[c] * (255 - a) + 127) / 255);
      }
    }
  }
  return region;
}

void Blit(const RgbImage& source, RgbImage& target, int x, int y) {
  for (int row = 0; row < source.height; ++row) {
    std::memcpy(target.row(y + row) + size_t{3} * x, source.row(row),
                source.stride());
  }
}

}  // namespace

RgbImage RenderClientArea(const DecodedPicture* picture, DisplayMode mode,
                          const RenderingSettings& settings) {
  RgbImage client = MakeFilledImage(settings.client_width,
                                    settings.client_height, settings.background);
  if (client.empty() || picture == nullptr || picture->image.empty()) {
    return client;
  }
  if (mode == DisplayMode::kOwnSize) {
    const int width = std::min(picture->width(), client.width);
    const int height = std::min(picture->height(), client.height);
    Blit(CompositeRegion(*picture, 0, 0, width, height, settings.background),
         client, 0, 0);
    return client;
  }
  const PlacedRect placed = PlaceScaledToFit(client.width, client.height,
                                             picture->width(),
                                             picture->height());
  if (placed.width <= 0 || placed.height <= 0) return client;
  if (placed.width == picture->width() && placed.height == picture->height()) {
    Blit(CompositeRegion(*picture, 0, 0, placed.width, placed.height,
                         settings.background),
         client, placed.x, placed.y);
    return client;
  }
  RgbImage composited;
  if (!picture->opaque()) {
    composited = CompositeRegion(*picture, 0, 0, picture->width(),
                                 picture->height(), settings.background);
    if (composited.empty()) return {};
  }
  const RgbImage scaled =
      Resample(picture->opaque() ? picture->image : composited, placed.width,
               placed.height, settings.resampling);
  if (scaled.empty()) return {};
  Blit(scaled, client, placed.x, placed.y);
  return client;
}

}  // namespace pelorine
