// velmaro-install-update ARCHIVE SHEETS-FOLDER: installs the sheets of an update archive and says
// what it installed and what it refused. Exits 0 when at least one sheet was installed.
#include <iostream>

#include "update/update_install.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: velmaro-install-update ARCHIVE SHEETS-FOLDER\n";
        return 2;
    }
    const InstallReport report = InstallUpdate(argv[1], argv[2]);
    for (const std::string& code : report.installed)
        std::cout << "installed " << code << '\n';
    for (const std::string& line : report.refused)
        std::cout << "refused " << line << '\n';
    return report.installed.empty() ? 1 : 0;
}
