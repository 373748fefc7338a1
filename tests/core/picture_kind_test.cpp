#include "picture_kind.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pelorine {
namespace {

TEST(PictureKindTest, RecognisesTheFirstSixBytesInOrder) {
  const struct {
    std::string name;
    std::vector<uint8_t> bytes;
    PictureKind kind;
  } kCases[] = {
      {"bitmap", {'B', 'M', 0, 0, 0, 0}, PictureKind::kBitmap},
      {"bitmap before everything else",
       {'B', 'M', 'G', 'I', 'F', '8'},
       PictureKind::kBitmap},
      {"bitmap, lower case", {'b', 'm', 0, 0, 0, 0}, PictureKind::kNone},
      {"JPEG", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10}, PictureKind::kJpeg},
      {"JPEG start followed by garbage",
       {0xFF, 0xD8, 1, 2, 3, 4},
       PictureKind::kJpeg},
      {"JPEG bytes swapped",
       {0xD8, 0xFF, 0xFF, 0xE0, 0, 0},
       PictureKind::kNone},
      {"icon", {0, 0, 1, 0, 1, 0}, PictureKind::kIcon},
      {"icon, count in the high byte", {0, 0, 1, 0, 0, 1}, PictureKind::kIcon},
      {"icon without images", {0, 0, 1, 0, 0, 0}, PictureKind::kNone},
      {"icon, reserved word not 0", {1, 0, 1, 0, 1, 0}, PictureKind::kNone},
      {"cursor", {0, 0, 2, 0, 3, 0}, PictureKind::kCursor},
      {"cursor without images", {0, 0, 2, 0, 0, 0}, PictureKind::kNone},
      {"resource type 3", {0, 0, 3, 0, 1, 0}, PictureKind::kNone},
      {"resource type 0x0101", {0, 0, 1, 1, 1, 0}, PictureKind::kNone},
      {"GIF87a", {'G', 'I', 'F', '8', '7', 'a'}, PictureKind::kGif},
      {"GIF89a", {'G', 'I', 'F', '8', '9', 'a'}, PictureKind::kGif},
      {"GIF88a", {'G', 'I', 'F', '8', '8', 'a'}, PictureKind::kNone},
      {"GIF87b", {'G', 'I', 'F', '8', '7', 'b'}, PictureKind::kNone},
      {"GIF89A", {'G', 'I', 'F', '8', '9', 'A'}, PictureKind::kNone},
      {"GIF97a", {'G', 'I', 'F', '9', '7', 'a'}, PictureKind::kNone},
      {"PCX version 0, 8 bits", {0x0A, 0, 1, 8, 0, 0}, PictureKind::kPcx8},
      {"PCX version 5, 8 bits", {0x0A, 5, 1, 8, 0, 0}, PictureKind::kPcx8},
      {"PCX version 6, 8 bits", {0x0A, 6, 1, 8, 0, 0}, PictureKind::kNone},
      {"PCX uncompressed, 8 bits", {0x0A, 5, 0, 8, 0, 0}, PictureKind::kNone},
      {"PCX version 3, 8 bits", {0x0A, 3, 1, 8, 0, 0}, PictureKind::kPcx8},
      {"PCX version 3, 1 bit", {0x0A, 3, 1, 1, 0, 0}, PictureKind::kPcx1},
      {"PCX version 3, 2 bits", {0x0A, 3, 1, 2, 0, 0}, PictureKind::kNone},
      {"PCX version 2, 1 bit", {0x0A, 2, 1, 1, 0, 0}, PictureKind::kNone},
      {"PCX version 5, 1 bit", {0x0A, 5, 1, 1, 0, 0}, PictureKind::kNone},
      {"PCX version 3, 4 bits", {0x0A, 3, 1, 4, 0, 0}, PictureKind::kNone},
      {"plain text", {'h', 'e', 'l', 'l', 'o', '\n'}, PictureKind::kNone},
      {"empty", {}, PictureKind::kNone},
      {"one byte", {'B'}, PictureKind::kNone},
      {"bitmap in 2 bytes", {'B', 'M'}, PictureKind::kNone},
      {"JPEG in 3 bytes", {0xFF, 0xD8, 0xFF}, PictureKind::kNone},
      {"icon in 4 bytes", {0, 0, 1, 0}, PictureKind::kNone},
      {"GIF89a cut to 5 bytes", {'G', 'I', 'F', '8', '9'}, PictureKind::kNone},
      {"PCX in 5 bytes", {0x0A, 5, 1, 8, 0}, PictureKind::kNone},
      {"longer input, only six bytes count",
       {'G', 'I', 'F', '8', '9', 'a', 'B', 'M'},
       PictureKind::kGif},
  };
  for (const auto& test_case : kCases) {
    SCOPED_TRACE(test_case.name);
    EXPECT_EQ(RecognisePicture(test_case.bytes), test_case.kind);
  }
}

}  // namespace
}  // namespace pelorine
