#include "picture_kind.h"

#include "byte_reader.h"

namespace pelorine {
namespace {

constexpr size_t kSignatureLength = 6;

// Icon and cursor files share a directory header: a reserved zero word, the
// resource type, and a count of the images that follow.
bool IsIconDirectory(const ByteReader& header, uint16_t resource_type) {
  return header.u16(0) == 0 && header.u16(2) == resource_type &&
         header.u16(4) > 0;
}

}  // namespace

PictureKind RecognisePicture(Bytes bytes) {
  if (bytes.size() < kSignatureLength) return PictureKind::kNone;
  const ByteReader header(bytes.first(kSignatureLength));
  const Bytes b = header.bytes();
  if (b[0] == 0x42 && b[1] == 0x4D) return PictureKind::kBitmap;
  if (b[0] == 0xFF && b[1] == 0xD8) return PictureKind::kJpeg;
  if (IsIconDirectory(header, 1)) return PictureKind::kIcon;
  if (IsIconDirectory(header, 2)) return PictureKind::kCursor;
  if (b[0] == 'G' && b[1] == 'I' && b[2] == 'F' && b[3] == '8' &&
      (b[4] == '7' || b[4] == '9') && b[5] == 'a') {
    return PictureKind::kGif;
  }
  if (b[0] == 0x0A && b[1] <= 0x05 && b[2] == 0x01 && b[3] == 0x08) {
    return PictureKind::kPcx8;
  }
  if (b[0] == 0x0A && b[1] == 0x03 && b[2] == 0x01 && b[3] == 0x01) {
    return PictureKind::kPcx1;
  }
  return PictureKind::kNone;
}

}  // namespace pelorine
