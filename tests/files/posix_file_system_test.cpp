#include "platform/files/posix_file_system.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "common/charset.h"

namespace kestrum {
namespace {

class PosixFileSystemTest : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/kestrum_files_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        previous_ = std::filesystem::current_path();
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }
    std::filesystem::path folder_;
    std::filesystem::path previous_;
    PosixFileSystem files_;
};

TEST_F(PosixFileSystemTest, ProgramFolderIsTheFolderOfTheRunningProgram) {
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(files_.programFolder(), self.parent_path().string());
}

TEST_F(PosixFileSystemTest, CurrentDirectoryFollowsTheGbkPath) {
    const std::filesystem::path chinese = folder_ / "数据";
    std::filesystem::create_directory(chinese);
    const std::string gbkPath = utf8ToGbk(chinese.string());
    ASSERT_TRUE(files_.setCurrentDirectory(gbkPath));
    EXPECT_EQ(std::filesystem::current_path(), chinese);
    EXPECT_EQ(files_.currentDirectory(), gbkPath);
    EXPECT_FALSE(files_.setCurrentDirectory(utf8ToGbk((folder_ / "missing").string())));
    EXPECT_EQ(files_.currentDirectory(), gbkPath);
}

TEST_F(PosixFileSystemTest, WritesAndReadsWholeFilesUnderGbkNames) {
    const std::string path = utf8ToGbk((folder_ / "Kestrum.旬.ini").string());
    const std::string bytes("\xC9\xE8\xD6\xC3\r\n\0tail", 11);
    ASSERT_TRUE(files_.writeFile(path, bytes));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "Kestrum.旬.ini"));
    EXPECT_EQ(files_.readFile(path), bytes);

    ASSERT_TRUE(files_.writeFile(path, "short"));
    EXPECT_EQ(files_.readFile(path), "short") << "an existing file is emptied first";

    EXPECT_TRUE(files_.fileExists(path));
    EXPECT_FALSE(files_.fileExists(path + ".missing"));
    EXPECT_EQ(files_.readFile(path + ".missing"), std::nullopt);
    EXPECT_FALSE(files_.writeFile((folder_ / "no" / "such.txt").string(), "x"));
    EXPECT_FALSE(files_.writeFile(folder_.string(), "x")) << "a folder is not a file";
}

}  // namespace
}  // namespace kestrum
