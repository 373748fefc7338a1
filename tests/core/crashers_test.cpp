#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "decode_picture.h"
#include "read_whole_file.h"

namespace pelorine {
namespace {

// Files that once crashed or hung a decoder, or were made to probe one, each
// beside its recipe (*.txt, *.md). Every one must be refused cleanly.
TEST(CrashersTest, EveryFileIsRefusedCleanly) {
  int files = 0;
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(PELORINE_CRASHERS)) {
    const std::filesystem::path& path = entry.path();
    if (!entry.is_regular_file() || path.extension() == ".txt" ||
        path.extension() == ".md") {
      continue;
    }
    ++files;
    SCOPED_TRACE(path.filename().string());
    EXPECT_FALSE(DecodePicture(ReadWholeFile(path.string())).has_value());
  }
  EXPECT_GT(files, 0) << "no files to replay in " << PELORINE_CRASHERS;
}

}  // namespace
}  // namespace pelorine
