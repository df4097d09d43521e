// Any bytes as a downloaded update: the download check and the installer. Whatever the archive
// holds, the installer writes only regular files and folders inside the sheets folder, leaves no
// staging folder behind, and every sheet it reports installed reads as the catalog reads it.
#include "format/load_formats.h"
#include "fuzz_check.h"
#include "update/update_archive.h"
#include "update/update_install.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// A work folder of this process for the whole run: the archive and a program folder beside it.
const fs::path& WorkFolder()
{
    static const fs::path folder = fs::temp_directory_path() / ("velmaro-fuzz-archive-" + std::to_string(::getpid()));
    return folder;
}

void CheckSheets(const fs::path& sheets, const InstallReport& report)
{
    for (const auto& entry : fs::recursive_directory_iterator(sheets)) {
        const fs::file_status status = fs::symlink_status(entry.path());
        Require(fs::is_regular_file(status) || fs::is_directory(status), "only files and folders are written");
        Require(entry.path().filename().string()[0] != '.', "no staging folder is left");
        Require((static_cast<unsigned>(status.permissions()) & 07111) == 0 || fs::is_directory(status),
                "no file is executable or set-id");
    }
    for (const std::string& code : report.installed)
        Require(ReadFormatFile(sheets / code / "format.tsd").has_value(), "an installed sheet reads");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fs::path program = WorkFolder() / "program";
    const fs::path archive = WorkFolder() / "update.tar.gz";
    fs::remove_all(WorkFolder());
    fs::create_directories(program);
    std::ofstream(archive, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const int fd = ::open(archive.c_str(), O_RDONLY | O_CLOEXEC);
    Require(fd >= 0, "the archive written can be opened");
    IsWholeUpdateArchive(fd);
    ::close(fd);
    const InstallReport report = InstallUpdate(archive, program / "印刷情報");
    Require(!report.archiveDamaged || report.installed.empty(), "a damaged archive installs nothing");
    std::size_t outside = 0;
    for (const auto& entry : fs::directory_iterator(program)) {
        outside += entry.path().filename() != "印刷情報";
    }
    Require(outside == 0, "nothing is written beside the sheets folder");
    CheckSheets(program / "印刷情報", report);
    fs::remove_all(WorkFolder());
    return 0;
}
