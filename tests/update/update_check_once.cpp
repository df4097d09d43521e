// update_check_once PORT USER DATA-FOLDER KEY INSTALLER: one update check as the wizard runs it at
// start (file "VelmaroUpdate.tar.gz" in "/velmaro" on 127.0.0.1, password "sticker2026"), with the
// markers in DATA-FOLDER/update and the sheets in DATA-FOLDER/印刷情報; KEY "-" for none (unsigned
// updates then allowed). Exits 0 when an update was installed, 1 otherwise. For the race test, which
// runs several at once.
#include <cstdio>
#include <filesystem>
#include <string>

#include "update/update_check.h"

int main(int argc, char** argv)
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: update_check_once PORT USER DATA-FOLDER KEY|- INSTALLER\n");
        return 2;
    }
    const std::filesystem::path data = argv[3];
    const std::string key = argv[4];
    UpdateCheckEnvironment environment;
    environment.downloadFolder = data / "update";
    environment.sheetsFolder = data / "印刷情報";
    environment.installer = argv[5];
    environment.updateKey = key == "-" ? "" : key;
    environment.allowUnsigned = key == "-";
    environment.service = argv[1];
    environment.deadline = std::chrono::seconds(20);
    int result = kNoUpdate;
    environment.report = [&result](int value) { result = value; };
    run_update_check("127.0.0.1", argv[2], "sticker2026", "/velmaro", "VelmaroUpdate.tar.gz", environment);
    return result == kUpdateFetched ? 0 : 1;
}
