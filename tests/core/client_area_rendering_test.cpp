#include "client_area_rendering.h"

#include <gtest/gtest.h>

#include "picture_row_sink.h"

namespace pelorine {
namespace {

constexpr Rgb kFace{240, 240, 240};

// A picture whose pixel (x, y) is (x, y, 7), so each pixel says where it came
// from.
DecodedPicture Coordinates(int width, int height) {
  DecodedPicture picture;
  picture.image = MakeFilledImage(width, height, {});
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.image.set(x, y,
                        {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7});
  return picture;
}

RgbImage Render(const DecodedPicture* picture, DisplayMode mode) {
  ClientAreaRenderer renderer({410, 202, kFace, Resampling::kAreaAverage});
  if (picture != nullptr) {
    EXPECT_TRUE(SendRows(*picture, renderer));
  }
  return renderer.Finish().For(mode);
}

TEST(ClientAreaRendering, WithoutPictureEveryPixelIsTheBackground) {
  for (DisplayMode mode : {DisplayMode::kOwnSize, DisplayMode::kScaledToFit}) {
    EXPECT_EQ(Render(nullptr, mode), MakeFilledImage(410, 202, kFace));
  }
}

TEST(ClientAreaRendering, OwnSizeStartsAtTheCornerAndIsCutOff) {
  const DecodedPicture small = Coordinates(200, 100);
  const RgbImage shown = Render(&small, DisplayMode::kOwnSize);
  EXPECT_EQ(shown.at(0, 0), (Rgb{0, 0, 7}));
  EXPECT_EQ(shown.at(199, 99), (Rgb{199, 99, 7}));
  EXPECT_EQ(shown.at(200, 0), kFace);
  EXPECT_EQ(shown.at(0, 100), kFace);

  const DecodedPicture big = Coordinates(1024, 768);
  const RgbImage cut = Render(&big, DisplayMode::kOwnSize);
  EXPECT_EQ(cut.at(409, 201), (Rgb{static_cast<uint8_t>(409), 201, 7}));
}

TEST(ClientAreaRendering, ScaledToFitFillsExactlyThePlacedRectangle) {
  // 1000 x 1000 is drawn 202 x 202 at (104, 0).
  DecodedPicture square;
  square.image = MakeFilledImage(1000, 1000, {9, 99, 199});
  const RgbImage shown = Render(&square, DisplayMode::kScaledToFit);
  for (int y : {0, 201}) {
    EXPECT_EQ(shown.at(103, y), kFace);
    EXPECT_EQ(shown.at(104, y), (Rgb{9, 99, 199}));
    EXPECT_EQ(shown.at(305, y), (Rgb{9, 99, 199}));
    EXPECT_EQ(shown.at(306, y), kFace);
  }
}

TEST(ClientAreaRendering, TransparentPixelsShowTheBackground) {
  DecodedPicture icon;
  icon.image = MakeFilledImage(2, 1, {0, 0, 0});
  icon.alpha = {0, 255};
  const RgbImage shown = Render(&icon, DisplayMode::kOwnSize);
  EXPECT_EQ(shown.at(0, 0), kFace);
  EXPECT_EQ(shown.at(1, 0), (Rgb{0, 0, 0}));
}

TEST(ClientAreaRendering, APictureCutShortShowsOnlyTheBackground) {
  const DecodedPicture picture = Coordinates(300, 100);
  ClientAreaRenderer renderer({410, 202, kFace, Resampling::kAreaAverage});
  ASSERT_TRUE(renderer.Start(300, 100, /*with_alpha=*/false));
  for (int y = 0; y < 99; ++y) renderer.TakeRow(picture.image.row(y), nullptr);
  const ClientAreaRenderings shown = renderer.Finish();
  EXPECT_EQ(shown.own_size, MakeFilledImage(410, 202, kFace));
  EXPECT_EQ(shown.scaled_to_fit, MakeFilledImage(410, 202, kFace));
}

TEST(ClientAreaRendering, BothModesComeFromOnePassOverTheRows) {
  // 1024 x 768 is drawn 269 x 202 at (70, 0) when scaled.
  const DecodedPicture big = Coordinates(1024, 768);
  ClientAreaRenderer renderer({410, 202, kFace, Resampling::kNearest});
  ASSERT_TRUE(SendRows(big, renderer));
  const ClientAreaRenderings shown = renderer.Finish();
  EXPECT_EQ(shown.own_size.at(409, 201),
            (Rgb{static_cast<uint8_t>(409), 201, 7}));
  EXPECT_EQ(shown.scaled_to_fit.at(69, 0), kFace);
  EXPECT_EQ(shown.scaled_to_fit.at(70, 0), (Rgb{1, 1, 7}));
  EXPECT_EQ(shown.scaled_to_fit.at(338, 201),
            (Rgb{static_cast<uint8_t>(1022 % 256),
                 static_cast<uint8_t>(766 % 256), 7}));
  EXPECT_EQ(shown.scaled_to_fit.at(339, 201), kFace);
}

}  // namespace
}  // namespace pelorine
