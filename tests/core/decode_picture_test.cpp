#include "decode_picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bitmap_decoder.h"
#include "dib_builder.h"
#include "gif_builder.h"
#include "gif_decoder.h"
#include "icon_decoder.h"
#include "jpeg_builder.h"
#include "jpeg_decoder.h"
#include "little_endian_writer.h"
#include "pcx_decoder.h"

namespace pelorine {
namespace {

using test::AppendLe;
using test::PutLe;

// A two-colour PCX file of one row; `bits` is 1 or 8.
std::vector<uint8_t> PcxRow(uint8_t version, uint8_t bits, uint16_t width,
                            std::vector<uint8_t> row) {
  std::vector<uint8_t> file = {0x0A, version, 1, bits};
  file.resize(128, 0);
  PutLe(file, 8, width - 1, 2);  // xmax; xmin, ymin and ymax stay 0
  file[65] = 1;                  // planes
  PutLe(file, 66, row.size(), 2);
  file.insert(file.end(), row.begin(), row.end());
  if (bits == 8) {
    file.push_back(0x0C);
    std::vector<uint8_t> palette(768, 0);
    palette[3] = 255;  // index 1 red
    palette[7] = 255;  // index 2 green
    file.insert(file.end(), palette.begin(), palette.end());
  }
  return file;
}

// An icon or cursor file of one 24-bit entry, `width` x 1.
std::vector<uint8_t> IconFile(uint16_t type, int width) {
  const std::vector<uint8_t> entry =
      test::BuildIconDib({.width = width,
                          .height = 1,
                          .bits = 24,
                          .pixels = std::vector<uint32_t>(width, 0x336699),
                          .transparent = std::vector<uint32_t>(width, 0)});
  std::vector<uint8_t> file;
  AppendLe(file, 0, 2);
  AppendLe(file, type, 2);
  AppendLe(file, 1, 2);
  file.insert(file.end(), {static_cast<uint8_t>(width), 1, 0, 0});
  AppendLe(file, type == 1 ? 1 : 0, 2);   // planes, or hotspot x
  AppendLe(file, type == 1 ? 24 : 0, 2);  // bits, or hotspot y
  AppendLe(file, entry.size(), 4);
  AppendLe(file, 22, 4);
  file.insert(file.end(), entry.begin(), entry.end());
  return file;
}

using Decoder =
    std::function<std::optional<DecodedPicture>(Bytes, const DecodeLimits&)>;

// Every kind gives the picture of its own decoder. The pictures differ in
// width, so bytes handed to the wrong decoder would show.
TEST(DecodePictureTest, HandsEachKindToItsDecoder) {
  const struct {
    std::string name;
    std::vector<uint8_t> bytes;
    Decoder decoder;
  } kCases[] = {
      {"bitmap",
       test::BuildBitmapFile(
           {.width = 1, .height = 1, .bits = 24, .pixels = {0x102030}}),
       DecodeBitmap},
      {"JPEG",
       test::EncodeJpeg({.width = 2, .height = 1},
                        std::vector<uint8_t>(2 * 3, 200)),
       DecodeJpeg},
      {"icon", IconFile(1, 3), DecodeIcon},
      {"cursor", IconFile(2, 4), DecodeIcon},
      {"GIF",
       test::EncodeGif(
           {.screen_width = 5,
            .screen_height = 1,
            .global_map = {{1, 2, 3}, {4, 5, 6}},
            .frames = {{.width = 5, .height = 1, .indices = {0, 1, 0, 1, 0}}}}),
       DecodeGif},
      {"PCX, 8 bits", PcxRow(5, 8, 6, {1, 2, 1, 2, 1, 2}), DecodePcx},
      {"PCX, 1 bit", PcxRow(3, 1, 7, {0xA8, 0x00}), DecodePcx},
  };
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(test_case.name);
    const auto expected = test_case.decoder(test_case.bytes, {});
    ASSERT_TRUE(expected.has_value());
    const auto picture = DecodePicture(test_case.bytes);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->image, expected->image);
    EXPECT_EQ(picture->alpha, expected->alpha);
  }
}

TEST(DecodePictureTest, GivesNothingForWhatItCannotShow) {
  const std::string text = "Just some words, no picture.\n";
  const std::vector<uint8_t> jpeg = test::EncodeJpeg(
      {.width = 16, .height = 16}, std::vector<uint8_t>(16 * 16 * 3, 90));
  const struct {
    std::string name;
    std::vector<uint8_t> bytes;
    DecodeLimits limits;
  } kCases[] = {
      {"a text file", {text.begin(), text.end()}, {}},
      {"nothing", {}, {}},
      {"a recognised start of five bytes", {'G', 'I', 'F', '8', '9'}, {}},
      {"a JPEG beyond the given limits", jpeg, {.max_side = 15}},
  };
  ASSERT_TRUE(DecodePicture(jpeg).has_value());
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(test_case.name);
    EXPECT_FALSE(DecodePicture(test_case.bytes, test_case.limits).has_value());
  }
}

}  // namespace
}  // namespace pelorine
