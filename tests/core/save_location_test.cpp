#include "save_location.h"

#include <gtest/gtest.h>

namespace pelorine {
namespace {

TEST(SaveLocation, FolderGetsExactlyOneTrailingSeparator) {
  const struct {
    const char* folder;
    const char* path;
  } cases[] = {
      {"/home/ann/pictures", "/home/ann/pictures/"},
      {"/home/ann/pictures/", "/home/ann/pictures/"},
      {"/", "/"},
      {"//", "/"},
  };
  for (const auto& c : cases) {
    SaveLocation location;
    location.Choose(c.folder);
    location.Choose(c.folder);
    EXPECT_EQ(location.path(), c.path) << c.folder;
    EXPECT_EQ(location.PathOf("1.jpg"), std::string(c.path) + "1.jpg");
  }
}

TEST(SaveLocation, CancelKeepsTheChoiceAndReleaseForgetsIt) {
  SaveLocation location;
  EXPECT_FALSE(location.chosen());
  location.Choose("");
  EXPECT_FALSE(location.chosen());
  location.Choose("/tmp");
  location.Choose("");
  EXPECT_EQ(location.path(), "/tmp/");
  location.Release();
  EXPECT_FALSE(location.chosen());
}

}  // namespace
}  // namespace pelorine
