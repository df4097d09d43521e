#include "platform/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
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

    std::string read(const fs::path& file) { return ReadFileBytes(file, 1 << 20).value_or("<unreadable>"); }
    struct stat info(const fs::path& file)
    {
        struct stat st {};
        EXPECT_EQ(::lstat(file.c_str(), &st), 0);
        return st;
    }

    fs::path m_dir;
};

TEST_F(FileBytesTest, WritesThenReadsBackExactBytes)
{
    const std::string bytes("\x00zvd\x00\r\n\x0b\xff", 9);
    const fs::path file = m_dir / "a.zvd";
    ASSERT_EQ(WriteFileAtomically(file, bytes), 0);
    EXPECT_EQ(read(file), bytes);
    ASSERT_EQ(WriteFileAtomically(file, "new"), 0);
    EXPECT_EQ(read(file), "new");
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

    EXPECT_EQ(read(file), "old design");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
}

// Only a regular file within the limit is read; FIFOs and devices are refused at once instead
// of blocking the caller or filling its memory.
TEST_F(FileBytesTest, ReadsOnlyRegularFilesWithinTheLimit)
{
    const fs::path fifo = m_dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path exact = m_dir / "exact";
    std::ofstream(exact) << "12345";
    struct Case {
        fs::path path;
        int error;
    } cases[] = {
        {fifo, EINVAL}, {"/dev/zero", EINVAL}, {m_dir, EISDIR}, {m_dir / "missing", ENOENT},
    };
    for (const Case& c : cases) {
        errno = 0;
        EXPECT_FALSE(ReadFileBytes(c.path, 1 << 20)) << c.path;
        EXPECT_EQ(errno, c.error) << c.path;
    }
    EXPECT_EQ(ReadFileBytes(exact, 5).value_or("?"), "12345");
    errno = 0;
    EXPECT_FALSE(ReadFileBytes(exact, 4));
    EXPECT_EQ(errno, EFBIG);
}

// A pipe is read to its end within the limit; an endless one stops one byte past it.
TEST_F(FileBytesTest, ReadsStreamsWithinTheLimit)
{
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ASSERT_EQ(::write(fds[1], "12345", 5), 5);
    ::close(fds[1]);
    EXPECT_EQ(ReadStreamBytes(fds[0], 5).value_or("?"), "12345");
    ::close(fds[0]);

    const int zero = ::open("/dev/zero", O_RDONLY);
    ASSERT_GE(zero, 0);
    errno = 0;
    EXPECT_FALSE(ReadStreamBytes(zero, 1 << 20));
    EXPECT_EQ(errno, EFBIG);
    ::close(zero);
}

// A save through a symlink replaces the file it points to, and the link stays a link.
TEST_F(FileBytesTest, SavesThroughSymlinks)
{
    fs::create_directories(m_dir / "real");
    const fs::path target = m_dir / "real" / "design.zvd";
    std::ofstream(target) << "old";
    fs::create_symlink("real/design.zvd", m_dir / "link.zvd");
    fs::create_symlink("link.zvd", m_dir / "link2.zvd");

    ASSERT_EQ(WriteFileAtomically(m_dir / "link2.zvd", "new"), 0);
    EXPECT_TRUE(fs::is_symlink(m_dir / "link2.zvd"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.zvd"));
    EXPECT_EQ(read(target), "new");
}

// The mode of a replaced file is kept without its set-id and sticky bits; a new file follows
// the umask; the owner is kept where the process may set it (only root may give a file away).
TEST_F(FileBytesTest, KeepsOwnerAndModeButNoSpecialBits)
{
    const fs::path file = m_dir / "shared.zvd";
    std::ofstream(file) << "old";
    ASSERT_EQ(::chmod(file.c_str(), 06775 | S_ISVTX), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), 1234, 5678), 0);
    }

    ASSERT_EQ(WriteFileAtomically(file, "new"), 0);
    const struct stat replaced = info(file);
    EXPECT_EQ(replaced.st_mode & 07777, 0775u);
    if (root) {
        EXPECT_EQ(replaced.st_uid, 1234u);
        EXPECT_EQ(replaced.st_gid, 5678u);
    }

    const mode_t before = ::umask(077);
    const int saved = WriteFileAtomically(m_dir / "private.zvd", "new");
    ::umask(before);
    ASSERT_EQ(saved, 0);
    EXPECT_EQ(info(m_dir / "private.zvd").st_mode & 07777, 0600u);
}

// A read-only file is refused (even for root, who could write it) and stays as it was.
TEST_F(FileBytesTest, RefusesReadOnlyFiles)
{
    const fs::path file = m_dir / "done.zvd";
    std::ofstream(file) << "final";
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    EXPECT_EQ(WriteFileAtomically(file, "new"), EACCES);
    EXPECT_EQ(read(file), "final");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

// A name as long as the file system allows can be saved: the temporary name stays within it.
TEST_F(FileBytesTest, SavesNamesAtTheLengthLimit)
{
    const long nameMax = ::pathconf(m_dir.c_str(), _PC_NAME_MAX);
    for (const long length : {nameMax - 1, nameMax}) {
        const fs::path file = m_dir / (std::string(static_cast<std::size_t>(length) - 4, 'n') + ".zvd");
        ASSERT_EQ(WriteFileAtomically(file, "long"), 0) << length;
        EXPECT_EQ(read(file), "long");
    }
}

}  // namespace
