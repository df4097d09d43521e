// Recovery notes left in the user's state folder are read whatever lies there: a note that is no
// regular file of a note's size is taken as empty, at once, instead of blocking or filling memory.
#include "design/recovery_file.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "../update/temp_folder.h"

namespace fs = std::filesystem;

namespace {

// Beyond any process number Linux hands out, so the copies count as left behind.
constexpr long kDeadPid = 2147483000;

class RecoveryNoteTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    const fs::path& m_dir = m_folder.path();
};

TEST_F(RecoveryNoteTest, ANoteReadsBackAsWritten)
{
    const RecoveryNote note{"/home/user/名札.zvd", "M100AA00"};
    const fs::path file = m_dir / "a.note";
    std::ofstream(file, std::ios::binary) << NoteBytes(note);
    const RecoveryNote read = ReadNoteFile(file);
    EXPECT_EQ(read.originalPath, note.originalPath);
    EXPECT_EQ(read.sheetCode, note.sheetCode);
}

// A FIFO once blocked every start in open(), /dev/zero ran out of memory and a huge note took
// minutes: each of them is an empty note now, and the copy it belongs to is still offered.
TEST_F(RecoveryNoteTest, ANoteThatIsNoNoteIsEmptyAndItsCopyStillOffered)
{
    const fs::path fifo = m_dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path huge = m_dir / "huge";
    std::ofstream(huge) << "/home/user/a.zvd\n";
    fs::resize_file(huge, std::uintmax_t{1} << 30);
    const fs::path justOverLimit = m_dir / "over";
    std::ofstream(justOverLimit) << std::string(kMaxNoteBytes + 1, 'a');
    struct Case {
        const char* what;
        fs::path target;
    } cases[] = {
        {"a FIFO", fifo}, {"a link to /dev/zero", "/dev/zero"}, {"1 GiB", huge},
        {"one byte over", justOverLimit}, {"a folder", m_dir},
    };
    long long started = 1;
    for (const Case& c : cases) {
        const fs::path design = RecoveryDesignPath(m_dir, kDeadPid, started++);
        std::ofstream(design) << "design";
        fs::create_symlink(c.target, RecoveryNotePath(design));
        const RecoveryNote note = ReadNoteFile(RecoveryNotePath(design));
        EXPECT_TRUE(note.originalPath.empty() && note.sheetCode.empty()) << c.what;
    }
    EXPECT_EQ(LeftRecoveries(m_dir).size(), std::size(cases));
}

}  // namespace
