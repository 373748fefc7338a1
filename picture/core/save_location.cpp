#include "save_location.h"

namespace pelorine {

void SaveLocation::Choose(const std::string& folder) {
  if (folder.empty()) return;
  std::string path = folder;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  if (path != "/") path += '/';
  path_ = std::move(path);
}

}  // namespace pelorine
