#include "pcx_decoder.h"

#include <algorithm>
#include <new>
#include <vector>

#include "byte_reader.h"

namespace pelorine {
namespace {

constexpr size_t kHeaderSize = 128;
constexpr uint8_t kManufacturer = 0x0A;
constexpr uint8_t kLatestVersion = 5;
constexpr uint8_t kRunLengthEncoding = 1;
constexpr size_t kHeaderPaletteOffset = 16;
constexpr size_t kPlanesOffset = 65;
constexpr size_t kBytesPerLineOffset = 66;
// A 256-colour palette trails the file: a marker byte, then 256 x R, G, B.
constexpr uint8_t kPaletteMarker = 0x0C;
constexpr size_t kTrailingPaletteSize = 1 + 256 * 3;
constexpr uint8_t kRunFlags = 0xC0;
constexpr uint8_t kRunCountMask = 0x3F;
constexpr size_t kLongestRun = kRunCountMask;

enum class PcxLayout { kPalette256, kRgbPlanes, kMonochrome, kPalette16 };

std::optional<PcxLayout> LayoutOf(int bits_per_pixel, int planes) {
  if (bits_per_pixel == 8 && planes == 1) return PcxLayout::kPalette256;
  if (bits_per_pixel == 8 && planes == 3) return PcxLayout::kRgbPlanes;
  if (bits_per_pixel == 1 && planes == 1) return PcxLayout::kMonochrome;
  if (bits_per_pixel == 1 && planes == 4) return PcxLayout::kPalette16;
  return std::nullopt;
}

// The most bytes that `size` bytes of run-length data can expand to: every
// pair a longest run, and a lone last byte a literal.
uint64_t MostDecodedBytes(size_t size) {
  return static_cast<uint64_t>(size / 2) * kLongestRun + size % 2;
}

// Run-length data decoded as one continuous stream: a run may go on past
// the end of one scanline into the next.
class RunLengthStream {
 public:
  explicit RunLengthStream(Bytes data) : data_(data) {}

  // Fills `out` completely, or gives false when the data ends first.
  bool Read(std::span<uint8_t> out) {
    size_t filled = 0;
    while (filled < out.size()) {
      if (run_left_ == 0 && !StartRun()) return false;
      const size_t taken = std::min(run_left_, out.size() - filled);
      std::fill_n(out.begin() + filled, taken, run_value_);
      filled += taken;
      run_left_ -= taken;
    }
    return true;
  }

 private:
  bool StartRun() {
    if (position_ >= data_.size()) return false;
    const uint8_t byte = data_[position_++];
    if ((byte & kRunFlags) != kRunFlags) {
      run_value_ = byte;
      run_left_ = 1;
      return true;
    }
    if (position_ >= data_.size()) return false;
    run_value_ = data_[position_++];
    run_left_ = byte & kRunCountMask;
    return true;
  }

  Bytes data_;
  size_t position_ = 0;
  uint8_t run_value_ = 0;
  size_t run_left_ = 0;
};

bool BitAt(const uint8_t* plane, size_t x) {
  return (plane[x / 8] >> (7 - x % 8)) & 1;
}

Rgb PaletteEntry(const uint8_t* palette, size_t index) {
  const uint8_t* entry = palette + index * 3;
  return {entry[0], entry[1], entry[2]};
}

// One decoded scanline (all planes, each `bytes_per_line` long) to pixels.
void ConvertScanline(PcxLayout layout, const uint8_t* scanline,
                     size_t bytes_per_line, const uint8_t* palette,
                     RgbImage& image, int y) {
  for (size_t x = 0; x < static_cast<size_t>(image.width); ++x) {
    Rgb colour;
    switch (layout) {
      case PcxLayout::kPalette256:
        colour = PaletteEntry(palette, scanline[x]);
        break;
      case PcxLayout::kRgbPlanes:
        colour = {scanline[x], scanline[bytes_per_line + x],
                  scanline[2 * bytes_per_line + x]};
        break;
      case PcxLayout::kMonochrome: {
        const uint8_t level = BitAt(scanline, x) ? 255 : 0;
        colour = {level, level, level};
        break;
      }
      case PcxLayout::kPalette16: {
        size_t index = 0;
        for (size_t plane = 0; plane < 4; ++plane) {
          index |= size_t{BitAt(scanline + plane * bytes_per_line, x)} << plane;
        }
        colour = PaletteEntry(palette, index);
        break;
      }
    }
    image.set(static_cast<int>(x), y, colour);
  }
}

}  // namespace

std::optional<DecodedPicture> DecodePcx(Bytes bytes,
                                        const DecodeLimits& limits) {
  const ByteReader reader(bytes);
  if (!reader.contains(0, kHeaderSize)) return std::nullopt;
  // The whole header lies in the file, so none of these reads fails.
  if (reader.u8(0) != kManufacturer || *reader.u8(1) > kLatestVersion ||
      reader.u8(2) != kRunLengthEncoding) {
    return std::nullopt;
  }
  const int bits_per_pixel = *reader.u8(3);
  const int64_t width = int64_t{*reader.u16(8)} - *reader.u16(4) + 1;
  const int64_t height = int64_t{*reader.u16(10)} - *reader.u16(6) + 1;
  const int planes = *reader.u8(kPlanesOffset);
  const size_t bytes_per_line = *reader.u16(kBytesPerLineOffset);
  const auto layout = LayoutOf(bits_per_pixel, planes);
  if (!layout || !FitsLimits(width, height, limits)) return std::nullopt;
  // Width and bits per pixel are small here, so these sizes cannot overflow.
  const size_t plane_row_bytes = (width * bits_per_pixel + 7) / 8;
  if (bytes_per_line < plane_row_bytes) return std::nullopt;
  const size_t scanline_bytes = planes * bytes_per_line;

  Bytes encoded = bytes.subspan(kHeaderSize);
  const uint8_t* palette = bytes.data() + kHeaderPaletteOffset;
  if (*layout == PcxLayout::kPalette256) {
    if (encoded.size() < kTrailingPaletteSize) return std::nullopt;
    const size_t marker = bytes.size() - kTrailingPaletteSize;
    if (bytes[marker] != kPaletteMarker) return std::nullopt;
    palette = bytes.data() + marker + 1;
    encoded = encoded.first(encoded.size() - kTrailingPaletteSize);
  }
  if (static_cast<uint64_t>(height) > UINT64_MAX / scanline_bytes ||
      scanline_bytes * static_cast<uint64_t>(height) >
          MostDecodedBytes(encoded.size())) {
    return std::nullopt;
  }

  auto picture = AllocatePicture(width, height, false, limits);
  if (!picture) return std::nullopt;
  std::vector<uint8_t> scanline;
  try {
    scanline.resize(scanline_bytes);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  RunLengthStream stream(encoded);
  for (int y = 0; y < picture->height(); ++y) {
    if (!stream.Read(scanline)) return std::nullopt;
    ConvertScanline(*layout, scanline.data(), bytes_per_line, palette,
                    picture->image, y);
  }
  return picture;
}

}  // namespace pelorine
