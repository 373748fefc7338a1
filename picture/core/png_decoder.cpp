#include "png_decoder.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>
#include <vector>

namespace pelorine {
namespace {

constexpr size_t kSignatureSize = 8;
constexpr int kRgbaChannels = 4;

// Where libpng's read callback takes its bytes from.
struct PngSource {
  const uint8_t* data;
  size_t size;
  size_t position;
};

void ReadFromSource(png_structp png, png_bytep out, size_t length) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (length > source->size - source->position) png_error(png, "cut short");
  std::memcpy(out, source->data + source->position, length);
  source->position += length;
}

// Returns to the setjmp of the reading step that failed, without libpng's
// default message on stderr.
[[noreturn]] void StopReading(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// Owns libpng's read structures. It lives in DecodePng, below the frames
// that libpng's longjmp unwinds, so its destructor always runs.
class PngReadStructs {
 public:
  PngReadStructs()
      : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, StopReading,
                                    IgnoreWarning)),
        info_(png_ ? png_create_info_struct(png_) : nullptr) {}
  ~PngReadStructs() {
    if (png_) png_destroy_read_struct(&png_, info_ ? &info_ : nullptr, nullptr);
  }
  PngReadStructs(const PngReadStructs&) = delete;
  PngReadStructs& operator=(const PngReadStructs&) = delete;

  bool ok() const { return png_ && info_; }
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_;
  png_infop info_;
};

// Reads the header and asks libpng for 8-bit RGBA rows. libpng longjmps
// out of here on errors, so nothing in this function has a destructor.
bool ReadHeaderAsRgba(png_structp png, png_infop info, uint32_t max_side,
                      png_uint_32* width, png_uint_32* height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, max_side, max_side);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_bit_depth(png, info) != 8 ||
      png_get_channels(png, info) != kRgbaChannels) {
    return false;
  }
  *width = png_get_image_width(png, info);
  *height = png_get_image_height(png, info);
  return true;
}

// Same constraint as ReadHeaderAsRgba: no object with a destructor here.
bool ReadRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  return true;
}

}  // namespace

bool HasPngSignature(Bytes bytes) {
  return bytes.size() >= kSignatureSize &&
         png_sig_cmp(bytes.data(), 0, kSignatureSize) == 0;
}

std::optional<DecodedPicture> DecodePng(Bytes bytes,
                                        const DecodeLimits& limits) {
  if (!HasPngSignature(bytes)) return std::nullopt;
  PngReadStructs structs;
  if (!structs.ok()) return std::nullopt;
  PngSource source{bytes.data(), bytes.size(), 0};
  png_set_read_fn(structs.png(), &source, ReadFromSource);

  png_uint_32 width = 0;
  png_uint_32 height = 0;
  if (!ReadHeaderAsRgba(structs.png(), structs.info(), limits.max_side, &width,
                        &height)) {
    return std::nullopt;
  }
  auto picture = AllocatePicture(width, height, true, limits);
  if (!picture) return std::nullopt;
  // AllocatePicture has bounded width x height, so these sizes fit.
  const size_t row_bytes = static_cast<size_t>(width) * kRgbaChannels;
  if (png_get_rowbytes(structs.png(), structs.info()) != row_bytes) {
    return std::nullopt;
  }
  std::vector<uint8_t> rgba;
  std::vector<png_bytep> rows;
  try {
    rgba.resize(row_bytes * height);
    rows.resize(height);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  for (size_t y = 0; y < height; ++y) rows[y] = rgba.data() + y * row_bytes;
  if (!ReadRows(structs.png(), rows.data())) return std::nullopt;

  const size_t pixel_count = static_cast<size_t>(width) * height;
  for (size_t i = 0; i < pixel_count; ++i) {
    std::memcpy(&picture->image.pixels[i * 3], &rgba[i * kRgbaChannels], 3);
    picture->alpha[i] = rgba[i * kRgbaChannels + 3];
  }
  return picture;
}

}  // namespace pelorine
