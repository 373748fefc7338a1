#pragma once

#include <cstdint>

#include "decoded_picture.h"

namespace pelorine {

// Takes a picture row by row, top row first, as a decoder delivers it. A
// decode that fails after some rows leaves the sink with a partial picture,
// which the caller throws away.
class PictureRowSink {
 public:
  virtual ~PictureRowSink() = default;
  // Called once, before the rows, with sizes within the decode limits. False
  // stops the decode: the memory for the picture cannot be had.
  virtual bool Start(int width, int height, bool with_alpha) = 0;
  // `rgb` holds the row's width pixels, `alpha` their coverage (0 shows the
  // background, 255 the picture) or is null when the picture is opaque.
  virtual void TakeRow(const uint8_t* rgb, const uint8_t* alpha) = 0;
};

// Delivers a whole decoded picture to `sink`; false when the sink refuses it.
bool SendRows(const DecodedPicture& picture, PictureRowSink& sink);

// Keeps every row it is given, for callers that need the whole picture.
class PictureCollector : public PictureRowSink {
 public:
  explicit PictureCollector(const DecodeLimits& limits) : limits_(limits) {}
  bool Start(int width, int height, bool with_alpha) override;
  void TakeRow(const uint8_t* rgb, const uint8_t* alpha) override;
  // The picture once every row has arrived, else nothing.
  std::optional<DecodedPicture> Take();

 private:
  DecodeLimits limits_;
  std::optional<DecodedPicture> picture_;
  int rows_taken_ = 0;
};

}  // namespace pelorine
