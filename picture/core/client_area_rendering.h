#pragma once

#include "decoded_picture.h"
#include "display_mode.h"
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

// What a client area shows: the background colour and, when there is one, the
// picture placed and sized by the display mode, its transparent pixels showing
// the background. Gives an empty image when the memory cannot be had.
RgbImage RenderClientArea(const DecodedPicture* picture, DisplayMode mode,
                          const RenderingSettings& settings);

}  // namespace pelorine
