#include "bitmap_encoder.h"

#include <cstddef>
#include <limits>
#include <new>

namespace pelorine {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize;

void PutU16(uint8_t* out, uint16_t value) {
  out[0] = static_cast<uint8_t>(value);
  out[1] = static_cast<uint8_t>(value >> 8);
}

void PutU32(uint8_t* out, uint32_t value) {
  PutU16(out, static_cast<uint16_t>(value));
  PutU16(out + 2, static_cast<uint16_t>(value >> 16));
}

}  // namespace

std::vector<uint8_t> EncodeBitmapFile(const RgbImage& image) {
  if (image.empty()) return {};
  // Rows are padded to whole 32-bit words.
  const uint64_t row_size =
      (static_cast<uint64_t>(image.width) * 24 + 31) / 32 * 4;
  const uint64_t image_size = row_size * static_cast<uint64_t>(image.height);
  // The header records sizes in 32 bits.
  if (image_size > std::numeric_limits<uint32_t>::max() - kPixelOffset) {
    return {};
  }
  std::vector<uint8_t> file;
  try {
    file.resize(kPixelOffset + image_size);
  } catch (const std::bad_alloc&) {
    return {};
  }
  uint8_t* header = file.data();
  header[0] = 'B';
  header[1] = 'M';
  PutU32(header + 2, static_cast<uint32_t>(file.size()));
  // Bytes 6 to 9 are reserved and stay 0.
  PutU32(header + 10, kPixelOffset);
  uint8_t* info = header + kFileHeaderSize;
  PutU32(info, kInfoHeaderSize);
  // A positive height stores the rows bottom-up.
  PutU32(info + 4, static_cast<uint32_t>(image.width));
  PutU32(info + 8, static_cast<uint32_t>(image.height));
  PutU16(info + 12, 1);   // planes
  PutU16(info + 14, 24);  // bits per pixel
  // Compression 0 (none) at 16, then the pixel data size; resolutions and
  // palette counts stay 0.
  PutU32(info + 20, static_cast<uint32_t>(image_size));
  uint8_t* out_row = file.data() + kPixelOffset;
  for (int y = image.height - 1; y >= 0; --y, out_row += row_size) {
    const uint8_t* in = image.row(y);
    uint8_t* out = out_row;
    for (int x = 0; x < image.width; ++x, in += 3, out += 3) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
    }
  }
  return file;
}

}  // namespace pelorine
