#include "gif_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gif_builder.h"
#include "pixel_values.h"

namespace pelorine {
namespace {

using test::ColoursOf;
using test::EncodeGif;
using test::GifFrame;
using test::GifRecipe;
using test::RgbOf;

constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kCyan = 0x00FFFF;
constexpr uint32_t kMagenta = 0xFF00FF;
constexpr uint32_t kYellow = 0xFFFF00;
constexpr uint32_t kGrey = 0x808080;
// Where a pixel is transparent its colour stays black.
constexpr uint32_t kNone = 0x000000;

std::vector<Rgb> Map(const std::vector<uint32_t>& colours) {
  std::vector<Rgb> map;
  for (uint32_t colour : colours) map.push_back(RgbOf(colour));
  return map;
}

const std::vector<Rgb> kPrimaries = Map({kRed, kGreen, kBlue, kWhite});
const std::vector<Rgb> kSecondaries = Map({kCyan, kMagenta, kYellow, kGrey});

// Sixteen distinct colours: entry i has red 16 * i.
std::vector<Rgb> Ramp() {
  std::vector<uint32_t> colours;
  for (uint32_t i = 0; i < 16; ++i) colours.push_back(i << 20 | 0x0040FF);
  return Map(colours);
}

TEST(GifDecoderTest, DrawsTheFirstImageOnItsScreen) {
  const struct {
    std::string name;
    GifRecipe recipe;
    int width;
    int height;
    std::vector<uint32_t> colours;
    std::vector<uint8_t> alpha;  // empty when opaque
  } kCases[] = {
      {"GIF87a through the global map",
       {.signature = "GIF87a",
        .screen_width = 3,
        .screen_height = 2,
        .global_map = kPrimaries,
        .frames = {{.width = 3, .height = 2, .indices = {0, 1, 2, 3, 2, 1}}}},
       3,
       2,
       {kRed, kGreen, kBlue, kWhite, kBlue, kGreen},
       {}},
      {"a local map instead of the global one",
       {.screen_width = 2,
        .screen_height = 2,
        .global_map = kPrimaries,
        .frames = {{.width = 2,
                    .height = 2,
                    .local_map = kSecondaries,
                    .indices = {3, 2, 1, 0}}}},
       2,
       2,
       {kGrey, kYellow, kMagenta, kCyan},
       {}},
      {"indices beyond a two-colour map are black",
       {.screen_width = 4,
        .screen_height = 1,
        .global_map = Map({kRed, kGreen}),
        .frames = {{.width = 4, .height = 1, .indices = {0, 1, 2, 3}}}},
       4,
       1,
       {kRed, kGreen, 0x000000, 0x000000},
       {}},
      {"interlaced rows put back in order",
       {.screen_width = 1,
        .screen_height = 10,
        .global_map = Ramp(),
        .frames = {{.width = 1,
                    .height = 10,
                    .interlaced = true,
                    .code_size = 4,
                    // Each row holds its own number; the four passes store
                    // rows 0, 8 / 4 / 2, 6 / 1, 3, 5, 7, 9.
                    .indices = {0, 8, 4, 2, 6, 1, 3, 5, 7, 9}}}},
       1,
       10,
       {0x0040FF, 0x1040FF, 0x2040FF, 0x3040FF, 0x4040FF, 0x5040FF, 0x6040FF,
        0x7040FF, 0x8040FF, 0x9040FF},
       {}},
      {"the transparent index of a graphic control extension",
       {.screen_width = 2,
        .screen_height = 2,
        .global_map = kPrimaries,
        .frames = {{.width = 2,
                    .height = 2,
                    .transparent_index = 1,
                    .indices = {0, 1, 1, 2}}}},
       2,
       2,
       {kRed, kNone, kNone, kBlue},
       {255, 0, 0, 255}},
      {"a smaller image at an offset leaves the rest transparent",
       {.screen_width = 4,
        .screen_height = 3,
        .global_map = kPrimaries,
        .frames = {{.left = 1,
                    .top = 1,
                    .width = 2,
                    .height = 1,
                    .indices = {2, 3}}}},
       4,
       3,
       {kNone, kNone, kNone, kNone,   //
        kNone, kBlue, kWhite, kNone,  //
        kNone, kNone, kNone, kNone},
       {0, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0, 0}},
      {"an image narrower than the screen",
       {.screen_width = 2,
        .screen_height = 1,
        .global_map = kPrimaries,
        .frames = {{.width = 1, .height = 1, .indices = {2}}}},
       2,
       1,
       {kBlue, kNone},
       {255, 0}},
      {"an image shorter than the screen",
       {.screen_width = 1,
        .screen_height = 2,
        .global_map = kPrimaries,
        .frames = {{.width = 1, .height = 1, .indices = {2}}}},
       1,
       2,
       {kBlue, kNone},
       {255, 0}},
      {"an image beyond the screen is clipped",
       {.screen_width = 2,
        .screen_height = 2,
        .global_map = kPrimaries,
        .frames = {{.left = 1,
                    .top = 1,
                    .width = 2,
                    .height = 2,
                    .indices = {3, 0, 0, 0}}}},
       2,
       2,
       {kNone, kNone, kNone, kWhite},
       {0, 0, 0, 255}},
      {"a screen without size takes the image's extent",
       {.screen_width = 0,
        .screen_height = 0,
        .global_map = kPrimaries,
        .frames = {{.left = 1,
                    .top = 0,
                    .width = 1,
                    .height = 2,
                    .indices = {1, 2}}}},
       2,
       2,
       {kNone, kGreen, kNone, kBlue},
       {0, 255, 0, 255}},
      {"only the first image counts",
       {.screen_width = 2,
        .screen_height = 1,
        .global_map = kPrimaries,
        .frames = {{.width = 2, .height = 1, .indices = {0, 1}},
                   {.width = 2,
                    .height = 1,
                    .transparent_index = 0,
                    .indices = {2, 0}}}},
       2,
       1,
       {kRed, kGreen},
       {}},
      {"comment, application and malformed control extensions are skipped",
       {.screen_width = 2,
        .screen_height = 1,
        .global_map = kPrimaries,
        .frames = {{.width = 2,
                    .height = 1,
                    .extensions = {0x21, 0xFE, 3,   'a',  'b', 'c', 0,  //
                                   0x21, 0xFF, 11,  'N',  'E', 'T', 'S',
                                   'C',  'A',  'P', 'E',  '2', '.', '0',
                                   3,    1,    0,   0,
                                   0,  //
                                   0x21, 0xF9, 3,   0x01, 0,   0,   0},
                    .indices = {0, 1}}}},
       2,
       1,
       {kRed, kGreen},
       {}},
  };
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(test_case.name);
    const auto picture = DecodeGif(EncodeGif(test_case.recipe), {});
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width(), test_case.width);
    EXPECT_EQ(picture->height(), test_case.height);
    EXPECT_EQ(ColoursOf(picture->image), test_case.colours);
    EXPECT_EQ(picture->alpha, test_case.alpha);
  }
}

TEST(GifDecoderTest, RefusesEveryTruncation) {
  const std::vector<uint8_t> file =
      EncodeGif({.screen_width = 5,
                 .screen_height = 9,
                 .global_map = kPrimaries,
                 .frames = {{.width = 5,
                             .height = 9,
                             .interlaced = true,
                             .local_map = Ramp(),
                             .transparent_index = 4,
                             .code_size = 4,
                             .indices = std::vector<uint8_t>(45, 7)}}});
  // Nothing after the first image is read, so only the trailer may go.
  ASSERT_TRUE(DecodeGif(file, {}).has_value());
  ASSERT_TRUE(DecodeGif(Bytes(file).first(file.size() - 1), {}).has_value());
  for (size_t size = 0; size + 1 < file.size(); ++size) {
    EXPECT_FALSE(DecodeGif(Bytes(file).first(size), {}).has_value())
        << "cut to " << size << " of " << file.size() << " bytes";
  }
}

TEST(GifDecoderTest, RefusesFilesWithoutAPictureToShow) {
  const GifFrame one_pixel = {.width = 1, .height = 1, .indices = {0}};
  const struct {
    std::string name;
    std::vector<uint8_t> file;
    DecodeLimits limits;
  } kCases[] = {
      {"no colour map at all",
       EncodeGif(
           {.screen_width = 1, .screen_height = 1, .frames = {one_pixel}}),
       {}},
      {"no image before the trailer",
       EncodeGif(
           {.screen_width = 1, .screen_height = 1, .global_map = kPrimaries}),
       {}},
      {"an image without width",
       EncodeGif({.screen_width = 1,
                  .screen_height = 1,
                  .global_map = kPrimaries,
                  .frames = {{.width = 0, .height = 1}}}),
       {}},
      {"an unknown record",
       [] {
         std::vector<uint8_t> file = EncodeGif(
             {.screen_width = 1, .screen_height = 1, .global_map = kPrimaries});
         file.back() = 0x2A;
         return file;
       }(),
       {}},
      {"a screen beyond the limits",
       EncodeGif({.screen_width = 5,
                  .screen_height = 1,
                  .global_map = kPrimaries,
                  .frames = {one_pixel}}),
       {.max_side = 4}},
      {"an image beyond the limits on a screen within them",
       EncodeGif({.screen_width = 2,
                  .screen_height = 2,
                  .global_map = kPrimaries,
                  .frames = {{.width = 3,
                              .height = 2,
                              .indices = {0, 0, 0, 0, 0, 0}}}}),
       {.max_side = 2}},
      {"too many pixels",
       EncodeGif({.screen_width = 3,
                  .screen_height = 3,
                  .global_map = kPrimaries,
                  .frames = {one_pixel}}),
       {.max_pixels = 8}},
  };
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(test_case.name);
    EXPECT_FALSE(DecodeGif(test_case.file, test_case.limits).has_value());
  }
}

}  // namespace
}  // namespace pelorine
