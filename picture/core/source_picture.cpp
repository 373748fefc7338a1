#include "source_picture.h"

#include <utility>

#include "decode_picture.h"

namespace pelorine {

SourcePicture::SourcePicture()
    : SourcePicture([](Bytes bytes, PictureRowSink& sink) {
        return DecodePictureRows(bytes, sink);
      }) {}

SourcePicture::SourcePicture(Decoder decoder) : decoder_(std::move(decoder)) {}

void SourcePicture::SetBytes(std::vector<uint8_t> bytes) {
  bytes_ = std::move(bytes);
  rendered_with_.reset();
  renderings_ = {};
}

bool SourcePicture::SetDisplayMode(DisplayMode mode) {
  if (mode == mode_) return false;
  mode_ = mode;
  return true;
}

const RgbImage& SourcePicture::Rendering(const RenderingSettings& settings) {
  if (rendered_with_ != settings) {
    ClientAreaRenderer renderer(settings);
    // Bytes that do not decode are dropped so that no repaint tries again.
    if (!bytes_.empty() && !decoder_(bytes_, renderer)) {
      bytes_ = {};
      renderer = ClientAreaRenderer(settings);
    }
    renderings_ = renderer.Finish();
    rendered_with_ = settings;
  }
  return renderings_.For(mode_);
}

}  // namespace pelorine
