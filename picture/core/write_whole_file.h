#pragma once

#include <string>

#include "decoded_picture.h"

namespace pelorine {

enum class FlushToDisk { kYes, kNo };

// Makes `bytes` the whole content of the file at `path`, atomically: the data
// goes to a temporary file in the same folder that is renamed over the target
// once complete, so on any failure the target is untouched and no temporary
// file is left. An existing target keeps its permission bits; one whose bits
// grant its owner no write access is refused, also for root.
bool WriteWholeFile(const std::string& path, Bytes bytes,
                    FlushToDisk flush = FlushToDisk::kYes);

}  // namespace pelorine
