#include "dib_pixels.h"

#include <algorithm>
#include <cstdint>

namespace pelorine {
namespace {

// Bytes that the pixels of one row occupy before its padding.
std::optional<size_t> DibRowUsedBytes(int64_t width, int bits_per_pixel) {
  if (width <= 0 || bits_per_pixel <= 0) return std::nullopt;
  const auto unsigned_width = static_cast<uint64_t>(width);
  const auto bits = static_cast<uint64_t>(bits_per_pixel);
  if (unsigned_width > (SIZE_MAX - 7) / bits) return std::nullopt;
  return static_cast<size_t>((unsigned_width * bits + 7) / 8);
}

Rgb PaletteColour(std::span<const Rgb> palette, uint8_t index) {
  return index < palette.size() ? palette[index] : Rgb{};
}

}  // namespace

bool IsSupportedDibDepth(int bits_per_pixel) {
  switch (bits_per_pixel) {
    case 1:
    case 4:
    case 8:
    case 24:
    case 32:
      return true;
    default:
      return false;
  }
}

std::optional<size_t> DibRowStride(int64_t width, int bits_per_pixel) {
  const auto used = DibRowUsedBytes(width, bits_per_pixel);
  if (!used || *used > SIZE_MAX - 3) return std::nullopt;
  return (*used + 3) / 4 * 4;
}

std::optional<size_t> DibPixelArraySize(int64_t width, int64_t height,
                                        int bits_per_pixel) {
  if (height <= 0) return std::nullopt;
  const auto stride = DibRowStride(width, bits_per_pixel);
  const auto used = DibRowUsedBytes(width, bits_per_pixel);
  if (!stride || !used) return std::nullopt;
  const auto rows_before_last = static_cast<uint64_t>(height - 1);
  if (rows_before_last > SIZE_MAX / *stride) return std::nullopt;
  const size_t leading = static_cast<size_t>(rows_before_last) * *stride;
  if (leading > SIZE_MAX - *used) return std::nullopt;
  return leading + *used;
}

size_t DibColourTableEntries(uint32_t colours_used, int bits_per_pixel) {
  if (bits_per_pixel <= 0 || bits_per_pixel > 8) return 0;
  const size_t addressable = size_t{1} << bits_per_pixel;
  if (colours_used == 0) return addressable;
  return std::min<size_t>(colours_used, addressable);
}

DibPalette ReadDibColourTable(Bytes table, size_t entry_size, size_t entries) {
  DibPalette palette;
  if (entry_size < 3) return palette;
  palette.count =
      std::min({entries, table.size() / entry_size, palette.colours.size()});
  for (size_t i = 0; i < palette.count; ++i) {
    const uint8_t* entry = table.data() + i * entry_size;
    palette.colours[i] = {entry[2], entry[1], entry[0]};
  }
  return palette;
}

uint8_t DibPackedIndex(const uint8_t* row, size_t x, int bits_per_pixel) {
  switch (bits_per_pixel) {
    case 1:
      return (row[x / 8] >> (7 - x % 8)) & 0x01;
    case 4:
      return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F;
    default:
      return row[x];
  }
}

bool DecodeDibPixels(Bytes pixels, int bits_per_pixel, bool top_down,
                     std::span<const Rgb> palette, RgbImage& image,
                     std::span<uint8_t> fourth_bytes) {
  if (!IsSupportedDibDepth(bits_per_pixel)) return false;
  const int width = image.width;
  const int height = image.height;
  const auto needed = DibPixelArraySize(width, height, bits_per_pixel);
  const auto stride = DibRowStride(width, bits_per_pixel);
  if (!needed || !stride || pixels.size() < *needed) return false;
  const bool keep_fourth = bits_per_pixel == 32 && !fourth_bytes.empty();
  if (keep_fourth && fourth_bytes.size() / static_cast<size_t>(width) <
                         static_cast<size_t>(height)) {
    return false;
  }
  const size_t bytes_per_pixel = static_cast<size_t>(bits_per_pixel) / 8;
  for (int y = 0; y < height; ++y) {
    const size_t stored_row = top_down ? y : height - 1 - y;
    const uint8_t* row = pixels.data() + stored_row * *stride;
    uint8_t* out = image.row(y);
    for (size_t x = 0; x < static_cast<size_t>(width); ++x, out += 3) {
      Rgb colour;
      if (bits_per_pixel <= 8) {
        colour = PaletteColour(palette, DibPackedIndex(row, x, bits_per_pixel));
      } else {
        const uint8_t* pixel = row + x * bytes_per_pixel;
        colour = {pixel[2], pixel[1], pixel[0]};
        if (keep_fourth) {
          fourth_bytes[static_cast<size_t>(y) * width + x] = pixel[3];
        }
      }
      out[0] = colour.red;
      out[1] = colour.green;
      out[2] = colour.blue;
    }
  }
  return true;
}

}  // namespace pelorine
