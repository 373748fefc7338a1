#include "write_whole_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

namespace pelorine {
namespace {

constexpr mode_t kPermissionBits = S_IRWXU | S_IRWXG | S_IRWXO;

// The process's umask. /proc tells it without changing it; setting and
// restoring it would, for a moment, affect files other threads create.
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  constexpr std::string_view kField = "Umask:";
  for (std::string line; std::getline(status, line);) {
    if (line.compare(0, kField.size(), kField) == 0) {
      return static_cast<mode_t>(
                 std::strtoul(line.c_str() + kField.size(), nullptr, 8)) &
             kPermissionBits;
    }
  }
  // Without /proc, ask the old way.
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// The permission bits the written file gets, or nothing when the target must
// not be replaced: anything but a regular file (a symbolic link included,
// rather than guess whether its own path or its target is meant) or a file
// whose owner may not write it.
std::optional<mode_t> PermissionsForTarget(const std::string& path) {
  struct stat target;
  if (lstat(path.c_str(), &target) != 0) {
    if (errno != ENOENT) return std::nullopt;
    return 0666 & ~CurrentUmask();
  }
  if (!S_ISREG(target.st_mode) || (target.st_mode & S_IWUSR) == 0) {
    return std::nullopt;
  }
  // Set-user-ID and the like are not carried over: writing a file clears
  // them, too.
  return target.st_mode & kPermissionBits;
}

bool WriteAll(int fd, Bytes bytes) {
  while (!bytes.empty()) {
    const ssize_t count = write(fd, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes = bytes.subspan(static_cast<size_t>(count));
  }
  return true;
}

// Makes the rename itself durable; the data is already safe, so a failure
// here changes nothing the caller could act on.
void FlushFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool WriteWholeFile(const std::string& path, Bytes bytes, FlushToDisk flush) {
  if (path.empty()) return false;
  const size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "."
                             : slash == 0               ? "/"
                                                        : path.substr(0, slash);
  const std::string name =
      slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty()) return false;
  const std::optional<mode_t> permissions = PermissionsForTarget(path);
  if (!permissions) return false;

  std::string temporary = folder + "/." + name + ".XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool written = WriteAll(fd, bytes) &&
                 (flush == FlushToDisk::kNo || fsync(fd) == 0) &&
                 fchmod(fd, *permissions) == 0;
  // A failed close can mean the data never reached the file.
  written = close(fd) == 0 && written;
  if (!written || rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  if (flush == FlushToDisk::kYes) FlushFolder(folder);
  return true;
}

}  // namespace pelorine
