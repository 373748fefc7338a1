#include "client_area_rendering.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace pelorine {
namespace {

ClientAreaRenderings Background(const RenderingSettings& settings) {
  const auto fill = [&] {
    return MakeFilledImage(settings.client_width, settings.client_height,
                           settings.background);
  };
  return {fill(), fill()};
}

void Blit(const RgbImage& source, RgbImage& target, int x, int y) {
  for (int row = 0; row < source.height; ++row) {
    std::memcpy(target.row(y + row) + size_t{3} * x, source.row(row),
                source.stride());
  }
}

}  // namespace

ClientAreaRenderer::ClientAreaRenderer(const RenderingSettings& settings)
    : settings_(settings), renderings_(Background(settings)) {}

bool ClientAreaRenderer::Start(int width, int height, bool with_alpha) {
  if (renderings_.own_size.empty() || renderings_.scaled_to_fit.empty()) {
    return false;
  }
  picture_width_ = width;
  picture_height_ = height;
  rows_taken_ = 0;
  placed_ = PlaceScaledToFit(settings_.client_width, settings_.client_height,
                             width, height);
  try {
    composited_row_.resize(with_alpha ? size_t{3} * width : 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  // A picture shrunk to nothing in one direction leaves the background.
  if (placed_.width <= 0 || placed_.height <= 0) return true;
  return resampler_.Start(width, height, placed_.width, placed_.height,
                          settings_.resampling);
}

// The row blended over the background, or the row itself when it is opaque.
const uint8_t* ClientAreaRenderer::Composite(const uint8_t* rgb,
                                             const uint8_t* alpha) {
  if (alpha == nullptr || composited_row_.empty()) return rgb;
  const Rgb background = settings_.background;
  const unsigned back[3] = {background.red, background.green, background.blue};
  uint8_t* target = composited_row_.data();
  for (int x = 0; x < picture_width_; ++x) {
    const unsigned a = alpha[x];
    for (int c = 0; c < 3; ++c) {
      target[3 * x + c] = static_cast<uint8_t>(
          (rgb[3 * x + c] * a + back[c] * (255 - a) + 127) / 255);
    }
  }
  return target;
}

void ClientAreaRenderer::TakeRow(const uint8_t* rgb, const uint8_t* alpha) {
  if (rows_taken_ >= picture_height_) return;
  const uint8_t* row = Composite(rgb, alpha);
  RgbImage& own_size = renderings_.own_size;
  if (rows_taken_ < own_size.height) {
    std::memcpy(own_size.row(rows_taken_), row,
                size_t{3} * std::min(picture_width_, own_size.width));
  }
  resampler_.TakeRow(row);
  ++rows_taken_;
}

ClientAreaRenderings ClientAreaRenderer::Finish() {
  if (rows_taken_ != picture_height_) return Background(settings_);
  if (placed_.width > 0 && placed_.height > 0) {
    const RgbImage scaled = resampler_.Finish();
    if (scaled.empty()) return {};
    Blit(scaled, renderings_.scaled_to_fit, placed_.x, placed_.y);
  }
  ClientAreaRenderings result = std::move(renderings_);
  renderings_ = {};
  return result;
}

}  // namespace pelorine
