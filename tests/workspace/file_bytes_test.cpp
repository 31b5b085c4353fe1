#include "workspace/file_bytes.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "workspace/file_test_support.h"

namespace lorvex {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::TemporaryFolder;

// Lowers the largest file size this process may write, so that a write fails
// half-way as it would on a full disk; restores the limit afterwards.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(ReplaceFileContents, NewAndReplacedFilesLeaveNoTemporaryBehind) {
    TemporaryFolder folder;
    const auto path = folder / "a.fma";
    ASSERT_TRUE(replaceFileContents(path, Bytes{1, 2, 3}));
    EXPECT_EQ(test::fileBytes(path), (Bytes{1, 2, 3}));
    ASSERT_TRUE(replaceFileContents(path, Bytes{}));
    EXPECT_EQ(test::fileBytes(path), Bytes{});
    ASSERT_TRUE(replaceFileContents(path, Bytes{9}));
    EXPECT_EQ(test::fileBytes(path), Bytes{9});
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.fma"});

    // A name as long as the file system allows can still be saved.
    const std::string longName = std::string(251, 'n') + ".fma";
    ASSERT_TRUE(replaceFileContents(folder / longName, Bytes{4}));
    EXPECT_EQ(test::fileBytes(folder / longName), Bytes{4});
}

TEST(ReplaceFileContents, AFailedWriteLeavesTheOldFileAsItWas) {
    TemporaryFolder folder;
    const auto path = folder / "a.fma";
    const Bytes old(1000, 7);
    ASSERT_TRUE(replaceFileContents(path, old));
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(replaceFileContents(path, Bytes(100000, 1)));
    }
    EXPECT_EQ(test::fileBytes(path), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.fma"});

    EXPECT_FALSE(replaceFileContents(folder / "missing/a.fma", old));
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

TEST(ReplaceFileContents, PermissionsAndLinksAreKept) {
    TemporaryFolder folder;
    const auto path = folder / "a.txt";
    ASSERT_TRUE(replaceFileContents(path, Bytes{1}));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(replaceFileContents(path, Bytes{2}));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const auto link = folder / "link.txt";
    fs::create_symlink(path, link);
    ASSERT_TRUE(replaceFileContents(link, Bytes{3}));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::fileBytes(path), Bytes{3});
}

TEST(ReadFileBytes, WholeFilesOrTheirStart) {
    TemporaryFolder folder;
    const auto path = folder / "b.bin";
    test::putFile(path, Bytes{1, 2, 3, 4, 5});
    Bytes read{9};
    ASSERT_TRUE(readFileBytes(path, read));
    EXPECT_EQ(read, (Bytes{1, 2, 3, 4, 5}));
    ASSERT_TRUE(readFileBytes(path, read, 2));
    EXPECT_EQ(read, (Bytes{1, 2}));

    read = {9};
    EXPECT_FALSE(readFileBytes(folder / "missing", read));
    EXPECT_FALSE(readFileBytes(folder.path(), read));
    EXPECT_FALSE(readFileBytes("/dev/zero", read));
    EXPECT_EQ(read, Bytes{9});
}

}  // namespace
}  // namespace lorvex
