#include "source_picture.h"

#include <utility>

#include "decode_picture.h"

namespace pelorine {

SourcePicture::SourcePicture()
    : SourcePicture([](Bytes bytes) { return DecodePicture(bytes); }) {}

SourcePicture::SourcePicture(Decoder decoder) : decoder_(std::move(decoder)) {}

void SourcePicture::SetBytes(std::vector<uint8_t> bytes) {
  bytes_ = std::move(bytes);
  picture_.reset();
  renderings_ = {};
}

bool SourcePicture::SetDisplayMode(DisplayMode mode) {
  if (mode == mode_) return false;
  mode_ = mode;
  return true;
}

const DecodedPicture* SourcePicture::Picture() {
  if (!picture_ && !bytes_.empty()) {
    picture_ = decoder_(bytes_);
    // Bytes that do not decode are dropped so that no repaint tries again.
    if (!picture_) bytes_ = {};
  }
  return picture_ ? &*picture_ : nullptr;
}

size_t SourcePicture::ModeSlot(DisplayMode mode) {
  return mode == DisplayMode::kOwnSize ? 0 : 1;
}

const RgbImage& SourcePicture::Rendering(const RenderingSettings& settings) {
  if (!(settings == rendered_with_)) {
    renderings_ = {};
    rendered_with_ = settings;
  }
  std::optional<RgbImage>& rendering = renderings_[ModeSlot(mode_)];
  if (!rendering) rendering = RenderClientArea(Picture(), mode_, settings);
  return *rendering;
}

}  // namespace pelorine
