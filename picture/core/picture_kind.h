#pragma once

#include "decoded_picture.h"

namespace pelorine {

enum class PictureKind {
  kNone,
  kBitmap,
  kJpeg,
  kIcon,
  kCursor,
  kGif,
  kPcx8,
  kPcx1,
};

// Recognises a picture by its first six bytes, testing the kinds in a fixed
// order; the first match wins. Fewer than six bytes is no picture.
PictureKind RecognisePicture(Bytes bytes);

}  // namespace pelorine
