#include "copy_canvas_region.h"

#include <gtest/gtest.h>

#include "framed_image.h"
#include "tile_grid.h"

namespace pelorine {
namespace {

RgbImage Coordinates(int width, int height) {
  RgbImage image = MakeFilledImage(width, height, {});
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.set(x, y, {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 1});
  return image;
}

TEST(CopyCanvasRegion, TileGetsTheTopLeft98x98OfItsRegion) {
  const RgbImage source = Coordinates(410, 202);
  for (const TileSlot& slot : kTileSlots) {
    SCOPED_TRACE(slot.file_name);
    RgbImage tile = MakeFilledImage(98, 98, {});
    CopyCanvasRegion(source, slot.region_x(), slot.region_y(), kTileSize,
                     kTileSize, tile, 0, 0);
    EXPECT_EQ(tile.at(0, 0), source.at(slot.region_x(), slot.region_y()));
    EXPECT_EQ(tile.at(97, 97),
              source.at(slot.region_x() + 97, slot.region_y() + 97));
  }
}

TEST(CopyCanvasRegion, OnlyRegionsWhollyOutsideAreScreenedOut) {
  const RgbImage source = MakeFilledImage(10, 10, {5, 5, 5});
  const Rgb untouched{9, 9, 9};
  struct Case {
    int x, y, width, height;
    bool copies;
  } cases[] = {
      {0, 0, 0, 5, false},    {0, 0, 5, -1, false}, {-6, 0, 5, 5, false},
      {-5, 0, 5, 5, true},    {0, -6, 5, 5, false}, {10, 0, 5, 5, true},
      {11, 0, 5, 5, false},   {0, 10, 5, 5, true},  {0, 11, 5, 5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    RgbImage target = MakeFilledImage(5, 5, untouched);
    CopyCanvasRegion(source, c.x, c.y, c.width, c.height, target, 0, 0);
    EXPECT_EQ(target != MakeFilledImage(5, 5, untouched), c.copies);
  }
}

TEST(CopyCanvasRegion, PixelsLandingOutsideTheDestinationAreDropped) {
  const RgbImage source = Coordinates(4, 4);
  RgbImage target = MakeFilledImage(3, 3, {});
  CopyCanvasRegion(source, 0, 0, 4, 4, target, 1, -1);
  EXPECT_EQ(target.at(1, 0), source.at(0, 1));
  EXPECT_EQ(target.at(2, 2), source.at(1, 3));
  EXPECT_EQ(target.at(0, 0), (Rgb{}));
}

TEST(FrameImage, PutsAOnePixelFrameAroundTheClientImage) {
  const RgbImage framed = FrameImage(Coordinates(98, 98), {1, 2, 3});
  ASSERT_EQ(framed.width, 100);
  ASSERT_EQ(framed.height, 100);
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(framed.at(i, 0), (Rgb{1, 2, 3}));
    EXPECT_EQ(framed.at(99, i), (Rgb{1, 2, 3}));
  }
  EXPECT_EQ(framed.at(1, 1), (Rgb{0, 0, 1}));
  EXPECT_EQ(framed.at(98, 98), (Rgb{97, 97, 1}));
  EXPECT_TRUE(FrameImage({}, {}).empty());
}

}  // namespace
}  // namespace pelorine
