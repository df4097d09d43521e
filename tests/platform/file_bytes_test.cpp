#include "platform/file_bytes.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class FileBytesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("velmaro-files-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    fs::path m_dir;
};

TEST_F(FileBytesTest, WritesThenReadsBackExactBytes)
{
    const std::string bytes("\x00zvd\x00\r\n\x0b\xff", 9);
    const fs::path file = m_dir / "a.zvd";
    ASSERT_EQ(WriteFileAtomically(file, bytes), 0);
    EXPECT_EQ(*ReadFileBytes(file), bytes);
    ASSERT_EQ(WriteFileAtomically(file, "new"), 0);
    EXPECT_EQ(*ReadFileBytes(file), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(FileBytesTest, FailuresReportTheErrorAndLeaveNothingBehind)
{
    const fs::path file = m_dir / "keep.zvd";
    ASSERT_EQ(WriteFileAtomically(file, "old design"), 0);

    // The rename fails when the target is a folder: the folder stays, the temporary goes.
    const fs::path folderTarget = m_dir / "folder.zvd";
    fs::create_directories(folderTarget / "inside");
    EXPECT_NE(WriteFileAtomically(folderTarget, "new"), 0);
    EXPECT_TRUE(fs::is_directory(folderTarget / "inside"));

    EXPECT_EQ(WriteFileAtomically(m_dir / "no-such-folder" / "x.zvd", "new"), ENOENT);

    EXPECT_EQ(*ReadFileBytes(file), "old design");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
    EXPECT_FALSE(ReadFileBytes(m_dir / "missing"));
}

}  // namespace
