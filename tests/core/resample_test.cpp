#include "resample.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

namespace pelorine {
namespace {

RgbImage MakeNoise(int width, int height, unsigned seed) {
  RgbImage image = MakeFilledImage(width, height, Rgb{});
  std::mt19937 random(seed);
  for (uint8_t& value : image.pixels) value = static_cast<uint8_t>(random());
  return image;
}

// Every destination pixel worked out on its own, in two dimensions at once,
// from the exact overlap of its area with each source pixel (in units of
// 1/width and 1/height of a source pixel), rounded half up.
RgbImage BoxFilter(const RgbImage& source, int width, int height) {
  RgbImage result = MakeFilledImage(width, height, Rgb{});
  auto overlap = [](int64_t begin_a, int64_t end_a, int64_t begin_b,
                    int64_t end_b) {
    return std::max<int64_t>(
        0, std::min(end_a, end_b) - std::max(begin_a, begin_b));
  };
  const int64_t area = int64_t{source.width} * source.height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int64_t sums[3] = {0, 0, 0};
      for (int sy = 0; sy < source.height; ++sy) {
        const int64_t rows =
            overlap(int64_t{y} * source.height, int64_t{y + 1} * source.height,
                    int64_t{sy} * height, int64_t{sy + 1} * height);
        if (rows == 0) continue;
        for (int sx = 0; sx < source.width; ++sx) {
          const int64_t weight =
              rows * overlap(int64_t{x} * source.width,
                             int64_t{x + 1} * source.width, int64_t{sx} * width,
                             int64_t{sx + 1} * width);
          const Rgb pixel = source.at(sx, sy);
          sums[0] += weight * pixel.red;
          sums[1] += weight * pixel.green;
          sums[2] += weight * pixel.blue;
        }
      }
      auto mean = [&](int64_t sum) {
        return static_cast<uint8_t>((sum + area / 2) / area);
      };
      result.set(x, y, {mean(sums[0]), mean(sums[1]), mean(sums[2])});
    }
  }
  return result;
}

struct SizeCase {
  int source_width;
  int source_height;
  int width;
  int height;
};

// Shrinking, enlarging, mixed, unchanged axes, awkward ratios, and columns
// tall enough that the whole rows under one destination row exceed what one
// pass of 16-bit totals holds (256 rows) and leave an odd row over.
constexpr SizeCase kSizes[] = {
    {7, 5, 3, 2},   {10, 10, 3, 7},   {16, 9, 5, 4},  {5, 3, 12, 8},
    {3, 7, 11, 2},  {9, 4, 2, 13},    {6, 4, 6, 2},   {6, 4, 3, 4},
    {1, 1, 3, 2},   {13, 11, 1, 1},   {2, 600, 1, 1}, {3, 801, 2, 3},
    {600, 2, 7, 1}, {31, 17, 30, 16}, {4, 4, 3, 3},
};

TEST(ResampleAreaAverageTest, MatchesTheExactBoxFilter) {
  unsigned seed = 1;
  for (const SizeCase& c : kSizes) {
    SCOPED_TRACE(testing::Message()
                 << c.source_width << " x " << c.source_height << " -> "
                 << c.width << " x " << c.height);
    const RgbImage source = MakeNoise(c.source_width, c.source_height, seed++);
    const RgbImage result =
        Resample(source, c.width, c.height, Resampling::kAreaAverage);
    ASSERT_EQ(result.width, c.width);
    ASSERT_EQ(result.height, c.height);
    EXPECT_EQ(result, BoxFilter(source, c.width, c.height));
  }
}

TEST(ResampleAreaAverageTest, FlatColourStaysExactlyFlat) {
  const Rgb colour{201, 7, 128};
  for (const SizeCase& c : kSizes) {
    SCOPED_TRACE(testing::Message()
                 << c.source_width << " x " << c.source_height << " -> "
                 << c.width << " x " << c.height);
    EXPECT_EQ(Resample(MakeFilledImage(c.source_width, c.source_height, colour),
                       c.width, c.height, Resampling::kAreaAverage),
              MakeFilledImage(c.width, c.height, colour));
  }
}

TEST(ResampleAreaAverageTest, HalvingGivesBlockMeansRoundedHalfUp) {
  // Each 2 x 2 block of the red channel has its own mean: 0.25, 0.5, 254.75
  // and 127.5.
  const uint8_t reds[4][4] = {
      {0, 1, 1, 1},
      {0, 0, 0, 0},
      {255, 254, 128, 127},
      {255, 255, 128, 127},
  };
  RgbImage source = MakeFilledImage(4, 4, Rgb{});
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) source.set(x, y, {reds[y][x], 10, 20});
  }
  const RgbImage result = Resample(source, 2, 2, Resampling::kAreaAverage);
  ASSERT_EQ(result.width, 2);
  ASSERT_EQ(result.height, 2);
  EXPECT_EQ(result.at(0, 0), (Rgb{0, 10, 20}));
  EXPECT_EQ(result.at(1, 0), (Rgb{1, 10, 20}));
  EXPECT_EQ(result.at(0, 1), (Rgb{255, 10, 20}));
  EXPECT_EQ(result.at(1, 1), (Rgb{128, 10, 20}));
}

TEST(ResampleAreaAverageTest, AnUnchangedAxisIsCopiedExactly) {
  // Stripes across the unchanged axis must come through untouched, however
  // the other axis is stretched.
  RgbImage columns = MakeFilledImage(5, 6, Rgb{});
  RgbImage rows = MakeFilledImage(6, 5, Rgb{});
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 6; ++j) {
      const Rgb colour{static_cast<uint8_t>(50 * i + 3),
                       static_cast<uint8_t>(255 - 40 * i), 77};
      columns.set(i, j, colour);
      rows.set(j, i, colour);
    }
  }
  for (int other : {1, 4, 13}) {
    SCOPED_TRACE(other);
    const RgbImage narrow =
        Resample(columns, 5, other, Resampling::kAreaAverage);
    const RgbImage low = Resample(rows, other, 5, Resampling::kAreaAverage);
    for (int i = 0; i < 5; ++i) {
      for (int j = 0; j < other; ++j) {
        EXPECT_EQ(narrow.at(i, j), columns.at(i, 0));
        EXPECT_EQ(low.at(j, i), rows.at(0, i));
      }
    }
  }
}

// A source whose pixel (x, y) is coloured {x, y, 0}, so every destination
// pixel names the source pixel it came from.
RgbImage MakeCoordinates(int width, int height) {
  RgbImage image = MakeFilledImage(width, height, Rgb{});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.set(x, y, {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 0});
    }
  }
  return image;
}

TEST(ResampleNearestTest, PicksTheSourcePixelUnderEachCentre) {
  struct NearestCase {
    int source_size;
    int size;
    std::vector<int> picked;
  };
  const NearestCase cases[] = {
      {4, 2, {1, 3}},        {2, 5, {0, 0, 1, 1, 1}},
      {5, 3, {0, 2, 4}},     {3, 4, {0, 1, 1, 2}},
      {7, 1, {3}},           {1, 3, {0, 0, 0}},
      {10, 4, {1, 3, 6, 8}},
  };
  for (const NearestCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.source_size << " -> " << c.size);
    // Along x with rows unchanged, along y with columns unchanged.
    const RgbImage wide = Resample(MakeCoordinates(c.source_size, 2), c.size, 2,
                                   Resampling::kNearest);
    const RgbImage tall = Resample(MakeCoordinates(2, c.source_size), 2, c.size,
                                   Resampling::kNearest);
    ASSERT_EQ(wide.width, c.size);
    ASSERT_EQ(tall.height, c.size);
    for (int i = 0; i < c.size; ++i) {
      const uint8_t picked = static_cast<uint8_t>(c.picked[i]);
      EXPECT_EQ(wide.at(i, 1), (Rgb{picked, 1, 0})) << "column " << i;
      EXPECT_EQ(tall.at(1, i), (Rgb{1, picked, 0})) << "row " << i;
    }
  }
}

TEST(ResampleTest, SameSizeIsAnExactCopy) {
  const RgbImage source = MakeNoise(9, 7, 42);
  for (Resampling resampling :
       {Resampling::kAreaAverage, Resampling::kNearest}) {
    EXPECT_EQ(Resample(source, 9, 7, resampling), source);
  }
}

TEST(ResampleTest, GivesNothingForImpossibleSizes) {
  const RgbImage source = MakeNoise(4, 3, 7);
  const RgbImage nothing;
  const struct {
    const RgbImage* source;
    int width;
    int height;
  } cases[] = {
      {&source, 0, 3},
      {&source, 4, 0},
      {&source, -1, 3},
      {&nothing, 2, 2},
      // Far more bytes than any allocation can have.
      {&source, INT_MAX, INT_MAX},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    for (Resampling resampling :
         {Resampling::kAreaAverage, Resampling::kNearest}) {
      const RgbImage result =
          Resample(*c.source, c.width, c.height, resampling);
      EXPECT_TRUE(result.empty());
      EXPECT_EQ(result.width, 0);
    }
  }
}

}  // namespace
}  // namespace pelorine
