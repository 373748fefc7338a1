#include "placement.h"

#include <gtest/gtest.h>

namespace pelorine {
namespace {

struct PlacementCase {
  int picture_width;
  int picture_height;
  PlacedRect expected;
};

TEST(PlaceScaledToFitTest, PlacesPicturesInAClientArea) {
  constexpr int kClientWidth = 410;
  constexpr int kClientHeight = 202;
  const PlacementCase cases[] = {
      {200, 100, {105, 51, 200, 100}}, {410, 202, {0, 0, 410, 202}},
      {800, 300, {0, 24, 409, 153}},   {1000, 1000, {104, 0, 202, 202}},
      {301, 800, {166, 0, 76, 202}},   {1024, 768, {70, 0, 269, 202}},
      {1, 1, {204, 100, 1, 1}},        {1, 65535, {204, 0, 0, 202}},
      {65535, 1, {0, 100, 410, 0}},    {65535, 65535, {104, 0, 202, 202}},
      {411, 202, {0, 0, 410, 201}},    {410, 203, {1, 0, 407, 202}},
  };
  for (const PlacementCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.picture_width << " x " << c.picture_height);
    EXPECT_EQ(PlaceScaledToFit(kClientWidth, kClientHeight, c.picture_width,
                               c.picture_height),
              c.expected);
  }
}

}  // namespace
}  // namespace pelorine
