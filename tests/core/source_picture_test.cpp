#include "source_picture.h"

#include <gtest/gtest.h>

namespace pelorine {
namespace {

constexpr Rgb kFace{240, 240, 240};
const RenderingSettings kSettings{410, 202, kFace, Resampling::kAreaAverage};

DecodedPicture Flat(int width, int height, Rgb colour) {
  DecodedPicture picture;
  picture.image = MakeFilledImage(width, height, colour);
  return picture;
}

// Counts decodes; the bytes' first byte says how wide the picture is, 0 means
// the bytes do not decode.
struct CountingDecoder {
  int calls = 0;
  SourcePicture::Decoder decoder() {
    return [this](Bytes bytes, PictureRowSink& sink) {
      ++calls;
      if (bytes.empty() || bytes[0] == 0) return false;
      return SendRows(Flat(bytes[0] * 10, 100, {255, 0, 0}), sink);
    };
  }
};

TEST(SourcePicture, DecodesOncePerPictureWhateverTheRepaintsAndModes) {
  CountingDecoder counting;
  SourcePicture picture(counting.decoder());
  EXPECT_EQ(counting.calls, 0);
  picture.SetBytes({20});
  EXPECT_EQ(counting.calls, 0) << "decoding waits for the first repaint";
  picture.Rendering(kSettings);
  picture.Rendering(kSettings);
  picture.SetDisplayMode(DisplayMode::kScaledToFit);
  picture.Rendering(kSettings);
  picture.SetDisplayMode(DisplayMode::kOwnSize);
  picture.Rendering(kSettings);
  EXPECT_EQ(counting.calls, 1);
  picture.SetBytes({30});
  picture.Rendering(kSettings);
  EXPECT_EQ(counting.calls, 2);
}

TEST(SourcePicture, BytesThatFailToDecodeAreDroppedAndNotTriedAgain) {
  CountingDecoder counting;
  SourcePicture picture(counting.decoder());
  picture.SetBytes({0, 1, 2});
  EXPECT_EQ(picture.Rendering(kSettings), MakeFilledImage(410, 202, kFace));
  EXPECT_FALSE(picture.has_bytes());
  picture.Rendering(kSettings);
  EXPECT_EQ(counting.calls, 1);
}

TEST(SourcePicture, ModeSurvivesPictureChangesAndSameModeNeedsNoRepaint) {
  CountingDecoder counting;
  SourcePicture picture(counting.decoder());
  EXPECT_FALSE(picture.SetDisplayMode(DisplayMode::kOwnSize));
  EXPECT_TRUE(picture.SetDisplayMode(DisplayMode::kScaledToFit));
  EXPECT_FALSE(picture.SetDisplayMode(DisplayMode::kScaledToFit));
  picture.SetBytes({20});  // 200 x 100, centred at (105, 51)
  const RgbImage& shown = picture.Rendering(kSettings);
  EXPECT_EQ(shown.at(104, 51), kFace);
  EXPECT_EQ(shown.at(105, 51), (Rgb{255, 0, 0}));
  EXPECT_EQ(shown.at(304, 150), (Rgb{255, 0, 0}));
  EXPECT_EQ(shown.at(305, 150), kFace);
}

TEST(SourcePicture, NewBackgroundColourRendersAgain) {
  SourcePicture picture([](Bytes, PictureRowSink&) { return false; });
  EXPECT_EQ(picture.Rendering(kSettings).at(0, 0), kFace);
  RenderingSettings dark = kSettings;
  dark.background = {10, 20, 30};
  EXPECT_EQ(picture.Rendering(dark).at(409, 201), (Rgb{10, 20, 30}));
}

}  // namespace
}  // namespace pelorine
