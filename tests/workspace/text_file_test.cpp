#include "workspace/text_file.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/result_codes.h"
#include "workspace/file_test_support.h"

namespace lorvex {
namespace {

using test::Bytes;
using test::TemporaryFolder;

TEST(TextFile, WrittenAsUtf8WithOneClosingNul) {
    TemporaryFolder folder;
    const auto path = folder / "notas.txt";
    ASSERT_EQ(writeTextFile(path, "ação\r\nfim"), code::Ok);
    const Bytes expected = {'a', 0xC3, 0xA7, 0xC3, 0xA3, 'o', '\r', '\n', 'f', 'i', 'm', 0};
    EXPECT_EQ(test::fileBytes(path), expected);

    std::string read;
    ASSERT_EQ(readTextFile(path, read), code::Ok);
    EXPECT_EQ(read, "ação\r\nfim");

    ASSERT_EQ(writeTextFile(path, ""), code::Ok);
    EXPECT_EQ(test::fileBytes(path), Bytes{0});
    ASSERT_EQ(readTextFile(path, read), code::Ok);
    EXPECT_EQ(read, "");
}

TEST(TextFile, ReadingStopsAtTheFirstNulOr64000Characters) {
    TemporaryFolder folder;
    const auto path = folder / "t.txt";
    std::string read;

    test::putFile(path, std::string("abc\0def", 7));
    ASSERT_EQ(readTextFile(path, read), code::Ok);
    EXPECT_EQ(read, "abc");

    test::putFile(path, std::string(70000, 'a'));
    ASSERT_EQ(readTextFile(path, read), code::Ok);
    EXPECT_EQ(read, std::string(64000, 'a'));

    // Characters, not bytes: 70 000 two-byte letters keep 64 000 of them.
    std::string accented;
    for (int i = 0; i < 70000; ++i)
        accented += "ç";
    test::putFile(path, accented);
    ASSERT_EQ(readTextFile(path, read), code::Ok);
    EXPECT_EQ(read, accented.substr(0, 128000));
}

TEST(TextFile, Failures) {
    TemporaryFolder folder;
    std::string read = "antes";
    EXPECT_EQ(readTextFile(folder / "missing.txt", read), code::CannotOpenFile);
    EXPECT_EQ(readTextFile(folder.path(), read), code::CannotOpenFile);
    EXPECT_EQ(read, "antes");
    EXPECT_EQ(writeTextFile(folder / "no/folder/t.txt", "x"), code::CannotSaveFile);
    EXPECT_EQ(writeTextFile(folder.path(), "x"), code::CannotSaveFile);
}

}  // namespace
}  // namespace lorvex
