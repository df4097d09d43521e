#include "update/update_members.h"

#include <vector>

#include "format/catalog.h"
#include "format/load_formats.h"

namespace {

const char kSheetsFolderName[] = "印刷情報";

std::vector<std::string> Parts(const std::string& path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = path.find('/', start);
        parts.push_back(path.substr(start, slash - start));
        if (slash == std::string::npos)
            return parts;
        start = slash + 1;
    }
}

// The limit for a file the program reads from a sheet folder; 0 for any other name.
std::uint64_t SheetFileLimit(const std::string& name)
{
    if (name == "format.tsd")
        return kMaxFormatFileBytes;
    if (name == "whiteseal.bmp" || name == "numberseal.bmp")
        return kMaxPictureBytes;
    return 0;
}

MemberVerdict Refused(std::string reason, std::string code = {})
{
    MemberVerdict verdict;
    verdict.code = std::move(code);
    verdict.reason = std::move(reason);
    return verdict;
}

MemberVerdict Accepted(std::string code, std::string file = {})
{
    MemberVerdict verdict;
    verdict.accepted = true;
    verdict.code = std::move(code);
    verdict.file = std::move(file);
    return verdict;
}

// The path as the archive tools write it: "./" before it, "/" after a folder's name.
std::string Normalised(std::string path, MemberKind kind)
{
    while (path.compare(0, 2, "./") == 0)
        path.erase(0, 2);
    if (kind == MemberKind::Folder && !path.empty() && path.back() == '/')
        path.pop_back();
    return path;
}

}  // namespace

MemberVerdict JudgeMember(const std::string& rawPath, MemberKind kind, std::int64_t size)
{
    const std::string path = Normalised(rawPath, kind);
    if (path.empty() || path[0] == '/')
        return Refused("absolute or empty path");
    if (path.find('\0') != std::string::npos)
        return Refused("NUL in the path");
    const std::vector<std::string> parts = Parts(path);
    for (const std::string& part : parts) {
        if (part.empty() || part == "." || part == "..")
            return Refused("path leaves its folder or has empty parts");
    }
    if (parts[0] != kSheetsFolderName)
        return Refused("outside the sheet folder");
    const std::string code = parts.size() > 1 ? parts[1] : std::string();
    if (parts.size() > 1 && !IsSheetCode(code))
        return Refused("not a sheet code");
    if (kind == MemberKind::Other)
        return Refused("neither a regular file nor a folder", code);
    if (parts.size() > 3)
        return Refused("too deep", code);
    if (kind == MemberKind::Folder)
        return parts.size() == 3 ? Refused("a folder inside a sheet", code) : Accepted(code);
    if (parts.size() != 3)
        return Refused("a file outside a sheet folder", code);
    const std::uint64_t limit = SheetFileLimit(parts[2]);
    if (limit == 0)
        return Refused("not a file the program reads", code);
    if (size < 0 || static_cast<std::uint64_t>(size) > limit)
        return Refused("too large", code);
    return Accepted(code, parts[2]);
}
