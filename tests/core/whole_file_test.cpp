#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "read_whole_file.h"
#include "write_whole_file.h"

namespace pelorine {
namespace {

namespace fs = std::filesystem;

const std::vector<uint8_t> kPicture = [] {
  std::vector<uint8_t> bytes(1000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i);
  return bytes;
}();

// Each test gets a fresh folder of its own and checks what is left in it.
class WholeFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = testing::TempDir() + "whole_file_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    // Give back write access the tests took away, so all can be removed.
    for (const fs::directory_entry& entry :
         fs::recursive_directory_iterator(folder_)) {
      if (!entry.is_symlink()) chmod(entry.path().c_str(), 0700);
    }
    fs::remove_all(folder_);
  }

  std::string PathOf(const std::string& name) const {
    return (folder_ / name).string();
  }
  void Put(const std::string& name, const std::vector<uint8_t>& bytes,
           mode_t mode = 0644) const {
    std::ofstream out(PathOf(name), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    ASSERT_EQ(chmod(PathOf(name).c_str(), mode), 0);
  }
  std::vector<uint8_t> Contents(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in),
            std::istreambuf_iterator<char>()};
  }
  mode_t PermissionsOf(const std::string& name) const {
    struct stat status {};
    EXPECT_EQ(lstat(PathOf(name).c_str(), &status), 0) << name;
    return status.st_mode & 07777;
  }
  // The names in the folder, sorted; a leftover temporary file shows here.
  std::vector<std::string> Names(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<std::string> Names() const { return Names(folder_); }

  fs::path folder_;
};

TEST_F(WholeFileTest, ReadsOnlyNonEmptyRegularFilesBelow2GiB) {
  struct ReadCase {
    const char* what;
    // Prepares the case and gives the path to read.
    std::function<std::string()> make;
    std::vector<uint8_t> expected;
  };
  const ReadCase cases[] = {
      {"empty path", [] { return std::string(); }, {}},
      {"missing file", [&] { return PathOf("missing"); }, {}},
      {"folder", [&] { return folder_.string(); }, {}},
      {"empty file",
       [&] {
         Put("empty", {});
         return PathOf("empty");
       },
       {}},
      {"FIFO without a writer",
       [&] {
         EXPECT_EQ(mkfifo(PathOf("fifo").c_str(), 0600), 0);
         return PathOf("fifo");
       },
       {}},
      {"character device", [] { return std::string("/dev/zero"); }, {}},
      {"sparse file of exactly 2 GiB",
       [&] {
         Put("huge", {});
         EXPECT_EQ(truncate(PathOf("huge").c_str(), off_t{1} << 31), 0);
         return PathOf("huge");
       },
       {}},
      {"picture",
       [&] {
         Put("picture", kPicture);
         return PathOf("picture");
       },
       kPicture},
      {"link to the picture",
       [&] {
         Put("target", kPicture);
         EXPECT_EQ(symlink("target", PathOf("link").c_str()), 0);
         return PathOf("link");
       },
       kPicture},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ReadWholeFile(c.make()), c.expected);
  }
}

TEST_F(WholeFileTest, ReadGivesNothingForAFileItMayNotRead) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads files whatever their mode";
  Put("secret", kPicture, 0200);
  EXPECT_TRUE(ReadWholeFile(PathOf("secret")).empty());
}

TEST_F(WholeFileTest, WriteCreatesANewFileAsAPlainCreateWould) {
  const mode_t previous = umask(027);
  const bool written = WriteWholeFile(PathOf("new.bmp"), kPicture);
  umask(previous);
  ASSERT_TRUE(written);
  EXPECT_EQ(Contents("new.bmp"), kPicture);
  EXPECT_EQ(PermissionsOf("new.bmp"), 0640u);
  EXPECT_EQ(Names(), std::vector<std::string>{"new.bmp"});
}

TEST_F(WholeFileTest, WriteReplacesATargetAndKeepsItsPermissions) {
  for (FlushToDisk flush : {FlushToDisk::kYes, FlushToDisk::kNo}) {
    SCOPED_TRACE(flush == FlushToDisk::kYes ? "flushed" : "not flushed");
    Put("old.bmp", std::vector<uint8_t>(5000, 7), 0604);
    ASSERT_TRUE(WriteWholeFile(PathOf("old.bmp"), kPicture, flush));
    EXPECT_EQ(Contents("old.bmp"), kPicture);
    EXPECT_EQ(PermissionsOf("old.bmp"), 0604u);
    EXPECT_EQ(Names(), std::vector<std::string>{"old.bmp"});
  }
}

TEST_F(WholeFileTest, WriteOfNoBytesGivesAnEmptyFile) {
  Put("old.bmp", kPicture);
  ASSERT_TRUE(WriteWholeFile(PathOf("old.bmp"), {}));
  EXPECT_TRUE(Contents("old.bmp").empty());
  EXPECT_EQ(Names(), std::vector<std::string>{"old.bmp"});
}

TEST_F(WholeFileTest, WriteLeavesATargetItMayNotReplaceUntouched) {
  // Read-only files stay read-only also for root, who could write them.
  Put("read_only.bmp", kPicture, 0444);
  Put("owner_read_only.bmp", kPicture, 0466);
  fs::create_directory(PathOf("folder.bmp"));
  Put("target.bmp", kPicture);
  ASSERT_EQ(symlink("target.bmp", PathOf("link.bmp").c_str()), 0);
  for (const char* name :
       {"read_only.bmp", "owner_read_only.bmp", "folder.bmp", "link.bmp"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(WriteWholeFile(PathOf(name), kPicture));
  }
  EXPECT_EQ(Contents("read_only.bmp"), kPicture);
  EXPECT_EQ(PermissionsOf("read_only.bmp"), 0444u);
  EXPECT_EQ(Contents("owner_read_only.bmp"), kPicture);
  EXPECT_EQ(PermissionsOf("owner_read_only.bmp"), 0466u);
  EXPECT_TRUE(fs::is_empty(PathOf("folder.bmp")));
  EXPECT_TRUE(fs::is_symlink(PathOf("link.bmp")));
  EXPECT_EQ(Contents("target.bmp"), kPicture);
  EXPECT_EQ(Names(), (std::vector<std::string>{"folder.bmp", "link.bmp",
                                               "owner_read_only.bmp",
                                               "read_only.bmp", "target.bmp"}));
}

TEST_F(WholeFileTest, WriteFailsWithoutAFolderToWriteIn) {
  EXPECT_FALSE(WriteWholeFile("", kPicture));
  EXPECT_FALSE(WriteWholeFile(PathOf("missing/new.bmp"), kPicture));
  EXPECT_TRUE(Names().empty());
}

TEST_F(WholeFileTest, WriteFailingMidwayLeavesTheTargetAndNoTemporaryFile) {
  Put("old.bmp", {9, 9, 9});
  // A file size limit makes the writes fail once the temporary file exists,
  // as a full disk would; SIGXFSZ is ignored so that write reports it.
  rlimit previous_limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous_limit), 0);
  rlimit limit = previous_limit;
  limit.rlim_cur = 100;
  const sighandler_t previous_handler = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  const bool replaced = WriteWholeFile(PathOf("old.bmp"), kPicture);
  const bool created = WriteWholeFile(PathOf("new.bmp"), kPicture);
  setrlimit(RLIMIT_FSIZE, &previous_limit);
  signal(SIGXFSZ, previous_handler);
  EXPECT_FALSE(replaced);
  EXPECT_FALSE(created);
  EXPECT_EQ(Contents("old.bmp"), (std::vector<uint8_t>{9, 9, 9}));
  EXPECT_EQ(Names(), std::vector<std::string>{"old.bmp"});
}

}  // namespace
}  // namespace pelorine
