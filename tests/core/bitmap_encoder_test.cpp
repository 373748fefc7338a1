#include "bitmap_encoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "byte_reader.h"

namespace pelorine {
namespace {

TEST(EncodeBitmapFileTest, WritesTheHeadersOfA24BitBottomUpBitmap) {
  const std::vector<uint8_t> file =
      EncodeBitmapFile(MakeFilledImage(100, 100, Rgb{1, 2, 3}));
  ASSERT_EQ(file.size(), 30054u);
  const ByteReader reader(file);
  const struct {
    size_t offset;
    int size;
    uint32_t value;
  } fields[] = {
      {0, 1, 'B'}, {1, 1, 'M'}, {2, 4, 30054},  {6, 2, 0},    {8, 2, 0},
      {10, 4, 54}, {14, 4, 40}, {18, 4, 100},   {22, 4, 100}, {26, 2, 1},
      {28, 2, 24}, {30, 4, 0},  {34, 4, 30000}, {38, 4, 0},   {42, 4, 0},
      {46, 4, 0},  {50, 4, 0},
  };
  for (const auto& field : fields) {
    SCOPED_TRACE(testing::Message() << "offset " << field.offset);
    std::optional<uint32_t> value;
    if (field.size == 1) value = reader.u8(field.offset);
    if (field.size == 2) value = reader.u16(field.offset);
    if (field.size == 4) value = reader.u32(field.offset);
    EXPECT_EQ(value, field.value);
  }
}

TEST(EncodeBitmapFileTest, StoresRowsBottomUpInBlueGreenRedPaddedToWords) {
  RgbImage image = MakeFilledImage(3, 2, Rgb{});
  image.set(0, 0, {1, 2, 3});
  image.set(1, 0, {4, 5, 6});
  image.set(2, 0, {7, 8, 9});
  image.set(0, 1, {11, 12, 13});
  image.set(1, 1, {14, 15, 16});
  image.set(2, 1, {17, 18, 19});
  const std::vector<uint8_t> file = EncodeBitmapFile(image);
  ASSERT_EQ(file.size(), 54u + 24u);
  const std::vector<uint8_t> pixels(file.begin() + 54, file.end());
  const std::vector<uint8_t> expected = {
      13, 12, 11, 16, 15, 14, 19, 18, 17, 0, 0, 0,  // bottom row
      3,  2,  1,  6,  5,  4,  9,  8,  7,  0, 0, 0,  // top row
  };
  EXPECT_EQ(pixels, expected);
}

TEST(EncodeBitmapFileTest, PadsEveryRowToAMultipleOfFourBytes) {
  const struct {
    int width;
    uint32_t stride;
  } cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {8, 24}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "width " << c.width);
    const std::vector<uint8_t> file =
        EncodeBitmapFile(MakeFilledImage(c.width, 3, Rgb{255, 255, 255}));
    const ByteReader reader(file);
    EXPECT_EQ(reader.u32(34), c.stride * 3);
    ASSERT_EQ(file.size(), 54 + c.stride * 3);
    for (uint32_t row = 0; row < 3; ++row) {
      for (uint32_t i = 0; i < c.stride; ++i) {
        EXPECT_EQ(file[54 + row * c.stride + i], i < 3u * c.width ? 255 : 0)
            << "row " << row << " byte " << i;
      }
    }
  }
}

TEST(EncodeBitmapFileTest, EmptyImageGivesNoBytes) {
  EXPECT_TRUE(EncodeBitmapFile(RgbImage{}).empty());
}

}  // namespace
}  // namespace pelorine
