#include "resample.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

namespace pelorine {
namespace {

constexpr uint64_t kMaxChannel = 255;

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

// Whole rows are added in pairs into 16-bit totals, which hold 256 of them:
// 256 * 255 < 65536.
constexpr int kRowsPerTotal = 256;

// Adds two rows into `totals`, value by value.
void AddRowPair(const uint8_t* upper, const uint8_t* lower, size_t count,
                uint16_t* totals) {
  // Works in fixed-length blocks and writes a block's totals only after all
  // its bytes are read (a byte pointer may alias anything): so the compiler
  // vectorises it even at -O2, where it declines loops that need an aliasing
  // check or a scalar remainder.
  constexpr size_t kBlock = 32;
  size_t i = 0;
  for (; i + kBlock <= count; i += kBlock) {
    uint16_t block[kBlock];
    std::memcpy(block, totals + i, sizeof block);
    for (size_t k = 0; k < kBlock; ++k) {
      block[k] += upper[i + k] + lower[i + k];
    }
    std::memcpy(totals + i, block, sizeof block);
  }
  for (; i < count; ++i) totals[i] += upper[i] + lower[i];
}

// Each destination row is the rows it covers, weighted and summed: its two
// border rows are reduced to column sums directly; the whole rows between are
// first added value by value, which is cheap and vectorises, so the costly
// column sums run once per run of whole rows rather than once per row. The
// source is read once, top to bottom; scratch is one row of totals.
void AreaAverage(const RgbImage& source, RgbImage& destination) {
  const int width = destination.width;
  const int height = destination.height;
  const size_t values = static_cast<size_t>(width) * 3;
  std::vector<Coverage> columns(static_cast<size_t>(width));
  for (int x = 0; x < width; ++x) {
    columns[x] = CoverageOf(x, source.width, width);
  }
  std::vector<uint16_t> totals(source.stride());
  std::vector<uint64_t> sums(values);
  const uint64_t whole_column = static_cast<uint64_t>(width);
  const uint64_t whole_row = static_cast<uint64_t>(height);
  // A destination pixel's sum is its area (source_width * source_height in
  // the units of Coverage) times its mean.
  const uint64_t area = static_cast<uint64_t>(source.width) *
                        static_cast<uint64_t>(source.height);
  for (int y = 0; y < height; ++y) {
    const Coverage rows = CoverageOf(y, source.height, height);
    std::fill(sums.begin(), sums.end(), 0);
    AddColumnSums(source.row(rows.first), columns, whole_column,
                  rows.first_weight, sums.data());
    int source_y = rows.first + 1;
    while (rows.last - source_y >= 2) {
      const int pairs_end =
          source_y + std::min((rows.last - source_y) / 2 * 2, kRowsPerTotal);
      std::fill(totals.begin(), totals.end(), 0);
      for (; source_y < pairs_end; source_y += 2) {
        AddRowPair(source.row(source_y), source.row(source_y + 1),
                   totals.size(), totals.data());
      }
      AddColumnSums(totals.data(), columns, whole_column, whole_row,
                    sums.data());
    }
    // The odd whole row out is reduced on its own, like a border row.
    if (source_y < rows.last) {
      AddColumnSums(source.row(source_y), columns, whole_column, whole_row,
                    sums.data());
    }
    if (rows.last != rows.first) {
      AddColumnSums(source.row(rows.last), columns, whole_column,
                    rows.last_weight, sums.data());
    }
    uint8_t* out = destination.row(y);
    for (size_t i = 0; i < values; ++i) {
      out[i] = static_cast<uint8_t>((sums[i] + area / 2) / area);
    }
  }
}

// The source pixel under destination pixel `index`'s centre:
// floor((index + 0.5) * source_size / destination_size), which stays below
// source_size since index < destination_size.
int NearestSource(int index, int source_size, int destination_size) {
  return static_cast<int>((2 * int64_t{index} + 1) * source_size /
                          (2 * int64_t{destination_size}));
}

void Nearest(const RgbImage& source, RgbImage& destination) {
  std::vector<size_t> source_offsets(static_cast<size_t>(destination.width));
  for (int x = 0; x < destination.width; ++x) {
    source_offsets[x] =
        static_cast<size_t>(NearestSource(x, source.width, destination.width)) *
        3;
  }
  for (int y = 0; y < destination.height; ++y) {
    const uint8_t* in =
        source.row(NearestSource(y, source.height, destination.height));
    uint8_t* out = destination.row(y);
    for (size_t offset : source_offsets) {
      out[0] = in[offset];
      out[1] = in[offset + 1];
      out[2] = in[offset + 2];
      out += 3;
    }
  }
}

}  // namespace

RgbImage Resample(const RgbImage& source, int width, int height,
                  Resampling resampling) {
  if (width <= 0 || height <= 0 || source.empty()) return {};
  // The area sums reach 255 times the source's pixel count, plus rounding.
  const uint64_t source_area = static_cast<uint64_t>(source.width) *
                               static_cast<uint64_t>(source.height);
  if (source_area > std::numeric_limits<uint64_t>::max() / (kMaxChannel + 1)) {
    return {};
  }
  if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) >
      std::vector<uint8_t>().max_size() / 3) {
    return {};
  }
  try {
    if (width == source.width && height == source.height) return source;
    RgbImage destination = MakeFilledImage(width, height, Rgb{});
    if (destination.empty()) return {};
    if (resampling == Resampling::kNearest) {
      Nearest(source, destination);
    } else {
      AreaAverage(source, destination);
    }
    return destination;
  } catch (const std::bad_alloc&) {
    return {};
  }
}

}  // namespace pelorine
