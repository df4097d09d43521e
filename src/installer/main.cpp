// velmaro-install-update ARCHIVE SHEETS-FOLDER: installs the sheets of an update archive and says
// what it installed and what it refused. ARCHIVE "-" reads the archive from standard input, which
// must then be a regular file: the update check hands over the very file it has verified that way.
// Exits 0 when the update went in (at least one sheet, and every sheet that passed its checks),
// 1 when it brought nothing to install, 3 when it could not be installed here (a full or
// read-only disk, another installer at work) and is to be tried again.
#include <iostream>
#include <string>

#include "update/update_install.h"

namespace {

constexpr int kNothingInstalled = 1;
constexpr int kUsage = 2;
constexpr int kRetryLater = 3;

int ExitStatus(const InstallReport& report)
{
    if (report.localFailure)
        return kRetryLater;
    return report.installed.empty() ? kNothingInstalled : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: velmaro-install-update ARCHIVE|- SHEETS-FOLDER\n";
        return kUsage;
    }
    const std::string archive = argv[1];
    const InstallReport report = archive == "-" ? InstallUpdate(0, argv[2]) : InstallUpdate(archive, argv[2]);
    for (const std::string& code : report.installed)
        std::cout << "installed " << code << '\n';
    for (const std::string& line : report.refused)
        std::cout << "refused " << line << '\n';
    return ExitStatus(report);
}
