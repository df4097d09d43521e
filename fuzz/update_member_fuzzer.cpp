// The installer's member filter on any path, kind and size: whatever it accepts is a folder or one
// of the three sheet files, directly under "印刷情報" or one sheet folder named by a code of
// letters and digits, never a path that could leave its place, and never above its size limit.
#include "format/catalog.h"
#include "format/load_formats.h"
#include "fuzz_check.h"
#include "update/update_members.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

const std::string kSheets = "印刷情報";

void CheckAccepted(const std::string& path, MemberKind kind, std::int64_t size, const MemberVerdict& verdict)
{
    Require(kind != MemberKind::Other, "only files and folders are taken");
    Require(verdict.reason.empty(), "a taken member has no reason against it");
    Require(!path.empty() && path[0] != '/', "a taken path is relative");
    Require(verdict.code.empty() || IsSheetCode(verdict.code), "a taken member names a sheet code or none");
    const std::string expected = verdict.code.empty() ? kSheets : kSheets + "/" + verdict.code;
    const std::string full = verdict.file.empty() ? expected : expected + "/" + verdict.file;
    std::string normalised = path;
    while (normalised.compare(0, 2, "./") == 0)
        normalised.erase(0, 2);
    if (kind == MemberKind::Folder && !normalised.empty() && normalised.back() == '/')
        normalised.pop_back();
    Require(normalised == full, "the taken path is exactly the sheet folder and file named");
    if (kind == MemberKind::File) {
        Require(verdict.file == "format.tsd" || verdict.file == "whiteseal.bmp" || verdict.file == "numberseal.bmp",
                "a taken file is one the program reads");
        const std::uint64_t limit = verdict.file == "format.tsd" ? kMaxFormatFileBytes : kMaxPictureBytes;
        Require(size >= 0 && static_cast<std::uint64_t>(size) <= limit, "a taken file is within its limit");
    } else {
        Require(verdict.file.empty(), "a taken folder names no file");
    }
}

}  // namespace

// Byte 0: the kind; bytes 1 to 8: the size; the rest: the path.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 9)
        return 0;
    const MemberKind kind = static_cast<MemberKind>(data[0] % 3);
    std::int64_t memberSize = 0;
    std::memcpy(&memberSize, data + 1, sizeof memberSize);
    const std::string path(reinterpret_cast<const char*>(data) + 9, size - 9);
    const MemberVerdict verdict = JudgeMember(path, kind, memberSize);
    if (verdict.accepted)
        CheckAccepted(path, kind, memberSize, verdict);
    else
        Require(!verdict.reason.empty(), "a refused member says why");
    return 0;
}
