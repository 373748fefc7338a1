#pragma once

#include <cstdint>
#include <vector>

#include "display_mode.h"
#include "picture_row_sink.h"
#include "placement.h"
#include "resample.h"
#include "rgb_image.h"

namespace pelorine {

struct RenderingSettings {
  int client_width = 0;
  int client_height = 0;
  Rgb background;
  Resampling resampling = Resampling::kAreaAverage;
  friend bool operator==(const RenderingSettings&,
                         const RenderingSettings&) = default;
};

// What a client area shows under each display mode.
struct ClientAreaRenderings {
  RgbImage own_size;
  RgbImage scaled_to_fit;

  const RgbImage& For(DisplayMode mode) const {
    return mode == DisplayMode::kOwnSize ? own_size : scaled_to_fit;
  }
};

// Draws a picture into the client area under both display modes while its
// rows arrive: the background colour and the picture placed and sized by the
// mode, its transparent pixels showing the background. Switching modes then
// needs neither the picture nor another decode, and the picture at full size
// is never held.
class ClientAreaRenderer : public PictureRowSink {
 public:
  explicit ClientAreaRenderer(const RenderingSettings& settings);

  bool Start(int width, int height, bool with_alpha) override;
  void TakeRow(const uint8_t* rgb, const uint8_t* alpha) override;
  // Both renderings. Without a picture, or when not all of its rows arrived,
  // they show the background alone; they are empty images when the memory
  // cannot be had.
  ClientAreaRenderings Finish();

 private:
  const uint8_t* Composite(const uint8_t* rgb, const uint8_t* alpha);

  RenderingSettings settings_;
  ClientAreaRenderings renderings_;
  int picture_width_ = 0;
  int picture_height_ = 0;
  int rows_taken_ = 0;
  PlacedRect placed_;
  RowResampler resampler_;
  std::vector<uint8_t> composited_row_;
};

}  // namespace pelorine
