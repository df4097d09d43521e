#pragma once
// Which members of an update archive the installer takes: regular files and folders under
// "印刷情報/<CODE>/" with the names the program reads, nothing else.
#include <cstdint>
#include <string>

enum class MemberKind {
    Folder,
    File,
    Other,  // symlinks, hard links, devices, FIFOs, sockets: never installed
};

struct MemberVerdict {
    bool accepted = false;
    std::string code;    // the sheet the member belongs to, when its path names one
    std::string file;    // the file's name in the sheet folder; empty for a folder
    std::string reason;  // why a member was refused
};

// The largest picture taken: far above a sheet picture of any real size at 150 dots per inch.
inline constexpr std::uint64_t kMaxPictureBytes = 32ull * 1024 * 1024;

// Judges one member by its path as stored (a leading "./" and a folder's trailing "/" allowed),
// its kind and its size. Absolute paths, "..", ".", empty parts, other kinds, unknown names and
// files above their kind's limit are refused.
MemberVerdict JudgeMember(const std::string& path, MemberKind kind, std::int64_t size);
