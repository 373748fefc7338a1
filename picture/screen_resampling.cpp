#include "screen_resampling.h"

#include <QScreen>

namespace pelorine {

Resampling ResamplingForScreen(const QScreen* screen) {
  return screen != nullptr && screen->depth() > 16 ? Resampling::kAreaAverage
                                                   : Resampling::kNearest;
}

}  // namespace pelorine
