#pragma once

#include <QImage>

#include "decoded_picture.h"

namespace pelorine {

// A copy of the picture as a Qt image, with its transparency.
QImage ToQImage(const DecodedPicture& picture);

}  // namespace pelorine
