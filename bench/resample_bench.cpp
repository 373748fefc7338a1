// Times Resample on the shrinks the viewer does most: a camera picture and a
// screen-sized one scaled down to a thumbnail-sized client area. Build with
// optimisation (e.g. RelWithDebInfo) for meaningful figures.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "resample.h"

namespace {

using pelorine::Resample;
using pelorine::Resampling;
using pelorine::RgbImage;

constexpr int kRuns = 10;

// Keeps every result observable, so no call can be optimised away.
volatile uint8_t result_sink;

// Deterministic noise, so no run profits from flat areas.
RgbImage MakeNoise(int width, int height) {
  RgbImage image;
  image.width = width;
  image.height = height;
  image.pixels.resize(image.stride() * height);
  uint32_t state = 2463534242u;
  for (uint8_t& value : image.pixels) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    value = static_cast<uint8_t>(state >> 24);
  }
  return image;
}

double MedianMilliseconds(const RgbImage& source, int width, int height,
                          Resampling resampling) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const RgbImage result = Resample(source, width, height, resampling);
    const auto stop = std::chrono::steady_clock::now();
    times.push_back(
        std::chrono::duration<double, std::milli>(stop - start).count());
    if (!result.empty()) result_sink = result.pixels[result.pixels.size() / 2];
  }
  std::sort(times.begin(), times.end());
  return (times[kRuns / 2 - 1] + times[kRuns / 2]) / 2;
}

}  // namespace

int main() {
  struct Case {
    int source_width, source_height, width, height;
  };
  const Case cases[] = {{6000, 4000, 303, 202}, {1024, 768, 268, 202}};
  for (const Case& c : cases) {
    const RgbImage source = MakeNoise(c.source_width, c.source_height);
    for (Resampling resampling :
         {Resampling::kAreaAverage, Resampling::kNearest}) {
      std::printf(
          "%5d x %-5d -> %3d x %-3d %-12s median of %d: %8.3f ms\n",
          c.source_width, c.source_height, c.width, c.height,
          resampling == Resampling::kNearest ? "nearest" : "area-average",
          kRuns, MedianMilliseconds(source, c.width, c.height, resampling));
    }
  }
  return 0;
}
