#include "bitmap_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <vector>

#include "dib_builder.h"
#include "little_endian_writer.h"
#include "pixel_values.h"

namespace pelorine {
namespace {

using test::BitmapFileFields;
using test::BuildBitmapFile;
using test::ColoursOf;
using test::PutLe;
using test::RgbOf;

std::vector<Rgb> GreyRamp() {
  std::vector<Rgb> palette;
  for (int i = 0; i < 256; ++i) palette.push_back(RgbOf(0x010101u * i));
  return palette;
}

struct ValidBitmapCase {
  const char* name;
  BitmapFileFields fields;
  std::vector<uint32_t> expected;
};

const ValidBitmapCase kValidBitmaps[] = {
    {"1 bit, 10 wide so the row is padded",
     {.width = 10,
      .height = 2,
      .bits = 1,
      .palette = {RgbOf(0x102030), RgbOf(0xF0E0D0)},
      .pixels = {1, 0, 1, 1, 0, 0, 0, 1, 1, 0,  //
                 0, 1, 0, 0, 1, 1, 1, 0, 0, 1}},
     {0xF0E0D0, 0x102030, 0xF0E0D0, 0xF0E0D0, 0x102030,
      0x102030, 0x102030, 0xF0E0D0, 0xF0E0D0, 0x102030,  //
      0x102030, 0xF0E0D0, 0x102030, 0x102030, 0xF0E0D0,
      0xF0E0D0, 0xF0E0D0, 0x102030, 0x102030, 0xF0E0D0}},
    {"4 bit",
     {.width = 3,
      .height = 2,
      .bits = 4,
      .colours_used = 3,
      .palette = {RgbOf(0xFF0000), RgbOf(0x00FF00), RgbOf(0x0000FF)},
      .pixels = {2, 1, 0, 0, 2, 1}},
     {0x0000FF, 0x00FF00, 0xFF0000, 0xFF0000, 0x0000FF, 0x00FF00}},
    {"8 bit, full table",
     {.width = 3,
      .height = 2,
      .bits = 8,
      .palette = GreyRamp(),
      .pixels = {0, 128, 255, 7, 8, 9}},
     {0x000000, 0x808080, 0xFFFFFF, 0x070707, 0x080808, 0x090909}},
    {"24 bit, 3 wide so the row is padded",
     {.width = 3,
      .height = 2,
      .bits = 24,
      .pixels = {0x123456, 0x789ABC, 0xDEF012, 0x010203, 0x040506, 0x070809}},
     {0x123456, 0x789ABC, 0xDEF012, 0x010203, 0x040506, 0x070809}},
    {"32 bit, fourth byte ignored",
     {.width = 2,
      .height = 2,
      .bits = 32,
      .pixels = {0xFF112233, 0x00445566, 0x80778899, 0x12ABCDEF}},
     {0x112233, 0x445566, 0x778899, 0xABCDEF}},
    {"negative height stores rows top-down",
     {.width = 2,
      .height = -2,
      .bits = 24,
      .pixels = {0x111111, 0x222222, 0x333333, 0x444444}},
     {0x111111, 0x222222, 0x333333, 0x444444}},
    {"OS/2 core header with 3-byte table entries",
     {.width = 2,
      .height = 2,
      .bits = 8,
      .header_size = 12,
      .palette = {RgbOf(0xA00000), RgbOf(0x00B000), RgbOf(0x0000C0)},
      .pixels = {0, 1, 2, 1}},
     {0xA00000, 0x00B000, 0x0000C0, 0x00B000}},
    {"indexes beyond the colours used read as black",
     {.width = 2,
      .height = 2,
      .bits = 8,
      .colours_used = 2,
      .palette = {RgbOf(0x405060), RgbOf(0x708090)},
      .pixels = {0, 1, 2, 255}},
     {0x405060, 0x708090, 0x000000, 0x000000}},
    {"colours used beyond the table in the file read as black",
     {.width = 3,
      .height = 1,
      .bits = 4,
      .colours_used = 16,
      .palette = {RgbOf(0x405060), RgbOf(0x708090)},
      .pixels = {0, 1, 15}},
     {0x405060, 0x708090, 0x000000}},
};

TEST(BitmapDecoderTest, DecodesEveryDepthPixelForPixel) {
  for (const auto& example : kValidBitmaps) {
    SCOPED_TRACE(example.name);
    const auto picture = DecodeBitmap(BuildBitmapFile(example.fields), {});
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width(), example.fields.width);
    EXPECT_EQ(picture->height(), std::abs(example.fields.height));
    EXPECT_TRUE(picture->opaque());
    EXPECT_EQ(ColoursOf(picture->image), example.expected);
  }
}

const BitmapFileFields kSmallTrueColour = {
    .width = 3,
    .height = 2,
    .bits = 24,
    .pixels = {0x123456, 0x789ABC, 0xDEF012, 0x010203, 0x040506, 0x070809}};

TEST(BitmapDecoderTest, ReadsEveryInfoHeaderSize) {
  for (uint32_t header_size : {40u, 52u, 56u, 108u, 124u}) {
    SCOPED_TRACE(header_size);
    BitmapFileFields fields = kSmallTrueColour;
    fields.header_size = header_size;
    const auto picture = DecodeBitmap(BuildBitmapFile(fields), {});
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(ColoursOf(picture->image), kSmallTrueColour.pixels);
  }
}

// Writers that leave out the last row's padding, or the planes field, still
// give the picture.
TEST(BitmapDecoderTest, AcceptsMissingLastRowPaddingAndAnyPlanes) {
  const std::vector<std::function<void(std::vector<uint8_t>&)>> variants = {
      [](auto& bytes) { bytes.resize(bytes.size() - 3); },
      [](auto& bytes) { PutLe(bytes, test::kBmpPlanes, 0, 2); },
  };
  for (size_t i = 0; i < variants.size(); ++i) {
    SCOPED_TRACE(i);
    auto bytes = BuildBitmapFile(kSmallTrueColour);
    variants[i](bytes);
    const auto picture = DecodeBitmap(bytes, {});
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(ColoursOf(picture->image), kSmallTrueColour.pixels);
  }
}

struct MalformedBitmapCase {
  const char* name;
  std::function<void(std::vector<uint8_t>&)> damage;
};

void SetU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
  PutLe(bytes, offset, value, 4);
}

const MalformedBitmapCase kMalformedBitmaps[] = {
    {"empty", [](auto& b) { b.clear(); }},
    {"file header only", [](auto& b) { b.resize(14); }},
    {"info header cut short", [](auto& b) { b.resize(30); }},
    {"not BM", [](auto& b) { b[1] = 'X'; }},
    {"header size 0", [](auto& b) { SetU32(b, 14, 0); }},
    {"header size 41", [](auto& b) { SetU32(b, 14, 41); }},
    {"header size 64", [](auto& b) { SetU32(b, 14, 64); }},
    {"header larger than the file", [](auto& b) { SetU32(b, 14, 124); }},
    {"RLE8 compression", [](auto& b) { SetU32(b, test::kBmpCompression, 1); }},
    {"bit fields", [](auto& b) { SetU32(b, test::kBmpCompression, 3); }},
    {"JPEG inside", [](auto& b) { SetU32(b, test::kBmpCompression, 4); }},
    {"PNG inside", [](auto& b) { SetU32(b, test::kBmpCompression, 5); }},
    {"0 bits", [](auto& b) { PutLe(b, test::kBmpBits, 0, 2); }},
    {"2 bits", [](auto& b) { PutLe(b, test::kBmpBits, 2, 2); }},
    {"16 bits", [](auto& b) { PutLe(b, test::kBmpBits, 16, 2); }},
    {"64 bits", [](auto& b) { PutLe(b, test::kBmpBits, 64, 2); }},
    {"width 0", [](auto& b) { SetU32(b, test::kBmpWidth, 0); }},
    {"width -1", [](auto& b) { SetU32(b, test::kBmpWidth, 0xFFFFFFFF); }},
    {"height 0", [](auto& b) { SetU32(b, test::kBmpHeight, 0); }},
    {"height INT32_MIN",
     [](auto& b) { SetU32(b, test::kBmpHeight, 0x80000000); }},
    {"65536 x 1",
     [](auto& b) {
       SetU32(b, test::kBmpWidth, 65536);
       SetU32(b, test::kBmpHeight, 1);
     }},
    {"20000 x 20000 without the pixels",
     [](auto& b) {
       SetU32(b, test::kBmpWidth, 20000);
       SetU32(b, test::kBmpHeight, 20000);
     }},
    {"pixel offset beyond the file",
     [](auto& b) { SetU32(b, test::kBmpPixelOffset, b.size() + 1); }},
    {"pixel offset 0xFFFFFFFF",
     [](auto& b) { SetU32(b, test::kBmpPixelOffset, 0xFFFFFFFF); }},
    {"last row one byte short", [](auto& b) { b.resize(b.size() - 4); }},
    {"last row missing", [](auto& b) { b.resize(b.size() - 12); }},
};

TEST(BitmapDecoderTest, RefusesMalformedFiles) {
  for (const auto& example : kMalformedBitmaps) {
    SCOPED_TRACE(example.name);
    auto bytes = BuildBitmapFile(kSmallTrueColour);
    example.damage(bytes);
    EXPECT_FALSE(DecodeBitmap(bytes, {}).has_value());
  }
}

// Without the caller's limits only the sizes stand between the header and
// arithmetic overflow: the largest sides still give nothing, at no cost.
TEST(BitmapDecoderTest, RefusesHugeSidesEvenWithoutLimits) {
  const DecodeLimits unlimited{UINT32_MAX, UINT64_MAX};
  const struct {
    uint32_t width;
    uint32_t height;
    int bits;
  } kHuge[] = {{0x7FFFFFFF, 0x7FFFFFFF, 32},
               {0x7FFFFFFF, 0x80000001, 1},
               {0x7FFFFFFF, 1, 24}};
  for (const auto& huge : kHuge) {
    SCOPED_TRACE(testing::Message() << huge.width << " x " << huge.height);
    auto bytes = BuildBitmapFile(kSmallTrueColour);
    SetU32(bytes, test::kBmpWidth, huge.width);
    SetU32(bytes, test::kBmpHeight, huge.height);
    PutLe(bytes, test::kBmpBits, huge.bits, 2);
    EXPECT_FALSE(DecodeBitmap(bytes, unlimited).has_value());
  }
}

TEST(BitmapDecoderTest, HonoursTheCallersLimits) {
  const auto bytes = BuildBitmapFile(kSmallTrueColour);
  EXPECT_FALSE(DecodeBitmap(bytes, {.max_side = 2}).has_value());
  EXPECT_FALSE(DecodeBitmap(bytes, {.max_pixels = 5}).has_value());
  EXPECT_TRUE(
      DecodeBitmap(bytes, {.max_side = 3, .max_pixels = 6}).has_value());
}

}  // namespace
}  // namespace pelorine
