#include "decode_picture.h"

#include "bitmap_decoder.h"
#include "gif_decoder.h"
#include "icon_decoder.h"
#include "jpeg_decoder.h"
#include "pcx_decoder.h"
#include "picture_kind.h"

namespace pelorine {
namespace {

// Kinds whose pictures are small enough, or whose rows come out of order, are
// decoded whole and then handed over.
std::optional<DecodedPicture> DecodeWhole(PictureKind kind, Bytes bytes,
                                          const DecodeLimits& limits) {
  switch (kind) {
    case PictureKind::kBitmap:
      return DecodeBitmap(bytes, limits);
    case PictureKind::kIcon:
    case PictureKind::kCursor:
      return DecodeIcon(bytes, limits);
    case PictureKind::kGif:
      return DecodeGif(bytes, limits);
    case PictureKind::kPcx8:
    case PictureKind::kPcx1:
      return DecodePcx(bytes, limits);
    case PictureKind::kJpeg:
    case PictureKind::kNone:
      break;
  }
  return std::nullopt;
}

}  // namespace

bool DecodePictureRows(Bytes bytes, PictureRowSink& sink,
                       const DecodeLimits& limits) {
  const PictureKind kind = RecognisePicture(bytes);
  // Photographs are the pictures that get huge: their rows go on as the
  // library makes them, so the whole picture is never held.
  if (kind == PictureKind::kJpeg) return DecodeJpegRows(bytes, limits, sink);
  const std::optional<DecodedPicture> picture =
      DecodeWhole(kind, bytes, limits);
  return picture && SendRows(*picture, sink);
}

std::optional<DecodedPicture> DecodePicture(Bytes bytes,
                                            const DecodeLimits& limits) {
  const PictureKind kind = RecognisePicture(bytes);
  if (kind == PictureKind::kJpeg) return DecodeJpeg(bytes, limits);
  return DecodeWhole(kind, bytes, limits);
}

}  // namespace pelorine
