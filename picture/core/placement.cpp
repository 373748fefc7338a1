#include "placement.h"

#include <algorithm>

namespace pelorine {

PlacedRect PlaceScaledToFit(int client_width, int client_height,
                            int picture_width, int picture_height) {
  PlacedRect placed{0, 0, picture_width, picture_height};
  // A side that fits is centred first and the area narrowed to it; the shrink
  // below then centres within what is left. Each centring rounds down on its
  // own, so the offset can be one pixel less than centring the shrunk picture
  // in the whole area would give; that is deliberate, keep the two steps.
  int area_width = client_width;
  int area_height = client_height;
  if (picture_width <= area_width) {
    placed.x = (area_width - picture_width) / 2;
    area_width = picture_width;
  }
  if (picture_height <= area_height) {
    placed.y = (area_height - picture_height) / 2;
    area_height = picture_height;
  }
  if (picture_width > area_width || picture_height > area_height) {
    const double scale =
        std::min(static_cast<double>(area_width) / picture_width,
                 static_cast<double>(area_height) / picture_height);
    placed.width = static_cast<int>(picture_width * scale);
    placed.height = static_cast<int>(picture_height * scale);
    placed.x += (area_width - placed.width) / 2;
    placed.y += (area_height - placed.height) / 2;
  }
  return placed;
}

}  // namespace pelorine
