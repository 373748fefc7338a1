#include "icon_decoder.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "dib_builder.h"
#include "little_endian_writer.h"
#include "pixel_values.h"

namespace pelorine {
namespace {

using test::AppendLe;
using test::BuildIconDib;
using test::ColoursOf;
using test::IconDibFields;
using test::PutLe;
using test::RgbOf;

constexpr uint16_t kIcon = 1;
constexpr uint16_t kCursor = 2;

struct IconEntry {
  uint8_t width_byte = 0;
  uint8_t height_byte = 0;
  uint8_t colour_count = 0;
  std::vector<uint8_t> data = {};
  // Planes and bit count in icons, the hotspot in cursors.
  uint16_t field4 = 1;
  uint16_t field6 = 32;
};

// Offsets inside a file of one entry, as BuildIconFile lays it out.
constexpr size_t kFirstEntrySize = 6 + 8;
constexpr size_t kFirstEntryOffset = 6 + 12;
constexpr size_t kFirstEntryData = 6 + 16;

std::vector<uint8_t> BuildIconFile(uint16_t type,
                                   const std::vector<IconEntry>& entries) {
  std::vector<uint8_t> out;
  AppendLe(out, 0, 2);
  AppendLe(out, type, 2);
  AppendLe(out, entries.size(), 2);
  size_t offset = 6 + 16 * entries.size();
  for (const IconEntry& entry : entries) {
    out.insert(out.end(),
               {entry.width_byte, entry.height_byte, entry.colour_count, 0});
    AppendLe(out, entry.field4, 2);
    AppendLe(out, entry.field6, 2);
    AppendLe(out, entry.data.size(), 4);
    AppendLe(out, offset, 4);
    offset += entry.data.size();
  }
  for (const IconEntry& entry : entries) {
    out.insert(out.end(), entry.data.begin(), entry.data.end());
  }
  return out;
}

// An opaque 24-bit entry `width` pixels wide, to tell entries apart.
std::vector<uint8_t> EntryOfWidth(int width) {
  return BuildIconDib({.width = width,
                       .height = 1,
                       .bits = 24,
                       .pixels = std::vector<uint32_t>(width, 0x336699),
                       .transparent = std::vector<uint32_t>(width, 0)});
}

struct SelectionCase {
  const char* name;
  std::vector<std::pair<uint8_t, uint8_t>> width_and_colours;
  size_t expected;
};

const SelectionCase kSelections[] = {
    {"32 wide with 16 colours", {{16, 16}, {32, 16}, {48, 16}}, 1},
    {"a colour count of 0 is not 16 or more", {{32, 0}, {32, 255}, {48, 0}}, 1},
    {"first of two matches", {{32, 16}, {32, 255}}, 0},
    {"32 wide with 8 colours is not enough, so the last",
     {{32, 8}, {48, 0}},
     1},
    {"no 32 wide entry, so the last", {{16, 16}, {64, 16}, {48, 0}}, 2},
    {"a single entry", {{16, 0}}, 0},
};

TEST(IconDecoderTest, ShowsTheFirst32WideEntryWith16ColoursElseTheLast) {
  for (uint16_t type : {kIcon, kCursor}) {
    for (const auto& example : kSelections) {
      SCOPED_TRACE(testing::Message()
                   << "type " << type << ": " << example.name);
      std::vector<IconEntry> entries;
      for (const auto& [width, colours] : example.width_and_colours) {
        // Cursors keep their hotspot where icons keep planes and depth.
        entries.push_back({.width_byte = width,
                           .height_byte = width,
                           .colour_count = colours,
                           .data = EntryOfWidth(entries.size() + 1),
                           .field4 = 0xFFFF,
                           .field6 = 0xFFFF});
      }
      const auto picture = DecodeIcon(BuildIconFile(type, entries), {});
      ASSERT_TRUE(picture.has_value());
      EXPECT_EQ(picture->width(), static_cast<int>(example.expected) + 1);
    }
  }
}

TEST(IconDecoderTest, DoesNotFallBackWhenTheShownEntryFails) {
  const auto bytes =
      BuildIconFile(kIcon, {{.width_byte = 16, .data = EntryOfWidth(1)},
                            {.width_byte = 32,
                             .colour_count = 16,
                             .data = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                            {.width_byte = 48, .data = EntryOfWidth(3)}});
  EXPECT_FALSE(DecodeIcon(bytes, {}).has_value());

  const auto all = DecodeAllIconEntries(bytes, {});
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].width(), 1);
  EXPECT_EQ(all[1].width(), 3);
}

TEST(IconDecoderTest, AllEntriesTogetherStayWithinThePixelLimit) {
  const auto bytes = BuildIconFile(kIcon, {{.data = EntryOfWidth(3)},
                                           {.data = EntryOfWidth(3)},
                                           {.data = EntryOfWidth(3)}});
  EXPECT_EQ(DecodeAllIconEntries(bytes, {}).size(), 3u);
  EXPECT_EQ(DecodeAllIconEntries(bytes, {.max_pixels = 7}).size(), 2u);
}

struct DibEntryCase {
  const char* name;
  IconDibFields fields;
  std::vector<uint32_t> colours;
  std::vector<uint8_t> alpha;
};

const DibEntryCase kDibEntries[] = {
    {"1 bit through the mask",
     {.width = 3,
      .height = 2,
      .bits = 1,
      .palette = {RgbOf(0x000000), RgbOf(0xFFFFFF)},
      .pixels = {1, 0, 1, 0, 1, 0},
      .transparent = {0, 1, 0, 1, 0, 0}},
     {0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000},
     {255, 0, 255, 0, 255, 255}},
    {"4 bit",
     {.width = 3,
      .height = 2,
      .bits = 4,
      .palette = {RgbOf(0xFF0000), RgbOf(0x00FF00), RgbOf(0x0000FF)},
      .pixels = {0, 1, 2, 2, 1, 0},
      .transparent = {1, 1, 0, 0, 0, 0}},
     {0xFF0000, 0x00FF00, 0x0000FF, 0x0000FF, 0x00FF00, 0xFF0000},
     {0, 0, 255, 255, 255, 255}},
    {"8 bit, indexes beyond the table read as black",
     {.width = 3,
      .height = 2,
      .bits = 8,
      .palette = {RgbOf(0x123456), RgbOf(0x654321)},
      .pixels = {0, 1, 7, 1, 0, 200},
      .transparent = {0, 0, 0, 0, 0, 1}},
     {0x123456, 0x654321, 0x000000, 0x654321, 0x123456, 0x000000},
     {255, 255, 255, 255, 255, 0}},
    {"24 bit",
     {.width = 3,
      .height = 2,
      .bits = 24,
      .pixels = {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112},
      .transparent = {0, 1, 1, 0, 0, 1}},
     {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112},
     {255, 0, 0, 255, 255, 0}},
    {"32 bit: the alpha channel wins over the mask",
     {.width = 2,
      .height = 2,
      .bits = 32,
      .pixels = {0xFF112233, 0x80445566, 0x00778899, 0x01AABBCC},
      .transparent = {1, 1, 0, 0}},
     {0x112233, 0x445566, 0x778899, 0xAABBCC},
     {255, 128, 0, 1}},
    {"32 bit with all alpha 0 goes through the mask",
     {.width = 2,
      .height = 2,
      .bits = 32,
      .pixels = {0x00112233, 0x00445566, 0x00778899, 0x00AABBCC},
      .transparent = {0, 1, 1, 0}},
     {0x112233, 0x445566, 0x778899, 0xAABBCC},
     {255, 0, 0, 255}},
    {"32 bit with alpha needs no mask",
     {.width = 2, .height = 1, .bits = 32, .pixels = {0xFF112233, 0x40445566}},
     {0x112233, 0x445566},
     {255, 64}},
};

// The directory's size bytes say 0 (256) throughout: the picture takes its
// size from the bitmap header.
TEST(IconDecoderTest, DecodesBitmapEntriesWithTheirMaskOrAlpha) {
  for (const auto& example : kDibEntries) {
    SCOPED_TRACE(example.name);
    const auto picture = DecodeIcon(
        BuildIconFile(kIcon, {{.data = BuildIconDib(example.fields)}}), {});
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width(), example.fields.width);
    EXPECT_EQ(picture->height(), example.fields.height);
    EXPECT_EQ(ColoursOf(picture->image), example.colours);
    EXPECT_EQ(picture->alpha, example.alpha);
  }
}

// Writes a PNG with libpng's own encoder; `colour_map` only for palette
// formats.
std::vector<uint8_t> WritePng(uint32_t format, uint32_t width, uint32_t height,
                              const void* pixels,
                              const std::vector<uint8_t>& colour_map = {}) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = width;
  image.height = height;
  image.format = format;
  image.colormap_entries = colour_map.size() / 4;
  const void* map = colour_map.empty() ? nullptr : colour_map.data();
  png_alloc_size_t size = 0;
  EXPECT_TRUE(
      png_image_write_to_memory(&image, nullptr, &size, 0, pixels, 0, map));
  std::vector<uint8_t> png(size);
  EXPECT_TRUE(
      png_image_write_to_memory(&image, png.data(), &size, 0, pixels, 0, map));
  png.resize(size);
  return png;
}

struct PngEntryCase {
  const char* name;
  std::vector<uint8_t> png;
  std::vector<uint32_t> colours;
  std::vector<uint8_t> alpha;
};

std::vector<PngEntryCase> PngEntryCases() {
  const uint8_t rgba[] = {10, 20, 30, 255, 40, 50, 60, 0};
  const uint8_t rgb[] = {10, 20, 30, 40, 50, 60};
  const uint8_t grey[] = {0, 200};
  const uint8_t grey_alpha[] = {200, 128, 50, 0};
  const uint8_t indexes[] = {1, 0};
  const uint16_t sixteen_bit[] = {0, 65535, 0, 65535, 65535, 65535};
  return {
      {"RGBA",
       WritePng(PNG_FORMAT_RGBA, 2, 1, rgba),
       {0x0A141E, 0x28323C},
       {255, 0}},
      {"RGB is opaque",
       WritePng(PNG_FORMAT_RGB, 2, 1, rgb),
       {0x0A141E, 0x28323C},
       {255, 255}},
      {"grey",
       WritePng(PNG_FORMAT_GRAY, 2, 1, grey),
       {0x000000, 0xC8C8C8},
       {255, 255}},
      {"grey with alpha",
       WritePng(PNG_FORMAT_GA, 2, 1, grey_alpha),
       {0xC8C8C8, 0x323232},
       {128, 0}},
      {"palette with transparency",
       WritePng(PNG_FORMAT_RGBA_COLORMAP, 2, 1, indexes,
                {10, 20, 30, 255, 40, 50, 60, 64}),
       {0x28323C, 0x0A141E},
       {64, 255}},
      {"16 bits per channel",
       WritePng(PNG_FORMAT_LINEAR_RGB, 2, 1, sixteen_bit),
       {0x00FF00, 0xFFFFFF},
       {255, 255}},
  };
}

TEST(IconDecoderTest, DecodesPngEntriesWithTheirAlpha) {
  for (const auto& example : PngEntryCases()) {
    SCOPED_TRACE(example.name);
    const auto picture =
        DecodeIcon(BuildIconFile(kIcon, {{.data = example.png}}), {});
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width(), 2);
    EXPECT_EQ(picture->height(), 1);
    EXPECT_EQ(ColoursOf(picture->image), example.colours);
    EXPECT_EQ(picture->alpha, example.alpha);
  }
}

struct MalformedIconCase {
  const char* name;
  std::function<void(std::vector<uint8_t>&)> damage;
};

void SetU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
  PutLe(bytes, offset, value, 4);
}

// Cuts the only entry to `size` bytes, in the directory and in the file.
void ShrinkEntry(std::vector<uint8_t>& bytes, size_t size) {
  SetU32(bytes, kFirstEntrySize, size);
  bytes.resize(kFirstEntryData + size);
}

void SetDib(std::vector<uint8_t>& bytes, size_t field, uint32_t value,
            int size = 4) {
  PutLe(bytes, kFirstEntryData + field, value, size);
}

// Offsets of the colour image and the mask of a 3 x 2 24-bit entry.
constexpr size_t kColourImage = 40;
constexpr size_t kMask = kColourImage + 2 * 12;

const MalformedIconCase kMalformedIcons[] = {
    {"empty", [](auto& b) { b.clear(); }},
    {"directory header only", [](auto& b) { b.resize(6); }},
    {"reserved word not 0", [](auto& b) { PutLe(b, 0, 1, 2); }},
    {"type 0", [](auto& b) { PutLe(b, 2, 0, 2); }},
    {"type 3", [](auto& b) { PutLe(b, 2, 3, 2); }},
    {"no entries", [](auto& b) { PutLe(b, 4, 0, 2); }},
    {"directory cut short", [](auto& b) { b.resize(6 + 12); }},
    {"entry offset beyond the file",
     [](auto& b) { SetU32(b, kFirstEntryOffset, b.size() + 1); }},
    {"entry size beyond the file",
     [](auto& b) { SetU32(b, kFirstEntrySize, b.size()); }},
    {"entry offset plus size overflows",
     [](auto& b) {
       SetU32(b, kFirstEntryOffset, 0xFFFFFFFF);
       SetU32(b, kFirstEntrySize, 2);
     }},
    {"core header of 12 bytes",
     [](auto& b) { SetDib(b, test::kDibHeaderSize, 12); }},
    {"header beyond the entry",
     [](auto& b) { SetDib(b, test::kDibHeaderSize, 1000); }},
    {"2 bits", [](auto& b) { SetDib(b, test::kDibBits, 2, 2); }},
    {"16 bits", [](auto& b) { SetDib(b, test::kDibBits, 16, 2); }},
    {"RLE compression", [](auto& b) { SetDib(b, test::kDibCompression, 1); }},
    {"bit fields", [](auto& b) { SetDib(b, test::kDibCompression, 3); }},
    {"width 0", [](auto& b) { SetDib(b, test::kDibWidth, 0); }},
    {"width -1", [](auto& b) { SetDib(b, test::kDibWidth, 0xFFFFFFFF); }},
    {"height 0", [](auto& b) { SetDib(b, test::kDibHeight, 0); }},
    {"height 1 leaves no image rows",
     [](auto& b) { SetDib(b, test::kDibHeight, 1); }},
    {"negative height", [](auto& b) { SetDib(b, test::kDibHeight, -4); }},
    {"height INT32_MIN",
     [](auto& b) { SetDib(b, test::kDibHeight, 0x80000000); }},
    {"65536 x 1",
     [](auto& b) {
       SetDib(b, test::kDibWidth, 65536);
       SetDib(b, test::kDibHeight, 2);
     }},
    {"20000 x 20000 without the pixels",
     [](auto& b) {
       SetDib(b, test::kDibWidth, 20000);
       SetDib(b, test::kDibHeight, 40000);
     }},
    {"colour table beyond the entry",
     [](auto& b) {
       SetDib(b, test::kDibBits, 8, 2);
       SetDib(b, test::kDibColoursUsed, 256);
     }},
    {"colour image cut short", [](auto& b) { ShrinkEntry(b, kMask - 4); }},
    {"mask missing", [](auto& b) { ShrinkEntry(b, kMask); }},
    {"mask one byte short", [](auto& b) { ShrinkEntry(b, kMask + 4); }},
};

TEST(IconDecoderTest, RefusesMalformedFiles) {
  const auto valid = BuildIconFile(
      kIcon, {{.data = BuildIconDib({.width = 3,
                                     .height = 2,
                                     .bits = 24,
                                     .pixels = std::vector<uint32_t>(6, 1),
                                     .transparent = {0, 1, 0, 1, 0, 1}})}});
  ASSERT_TRUE(DecodeIcon(valid, {}).has_value());
  for (const auto& example : kMalformedIcons) {
    SCOPED_TRACE(example.name);
    auto bytes = valid;
    example.damage(bytes);
    EXPECT_FALSE(DecodeIcon(bytes, {}).has_value());
    EXPECT_TRUE(DecodeAllIconEntries(bytes, {}).empty());
  }
}

TEST(IconDecoderTest, RefusesA32BitEntryWithoutAlphaOrMask) {
  const auto bytes = BuildIconFile(
      kIcon, {{.data = BuildIconDib({.width = 2,
                                     .height = 1,
                                     .bits = 32,
                                     .pixels = {0x00112233, 0x00445566}})}});
  EXPECT_FALSE(DecodeIcon(bytes, {}).has_value());
}

TEST(IconDecoderTest, RefusesDamagedPngEntries) {
  const uint8_t rgba[4 * 4 * 4] = {};
  const auto png = WritePng(PNG_FORMAT_RGBA, 4, 4, rgba);
  auto bad_checksum = png;
  bad_checksum[29] ^= 0x01;  // the first byte of IHDR's CRC
  const std::vector<std::pair<const char*, std::vector<uint8_t>>> damaged = {
      {"cut in half", {png.begin(), png.begin() + png.size() / 2}},
      {"signature only", {png.begin(), png.begin() + 8}},
      {"header checksum wrong", bad_checksum},
  };
  for (const auto& [name, data] : damaged) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(
        DecodeIcon(BuildIconFile(kIcon, {{.data = data}}), {}).has_value());
  }
  const auto whole = BuildIconFile(kIcon, {{.data = png}});
  EXPECT_TRUE(DecodeIcon(whole, {}).has_value());
  EXPECT_FALSE(DecodeIcon(whole, {.max_side = 3}).has_value());
  EXPECT_FALSE(DecodeIcon(whole, {.max_pixels = 15}).has_value());
}

}  // namespace
}  // namespace pelorine
