#include "resample.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <utility>
#include <vector>

namespace pelorine {
namespace {

constexpr uint64_t kMaxChannel = 255;

Coverage CoverageOf(int destination_index, int source_size,
                    int destination_size) {
  const int64_t begin = int64_t{destination_index} * source_size;
  const int64_t end = begin + source_size;
  Coverage coverage;
  coverage.first = static_cast<int>(begin / destination_size);
  coverage.last = static_cast<int>((end - 1) / destination_size);
  if (coverage.first == coverage.last) {
    coverage.first_weight = static_cast<uint64_t>(source_size);
  } else {
    coverage.first_weight = static_cast<uint64_t>(
        int64_t{coverage.first + 1} * destination_size - begin);
    coverage.last_weight =
        static_cast<uint64_t>(end - int64_t{coverage.last} * destination_size);
  }
  return coverage;
}

// Adds one row's values, weighted by their horizontal coverage, into the
// three channel sums of every destination column, each times `row_weight`.
template <typename Value>
void AddColumnSums(const Value* row, const std::vector<Coverage>& columns,
                   uint64_t whole_weight, uint64_t row_weight, uint64_t* sums) {
  for (const Coverage& column : columns) {
    const Value* first = row + static_cast<size_t>(column.first) * 3;
    const Value* last = row + static_cast<size_t>(column.last) * 3;
    uint64_t red = 0;
    uint64_t green = 0;
    uint64_t blue = 0;
    for (const Value* pixel = first + 3; pixel < last; pixel += 3) {
      red += pixel[0];
      green += pixel[1];
      blue += pixel[2];
    }
    // With first == last the last weight is 0, so no branch is needed.
    sums[0] += row_weight * (column.first_weight * first[0] +
                             whole_weight * red + column.last_weight * last[0]);
    sums[1] +=
        row_weight * (column.first_weight * first[1] + whole_weight * green +
                      column.last_weight * last[1]);
    sums[2] +=
        row_weight * (column.first_weight * first[2] + whole_weight * blue +
                      column.last_weight * last[2]);
    sums += 3;
  }
}

// Whole rows are added into 16-bit totals, which hold 256 of them:
// 256 * 255 < 65536.
constexpr int kRowsPerTotal = 256;

// Adds one row into `totals`, value by value.
void AddRow(const uint8_t* row, size_t count, uint16_t* totals) {
  // Works in fixed-length blocks and writes a block's totals only after all
  // its bytes are read (a byte pointer may alias anything): so the compiler
  // vectorises it even at -O2, where it declines loops that need an aliasing
  // check or a scalar remainder.
  constexpr size_t kBlock = 32;
  size_t i = 0;
  for (; i + kBlock <= count; i += kBlock) {
    uint16_t block[kBlock];
    std::memcpy(block, totals + i, sizeof block);
    for (size_t k = 0; k < kBlock; ++k) block[k] += row[i + k];
    std::memcpy(totals + i, block, sizeof block);
  }
  for (; i < count; ++i) totals[i] += row[i];
}

// The source pixel under destination pixel `index`'s centre:
// floor((index + 0.5) * source_size / destination_size), which stays below
// source_size since index < destination_size.
int NearestSource(int index, int source_size, int destination_size) {
  return static_cast<int>((2 * int64_t{index} + 1) * source_size /
                          (2 * int64_t{destination_size}));
}

}  // namespace

bool RowResampler::Start(int source_width, int source_height, int width,
                         int height, Resampling resampling) {
  *this = RowResampler();
  if (width <= 0 || height <= 0 || source_width <= 0 || source_height <= 0) {
    return false;
  }
  // The area sums reach 255 times the source's pixel count, plus rounding.
  const uint64_t source_area = static_cast<uint64_t>(source_width) *
                               static_cast<uint64_t>(source_height);
  if (source_area > std::numeric_limits<uint64_t>::max() / (kMaxChannel + 1)) {
    return false;
  }
  if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) >
      std::vector<uint8_t>().max_size() / 3) {
    return false;
  }
  source_width_ = source_width;
  source_height_ = source_height;
  resampling_ = resampling;
  area_ = source_area;
  try {
    destination_ = MakeFilledImage(width, height, Rgb{});
    if (destination_.empty()) return false;
    if (width == source_width && height == source_height) return true;
    if (resampling == Resampling::kNearest) {
      source_offsets_.resize(static_cast<size_t>(width));
      for (int x = 0; x < width; ++x) {
        source_offsets_[x] =
            static_cast<size_t>(NearestSource(x, source_width, width)) * 3;
      }
      return true;
    }
    columns_.resize(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
      columns_[x] = CoverageOf(x, source_width, width);
    }
    totals_.assign(static_cast<size_t>(source_width) * 3, 0);
    sums_.assign(destination_.stride(), 0);
  } catch (const std::bad_alloc&) {
    *this = RowResampler();
    return false;
  }
  return true;
}

void RowResampler::TakeRow(const uint8_t* row) {
  if (destination_.empty() || source_row_ >= source_height_) return;
  const int source_y = source_row_++;
  if (destination_.width == source_width_ &&
      destination_.height == source_height_) {
    std::memcpy(destination_.row(source_y), row, destination_.stride());
  } else if (resampling_ == Resampling::kNearest) {
    TakeNearestRow(source_y, row);
  } else {
    TakeAreaRow(source_y, row);
  }
}

// Every destination row whose centre lies on this source row is a copy of it,
// its pixels picked by column.
void RowResampler::TakeNearestRow(int source_y, const uint8_t* row) {
  while (next_row_ < destination_.height &&
         NearestSource(next_row_, source_height_, destination_.height) ==
             source_y) {
    uint8_t* out = destination_.row(next_row_++);
    for (size_t offset : source_offsets_) {
      out[0] = row[offset];
      out[1] = row[offset + 1];
      out[2] = row[offset + 2];
      out += 3;
    }
  }
}

// A source row adds to every destination row it overlaps, weighted by the
// overlap (in the units of Coverage). A row that lies wholly inside one
// destination row is only added value by value into the totals, which is
// cheap and vectorises; the costly column sums then run once per run of such
// rows rather than once per row.
void RowResampler::TakeAreaRow(int source_y, const uint8_t* row) {
  const int64_t height = destination_.height;
  const int64_t begin = int64_t{source_y} * height;
  const int64_t end = begin + height;
  const int first = static_cast<int>(begin / source_height_);
  const int last = static_cast<int>((end - 1) / source_height_);
  for (int y = first; y <= last; ++y) {
    while (next_row_ < y) FinishAreaRow();
    const int64_t overlap = std::min(end, int64_t{y + 1} * source_height_) -
                            std::max(begin, int64_t{y} * source_height_);
    if (overlap == height) {
      if (total_rows_ == kRowsPerTotal) AddTotalsToSums();
      AddRow(row, totals_.size(), totals_.data());
      ++total_rows_;
    } else {
      AddColumnSums(row, columns_, static_cast<uint64_t>(destination_.width),
                    static_cast<uint64_t>(overlap), sums_.data());
    }
  }
}

void RowResampler::AddTotalsToSums() {
  AddColumnSums(totals_.data(), columns_,
                static_cast<uint64_t>(destination_.width),
                static_cast<uint64_t>(destination_.height), sums_.data());
  std::fill(totals_.begin(), totals_.end(), 0);
  total_rows_ = 0;
}

// A destination pixel's sum is its area (source_width * source_height in the
// units of Coverage) times its mean.
void RowResampler::FinishAreaRow() {
  if (total_rows_ > 0) AddTotalsToSums();
  uint8_t* out = destination_.row(next_row_++);
  for (size_t i = 0; i < sums_.size(); ++i) {
    out[i] = static_cast<uint8_t>((sums_[i] + area_ / 2) / area_);
  }
  std::fill(sums_.begin(), sums_.end(), 0);
}

RgbImage RowResampler::Finish() {
  if (destination_.empty() || source_row_ != source_height_) return {};
  if (!columns_.empty()) {
    while (next_row_ < destination_.height) FinishAreaRow();
  }
  RgbImage result = std::move(destination_);
  *this = RowResampler();
  return result;
}

RgbImage Resample(const RgbImage& source, int width, int height,
                  Resampling resampling) {
  if (source.empty()) return {};
  if (width == source.width && height == source.height) {
    try {
      return source;
    } catch (const std::bad_alloc&) {
      return {};
    }
  }
  RowResampler resampler;
  if (!resampler.Start(source.width, source.height, width, height,
                       resampling)) {
    return {};
  }
  for (int y = 0; y < source.height; ++y) resampler.TakeRow(source.row(y));
  return resampler.Finish();
}

}  // namespace pelorine
