#pragma once

namespace pelorine {

struct PlacedRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PlacedRect&, const PlacedRect&) = default;
};

// Where a picture_width x picture_height picture lies in a client area when it
// is centred and, if it is too big, shrunk to fit, keeping its aspect ratio.
PlacedRect PlaceScaledToFit(int client_width, int client_height,
                            int picture_width, int picture_height);

}  // namespace pelorine
