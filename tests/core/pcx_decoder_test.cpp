#include "pcx_decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "little_endian_writer.h"
#include "pixel_values.h"

namespace pelorine {
namespace {

using test::AppendLe;
using test::ColoursOf;
using test::PutLe;

struct PcxFields {
  uint8_t version = 5;
  uint8_t bits = 8;
  uint8_t planes = 1;
  uint16_t xmin = 0;
  uint16_t ymin = 0;
  uint16_t xmax = 0;
  uint16_t ymax = 0;
  uint16_t bytes_per_line = 0;
  std::vector<uint8_t> header_palette = {};  // up to 16 x R, G, B
  // Decoded data, each scanline `planes` lines of `bytes_per_line` bytes;
  // run-length encoded as one stream unless `encoded` is given.
  std::vector<uint8_t> scanlines = {};
  std::vector<uint8_t> encoded = {};
  std::vector<uint8_t> trailing_palette = {};  // 256 x R, G, B when given
};

// Header offsets.
constexpr size_t kVersion = 1;
constexpr size_t kEncoding = 2;
constexpr size_t kBits = 3;
constexpr size_t kXmin = 4;
constexpr size_t kYmin = 6;
constexpr size_t kXmax = 8;
constexpr size_t kYmax = 10;
constexpr size_t kPlanes = 65;
constexpr size_t kBytesPerLine = 66;
constexpr size_t kTrailingPaletteSize = 769;

std::vector<uint8_t> RunLengthEncode(const std::vector<uint8_t>& data) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i < data.size();) {
    size_t run = 1;
    while (i + run < data.size() && run < 63 && data[i + run] == data[i]) {
      ++run;
    }
    if (run > 1 || data[i] >= 0xC0) out.push_back(0xC0 | run);
    out.push_back(data[i]);
    i += run;
  }
  return out;
}

std::vector<uint8_t> BuildPcx(const PcxFields& fields) {
  std::vector<uint8_t> out = {0x0A, fields.version, 1, fields.bits};
  for (uint16_t value : {fields.xmin, fields.ymin, fields.xmax, fields.ymax}) {
    AppendLe(out, value, 2);
  }
  AppendLe(out, 72, 2);
  AppendLe(out, 72, 2);
  out.insert(out.end(), fields.header_palette.begin(),
             fields.header_palette.end());
  out.resize(kPlanes, 0);
  out.push_back(fields.planes);
  AppendLe(out, fields.bytes_per_line, 2);
  AppendLe(out, 1, 2);  // palette information: colour
  out.resize(128, 0);
  const auto encoded = fields.encoded.empty()
                           ? RunLengthEncode(fields.scanlines)
                           : fields.encoded;
  out.insert(out.end(), encoded.begin(), encoded.end());
  if (!fields.trailing_palette.empty()) {
    out.push_back(0x0C);
    out.insert(out.end(), fields.trailing_palette.begin(),
               fields.trailing_palette.end());
  }
  return out;
}

// A trailing 256-colour palette, black but for the given entries.
std::vector<uint8_t> Palette256(
    std::initializer_list<std::pair<uint8_t, uint32_t>> entries) {
  std::vector<uint8_t> palette(768, 0);
  for (const auto& [index, colour] : entries) {
    palette[index * 3] = colour >> 16;
    palette[index * 3 + 1] = (colour >> 8) & 0xFF;
    palette[index * 3 + 2] = colour & 0xFF;
  }
  return palette;
}

// 3 x 2 at (10, 5), one padding byte per line that must not show.
PcxFields Palette8Fields() {
  return {.xmin = 10,
          .ymin = 5,
          .xmax = 12,
          .ymax = 6,
          .bytes_per_line = 4,
          .scanlines = {0, 1, 2, 0xEE, 3, 2, 1, 0xEE},
          .trailing_palette = Palette256({{0, 0x102030},
                                          {1, 0x405060},
                                          {2, 0x708090},
                                          {3, 0xA0B0C0},
                                          {0xEE, 0xFFFFFF}})};
}

PcxFields Rgb24Fields() {
  return {.planes = 3,
          .xmax = 1,
          .ymax = 1,
          .bytes_per_line = 2,
          .scanlines = {0x11, 0x44, 0x22, 0x55, 0x33, 0x66,  //
                        0x77, 0xAA, 0x88, 0xBB, 0x99, 0xCC}};
}

PcxFields MonochromeFields() {
  return {.version = 3,
          .bits = 1,
          .xmax = 9,
          .ymax = 1,
          .bytes_per_line = 2,
          .scanlines = {0b10110001, 0b01000000, 0b01001110, 0b10111111}};
}

std::vector<uint8_t> HeaderPaletteRamp() {
  std::vector<uint8_t> palette;
  for (uint8_t i = 0; i < 16; ++i) {
    palette.insert(palette.end(), {static_cast<uint8_t>(i * 16),
                                   static_cast<uint8_t>(i * 16 + 1),
                                   static_cast<uint8_t>(i * 16 + 2)});
  }
  return palette;
}

struct ValidPcxCase {
  const char* name;
  PcxFields fields;
  int width;
  int height;
  std::vector<uint32_t> expected;
};

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

const ValidPcxCase kValidPcx[] = {
    {"8 bits through the trailing palette",
     Palette8Fields(),
     3,
     2,
     {0x102030, 0x405060, 0x708090, 0xA0B0C0, 0x708090, 0x405060}},
    {"24 bits in three planes",
     Rgb24Fields(),
     2,
     2,
     {0x112233, 0x445566, 0x778899, 0xAABBCC}},
    {"1 bit monochrome, set bits white",
     MonochromeFields(),
     10,
     2,
     {kWhite, kBlack, kWhite, kWhite, kBlack, kBlack, kBlack, kWhite, kBlack,
      kWhite,  //
      kBlack, kWhite, kBlack, kBlack, kWhite, kWhite, kWhite, kBlack, kWhite,
      kBlack}},
    {"1 bit in four planes through the header palette",
     // Indexes 5, 10 and 15; plane 0 holds bit 0 of each index.
     {.version = 2,
      .bits = 1,
      .planes = 4,
      .xmax = 2,
      .bytes_per_line = 2,
      .header_palette = HeaderPaletteRamp(),
      .scanlines = {0xA0, 0, 0x60, 0, 0xA0, 0, 0x60, 0}},
     3,
     1,
     {0x505152, 0xA0A1A2, 0xF0F1F2}},
    {"a run goes on across scanlines, an empty run adds nothing",
     {.xmax = 3,
      .ymax = 2,
      .bytes_per_line = 4,
      .encoded = {0xC0, 9, 0xCC, 5},
      .trailing_palette = Palette256({{5, 0x556677}, {9, 0xFFFFFF}})},
     4,
     3,
     std::vector<uint32_t>(12, 0x556677)},
    {"bytes from 0xC0 up come as runs of one",
     {.xmax = 1,
      .bytes_per_line = 2,
      .encoded = {0xC1, 0xC5, 0x07},
      .trailing_palette = Palette256({{0xC5, 0xC5C5C5}, {7, 0x070707}})},
     2,
     1,
     {0xC5C5C5, 0x070707}},
};

TEST(PcxDecoderTest, DecodesEveryLayoutPixelForPixel) {
  for (const auto& example : kValidPcx) {
    SCOPED_TRACE(example.name);
    const auto picture = DecodePcx(BuildPcx(example.fields), {});
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width(), example.width);
    EXPECT_EQ(picture->height(), example.height);
    EXPECT_TRUE(picture->opaque());
    EXPECT_EQ(ColoursOf(picture->image), example.expected);
  }
}

struct MalformedPcxCase {
  const char* name;
  PcxFields fields;
  std::function<void(std::vector<uint8_t>&)> damage;
};

void SetU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
  PutLe(bytes, offset, value, 2);
}

const MalformedPcxCase kMalformedPcx[] = {
    {"empty", Palette8Fields(), [](auto& b) { b.clear(); }},
    {"header cut short", Palette8Fields(), [](auto& b) { b.resize(127); }},
    {"manufacturer not 0x0A", Palette8Fields(), [](auto& b) { b[0] = 0x0B; }},
    {"version 6", Palette8Fields(), [](auto& b) { b[kVersion] = 6; }},
    {"not run-length encoded", Palette8Fields(),
     [](auto& b) { b[kEncoding] = 0; }},
    {"xmax below xmin", Palette8Fields(),
     [](auto& b) { SetU16(b, kXmin, 13); }},
    {"ymax below ymin", Palette8Fields(), [](auto& b) { SetU16(b, kYmin, 7); }},
    {"bytes per line below one row", Palette8Fields(),
     [](auto& b) { SetU16(b, kBytesPerLine, 2); }},
    {"bytes per line 0", Palette8Fields(),
     [](auto& b) { SetU16(b, kBytesPerLine, 0); }},
    {"2 planes of 8 bits", Palette8Fields(), [](auto& b) { b[kPlanes] = 2; }},
    {"4 planes of 8 bits", Palette8Fields(), [](auto& b) { b[kPlanes] = 4; }},
    {"2 planes of 1 bit", MonochromeFields(), [](auto& b) { b[kPlanes] = 2; }},
    {"3 planes of 1 bit", MonochromeFields(), [](auto& b) { b[kPlanes] = 3; }},
    {"2 bits per pixel", MonochromeFields(), [](auto& b) { b[kBits] = 2; }},
    {"4 bits per pixel", Palette8Fields(), [](auto& b) { b[kBits] = 4; }},
    {"palette marker missing", Palette8Fields(),
     [](auto& b) { b[b.size() - kTrailingPaletteSize] = 0x0B; }},
    {"file shorter than the trailing palette", Palette8Fields(),
     [](auto& b) { b.resize(128 + 500); }},
    {"8-bit data cut short before the palette", Palette8Fields(),
     [](auto& b) { b.erase(b.end() - kTrailingPaletteSize - 1); }},
    {"24-bit data cut short", Rgb24Fields(),
     [](auto& b) { b.resize(b.size() - 2); }},
    {"ends on a count byte without its value", Rgb24Fields(),
     [](auto& b) { b.pop_back(); }},
    {"monochrome data cut short", MonochromeFields(),
     [](auto& b) { b.pop_back(); }},
    {"65536 x 1", Palette8Fields(),
     [](auto& b) {
       SetU16(b, kXmin, 0);
       SetU16(b, kXmax, 65535);
       SetU16(b, kYmin, 0);
       SetU16(b, kYmax, 0);
       SetU16(b, kBytesPerLine, 65535);
     }},
    {"20000 x 20000 with a few bytes of data", Palette8Fields(),
     [](auto& b) {
       SetU16(b, kXmin, 0);
       SetU16(b, kXmax, 19999);
       SetU16(b, kYmin, 0);
       SetU16(b, kYmax, 19999);
       SetU16(b, kBytesPerLine, 20000);
     }},
};

TEST(PcxDecoderTest, RefusesMalformedFiles) {
  for (const auto& example : kMalformedPcx) {
    SCOPED_TRACE(example.name);
    auto bytes = BuildPcx(example.fields);
    ASSERT_TRUE(DecodePcx(bytes, {}).has_value());
    example.damage(bytes);
    EXPECT_FALSE(DecodePcx(bytes, {}).has_value());
  }
}

TEST(PcxDecoderTest, HonoursTheCallersLimits) {
  const auto bytes = BuildPcx(Palette8Fields());
  EXPECT_FALSE(DecodePcx(bytes, {.max_side = 2}).has_value());
  EXPECT_FALSE(DecodePcx(bytes, {.max_pixels = 5}).has_value());
  EXPECT_TRUE(DecodePcx(bytes, {.max_side = 3, .max_pixels = 6}).has_value());
}

}  // namespace
}  // namespace pelorine
