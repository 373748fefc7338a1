#include "framed_image.h"

#include <cstring>

namespace pelorine {

RgbImage FrameImage(const RgbImage& client, Rgb frame) {
  if (client.empty()) return {};
  RgbImage framed = MakeFilledImage(client.width + 2, client.height + 2, frame);
  for (int y = 0; y < client.height; ++y) {
    std::memcpy(framed.row(y + 1) + 3, client.row(y), client.stride());
  }
  return framed;
}

}  // namespace pelorine
