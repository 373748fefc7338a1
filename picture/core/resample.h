#pragma once

#include "rgb_image.h"

namespace pelorine {

enum class Resampling {
  kAreaAverage,  // each destination pixel the mean of the area it covers
  kNearest,      // pixels dropped or repeated
};

// Stretches `source` to width x height (both positive). Gives an empty image
// when the memory cannot be had.
RgbImage Resample(const RgbImage& source, int width, int height,
                  Resampling resampling);

}  // namespace pelorine
