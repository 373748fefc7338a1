#include "gif_decoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>
#include <span>
#include <vector>

namespace pelorine {
namespace {

struct MemoryInput {
  Bytes bytes;
  size_t offset = 0;
};

// giflib's input function: hands out what is left of the block; a short
// count makes giflib report the file as truncated.
int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto& input = *static_cast<MemoryInput*>(gif->UserData);
  if (length <= 0) return 0;
  const size_t count =
      std::min(static_cast<size_t>(length), input.bytes.size() - input.offset);
  if (count > 0) {
    std::memcpy(buffer, input.bytes.data() + input.offset, count);
    input.offset += count;
  }
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

// Reads one extension. A graphic control extension sets the transparent index
// for the image that follows it; a malformed one is ignored like every other
// extension.
bool ReadExtension(GifFileType* gif, int& transparent_index) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
    GraphicsControlBlock control;
    if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
      transparent_index = control.TransparentColor;
    }
  }
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  }
  return true;
}

// Indices beyond the colour map read as black.
std::array<Rgb, 256> MakePalette(const ColorMapObject& map) {
  std::array<Rgb, 256> palette{};
  const int count = std::clamp(map.ColorCount, 0, 256);
  for (int i = 0; i < count; ++i) {
    palette[i] = {map.Colors[i].Red, map.Colors[i].Green, map.Colors[i].Blue};
  }
  return palette;
}

// The rows an image delivers, in file order: all of them, or the four passes
// of an interlaced image.
struct RowPass {
  int first_row;
  int step;
};
constexpr RowPass kSequentialRows[] = {{0, 1}};
constexpr RowPass kInterlacedRows[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};

// Draws the image whose descriptor giflib has just read onto its logical
// screen. A screen with a zero side takes the image's extent from (0, 0).
std::optional<DecodedPicture> DrawImage(GifFileType* gif, int transparent_index,
                                        const DecodeLimits& limits) {
  const GifImageDesc& image = gif->Image;
  const ColorMapObject* map =
      image.ColorMap != nullptr ? image.ColorMap : gif->SColorMap;
  if (map == nullptr) return std::nullopt;
  if (!FitsLimits(image.Width, image.Height, limits)) return std::nullopt;
  int64_t screen_width = gif->SWidth;
  int64_t screen_height = gif->SHeight;
  if (screen_width == 0 || screen_height == 0) {
    screen_width = int64_t{image.Left} + image.Width;
    screen_height = int64_t{image.Top} + image.Height;
  }
  auto picture = AllocatePicture(screen_width, screen_height,
                                 /*with_alpha=*/true, limits);
  if (!picture) return std::nullopt;

  const std::array<Rgb, 256> palette = MakePalette(*map);
  std::vector<GifPixelType> line(image.Width);
  const int visible_columns = static_cast<int>(
      std::clamp<int64_t>(screen_width - image.Left, 0, image.Width));
  bool any_transparent = image.Left > 0 || image.Top > 0 ||
                         image.Left + image.Width < screen_width ||
                         image.Top + image.Height < screen_height;
  const std::span<const RowPass> passes =
      image.Interlace ? std::span<const RowPass>(kInterlacedRows)
                      : std::span<const RowPass>(kSequentialRows);
  for (const RowPass& pass : passes) {
    for (int row = pass.first_row; row < image.Height; row += pass.step) {
      if (DGifGetLine(gif, line.data(), image.Width) == GIF_ERROR) {
        return std::nullopt;
      }
      const int64_t y = int64_t{image.Top} + row;
      if (y >= screen_height || visible_columns == 0) continue;
      const size_t offset = static_cast<size_t>(y) * screen_width + image.Left;
      uint8_t* alpha = picture->alpha.data() + offset;
      uint8_t* rgb = picture->image.pixels.data() + offset * 3;
      for (int x = 0; x < visible_columns; ++x) {
        if (line[x] == transparent_index) {
          any_transparent = true;
          continue;
        }
        const Rgb colour = palette[line[x]];
        rgb[x * 3] = colour.red;
        rgb[x * 3 + 1] = colour.green;
        rgb[x * 3 + 2] = colour.blue;
        alpha[x] = 255;
      }
    }
  }
  if (!any_transparent) std::vector<uint8_t>().swap(picture->alpha);
  return picture;
}

// Skips the extensions before the first image, remembering the transparent
// index that applies to it, and draws that image. Later images are never
// read.
std::optional<DecodedPicture> DecodeFirstImage(GifFileType* gif,
                                               const DecodeLimits& limits) {
  int transparent_index = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &record) == GIF_ERROR) return std::nullopt;
    if (record == EXTENSION_RECORD_TYPE) {
      if (!ReadExtension(gif, transparent_index)) return std::nullopt;
      continue;
    }
    // The trailer before any image leaves nothing to show.
    if (record != IMAGE_DESC_RECORD_TYPE) return std::nullopt;
    if (DGifGetImageDesc(gif) == GIF_ERROR) return std::nullopt;
    return DrawImage(gif, transparent_index, limits);
  }
}

}  // namespace

std::optional<DecodedPicture> DecodeGif(Bytes bytes,
                                        const DecodeLimits& limits) {
  MemoryInput input{bytes};
  int error = 0;
  const GifHandle gif(DGifOpen(&input, ReadFromMemory, &error));
  if (!gif) return std::nullopt;
  try {
    return DecodeFirstImage(gif.get(), limits);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace pelorine
