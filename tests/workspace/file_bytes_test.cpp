#include "workspace/file_bytes.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "workspace/file_test_support.h"

namespace lorvex {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::TemporaryFolder;

// Saves `bytes` over `path` in a child process whose file size is limited to
// `limit` bytes, with SIGXFSZ handled as the programs handle it; the child's
// exit status is 0 when the save failed as a call, 1 when it succeeded, and
// the signal's number when the signal ended it.
int saveUnderFileSizeLimit(const fs::path& path, const Bytes& bytes, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        letOversizedWritesFail();
        rlimit lowered{};
        getrlimit(RLIMIT_FSIZE, &lowered);
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
        _exit(replaceFileContents(path, bytes) ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : WEXITSTATUS(status);
}

TEST(ReplaceFileContents, NewAndReplacedFilesKeepPermissionsAndLeaveNoTemporary) {
    TemporaryFolder folder;
    const auto path = folder / "a.fma";
    for (const Bytes& bytes : {Bytes{1, 2, 3}, Bytes{}, Bytes{9}}) {
        ASSERT_TRUE(replaceFileContents(path, bytes));
        EXPECT_EQ(test::fileBytes(path), bytes);
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.fma"});

    const fs::perms permissions =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, permissions);
    ASSERT_TRUE(replaceFileContents(path, Bytes{2}));
    EXPECT_EQ(fs::status(path).permissions(), permissions);

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
    EXPECT_EQ(saveUnderFileSizeLimit(path, Bytes(100000, 1), 4096), 0);
    EXPECT_EQ(test::fileBytes(path), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.fma"});

    EXPECT_FALSE(replaceFileContents(folder / "missing/a.fma", old));
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

// A save through a chain of links replaces the file at its end, writing the
// temporary file in that file's folder, and keeps the links; a dangling link
// gets its file created when the file's folder exists.
TEST(ReplaceFileContents, LinksAreFollowedToTheFileTheyName) {
    TemporaryFolder folder;
    fs::create_directory(folder / "data");
    fs::create_directory(folder / "links");
    const auto file = folder / "data/a.fma";
    test::putFile(file, Bytes{1});
    fs::create_symlink("../data/a.fma", folder / "links/first.fma");
    fs::create_symlink("first.fma", folder / "links/second.fma");

    ASSERT_TRUE(replaceFileContents(folder / "links/second.fma", Bytes{2}));
    EXPECT_EQ(test::fileBytes(file), Bytes{2});
    EXPECT_TRUE(fs::is_symlink(folder / "links/first.fma"));
    EXPECT_TRUE(fs::is_symlink(folder / "links/second.fma"));
    EXPECT_EQ(fs::read_symlink(folder / "links/second.fma"), "first.fma");

    fs::create_symlink(folder / "data/new.fma", folder / "links/dangling.fma");
    ASSERT_TRUE(replaceFileContents(folder / "links/dangling.fma", Bytes{3}));
    EXPECT_TRUE(fs::is_symlink(folder / "links/dangling.fma"));
    EXPECT_EQ(test::fileBytes(folder / "data/new.fma"), Bytes{3});

    fs::create_symlink(folder / "none/new.fma", folder / "links/nowhere.fma");
    EXPECT_FALSE(replaceFileContents(folder / "links/nowhere.fma", Bytes{4}));
    EXPECT_FALSE(fs::exists(folder / "none"));
}

// Renaming over a folder, a FIFO or a link loop would destroy it or write
// somewhere unexpected: nothing is written and the thing stays what it was.
TEST(ReplaceFileContents, WhatIsNotARegularFileIsRefused) {
    TemporaryFolder folder;
    fs::create_directory(folder / "folder.fma");
    ASSERT_EQ(mkfifo((folder / "fifo.fma").c_str(), 0600), 0);
    fs::create_symlink("fifo.fma", folder / "to-fifo.fma");
    fs::create_symlink("loop.fma", folder / "loop.fma");
    fs::create_symlink("ping.fma", folder / "pong.fma");
    fs::create_symlink("pong.fma", folder / "ping.fma");
    const std::vector<std::string> before = folder.entries();

    struct Case {
        const char* name;
        fs::file_type typeAfter;
    };
    for (const Case& c :
         {Case{"folder.fma", fs::file_type::directory}, Case{"fifo.fma", fs::file_type::fifo},
          Case{"to-fifo.fma", fs::file_type::symlink}, Case{"loop.fma", fs::file_type::symlink},
          Case{"ping.fma", fs::file_type::symlink}}) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(replaceFileContents(folder / c.name, Bytes{1}));
        EXPECT_EQ(fs::symlink_status(folder / c.name).type(), c.typeAfter);
    }
    EXPECT_EQ(fs::status(folder / "fifo.fma").type(), fs::file_type::fifo);
    EXPECT_EQ(folder.entries(), before);
}

// Leftovers of earlier saves that crashed never block a save.
TEST(ReplaceFileContents, LeftoverTemporaryFilesDoNotBlockSaving) {
    TemporaryFolder folder;
    for (int i = 0; i < 100; ++i)
        test::putFile(folder / (".lorvex-saving-" + std::to_string(i) + ".tmp"), Bytes{7});
    ASSERT_TRUE(replaceFileContents(folder / "a.fma", Bytes{5}));
    EXPECT_EQ(test::fileBytes(folder / "a.fma"), Bytes{5});
    EXPECT_EQ(folder.entries().size(), 101u);
    EXPECT_EQ(test::fileBytes(folder / ".lorvex-saving-0.tmp"), Bytes{7});
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
