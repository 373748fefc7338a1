#include "picture_row_sink.h"

#include <cstring>
#include <utility>

namespace pelorine {

bool SendRows(const DecodedPicture& picture, PictureRowSink& sink) {
  if (!sink.Start(picture.width(), picture.height(), !picture.opaque())) {
    return false;
  }
  const size_t width = static_cast<size_t>(picture.width());
  for (int y = 0; y < picture.height(); ++y) {
    sink.TakeRow(picture.image.row(y),
                 picture.opaque() ? nullptr : picture.alpha.data() + width * y);
  }
  return true;
}

bool PictureCollector::Start(int width, int height, bool with_alpha) {
  picture_ = AllocatePicture(width, height, with_alpha, limits_);
  rows_taken_ = 0;
  return picture_.has_value();
}

void PictureCollector::TakeRow(const uint8_t* rgb, const uint8_t* alpha) {
  if (!picture_ || rows_taken_ >= picture_->height()) return;
  RgbImage& image = picture_->image;
  std::memcpy(image.row(rows_taken_), rgb, image.stride());
  if (alpha != nullptr && !picture_->opaque()) {
    std::memcpy(
        picture_->alpha.data() + static_cast<size_t>(image.width) * rows_taken_,
        alpha, static_cast<size_t>(image.width));
  }
  ++rows_taken_;
}

std::optional<DecodedPicture> PictureCollector::Take() {
  if (!picture_ || rows_taken_ != picture_->height()) return std::nullopt;
  return std::exchange(picture_, std::nullopt);
}

}  // namespace pelorine
