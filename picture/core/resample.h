#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rgb_image.h"

namespace pelorine {

enum class Resampling {
  kAreaAverage,  // each destination pixel the mean of the area it covers
  kNearest,      // pixels dropped or repeated
};

// How one destination pixel covers the source along one axis. Lengths are in
// units of 1/destination_size of a source pixel, so every source pixel is
// destination_size units long, every destination pixel covers source_size
// units, and all overlaps are whole numbers: the means come out exact, with
// no rounding drift across a flat colour.
struct Coverage {
  int first = 0;  // first source pixel touched
  int last = 0;   // last source pixel touched; pixels between are whole
  uint64_t first_weight = 0;
  uint64_t last_weight = 0;  // 0 when first == last
};

// Stretches a picture that arrives row by row, top row first, so a decoder
// can hand over its rows as it makes them and the whole picture never needs
// to be held. The source is read once; the scratch is one row of totals.
class RowResampler {
 public:
  // Prepares a source_width x source_height to width x height stretch. False
  // for sizes that are not positive or memory that cannot be had.
  bool Start(int source_width, int source_height, int width, int height,
             Resampling resampling);
  // `row` holds source_width RGB pixels. Rows beyond the source's are ignored.
  void TakeRow(const uint8_t* row);
  // The stretched image once every source row has arrived, else an empty one.
  RgbImage Finish();

 private:
  void TakeNearestRow(int source_y, const uint8_t* row);
  void TakeAreaRow(int source_y, const uint8_t* row);
  void AddTotalsToSums();
  void FinishAreaRow();

  int source_width_ = 0;
  int source_height_ = 0;
  Resampling resampling_ = Resampling::kAreaAverage;
  uint64_t area_ = 0;
  RgbImage destination_;
  int source_row_ = 0;                  // the next source row to arrive
  int next_row_ = 0;                    // the next destination row to complete
  std::vector<size_t> source_offsets_;  // nearest: each column's source pixel
  std::vector<Coverage> columns_;       // area: each column's coverage
  std::vector<uint16_t> totals_;        // area: whole rows added up
  int total_rows_ = 0;
  std::vector<uint64_t> sums_;  // area: the next destination row's sums
};

// Stretches `source` to width x height (both positive). Gives an empty image
// when the memory cannot be had.
RgbImage Resample(const RgbImage& source, int width, int height,
                  Resampling resampling);

}  // namespace pelorine
