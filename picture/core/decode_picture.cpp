#include "decode_picture.h"

#include "bitmap_decoder.h"
#include "gif_decoder.h"
#include "icon_decoder.h"
#include "jpeg_decoder.h"
#include "pcx_decoder.h"
#include "picture_kind.h"

namespace pelorine {

std::optional<DecodedPicture> DecodePicture(Bytes bytes,
                                            const DecodeLimits& limits) {
  switch (RecognisePicture(bytes)) {
    case PictureKind::kBitmap:
      return DecodeBitmap(bytes, limits);
    case PictureKind::kJpeg:
      return DecodeJpeg(bytes, limits);
    case PictureKind::kIcon:
    case PictureKind::kCursor:
      return DecodeIcon(bytes, limits);
    case PictureKind::kGif:
      return DecodeGif(bytes, limits);
    case PictureKind::kPcx8:
    case PictureKind::kPcx1:
      return DecodePcx(bytes, limits);
    case PictureKind::kNone:
      break;
  }
  return std::nullopt;
}

}  // namespace pelorine
