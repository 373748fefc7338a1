#pragma once

#include <string>
#include <utility>

namespace pelorine {

// The folder the tiles are saved into, kept with a trailing "/" so that a
// file name can follow it directly. Empty until a folder is chosen.
class SaveLocation {
 public:
  bool chosen() const { return !path_.empty(); }
  const std::string& path() const { return path_; }
  // Keeps `folder` followed by one "/"; the root stays "/". An empty folder
  // (a cancelled choice) changes nothing.
  void Choose(const std::string& folder);
  void Release() { path_ = {}; }
  std::string PathOf(const std::string& file_name) const {
    return path_ + file_name;
  }

 private:
  std::string path_;
};

}  // namespace pelorine
