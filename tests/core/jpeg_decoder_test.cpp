#include "jpeg_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "jpeg_builder.h"

namespace pelorine {
namespace {

using test::EncodeJpeg;
using test::FindSegment;
using test::JpegRecipe;

// The test pictures are flat 16 x 16 blocks (one MCU each) in distinct
// colours, so that a misplaced row, column or channel shows at once.
constexpr int kBlock = 16;
constexpr Rgb kBlockColours[] = {
    {200, 40, 30},  {30, 190, 60},  {40, 50, 210},   {220, 210, 40},
    {40, 200, 210}, {210, 60, 200}, {128, 128, 128}, {240, 240, 235},
};

Rgb BlockColour(int x, int y) {
  const size_t block = x / kBlock + 3 * (y / kBlock);
  return kBlockColours[block % std::size(kBlockColours)];
}

Rgb BlockGrey(int x, int y) {
  const uint8_t grey = BlockColour(x, y).green;
  return {grey, grey, grey};
}

std::vector<uint8_t> RgbSamples(int width, int height) {
  std::vector<uint8_t> samples;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb colour = BlockColour(x, y);
      samples.insert(samples.end(), {colour.red, colour.green, colour.blue});
    }
  }
  return samples;
}

std::vector<uint8_t> RgbJpeg(const JpegRecipe& recipe) {
  return EncodeJpeg(recipe, RgbSamples(recipe.width, recipe.height));
}

int Deviation(Rgb a, Rgb b) {
  return std::max({std::abs(a.red - b.red), std::abs(a.green - b.green),
                   std::abs(a.blue - b.blue)});
}

// Compares the inside of every block with its colour, keeping away from the
// block edges, where chroma upsampling blends in the neighbours.
void ExpectBlocks(const DecodedPicture& picture,
                  const std::function<Rgb(int, int)>& expected, int tolerance) {
  constexpr int kMargin = 3;
  int worst = 0;
  int worst_x = 0;
  int worst_y = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (x % kBlock < kMargin || x % kBlock >= kBlock - kMargin ||
          y % kBlock < kMargin || y % kBlock >= kBlock - kMargin) {
        continue;
      }
      const int deviation = Deviation(picture.image.at(x, y), expected(x, y));
      if (deviation > worst) {
        worst = deviation;
        worst_x = x;
        worst_y = y;
      }
    }
  }
  EXPECT_LE(worst, tolerance) << "at (" << worst_x << ", " << worst_y << ")";
}

TEST(JpegDecoderTest, DeliversEveryBlockInPlace) {
  const struct {
    std::string name;
    JpegRecipe recipe;
  } kCases[] = {
      {"baseline 4:2:0", {.width = 64, .height = 48}},
      {"baseline 4:4:4, sides not a multiple of 8",
       {.width = 37, .height = 21, .full_chroma = true}},
      {"progressive", {.width = 64, .height = 48, .progressive = true}},
  };
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(test_case.name);
    const auto picture = DecodeJpeg(RgbJpeg(test_case.recipe), {});
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width(), test_case.recipe.width);
    EXPECT_EQ(picture->height(), test_case.recipe.height);
    EXPECT_TRUE(picture->opaque());
    ExpectBlocks(*picture, BlockColour, 4);
  }
}

TEST(JpegDecoderTest, ExpandsGreyToEqualChannels) {
  constexpr int kWidth = 48;
  constexpr int kHeight = 32;
  std::vector<uint8_t> samples;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) samples.push_back(BlockGrey(x, y).red);
  }
  const auto picture = DecodeJpeg(EncodeJpeg({.width = kWidth,
                                              .height = kHeight,
                                              .components = 1,
                                              .input_space = JCS_GRAYSCALE},
                                             samples),
                                  {});
  ASSERT_TRUE(picture.has_value());
  ASSERT_EQ(picture->width(), kWidth);
  ASSERT_EQ(picture->height(), kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const Rgb colour = picture->image.at(x, y);
      ASSERT_TRUE(colour.red == colour.green && colour.green == colour.blue)
          << "at (" << x << ", " << y << ")";
    }
  }
  ExpectBlocks(*picture, BlockGrey, 2);
}

TEST(JpegDecoderTest, ConvertsInkToRgb) {
  // Stored samples C, M, Y, K = 200, 100, 50, 220 throughout. With an Adobe
  // marker they are inverted ink, so R = C * K / 255; without it they are
  // ink, so R = (255 - C) * (255 - K) / 255; likewise G with M, B with Y.
  const std::vector<uint8_t> kInk = [] {
    std::vector<uint8_t> ink;
    for (int i = 0; i < 16 * 16; ++i)
      ink.insert(ink.end(), {200, 100, 50, 220});
    return ink;
  }();
  const struct {
    std::string name;
    J_COLOR_SPACE stored_space;
    bool adobe_marker;
    Rgb expected;
  } kCases[] = {
      {"CMYK with Adobe marker", JCS_CMYK, true, {173, 86, 43}},
      {"CMYK without Adobe marker", JCS_CMYK, false, {8, 21, 28}},
      {"YCCK (always with Adobe marker)", JCS_YCCK, true, {173, 86, 43}},
  };
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(test_case.name);
    const JpegRecipe recipe = {.components = 4,
                               .input_space = JCS_CMYK,
                               .stored_space = test_case.stored_space,
                               .adobe_marker = test_case.adobe_marker};
    const auto picture = DecodeJpeg(EncodeJpeg(recipe, kInk), {});
    ASSERT_TRUE(picture.has_value());
    EXPECT_TRUE(picture->opaque());
    ExpectBlocks(
        *picture, [&](int, int) { return test_case.expected; }, 2);
  }
}

TEST(JpegDecoderTest, CompletesDataCutShort) {
  for (const bool progressive : {false, true}) {
    SCOPED_TRACE(progressive ? "progressive" : "baseline");
    std::vector<uint8_t> file =
        RgbJpeg({.width = 64, .height = 64, .progressive = progressive});
    // Cut in the middle of the first scan's entropy-coded data: a cut inside
    // a marker segment damages that segment instead.
    const size_t scan = FindSegment(file, 0xDA);
    ASSERT_GT(scan, 0u);
    const size_t data = scan + 2 + (file[scan + 2] << 8 | file[scan + 3]);
    size_t data_end = data;
    while (data_end + 1 < file.size() &&
           !(file[data_end] == 0xFF && file[data_end + 1] != 0 &&
             (file[data_end + 1] & 0xF8) != 0xD0)) {
      ++data_end;
    }
    ASSERT_GT(data_end, data + 1);
    file.resize((data + data_end) / 2);
    const auto picture = DecodeJpeg(file, {});
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width(), 64);
    EXPECT_EQ(picture->height(), 64);
    // The top-left block lies in the data that is still there. (A
    // progressive file still lacks its AC scans there, which the library
    // estimates by smoothing across blocks.)
    if (!progressive) {
      EXPECT_LE(Deviation(picture->image.at(8, 8), BlockColour(8, 8)), 4);
    }
  }
}

TEST(JpegDecoderTest, RefusesDamagedHeaders) {
  const std::vector<uint8_t> good = RgbJpeg({});
  const size_t frame = FindSegment(good, 0xC0);
  const size_t scan = FindSegment(good, 0xDA);
  ASSERT_GT(frame, 0u);
  ASSERT_GT(scan, 0u);
  ASSERT_TRUE(DecodeJpeg(good, {}).has_value());

  auto patched = [&](size_t offset, std::vector<uint8_t> bytes) {
    std::vector<uint8_t> file = good;
    std::copy(bytes.begin(), bytes.end(), file.begin() + offset);
    return file;
  };
  const struct {
    std::string name;
    std::vector<uint8_t> file;
  } kCases[] = {
      {"empty", {}},
      {"only the start marker", {0xFF, 0xD8}},
      {"cut before the first scan", {good.begin(), good.begin() + scan}},
      {"12-bit samples", patched(frame + 4, {12})},
      {"height 0", patched(frame + 5, {0, 0})},
      {"width 0", patched(frame + 7, {0, 0})},
      {"lossless frame", patched(frame + 1, {0xC3})},
      {"segment length beyond the file", patched(frame + 2, {0xFF, 0xFF})},
      {"two components",
       EncodeJpeg({.components = 2, .input_space = JCS_UNKNOWN},
                  std::vector<uint8_t>(16 * 16 * 2, 100))},
  };
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(test_case.name);
    EXPECT_FALSE(DecodeJpeg(test_case.file, {}).has_value());
  }
}

TEST(JpegDecoderTest, RefusesFilesOfVeryManyScans) {
  const struct {
    int components;
    int scans;
    bool decodes;
  } kCases[] = {
      {3, 100, true},
      {3, 101, false},
      {3, 190, false},
      {1, 64, true},
  };
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(std::to_string(test_case.scans) + " scans");
    const bool grey = test_case.components == 1;
    const JpegRecipe recipe = {.components = test_case.components,
                               .input_space = grey ? JCS_GRAYSCALE : JCS_RGB,
                               .scans = test::SingleCoefficientScans(
                                   test_case.components, test_case.scans)};
    const auto picture = DecodeJpeg(
        EncodeJpeg(recipe,
                   std::vector<uint8_t>(16 * 16 * recipe.components, 90)),
        {});
    EXPECT_EQ(picture.has_value(), test_case.decodes);
  }
}

TEST(JpegDecoderTest, RefusesSizesBeyondLimits) {
  const std::vector<uint8_t> good = RgbJpeg({.width = 64, .height = 48});
  const size_t frame = FindSegment(good, 0xC0);
  ASSERT_GT(frame, 0u);
  auto with_sides = [&](uint16_t width, uint16_t height) {
    std::vector<uint8_t> file = good;
    file[frame + 5] = height >> 8;
    file[frame + 6] = height & 0xFF;
    file[frame + 7] = width >> 8;
    file[frame + 8] = width & 0xFF;
    return file;
  };
  const struct {
    std::string name;
    std::vector<uint8_t> file;
    DecodeLimits limits;
    bool decodes;
  } kCases[] = {
      {"65535 x 65535", with_sides(65535, 65535), {}, false},
      // Within libjpeg's own limit of 65500 a side, far beyond 2^28 pixels.
      {"60000 x 60000", with_sides(60000, 60000), {}, false},
      {"wider than max_side", good, {.max_side = 63}, false},
      {"more than max_pixels",
       good,
       {.max_side = 64, .max_pixels = 64 * 48 - 1},
       false},
      {"exactly at the limits",
       good,
       {.max_side = 64, .max_pixels = 64 * 48},
       true},
  };
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(test_case.name);
    EXPECT_EQ(DecodeJpeg(test_case.file, test_case.limits).has_value(),
              test_case.decodes);
  }
}

}  // namespace
}  // namespace pelorine
