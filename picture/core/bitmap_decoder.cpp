#include "bitmap_decoder.h"

#include "byte_reader.h"
#include "dib_pixels.h"

namespace pelorine {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kPixelOffsetField = 10;
constexpr uint32_t kCoreHeaderSize = 12;

struct BitmapHeader {
  int64_t width = 0;
  // Negative for rows stored top to bottom.
  int64_t height = 0;
  int bits_per_pixel = 0;
  uint32_t compression = 0;
  uint32_t colours_used = 0;
  uint32_t header_size = 0;
  size_t colour_entry_size = 0;
};

bool IsInfoHeaderSize(uint32_t size) {
  switch (size) {
    case 40:
    case 52:
    case 56:
    case 108:
    case 124:
      return true;
    default:
      return false;
  }
}

// The planes field is not checked: it carries no information that decoding
// needs, and writers that leave it 0 are otherwise sound.
std::optional<BitmapHeader> ReadBitmapHeader(const ByteReader& reader) {
  const size_t at = kFileHeaderSize;
  const auto header_size = reader.u32(at);
  if (!header_size || !reader.contains(at, *header_size)) return std::nullopt;
  // The whole header lies in the file, so none of the reads below fails.
  BitmapHeader header;
  header.header_size = *header_size;
  if (*header_size == kCoreHeaderSize) {
    // The OS/2 header has unsigned 16-bit sides, always bottom-up, and
    // 3-byte colour-table entries.
    header.width = *reader.u16(at + 4);
    header.height = *reader.u16(at + 6);
    header.bits_per_pixel = *reader.u16(at + 10);
    header.colour_entry_size = 3;
    return header;
  }
  if (!IsInfoHeaderSize(*header_size)) return std::nullopt;
  header.width = *reader.i32(at + 4);
  header.height = *reader.i32(at + 8);
  header.bits_per_pixel = *reader.u16(at + 14);
  header.compression = *reader.u32(at + 16);
  header.colours_used = *reader.u32(at + 32);
  header.colour_entry_size = 4;
  return header;
}

}  // namespace

std::optional<DecodedPicture> DecodeBitmap(Bytes bytes,
                                           const DecodeLimits& limits) {
  const ByteReader reader(bytes);
  if (reader.u8(0) != 'B' || reader.u8(1) != 'M') return std::nullopt;
  const auto pixel_offset = reader.u32(kPixelOffsetField);
  const auto header = ReadBitmapHeader(reader);
  if (!pixel_offset || !header) return std::nullopt;
  if (header->compression != 0) return std::nullopt;
  if (!IsSupportedDibDepth(header->bits_per_pixel)) return std::nullopt;

  const bool top_down = header->height < 0;
  const int64_t height = top_down ? -header->height : header->height;
  if (!FitsLimits(header->width, height, limits)) return std::nullopt;
  const auto pixel_bytes =
      DibPixelArraySize(header->width, height, header->bits_per_pixel);
  if (!pixel_bytes) return std::nullopt;
  const auto pixels = reader.slice(*pixel_offset, *pixel_bytes);
  if (!pixels) return std::nullopt;

  // The table ends where the pixels start when they follow it; entries that
  // it cannot hold read as black.
  const size_t table_start = kFileHeaderSize + header->header_size;
  const size_t table_end =
      *pixel_offset >= table_start ? *pixel_offset : bytes.size();
  const DibPalette palette = ReadDibColourTable(
      bytes.subspan(table_start, table_end - table_start),
      header->colour_entry_size,
      DibColourTableEntries(header->colours_used, header->bits_per_pixel));

  auto picture = AllocatePicture(header->width, height, false, limits);
  if (!picture) return std::nullopt;
  if (!DecodeDibPixels(*pixels, header->bits_per_pixel, top_down,
                       palette.entries(), picture->image)) {
    return std::nullopt;
  }
  return picture;
}

}  // namespace pelorine
