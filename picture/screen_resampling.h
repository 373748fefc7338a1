#pragma once

#include "resample.h"

class QScreen;

namespace pelorine {

// Averaging only pays off where the screen can show the in-between colours:
// above 16 bits per pixel; otherwise pixels are dropped or repeated.
Resampling ResamplingForScreen(const QScreen* screen);

}  // namespace pelorine
