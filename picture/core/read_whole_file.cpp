#include "read_whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

namespace pelorine {
namespace {

// No picture file worth showing is this big; refusing it before allocating
// keeps a huge (or sparse) file from exhausting memory.
constexpr int64_t kTooLarge = int64_t{1} << 31;

std::vector<uint8_t> ReadOpenFile(int fd) {
  struct stat status;
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return {};
  // O_NONBLOCK only kept the open from waiting on a FIFO; reads of a regular
  // file should behave as ordinary blocking reads.
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) return {};
  const int64_t size = status.st_size;
  if (size <= 0 || size >= kTooLarge) return {};
  std::vector<uint8_t> bytes;
  try {
    bytes.resize(static_cast<size_t>(size));
  } catch (const std::bad_alloc&) {
    return {};
  }
  size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t count =
        read(fd, bytes.data() + filled, bytes.size() - filled);
    if (count < 0) {
      if (errno == EINTR) continue;
      return {};
    }
    // The file shrank since fstat: keep what arrived.
    if (count == 0) break;
    filled += static_cast<size_t>(count);
  }
  bytes.resize(filled);
  return bytes;
}

}  // namespace

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  if (path.empty()) return {};
  // O_NONBLOCK keeps a FIFO without a writer from blocking the open; fstat
  // then refuses it.
  const int fd =
      open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return {};
  std::vector<uint8_t> bytes = ReadOpenFile(fd);
  close(fd);
  return bytes;
}

}  // namespace pelorine
