#include "icon_decoder.h"

#include <algorithm>
#include <new>

#include "byte_reader.h"
#include "dib_pixels.h"
#include "png_decoder.h"

namespace pelorine {
namespace {

constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kEntrySize = 16;
constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;
constexpr uint8_t kCanvasEntryWidth = 32;
constexpr uint8_t kCanvasEntryMinimumColours = 16;
constexpr uint32_t kMinimumDibHeaderSize = 40;
constexpr size_t kColourEntrySize = 4;
constexpr uint8_t kOpaque = 255;
constexpr uint8_t kTransparent = 0;

// The number of directory entries, or nothing when the directory is damaged
// or does not lie wholly in the file.
std::optional<size_t> ReadEntryCount(const ByteReader& reader) {
  const auto reserved = reader.u16(0);
  const auto type = reader.u16(2);
  const auto count = reader.u16(4);
  if (reserved != 0 || !type || !count || *count == 0) return std::nullopt;
  if (*type != kIconType && *type != kCursorType) return std::nullopt;
  if (!reader.contains(kDirectoryHeaderSize, *count * kEntrySize)) {
    return std::nullopt;
  }
  return *count;
}

size_t EntryAt(size_t index) {
  return kDirectoryHeaderSize + index * kEntrySize;
}

size_t CanvasEntry(const ByteReader& reader, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    if (reader.u8(EntryAt(i)) == kCanvasEntryWidth &&
        *reader.u8(EntryAt(i) + 2) >= kCanvasEntryMinimumColours) {
      return i;
    }
  }
  return count - 1;
}

// Bit 1 of the AND mask lets the background show through.
void ApplyAndMask(Bytes mask, DecodedPicture& picture) {
  const size_t width = picture.width();
  const int height = picture.height();
  const size_t stride = *DibRowStride(picture.width(), 1);
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = mask.data() + (height - 1 - y) * stride;
    uint8_t* alpha = picture.alpha.data() + y * width;
    for (size_t x = 0; x < width; ++x) {
      alpha[x] = DibPackedIndex(row, x, 1) ? kTransparent : kOpaque;
    }
  }
}

bool HasAlphaChannel(const DecodedPicture& picture) {
  return std::any_of(picture.alpha.begin(), picture.alpha.end(),
                     [](uint8_t value) { return value != 0; });
}

// A device-independent bitmap entry: the header's height covers the colour
// image and the AND mask below it, both stored bottom-up.
std::optional<DecodedPicture> DecodeDibEntry(Bytes data,
                                             const DecodeLimits& limits) {
  const ByteReader dib(data);
  const auto header_size = dib.u32(0);
  if (!header_size || *header_size < kMinimumDibHeaderSize ||
      !dib.contains(0, *header_size)) {
    return std::nullopt;
  }
  // The whole header lies in the entry, so none of these reads fails.
  const int64_t width = *dib.i32(4);
  const int32_t stored_height = *dib.i32(8);
  const int bits_per_pixel = *dib.u16(14);
  const uint32_t compression = *dib.u32(16);
  const uint32_t colours_used = *dib.u32(32);
  if (compression != 0 || !IsSupportedDibDepth(bits_per_pixel)) {
    return std::nullopt;
  }
  const int64_t height = stored_height / 2;
  if (!FitsLimits(width, height, limits)) return std::nullopt;

  const size_t table_entries =
      DibColourTableEntries(colours_used, bits_per_pixel);
  const size_t table_size = table_entries * kColourEntrySize;
  const auto table = dib.slice(*header_size, table_size);
  if (!table) return std::nullopt;
  const size_t colour_offset = *header_size + table_size;
  const auto colour_size = DibPixelArraySize(width, height, bits_per_pixel);
  const auto colour_stride = DibRowStride(width, bits_per_pixel);
  if (!colour_size || !colour_stride) return std::nullopt;
  const auto colour_pixels = dib.slice(colour_offset, *colour_size);
  if (!colour_pixels) return std::nullopt;
  if (static_cast<uint64_t>(height) > SIZE_MAX / *colour_stride) {
    return std::nullopt;
  }
  // The colour image lies in the entry, so this offset cannot overflow.
  const size_t mask_offset = colour_offset + *colour_stride * height;
  const auto mask_size = DibPixelArraySize(width, height, 1);
  if (!mask_size) return std::nullopt;
  const auto mask = dib.slice(mask_offset, *mask_size);

  auto picture = AllocatePicture(width, height, true, limits);
  if (!picture) return std::nullopt;
  const DibPalette palette =
      ReadDibColourTable(*table, kColourEntrySize, table_entries);
  // 32-bit pixels leave their fourth byte in the alpha plane; it stands
  // unless every byte of it is 0, when the mask decides instead.
  std::span<uint8_t> fourth_bytes;
  if (bits_per_pixel == 32) fourth_bytes = picture->alpha;
  if (!DecodeDibPixels(*colour_pixels, bits_per_pixel, false, palette.entries(),
                       picture->image, fourth_bytes)) {
    return std::nullopt;
  }
  if (bits_per_pixel == 32 && HasAlphaChannel(*picture)) return picture;
  if (!mask) return std::nullopt;
  ApplyAndMask(*mask, *picture);
  return picture;
}

std::optional<DecodedPicture> DecodeEntry(const ByteReader& reader,
                                          size_t index,
                                          const DecodeLimits& limits) {
  // ReadEntryCount has checked that the whole directory lies in the file.
  const uint32_t size = *reader.u32(EntryAt(index) + 8);
  const uint32_t offset = *reader.u32(EntryAt(index) + 12);
  const auto data = reader.slice(offset, size);
  if (!data) return std::nullopt;
  if (HasPngSignature(*data)) return DecodePng(*data, limits);
  return DecodeDibEntry(*data, limits);
}

}  // namespace

std::optional<DecodedPicture> DecodeIcon(Bytes bytes,
                                         const DecodeLimits& limits) {
  const ByteReader reader(bytes);
  const auto count = ReadEntryCount(reader);
  if (!count) return std::nullopt;
  return DecodeEntry(reader, CanvasEntry(reader, *count), limits);
}

// All entries together stay within the pixel limit, so that a directory
// pointing many entries at the same huge image cannot exhaust the memory.
std::vector<DecodedPicture> DecodeAllIconEntries(Bytes bytes,
                                                 const DecodeLimits& limits) {
  std::vector<DecodedPicture> pictures;
  const ByteReader reader(bytes);
  const auto count = ReadEntryCount(reader);
  if (!count) return pictures;
  DecodeLimits remaining = limits;
  for (size_t i = 0; i < *count && remaining.max_pixels > 0; ++i) {
    auto picture = DecodeEntry(reader, i, remaining);
    if (!picture) continue;
    remaining.max_pixels -= static_cast<uint64_t>(picture->width()) *
                            static_cast<uint64_t>(picture->height());
    try {
      pictures.push_back(std::move(*picture));
    } catch (const std::bad_alloc&) {
      break;
    }
  }
  return pictures;
}

}  // namespace pelorine
