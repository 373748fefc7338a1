#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "client_area_rendering.h"
#include "decoded_picture.h"
#include "display_mode.h"
#include "picture_row_sink.h"

namespace pelorine {

// The state behind the source canvas: the picture file's bytes, what they
// show under each display mode, and the mode. Decoding is lazy, by the first
// rendering after the bytes are set, and draws both modes' client areas as
// the rows arrive; those renderings are kept until the picture or the
// rendering settings change, so repaints, mode switches and cuts never decode
// or resample again, and the picture at full size is never held.
class SourcePicture {
 public:
  // Decodes the bytes into the sink; false when they do not decode.
  using Decoder = std::function<bool(Bytes, PictureRowSink&)>;

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
  Decoder decoder_;
  std::vector<uint8_t> bytes_;
  DisplayMode mode_ = DisplayMode::kOwnSize;
  std::optional<RenderingSettings> rendered_with_;
  ClientAreaRenderings renderings_;
};

}  // namespace pelorine
