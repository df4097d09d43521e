// Reads label-template files as the program does and says what came of each, for whole-process
// timing (label_refuse_time.sh): `read_label_templates FILE...` with the installed papers, or
// `read_label_templates --database` for every folder of this environment.
#include "labels/label_database.h"
#include "labels/label_templates.h"

#include <cstring>
#include <iostream>

namespace {

int ReadDatabase()
{
    const LabelDatabase database = LoadLabelDatabase(std::cerr);
    std::cout << database.sheets.size() << " sheets, " << database.unsupported << " left out\n";
    return 0;
}

int ReadFiles(int count, char** files)
{
    std::string ignored;
    const std::vector<PaperSize> papers =
        ReadPaperSizes("/usr/share/libglabels-3.0/templates/paper-sizes.xml", &ignored);
    for (int i = 0; i < count; ++i) {
        const TemplateFileResult result = ReadTemplateFile(files[i], papers, {});
        std::cout << files[i] << ": ";
        if (result.error.empty())
            std::cout << result.sheets.size() << " sheets, " << result.unsupported << " left out\n";
        else
            std::cout << result.error << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--database") == 0)
        return ReadDatabase();
    return ReadFiles(argc - 1, argv + 1);
}
