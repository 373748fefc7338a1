#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "client_area_rendering.h"
#include "decoded_picture.h"
#include "display_mode.h"

namespace pelorine {

// The state behind the source canvas: the picture file's bytes, the picture
// decoded from them and the display mode. Decoding is lazy and happens once
// per set of bytes; each mode's rendering of the client area is kept until
// the picture or the rendering settings change, so repaints, mode switches
// and cuts never decode or resample again.
class SourcePicture {
 public:
  using Decoder = std::function<std::optional<DecodedPicture>(Bytes)>;

  SourcePicture();
  explicit SourcePicture(Decoder decoder);

  // Takes the bytes of a picture file; no bytes removes the picture.
  void SetBytes(std::vector<uint8_t> bytes);
  // False when the mode was already set, so nothing needs repainting.
  bool SetDisplayMode(DisplayMode mode);
  DisplayMode display_mode() const { return mode_; }
  bool has_bytes() const { return !bytes_.empty(); }

  // What the client area shows under the current mode.
  const RgbImage& Rendering(const RenderingSettings& settings);

 private:
  const DecodedPicture* Picture();
  static size_t ModeSlot(DisplayMode mode);

  Decoder decoder_;
  std::vector<uint8_t> bytes_;
  std::optional<DecodedPicture> picture_;
  DisplayMode mode_ = DisplayMode::kOwnSize;
  RenderingSettings rendered_with_;
  std::array<std::optional<RgbImage>, 2> renderings_;
};

}  // namespace pelorine
